#pragma once

#include "grid/foundation/GridDate.h"
#include "platform/core/Exception.h"

namespace WatchTime {

// A time of day split into its fields and joined again, as the clock and the time picker use it.
struct TTimeParts {
    int H = 0;
    int M = 0;
    int S = 0;
    int MS = 0;
};

inline TTimeParts Decode(TDateTime T) {
    TTimeParts p;
    TGridDate::DecodeTime(T, p.H, p.M, p.S, p.MS);
    return p;
}

// A time without a date part; a field out of range throws Exception "Invalid time".
inline TDateTime Encode(int H, int M, int S, int MS) {
    TDateTime t = 0;
    if (!TGridDate::TryEncodeTime(H, M, S, MS, t))
        throw Exception("Invalid time");
    return t;
}

} // namespace WatchTime
