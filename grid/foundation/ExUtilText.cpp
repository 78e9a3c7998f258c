#include "grid/foundation/ExUtil.h"

#include "platform/core/IntegerConversion.h"
#include "platform/core/StringList.h"
#include "platform/core/Text.h"
#include "platform/ui/Colors.h"

#include <cstdio>

namespace {
int Position(size_t index) {
    return index == std::string_view::npos ? 0 : static_cast<int>(index) + 1;
}
} // namespace

int IntMax(int a, int b) {
    return a > b ? a : b;
}
int IntMin(int a, int b) {
    return a < b ? a : b;
}

int ClampToLimits(int Value, int Min, int Max) {
    if (Min == Max)
        return Value;
    int result = Value;
    if (Min > 0 && Value < Min)
        result = Min;
    if (Max > 0 && Value > Max)
        result = Max;
    return result;
}

bool InGridRect(const TRect& GridRect, int ACol, int ARow) {
    return GridRect.Left <= ACol && ACol <= GridRect.Right && GridRect.Top <= ARow &&
           ARow <= GridRect.Bottom;
}

int CharPos(char Ch, std::string_view Text) {
    return Position(Text.find(Ch));
}

int FindCharPos(char Ch, std::string_view Text, int& Pos) {
    int found = CharPos(Ch, Text);
    if (found > 0)
        Pos = found;
    return found;
}

int FindPos(std::string_view Pattern, std::string_view Text, int& Pos) {
    Pos = Pattern.empty() ? 0 : Position(Text.find(Pattern));
    return Pos;
}

int UpperPos(std::string_view Pattern, std::string_view Text) {
    if (Pattern.empty())
        return 0;
    return Position(UpperCase(Text).find(Pattern));
}

int WideTextPos(std::u16string_view Pattern, std::u16string_view Text) {
    if (Pattern.empty())
        return 0;
    size_t found = Text.find(Pattern);
    return found == std::u16string_view::npos ? 0 : static_cast<int>(found) + 1;
}

void CutToken(std::string& Source, std::string_view Delimiter, std::string& Token) {
    size_t found = Delimiter.empty() ? std::string::npos : Source.find(Delimiter);
    if (found == std::string::npos) {
        Token.clear();
        return;
    }
    Token = Source.substr(0, found);
    // Only the delimiter's first character goes with the token.
    Source.erase(0, found + 1);
}

std::string ConcatLines(const TStringList& Lines) {
    std::string result;
    for (const std::string& line : Lines)
        result += line;
    return result;
}

void FillText(std::string& Text, char Ch) {
    Text.assign(Utf8ToCodePoints(Text).size(), Ch);
}

int CountChar(char Ch, std::string_view Text) {
    int count = 0;
    for (char c : Text)
        count += c == Ch ? 1 : 0;
    return count;
}

int CountLines(std::string_view Text, bool MultiLine) {
    return MultiLine ? 1 + CountChar('\r', Text) : 1;
}

void ExtractFirstLine(std::string& Source, bool KeepRest, std::string& Line) {
    size_t cr = Source.find('\r');
    if (cr == std::string::npos) {
        Line = Source;
        Source.clear();
        return;
    }
    Line = Source.substr(0, cr);
    size_t restStart = cr + 1;
    if (restStart < Source.size() && Source[restStart] == '\n')
        ++restStart;
    if (KeepRest)
        Source.erase(0, restStart);
    else
        Source.clear();
}

std::string ColorToHex(TColor Color) {
    // A system colour is an index into the palette, not an RGB value.
    Color = ColorToRGB(Color);
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02X%02X%02X", static_cast<unsigned>(GetRValue(Color)),
                  static_cast<unsigned>(GetGValue(Color)), static_cast<unsigned>(GetBValue(Color)));
    return buffer;
}

bool IsURL(std::string_view Text) {
    return Text.find("://") != std::string_view::npos ||
           Text.find("mailto:") != std::string_view::npos;
}

void StripURLScheme(std::string& Text) {
    size_t found = Text.find("://");
    if (found != std::string::npos) {
        Text.erase(0, found + 3);
        return;
    }
    found = Text.find("mailto:");
    if (found != std::string::npos)
        Text.erase(0, found + 7);
}

namespace {
bool IsURLChar(char ch) {
    auto c = static_cast<unsigned char>(ch);
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           std::string_view("%()-./:@\\_{}").find(ch) != std::string_view::npos;
}
} // namespace

bool LinkifyURL(std::string_view Text, std::string_view Scheme, std::string& Result) {
    if (Scheme.empty() || UpperCase(Text).find(Scheme) == std::string::npos)
        return false;
    std::string escaped = ReplaceAll(ReplaceAll(Text, "<", "&lt;"), ">", "&gt;");
    size_t start = UpperCase(escaped).find(Scheme);
    size_t end = start;
    while (end < escaped.size() && IsURLChar(escaped[end]))
        ++end;
    std::string url = escaped.substr(start, end - start);
    Result =
        escaped.substr(0, start) + "<a href=\"" + url + "\">" + url + "</a>" + escaped.substr(end);
    return true;
}

bool ParseRCRef(std::string_view Text, TPoint& Cell) {
    std::string upper = UpperCase(Text);
    if (upper.size() < 4 || upper[0] != 'R')
        return false;
    size_t c = upper.find('C', 1);
    if (c == std::string::npos)
        return false;
    int32_t row = 0;
    int32_t col = 0;
    if (!TryStrToInt(std::string_view(upper).substr(1, c - 1), row) ||
        !TryStrToInt(std::string_view(upper).substr(c + 1), col))
        return false;
    Cell = Point(col, row);
    return true;
}

std::string NameCase(std::string_view Text) {
    std::u32string chars = Utf8ToCodePoints(Text);
    bool capital = true;
    for (char32_t& ch : chars) {
        if (ch == U' ' || ch == U',' || ch == U'.' || ch == U'-' || ch == U'\'') {
            capital = true;
            continue;
        }
        ch = capital ? UpperChar(ch) : LowerChar(ch);
        capital = false;
    }
    if (chars.size() > 2 && chars[0] == U'M' && chars[1] == U'c') {
        chars[2] = UpperChar(chars[2]);
    }
    size_t mc = chars.find(U" Mc");
    if (mc != std::u32string::npos && mc + 3 < chars.size())
        chars[mc + 3] = UpperChar(chars[mc + 3]);
    // Roman generation suffixes: "Henry Iii" becomes "Henry III".
    size_t n = chars.size();
    for (size_t i = n >= 3 ? n - 3 : 0; i < n; ++i) {
        bool afterI = i >= 2 && chars[i - 2] == U' ' && chars[i - 1] == U'I';
        bool afterII =
            i >= 3 && chars[i - 3] == U' ' && chars[i - 2] == U'I' && chars[i - 1] == U'I';
        if (afterI || afterII)
            chars[i] = UpperChar(chars[i]);
    }
    return CodePointsToUtf8(chars);
}
