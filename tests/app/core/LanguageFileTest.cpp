#include "app/core/AppState.h"
#include "app/core/LanguageTexts.h"
#include "app/core/ULanguage.h"
#include "platform/core/Exception.h"
#include "platform/core/StringList.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// U+00B6 as the decoded files hold it.
const std::string P = "\xC2\xB6";

TStringList Defaults() {
    TStringList list;
    Load_Default_Strings(list);
    return list;
}

std::vector<std::string> Lines(const TStringList& list) {
    return {list.begin(), list.end()};
}

// What a language text should leave behind: the built-in texts with the given slots replaced.
std::vector<std::string> DefaultsWith(const std::vector<std::pair<int, std::string>>& changes) {
    TStringList list = Defaults();
    for (const auto& [slot, text] : changes)
        list[slot] = text;
    return Lines(list);
}

struct LineCase {
    const char* Rule;
    std::string Line;
    int Slot; // -1: the line changes nothing
    std::string Text;
};

const std::vector<LineCase> Line_Cases = {
    {"a line sets its slot", "STR0 = Start", 0, "Start"},
    {"blanks and tabs around the line are ignored", " \t STR0 = Start \t ", 0, "Start"},
    {"the last slot", "STR2799 = Last", 2799, "Last"},
    {"everything after the first = is the text", "STR10 = a = b", 10, "a = b"},
    {"no blank before = still names the whole number", "STR12= Info", 12, "Info"},
    {"no blank after =", "STR12 =Info", 12, "Info"},
    {"a blank between STR and the number", "STR 12 = Info", 12, "Info"},
    {"the number in the framework's hexadecimal form", "STR$0C = Info", 12, "Info"},
    {"blanks around a text without pilcrows are lost", "STR12 =   Info   ", 12, "Info"},
    {"a comment after the text is dropped", "STR10 = Use Step1 /#/ a note", 10, "Use Step1"},
    {"pilcrows keep the blanks before a comment",
     "STR9 = " + P + "None Configuration Opened " + P + " /#/ x", 9, "None Configuration Opened "},
    {"pilcrows keep leading blanks", "STR305 = " + P + "  Page" + P, 305, "  Page"},
    {"an opening pilcrow alone keeps the blanks after it", "STR12 = " + P + "  Info", 12, "  Info"},
    {"text after the closing pilcrow is dropped", "STR12 = " + P + "Info " + P + " rest", 12,
     "Info "},
    {"two pilcrows set the empty text", "STR12 = " + P + P, 12, ""},
    {"the comment mark cannot stand inside pilcrows", "STR12 = " + P + "a /#/ b" + P, 12, "a"},
    {"an empty text leaves the slot alone", "STR12 = ", -1, ""},
    {"a text that is only a comment leaves the slot alone", "STR12 = /#/ nothing", -1, ""},
    {"a lower-case prefix is ignored", "str0 = Start", -1, ""},
    {"any character before STR is ignored", "#STR0 = Start", -1, ""},
    {"a line without = is ignored", "STR12 Info", -1, ""},
    {"a line without a number is ignored", "STR = Info", -1, ""},
    {"a number with other characters is ignored", "STR1x = Info", -1, ""},
    {"a number with an inner blank is ignored", "STR1 2 = Info", -1, ""},
    {"slot 2800 lies beyond the list", "STR2800 = Late", -1, ""},
    {"a negative slot is ignored", "STR-1 = Minus", -1, ""},
    {"a slot number too large for an integer is ignored", "STR99999999999 = Big", -1, ""},
};

TEST(LanguageFileTest, EachLineRule) {
    for (const LineCase& c : Line_Cases) {
        SCOPED_TRACE(c.Rule);
        TStringList list = Defaults();
        Apply_Language_Text(list, c.Line, Language_Slot_Count);
        if (c.Slot < 0)
            EXPECT_EQ(Lines(list), Lines(Defaults()));
        else
            EXPECT_EQ(Lines(list), DefaultsWith({{c.Slot, c.Text}}));
    }
}

TEST(LanguageFileTest, ALaterLineForTheSameSlotWins) {
    TStringList list = Defaults();
    Apply_Language_Text(list, "STR10 = first\nSTR10 = second\n", Language_Slot_Count);
    EXPECT_EQ(list[10], "second");
}

TEST(LanguageFileTest, LinesEndWithCrLfLfOrCr) {
    TStringList list = Defaults();
    Apply_Language_Text(list, "STR1 = a\r\nSTR2 = b\rSTR3 = c\nSTR4 = d", Language_Slot_Count);
    EXPECT_EQ(Lines(list), DefaultsWith({{1, "a"}, {2, "b"}, {3, "c"}, {4, "d"}}));
}

TEST(LanguageFileTest, SlotsAtOrAboveTheLimitOrBeyondTheListAreIgnored) {
    TStringList list = Defaults();
    Apply_Language_Text(list, "STR99 = in\nSTR100 = out", 100);
    EXPECT_EQ(Lines(list), DefaultsWith({{99, "in"}}));

    TStringList empty;
    Apply_Language_Text(empty, "STR0 = Start", Language_Slot_Count);
    EXPECT_EQ(empty.Count(), 0);
}

std::string Utf16Bytes(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

struct EncodingCase {
    const char* Encoding;
    std::string Bytes;
};

TEST(LanguageFileTest, FilesAreReadInTheEncodingTheirByteOrderMarkNames) {
    const std::u16string text = u"STR9 = \u00B6Caf\u00E9 \u00B6\r\nSTR10 = Se\u00F1or\r\n";
    const std::vector<EncodingCase> cases = {
        {"UTF-8", "\xEF\xBB\xBFSTR9 = \xC2\xB6"
                  "Caf\xC3\xA9 \xC2\xB6\r\nSTR10 = Se\xC3\xB1or\r\n"},
        {"UTF-16 LE", Utf16Bytes(text, false)},
        {"UTF-16 BE", Utf16Bytes(text, true)},
        {"Windows-1252 without a mark", "STR9 = \xB6"
                                        "Caf\xE9 \xB6\r\nSTR10 = Se\xF1or\r\n"},
        // As written on Linux: UTF-8 with no mark.
        {"UTF-8 without a mark", "STR9 = \xC2\xB6"
                                 "Caf\xC3\xA9 \xC2\xB6\r\nSTR10 = Se\xC3\xB1or\r\n"},
    };
    const TTempFolder folder;
    for (const EncodingCase& c : cases) {
        SCOPED_TRACE(c.Encoding);
        TStringList list = Defaults();
        Load_Language_File(list, folder.Write("Test.lng", c.Bytes), Language_Slot_Count);
        EXPECT_EQ(Lines(list), DefaultsWith({{9, "Caf\xC3\xA9 "}, {10, "Se\xC3\xB1or"}}));
    }
}

TEST(LanguageFileTest, AFileThatCannotBeReadThrowsAndChangesNothing) {
    const TTempFolder folder;
    for (const fs::path& path : {fs::path(folder.File("Missing.lng")), fs::path(folder.Path())}) {
        SCOPED_TRACE(path.string());
        TStringList list = Defaults();
        EXPECT_THROW(Load_Language_File(list, path.string(), Language_Slot_Count), EFileError);
        EXPECT_EQ(Lines(list), Lines(Defaults()));
    }
}

// The program ships English.lng so that Options can offer English again; it must change nothing.
TEST(LanguageFileTest, TheShippedEnglishFileKeepsTheBuiltInTexts) {
    TStringList list = Defaults();
    Load_Language_File(list, std::string(VELMARO_FIXTURES) + "/../../language/English.lng",
                       Language_Slot_Count);
    EXPECT_EQ(Lines(list), Lines(Defaults()));
}

// Load_Language works on the application state; each test gets a language folder of its own and
// leaves the state as it found it.
class LoadLanguageTest : public ::testing::Test {
protected:
    void SetUp() override {
        State.Language_Dir = Folder.Path();
        State.Language_Name = "English";
    }
    void TearDown() override { State = Saved; }

    void CopyFixture(const std::string& name) const {
        fs::copy_file(fs::path(VELMARO_FIXTURES) / "app/core/language" / name, Folder.File(name));
    }

    TAppState& State = AppState();
    const TAppState Saved = AppState();
    const TTempFolder Folder;
};

TEST_F(LoadLanguageTest, TheChosenLanguageFileReplacesTheTextsItSets) {
    CopyFixture("Italiano.lng");
    State.Language_Name = "Italiano";
    Load_Language();
    EXPECT_EQ(State.Language_Name, "Italiano");
    EXPECT_EQ(State.Language_Count, Language_Slot_Count);
    EXPECT_EQ(Lines(State.Language_List), DefaultsWith({{0, "Inizio"},
                                                        {9, "Nessuna Configurazione Aperta "},
                                                        {12, "Informazioni"},
                                                        {15, "Nuova Configurazione"},
                                                        {305, "Pagina "},
                                                        {1237, "Errore riga "},
                                                        {1536, "Dispositivo non trovato!"},
                                                        {2000, "Cos\xC3\xAC"}}));
}

struct FallbackCase {
    const char* Situation;
    bool EnglishFileExists;
    std::vector<std::pair<int, std::string>> Expected;
};

TEST_F(LoadLanguageTest, AMissingLanguageFileFallsBackToEnglish) {
    const std::vector<FallbackCase> cases = {
        {"with English.lng", true, {{0, "Start"}}},
        {"without English.lng", false, {}},
    };
    for (const FallbackCase& c : cases) {
        SCOPED_TRACE(c.Situation);
        fs::remove(Folder.File("English.lng"));
        if (c.EnglishFileExists)
            Folder.Write("English.lng", "STR0 = Start\r\n");
        State.Language_Name = "Deutsch";
        Load_Language();
        EXPECT_EQ(State.Language_Name, "English");
        EXPECT_EQ(Lines(State.Language_List), DefaultsWith(c.Expected));
    }
}

TEST_F(LoadLanguageTest, AFolderNamedLikeTheLanguageFileCountsAsMissing) {
    fs::create_directory(Folder.File("Deutsch.lng"));
    Folder.Write("English.lng", "STR0 = Start\r\n");
    State.Language_Name = "Deutsch";
    Load_Language();
    EXPECT_EQ(State.Language_Name, "English");
    EXPECT_EQ(Lines(State.Language_List), DefaultsWith({{0, "Start"}}));
}

TEST_F(LoadLanguageTest, AChangeOfLanguageStartsAgainFromEnglish) {
    Folder.Write("Deutsch.lng", "STR0 = Anfang\r\nSTR1 = Schritt 1\r\n");
    Folder.Write("Nederlands.lng", "STR0 = Begin hier\r\n");
    State.Language_Name = "Deutsch";
    Load_Language();
    State.Language_Name = "Nederlands";
    Load_Language();
    EXPECT_EQ(Lines(State.Language_List), DefaultsWith({{0, "Begin hier"}}));
}

} // namespace
