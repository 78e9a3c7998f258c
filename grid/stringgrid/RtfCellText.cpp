#include "grid/stringgrid/RtfCellText.h"

#include "platform/core/Utf8.h"

#include <cstdio>

namespace {

void AppendUnicodeEscape(std::string& out, char16_t unit) {
    // RTF writes a UTF-16 unit as a signed 16-bit number.
    out += "\\u" + std::to_string(static_cast<int16_t>(unit)) + "?";
}

} // namespace

std::string RtfCellToAscii(std::string_view CellText) {
    std::string out;
    out.reserve(CellText.size());
    size_t pos = 0;
    while (pos < CellText.size()) {
        const auto byte = static_cast<unsigned char>(CellText[pos]);
        if (byte < 0x80) {
            out += static_cast<char>(byte);
            ++pos;
            continue;
        }
        char32_t character = 0;
        const size_t length = DecodeUtf8Character(CellText.substr(pos), character);
        if (character == ReplacementCharacter && CellText.substr(pos, 3) != "\xEF\xBF\xBD") {
            // Bytes that are no UTF-8 keep their code-page meaning.
            for (size_t i = 0; i < length; ++i) {
                char escape[5];
                std::snprintf(escape, sizeof escape, "\\'%02x",
                              static_cast<unsigned char>(CellText[pos + i]));
                out += escape;
            }
            pos += length;
            continue;
        }
        if (character >= 0x10000) {
            const char32_t v = character - 0x10000;
            AppendUnicodeEscape(out, static_cast<char16_t>(0xD800 + (v >> 10)));
            AppendUnicodeEscape(out, static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
        } else {
            AppendUnicodeEscape(out, static_cast<char16_t>(character));
        }
        pos += length;
    }
    return out;
}

TRtfRuns RtfCellRuns(std::string_view CellText) {
    return ReadRtf(RtfCellToAscii(CellText));
}

std::vector<TRtfRuns> RtfCellLines(const TRtfRuns& Runs) {
    std::vector<TRtfRuns> lines(1);
    for (const TRtfRun& run : Runs) {
        std::string_view rest = run.Text;
        while (true) {
            const size_t end = rest.find('\n');
            std::string piece;
            for (const char ch : rest.substr(0, end))
                piece += ch == '\t' ? std::string_view("    ") : std::string_view(&ch, 1);
            AppendRtfRun(lines.back(), piece, run.Format);
            if (end == std::string_view::npos)
                break;
            lines.emplace_back();
            rest.remove_prefix(end + 1);
        }
    }
    return lines;
}
