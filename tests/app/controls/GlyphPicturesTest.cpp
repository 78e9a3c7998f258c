#include "app/controls/GlyphPictures.h"

#include "platform/ui/Bitmap.h"

#include <gtest/gtest.h>

TEST(GlyphPictures, EveryNamedStripIsDrawnOnTheTransparentColour) {
    struct Case {
        const char* Name;
        int Width;
        int Height;
    };
    const Case cases[] = {
        {"LBOK", 36, 18},          {"LBALL", 36, 19}, {"LBARROW", 5, 3}, {"NEW_CONF", 48, 24},
        {"UPDATE_DEVICE", 48, 24}, {"INFO", 64, 32},  {"EXIT", 64, 32},  {"OK", 36, 18},
        {"NEXT", 36, 18},
    };
    for (const Case& c : cases) {
        TBitmap bitmap;
        ASSERT_TRUE(Load_Stock_Glyph(bitmap, c.Name)) << c.Name;
        EXPECT_EQ(bitmap.Width(), c.Width) << c.Name;
        EXPECT_EQ(bitmap.Height(), c.Height) << c.Name;
        EXPECT_TRUE(bitmap.Transparent());
        EXPECT_EQ(bitmap.TransparentColor(), static_cast<TColor>(Glyph_Transparent_Color))
            << c.Name;
        int ink = 0;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x)
                ink += bitmap.Pixel(x, y) != static_cast<TColor>(Glyph_Transparent_Color);
        EXPECT_GT(ink, 2) << c.Name << " draws nothing";
    }
}

TEST(GlyphPictures, UnknownNameLeavesTheBitmapAlone) {
    TBitmap bitmap(3, 3);
    EXPECT_FALSE(Load_Stock_Glyph(bitmap, "LBNOPE"));
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(Stock_Glyph_Count("LBNOPE"), 0);
    EXPECT_EQ(Stock_Glyph_Count("LBARROW"), 1);
    EXPECT_EQ(Stock_Glyph_Count("LBOK"), 2);
}
