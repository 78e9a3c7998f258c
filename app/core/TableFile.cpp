#include "app/core/TableFile.h"

TXmlNode Begin_Table_File(TXMLDocument& xml, std::string_view root, std::string_view section) {
    xml.Clear();
    TXmlNode rows = xml.CreateRoot(root);
    xml.AddComment(Table_File_Version_Comment);
    return section.empty() ? rows : rows.AddChild(section);
}

TXmlNode Table_File_Rows(const TXMLDocument& xml, std::string_view section) {
    const TXmlNode root = xml.DocumentElement();
    return section.empty() ? root : root.ChildNode(section);
}
