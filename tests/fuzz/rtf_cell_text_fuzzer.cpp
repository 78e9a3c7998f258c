// Reads any bytes as the RTF of a rich-text cell: the escaped form must be 7-bit, must leave
// ASCII input as it is, and must read without failing; the cell reader shows what the escaped
// form reads as.
#include "grid/stringgrid/RtfCellText.h"
#include "platform/core/RtfText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

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
    if (RtfCellRuns(cell) != ReadRtf(ascii))
        std::abort();
    return 0;
}
