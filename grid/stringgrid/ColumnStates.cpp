#include "grid/stringgrid/ColumnStates.h"

#include "platform/core/IntegerConversion.h"

#include <algorithm>

namespace {

std::vector<std::string_view> Split(std::string_view Text, char Separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (true) {
        const size_t end = Text.find(Separator, start);
        parts.push_back(Text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

template <typename T> std::string Joined(const std::vector<T>& Values) {
    std::string text;
    for (size_t i = 0; i < Values.size(); ++i)
        text += (i ? "," : "") + IntToStr(static_cast<int>(Values[i]));
    return text;
}

// The first Count integers of a list; false when it has fewer or one of them is no integer.
bool ReadIntegers(std::string_view List, int Count, std::vector<int>& Values, bool SkipMinusOne) {
    Values.clear();
    if (List.empty())
        return Count == 0;
    for (std::string_view entry : Split(List, ',')) {
        if (static_cast<int>(Values.size()) == Count)
            break;
        int32_t value = 0;
        if (!TryStrToInt(entry, value))
            return false;
        if (!(SkipMinusOne && value == -1))
            Values.push_back(value);
    }
    return static_cast<int>(Values.size()) == Count;
}

} // namespace

std::string FormatColumnStates(const TColumnStates& States) {
    return IntToStr(States.Count) + "#" + Joined(States.Widths) + "#" + Joined(States.Order) + "#" +
           Joined(States.Visible);
}

bool ParseColumnStates(std::string_view Text, TColumnStates& States, std::string& Why) {
    const std::vector<std::string_view> fields = Split(Text, '#');
    TColumnStates states;
    if (fields.size() != 4) {
        Why = "four fields separated by \"#\" are expected";
        return false;
    }
    int32_t count = 0;
    if (!TryStrToInt(fields[0], count) || count < 1) {
        Why = "the column count is no integer above 0";
        return false;
    }
    // Every column takes at least two characters of each list, so a count the text cannot
    // back is refused before anything is sized by it.
    if (count > static_cast<int64_t>(Text.size())) {
        Why = "fewer widths than columns";
        return false;
    }
    states.Count = count;
    if (!ReadIntegers(fields[1], count, states.Widths, false) ||
        std::any_of(states.Widths.begin(), states.Widths.end(), [](int w) { return w < 0; })) {
        Why = "fewer widths than columns, or a width that is no integer of 0 or more";
        return false;
    }
    if (!fields[2].empty()) {
        std::vector<int> sorted;
        if (ReadIntegers(fields[2], count, states.Order, true)) {
            sorted = states.Order;
            std::sort(sorted.begin(), sorted.end());
        }
        for (int i = 0; i < count; ++i)
            if (sorted.size() != static_cast<size_t>(count) || sorted[i] != i) {
                Why = "the column order is not a permutation of the columns";
                return false;
            }
    }
    std::vector<int> flags;
    if (!ReadIntegers(fields[3], count, flags, false) ||
        std::any_of(flags.begin(), flags.end(), [](int f) { return f != 0 && f != 1; })) {
        Why = "fewer visibility flags than columns, or a flag other than 0 and 1";
        return false;
    }
    if (std::find(flags.begin(), flags.end(), 1) == flags.end()) {
        Why = "no column is on show";
        return false;
    }
    states.Visible.assign(flags.begin(), flags.end());
    States = std::move(states);
    return true;
}
