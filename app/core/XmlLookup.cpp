#include "app/core/XmlLookup.h"

bool Read_Element_Text(const TXmlNode& parent, std::string_view name, std::string& text) {
    const TXmlNode element = parent.ChildNode(name);
    if (element.IsNull() || !element.ChildElements().empty())
        return false;
    text = element.Text();
    return true;
}
