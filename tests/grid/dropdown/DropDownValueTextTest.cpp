#include "grid/dropdown/DropDownValueText.h"

#include "grid/foundation/ScopedFormatSettings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ValueCase {
    const char* EditText;
    const char* Prefix;
    const char* Suffix;
    const char* Value;
};

TEST(DropDownValueText, ValueSitsBetweenPrefixAndSuffix) {
    const ValueCase cases[] = {
        {"$ 12 EUR", "$ ", " EUR", "12"},
        {"12 EUR", "$ ", " EUR", "12"},
        {"$ 12", "$ ", "", "12"},
        // A text that lost its suffix keeps its last characters.
        {"$ 1234", "$ ", " EUR", "1234"},
        {" EUR", "", " EUR", ""},
        {"EUR", "", " EUR", "EUR"},
        {"", "$ ", " EUR", ""},
    };
    for (const ValueCase& c : cases)
        EXPECT_EQ(ValueOfEditText(c.EditText, c.Prefix, c.Suffix), c.Value) << c.EditText;
}

struct WriteCase {
    const char* Written;
    TDropDownEditType Type;
    int Precision;
    const char* Shown;
};

TEST(DropDownValueText, WrittenValuesAreFormattedForTheirType) {
    ScopedFormatSettings english(ScopedFormatSettings::English());
    const WriteCase cases[] = {
        {"", etString, 0, ""},
        {"", etNumeric, 0, "0"},
        {"", etFloat, 2, "0.00"},
        {"", etMoney, 2, "0.00"},
        {"", etHex, 0, "0"},
        {"3.14159", etFloat, 2, "3.14"},
        {"2.5", etFloat, 0, "2.5"},
        {"1234567.5", etMoney, 2, "1,234,567.50"},
        {"-1234.567", etMoney, 1, "-1,234.6"},
        {"1,234.5", etFloat, 3, "1234.500"},
        {"abc", etFloat, 2, "0.00"},
        {"Error", etFloat, 2, "Error"},
        {"ff", etHex, 0, "FF"},
        {"abc", etUppercase, 0, "abc"},
    };
    for (const WriteCase& c : cases)
        EXPECT_EQ(FormatWrittenValue(c.Written, c.Type, c.Precision), c.Shown) << c.Written;
}

TEST(DropDownValueText, NumbersFollowTheLocaleSeparators) {
    ScopedFormatSettings european(ScopedFormatSettings::European());
    EXPECT_EQ(FormatDropDownNumber(1234567.891, 2, true), "1.234.567,89");
    EXPECT_EQ(FormatDropDownNumber(1234.5, 1, false), "1234,5");
    EXPECT_EQ(FormatDropDownNumber(-0.001, 2, false), "0,00") << "no sign for a zero";
    EXPECT_DOUBLE_EQ(StrToFloatSafe("1.234,5"), 1234.5);
    EXPECT_DOUBLE_EQ(StrToFloatSafe("12x"), 0);
    EXPECT_DOUBLE_EQ(StrToFloatSafe(""), 0);
}

struct PasteCase {
    const char* Name;
    TDropDownEditType Type;
    int Precision;
    bool Signed;
    const char* Composed;
    const char* Pasted;
    TPasteAction Action;
};

class PasteRules : public ::testing::TestWithParam<PasteCase> {};

TEST_P(PasteRules, TakeWhatTypingWouldTake) {
    ScopedFormatSettings english(ScopedFormatSettings::English());
    const PasteCase& c = GetParam();
    const TPasteOutcome outcome =
        ApplyPasteRules({c.Type, c.Precision, c.Signed, "abc"}, c.Composed, c.Pasted);
    EXPECT_EQ(outcome.Action, c.Action);
}

INSTANTIATE_TEST_SUITE_P(
    Types, PasteRules,
    ::testing::Values(
        PasteCase{"NumericDigits", etNumeric, 0, false, "512", "12", paSetText},
        PasteCase{"NumericLetter", etNumeric, 0, false, "512a", "12a", paRefuse},
        PasteCase{"NumericUnsignedMinus", etNumeric, 0, false, "-3", "-3", paRefuse},
        PasteCase{"NumericSignedMinus", etNumeric, 0, true, "-3", "-3", paSetText},
        PasteCase{"FloatDecimal", etFloat, 2, false, "1.5", "1.5", paSetNumber},
        PasteCase{"FloatNoDecimals", etFloat, 0, false, "1.5", "1.5", paRefuse},
        PasteCase{"FloatText", etFloat, 2, false, "1.5x", "x", paRefuse},
        PasteCase{"MoneyHexLooking", etMoney, 2, false, "1A", "A", paRefuse},
        PasteCase{"HexDigits", etHex, 0, false, "ff0", "ff", paSetText},
        PasteCase{"HexBeyondF", etHex, 0, false, "fg", "fg", paRefuse},
        PasteCase{"RangeList", etRange, 0, false, "1-3;5", "1-3;5", paSetText},
        PasteCase{"RangeDoubleSeparator", etRange, 0, false, "1--3", "--3", paRefuse},
        PasteCase{"RangeLeadingSeparator", etRange, 0, false, ";5", ";5", paRefuse},
        PasteCase{"RangeLetter", etRange, 0, false, "1a", "a", paRefuse},
        PasteCase{"AlphaNumeric", etAlphaNumeric, 0, false, "ab12", "ab12", paSetText},
        PasteCase{"AlphaNumericBlank", etAlphaNumeric, 0, false, "ab 12", "ab 12", paRefuse},
        PasteCase{"ValidChars", etValidChars, 0, false, "cab", "cab", paSetText},
        PasteCase{"ValidCharsOther", etValidChars, 0, false, "abd", "abd", paRefuse},
        PasteCase{"StringAnything", etString, 0, false, "a\tb", "\t", paSetText}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(DropDownValueText, PastedCaseFollowsTheType) {
    EXPECT_EQ(ApplyPasteRules({etUppercase, 0, false, ""}, "abc", "abc").Value, "ABC");
    EXPECT_EQ(ApplyPasteRules({etLowerCase, 0, false, ""}, "ABC", "ABC").Value, "abc");
    EXPECT_EQ(ApplyPasteRules({etMixedCase, 0, false, ""}, "john smith", "john smith").Value,
              "John Smith");
}

} // namespace
