// What the user types into a search and what cells hold when they are highlighted: the search
// condition check and the marked-text reader. Input: the search text, a line break, then the
// cell text.
#include "FuzzSupport.h"

#include "grid/foundation/FilterCondition.h"
#include "grid/stringgrid/FindExpression.h"
#include "grid/stringgrid/MarkedText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = FuzzText(data, size);
    const size_t split = std::min(text.find('\n'), text.size());
    const std::string_view search = text.substr(0, split);
    const std::string_view cell = text.substr(std::min(split + 1, text.size()));

    if (FindExpressionError(search).empty())
        (void)MatchFilterCondition(search, cell, false);

    for (const auto mark : {TMarkedText::mkHighlight, TMarkedText::mkError}) {
        const std::string marked = AddTextMark(cell, search, false, mark);
        const std::string unmarked = RemoveTextMark(marked, mark);
        (void)RemoveTextMark(cell, mark);
        if (!IsValidUtf8(cell) || !IsValidUtf8(search) || TMarkedText(cell).WasMarked())
            continue;
        // A plain cell comes back exactly, and marking twice changes nothing more.
        FUZZ_CHECK_MSG(unmarked == cell, marked);
        FUZZ_CHECK_MSG(AddTextMark(marked, search, false, mark) == marked, marked);
    }
    return 0;
}
