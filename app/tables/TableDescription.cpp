#include "app/tables/TableDescription.h"

#include "platform/core/IntegerConversion.h"

#include <algorithm>

std::vector<std::string> Number_Items(int Count) {
    std::vector<std::string> items;
    items.reserve(static_cast<size_t>(std::max(Count, 0)));
    for (int i = 0; i < Count; ++i)
        items.push_back(IntToStr(i));
    return items;
}
