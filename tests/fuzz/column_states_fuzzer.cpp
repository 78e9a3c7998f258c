// Arbitrary bytes as a column state string: the reader either refuses it or yields a state of
// Count columns that writes back to a string it reads again to the same state.
#include "FuzzSupport.h"

#include "grid/stringgrid/ColumnStates.h"

#include <algorithm>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    TColumnStates states;
    std::string why;
    if (!ParseColumnStates(FuzzText(Data, Size), states, why)) {
        FUZZ_CHECK(!why.empty());
        return 0;
    }
    const size_t count = static_cast<size_t>(states.Count);
    FUZZ_CHECK(states.Count >= 1);
    FUZZ_CHECK(states.Widths.size() == count && states.Visible.size() == count);
    FUZZ_CHECK(states.Order.empty() || states.Order.size() == count);
    FUZZ_CHECK(std::count(states.Visible.begin(), states.Visible.end(), true) > 0);
    std::vector<int> sorted = states.Order;
    std::sort(sorted.begin(), sorted.end());
    for (size_t i = 0; i < sorted.size(); ++i)
        FUZZ_CHECK(sorted[i] == static_cast<int>(i));

    const std::string text = FormatColumnStates(states);
    TColumnStates again;
    FUZZ_CHECK_MSG(ParseColumnStates(text, again, why), why);
    FUZZ_CHECK(FormatColumnStates(again) == text);
    return 0;
}
