// The INI file: read whole, looked up without regard to case, written back whole and atomically
// with everything it did not change kept.
#include "platform/core/IniFile.h"
#include "platform/core/Exception.h"
#include "tests/platform/core/ScopedEnvironment.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(IniFile, ReadsSectionsAndValuesWhateverTheirCaseAndLineEnds) {
    TIniFile ini("unused.ini");
    ini.SetText("\xEF\xBB\xBF; top comment\r\n[Grid]\r\n Col0 = 64 \r\nCol1=x=y\r[other]\nCol0=7\n"
                "[GRID]\nPos0=2");
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Grid", "other"}));
    EXPECT_EQ(ini.ReadSection("grid"), (std::vector<std::string>{"Col0", "Col1", "Pos0"}));
    EXPECT_EQ(ini.ReadInteger("grid", "col0", -1), 64);
    EXPECT_EQ(ini.ReadString("Grid", "Col1", ""), "x=y"); // only the first "=" splits
    EXPECT_EQ(ini.ReadInteger("Other", "COL0", -1), 7);
    EXPECT_EQ(ini.ReadInteger("Grid", "Pos0", -1), 2); // a repeated header continues its section
    EXPECT_EQ(ini.ReadString("Grid", "Missing", "def"), "def");
    EXPECT_EQ(ini.ReadString("Missing", "Col0", "def"), "def");
}

TEST(IniFile, WrittenTextReadsBackToTheSameValues) {
    // A name that starts with the bytes of a byte-order mark keeps them through a save.
    TIniFile ini("unused.ini");
    ini.SetText(" \xEF\xBB\xBFkey=1\n[S]\nx = 2 \n");
    const std::string text = ini.Text();
    TIniFile again("unused.ini");
    again.SetText(text);
    EXPECT_EQ(again.Text(), text);
    EXPECT_EQ(again.ReadSection("S"), ini.ReadSection("S"));
    EXPECT_EQ(again.ReadString("S", "x", ""), "2");
}

TEST(IniFile, TypedReadsFallBackOnMalformedValues) {
    struct Case {
        const char* Value;
        int Integer;
        bool Boolean;
    };
    const Case cases[] = {
        {"12", 12, true},  {"-3", -3, true},  {"$1F", 31, true}, {"1", 1, true},
        {"0", 0, false},   {"", -9, true},    {"12a", -9, true}, {"99999999999", -9, true},
        {"yes", -9, true}, {"1 2", -9, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Value);
        TIniFile ini("unused.ini");
        ini.SetText(std::string("[S]\nV=") + c.Value + "\n");
        EXPECT_EQ(ini.ReadInteger("S", "V", -9), c.Integer);
        EXPECT_EQ(ini.ReadBool("S", "V", true), c.Boolean);
    }
}

TEST(IniFile, WritesKeepCommentsOrderAndUnrelatedLines) {
    TIniFile ini("unused.ini");
    ini.SetText("; keep me\n[A]\nx=1\n\n# and me\ny=2\n[B]\nz=3\n");
    ini.WriteInteger("a", "X", 10); // replaces in place, keeps the stored name
    ini.WriteString("A", "w", "new");
    ini.WriteBool("C", "flag", true);
    ini.DeleteKey("B", "z");
    EXPECT_EQ(ini.Text(), "; keep me\n[A]\nx=10\n\n# and me\ny=2\nw=new\n[B]\n[C]\nflag=1\n");
    ini.EraseSection("b");
    EXPECT_FALSE(ini.SectionExists("B"));
    EXPECT_TRUE(ini.ValueExists("c", "FLAG"));
}

TEST(IniFile, RefusesWritesThatWouldNotReadBack) {
    struct Case {
        const char* Section;
        const char* Ident;
        const char* Value;
    };
    const Case cases[] = {
        {"", "k", "v"},    {"A]", "k", "v"},     {"A\nB", "k", "v"}, {"A", "", "v"},
        {"A", "k=1", "v"}, {"A", "k\n[B]", "v"}, {"A", " k", "v"},   {"A", "[k", "v"},
        {"A", ";k", "v"},  {"A", "k", "v\nx=1"}, {"A", "k", "v\r"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Section) + "|" + c.Ident + "|" + c.Value);
        TIniFile ini("unused.ini");
        ini.SetText("[A]\nk=old\n");
        EXPECT_THROW(ini.WriteString(c.Section, c.Ident, c.Value), Exception);
        EXPECT_EQ(ini.Text(), "[A]\nk=old\n");
    }
}

TEST(IniFile, ReadsFilesByTheOneTextRule) {
    // UTF-8 with or without a mark, and older Windows-1252 files, give the same value.
    for (const std::string bytes : {"[S]\nName=K\xC3\xB6ln\n",
                                    "\xEF\xBB\xBF[S]\nName=K\xC3\xB6ln\n", "[S]\nName=K\xF6ln\n"}) {
        TIniFile ini("unused.ini");
        ini.SetText(bytes);
        EXPECT_EQ(ini.ReadString("S", "Name", ""), "K\xC3\xB6ln") << bytes;
    }
}

TEST(IniFile, RoundTripsThroughTheFileAndCreatesItsFolder) {
    TTempFolder folder;
    const std::string path = folder.File("deep/er/grid.ini");
    {
        TIniFile ini(path);
        EXPECT_TRUE(ini.ReadSections().empty()); // no file yet
        ini.WriteInteger("Sizes", "Col0", 80);
        ini.WriteString("Sizes", "Name", "Ä Ü");
        ini.UpdateFile();
    }
    TIniFile again(path);
    EXPECT_EQ(again.ReadInteger("Sizes", "Col0", 0), 80);
    EXPECT_EQ(again.ReadString("Sizes", "Name", ""), "Ä Ü");
    EXPECT_EQ(TTempFolder::Read(path), "[Sizes]\nCol0=80\nName=Ä Ü\n");
}

TEST(IniFile, UnreadableFileThrowsAndAFailedWriteKeepsTheOldFile) {
    TTempFolder folder;
    const std::string path = folder.Write("grid.ini", "[S]\nk=1\n");
    TIniFile ini(path);
    ini.WriteInteger("S", "k", 2);
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_exec);
    if (::access(folder.Path().c_str(), W_OK) == 0)
        GTEST_SKIP() << "running with rights that ignore permissions";
    EXPECT_THROW(ini.UpdateFile(), EFileError);
    EXPECT_EQ(TTempFolder::Read(path), "[S]\nk=1\n");
    std::filesystem::permissions(path, std::filesystem::perms::none);
    EXPECT_THROW(TIniFile{path}, EFileError);
}

TEST(RegistryIniFileName, MapsKeysUnderTheConfigurationFolder) {
    ScopedEnvironment config("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(RegistryIniFileName("Software\\Maker\\App"), "/cfg/Software/Maker/App.ini");
    EXPECT_EQ(RegistryIniFileName("\\Software//App\\.\\"), "/cfg/Software/App.ini");
    for (const char* bad : {"", "\\", "Software\\..\\..\\etc\\passwd", ".."}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(RegistryIniFileName(bad), Exception);
    }
}

TEST(RegistryIniFileName, FallsBackToTheHomeConfigurationFolder) {
    ScopedEnvironment config("XDG_CONFIG_HOME", "");
    ScopedEnvironment home("HOME", "/home/u");
    EXPECT_EQ(RegistryIniFileName("Key"), "/home/u/.config/Key.ini");
}

} // namespace
