#include "protocols/descriptionfiles/XmlLines.h"

#include "app/core/TableFile.h"
#include "platform/xml/XmlText.h"

std::string Xml_Escape(std::string_view text) {
    std::string escaped;
    for (char c : ValidXmlCharacters(Table_File_Text(text))) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&apos;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string TXmlLines::Start(std::string_view name, TAttributes attributes) {
    std::string text = "<" + std::string(name);
    for (const auto& [attribute, value] : attributes)
        text += " " + std::string(attribute) + "=\"" + Xml_Escape(value) + "\"";
    return text;
}

void TXmlLines::Line(std::string_view text) {
    FLines.push_back(std::string(FOpen.size(), '\t') + std::string(text));
}

void TXmlLines::Open(std::string_view name, TAttributes attributes) {
    Line(Start(name, attributes) + ">");
    FOpen.emplace_back(name);
}

void TXmlLines::Empty(std::string_view name, TAttributes attributes) {
    Line(Start(name, attributes) + "/>");
}

void TXmlLines::Wrapped(std::string_view name, std::string_view child,
                        TAttributes childAttributes) {
    Line("<" + std::string(name) + ">" + Start(child, childAttributes) + "/></" +
         std::string(name) + ">");
}

void TXmlLines::Text(std::string_view name, std::string_view text) {
    Line("<" + std::string(name) + ">" + Xml_Escape(text) + "</" + std::string(name) + ">");
}

void TXmlLines::Comment(std::string_view text) {
    Line("<!--" + std::string(text) + "-->");
}

void TXmlLines::Close() {
    const std::string name = FOpen.back();
    FOpen.pop_back();
    Line("</" + name + ">");
}
