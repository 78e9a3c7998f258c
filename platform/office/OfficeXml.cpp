#include "platform/office/OfficeXml.h"

#include "platform/office/OfficeError.h"

#include <sstream>
#include <vector>

std::string_view LocalName(const pugi::xml_node& node) {
    const std::string_view name = node.name();
    const size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node LocalChild(const pugi::xml_node& node, std::string_view name) {
    for (pugi::xml_node child : node.children())
        if (child.type() == pugi::node_element && LocalName(child) == name)
            return child;
    return {};
}

pugi::xml_attribute LocalAttribute(const pugi::xml_node& node, std::string_view name) {
    for (pugi::xml_attribute attribute : node.attributes()) {
        std::string_view full = attribute.name();
        const size_t colon = full.find(':');
        if ((colon == std::string_view::npos ? full : full.substr(colon + 1)) == name)
            return attribute;
    }
    return {};
}

void ParseOfficeXml(pugi::xml_document& document, std::string_view text, std::string_view part) {
    // A text of blanks alone is content in cells, not layout.
    const pugi::xml_parse_result result = document.load_buffer(
        text.data(), text.size(), pugi::parse_default | pugi::parse_ws_pcdata_single,
        pugi::encoding_utf8);
    if (!result)
        throw EOfficeError("Damaged part " + std::string(part) + ": " + result.description());
}

std::string XmlText(const pugi::xml_document& document) {
    std::ostringstream out;
    document.save(out, "", pugi::format_raw, pugi::encoding_utf8);
    return out.str();
}

std::string ResolvePartName(std::string_view sourceFolder, std::string_view target) {
    std::string joined = !target.empty() && target.front() == '/'
                             ? std::string(target.substr(1))
                             : std::string(sourceFolder) + std::string(target);
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(joined);
    while (std::getline(in, part, '/')) {
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
    }
    std::string name;
    for (const std::string& p : parts)
        name += (name.empty() ? "" : "/") + p;
    return name;
}

std::string PartFolder(std::string_view part) {
    const size_t slash = part.rfind('/');
    return slash == std::string_view::npos ? "" : std::string(part.substr(0, slash + 1));
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}
