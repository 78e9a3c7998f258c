#include "platform/core/Text.h"

#include <gtest/gtest.h>

namespace {

struct TrimCase {
    std::string Input;
    std::string Both, Left, Right;
};

TEST(Trim, RemovesBlanksAndControlCharactersAtTheEndsOnly) {
    const std::vector<TrimCase> cases = {
        {"", "", "", ""},
        {"   ", "", "", ""},
        {"abc", "abc", "abc", "abc"},
        {" \t a b \r\n", "a b", "a b \r\n", " \t a b"},
        {std::string("\x01x\x1f", 3), "x", "x\x1f", "\x01x"},
        // Bytes above 0x7F belong to UTF-8 characters and are never trimmed.
        {"\xC2\xA0x\xC3\xA9", "\xC2\xA0x\xC3\xA9", "\xC2\xA0x\xC3\xA9", "\xC2\xA0x\xC3\xA9"},
    };
    for (const TrimCase& c : cases) {
        EXPECT_EQ(Trim(c.Input), c.Both) << c.Input;
        EXPECT_EQ(TrimLeft(c.Input), c.Left) << c.Input;
        EXPECT_EQ(TrimRight(c.Input), c.Right) << c.Input;
    }
}

TEST(CaseFolding, ChangesAsciiLettersOnly) {
    EXPECT_EQ(UpperCase("Secondary master \xC3\xA9"), "SECONDARY MASTER \xC3\xA9");
    EXPECT_EQ(LowerCase("ABC-xyz"), "abc-xyz");
    EXPECT_TRUE(SameText("Var Burst", "VAR burst"));
    EXPECT_FALSE(SameText("Var", "Var "));
    EXPECT_FALSE(SameText("\xC3\xA9", "\xC3\x89")); // é and É differ outside ASCII
}

TEST(StartsWith, IsCaseSensitive) {
    EXPECT_TRUE(StartsWith("STR12 = x", "STR"));
    EXPECT_FALSE(StartsWith("str12 = x", "STR"));
    EXPECT_FALSE(StartsWith("ST", "STR"));
    EXPECT_TRUE(StartsWith("anything", ""));
}

TEST(ReplaceAll, ReplacesEveryOccurrenceLeftToRight) {
    EXPECT_EQ(ReplaceAll("a\\b\\c", "\\", "/"), "a/b/c");
    EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
    EXPECT_EQ(ReplaceAll("abc", "b", ""), "ac");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceAll("xx", "x", "xx"), "xxxx");
}

TEST(Join, PutsTheSeparatorBetweenPartsOnly) {
    EXPECT_EQ(Join({}, ", "), "");
    EXPECT_EQ(Join({"a"}, ", "), "a");
    EXPECT_EQ(Join({"a", "", "b"}, "\n"), "a\n\nb");
}

} // namespace
