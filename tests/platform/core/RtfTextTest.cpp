#include "platform/core/RtfText.h"

#include "tests/platform/core/RtfRunDescription.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Describe(const TRtfRuns& runs) {
    return DescribeRtfRuns(runs);
}

struct ReadCase {
    const char* Name;
    std::string Rtf;
    std::vector<std::string> Runs;
};

class RtfReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(RtfReadTest, GivesTheRuns) {
    EXPECT_EQ(Describe(ReadRtf(GetParam().Rtf)), GetParam().Runs);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, RtfReadTest,
    ::testing::Values(
        ReadCase{"PlainText", "{\\rtf1 Hello}", {":Hello"}},
        ReadCase{"ParagraphsAndTabs", "{\\rtf1 a\\par b\\tab c\\line d}", {":a\nb\tc\nd"}},
        ReadCase{"SourceLineBreaksAreNotText", "{\\rtf1 a\r\nb\\\r\nc}", {":ab\nc"}},
        ReadCase{"SwitchesOnAndOff", "{\\rtf1 a\\b b\\b0 c\\i d\\i0}", {":a", "b:b", ":c", "i:d"}},
        ReadCase{"GroupsKeepTheirFormatInside",
                 "{\\rtf1 a{\\i b{\\b c}}d}",
                 {":a", "i:b", "b i:c", ":d"}},
        ReadCase{"UnderlineKinds",
                 "{\\rtf1\\ul a\\ulnone b\\uldb c\\ul0 d}",
                 {"u:a", ":b", "u:c", ":d"}},
        ReadCase{"StrikeOut", "{\\rtf1\\strike a\\strike0 b}", {"s:a", ":b"}},
        ReadCase{"PlainResetsTheCharacterFormat",
                 "{\\rtf1\\b\\i\\fs30 a\\plain b}",
                 {"b i fs=30:a", ":b"}},
        ReadCase{"EscapedSpecialCharacters", "{\\rtf1 \\{x\\}\\\\}", {":{x}\\"}},
        ReadCase{"AnsiEscapesAndRawBytes", "{\\rtf1 caf\\'e9 \\'80\xe9}", {":café €é"}},
        ReadCase{"UnicodeEscapeSkipsItsFallback", "{\\rtf1 \\u8364?x}", {":€x"}},
        ReadCase{"NegativeUnicodeEscapeAndSurrogatePair",
                 "{\\rtf1 \\u-10179?\\u-8704?}",
                 {":\xF0\x9F\x98\x80"}},
        ReadCase{"FallbackCountFollowsUc", "{\\rtf1\\uc2 \\u233\\'65\\'31x}", {":éx"}},
        ReadCase{"NamedSymbols",
                 "{\\rtf1 \\emdash\\endash\\lquote\\rquote\\bullet\\~}",
                 {":\u2014\u2013\u2018\u2019\u2022\u00A0"}},
        ReadCase{
            "FontSizeAndColourFromTheirTables",
            "{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fnil\\fcharset0 Times New Roman;}}"
            "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}"
            "\\f1\\fs28\\cf1 T\\f0\\cf2 U\\cf0 V}",
            {"f=Times New Roman fs=28 c=0000FF:T", "f=Arial fs=28 c=FF8000:U", "f=Arial fs=28:V"}},
        ReadCase{"FontTableWithoutInnerGroups",
                 "{\\rtf1{\\fonttbl\\f0 Arial;\\f1 Courier;}\\f1 x}",
                 {"f=Courier:x"}},
        ReadCase{"DefaultFont", "{\\rtf1\\deff0{\\fonttbl{\\f0 Arial;}}x}", {"f=Arial:x"}},
        ReadCase{"UnknownFontAndColourAreUnset",
                 "{\\rtf1{\\colortbl ;\\red1\\green2\\blue3;}\\f7\\cf9 x}",
                 {":x"}},
        ReadCase{"VerticalOffsets",
                 "{\\rtf1 a\\up4 b\\dn4 c\\up0 d\\up e}",
                 {":a", "up=4:b", "up=-4:c", ":d", "up=6:e"}},
        ReadCase{"HiddenDestinationsAreSkipped",
                 "{\\rtf1{\\*\\generator Riched20;}{\\info{\\title T}}"
                 "{\\stylesheet{\\s0 Normal;}}{\\*\\unknown{x}y}a{\\pict\\pngblip 89504e47}b}",
                 {":ab"}},
        ReadCase{"FieldShowsItsResultOnly",
                 "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}}",
                 {":link"}},
        ReadCase{"BinaryDataIsPassedOver", "{\\rtf1 a{\\*\\blob\\bin3 }}}}b}", {":ab"}},
        ReadCase{"UnknownControlWordsArePassedOver",
                 "{\\rtf1\\nouicompat\\sa200\\sl276 a\\zz-5 b}",
                 {":ab"}},
        ReadCase{"TextAfterTheDocumentIsIgnored", "{\\rtf1 a}b", {":a"}},
        ReadCase{"EditorDocument",
                 "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fnil"
                 "\\fcharset0 Calibri;}}\r\n{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 "
                 "\r\n\\pard\\sa200\\sl276\\slmult1\\b\\f0\\fs22\\lang9 Bold\\b0  and \\i "
                 "italic\\i0\\par\r\n}\r\n",
                 {"b f=Calibri fs=22:Bold", "f=Calibri fs=22: and ", "i f=Calibri fs=22:italic",
                  "f=Calibri fs=22:\n"}},
        ReadCase{
            "BytesThatAreNotRtfAreWindows1252Text", "caf\xe9\r\nbar\rbaz\x01", {":café\nbar\nbaz"}},
        ReadCase{"EmptyInput", "", {}}),
    [](const auto& info) { return std::string(info.param.Name); });

// Malformed input: what is readable is read, nothing fails.
INSTANTIATE_TEST_SUITE_P(
    Malformed, RtfReadTest,
    ::testing::Values(
        ReadCase{"MissingClosingBrace", "{\\rtf1 a{\\b b", {":a", "b:b"}},
        ReadCase{"ExtraClosingBraces", "{\\rtf1 a}}}b", {":a"}},
        ReadCase{"TruncatedHexEscape", "{\\rtf1 a\\'4", {":a"}},
        ReadCase{"HexEscapeWithoutDigits", "{\\rtf1 a\\'zz}", {":azz"}},
        ReadCase{"HexEscapeWithOneDigit", "{\\rtf1 a\\'4z}", {":az"}},
        ReadCase{"TrailingBackslash", "{\\rtf1 a\\", {":a"}},
        ReadCase{"TruncatedUnicodeEscape", "{\\rtf1 a\\u", {":a"}},
        ReadCase{"HugeFontSizeIsCut", "{\\rtf1\\fs99999999999999999999 a}", {"fs=3276:a"}},
        ReadCase{"NegativeFontSizeIsUnset", "{\\rtf1\\fs-20 a}", {":a"}},
        ReadCase{"HugeOffsetIsCut", "{\\rtf1\\dn4000000000 a}", {"up=-3276:a"}},
        ReadCase{"HugeUnicodeIsReplaced", "{\\rtf1\\u99999999999?a}", {":\uFFFDa"}},
        ReadCase{"LoneSurrogateIsReplaced", "{\\rtf1\\u-10179?a\\u-8704?}", {":\uFFFDa\uFFFD"}},
        ReadCase{"ColourComponentsAreCut",
                 "{\\rtf1{\\colortbl;\\red999\\green-4\\blue7;}\\cf1 a}",
                 {"c=0700FF:a"}},
        ReadCase{"HugeBinaryLength", "{\\rtf1 a\\bin999999999999 xyz}", {":a"}},
        ReadCase{"ControlCharactersAreDropped", "{\\rtf1 a\\'00\\'01\x02\\u13?b}", {":ab"}},
        ReadCase{
            "FontNameWithoutSemicolon", "{\\rtf1{\\fonttbl{\\f0 Arial}}\\f0 a}", {"f=Arial:a"}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(RtfReadDeepNesting, HundredThousandGroupsNeedNoRecursion) {
    const size_t depth = 100000;
    const std::string rtf =
        "{\\rtf1 a" + std::string(depth, '{') + "\\b x" + std::string(depth, '}') + "y}";
    EXPECT_EQ(Describe(ReadRtf(rtf)), (std::vector<std::string>{":a", "b:x", ":y"}))
        << "a format set beyond the kept depth ends with the groups that hold it";
}

TEST(RtfReadDeepNesting, UnclosedGroupsEndTheDocument) {
    EXPECT_EQ(RtfPlainText(ReadRtf("{\\rtf1 a" + std::string(50000, '{') + "b")), "ab");
}

struct RoundTripCase {
    const char* Name;
    TRtfRuns Runs;
};

class RtfRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TRtfCharFormat Bold() {
    TRtfCharFormat f;
    f.Bold = true;
    return f;
}

TRtfCharFormat Everything() {
    TRtfCharFormat f;
    f.Bold = f.Italic = f.Underline = f.StrikeOut = true;
    f.FontName = "Courier New";
    f.SizeHalfPoints = 20;
    f.Color = 0x123456;
    f.OffsetHalfPoints = -4;
    return f;
}

TRtfCharFormat Coloured(uint32_t color, int size) {
    TRtfCharFormat f;
    f.Color = color;
    f.SizeHalfPoints = size;
    return f;
}

TRtfCharFormat Font(const std::string& name) {
    TRtfCharFormat f;
    f.FontName = name;
    return f;
}

TRtfCharFormat Raised(int halfPoints) {
    TRtfCharFormat f;
    f.OffsetHalfPoints = halfPoints;
    return f;
}

TEST_P(RtfRoundTripTest, ReadsBackWhatWasWritten) {
    const std::string rtf = WriteRtf(GetParam().Runs);
    EXPECT_TRUE(IsRtf(rtf));
    for (unsigned char c : rtf)
        ASSERT_LT(c, 0x80) << "RTF is written as 7-bit bytes";
    EXPECT_EQ(Describe(ReadRtf(rtf)), Describe(GetParam().Runs)) << rtf;
}

INSTANTIATE_TEST_SUITE_P(
    Runs, RtfRoundTripTest,
    ::testing::Values(
        RoundTripCase{"Empty", {}}, RoundTripCase{"PlainText", {{"Hello, world", {}}}},
        RoundTripCase{"SpecialCharacters", {{"{a}\\b; c?", {}}}},
        RoundTripCase{"BeyondAscii", {{"caf\u00e9 \u20ac \u4e2d \xF0\x9F\x98\x80 \u00a0", {}}}},
        RoundTripCase{"ParagraphsAndTabs", {{"a\nb\tc\n\n", {}}}},
        RoundTripCase{"TextStartingWithSpaceOrDigitAfterAFormat",
                      {{"a", {}}, {" b", Bold()}, {"5", Coloured(0xFF, 20)}, {"-6", {}}}},
        RoundTripCase{"EveryAttribute", {{"x", Everything()}, {"y", {}}, {"z", Everything()}}},
        RoundTripCase{"BackToUnset",
                      {{"a", Coloured(0x0000FF, 24)}, {"b", Coloured(0x00FF00, 0)}, {"c", {}}}},
        RoundTripCase{"SeveralFonts",
                      {{"a", Font("Arial")},
                       {"b", Font("Tahoma")},
                       {"c", Font("Arial")},
                       {"d", Font("Fran\u00e7ais {x}")}}},
        RoundTripCase{"Offsets", {{"a", Raised(4)}, {"b", Raised(-4)}, {"c", Raised(0)}}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(RtfWrite, FontNamesLoseTheirSemicolons) {
    EXPECT_EQ(Describe(ReadRtf(WriteRtf({{"a", Font("A;B")}}))),
              std::vector<std::string>{"f=AB:a"});
}

TEST(RtfWrite, ParagraphEndsAreParWords) {
    const std::string rtf = WriteRtf({{"a\nb", {}}});
    EXPECT_NE(rtf.find("a\\par\r\nb"), std::string::npos) << rtf;
}

TEST(RtfAppendRun, JoinsNeighboursOfOneFormatAndDropsEmptyText) {
    TRtfRuns runs;
    AppendRtfRun(runs, "a", {});
    AppendRtfRun(runs, "", Bold());
    AppendRtfRun(runs, "b", {});
    AppendRtfRun(runs, "c", Bold());
    EXPECT_EQ(Describe(runs), (std::vector<std::string>{":ab", "b:c"}));
}

} // namespace
