#pragma once

#include <pugixml.hpp>

#include <string>
#include <string_view>

// XML parts of office packages. Producers differ in namespace prefixes ("x:row", "row"), so
// elements are matched by their local name.
std::string_view LocalName(const pugi::xml_node& node);
pugi::xml_node LocalChild(const pugi::xml_node& node, std::string_view name);
// The attribute by local name ("r:id" matches "id" with any prefix).
pugi::xml_attribute LocalAttribute(const pugi::xml_node& node, std::string_view name);
// Parses a part; a damaged part throws EOfficeError naming it.
void ParseOfficeXml(pugi::xml_document& document, std::string_view text, std::string_view part);
std::string XmlText(const pugi::xml_document& document);
// The part a relationship's target names, from the folder of the part that holds the
// relationship ("xl/" + "worksheets/sheet1.xml"; an absolute target starts at the root).
std::string ResolvePartName(std::string_view sourceFolder, std::string_view target);
// The folder of a part with its trailing slash ("xl/" of "xl/workbook.xml"); empty at the root.
std::string PartFolder(std::string_view part);
bool EndsWith(std::string_view text, std::string_view end);
