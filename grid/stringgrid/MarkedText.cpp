#include "grid/stringgrid/MarkedText.h"

#include "grid/foundation/ExUtil.h"

#include <array>

namespace {

struct TTagName {
    std::u32string_view Open;
    std::u32string_view Close;
    TMarkedText::TMark Mark;
};
// The error mark wraps the highlight, so that nested runs close in order.
constexpr std::array<TTagName, 2> Tags{
    {{U"<e>", U"</e>", TMarkedText::mkError}, {U"<hi>", U"</hi>", TMarkedText::mkHighlight}}};

bool TagAtNoCase(std::u32string_view Text, size_t At, std::u32string_view Tag) {
    if (Text.size() - At < Tag.size())
        return false;
    for (size_t i = 0; i < Tag.size(); ++i)
        if (LowerChar(Text[At + i]) != Tag[i])
            return false;
    return true;
}

// Only the four entities the encoding writes are read back, in one pass, so that "&amp;lt;"
// gives "&lt;" and not "<".
constexpr std::array<std::pair<std::u32string_view, char32_t>, 4> Entities{
    {{U"&amp;", U'&'}, {U"&lt;", U'<'}, {U"&gt;", U'>'}, {U"&quot;", U'"'}}};

void AppendEncoded(std::u32string& Out, char32_t Ch) {
    for (const auto& [entity, ch] : Entities)
        if (ch == Ch) {
            Out += entity;
            return;
        }
    Out += Ch;
}

bool HoldsTag(std::u32string_view Text) {
    for (size_t i = 0; i < Text.size(); ++i)
        if (Text[i] == U'<')
            for (const TTagName& tag : Tags)
                if (TagAtNoCase(Text, i, tag.Open) || TagAtNoCase(Text, i, tag.Close))
                    return true;
    return false;
}

} // namespace

TMarkedText::TMarkedText(std::string_view Text) {
    const std::u32string chars = Utf8ToCodePoints(Text);
    FWasMarked = HoldsTag(chars);
    if (!FWasMarked) {
        FChars = chars;
        FMarks.assign(FChars.size(), 0);
        return;
    }
    std::array<int, 2> depth{0, 0};
    uint8_t marks = 0;
    for (size_t i = 0; i < chars.size();) {
        bool tagRead = false;
        for (size_t t = 0; t < Tags.size() && !tagRead; ++t) {
            if (TagAtNoCase(chars, i, Tags[t].Open)) {
                ++depth[t];
                i += Tags[t].Open.size();
                tagRead = true;
            } else if (TagAtNoCase(chars, i, Tags[t].Close)) {
                depth[t] = depth[t] > 0 ? depth[t] - 1 : 0;
                i += Tags[t].Close.size();
                tagRead = true;
            }
            marks = (depth[0] > 0 ? Tags[0].Mark : 0) | (depth[1] > 0 ? Tags[1].Mark : 0);
        }
        if (tagRead)
            continue;
        char32_t ch = chars[i];
        size_t length = 1;
        if (ch == U'&')
            for (const auto& [entity, decoded] : Entities)
                if (chars.compare(i, entity.size(), entity) == 0) {
                    ch = decoded;
                    length = entity.size();
                    break;
                }
        FChars += ch;
        FMarks.push_back(marks);
        i += length;
    }
}

bool TMarkedText::Mark(std::string_view Pattern, bool DoCase, TMark Mark) {
    std::u32string pattern = Utf8ToCodePoints(Pattern);
    if (pattern.empty() || pattern.size() > FChars.size())
        return false;
    std::u32string text = FChars;
    if (!DoCase) {
        for (char32_t& ch : pattern)
            ch = UpperChar(ch);
        for (char32_t& ch : text)
            ch = UpperChar(ch);
    }
    bool found = false;
    for (size_t at = text.find(pattern); at != std::u32string::npos;
         at = text.find(pattern, at + pattern.size())) {
        for (size_t i = at; i < at + pattern.size(); ++i)
            FMarks[i] |= Mark;
        found = true;
    }
    return found;
}

bool TMarkedText::Unmark(TMark Mark) {
    bool changed = false;
    for (uint8_t& marks : FMarks) {
        changed = changed || (marks & Mark) != 0;
        marks &= static_cast<uint8_t>(~Mark);
    }
    return changed;
}

std::string TMarkedText::Shown() const {
    return CodePointsToUtf8(FChars);
}

std::string TMarkedText::Text() const {
    bool anyMark = false;
    for (uint8_t marks : FMarks)
        anyMark = anyMark || marks != 0;
    if (!anyMark)
        return Shown();
    std::u32string out;
    uint8_t open = 0;
    auto closeAll = [&] {
        for (auto tag = Tags.rbegin(); tag != Tags.rend(); ++tag)
            if (open & tag->Mark)
                out += tag->Close;
        open = 0;
    };
    for (size_t i = 0; i < FChars.size(); ++i) {
        if (FMarks[i] != open) {
            closeAll();
            for (const TTagName& tag : Tags)
                if (FMarks[i] & tag.Mark)
                    out += tag.Open;
            open = FMarks[i];
        }
        AppendEncoded(out, FChars[i]);
    }
    closeAll();
    return CodePointsToUtf8(out);
}

std::string AddTextMark(std::string_view Text, std::string_view Pattern, bool DoCase,
                        TMarkedText::TMark Mark) {
    TMarkedText marked(Text);
    return marked.Mark(Pattern, DoCase, Mark) ? marked.Text() : std::string(Text);
}

std::string RemoveTextMark(std::string_view Text, TMarkedText::TMark Mark) {
    TMarkedText marked(Text);
    return marked.WasMarked() && marked.Unmark(Mark) ? marked.Text() : std::string(Text);
}
