#pragma once

#include <cstdint>

// Page size and range of a cell scroll bar.
struct TScrollProp {
    int32_t PageSize = 0;
    int32_t Range = 0;
};
