#include "platform/core/StringList.h"
#include "platform/core/Exception.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Lines(const TStringList& list) {
    return {list.begin(), list.end()};
}

TEST(TStringList, EditsByIndexAndRefusesIndexesOutOfRange) {
    TStringList list;
    EXPECT_EQ(list.Add("Var"), 0);
    EXPECT_EQ(list.Add("Command"), 1);
    list.Insert(1, "Var Burst");
    list.Insert(3, "last");
    list[3] = "changed";
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"Var", "Var Burst", "Command", "changed"}));
    list.Delete(3);
    EXPECT_EQ(list.Count(), 3);

    EXPECT_THROW(list[3], Exception);
    EXPECT_THROW(list[-1], Exception);
    EXPECT_THROW(list.Delete(3), Exception);
    EXPECT_THROW(list.Insert(5, "x"), Exception);
    EXPECT_EQ(list.Count(), 3);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(TStringList, IndexOfFollowsCaseSensitivity) {
    TStringList list;
    list.SetText("None\nx 10\nX 100");
    EXPECT_EQ(list.IndexOf("NONE"), 0);
    EXPECT_EQ(list.IndexOf("x 100"), 2);
    EXPECT_EQ(list.IndexOf("x 1000"), -1);
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("NONE"), -1);
    EXPECT_EQ(list.IndexOf("None"), 0);
}

TEST(TStringList, SortedListsInsertInOrderAndRefuseInsertAt) {
    TStringList list;
    list.SetText("Italiano\nenglish\nDeutsch");
    list.SetSorted(true);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"Deutsch", "english", "Italiano"}));
    EXPECT_EQ(list.Add("Francais"), 2);
    EXPECT_THROW(list.Insert(0, "x"), Exception);
    list.SetCaseSensitive(true);
    EXPECT_EQ(list[0], "Deutsch");
    EXPECT_EQ(list[3], "english");
}

struct TSplitCase {
    std::string Text;
    std::vector<std::string> Lines;
};

TEST(TStringList, SetTextSplitsAtEveryKindOfLineEnd) {
    const std::vector<TSplitCase> cases = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"a\n\nb\r\n\r\n", {"a", "", "b", ""}},
        {"\n", {""}},
    };
    for (const TSplitCase& c : cases) {
        TStringList list;
        list.SetText(c.Text);
        EXPECT_EQ(Lines(list), c.Lines) << c.Text;
    }
    TStringList list;
    list.SetText("a\r\nb");
    EXPECT_EQ(list.Text(), "a\nb");
}

struct SaveCase {
    const char* Name;
    std::string Loaded;
    std::string Saved;
};

TEST(TStringList, SaveKeepsTheEncodingOfTheLoadedFile) {
    const std::vector<SaveCase> cases = {
        {"ansi", "caf\xE9\n", "caf\xE9\r\n"},
        {"utf8 without mark", "caf\xC3\xA9\n", "caf\xC3\xA9\r\n"},
        {"utf8bom", "\xEF\xBB\xBF\xCE\xA9\r\n", "\xEF\xBB\xBF\xCE\xA9\r\n"},
        {"utf16", std::string("\xFF\xFE\xA9\x03", 4), std::string("\xFF\xFE\xA9\x03\r\0\n\0", 8)},
    };
    TTempFolder folder;
    for (const SaveCase& c : cases) {
        TStringList list;
        list.LoadFromFile(folder.Write(c.Name, c.Loaded));
        list.SaveToFile(folder.File(c.Name));
        EXPECT_EQ(TTempFolder::Read(folder.File(c.Name)), c.Saved) << c.Name;
    }
}

TEST(TStringList, ANewListSavesAnsiWhenPossibleElseUtf8WithMark) {
    TTempFolder folder;
    TStringList list;
    list.SetText("STR0 = caf\xC3\xA9");
    list.SaveToFile(folder.File("fits"));
    EXPECT_EQ(TTempFolder::Read(folder.File("fits")), "STR0 = caf\xE9\r\n");

    list.Add("STR1 = \xCE\xA9");
    list.SaveToFile(folder.File("wide"));
    TStringList reread;
    reread.LoadFromFile(folder.File("wide"));
    EXPECT_EQ(Lines(reread), Lines(list));
    EXPECT_TRUE(TTempFolder::Read(folder.File("wide")).starts_with("\xEF\xBB\xBF"));
}

TEST(TStringList, AnAnsiFileThatNowHoldsOtherCharactersIsSavedWithoutLoss) {
    TTempFolder folder;
    const std::string path = folder.Write("Italiano.lng", "STR0 = caf\xE9\r\n");
    TStringList list;
    list.LoadFromFile(path);
    list.Add("STR1 = \xCE\xA9 \xE2\x82\xAC"); // omega has no byte in the code page
    list.SaveToFile(path);

    TStringList reread;
    reread.LoadFromFile(path);
    EXPECT_EQ(Lines(reread), Lines(list));
    EXPECT_EQ(TTempFolder::Read(path),
              "\xEF\xBB\xBFSTR0 = caf\xC3\xA9\r\nSTR1 = \xCE\xA9 \xE2\x82\xAC\r\n");
}

TEST(TStringList, LoadingAMissingFileRaisesAndKeepsTheLines) {
    TTempFolder folder;
    TStringList list;
    list.Add("kept");
    EXPECT_THROW(list.LoadFromFile(folder.File("absent.txt")), EFileError);
    EXPECT_EQ(Lines(list), std::vector<std::string>{"kept"});
}

} // namespace
