#include "grid/foundation/EsgHTMLE.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TextCase {
    std::string Input;
    std::string Expected;
};

TEST(EsgHTMLE, DecodeEntities) {
    struct Case {
        std::string Input;
        bool Named;
        std::string Expected;
    } cases[] = {
        {"a &lt;b&gt; &amp; &quot;c&quot;", false, "a <b> & \"c\""},
        {"&amp;eacute;", true, "é"},
        {"&amp;eacute;", false, "&eacute;"},
        {"&eacute;", false, "&eacute;"},
        {"&amp;lt;", false, "&lt;"}, // ampersands are decoded after angles: no double decoding
        {"&atilde; &Atilde; &otilde; &Otilde;", true, "ã Ã õ Õ"},
        {"&euro;&copy;&reg;&laquo;&raquo;", true, "€©®«»"},
        {"&LT;x&lt;", false, "<x<"},
        // Decoding stops once the entity is no longer left in its own case.
        {"&lt;x&LT;", false, "<x&LT;"},
        // What decoding forms is decoded again.
        {"&amp;amp;", false, "&"},
        {"&amp;Eacute;", true, "É"},
        // Capitals and small letters are told apart by case alone.
        {"&Eacute;cole &eacute;l&egrave;ve", true, "École élève"},
        {"no entities", true, "no entities"},
        {"&unknown;", true, "&unknown;"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeEntities(c.Input, c.Named), c.Expected) << c.Input;
}

TEST(EsgHTMLE, EncodeEntities) {
    struct Case {
        std::string Input;
        bool Named;
        std::string Expected;
    } cases[] = {
        {"a<b & c>\"", false, "a&lt;b &amp; c&gt;&quot;"},
        {"*amp;", false, "&amp;"},
        {"é", false, "é"},
        {"é ã Ã õ Õ €", true, "&eacute; &atilde; &Atilde; &otilde; &Otilde; &euro;"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EncodeEntities(c.Input, c.Named), c.Expected) << c.Input;
    for (const std::string text : {"a<b>&c\"d", "çàü", "Éé ÀàÇç", "plain"})
        EXPECT_EQ(DecodeEntities(EncodeEntities(text, true), true), text);
}

TEST(EsgHTMLE, StripHTML) {
    const TextCase cases[] = {
        {"a<B>b<br>c", "ab\r\nc"},
        {"x<hr>y", "x\r\ny"},
        {"<font color=\"clred\">red</font> text", "red text"},
        {"a<b", "a<b"},
        {"a<b>c<d", "ac<d"},
        {"a > b", "a > b"},
        {"", ""},
        {"<>", ""},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(StripHTML(c.Input), c.Expected) << c.Input;
}

TEST(EsgHTMLE, SpacesToNbspAndRenderPreparation) {
    EXPECT_EQ(SpacesToNbsp("a b  c"), "a&nbsp;b&nbsp;&nbsp;c");
    const TextCase cases[] = {
        {"A &amp; B", "A && B"},      {"&COPY; &trade;", "© ™"}, {"<#tag> x", "#tag x"},
        {"one\r\ntwo", "one<BR>two"}, {"no marks", "no marks"},  {"&AMP;amp;", "&&&"},
        {"<#a<#b>>", "#a#b"},         {"<#a<>#", "#a#"},         {"<#open", "#open"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(PrepareHTMLForRendering(c.Input), c.Expected) << c.Input;
}

// Long texts are read in one walk; what they give is the same as for short ones.
TEST(EsgHTMLE, LongTextsGiveWhatTheirPiecesGive) {
    auto repeated = [](std::string_view piece, int times) {
        std::string text;
        for (int i = 0; i < times; ++i)
            text += piece;
        return text;
    };
    const int n = 40000;
    EXPECT_EQ(DecodeEntities(repeated("a&LT;", n) + "&lt;", false), repeated("a<", n) + "<");
    EXPECT_EQ(StripHTML(repeated("x<Br>", n)), repeated("x\r\n", n));
    EXPECT_EQ(PrepareHTMLForRendering(repeated("&amp;<#b>", n)), repeated("&&#b", n));
    EXPECT_EQ(UnhighlightText(repeated("<hi>y</HI>", n), "hi"), repeated("y", n));
}

TEST(EsgHTMLE, Colors) {
    struct Case {
        std::string Text;
        TColor Expected;
    } names[] = {{"clred", clRed},   {"CLBTNFACE", clBtnFace}, {"clinfobk", clInfoBk},
                 {"clnavy", clNavy}, {"nonsense", clBlack},    {"", clBlack}},
      hex[] = {{"#FF0000", clRed},
               {"#00ff80", RGB(0, 255, 128)},
               {"#123456", RGB(0x12, 0x34, 0x56)},
               {"#12", RGB(0x12, 0, 0)},
               {"#ZZZZZZ", clBlack}};
    for (const Case& c : names)
        EXPECT_EQ(HTMLColorByName(c.Text), c.Expected) << c.Text;
    for (const Case& c : hex)
        EXPECT_EQ(HexToColor(c.Text), c.Expected) << c.Text;
}

const std::string controls = "Name <CONTROL TYPE=\"BUTTON\" ID=\"b1\" VALUE=\"Go\" WIDTH=\"40\">"
                             " <control type=\"edit\" ID=\"e1\" VALUE=\"a&amp;b\" WIDTH=\"60\" "
                             "MAXLEN=\"12\"> <CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" "
                             "WIDTH=\"16\"> <CONTROL TYPE=\"COMBO\" ID=\"c1\" VALUE=\"x\" "
                             "WIDTH=\"80\" PROP=\"one&lt;two\"> <CONTROL TYPE=\"RADIO\" "
                             "ID=\"r2\" VALUE=\"true\" WIDTH=\"16\">";

TEST(EsgHTMLE, ControlTagReaders) {
    EXPECT_TRUE(HasControlTags(controls));
    EXPECT_TRUE(HasControlTags("<control"));
    EXPECT_FALSE(HasControlTags("<b>plain</b>"));

    std::string type, id, value, width, height, prop, maxLen = "stale";
    ParseControlTag("type=\"edit\" ID=\"e1\" VALUE=\"&lt;&eacute;\" WIDTH=\"60\">", type, id, value,
                    width, height, prop, maxLen);
    EXPECT_EQ(type, "EDIT");
    EXPECT_EQ(id, "e1");
    EXPECT_EQ(value, "<é");
    EXPECT_EQ(width, "60");
    EXPECT_EQ(maxLen, "");

    struct Case {
        std::string After;
        std::string Next;
    } next[] = {{"", "e1"}, {"b1", "e1"}, {"e1", "c1"}, {"c1", ""}, {"missing", ""}};
    for (const Case& c : next)
        EXPECT_EQ(NextEditControlID(controls, c.After), c.Next) << c.After;

    std::string got = "untouched";
    EXPECT_TRUE(GetControlValue(controls, "e1", got));
    EXPECT_EQ(got, "a&b");
    EXPECT_FALSE(GetControlValue(controls, "E1", got)); // IDs compare exactly
    EXPECT_EQ(got, "a&b");
    EXPECT_EQ(GetControlProp(controls, "c1"), "one<two");
    EXPECT_EQ(GetControlProp(controls, "b1"), "");
    EXPECT_EQ(GetControlMaxLen(controls, "e1"), 12);
    EXPECT_EQ(GetControlMaxLen(controls, "b1"), 0);
    EXPECT_EQ(GetControlMaxLen(controls, "missing"), 0);
}

TEST(EsgHTMLE, SetControlValueRewritesOnlyThatTag) {
    std::string text = controls;
    EXPECT_TRUE(SetControlValue(text, "c1", "new <\"value\"> é"));
    std::string value;
    ASSERT_TRUE(GetControlValue(text, "c1", value));
    EXPECT_EQ(value, "new <\"value\"> é");
    EXPECT_EQ(GetControlProp(text, "c1"), "one<two");
    EXPECT_EQ(StripHTML(text), StripHTML(controls));
    EXPECT_NE(text.find("<CONTROL ID=\"c1\" VALUE=\"new &lt;&quot;value&quot;&gt; &eacute;\" "
                        "WIDTH=\"80\" TYPE=\"COMBO\" PROP=\"one&lt;two\">"),
              std::string::npos);
    ASSERT_TRUE(GetControlValue(text, "e1", value));
    EXPECT_EQ(value, "a&b");

    std::string unchanged = controls;
    EXPECT_FALSE(SetControlValue(unchanged, "nope", "x"));
    EXPECT_EQ(unchanged, controls);

    std::string withHeight = "<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"a\" WIDTH=\"9\" "
                             "HEIGHT=\"30\" MAXLEN=\"3\">";
    ASSERT_TRUE(SetControlValue(withHeight, "b", "z"));
    EXPECT_EQ(withHeight, "<CONTROL ID=\"b\" VALUE=\"z\" WIDTH=\"9\" TYPE=\"BUTTON\" "
                          "HEIGHT=\"30\" MAXLEN=\"3\">");
}

TEST(EsgHTMLE, ClearRadioControlsSetsEveryRadioFalse) {
    std::string cleared = ClearRadioControls(controls);
    std::string value;
    for (const char* id : {"r1", "r2"}) {
        ASSERT_TRUE(GetControlValue(cleared, id, value));
        EXPECT_EQ(value, "FALSE") << id;
    }
    ASSERT_TRUE(GetControlValue(cleared, "b1", value));
    EXPECT_EQ(value, "Go");
    EXPECT_EQ(ClearRadioControls("no controls"), "no controls");
    // Radio buttons are cleared where they stand: not a control before them with their ID,
    // and every one of those sharing an ID.
    const std::string shared = "<CONTROL TYPE=\"EDIT\" ID=\"x\" VALUE=\"keep\" WIDTH=\"9\">"
                               "<CONTROL TYPE=\"RADIO\" ID=\"x\" VALUE=\"TRUE\" WIDTH=\"9\">"
                               "<CONTROL TYPE=\"RADIO\" ID=\"x\" VALUE=\"TRUE\" WIDTH=\"9\">";
    EXPECT_EQ(ClearRadioControls(shared),
              "<CONTROL TYPE=\"EDIT\" ID=\"x\" VALUE=\"keep\" WIDTH=\"9\">"
              "<CONTROL ID=\"x\" VALUE=\"FALSE\" WIDTH=\"9\" TYPE=\"RADIO\">"
              "<CONTROL ID=\"x\" VALUE=\"FALSE\" WIDTH=\"9\" TYPE=\"RADIO\">");
}

// Openers before one '>' make one tag, as the renderer reads them.
TEST(EsgHTMLE, ControlTagsEndAtTheirAngle) {
    const std::string text = "<CONTROL ID=\"a\" <CONTROL ID=\"b\" VALUE=\"v\" WIDTH=\"9\"> "
                             "<CONTROL ID=\"c\" VALUE=\"w\" WIDTH=\"9\">";
    std::string value;
    EXPECT_TRUE(GetControlValue(text, "a", value));
    EXPECT_EQ(value, "v");
    EXPECT_FALSE(GetControlValue(text, "b", value));
    EXPECT_EQ(NextEditControlID(text, "a"), "c");
}

TEST(EsgHTMLE, ReplaceFirstNoCase) {
    std::string text = "One TWO two";
    EXPECT_TRUE(ReplaceFirstNoCase("two", "2", text));
    EXPECT_EQ(text, "One 2 two");
    EXPECT_FALSE(ReplaceFirstNoCase("three", "3", text));
    EXPECT_FALSE(ReplaceFirstNoCase("", "3", text));
    EXPECT_EQ(text, "One 2 two");
}

TEST(EsgHTMLE, HighlightText) {
    struct Case {
        std::string Text, Pattern;
        bool MatchCase;
        std::string Expected;
    } cases[] = {
        {"Hello world", "o", true, "Hell<hi>o</hi> w<hi>o</hi>rld"},
        {"Hello World", "world", false, "Hello <hi>World</hi>"},
        {"Hello World", "world", true, "Hello World"},
        {"<b>bold</b> text", "bold", true, "<hi><b>bold</hi></b> text"},
        {"ab<i>cd</i>", "bc", true, "a<hi>b<i>c</hi>d</i>"},
        {"a < b", "b", true, "a &lt; <hi>b</hi>"},
        {"aaaa", "aa", true, "<hi>aa</hi><hi>aa</hi>"},
        {"ÄÖ ä", "ä", false, "<hi>Ä</hi>Ö <hi>ä</hi>"},
        {"text", "", true, "text"},
    };
    for (const Case& c : cases) {
        std::string marked = HighlightText(c.Text, c.Pattern, "hi", c.MatchCase);
        EXPECT_EQ(marked, c.Expected) << c.Text;
        if (c.Text.find('<') == std::string::npos || c.Text.find(" < ") == std::string::npos)
            EXPECT_EQ(UnhighlightText(marked, "HI"), c.Text) << c.Text;
    }
    EXPECT_EQ(UnhighlightText("a &lt; <E>b</e>", "e"), "a < b");
}

TEST(EsgHTMLE, HighlightColorsAreShared) {
    EXPECT_EQ(HighlightBackColor(), clHighlight);
    SetHighlightColors(clYellow, clBlack);
    EXPECT_EQ(HighlightBackColor(), clYellow);
    EXPECT_EQ(HighlightTextColor(), clBlack);
    SetHighlightColors(clHighlight, clHighlightText);
}

} // namespace
