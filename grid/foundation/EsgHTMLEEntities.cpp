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
    // Each entity is decoded while it still occurs in its own case, so what decoding forms
    // is decoded in turn ("&amp;amp;" gives "&").
    for (const auto& [entity, character] : basic)
        HTMLTags::ReplaceNoCaseRescanning(result, entity, character, true);
    // Named entities differ from each other by case alone ("&Eacute;", "&eacute;"), so they
    // match exactly: case-blind, a capital would turn small whenever its small twin followed.
    if (Named)
        for (const NamedEntity& row : HTMLEntityTable)
            result = ReplaceAll(result, row.Name, row.Character);
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
            HTMLTags::ReplaceNoCaseRescanning(result, entity, sign, false);
    }
    // "<#word>" shows "#word": each "<#" loses its '<' and takes the first '>' still behind it.
    std::string shown;
    shown.reserve(result.size());
    size_t anglesToDrop = 0;
    for (size_t i = 0; i < result.size(); ++i) {
        char ch = result[i];
        if (ch == '<' && i + 1 < result.size() && result[i + 1] == '#') {
            ++anglesToDrop;
        } else if (ch == '>' && anglesToDrop > 0) {
            --anglesToDrop;
            // A '<' and a '#' brought together by the dropped '>' make one more escape.
            if (i + 1 < result.size() && result[i + 1] == '#' && !shown.empty() &&
                shown.back() == '<') {
                shown.pop_back();
                ++anglesToDrop;
            }
        } else {
            shown += ch;
        }
    }
    std::string lines;
    lines.reserve(shown.size());
    for (char ch : shown) {
        if (ch == '\n')
            continue;
        if (ch == '\r')
            lines += "<BR>";
        else
            lines += ch;
    }
    return lines;
}
