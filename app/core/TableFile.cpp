#include "app/core/TableFile.h"

#include "platform/core/Text.h"

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

std::string Table_File_Text(std::string_view text, bool keepLineBreaks) {
    std::string clean;
    clean.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        // U+0080..U+009F are the two bytes C2 80..C2 9F in UTF-8.
        const bool c1 = byte == 0xC2 && i + 1 < text.size() &&
                        static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(text[i + 1]) <= 0x9F;
        const bool lineBreak = byte == '\r' || byte == '\n';
        if ((byte < 0x20 && !(keepLineBreaks && lineBreak)) || byte == 0x7F || c1) {
            clean += ' ';
            if (c1)
                ++i;
        } else {
            clean += text[i];
        }
    }
    return clean;
}

std::vector<TTableFileRow> Read_Table_File_Rows(const TXMLDocument& xml, std::string_view section,
                                                const std::vector<std::string>& attributes,
                                                size_t maxRows,
                                                const std::vector<bool>& multiLine) {
    std::vector<TTableFileRow> rows;
    for (const TXmlNode& element : Table_File_Rows(xml, section).ChildElements()) {
        if (rows.size() >= maxRows)
            break;
        TTableFileRow& row = rows.emplace_back();
        for (size_t k = 0; k < attributes.size(); ++k) {
            const std::string& attribute = attributes[k];
            if (element.HasAttribute(attribute))
                row.emplace_back(Table_File_Text(element.Attribute(attribute),
                                                 k < multiLine.size() && multiLine[k]));
            else
                row.emplace_back();
        }
    }
    return rows;
}

bool Is_Ticked_Text(std::string_view text) {
    return UpperCase(Trim(text)) == "Y";
}
