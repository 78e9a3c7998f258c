#include "grid/stringgrid/RtfCellText.h"

#include "platform/core/Utf8.h"

#include <algorithm>
#include <cstdio>

namespace {

// A word, or the blanks between two words, in one or more formats.
struct TRtfWrapChunk {
    struct TPart {
        const TRtfCharFormat* Format;
        std::string_view Text;
    };
    std::vector<TPart> Parts;
    bool Blank = false;
    int Width = 0;
};

std::vector<TRtfWrapChunk> RtfWrapChunks(const TRtfRuns& Line, const TRtfTextWidth& TextWidth) {
    std::vector<TRtfWrapChunk> chunks;
    for (const TRtfRun& run : Line) {
        std::string_view rest = run.Text;
        while (!rest.empty()) {
            const bool blank = rest.front() == ' ';
            const size_t length =
                std::min(rest.size(), blank ? rest.find_first_not_of(' ') : rest.find(' '));
            if (chunks.empty() || chunks.back().Blank != blank)
                chunks.push_back({{}, blank, 0});
            const std::string_view text = rest.substr(0, length);
            chunks.back().Parts.push_back({&run.Format, text});
            chunks.back().Width += TextWidth(run.Format, text);
            rest.remove_prefix(length);
        }
    }
    return chunks;
}

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

std::vector<TRtfRuns> WrapRtfCellLine(const TRtfRuns& Line, int Width,
                                      const TRtfTextWidth& TextWidth) {
    if (Width < 1)
        return {Line};
    std::vector<TRtfRuns> lines(1);
    int x = 0;
    const auto put = [&](const TRtfWrapChunk& chunk) {
        for (const TRtfWrapChunk::TPart& part : chunk.Parts)
            AppendRtfRun(lines.back(), part.Text, *part.Format);
        x += chunk.Width;
    };
    const auto newLine = [&] {
        lines.emplace_back();
        x = 0;
    };
    const std::vector<TRtfWrapChunk> chunks = RtfWrapChunks(Line, TextWidth);
    const TRtfWrapChunk* blanks = nullptr; // the blanks before the next word, placed with it
    for (const TRtfWrapChunk& chunk : chunks) {
        if (chunk.Blank) {
            // Blanks that open the paragraph indent it; any other blanks may become a break.
            if (lines.size() == 1 && lines.back().empty())
                put(chunk);
            else
                blanks = &chunk;
            continue;
        }
        const int blanksWidth = blanks ? blanks->Width : 0;
        if (!lines.back().empty() && x + blanksWidth + chunk.Width > Width)
            newLine();
        else if (blanks)
            put(*blanks);
        blanks = nullptr;
        if (x + chunk.Width <= Width) {
            put(chunk);
            continue;
        }
        // Too wide for a line of its own: it breaks where the line is full.
        for (const TRtfWrapChunk::TPart& part : chunk.Parts) {
            std::string_view rest = part.Text;
            while (!rest.empty()) {
                char32_t character = 0;
                const std::string_view one = rest.substr(0, DecodeUtf8Character(rest, character));
                const int width = TextWidth(*part.Format, one);
                if (!lines.back().empty() && x + width > Width)
                    newLine();
                AppendRtfRun(lines.back(), one, *part.Format);
                x += width;
                rest.remove_prefix(one.size());
            }
        }
    }
    if (blanks && x + blanks->Width <= Width)
        put(*blanks);
    return lines;
}
