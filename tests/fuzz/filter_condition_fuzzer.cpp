// The grid's filter and find conditions as the user types them. Input: the condition, a line
// break, then the cell value.
#include "FuzzSupport.h"

#include "grid/foundation/FilterCondition.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = FuzzText(data, size);
    const size_t split = std::min(text.find('\n'), text.size());
    const std::string_view condition = text.substr(0, split);
    const std::string_view value = text.substr(std::min(split + 1, text.size()));

    const bool sensitive = MatchFilterCondition(condition, value, true);
    const bool insensitive = MatchFilterCondition(condition, value, false);
    (void)sensitive;
    (void)insensitive;
    (void)MatchCondition(condition, value);
    TDateTime date{};
    (void)ParseLocaleDateTime(value, date);
    return 0;
}
