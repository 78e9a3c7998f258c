#include "grid/foundation/EsgHTMLETags.h"

#include <algorithm>
#include <climits>

namespace HTMLTags {

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

std::string UpperAscii(std::string_view Text) {
    std::string result(Text);
    for (char& c : result)
        c = UpperAscii(c);
    return result;
}

size_t FindNoCase(std::string_view Text, std::string_view Pattern, size_t From) {
    if (Pattern.empty())
        return From <= Text.size() ? From : std::string_view::npos;
    if (Text.size() < Pattern.size())
        return std::string_view::npos;
    for (size_t i = From; i + Pattern.size() <= Text.size(); ++i) {
        size_t k = 0;
        while (k < Pattern.size() && UpperAscii(Text[i + k]) == UpperAscii(Pattern[k]))
            ++k;
        if (k == Pattern.size())
            return i;
    }
    return std::string_view::npos;
}

bool StartsWithNoCase(std::string_view Text, std::string_view Prefix) {
    return Text.size() >= Prefix.size() && FindNoCase(Text.substr(0, Prefix.size()), Prefix) == 0;
}

std::string ReplaceAll(std::string_view Text, std::string_view From, std::string_view To) {
    std::string result;
    size_t pos = 0;
    while (true) {
        size_t hit = Text.find(From, pos);
        if (hit == std::string_view::npos || From.empty())
            break;
        result.append(Text.substr(pos, hit - pos));
        result.append(To);
        pos = hit + From.size();
    }
    result.append(Text.substr(pos));
    return result;
}

void ReplaceNoCaseRescanning(std::string& Text, std::string_view Pattern,
                             std::string_view Replacement, bool WhileExactCaseAhead) {
    const size_t length = Pattern.size();
    if (length == 0 || Replacement.size() >= length)
        return;
    auto matchesNoCase = [&](size_t at) {
        if (at + length > Text.size())
            return false;
        for (size_t k = 0; k < length; ++k)
            if (UpperAscii(Text[at + k]) != UpperAscii(Pattern[k]))
                return false;
        return true;
    };
    auto matchesExact = [&](size_t at) { return Text.compare(at, length, Pattern) == 0; };
    // The text is rewritten in place: [0, write) is done, [read, size) is still to be read.
    size_t exactAhead = WhileExactCaseAhead ? Text.find(Pattern) : 0;
    size_t write = 0, read = 0;
    while (read < Text.size() && exactAhead != std::string::npos) {
        if (!matchesNoCase(read)) {
            Text[write++] = Text[read++];
            continue;
        }
        bool consumedExact = read == exactAhead;
        read += length - Replacement.size();
        std::copy(Replacement.begin(), Replacement.end(), Text.begin() + static_cast<long>(read));
        if (!WhileExactCaseAhead)
            continue;
        if (consumedExact)
            exactAhead = Text.find(Pattern, read);
        for (size_t k = read; k < read + Replacement.size() && k < exactAhead; ++k)
            if (matchesExact(k))
                exactAhead = k;
    }
    Text.erase(write, read - write);
}

int ClampExtent(int Value) {
    return Value < -MaxMarkupExtent ? -MaxMarkupExtent
                                    : (Value > MaxMarkupExtent ? MaxMarkupExtent : Value);
}

namespace {
// Where the value of Name starts (behind its '='), or npos.
size_t ValueStart(std::string_view Tag, std::string_view Name) {
    std::string key(Name);
    key += '=';
    size_t at = FindNoCase(Tag, key);
    return at == std::string_view::npos ? at : at + key.size();
}
} // namespace

std::string AttributeValue(std::string_view Tag, std::string_view Name) {
    size_t start = ValueStart(Tag, Name);
    if (start == std::string_view::npos || start >= Tag.size() || Tag[start] != '"')
        return {};
    size_t close = Tag.find('"', start + 1);
    if (close == std::string_view::npos)
        return {};
    return std::string(Tag.substr(start + 1, close - start - 1));
}

bool HasAttribute(std::string_view Tag, std::string_view Name) {
    return ValueStart(Tag, Name) != std::string_view::npos;
}

int LeadingInteger(std::string_view Text, int Fallback) {
    size_t i = 0;
    bool negative = false;
    if (i < Text.size() && (Text[i] == '-' || Text[i] == '+'))
        negative = Text[i++] == '-';
    if (i >= Text.size() || Text[i] < '0' || Text[i] > '9')
        return Fallback;
    long long value = 0;
    for (; i < Text.size() && Text[i] >= '0' && Text[i] <= '9'; ++i)
        if (value < INT_MAX)
            value = value * 10 + (Text[i] - '0');
    if (value > INT_MAX)
        value = INT_MAX;
    return static_cast<int>(negative ? -value : value);
}

int WholeNumber(std::string_view Text, int Fallback) {
    size_t i = (!Text.empty() && (Text[0] == '-' || Text[0] == '+')) ? 1 : 0;
    if (i >= Text.size() || Text.size() - i > 9)
        return Fallback;
    for (size_t k = i; k < Text.size(); ++k)
        if (Text[k] < '0' || Text[k] > '9')
            return Fallback;
    return LeadingInteger(Text, Fallback);
}

bool ControlTagWalker::Next(ControlTag& Found) {
    static constexpr std::string_view opener = "<CONTROL ";
    size_t at = FindNoCase(FText, opener, FPos);
    if (at == std::string_view::npos)
        return false;
    size_t body = at + opener.size();
    size_t close = FText.find('>', body);
    size_t end = close == std::string_view::npos ? FText.size() : close + 1;
    Found.Start = at;
    Found.Tag = FText.substr(body, end - body);
    // A tag's text is all its own: the walk goes on behind its '>', so that many openers
    // before one '>' are not each read to that '>' (and the renderer reads them as one tag too).
    FPos = end;
    return true;
}

} // namespace HTMLTags
