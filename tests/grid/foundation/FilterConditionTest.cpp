#include "grid/foundation/FilterCondition.h"
#include "ScopedFormatSettings.h"
#include "grid/foundation/ExUtil.h"

#include <gtest/gtest.h>

namespace {
struct FilterCase {
    const char* Condition;
    const char* Value;
    bool CaseSensitive;
    bool Expected;
};

void ExpectMatches(const std::vector<FilterCase>& cases) {
    for (const FilterCase& c : cases)
        EXPECT_EQ(MatchFilterCondition(c.Condition, c.Value, c.CaseSensitive), c.Expected)
            << "'" << c.Condition << "' on '" << c.Value << "'"
            << (c.CaseSensitive ? " (case-sensitive)" : "");
}
} // namespace

TEST(FilterCondition, ComparisonsWithDecimalComma) {
    ScopedFormatSettings locale(ScopedFormatSettings::European());
    ExpectMatches({
        {">10", "9,5", false, false},
        {">10", "11", false, true},
        {">=5", "5", false, true},
        {">5", "5", false, false},
        {"<=10", "10", false, true},
        {"<3", "1.000", false, false}, // thousand separator: one thousand
        {">9", "10", false, true},     // by number, not as text
        {">b", "c", false, true},      // texts compare as texts
        {">5", ">5", false, true},     // a failed test still matches the literal pattern
        {">01/02/2020", "15/02/2020", false, true}, // dates by date, day first
        {"<01/02/2020", "15/01/2021", false, false},
    });
}

TEST(FilterCondition, WildcardsNegationAndCase) {
    ScopedFormatSettings locale(ScopedFormatSettings::English());
    ExpectMatches({
        {"a*", "ABC", false, true},
        {"a*", "ABC", true, false},
        {"!a*", "abc", false, false},
        {"!a*", "xbc", false, true},
        {"*bc*", "abcd", false, true},
        {"a?c", "abc", false, true},
        {"a?c", "ac", false, false},
        {"a*c", "abXc", true, true},
        {"=abc", "abc", true, true}, // a leading '=' is dropped
        {"é*", "ÉTÉ", false, true},  // full case mapping beyond ASCII
        {"   ", "", false, true},    // only blanks: matches only an empty value
        {"   ", "x", false, false},
        {"\"a b\"", "a b", false, true}, // blanks inside quotes are kept
    });
}

TEST(FilterCondition, JoinersAndGroupsLeftToRight) {
    ScopedFormatSettings locale(ScopedFormatSettings::English());
    ExpectMatches({
        {"(>1&<5)|9", "9", false, true},
        {"(>1&<5)|9", "3", false, true},
        {"(>1&<5)|9", "7", false, false},
        {"a|b", "b", false, true},
        {"a;b", "b", false, true},
        {"a^b", "a", false, true},
        {"a&b", "a", false, false},
        {"a|b&c", "a", false, false}, // no precedence: (a or b) and c
        {"\"<=10&>=5\"", "7", false, true},
        {"\"<=10&>=5\"", "11", false, false},
        {"((a|b))", "b", false, true},
    });
}

TEST(FilterCondition, UnbalancedParenthesisEndsWithNoMatch) {
    ScopedFormatSettings locale(ScopedFormatSettings::English());
    ExpectMatches({
        {"(a|b", "a", false, false},
        {"((a)", "a", false, false},
        {"x|(a", "x", false, false},
        {"(", "", false, false},
    });
}

TEST(FilterCondition, DeeplyNestedGroupsStillEvaluate) {
    ScopedFormatSettings locale(ScopedFormatSettings::English());
    const size_t depth = 100000;
    const std::string opens(depth, '(');
    const std::string closes(depth, ')');
    const std::string condition = opens + "a*|b*" + closes + "&*z";
    EXPECT_TRUE(MatchFilterCondition(condition, "bz", true));
    EXPECT_FALSE(MatchFilterCondition(condition, "b", true)); // the group holds, "&*z" does not
    EXPECT_FALSE(MatchFilterCondition(condition, "cz", true));
    EXPECT_FALSE(MatchFilterCondition(opens + "a" + closes.substr(1), "a", false)); // one short
}

TEST(FilterCondition, MalformedConditionsEndQuietly) {
    ScopedFormatSettings locale(ScopedFormatSettings::English());
    ExpectMatches({
        {"))))", "x", false, false},
        {"\"", "", false, true}, // a lone quote is skipped by the wildcard match
        {"(\")\"", "x", false, false},
        {">", "", false, false},
        {"<", "a", false, false},
        {"&&&", "", false, true}, // empty parts match an empty value
        {"|||", "", false, true},
        {"*?*?*", "ab", false, true},
        {"*?*?*", "a", false, false},
        {">=<=", "5", false, false},
    });
}

TEST(FilterCondition, QuotedGreaterOperandKeepsItsBlank) {
    ScopedFormatSettings locale(ScopedFormatSettings::English());
    // "a b" is compared with the blank: "a c" > "a b" but "a" alone is not.
    EXPECT_TRUE(MatchCondition(">\"a b\"", "a c"));
    EXPECT_FALSE(MatchCondition(">\"a b\"", "a"));
}

TEST(FilterCondition, ComparesWholeTextsBeyond255Characters) {
    ScopedFormatSettings locale(ScopedFormatSettings::English());
    const std::string common(300, 'x');
    EXPECT_TRUE(MatchCondition(">" + common + "a", common + "b"));
    EXPECT_FALSE(MatchCondition(">" + common + "b", common + "a"));
}

TEST(FilterCondition, ParseLocaleDateTime) {
    ScopedFormatSettings locale(ScopedFormatSettings::European());
    struct Case {
        const char* Text;
        bool Ok;
        int Hour, Minute, Second;
    };
    const std::vector<Case> cases = {
        {"31/12/2020 23:59", true, 23, 59, 0}, {"31/12/2020 23:59:60", false, 0, 0, 0},
        {"32/01/2020", false, 0, 0, 0},        {"31/12/2020 12", false, 0, 0, 0},
        {"31/12/2020 7:30", true, 7, 30, 0},   {"31/12/2020 7:30:15", true, 7, 30, 15},
        {"31/12/2020 24:00", false, 0, 0, 0},  {"31/12/2020 7:60", false, 0, 0, 0},
        {"30/02/2020", false, 0, 0, 0},        {"31/12", false, 0, 0, 0},
        {"a/12/2020", false, 0, 0, 0},         {"31/12/2020", true, 0, 0, 0},
    };
    for (const Case& c : cases) {
        TDateTime value = -1;
        EXPECT_EQ(ParseLocaleDateTime(c.Text, value), c.Ok) << c.Text;
        if (!c.Ok)
            continue;
        int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, ms = 0;
        TGridDate::DecodeDate(value, y, m, d);
        TGridDate::DecodeTime(value, h, n, s, ms);
        EXPECT_EQ(y * 10000 + m * 100 + d, 20201231) << c.Text;
        EXPECT_EQ(h * 3600 + n * 60 + s, c.Hour * 3600 + c.Minute * 60 + c.Second) << c.Text;
    }
}

TEST(FilterCondition, ParseLocaleDateTimeFollowsTheFormatOrder) {
    TFormatSettings settings = ScopedFormatSettings::English();
    settings.ShortDateFormat = "yyyy-MM-dd";
    settings.DateSeparator = "-";
    ScopedFormatSettings locale(settings);
    TDateTime value = 0;
    ASSERT_TRUE(ParseLocaleDateTime("2021-03-04", value));
    EXPECT_EQ(value, TGridDate::EncodeDate(2021, 3, 4));
}
