#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// An XML text built one element per line, indented by tabs, every attribute value and text
// escaped.
class TXmlLines {
public:
    using TAttributes = std::initializer_list<std::pair<std::string_view, std::string_view>>;

    void Line(std::string_view text);
    void Open(std::string_view name, TAttributes attributes = {});
    void Empty(std::string_view name, TAttributes attributes = {});
    // An element with its one child element, written on one line.
    void Wrapped(std::string_view name, std::string_view child, TAttributes childAttributes);
    void Text(std::string_view name, std::string_view text);
    void Comment(std::string_view text);
    void Close();

    const std::vector<std::string>& Lines() const { return FLines; }

private:
    static std::string Start(std::string_view name, TAttributes attributes);

    std::vector<std::string> FLines;
    std::vector<std::string> FOpen;
};

// The text with &, <, >, " and ' as entities, control characters as blanks and the other
// characters XML cannot carry replaced, fit for an attribute value or element text.
std::string Xml_Escape(std::string_view text);
