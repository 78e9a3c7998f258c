// Clipboard and dropped text split into lines and fields: every field written back reads back
// as the same field, and the reader never leaves the text.
#include "FuzzSupport.h"

#include "grid/stringgrid/ClipboardText.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const bool excel = data[0] & 1;
    const TClipboardBlock block = ParseClipboardText(FuzzText(data + 1, size - 1), excel);
    for (const auto& line : block.Lines) {
        if (line.size() == 1 && line[0].empty())
            continue; // an empty line is written as no text at all
        std::string text;
        for (size_t k = 0; k < line.size(); ++k)
            text += (k ? "\t" : "") + ClipboardField(line[k], excel);
        const TClipboardBlock again = ParseClipboardText(text, excel);
        // Excel's character 11 stands for CR LF, so a field holding it reads back changed.
        bool hasVerticalTab = false;
        for (const std::string& field : line)
            hasVerticalTab = hasVerticalTab || field.find('\x0B') != std::string::npos;
        if (again.Lines.size() != 1 || (!hasVerticalTab && again.Lines[0] != line))
            std::abort();
    }
    return 0;
}
