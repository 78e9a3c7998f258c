#include "grid/stringgrid/TextGridLines.h"

#include <algorithm>

namespace {

constexpr std::string_view Mark = "\x08\x01";
constexpr char LineEscape = '\x01';

// The older form: only texts with a CR were encoded, and NUL, CR and LF had no escape.
std::string DecodeOlderForm(std::string_view Text) {
    std::string out(Text);
    for (char& c : out)
        c = c == '\x09' ? '\r' : c == '\x08' ? '\n' : c == '\x01' ? '\0' : c;
    return out;
}

} // namespace

std::string EncodeCellLine(std::string_view Text) {
    if (Text.find_first_of(std::string_view("\r\n\x08\0", 4)) == std::string_view::npos)
        return std::string(Text);
    std::string out(Mark);
    out.reserve(Text.size() + 8);
    for (char c : Text) {
        switch (c) {
        case '\r':
            out += '\x09';
            break;
        case '\n':
            out += '\x08';
            break;
        case '\0':
            out += "\x01"
                   "0";
            break;
        case '\x09':
            out += "\x01t";
            break;
        case '\x08':
            out += "\x01"
                   "b";
            break;
        case LineEscape:
            out += "\x01\x01";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string DecodeCellLine(std::string_view Text) {
    if (!Text.starts_with(Mark))
        return Text.find('\x08') == std::string_view::npos ? std::string(Text)
                                                           : DecodeOlderForm(Text);
    Text.remove_prefix(Mark.size());
    std::string out;
    out.reserve(Text.size());
    for (size_t i = 0; i < Text.size(); ++i) {
        const char c = Text[i];
        if (c == '\x09') {
            out += '\r';
        } else if (c == '\x08') {
            out += '\n';
        } else if (c == LineEscape && i + 1 < Text.size()) {
            const char next = Text[++i];
            out += next == '0' ? '\0' : next == 't' ? '\x09' : next == 'b' ? '\x08' : next;
        } else {
            out += c;
        }
    }
    return out;
}

int64_t LeadingInteger(std::string_view Text) {
    size_t i = 0;
    while (i < Text.size() && Text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < Text.size() && (Text[i] == '-' || Text[i] == '+'))
        negative = Text[i++] == '-';
    int64_t value = 0;
    for (; i < Text.size() && Text[i] >= '0' && Text[i] <= '9'; ++i)
        value = std::min<int64_t>(value * 10 + (Text[i] - '0'), int64_t{1} << 40);
    return negative ? -value : value;
}
