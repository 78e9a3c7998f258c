#include "platform/xml/XmlText.h"

#include "platform/core/CodePage.h"
#include "platform/core/Exception.h"
#include "platform/core/Text.h"
#include "platform/core/Utf8.h"

namespace {

bool XmlCarries(char32_t c) {
    if (c < 0x20)
        return c == '\t' || c == '\n' || c == '\r';
    return c != 0xFFFE && c != 0xFFFF;
}

} // namespace

std::string ValidXmlCharacters(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        char32_t c = 0;
        const size_t taken = DecodeUtf8Character(utf8, c);
        if (XmlCarries(c) && c != ReplacementCharacter)
            out.append(utf8.substr(0, taken));
        else
            AppendUtf8(out, ReplacementCharacter);
        utf8.remove_prefix(taken);
    }
    return out;
}

namespace {

bool IsXmlBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// UTF-16 and UTF-32 documents start with a mark or with '<' in two or four bytes; the parser
// tells those apart itself. So does it for a UTF-8 mark.
bool StartsAsWideOrMarked(std::string_view document) {
    if (document.size() < 2)
        return false;
    const auto b0 = static_cast<unsigned char>(document[0]);
    const auto b1 = static_cast<unsigned char>(document[1]);
    return b0 == 0 || b1 == 0 || (b0 == 0xFE && b1 == 0xFF) || (b0 == 0xFF && b1 == 0xFE) ||
           StartsWith(document, "\xEF\xBB\xBF");
}

// Names whose bytes are not those of ASCII for '<', '?' and the declaration.
bool IsWideEncodingName(const std::string& encoding) {
    const std::string lower = LowerCase(encoding);
    for (const char* wide :
         {"utf-16", "utf16", "utf-32", "utf32", "ucs-2", "ucs2", "ucs-4", "ucs4"})
        if (StartsWith(lower, wide))
            return true;
    return false;
}

} // namespace

std::string DeclaredXmlEncoding(std::string_view document) {
    if (!StartsWith(document, "<?xml") || document.size() < 6 || !IsXmlBlank(document[5]))
        return {};
    const std::string_view declaration = document.substr(0, document.find("?>"));
    size_t at = declaration.find("encoding");
    if (at == std::string_view::npos)
        return {};
    at += 8;
    while (at < declaration.size() && IsXmlBlank(declaration[at]))
        ++at;
    if (at >= declaration.size() || declaration[at] != '=')
        return {};
    ++at;
    while (at < declaration.size() && IsXmlBlank(declaration[at]))
        ++at;
    if (at >= declaration.size() || (declaration[at] != '"' && declaration[at] != '\''))
        return {};
    const size_t end = declaration.find(declaration[at], at + 1);
    if (end == std::string_view::npos)
        return {};
    return std::string(declaration.substr(at + 1, end - at - 1));
}

std::string XmlDocumentInEncoding(std::string_view utf8Document, const std::string& encoding) {
    if (IsUtf8EncodingName(encoding))
        return std::string(utf8Document);
    if (!IsKnownEncoding(encoding))
        throw Exception("The XML encoding \"" + encoding + "\" cannot be written");
    return Utf8ToEncoding(utf8Document, encoding, [](char32_t c) {
        return "&#" + std::to_string(static_cast<uint32_t>(c)) + ";";
    });
}

std::optional<std::string> XmlDocumentAsUtf8(std::string_view document) {
    if (StartsAsWideOrMarked(document))
        return std::nullopt;
    const std::string encoding = DeclaredXmlEncoding(document);
    // A wide encoding declared in 8-bit bytes cannot be true; the bytes are read as UTF-8.
    if (encoding.empty() || IsUtf8EncodingName(encoding) || IsWideEncodingName(encoding))
        return std::nullopt;
    if (!IsKnownEncoding(encoding))
        throw Exception("The XML encoding \"" + encoding + "\" is not known");
    return EncodingToUtf8(document, encoding);
}
