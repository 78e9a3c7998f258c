// Reads any bytes as the RTF of a rich-text cell: the escaped form must be 7-bit, must leave
// ASCII input as it is, and must read without failing; the cell reader shows what the escaped
// form reads as. The lines the cell shows hold its text and formats, cut at paragraph ends; wrapped
// to a width, each line gives its text back less the blanks at the breaks, and no line is wider
// than the width unless it holds a single character or only the blanks that open a paragraph.
#include "grid/stringgrid/RtfCellText.h"
#include "platform/core/RtfText.h"
#include "platform/core/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view cell(reinterpret_cast<const char*>(data), size);
    const std::string ascii = RtfCellToAscii(cell);
    bool sevenBitInput = true;
    for (unsigned char c : cell)
        sevenBitInput = sevenBitInput && c < 0x80;
    for (unsigned char c : ascii)
        if (c >= 0x80)
            std::abort();
    if (sevenBitInput && ascii != cell)
        std::abort();
    const TRtfRuns runs = RtfCellRuns(cell);
    if (runs != ReadRtf(ascii))
        std::abort();
    // Joined again, the lines give the text back, tabs as four blanks.
    std::string shown;
    for (const TRtfRun& run : runs)
        for (const char c : run.Text)
            shown += c == '\t' ? std::string("    ") : std::string(1, c);
    std::string joined;
    const std::vector<TRtfRuns> lines = RtfCellLines(runs);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            joined += '\n';
        for (size_t r = 0; r < lines[i].size(); ++r) {
            const TRtfRun& run = lines[i][r];
            if (run.Text.empty() || run.Text.find_first_of("\n\t") != std::string::npos ||
                (r > 0 && lines[i][r - 1].Format == run.Format) ||
                run.Format.SizeHalfPoints > RtfMaxSizeHalfPoints ||
                std::abs(run.Format.OffsetHalfPoints) > RtfMaxOffsetHalfPoints)
                std::abort();
            joined += run.Text;
        }
    }
    if (lines.empty() || joined != shown)
        std::abort();

    // Widths by byte, bold bytes wider, so breaks fall inside words and between formats.
    const auto byteWidths = [](const TRtfCharFormat& format, std::string_view text) {
        return static_cast<int>(text.size()) * (format.Bold ? 9 : 6);
    };
    const int width = size > 0 ? data[0] % 64 : 0;
    for (const TRtfRuns& line : lines) {
        std::string whole;
        for (const TRtfRun& run : line)
            whole += run.Text;
        std::string wrappedText;
        const std::vector<TRtfRuns> wrapped = WrapRtfCellLine(line, width, byteWidths);
        if (wrapped.empty())
            std::abort();
        for (const TRtfRuns& part : wrapped) {
            int partWidth = 0;
            size_t characters = 0;
            bool onlyBlanks = true;
            for (const TRtfRun& run : part) {
                partWidth += byteWidths(run.Format, run.Text);
                char32_t character = 0;
                for (std::string_view rest = run.Text; !rest.empty(); ++characters)
                    rest.remove_prefix(DecodeUtf8Character(rest, character));
                onlyBlanks = onlyBlanks && run.Text.find_first_not_of(' ') == std::string::npos;
                wrappedText += run.Text;
            }
            if (width > 0 && partWidth > width && characters > 1 && !onlyBlanks)
                std::abort();
        }
        std::string wholeWithoutBlanks, wrappedWithoutBlanks;
        for (const char c : whole)
            if (c != ' ')
                wholeWithoutBlanks += c;
        for (const char c : wrappedText)
            if (c != ' ')
                wrappedWithoutBlanks += c;
        if (wholeWithoutBlanks != wrappedWithoutBlanks)
            std::abort();
    }
    return 0;
}
