// Reads any bytes as the RTF of a rich-text cell: the escaped form must be 7-bit, must leave
// ASCII input as it is, and must read without failing; the cell reader shows what the escaped
// form reads as. The lines the cell shows hold its text and formats, cut at paragraph ends.
#include "grid/stringgrid/RtfCellText.h"
#include "platform/core/RtfText.h"

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
    return 0;
}
