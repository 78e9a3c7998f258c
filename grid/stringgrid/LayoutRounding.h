#pragma once

#include <algorithm>
#include <cmath>

// Sizes worked out in floating point become pixels with halves to the even neighbour, as the
// grid's layout rounds everywhere; kept within int, and what is not a number gives 0.
inline int RoundHalfEven(double Value) {
    if (std::isnan(Value))
        return 0;
    return static_cast<int>(std::clamp(std::nearbyint(Value), -2147483648.0, 2147483647.0));
}
