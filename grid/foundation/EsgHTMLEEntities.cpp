#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/EsgHTMLETags.h"

#include <array>
#include <utility>

using HTMLTags::FindNoCase;
using HTMLTags::ReplaceAll;

namespace {

struct NamedEntity {
    std::string_view Character; // UTF-8
    std::string_view Name;
};

// The Windows-1252 letters and signs that the named table covers, in the order they are
// replaced.
constexpr std::array<NamedEntity, 55> HTMLEntityTable{{
    {"é", "&eacute;"}, {"è", "&egrave;"}, {"ë", "&euml;"},   {"ê", "&ecirc;"},  {"ó", "&oacute;"},
    {"ò", "&ograve;"}, {"ö", "&ouml;"},   {"ô", "&ocirc;"},  {"í", "&iacute;"}, {"ì", "&igrave;"},
    {"ï", "&iuml;"},   {"î", "&icirc;"},  {"ú", "&uacute;"}, {"ù", "&ugrave;"}, {"ü", "&uuml;"},
    {"û", "&ucirc;"},  {"á", "&aacute;"}, {"à", "&agrave;"}, {"ä", "&auml;"},   {"â", "&acirc;"},
    {"É", "&Eacute;"}, {"È", "&Egrave;"}, {"Ë", "&Euml;"},   {"Ê", "&Ecirc;"},  {"Ó", "&Oacute;"},
    {"Ò", "&Ograve;"}, {"Ö", "&Ouml;"},   {"Ô", "&Ocirc;"},  {"Í", "&Iacute;"}, {"Ì", "&Igrave;"},
    {"Ï", "&Iuml;"},   {"Î", "&Icirc;"},  {"Ú", "&Uacute;"}, {"Ù", "&Ugrave;"}, {"Ü", "&Uuml;"},
    {"Û", "&Ucirc;"},  {"Á", "&Aacute;"}, {"À", "&Agrave;"}, {"Ä", "&Auml;"},   {"Â", "&Acirc;"},
    {"ç", "&ccedil;"}, {"Ç", "&Ccedil;"}, {"ø", "&oslash;"}, {"Ø", "&Oslash;"}, {"å", "&aring;"},
    {"Å", "&Aring;"},  {"©", "&copy;"},   {"®", "&reg;"},    {"€", "&euro;"},   {"«", "&laquo;"},
    {"»", "&raquo;"},  {"ã", "&atilde;"}, {"Ã", "&Atilde;"}, {"õ", "&otilde;"}, {"Õ", "&Otilde;"},
}};

// While Entity occurs as written, its first occurrence in any case is replaced; so an entity
// that decoding produces is decoded in turn ("&amp;lt;" gives '<').
void DecodeRepeatedly(std::string& Text, std::string_view Entity, std::string_view Replacement) {
    while (Text.find(Entity) != std::string::npos)
        ReplaceFirstNoCase(Entity, Replacement, Text);
}

// Replaces every occurrence in any case, again and again until none is left.
void ReplaceNoCaseUntilGone(std::string& Text, std::string_view Entity,
                            std::string_view Replacement) {
    size_t from = 0;
    while (true) {
        size_t at = FindNoCase(Text, Entity, from);
        if (at == std::string::npos)
            return;
        Text.replace(at, Entity.size(), Replacement);
        // What the replacement formed with the text before it may be an entity again.
        from = at >= Entity.size() ? at - Entity.size() : 0;
    }
}

} // namespace

bool ReplaceFirstNoCase(std::string_view Pattern, std::string_view Replacement, std::string& Text) {
    size_t at = FindNoCase(Text, Pattern);
    if (Pattern.empty() || at == std::string::npos)
        return false;
    Text.replace(at, Pattern.size(), Replacement);
    return true;
}

std::string DecodeEntities(std::string_view Text, bool Named) {
    std::string result(Text);
    if (result.find('&') == std::string::npos)
        return result;
    static constexpr std::pair<std::string_view, std::string_view> basic[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}, {"&quot;", "\""}};
    for (const auto& [entity, character] : basic)
        DecodeRepeatedly(result, entity, character);
    if (Named)
        for (const NamedEntity& row : HTMLEntityTable)
            DecodeRepeatedly(result, row.Name, row.Character);
    return result;
}

std::string EncodeEntities(std::string_view Text, bool Named) {
    std::string result = ReplaceAll(ReplaceAll(Text, "&", "*amp;"), "*amp;", "&amp;");
    result = ReplaceAll(result, "\"", "&quot;");
    result = ReplaceAll(result, "<", "&lt;");
    result = ReplaceAll(result, ">", "&gt;");
    if (Named)
        for (const NamedEntity& row : HTMLEntityTable)
            result = ReplaceAll(result, row.Character, row.Name);
    return result;
}

std::string SpacesToNbsp(std::string_view Text) {
    return ReplaceAll(Text, " ", "&nbsp;");
}

std::string PrepareHTMLForRendering(std::string_view Text) {
    std::string result(Text);
    if (result.find('&') != std::string::npos) {
        static constexpr std::pair<std::string_view, std::string_view> signs[] = {
            {"&amp;", "&&"}, {"&quot;", "\""}, {"&sect;", "§"},  {"&permil;", "‰"}, {"&reg;", "®"},
            {"&copy;", "©"}, {"&para;", "¶"},  {"&trade;", "™"}, {"&euro;", "€"}};
        for (const auto& [entity, sign] : signs)
            ReplaceNoCaseUntilGone(result, entity, sign);
    }
    // "<#word>" shows "#word".
    for (size_t at = result.find("<#"); at != std::string::npos; at = result.find("<#", at)) {
        result.erase(at, 1);
        size_t close = result.find('>', at);
        if (close != std::string::npos)
            result.erase(close, 1);
    }
    std::string lines;
    lines.reserve(result.size());
    for (char c : result) {
        if (c == '\n')
            continue;
        if (c == '\r')
            lines += "<BR>";
        else
            lines += c;
    }
    return lines;
}
