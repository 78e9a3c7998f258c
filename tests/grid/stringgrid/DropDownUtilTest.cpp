#include "grid/stringgrid/DropDownUtil.h"
#include "grid/foundation/ScopedFormatSettings.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(DropDownColors, MixColors) {
    struct Case {
        TColor A, B;
        int Percent;
        TColor Expected;
    };
    const std::vector<Case> cases = {
        {clRed, clBlue, 100, clRed},
        {clRed, clBlue, 0, clBlue},
        // Halfway channels of 127.5 round to the even 128.
        {clRed, clBlue, 50, RGB(128, 0, 128)},
        {RGB(10, 20, 30), RGB(110, 120, 130), 25, RGB(85, 95, 105)},
        // Beyond the ends the colours come back as given, system colours unresolved.
        {clBtnFace, clBlack, 150, clBtnFace},
        {clBlack, clWindow, -5, clWindow},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MixColors(c.A, c.B, c.Percent), c.Expected) << c.Percent;
}

TEST(DropDownColors, ShadeColorChannels) {
    struct Case {
        TColor Color;
        int DR, DG, DB;
        TColor Expected;
    };
    const std::vector<Case> cases = {
        {0xF5F0E1, -10, -10, 0, 0xF5D8CA},
        {0xF9D2B2, -10, -10, 0, 0xF9BDA0},
        // A zero channel takes the delta itself; positive deltas leave the others.
        {RGB(0, 100, 200), 30, 40, 50, RGB(30, 100, 200)},
        {RGB(0, 0, 0), -20, 300, 0, RGB(0, 255, 0)},
        // Darkening beyond 100 % stays black instead of wrapping round.
        {RGB(200, 100, 50), -150, -100, -50, RGB(0, 0, 25)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShadeColorChannels(c.Color, c.DR, c.DG, c.DB), c.Expected) << std::hex << c.Color;
}

TEST(DropDownText, MeasureTextExtent) {
    TBitmap bitmap(10, 10);
    TCanvas* canvas = bitmap.Canvas();
    EXPECT_EQ(MeasureTextExtent(canvas, ""), (TPoint{0, 0}));
    TPoint extent = MeasureTextExtent(canvas, "Hello");
    EXPECT_EQ(extent.X, canvas->TextWidth("Hello"));
    EXPECT_EQ(extent.Y, canvas->TextHeight("Hello"));
    // Single line: a line break does not add a line.
    EXPECT_EQ(MeasureTextExtent(canvas, "a\r\nb").Y, extent.Y);
}

TEST(DropDownText, ShortenText) {
    TBitmap bitmap(10, 10);
    TCanvas* canvas = bitmap.Canvas();
    const std::string text = "Temperature sensor";
    const int full = canvas->TextWidth(text);
    struct Case {
        int MaxWidth;
        bool Ellipsis;
    };
    for (const Case& c : std::vector<Case>{{full, true}, {full + 10, false}})
        EXPECT_EQ(ShortenText(canvas, text, c.MaxWidth, c.Ellipsis), text);
    for (bool ellipsis : {true, false}) {
        const int limit = full / 2;
        std::string shortened = ShortenText(canvas, text, limit, ellipsis);
        EXPECT_LT(canvas->TextWidth(shortened), limit);
        std::string kept = ellipsis ? shortened.substr(0, shortened.size() - 3) : shortened;
        EXPECT_EQ(text.substr(0, kept.size()), kept);
        if (ellipsis)
            EXPECT_EQ(shortened.substr(shortened.size() - 3), "...");
        // The longest candidate that fits: one more character would not.
        std::string longer = text.substr(0, kept.size() + 1) + (ellipsis ? "..." : "");
        EXPECT_GE(canvas->TextWidth(longer), limit);
    }
    // Nothing fits: the text stays whole.
    EXPECT_EQ(ShortenText(canvas, text, 0, true), text);
    // Multi-byte characters are cut whole.
    std::string umlauts = "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\xA4\xC3\xB6\xC3\xBC";
    std::string cut = ShortenText(canvas, umlauts, canvas->TextWidth(umlauts) - 1, false);
    EXPECT_EQ(cut, umlauts.substr(0, umlauts.size() - 2));
}

TEST(DropDownText, DrawHTMLTextMeasuresAndDrawsOnlyWhenAsked) {
    TBitmap bitmap(200, 40);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Font()->SetColor(clBlack);
    TPoint extent{7, 7};
    DrawHTMLText(canvas, "", Rect(0, 0, 200, 40), nullptr, true, nullptr, extent);
    EXPECT_EQ(extent, (TPoint{0, 0}));

    DrawHTMLText(canvas, "<b>Bold</b> text", Rect(0, 0, 200, 40), nullptr, false, nullptr, extent);
    EXPECT_GT(extent.X, canvas->TextWidth("Bold"));
    EXPECT_GT(extent.Y, 0);
    bool painted = false;
    for (int y = 0; y < 40 && !painted; ++y)
        for (int x = 0; x < 200 && !painted; ++x)
            painted = bitmap.Pixel(x, y) != clWhite;
    EXPECT_FALSE(painted) << "measuring draws nothing";

    TPoint drawn;
    DrawHTMLText(canvas, "<b>Bold</b> text", Rect(0, 0, 200, 40), nullptr, true, nullptr, drawn);
    EXPECT_EQ(drawn, extent);
    for (int y = 0; y < 40 && !painted; ++y)
        for (int x = 0; x < 200 && !painted; ++x)
            painted = bitmap.Pixel(x, y) != clWhite;
    EXPECT_TRUE(painted);
}

TEST(DropDownNumbers, ClassifyNumberTextWithPointDecimals) {
    ScopedFormatSettings english(ScopedFormatSettings::English());
    struct Case {
        const char* Text;
        uint8_t Expected;
    };
    const std::vector<Case> cases = {
        {"123", ntInteger},
        {"-12", ntInteger},
        {"-", ntInteger},
        {"1.5", ntDecimal},
        {"-1,234.5", ntDecimal},
        {"1,234,567", ntDecimal},
        {"1F", ntHex},
        {"ab", ntHex},
        {"-ff", ntHex},
        {"", ntOther},
        {"1--2", ntOther},
        {"--", ntOther},
        {"1.2.3", ntOther},
        {"12x", ntOther},
        {"G", ntOther},
        {"1 2", ntOther},
        // Thousand separators first or closer than three positions make no decimal number.
        {",123", ntOther},
        {"1,2,3", ntOther},
        {"1,23,4", ntDecimal},
        {"1.", ntDecimal},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyNumberText(c.Text), c.Expected) << '"' << c.Text << '"';
}

TEST(DropDownNumbers, ClassifyNumberTextFollowsTheLocale) {
    ScopedFormatSettings european(ScopedFormatSettings::European());
    EXPECT_EQ(DropDownThousandSeparator(), U'.');
    EXPECT_EQ(DropDownDecimalSeparator(), U',');
    struct Case {
        const char* Text;
        uint8_t Expected;
    };
    const std::vector<Case> cases = {
        {"1.234,5", ntDecimal}, {"1,5", ntDecimal}, {"1,5,6", ntOther},
        {"1.2", ntDecimal},     {"1.2.3", ntOther}, {".123", ntOther},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyNumberText(c.Text), c.Expected) << '"' << c.Text << '"';
    EXPECT_EQ(RemoveThousandSeparators("1.234.567,5"), "1234567,5");
}

TEST(DropDownNumbers, RemoveThousandSeparators) {
    ScopedFormatSettings english(ScopedFormatSettings::English());
    EXPECT_EQ(RemoveThousandSeparators("1,234,567.25"), "1234567.25");
    EXPECT_EQ(RemoveThousandSeparators(",,"), "");
    EXPECT_EQ(RemoveThousandSeparators("abc"), "abc");
    TFormatSettings spaced;
    spaced.ThousandSeparator = "\xC2\xA0";
    ScopedFormatSettings nbsp(spaced);
    EXPECT_EQ(RemoveThousandSeparators("1\xC2\xA0"
                                       "234"),
              "1234");
}

TEST(DropDownNumbers, HexDigitsAndHexText) {
    struct Digit {
        char32_t C;
        int Value;
    };
    for (const Digit& d : std::vector<Digit>{{U'0', 0},
                                             {U'9', 9},
                                             {U'A', 10},
                                             {U'f', 15},
                                             {U'F', 15},
                                             {U'g', 0},
                                             {U'-', 0},
                                             {U'\u00E4', 0}})
        EXPECT_EQ(HexDigitValue(d.C), d.Value) << static_cast<uint32_t>(d.C);
    struct Text {
        const char* Text;
        int Value;
    };
    for (const Text& t : std::vector<Text>{{"ff", 255},
                                           {"1G", 16},
                                           {"", 0},
                                           {"7FFFFFFF", 0x7FFFFFFF},
                                           {"FFFFFFFF", -1},
                                           {"100000000", 0}})
        EXPECT_EQ(HexTextToInt(t.Text), t.Value) << t.Text;
}

TEST(DropDownNumbers, RangeSeparatorsAndCase) {
    for (char32_t c : {U',', U'-', U';'})
        EXPECT_TRUE(IsRangeSeparatorChar(c));
    for (char32_t c : {U'.', U' ', U':', U'0'})
        EXPECT_FALSE(IsRangeSeparatorChar(c));
    EXPECT_EQ(NormalizeCase("Abc \xC3\xA4", false), "ABC \xC3\x84");
    EXPECT_EQ(NormalizeCase("Abc \xC3\xA4", true), "Abc \xC3\xA4");
}
