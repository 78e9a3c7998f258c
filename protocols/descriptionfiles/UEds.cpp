#include "protocols/descriptionfiles/UEds.h"

#include "app/core/TableFile.h"
#include "platform/core/IntegerConversion.h"
#include "protocols/descriptionfiles/DescriptionFiles.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <limits>
#include <set>
#include <string_view>

namespace {

constexpr std::string_view EDS_File_Name = "CANopen_HART.eds";
constexpr std::string_view EDS_Product_Text = "Converter CANopen / HART Master";
constexpr std::string_view EDS_Product_Number = "238";
constexpr std::string_view EDS_Order_Code = "GW40238";

constexpr std::array<std::string_view, 30> RPDO_Entry_Names = {
    "b",  "c",  "d",  "e",  "f",  "g",  "h",  "j",  "k",  "i",  "aa", "ab", "ac", "ad", "ae",
    "af", "ag", "ah", "ai", "al", "am", "an", "ao", "ap", "aq", "ar", "as", "at", "au", "av"};
constexpr std::array<std::string_view, 30> TPDO_Entry_Names = {
    "l",  "m",  "n",  "o",  "p",  "q",  "r",  "s",  "t",  "u",  "ca", "cb", "cc", "cd", "ce",
    "cf", "cg", "ch", "ci", "cl", "cm", "cn", "co", "cp", "cq", "cr", "cs", "ct", "cu", "cv"};

// Beyond the named PDOs the stems go on by number, so entry names stay unique.
std::string Entry_Stem(const std::array<std::string_view, 30>& names, std::string_view more,
                       size_t pdo) {
    if (pdo < names.size())
        return std::string(names[pdo]);
    return std::string(more) + IntToStr(static_cast<int64_t>(pdo) + 1) + "_";
}

std::string Hex(int64_t value, int digits) {
    return IntToHex(static_cast<uint64_t>(value), digits);
}

// A PDO carries at most 8 data bytes; a table file saying otherwise maps what fits.
int Mapped_Bytes(const TEdsPdo& pdo) {
    return std::clamp(pdo.Dimension, 0, 8);
}

class TEdsLines {
public:
    explicit TEdsLines(std::vector<std::string>& lines) : FLines(lines) {}

    void Add(std::string line) { FLines.push_back(std::move(line)); }
    void Add(std::initializer_list<std::string> lines) {
        FLines.insert(FLines.end(), lines.begin(), lines.end());
    }

    // Every object block once, whatever the tables hold.
    bool Claim(int index) { return FObjects.insert(index).second; }

    void Header(const std::string& name, const std::string& subNumber,
                const std::string& parameterName, std::string_view objectType) {
        Add("[" + name + "]");
        Add("SubNumber=" + subNumber);
        Add("ParameterName=" + parameterName);
        Add("ObjectType=" + std::string(objectType));
        Add("");
    }

    void Entry(const std::string& name, const std::string& parameterName,
               std::string_view objectType, std::string_view dataType, std::string_view accessType,
               const std::string& defaultValue, std::string_view pdoMapping = "0") {
        Add("[" + name + "]");
        Add("ParameterName=" + parameterName);
        Add("ObjectType=" + std::string(objectType));
        Add("DataType=" + std::string(dataType));
        Add("AccessType=" + std::string(accessType));
        if (!defaultValue.empty())
            Add("DefaultValue=" + defaultValue);
        Add("PDOMapping=" + std::string(pdoMapping));
        Add("");
    }

private:
    std::vector<std::string>& FLines;
    std::set<int> FObjects;
};

std::string Sub_Name(int index, int sub) {
    // EDS section names give the sub-index in hexadecimal.
    return Hex(index, 4) + "sub" + Hex(sub, 1);
}

struct TFixedEntry {
    std::string_view Name, ParameterName, DataType, AccessType, DefaultValue;
};

void Write_Fixed_Objects(TEdsLines& out) {
    const auto entry = [&](const TFixedEntry& e) {
        out.Entry(std::string(e.Name), std::string(e.ParameterName), "0x07", e.DataType,
                  e.AccessType, std::string(e.DefaultValue));
    };
    for (int index :
         {0x1000, 0x1001, 0x1005, 0x1006, 0x1008, 0x1014, 0x1016, 0x1017, 0x1018, 0x1029, 0x1280})
        out.Claim(index);
    entry({"1000", "Device Type", "0x0007", "const", "0x000101A4"});
    entry({"1001", "Error Register", "0x0005", "ro", "0x00"});
    entry({"1005", "COB-ID SYNC", "0x0007", "rw", "0x80000080"});
    entry({"1006", "Communication Cycle Period", "0x0007", "rw", "0x00000000"});
    entry({"1008", "Manufacturer Device Name", "0x0009", "const", "s1"});
    entry({"1014", "COB-ID EMCY", "0x0007", "ro", "$NODEID+0x80"});
    out.Header("1016", "3", "Heartbeat Consumer Entries", "0x08");
    entry({"1016sub0", "Number of Entries", "0x0005", "ro", "0x02"});
    entry({"1016sub1", "Consumer Heartbeat Time 1", "0x0007", "rw", "0x00000000"});
    entry({"1016sub2", "Consumer Heartbeat Time 2", "0x0007", "rw", "0x00000000"});
    entry({"1017", "Producer Heartbeat Time", "0x0006", "rw", "0x000003E8"});
    out.Header("1018", "5", "Identity Object", "0x09");
    entry({"1018sub0", "number of entries", "0x0005", "ro", "0x4"});
    entry({"1018sub1", "Vendor Id", "0x0007", "ro", ""});
    entry({"1018sub2", "Product Code", "0x0007", "ro", ""});
    entry({"1018sub3", "Revision number", "0x0007", "ro", ""});
    entry({"1018sub4", "Serial number", "0x0007", "ro", ""});
    out.Header("1029", "2", "Error Behaviour", "0x08");
    entry({"1029sub0", "Number of Entries", "0x0005", "ro", "1"});
    entry({"1029sub1", "Communication Error", "0x0005", "rw", "0x0"});
    out.Header("1280", "4", "Client SDO Parameter 1", "0x09");
    entry({"1280sub0", "Number of Entries", "0x0005", "ro", "0x03"});
    entry({"1280sub1", "COB-ID Client -> Server", "0x0007", "rw", ""});
    entry({"1280sub2", "COB-ID Server -> Client", "0x0007", "rw", ""});
    entry({"1280sub3", "Node ID of the SDO Server", "0x0005", "rw", ""});
}

void Write_Communication(TEdsLines& out, const std::vector<TEdsPdo>& pdos, int base,
                         std::string_view direction) {
    for (size_t i = 0; i < pdos.size(); ++i) {
        const int index = base + static_cast<int>(i);
        if (!out.Claim(index))
            continue;
        out.Header(Hex(index, 4), "4",
                   std::string(direction) + " PDO Communication Parameter " + IntToStr(i + 1),
                   "0x09");
        out.Entry(Sub_Name(index, 0), "Number of Entries", "0x07", "0x0005", "ro", "0x03");
        out.Entry(Sub_Name(index, 1), "COB-ID", "0x07", "0x0007", "rw",
                  "0x" + Hex(static_cast<uint32_t>(pdos[i].COB_ID), 8));
        out.Entry(Sub_Name(index, 2), "Transmission Type", "0x07", "0x0005", "rw", "0xFE");
        out.Entry(Sub_Name(index, 3), "Inhibit Time", "0x07", "0x0006", "rw", "0x0");
    }
}

void Write_Mapping(TEdsLines& out, const std::vector<TEdsPdo>& pdos, int base, int dataBase,
                   bool numbered, std::string_view direction) {
    for (size_t i = 0; i < pdos.size(); ++i) {
        const int index = base + static_cast<int>(i);
        if (!out.Claim(index))
            continue;
        const int bytes = Mapped_Bytes(pdos[i]);
        std::string title = std::string(direction) + " PDO Mapping Parameter";
        if (numbered)
            title += " " + IntToStr(i + 1);
        out.Header(Hex(index, 4), IntToStr(bytes + 1), title, "0x09");
        out.Entry(Sub_Name(index, 0), "Number of Entries", "0x07", "0x0005", "ro",
                  "0x" + Hex(bytes, 2));
        for (int k = 1; k <= bytes; ++k)
            out.Entry(Sub_Name(index, k), "Mapping Entry " + IntToStr(k), "0x07", "0x0007", "ro",
                      "0x" + Hex(dataBase + static_cast<int>(i), 4) + Hex(k, 2) + "08");
    }
}

void Write_Data(TEdsLines& out, const std::vector<TEdsPdo>& pdos, int base, std::string_view title,
                std::string_view countAccess, std::string_view entryAccess,
                const std::array<std::string_view, 30>& stems, std::string_view moreStems) {
    for (size_t i = 0; i < pdos.size(); ++i) {
        const int index = base + static_cast<int>(i);
        if (!out.Claim(index))
            continue;
        const int bytes = Mapped_Bytes(pdos[i]);
        out.Header(Hex(index, 4), IntToStr(bytes + 1), std::string(title) + IntToStr(i + 1),
                   "0x08");
        out.Entry(Sub_Name(index, 0), "Number of Entries", "0x07", "0x0005", countAccess,
                  "0x" + Hex(bytes, 2));
        const std::string stem = Entry_Stem(stems, moreStems, i);
        for (int k = 1; k <= bytes; ++k)
            out.Entry(Sub_Name(index, k), stem + IntToStr(k), "0x07", "0x0005", entryAccess, "0x00",
                      "1");
    }
}

void Write_Manufacturer_Object(TEdsLines& out, const SDO_Index& object) {
    const std::string name = Hex(object.Index, 4);
    const auto& subs = object.Sub_Indexs;
    const bool hasSub0 = subs.front().Sub == 0;
    const size_t count = subs.size();
    out.Header(name, IntToStr(hasSub0 ? count : count + 1), "App Vars", "0x9");
    if (!hasSub0) {
        out.Add({"[" + name + "sub0]", "ParameterName=Largest Sub-Index supported",
                 "ObjectType=0x7", "DataType=0x0005", "AccessType=ro",
                 "DefaultValue=0x" + Hex(subs.back().Sub, 2), "PDOMapping=0", ""});
    }
    for (const SDO_Sub_Type& sub : subs) {
        out.Add("[" + Sub_Name(object.Index, sub.Sub) + "]");
        out.Add("ParameterName=Application Variable");
        out.Add("ObjectType=0x7");
        const int digits = sub.Quantity == 1 ? 2 : sub.Quantity == 2 ? 4 : 8;
        const char* dataType = sub.Quantity == 1   ? "0x0005"
                               : sub.Quantity == 2 ? "0x0006"
                                                   : "0x0007";
        out.Add(std::string("DataType=") + dataType);
        out.Add("LowLimit=0x" + std::string(digits, '0'));
        out.Add("HighLimit=0x" + std::string(digits, 'F'));
        out.Add("DefaultValue=0x" + std::string(digits, '0'));
        out.Add(sub.Readonly ? "AccessType=ro" : "AccessType=rw");
        out.Add("PDOMapping=0");
        out.Add("");
    }
}

std::vector<TEdsPdo> Read_Pdo_Section(const TXMLDocument& xml, std::string_view section) {
    std::vector<TEdsPdo> pdos;
    for (const TTableFileRow& row : Read_Table_File_Rows(xml, section, {"COB-ID", "Dimension"},
                                                         std::numeric_limits<size_t>::max()))
        pdos.push_back({StrToIntDef(row[0].value_or(""), 0), StrToIntDef(row[1].value_or(""), 8)});
    return pdos;
}

void Add_Sdo_Object(TEdsTables& tables, int index, const SDO_Sub_Type& entry) {
    const int at = EDS_Find_Index(tables, index & 0xFFFF);
    if (at < 0) {
        tables.SDO_Index_List.push_back({static_cast<uint16_t>(index), {entry}});
        return;
    }
    auto& subs = tables.SDO_Index_List[static_cast<size_t>(at)].Sub_Indexs;
    const auto same = std::find_if(subs.begin(), subs.end(),
                                   [&](const SDO_Sub_Type& s) { return s.Sub == entry.Sub; });
    if (same == subs.end())
        subs.push_back(entry);
    else if (same->Readonly != entry.Readonly)
        same->Readonly = false;
}

} // namespace

std::string EDS_Date_Text(const TFileStamp& stamp) {
    return Two_Digits(stamp.Month) + "-" + Two_Digits(stamp.Day) + "-" + IntToStr(stamp.Year);
}

std::string EDS_Time_Text(const TFileStamp& stamp) {
    const int hour12 = stamp.Hour % 12 == 0 ? 12 : stamp.Hour % 12;
    return Two_Digits(hour12) + ":" + Two_Digits(stamp.Minute) + (stamp.Hour < 12 ? "AM" : "PM");
}

void EDS_Read_PDO(const std::string& pdoFile, TEdsTables& tables) {
    tables.Receive_PDOs.clear();
    tables.Transmit_PDOs.clear();
    TXMLDocument xml;
    if (!Load_Table_File(pdoFile, xml))
        return;
    tables.Receive_PDOs = Read_Pdo_Section(xml, "Receive_PDO");
    tables.Transmit_PDOs = Read_Pdo_Section(xml, "Transmit_PDO");
}

void EDS_Read_SDO_Server(const std::string& sdoServerFile, TEdsTables& tables) {
    TXMLDocument xml;
    if (!Load_Table_File(sdoServerFile, xml))
        return;
    for (const auto& [section, readonly] :
         {std::pair<std::string_view, bool>{"SDO_Read", true}, {"SDO_Write", false}}) {
        for (const TTableFileRow& row :
             Read_Table_File_Rows(xml, section, {"Index", "SubIndex", "NByte"},
                                  std::numeric_limits<size_t>::max())) {
            const int index = StrToIntDef(row[0].value_or(""), 0);
            SDO_Sub_Type entry;
            entry.Sub = static_cast<uint8_t>(StrToIntDef(row[1].value_or(""), 0));
            entry.Quantity = static_cast<uint8_t>(StrToIntDef(row[2].value_or(""), 0));
            entry.Readonly = readonly;
            Add_Sdo_Object(tables, index, entry);
        }
    }
}

int EDS_Find_Index(const TEdsTables& tables, int index) {
    for (size_t i = 0; i < tables.SDO_Index_List.size(); ++i)
        if (tables.SDO_Index_List[i].Index == index)
            return static_cast<int>(i);
    return -1;
}

void EDS_Sort_SubIndexes(TEdsTables& tables) {
    for (SDO_Index& object : tables.SDO_Index_List)
        std::stable_sort(
            object.Sub_Indexs.begin(), object.Sub_Indexs.end(),
            [](const SDO_Sub_Type& a, const SDO_Sub_Type& b) { return a.Sub < b.Sub; });
}

std::vector<std::string> EDS_Lines(const TEdsTables& tables, const TFileStamp& stamp) {
    std::vector<std::string> lines;
    TEdsLines out(lines);
    const std::string date = EDS_Date_Text(stamp);
    const std::string time = EDS_Time_Text(stamp);
    const auto& rx = tables.Receive_PDOs;
    const auto& tx = tables.Transmit_PDOs;

    out.Add({"[FileInfo]", "FileName=" + std::string(EDS_File_Name), "FileVersion=1",
             "FileRevision=0", "EDSVersion=4.0", "Description=" + std::string(EDS_Product_Text),
             "CreationTime=" + time, "CreationDate=" + date, "CreatedBy=QuorvelCo",
             "ModificationTime=" + time, "ModificationDate=" + date, "ModifiedBy=QuorvelCo", ""});
    out.Add({"[DeviceInfo]",
             "VendorName=QuorvelCo",
             "VendorNumber=0x00",
             "ProductName=" + std::string(EDS_Product_Text),
             "ProductNumber=" + std::string(EDS_Product_Number),
             "RevisionNumber=0x0",
             "OrderCode=" + std::string(EDS_Order_Code),
             "BaudRate_10=1",
             "BaudRate_20=1",
             "BaudRate_50=1",
             "BaudRate_125=1",
             "BaudRate_250=1",
             "BaudRate_500=1",
             "BaudRate_800=0",
             "BaudRate_1000=1",
             "DynamicChannelsSupported=0",
             "GroupMessaging=0",
             "LSS_Supported=0",
             "Granularity=0",
             "SimpleBootUpSlave=1",
             "SimpleBootUpMaster=0",
             "NrOfRXPDO=" + IntToStr(rx.size()),
             "NrOfTXPDO=" + IntToStr(tx.size()),
             ""});
    out.Add({"[Comments]", "Lines=0", "", "[DummyUsage]", "Dummy0001=0", "Dummy0002=0",
             "Dummy0003=0", "Dummy0004=0", "Dummy0005=0", "Dummy0006=0", "Dummy0007=0", "",
             "[MandatoryObjects]", "SupportedObjects=3", "1=0x1000", "2=0x1001", "3=0x1018", ""});

    // Optional objects: the fixed ones, then the objects of every PDO, each listed once.
    std::vector<int> optional = {0x1005, 0x1006, 0x1008, 0x1014, 0x1016, 0x1017, 0x1029, 0x1280};
    std::set<int> listed(optional.begin(), optional.end());
    listed.insert({0x1000, 0x1001, 0x1018});
    const auto list = [&](int base, size_t count) {
        for (size_t i = 0; i < count; ++i)
            if (listed.insert(base + static_cast<int>(i)).second)
                optional.push_back(base + static_cast<int>(i));
    };
    list(0x1400, rx.size());
    list(0x1600, rx.size());
    list(0x1800, tx.size());
    list(0x1A00, tx.size());
    list(0x7000, rx.size());
    list(0x7050, tx.size());
    out.Add("[OptionalObjects]");
    out.Add("SupportedObjects=" + IntToStr(optional.size()));
    for (size_t n = 0; n < optional.size(); ++n)
        out.Add(IntToStr(n + 1) + "=0x" + Hex(optional[n], 4));
    out.Add("");

    // A manufacturer object whose index is already a communication or PDO object is left out.
    std::vector<const SDO_Index*> manufacturer;
    for (const SDO_Index& object : tables.SDO_Index_List)
        if (!listed.count(object.Index))
            manufacturer.push_back(&object);
    out.Add("[ManufacturerObjects]");
    out.Add("SupportedObjects=" + IntToStr(manufacturer.size()));
    for (size_t k = 0; k < manufacturer.size(); ++k)
        out.Add(IntToStr(k + 1) + "=0x" + Hex(manufacturer[k]->Index, 4));
    out.Add("");

    Write_Fixed_Objects(out);
    Write_Communication(out, rx, 0x1400, "Receive");
    Write_Mapping(out, rx, 0x1600, 0x7000, false, "Receive");
    Write_Communication(out, tx, 0x1800, "Transmit");
    Write_Mapping(out, tx, 0x1A00, 0x7050, true, "Transmit");
    Write_Data(out, rx, 0x7000, "RPDO", "ro", "rww", RPDO_Entry_Names, "rpdo");
    Write_Data(out, tx, 0x7050, "TPDO", "rw", "rwr", TPDO_Entry_Names, "tpdo");
    for (const SDO_Index* object : manufacturer)
        if (out.Claim(object->Index))
            Write_Manufacturer_Object(out, *object);
    out.Add("");
    return lines;
}

void EDS_Write(const std::string& fileName, const std::string& pdoFile,
               const std::string& sdoServerFile, const TFileStamp& stamp) {
    TEdsTables tables;
    EDS_Read_PDO(pdoFile, tables);
    EDS_Read_SDO_Server(sdoServerFile, tables);
    EDS_Sort_SubIndexes(tables);
    Write_Ansi_Lines(fileName, EDS_Lines(tables, stamp));
}
