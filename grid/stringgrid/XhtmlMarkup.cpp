#include "grid/stringgrid/XhtmlMarkup.h"

#include "platform/core/Text.h"
#include "platform/xml/XmlText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

namespace {

constexpr std::string_view Prolog =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
    "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"\r\n"
    "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\r\n"
    "<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">\r\n";
constexpr std::string_view DocumentEnd = "</html>";

// HTML's elements that never have content.
constexpr std::array<std::string_view, 14> VoidElements{"area",  "base",   "br",    "col",  "embed",
                                                        "hr",    "img",    "input", "link", "meta",
                                                        "param", "source", "track", "wbr"};

// The Latin-1 entities, U+00A0 to U+00FF in order.
constexpr std::array<std::string_view, 96> Latin1Entities{
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",
    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn",
    "sup2",   "sup3",   "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",
    "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde",
    "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave",
    "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde",
    "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",
    "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",   "eth",
    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

struct OtherEntity {
    std::string_view Name;
    char32_t Code;
};
constexpr std::array<OtherEntity, 16> OtherEntities{{{"euro", 0x20AC},
                                                     {"trade", 0x2122},
                                                     {"permil", 0x2030},
                                                     {"hellip", 0x2026},
                                                     {"ndash", 0x2013},
                                                     {"mdash", 0x2014},
                                                     {"lsquo", 0x2018},
                                                     {"rsquo", 0x2019},
                                                     {"sbquo", 0x201A},
                                                     {"ldquo", 0x201C},
                                                     {"rdquo", 0x201D},
                                                     {"bdquo", 0x201E},
                                                     {"bull", 0x2022},
                                                     {"dagger", 0x2020},
                                                     {"Dagger", 0x2021},
                                                     {"OElig", 0x0152}}};

bool IsXmlCharacter(unsigned long code) {
    if (code < 0x20)
        return code == '\t' || code == '\n' || code == '\r';
    return (code <= 0xD7FF) || (code >= 0xE000 && code <= 0xFFFD) ||
           (code >= 0x10000 && code <= 0x10FFFF);
}

std::string Reference(unsigned long code) {
    return "&#" + std::to_string(IsXmlCharacter(code) ? code : 0xFFFD) + ";";
}

bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}
bool IsNameCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '_' || c == '.';
}
bool IsMarkupBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The XML form of the reference at the start of Text (which starts with '&'), and how much of
// Text it took; a '&' that starts no reference is escaped itself.
std::pair<std::string, size_t> XmlReference(std::string_view text) {
    const size_t end = text.find(';');
    const std::string_view escaped = "&amp;";
    if (end == std::string_view::npos || end < 2 || end > 32)
        return {std::string(escaped), 1};
    const std::string_view body = text.substr(1, end - 1);
    if (body[0] == '#') {
        const bool hex = body.size() > 1 && (body[1] == 'x' || body[1] == 'X');
        const std::string_view digits = body.substr(hex ? 2 : 1);
        if (digits.empty() || digits.size() > 8)
            return {std::string(escaped), 1};
        unsigned long code = 0;
        for (char c : digits) {
            const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                              : hex && std::isxdigit(static_cast<unsigned char>(c))
                                  ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                                  : -1;
            if (digit < 0)
                return {std::string(escaped), 1};
            code = code * (hex ? 16 : 10) + static_cast<unsigned long>(digit);
        }
        return {Reference(code), end + 1};
    }
    for (std::string_view own : {"amp", "lt", "gt", "quot", "apos"})
        if (body == own)
            return {std::string(text.substr(0, end + 1)), end + 1};
    for (size_t i = 0; i < Latin1Entities.size(); ++i)
        if (body == Latin1Entities[i])
            return {Reference(0xA0 + i), end + 1};
    for (const OtherEntity& entity : OtherEntities)
        if (body == entity.Name)
            return {Reference(entity.Code), end + 1};
    return {std::string(escaped), 1};
}

// Text or an attribute value: references made XML's, the characters that would end them escaped.
std::string XmlText(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '&') {
            const auto [reference, taken] = XmlReference(text.substr(i));
            out += reference;
            i += taken;
            continue;
        }
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '"')
            out += "&quot;";
        else
            out += c;
        ++i;
    }
    return out;
}

struct Tag {
    bool Closing = false;
    bool SelfClosed = false;
    std::string Name;
    std::vector<std::pair<std::string, std::string>> Attributes;
    size_t Length = 0; // up to and including '>'
};

// Reads the tag at the start of Text ('<' first); false when the '<' starts no tag.
bool ReadTag(std::string_view text, Tag& tag) {
    size_t i = 1;
    tag.Closing = i < text.size() && text[i] == '/';
    if (tag.Closing)
        ++i;
    if (i >= text.size() || !IsLetter(text[i]))
        return false;
    const size_t nameStart = i;
    while (i < text.size() && IsNameCharacter(text[i]))
        ++i;
    tag.Name = LowerCase(text.substr(nameStart, i - nameStart));
    if (i < text.size() && !IsMarkupBlank(text[i]) && text[i] != '/' && text[i] != '>')
        return false;
    while (i < text.size() && text[i] != '>') {
        const char c = text[i];
        if (IsMarkupBlank(c)) {
            ++i;
        } else if (c == '/') {
            tag.SelfClosed = true;
            ++i;
        } else if (IsLetter(c) || c == '_') {
            tag.SelfClosed = false;
            const size_t start = i;
            while (i < text.size() && IsNameCharacter(text[i]))
                ++i;
            std::string name = LowerCase(text.substr(start, i - start));
            size_t at = i;
            while (at < text.size() && IsMarkupBlank(text[at]))
                ++at;
            std::string value = name; // HTML's valueless attribute means its own name
            if (at < text.size() && text[at] == '=') {
                ++at;
                while (at < text.size() && IsMarkupBlank(text[at]))
                    ++at;
                if (at < text.size() && (text[at] == '"' || text[at] == '\'')) {
                    const size_t close = text.find(text[at], at + 1);
                    if (close == std::string_view::npos)
                        return false;
                    value = text.substr(at + 1, close - at - 1);
                    at = close + 1;
                } else {
                    const size_t start = at;
                    while (at < text.size() && !IsMarkupBlank(text[at]) && text[at] != '>')
                        ++at;
                    value = text.substr(start, at - start);
                }
                i = at;
            }
            // XML allows each attribute once; the first one counts, as in HTML.
            const bool seen =
                std::any_of(tag.Attributes.begin(), tag.Attributes.end(),
                            [&](const auto& attribute) { return attribute.first == name; });
            if (!seen && !tag.Closing && name != "xmlns")
                tag.Attributes.emplace_back(std::move(name), std::move(value));
        } else {
            tag.SelfClosed = false;
            ++i; // a stray character inside the tag is dropped
        }
    }
    if (i >= text.size())
        return false;
    tag.Length = i + 1;
    return true;
}

bool IsVoid(std::string_view name) {
    return std::find(VoidElements.begin(), VoidElements.end(), name) != VoidElements.end();
}

} // namespace

std::string WellFormedXhtml(std::string_view Markup) {
    std::string out;
    std::vector<std::string> open;
    for (size_t i = 0; i < Markup.size();) {
        Tag tag;
        if (Markup[i] != '<' || !ReadTag(Markup.substr(i), tag)) {
            const size_t next = Markup.find('<', i + 1);
            const size_t end = next == std::string_view::npos ? Markup.size() : next;
            out += XmlText(Markup.substr(i, end - i));
            i = end;
            continue;
        }
        i += tag.Length;
        if (tag.Closing) {
            const auto found = std::find(open.rbegin(), open.rend(), tag.Name);
            if (found == open.rend())
                continue; // an end tag without its start is dropped
            // Elements opened inside it and never closed end with it.
            for (size_t n = static_cast<size_t>(found - open.rbegin()) + 1; n > 0; --n) {
                out += "</" + open.back() + ">";
                open.pop_back();
            }
            continue;
        }
        out += "<" + tag.Name;
        for (const auto& [name, value] : tag.Attributes)
            out += " " + name + "=\"" + XmlText(value) + "\"";
        if (tag.SelfClosed || IsVoid(tag.Name)) {
            out += "/>";
        } else {
            out += ">";
            open.push_back(tag.Name);
        }
    }
    while (!open.empty()) {
        out += "</" + open.back() + ">";
        open.pop_back();
    }
    return ValidXmlCharacters(out);
}

std::string XhtmlDocument(std::string_view Part) {
    return std::string(Prolog) + std::string(Part) + std::string(DocumentEnd) + "\r\n";
}

std::string XhtmlDocumentPart(std::string_view Document) {
    if (Document.starts_with(Prolog))
        Document.remove_prefix(Prolog.size());
    const std::string end = std::string(DocumentEnd) + "\r\n";
    if (Document.ends_with(end))
        Document.remove_suffix(end.size());
    return std::string(Document);
}

std::string AddToXhtmlDocument(std::string_view Document, std::string_view Part) {
    const std::string lowered = LowerCase(Document);
    const size_t end = lowered.rfind(DocumentEnd);
    if (end == std::string::npos)
        return std::string(Document) + std::string(Part);
    return std::string(Document.substr(0, end)) + std::string(Part) +
           std::string(Document.substr(end));
}
