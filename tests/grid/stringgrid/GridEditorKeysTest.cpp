// What every editor control shares: lookup completion and the numeric character filters.
#include "grid/stringgrid/GridEditorKeys.h"

#include "platform/core/FormatSettings.h"

#include <gtest/gtest.h>

namespace {

TEST(GridEditorKeysLookup, CompletesFromTheFirstCandidateStartingWithTheTypedText) {
    struct Case {
        const char* Text;
        int SelStart;
        bool CaseSensitive;
        int Index;
        const char* Completed;
    };
    const std::vector<std::string> items = {"Abc", "abd", "Zürich"};
    const Case cases[] = {
        {"ab", 2, false, 0, "abc"},    // typed letters stay as typed
        {"ab", 2, true, 1, "abd"},     // case-sensitive skips "Abc"
        {"abx", 2, false, 0, "abc"},   // only the text before the caret counts
        {"zü", 2, false, 2, "zürich"}, // characters beyond ASCII count as one each
        {"", 0, false, -1, ""},        // an empty prefix matches nothing
        {"q", 1, false, -1, ""},
    };
    for (const Case& c : cases) {
        std::string completed;
        EXPECT_EQ(TGridEditorKeys::LookupCompletion(c.Text, c.SelStart, items, c.CaseSensitive,
                                                    completed),
                  c.Index)
            << c.Text;
        if (c.Index >= 0)
            EXPECT_EQ(completed, c.Completed) << c.Text;
    }
}

TEST(GridEditorKeysLookup, CompletionTakesAtMost255CharactersOfTheCandidate) {
    const std::vector<std::string> items = {"a" + std::string(400, 'x')};
    std::string completed;
    ASSERT_EQ(TGridEditorKeys::LookupCompletion("a", 1, items, false, completed), 0);
    EXPECT_EQ(completed.size(), 256u);
}

TEST(GridEditorKeysFilters, NumericEditTakesDigitsAndOneLeadingMinus) {
    struct Case {
        TChar Key;
        const char* Text;
        int SelStart;
        bool Allowed;
        bool Beep;
    };
    const Case cases[] = {
        {'5', "12", 2, true, false}, {'-', "12", 0, true, false}, {'-', "-12", 0, false, true},
        {'-', "12", 1, false, true}, {'a', "12", 2, false, true}, {'\b', "12", 2, true, false},
        {'.', "12", 2, false, true},
    };
    for (const Case& c : cases) {
        bool beep = false;
        EXPECT_EQ(TGridEditorKeys::NumericCharAllowed(c.Key, c.Text, c.SelStart, beep), c.Allowed)
            << static_cast<char>(c.Key) << " in " << c.Text;
        EXPECT_EQ(beep, c.Beep) << static_cast<char>(c.Key) << " in " << c.Text;
    }
}

TEST(GridEditorKeysFilters, FloatEditTakesOneDecimalSeparatorAndNoThousands) {
    TFormatSettings settings;
    settings.DecimalSeparator = ",";
    settings.ThousandSeparator = ".";
    OverrideFormatSettings(&settings);
    struct Case {
        TChar Key;
        const char* Text;
        const char* SelText;
        int SelStart;
        bool Ctrl;
        bool Allowed;
    };
    const Case cases[] = {
        {',', "1", "", 1, false, true},    {',', "1,5", "", 3, false, false},
        {',', "1,5", ",", 1, false, true}, {'.', "1", "", 1, false, false},
        {'-', "1", "", 0, false, true},    {'-', "-1", "", 0, false, false},
        {'-', "-1", "-", 0, false, true},  {'x', "1", "", 1, false, false},
        {'x', "1", "", 1, true, true},
    };
    for (const Case& c : cases) {
        bool beep = false;
        EXPECT_EQ(
            TGridEditorKeys::FloatCharAllowed(c.Key, c.Text, c.SelText, c.SelStart, c.Ctrl, beep),
            c.Allowed)
            << static_cast<char>(c.Key) << " in " << c.Text;
    }
    OverrideFormatSettings(nullptr);
}

} // namespace
