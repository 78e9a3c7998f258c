#include "app/controls/GlyphButtonGeometry.h"

#include <gtest/gtest.h>

TEST(GlyphButtonGeometry, HotTrackBlendTruncatesEachChannel) {
    struct Case {
        TColor Face, Hot;
        int Step;
        TColor Expected;
    };
    const Case cases[] = {
        {0xEDF7F8, clYellow, 0, 0xEDF7F8},
        {0xEDF7F8, clYellow, 8, clYellow},
        // red 251.5, green 251, blue 118.5
        {0xEDF7F8, clYellow, 4, 0x76FBFB},
        {0x000000, 0xFFFFFF, 1, 0x1F1F1F},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BlendHotTrack(c.Face, c.Hot, c.Step), c.Expected) << "step " << c.Step;
}

TEST(GlyphButtonGeometry, GradientRunsFromStartToNearlyEnd) {
    EXPECT_EQ(GradientBandColor(0x000000, 0xFFFFFF, 0), 0x000000);
    // 255/31 summed 31 times lands just below 255 in floating point or on it.
    const TColor last = GradientBandColor(0x000000, 0xFFFFFF, 31);
    EXPECT_GE(GetRValue(last), 254);
    EXPECT_EQ(GradientBandColor(0x0000FF, 0x000000, 31) & 0xFF, 0);
}

TEST(GlyphButtonGeometry, CaptionWidthLeavesRoomForASideGlyph) {
    EXPECT_EQ(CaptionAvailableWidth(bsNormal, blGlyphLeft, 100, 18), 100 - 8 - 22);
    EXPECT_EQ(CaptionAvailableWidth(bsNormal, blGlyphTop, 100, 18), 92);
    EXPECT_EQ(CaptionAvailableWidth(bsShape, blGlyphLeft, 100, 18), 92);
    EXPECT_EQ(CaptionAvailableWidth(bsNormal, blGlyphLeft, 100, 0), 92);
    EXPECT_EQ(CaptionAvailableWidth(bsNormal, blGlyphRight, 20, 18), 0);
}

TEST(GlyphButtonGeometry, PlacesGlyphAndCaptionByLayoutAndAlignment) {
    // A 110 x 28 button, an 18 x 18 glyph, a caption 30 x 13.
    TGlyphFaceMetrics m;
    m.W = 110;
    m.H = 28;
    m.GlyphWidth = 18;
    m.GlyphHeight = 18;
    m.TextWidth = 30;
    m.TextHeight = 13;
    m.HasCaption = true;
    struct Case {
        TGlyphButtonStyle Style;
        TGlyphButtonLayout Layout;
        TAlignment Alignment;
        bool WordWrap;
        int Offset;
        TPoint Glyph;
        TPoint TextTopLeft;
    };
    const Case cases[] = {
        {bsEncarta, blGlyphLeft, taCenter, false, 0, {29, 5}, {26, 7}},
        {bsEncarta, blGlyphLeft, taLeftJustify, false, 0, {4, 5}, {26, 7}},
        {bsEncarta, blGlyphLeft, taRightJustify, false, 0, {54, 5}, {26, 7}},
        {bsEncarta, blGlyphLeft, taCenter, true, 0, {4, 5}, {26, 7}},
        {bsNormal, blGlyphLeft, taCenter, false, 1, {30, 6}, {27, 8}},
        {bsNormal, blGlyphRight, taLeftJustify, false, 0, {38, 5}, {4, 7}},
        {bsNormal, blGlyphRight, taRightJustify, false, 0, {88, 5}, {4, 7}},
        {bsNormal, blGlyphTop, taCenter, false, 0, {46, -3}, {4, 15}},
        {bsNormal, blGlyphBottom, taCenter, false, 0, {46, 10}, {4, -3}},
        {bsShape, blGlyphLeft, taLeftJustify, false, 1, {46, 5}, {1, 8}},
    };
    for (const Case& c : cases) {
        m.Offset = c.Offset;
        const TGlyphFacePlacement p =
            PlaceGlyphAndCaption(c.Style, c.Layout, c.Alignment, c.WordWrap, m);
        EXPECT_EQ(p.Glyph, c.Glyph)
            << "style " << c.Style << " layout " << c.Layout << " alignment " << c.Alignment;
        EXPECT_EQ(p.Text.TopLeft(), c.TextTopLeft) << "style " << c.Style << " layout " << c.Layout;
        EXPECT_EQ(p.CentreText, c.Style == bsShape);
    }
}

TEST(GlyphButtonGeometry, AcceleratorIsTheCharacterAfterASingleAmpersand) {
    EXPECT_EQ(CaptionAccelerator("&OK"), u'O');
    EXPECT_EQ(CaptionAccelerator("Sa&ve"), u'V');
    EXPECT_EQ(CaptionAccelerator("Fish && Chips"), 0);
    EXPECT_EQ(CaptionAccelerator("A && &b"), u'B');
    EXPECT_EQ(CaptionAccelerator("Trailing&"), 0);
    EXPECT_EQ(CaptionAccelerator("Plain"), 0);
}

TEST(GlyphButtonGeometry, DropsWholeCharacters) {
    std::string text = "Schlie\xC3\x9F";
    DropLastCharacter(text);
    EXPECT_EQ(text, "Schlie");
    DropLastCharacter(text);
    EXPECT_EQ(text, "Schli");
    std::string empty;
    DropLastCharacter(empty);
    EXPECT_TRUE(empty.empty());
}

TEST(GlyphButtonGeometry, DropsOnlyTheLastOfStrayContinuationBytes) {
    // Each stray byte is a character of its own (shown as U+FFFD), not part of the one before.
    std::string text = "a\x80\x80";
    DropLastCharacter(text);
    EXPECT_EQ(text, "a\x80");
}
