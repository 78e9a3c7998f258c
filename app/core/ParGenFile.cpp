#include "app/core/ParGenFile.h"

#include "app/core/TableFile.h"
#include "app/core/UComon.h"
#include "app/core/XmlLookup.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/xml/XmlDocument.h"

#include <functional>
#include <span>
#include <vector>

namespace {

// One element of the file: its name and how its text maps to and from the values.
struct TParGenElement {
    std::string Name;
    std::function<void(TParGenValues&, const std::string&)> Read;
    std::function<std::string(const TParGenValues&)> Write;
};

TParGenElement Text_Element(std::string name, std::string TParGenValues::*field) {
    return {std::move(name),
            [field](TParGenValues& v, const std::string& text) { v.*field = text; },
            [field](const TParGenValues& v) { return v.*field; }};
}

TParGenElement Flag_Element(std::string name, bool TParGenValues::*field) {
    return {std::move(name),
            [field](TParGenValues& v, const std::string& text) { v.*field = text == "1"; },
            [field](const TParGenValues& v) { return std::string(v.*field ? "1" : "0"); }};
}

// A list choice: read as the item's position, written as the item's fixed English text.
TParGenElement Item_Element(std::string name, int TParGenValues::*field,
                            std::span<const std::string_view> items,
                            int (*item_of)(std::string_view)) {
    return {
        name,
        [field, item_of](TParGenValues& v, const std::string& text) { v.*field = item_of(text); },
        [name, field, items](const TParGenValues& v) {
            const auto index = static_cast<size_t>(v.*field);
            if (index >= items.size())
                throw Exception(name + " has no item " + std::to_string(v.*field));
            return std::string(items[index]);
        }};
}

void Add_Octets(std::vector<TParGenElement>& elements, const std::string& prefix,
                std::array<std::string, 4> TParGenValues::*octets) {
    for (size_t i = 0; i < 4; ++i) {
        elements.push_back(
            {prefix + std::to_string(i + 1),
             [octets, i](TParGenValues& v, const std::string& text) { (v.*octets)[i] = text; },
             [octets, i](const TParGenValues& v) { return (v.*octets)[i]; }});
    }
}

// The 25 elements in file order.
const std::vector<TParGenElement>& ParGen_Elements() {
    static const std::vector<TParGenElement> elements = [] {
        std::vector<TParGenElement> list;
        list.push_back(Item_Element("HART_Master_Address", &TParGenValues::HART_Master_Address,
                                    TParGenValues::Master_Address_Items, Get_Master_Index));
        list.push_back(Item_Element("HART_Master_Retry_Limit",
                                    &TParGenValues::HART_Master_Retry_Limit,
                                    TParGenValues::Retry_Limit_Items, Get_Retry_Index));
        Add_Octets(list, "Ethernet_IP", &TParGenValues::Ethernet_IP);
        Add_Octets(list, "Ethernet_SM", &TParGenValues::Ethernet_SM);
        Add_Octets(list, "Ethernet_GAT", &TParGenValues::Ethernet_GAT);
        list.push_back(Flag_Element("Ethernet_EN_GAT", &TParGenValues::Ethernet_EN_GAT));
        Add_Octets(list, "Ethernet_DNS", &TParGenValues::Ethernet_DNS);
        list.push_back(Flag_Element("Ethernet_EN_DNS", &TParGenValues::Ethernet_EN_DNS));
        list.push_back(Text_Element("PROFIBUS_ID_Device", &TParGenValues::PROFIBUS_ID_Device));
        list.push_back(Text_Element("PROFINET_NB_IN", &TParGenValues::PROFINET_NB_IN));
        list.push_back(Text_Element("PROFINET_NB_OUT", &TParGenValues::PROFINET_NB_OUT));
        list.push_back(Text_Element("Web_Pages_User", &TParGenValues::Web_Pages_User));
        list.push_back(Text_Element("Web_Pages_Password", &TParGenValues::Web_Pages_Password));
        return list;
    }();
    return elements;
}

} // namespace

TParGenValues Read_ParGen_File(const std::string& path) {
    TParGenValues values;
    if (!FileExists(path))
        return values;
    TXMLDocument xml;
    xml.LoadFromFile(path);
    const TXmlNode root = xml.DocumentElement();
    for (const TParGenElement& element : ParGen_Elements()) {
        std::string text;
        if (Read_Element_Text(root, element.Name, text))
            element.Read(values, text);
    }
    return values;
}

void Write_ParGen_File(const std::string& path, const TParGenValues& values) {
    TXMLDocument xml;
    TXmlNode root = Begin_Table_File(xml, "Par_Gen");
    for (const TParGenElement& element : ParGen_Elements())
        root.AddChild(element.Name).SetText(element.Write(values));
    xml.SaveToFile(path);
}
