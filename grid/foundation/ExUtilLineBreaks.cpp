#include "grid/foundation/ExUtil.h"

#include "platform/core/Text.h"

#include <initializer_list>
#include <utility>

namespace {
using TCharMapping = std::pair<char, std::string_view>;

// Every character listed is replaced by its text; the others are kept.
std::string MapChars(std::string_view text, std::initializer_list<TCharMapping> mappings) {
    std::string result;
    result.reserve(text.size());
    for (char ch : text) {
        const TCharMapping* mapping = nullptr;
        for (const TCharMapping& candidate : mappings)
            if (candidate.first == ch)
                mapping = &candidate;
        if (mapping != nullptr)
            result += mapping->second;
        else
            result += ch;
    }
    return result;
}

constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr char VT = '\x0B';
} // namespace

std::string EscapeNewLines(std::string_view Text) {
    return MapChars(Text, {{CR, "\\n"}, {LF, ""}});
}
std::string UnescapeNewLines(std::string_view Text) {
    return ReplaceAll(Text, "\\n", "\r");
}
std::string CRToBreakTags(std::string_view Text) {
    return MapChars(Text, {{CR, "<br>"}});
}

std::string QuoteMultiLineField(std::string_view Text) {
    return '"' + ReplaceAll(Text, "\r\n", std::string(1, VT)) + '"';
}

std::string VTToCRLF(std::string_view Text) {
    return MapChars(Text, {{VT, "\r\n"}});
}
std::string LineBreaksToTilde(std::string_view Text) {
    return MapChars(Text, {{CR, "~"}, {LF, ""}});
}

std::string TildeToLineBreaks(std::string_view Text) {
    std::string result = MapChars(Text, {{'~', "\r\n"}});
    return result == "^" ? std::string() : result;
}

std::string EncodeLineBreaks(std::string_view Text) {
    if (Text.find(CR) == std::string_view::npos)
        return std::string(Text);
    return MapChars(Text, {{CR, "\x09"}, {LF, "\x08"}, {'\0', "\x01"}});
}

std::string DecodeLineBreaks(std::string_view Text, bool MultiLine) {
    std::string result(Text);
    if (Text.find('\x08') != std::string_view::npos)
        result =
            MapChars(Text, {{'\x09', "\r"}, {'\x08', "\n"}, {'\x01', std::string_view("\0", 1)}});
    if (!MultiLine) {
        std::string line;
        ExtractFirstLine(result, false, line);
        return line;
    }
    return result;
}

std::string CRLFToLF(std::string_view Text) {
    return ReplaceAll(Text, "\r\n", "\n");
}
std::string RemoveCR(std::string_view Text) {
    return MapChars(Text, {{CR, ""}});
}
std::string CRToLF(std::string_view Text) {
    return MapChars(Text, {{CR, "\n"}});
}

std::string DoubleQuotes(std::string_view Text) {
    return MapChars(Text, {{'"', "\"\""}});
}

std::string UndoubleChar(char Ch, std::string_view Text) {
    const char pair[] = {Ch, Ch};
    return ReplaceAll(Text, std::string_view(pair, 2), std::string_view(&Ch, 1));
}

int FindClosingQuote(char Quote, std::string_view Text, int& Pos) {
    Pos = 0;
    int run = 0;
    for (size_t i = 0; i < Text.size(); ++i) {
        int position = static_cast<int>(i) + 1;
        if (Text[i] == Quote) {
            if (i + 1 == Text.size()) {
                Pos = position;
                break;
            }
            ++run;
            continue;
        }
        if (run % 2 == 1) {
            Pos = position - 1;
            break;
        }
        run = 0;
    }
    return Pos;
}

int CountClosingQuotes(char Quote, std::string_view Text) {
    int count = 0;
    int pos = 0;
    while (FindClosingQuote(Quote, Text, pos) > 0) {
        ++count;
        Text.remove_prefix(static_cast<size_t>(pos));
    }
    return count;
}
