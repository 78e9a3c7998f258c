#include "ScopedFormatSettings.h"
#include "grid/foundation/ExUtil.h"

#include <gtest/gtest.h>

TEST(ExUtilNumber, TextKind) {
    struct Case {
        std::string Text;
        bool AllowHTML;
        int Kind;
    };
    const std::vector<Case> cases = {
        {"", true, tkPlain},
        {"=", false, tkFormula},
        {"=A1+B2", false, tkFormula},
        {"|", false, tkPlain},
        {"{\\rtf1 x}", false, tkRTF},
        {"<b>x</b>", false, tkPlain},
        {"<b>x</b>", true, tkHTML},
        {"<b>x", true, tkPlain}, // only "<B", "<I", "<C" in capitals or a closing tag count
        {"<B>x", true, tkHTML},
        {"1 < 2 <I>", true, tkHTML}, // a tag after a lone "<"
        {"x<", true, tkPlain},
        {"\xC3\xA4=1", false, tkPlain}, // only a leading "=" is a formula
        {"{rtf", false, tkPlain},
        {PackWideText(u"="), false, tkPackedWide},
        {PackWideText(u"=1"), false, tkFormula},
        {PackWideText(u"=\u4E00"), false, tkPackedWide},
        {PackWideText(u"ab"), false, tkPackedWide},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetTextKind(c.Text, c.AllowHTML), c.Kind) << c.Text;
}

TEST(ExUtilNumber, NumberKind) {
    ScopedFormatSettings locale(ScopedFormatSettings::English());
    struct Case {
        const char* Text;
        int Kind;
    };
    const std::vector<Case> cases = {
        {"123", nkInteger},     {"-123", nkInteger},  {"-", nkInteger},
        {"12-3", nkNone},       {"1,234.5", nkFloat}, {"1,23,4", nkNone},
        {"1.5e3", nkExponent},  {"1e", nkNone},       {"e5", nkNone},
        {"1.2.3", nkNone},      {"", nkNone},         {"-1.5e-3", nkExponent},
        {"1.5e3e", nkNone},     {"abc", nkNone},      {"\u0663\u0664", nkInteger}, // Arabic-Indic
        {"2\u00B2", nkInteger},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetNumberKind(c.Text), c.Kind) << c.Text;
}

TEST(ExUtilNumber, NormalizeNumberFollowsTheLocale) {
    struct Case {
        TFormatSettings Locale;
        const char* Text;
        const char* Expected;
    };
    const std::vector<Case> cases = {
        {ScopedFormatSettings::European(), "1.234,5", "1234.5"},
        {ScopedFormatSettings::European(), "(12,50)", "-12.50"},
        {ScopedFormatSettings::European(), "\u20AC -7", "-7"},
        {ScopedFormatSettings::English(), "  (1,234.50)  ", "-1234.50"},
        {ScopedFormatSettings::English(), "12 kg", "12"},
        {ScopedFormatSettings::English(), "", ""},
    };
    for (const Case& c : cases) {
        ScopedFormatSettings locale(c.Locale);
        EXPECT_EQ(NormalizeNumber(c.Text), c.Expected) << c.Text;
    }
}

TEST(ExUtilNumber, PackedWideTextRoundTrips) {
    EXPECT_EQ(PackWideText(u"A"), std::string("|\\") + std::string(1, '\0') + "A");
    EXPECT_EQ(PackWideText(u""), "|\\");
    EXPECT_EQ(UnpackWideText(PackWideText(u"A")), u"A");
    EXPECT_EQ(UnpackWideText("abc"), u"abc");
    const std::u16string wide = u"\u4E2D\u00E9x\U0001F600";
    EXPECT_EQ(UnpackWideText(PackWideText(wide)), wide);
    // A single character left at the end is ignored.
    EXPECT_EQ(UnpackWideText(PackWideText(u"A") + "B"), u"A");
}
