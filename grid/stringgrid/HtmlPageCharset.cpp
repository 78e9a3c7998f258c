#include "grid/stringgrid/HtmlPageCharset.h"

#include "platform/core/Text.h"

namespace {

bool IsHtmlBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

// The charset value inside one META tag, the tag's bytes given in lower case.
std::optional<THtmlPageCharset> CharsetInTag(std::string_view tag, std::string_view original,
                                             size_t tagOffset) {
    for (size_t at = tag.find("charset"); at != std::string_view::npos;
         at = tag.find("charset", at + 1)) {
        size_t value = at + 7;
        while (value < tag.size() && IsHtmlBlank(tag[value]))
            ++value;
        if (value >= tag.size() || tag[value] != '=')
            continue;
        ++value;
        while (value < tag.size() && IsHtmlBlank(tag[value]))
            ++value;
        if (value < tag.size() && (tag[value] == '"' || tag[value] == '\''))
            ++value;
        size_t end = value;
        while (end < tag.size() && !IsHtmlBlank(tag[end]) && tag[end] != '"' && tag[end] != '\'' &&
               tag[end] != ';' && tag[end] != '>' && tag[end] != '/')
            ++end;
        if (end == value)
            continue;
        return THtmlPageCharset{tagOffset + value, end - value,
                                std::string(original.substr(tagOffset + value, end - value))};
    }
    return std::nullopt;
}

} // namespace

std::optional<THtmlPageCharset> FindHtmlPageCharset(std::string_view page) {
    const std::string lower = LowerCase(page);
    for (size_t at = lower.find("<meta"); at != std::string::npos;
         at = lower.find("<meta", at + 1)) {
        const size_t end = lower.find('>', at);
        const size_t length = end == std::string::npos ? lower.size() - at : end - at;
        if (auto charset = CharsetInTag(std::string_view(lower).substr(at, length), page, at))
            return charset;
    }
    return std::nullopt;
}

std::string RedeclareHtmlPageCharset(std::string_view page, std::string_view name) {
    const auto charset = FindHtmlPageCharset(page);
    if (!charset)
        return std::string(page);
    std::string result(page);
    result.replace(charset->Offset, charset->Length, name);
    return result;
}
