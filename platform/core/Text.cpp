#include "platform/core/Text.h"

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

char ToUpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

char ToLowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string TrimLeft(std::string_view text) {
    size_t first = 0;
    while (first < text.size() && IsBlank(text[first]))
        ++first;
    return std::string(text.substr(first));
}

std::string TrimRight(std::string_view text) {
    size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1]))
        --end;
    return std::string(text.substr(0, end));
}

std::string Trim(std::string_view text) {
    return TrimLeft(TrimRight(text));
}

std::string UpperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = ToUpperAscii(c);
    return result;
}

std::string LowerCase(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = ToLowerAscii(c);
    return result;
}

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (ToUpperAscii(a[i]) != ToUpperAscii(b[i]))
            return false;
    return true;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty())
        return std::string(text);
    std::string result;
    size_t start = 0;
    for (size_t found = text.find(from); found != std::string_view::npos;
         found = text.find(from, start)) {
        result.append(text.substr(start, found - start));
        result.append(to);
        start = found + from.size();
    }
    result.append(text.substr(start));
    return result;
}

std::string Join(const std::vector<std::string>& parts, std::string_view separator) {
    std::string result;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            result += separator;
        result += parts[i];
    }
    return result;
}
