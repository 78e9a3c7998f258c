#include "platform/ui/Colors.h"

#include <gtest/gtest.h>

TEST(Colors, ColorToRgbResolvesSystemColoursThroughThePalette) {
    struct Case {
        TColor Color;
        TColor Rgb;
    };
    const Case cases[] = {
        {clRed, 0x0000FF},               // plain colours stay
        {0x00EDF7F8, 0xEDF7F8},          // top byte of a plain colour is 0
        {clBtnFace, RGB(240, 240, 240)}, // 0xFF00000F
        {clWindow, RGB(255, 255, 255)},
        {clWindowText, RGB(0, 0, 0)},
        {clHighlight, RGB(0, 120, 215)},
        {clGrayText, RGB(109, 109, 109)},
        {cl3DDkShadow, RGB(105, 105, 105)},
        {clInfoBk, RGB(255, 255, 225)},
        {clNone, clBlack},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColorToRGB(c.Color), c.Rgb) << std::hex << c.Color;
}

TEST(Colors, ChannelsAndSystemColourNumbers) {
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), 0x563412);
    EXPECT_EQ(GetRValue(0x563412), 0x12);
    EXPECT_EQ(GetGValue(0x563412), 0x34);
    EXPECT_EQ(GetBValue(0x563412), 0x56);
    EXPECT_EQ(static_cast<uint32_t>(clBtnFace), 0xFF00000Fu);
    EXPECT_EQ(static_cast<uint32_t>(cl3DDkShadow), 0xFF000015u);
    EXPECT_TRUE(IsSystemColor(clBtnFace));
    EXPECT_FALSE(IsSystemColor(clNone));
}

TEST(Colors, ChangingAPaletteEntryChangesItsResolution) {
    TColor saved = GetSysColor(COLOR_INFOBK);
    SetSysColor(COLOR_INFOBK, 0x123456);
    EXPECT_EQ(ColorToRGB(clInfoBk), 0x123456);
    SetSysColor(COLOR_INFOBK, saved);
    EXPECT_EQ(ColorToRGB(clInfoBk), saved);
}
