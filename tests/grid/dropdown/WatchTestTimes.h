#pragma once

#include "grid/foundation/GridDate.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

// Times of day as the clock and time picker tests write and read them.
inline TDateTime At(int H, int M, int S = 0) {
    TDateTime t = 0;
    EXPECT_TRUE(TGridDate::TryEncodeTime(H, M, S, 0, t));
    return t;
}

// "hh:mm", or "hh:mm:ss" with Seconds.
inline std::string TimeText(TDateTime T, bool Seconds) {
    int h = 0, m = 0, s = 0, ms = 0;
    TGridDate::DecodeTime(T, h, m, s, ms);
    char text[16];
    if (Seconds)
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", h, m, s);
    else
        std::snprintf(text, sizeof text, "%02d:%02d", h, m);
    return text;
}
