#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/EsgHTMLETags.h"
#include "grid/foundation/ExUtil.h"

#include <vector>

namespace {

TColor highlightBack = clHighlight;
TColor highlightText = clHighlightText;

void ReplaceAllNoCase(std::string& Text, std::string_view Pattern, std::string_view Replacement) {
    HTMLTags::ReplaceNoCaseRescanning(Text, Pattern, Replacement, false);
}

// The characters outside complete tags, each with its index in the mark-up. Removal stops at a
// '<' without a '>' behind it, or at a '>' that comes before the next '<'.
struct VisibleText {
    std::u32string Chars;
    std::vector<size_t> Origin;
};

VisibleText VisiblePart(const std::u32string& Markup) {
    VisibleText visible;
    size_t i = 0;
    auto keep = [&](size_t from, size_t to) {
        for (size_t k = from; k < to; ++k) {
            visible.Chars += Markup[k];
            visible.Origin.push_back(k);
        }
    };
    while (true) {
        size_t open = Markup.find(U'<', i);
        size_t close = Markup.find(U'>', i);
        if (open == std::u32string::npos || close == std::u32string::npos || close < open) {
            keep(i, Markup.size());
            return visible;
        }
        close = Markup.find(U'>', open);
        keep(i, open);
        i = close + 1;
    }
}

std::u32string UpperAll(std::u32string Text) {
    for (char32_t& c : Text)
        c = UpperChar(c);
    return Text;
}

std::u32string EscapeAngles(const std::u32string& Text) {
    std::u32string result;
    for (char32_t c : Text) {
        if (c == U'<')
            result += U"&lt;";
        else if (c == U'>')
            result += U"&gt;";
        else
            result += c;
    }
    return result;
}

} // namespace

std::string StripHTML(std::string_view Text) {
    std::string rest(Text);
    ReplaceAllNoCase(rest, "<BR>", "\r\n");
    ReplaceAllNoCase(rest, "<HR>", "\r\n");
    std::string result;
    size_t pos = 0;
    while (true) {
        size_t open = rest.find('<', pos);
        if (open == std::string::npos)
            break;
        result.append(rest, pos, open - pos);
        size_t close = rest.find('>', open);
        if (close == std::string::npos) {
            pos = open;
            break;
        }
        pos = close + 1;
    }
    result.append(rest, pos, std::string::npos);
    return result;
}

std::string HighlightText(std::string_view Text, std::string_view Pattern, std::string_view Tag,
                          bool MatchCase) {
    std::u32string markup = Utf8ToCodePoints(Text);
    std::u32string pattern = Utf8ToCodePoints(Pattern);
    if (pattern.empty())
        return std::string(Text);
    VisibleText visible = VisiblePart(markup);
    bool hasAngles = visible.Chars.find_first_of(U"<>") != std::u32string::npos;
    if (hasAngles && Text.find(Pattern) != std::string_view::npos) {
        // Angles in the visible text would read as tags once tags are inserted around them.
        markup = EscapeAngles(visible.Chars);
        pattern = EscapeAngles(pattern);
        visible = VisiblePart(markup);
    }
    std::u32string haystack = MatchCase ? visible.Chars : UpperAll(visible.Chars);
    std::u32string needle = MatchCase ? pattern : UpperAll(pattern);
    // Insertion point of visible character n (0-based): right behind visible character n - 1.
    auto insertionPoint = [&](size_t n) -> size_t {
        if (n == 0)
            return 0;
        if (n >= visible.Origin.size())
            return markup.size();
        return visible.Origin[n - 1] + 1;
    };
    std::u32string open = U"<" + Utf8ToCodePoints(Tag) + U">";
    std::u32string close = U"</" + Utf8ToCodePoints(Tag) + U">";
    std::vector<std::pair<size_t, const std::u32string*>> inserts;
    for (size_t at = haystack.find(needle); at != std::u32string::npos;
         at = haystack.find(needle, at + needle.size())) {
        inserts.emplace_back(insertionPoint(at), &open);
        inserts.emplace_back(insertionPoint(at + needle.size()), &close);
    }
    std::u32string result;
    size_t copied = 0;
    for (const auto& [point, tag] : inserts) {
        result.append(markup, copied, point - copied);
        result += *tag;
        copied = point;
    }
    result.append(markup, copied, std::u32string::npos);
    return CodePointsToUtf8(result);
}

std::string UnhighlightText(std::string_view Text, std::string_view Tag) {
    std::string result(Text);
    ReplaceAllNoCase(result, "<" + std::string(Tag) + ">", "");
    ReplaceAllNoCase(result, "</" + std::string(Tag) + ">", "");
    result = HTMLTags::ReplaceAll(result, "&lt;", "<");
    return HTMLTags::ReplaceAll(result, "&gt;", ">");
}

void SetHighlightColors(TColor BackColor, TColor TextColor) {
    highlightBack = BackColor;
    highlightText = TextColor;
}

TColor HighlightBackColor() {
    return highlightBack;
}

TColor HighlightTextColor() {
    return highlightText;
}
