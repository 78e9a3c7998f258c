#include "grid/foundation/ExUtil.h"
#include "platform/core/StringList.h"
#include "platform/ui/Colors.h"

#include <gtest/gtest.h>

TEST(ExUtilText, ClampToLimits) {
    struct Case {
        int Value, Min, Max, Expected;
    };
    const std::vector<Case> cases = {
        {5, 3, 3, 5},    {1, 2, 10, 2},  {11, 2, 10, 10}, {5, 2, 10, 5},
        {-5, 0, 10, -5}, {50, 2, 0, 50}, {-1, -3, 4, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClampToLimits(c.Value, c.Min, c.Max), c.Expected)
            << c.Value << " in " << c.Min << ".." << c.Max;
}

TEST(ExUtilText, PositionsAreOneBasedAndZeroWhenAbsent) {
    EXPECT_EQ(CharPos('c', "abc"), 3);
    EXPECT_EQ(CharPos('z', "abc"), 0);

    int pos = 42;
    EXPECT_EQ(FindCharPos('z', "abc", pos), 0);
    EXPECT_EQ(pos, 42); // untouched when absent
    EXPECT_EQ(FindCharPos('b', "abc", pos), 2);
    EXPECT_EQ(pos, 2);
    EXPECT_EQ(FindPos("zz", "abc", pos), 0);
    EXPECT_EQ(pos, 0); // always stored

    EXPECT_EQ(UpperPos("BC", "abc"), 2);
    EXPECT_EQ(UpperPos("bc", "abc"), 0); // the pattern is not upper-cased
    EXPECT_EQ(WideTextPos(u"é", u"caté"), 4);
    EXPECT_TRUE(InGridRect(Rect(1, 1, 3, 3), 3, 1));
    EXPECT_FALSE(InGridRect(Rect(1, 1, 3, 3), 4, 1));
}

TEST(ExUtilText, CutTokenAndFirstLine) {
    std::string source = "a;b;c";
    std::string token;
    CutToken(source, ";", token);
    EXPECT_EQ(token, "a");
    EXPECT_EQ(source, "b;c");
    source = "abc";
    CutToken(source, ";", token);
    EXPECT_EQ(token, "");
    EXPECT_EQ(source, "abc");

    struct Case {
        const char* Source;
        bool KeepRest;
        const char* Line;
        const char* Rest;
    };
    const std::vector<Case> cases = {
        {"one\r\ntwo\rthree", true, "one", "two\rthree"},
        {"one\r\ntwo", false, "one", ""},
        {"one\rtwo", true, "one", "two"},
        {"single", true, "single", ""},
    };
    for (const Case& c : cases) {
        std::string text = c.Source;
        std::string line;
        ExtractFirstLine(text, c.KeepRest, line);
        EXPECT_EQ(line, c.Line) << c.Source;
        EXPECT_EQ(text, c.Rest) << c.Source;
    }
}

TEST(ExUtilText, SmallHelpers) {
    TStringList lines;
    lines.Add("ab");
    lines.Add("cd");
    EXPECT_EQ(ConcatLines(lines), "abcd");
    std::string text = "héllo";
    FillText(text, '*');
    EXPECT_EQ(text, "*****"); // one per character
    EXPECT_EQ(CountChar('l', "hello"), 2);
    EXPECT_EQ(CountLines("a\rb\rc", true), 3);
    EXPECT_EQ(CountLines("a\rb\rc", false), 1);
    EXPECT_EQ(ColorToHex(RGB(0x12, 0xAB, 0xFF)), "12ABFF");
    const TColor window = ColorToRGB(clWindow);
    EXPECT_EQ(ColorToHex(clWindow), ColorToHex(window));
    EXPECT_NE(ColorToHex(clWindow), "050000");
}

TEST(ExUtilText, NameCase) {
    struct Case {
        const char* Text;
        const char* Expected;
    };
    const std::vector<Case> cases = {
        {"o'neil-smith jr.", "O'Neil-Smith Jr."},
        {"mcdonald", "McDonald"},
        {"henry iii", "Henry III"},
        {"JOHN ii", "John II"},
        {"ronald mcdonald", "Ronald McDonald"},
        {"élodie durand", "Élodie Durand"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NameCase(c.Text), c.Expected) << c.Text;
}

TEST(ExUtilText, Urls) {
    EXPECT_TRUE(IsURL("see http://x"));
    EXPECT_TRUE(IsURL("mailto:a@b"));
    EXPECT_FALSE(IsURL("MAILTO:a@b"));

    std::string text = "go to https://host/a";
    StripURLScheme(text);
    EXPECT_EQ(text, "host/a");
    text = "mailto:me@host";
    StripURLScheme(text);
    EXPECT_EQ(text, "me@host");

    std::string result = "untouched";
    EXPECT_FALSE(LinkifyURL("no link here", "HTTP://", result));
    EXPECT_EQ(result, "untouched");

    EXPECT_TRUE(LinkifyURL("<b> http://host/p?q=1 end", "HTTP://", result));
    EXPECT_EQ(result, "&lt;b&gt; <a href=\"http://host/p\">http://host/p</a>?q=1 end");
    EXPECT_TRUE(LinkifyURL("Mail MAILTO:a@b.c", "MAILTO:", result));
    EXPECT_EQ(result, "Mail <a href=\"MAILTO:a@b.c\">MAILTO:a@b.c</a>");
}

TEST(ExUtilText, ParseRCRef) {
    struct Case {
        const char* Text;
        bool Ok;
        TPoint Cell;
    };
    const std::vector<Case> cases = {
        {"R2C3", true, {3, 2}}, {"r10c1", true, {1, 10}}, {"R2C", false, {}},  {"RC3", false, {}},
        {"X2C3", false, {}},    {"R1", false, {}},        {"R1x3", false, {}},
    };
    for (const Case& c : cases) {
        TPoint cell{-1, -1};
        EXPECT_EQ(ParseRCRef(c.Text, cell), c.Ok) << c.Text;
        if (c.Ok) {
            EXPECT_EQ(cell, c.Cell) << c.Text;
        }
    }
}

TEST(ExUtilText, OemConversionStoresOemBytes) {
    std::string text = "Grüße ±5°";
    TextToOEM(text);
    // In the console code page ü is byte 0x81, ß 0xE1, ± 0xF1 and ° 0xF8; read as the 8-bit code
    // page, ß's byte is á and ±'s is ñ.
    EXPECT_EQ(text.substr(0, 2), "Gr");
    EXPECT_NE(text.find("\u00E1"), std::string::npos);
    EXPECT_NE(text.find("\u00F1"), std::string::npos);
    OEMToText(text);
    EXPECT_EQ(text, "Grüße ±5°");

    std::string unknown = "\u20AC"; // the euro sign has no OEM byte
    TextToOEM(unknown);
    EXPECT_EQ(unknown, "?");
}
