// Settings persistence: column widths, order and visibility kept as one string or in an INI
// file (also the one that stands in for a registry key). What is read is checked before it is
// applied: damaged settings change nothing and say why.
#include "ExGridTestGrid.h"

#include "grid/stringgrid/ColumnSize.h"
#include "grid/stringgrid/ColumnStates.h"
#include "grid/stringgrid/ExCGrid.h"
#include "platform/core/Exception.h"
#include "platform/core/IniFile.h"
#include "tests/platform/core/ScopedEnvironment.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The size operations are called by the grid's life cycle; tests call them directly.
class TPersistGrid : public TTestExGrid {
public:
    using TExStringGrid::LoadColSizes;
    using TExStringGrid::SaveColSizes;
    using TTestExGrid::TTestExGrid;
};

// Four columns whose row-0 texts name them ("A".."D") and whose widths tell them apart.
class ExGridPersistence : public ::testing::Test {
protected:
    static void Name(TExStringGrid& g) {
        g.SetColCount(4);
        for (int c = 0; c < 4; ++c) {
            g.SetCells(c, 0, std::string(1, static_cast<char>('A' + c)));
            g.SetColWidths(c, 10 * (c + 1));
        }
    }
    void SetUp() override { Name(grid); }
    // Row-0 texts of the columns on show, then those of the hidden ones in brackets.
    static std::string Layout(TExStringGrid& g) {
        std::string layout;
        for (int c = 0; c < g.TotalColCount(); ++c)
            layout += g.IsHiddenColumn(c) ? "(" + g.AllCells(c, 0) + ")" : g.AllCells(c, 0);
        return layout;
    }
    static std::vector<int> Widths(TExStringGrid& g) {
        std::vector<int> widths;
        for (int c = 0; c < g.ColCount(); ++c)
            widths.push_back(g.ColWidths(c));
        return widths;
    }

    TPersistGrid grid{nullptr};
    TTempFolder folder;
};

TEST_F(ExGridPersistence, StateStringReportsCountWidthsOrderAndVisibility) {
    grid.HideColumn(2);
    EXPECT_EQ(grid.ColumnStatesToString(),
              "4#10,20,40," + std::to_string(grid.DefaultColWidth()) + "#0,1,2,3#1,1,0,1");
}

TEST_F(ExGridPersistence, StateStringRestoresOrderHiddenColumnsAndWidths) {
    grid.MoveColumn(3, 1); // A D B C
    grid.HideColumn(2);    // B hidden
    grid.SetColWidths(0, 33);
    const std::string states = grid.ColumnStatesToString();
    ASSERT_EQ(Layout(grid), "AD(B)C");

    TPersistGrid fresh(nullptr);
    Name(fresh);
    fresh.StringToColumnStates(states);
    EXPECT_EQ(Layout(fresh), "AD(B)C");
    EXPECT_EQ(Widths(fresh), Widths(grid));
    EXPECT_EQ(fresh.ColumnStatesToString(), states);

    // The same string again moves nothing: the order is reached from the present one.
    grid.StringToColumnStates(states);
    EXPECT_EQ(Layout(grid), "AD(B)C");
    EXPECT_EQ(grid.ColumnStatesToString(), states);
}

TEST_F(ExGridPersistence, DamagedStateStringsChangeNothing) {
    grid.MoveColumn(3, 0);
    const std::string before = grid.ColumnStatesToString();
    const std::string layout = Layout(grid);
    const char* damaged[] = {
        "4#10,20,30,40#0,1,2,3",           // a field missing
        "4#10,20,30,40#0,1,2,3#1,1,1,1#x", // one too many
        "0###",                            // no column
        "x#10#0#1",                        // count no integer
        "4#10,20,30#0,1,2,3#1,1,1,1",      // a width missing
        "4#10,20,3x,40#0,1,2,3#1,1,1,1",   // a width no integer
        "4#10,-20,30,40#0,1,2,3#1,1,1,1",  // a negative width
        "4#10,20,30,40#0,1,1,3#1,1,1,1",   // a column twice in the order
        "4#10,20,30,40#0,1,2,9#1,1,1,1",   // a column that is not there
        "4#10,20,30,40#0,1,2#1,1,1,1",     // the order one short
        "4#10,20,30,40#0,1,2,3#1,1,1",     // a flag missing
        "4#10,20,30,40#0,1,2,3#1,2,1,1",   // a flag neither 0 nor 1
        "4#10,20,30,40#0,1,2,3#0,0,0,0",   // nothing on show
        "99999999999#1#0#1",               // a count out of range
        "100000#1,1#0,1#1,1",              // a count the text cannot back
    };
    for (const char* text : damaged) {
        SCOPED_TRACE(text);
        EXPECT_THROW(grid.StringToColumnStates(text), Exception);
        EXPECT_EQ(grid.ColumnStatesToString(), before);
        EXPECT_EQ(Layout(grid), layout);
    }
    grid.StringToColumnStates("no separator at all"); // not a state string: ignored
    EXPECT_EQ(grid.ColumnStatesToString(), before);
}

TEST_F(ExGridPersistence, StateStringMayGrowTheGridAndPassOverUnsetOrderEntries) {
    grid.StringToColumnStates("5#1,2,3,4,5#-1,4,0,1,2,3#1,1,1,1,1");
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(Layout(grid), "ABCD");
    EXPECT_EQ(Widths(grid), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(grid.Cells(1, 0), "A");
}

TEST(ColumnStates, FormatAndParseAreInverse) {
    TColumnStates states{3, {5, 0, 7}, {2, 0, 1}, {true, false, true}};
    const std::string text = FormatColumnStates(states);
    EXPECT_EQ(text, "3#5,0,7#2,0,1#1,0,1");
    TColumnStates read;
    std::string why;
    ASSERT_TRUE(ParseColumnStates(text, read, why)) << why;
    EXPECT_EQ(FormatColumnStates(read), text);
    EXPECT_FALSE(ParseColumnStates("3#5,0#2,0,1#1,0,1", read, why));
    EXPECT_NE(why.find("widths"), std::string::npos);
}

TEST_F(ExGridPersistence, ColumnSizesGoToTheIniFileAndBack) {
    const std::string path = folder.File("grid.ini");
    grid.ColumnSizeStorage = {path, "Sizes", clIniFile};
    grid.SaveColSizes();
    EXPECT_EQ(TTempFolder::Read(path), "[Sizes]\nCol0=10\nCol1=20\nCol2=30\nCol3=40\n");

    TPersistGrid other(nullptr);
    other.SetColCount(5);
    other.ColumnSizeStorage = grid.ColumnSizeStorage;
    const int untouched = other.ColWidths(4);
    other.LoadColSizes();
    EXPECT_EQ(Widths(other), (std::vector<int>{10, 20, 30, 40, untouched}));
}

TEST_F(ExGridPersistence, DamagedColumnSizesChangeNothing) {
    for (const char* bad : {"Col2=wide", "Col2=-5", "Col2=1e3"}) {
        SCOPED_TRACE(bad);
        const std::string path = folder.Write("grid.ini", std::string("[S]\nCol0=77\n") + bad);
        grid.ColumnSizeStorage = {path, "S", clIniFile};
        EXPECT_THROW(grid.LoadColSizes(), Exception);
        EXPECT_EQ(Widths(grid), (std::vector<int>{10, 20, 30, 40}));
    }
}

TEST_F(ExGridPersistence, FreeingAGridSavesItsSizesAndSurvivesAFailedSave) {
    const std::string path = folder.File("grid.ini");
    {
        TPersistGrid saving(nullptr);
        Name(saving);
        saving.ColumnSize()->Save = true;
        saving.ColumnSizeStorage = {path, "S", clIniFile};
    }
    EXPECT_EQ(TIniFile(path).ReadInteger("S", "Col3", 0), 40);

    const std::string blocked = folder.Write("file", "") + "/below/grid.ini";
    {
        TPersistGrid failing(nullptr);
        failing.ColumnSize()->Save = true;
        failing.ColumnSizeStorage = {blocked, "S", clIniFile};
        EXPECT_THROW(failing.SaveColSizes(), EFileError); // said when asked directly
    }
}

TEST_F(ExGridPersistence, NoKeyOrSectionMeansNothingIsStored) {
    ScopedEnvironment config("XDG_CONFIG_HOME", folder.Path());
    for (TColumnSizeStorage storage :
         {TColumnSizeStorage{"", "S", clRegistry}, TColumnSizeStorage{"Key", "", clRegistry}}) {
        grid.ColumnSizeStorage = storage;
        grid.SaveColSizes();
        grid.SaveColPositions();
        grid.LoadColSizes();
        grid.LoadColPositions();
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST_F(ExGridPersistence, RegistryKeysBecomeIniFilesInTheConfigurationFolder) {
    ScopedEnvironment config("XDG_CONFIG_HOME", folder.Path());
    grid.ColumnSizeStorage = {"Software\\Maker\\Configurator", "Grid", clRegistry};
    grid.SaveColSizes();
    const TIniFile ini(folder.File("Software/Maker/Configurator.ini"));
    EXPECT_EQ(ini.ReadInteger("Grid", "Col3", 0), 40);
}

TEST_F(ExGridPersistence, ColumnPositionsGoToTheIniFileAndBack) {
    const std::string path = folder.File("grid.ini");
    grid.ColumnSizeStorage = {path, "Pos", clIniFile};
    grid.MoveColumn(0, 3); // B C D A
    grid.SaveColPositions();
    EXPECT_EQ(TTempFolder::Read(path), "[Pos]\nPos0=1\nPos1=2\nPos2=3\nPos3=0\n");

    TPersistGrid other(nullptr);
    Name(other);
    other.HideColumn(1); // B stays hidden wherever it goes
    other.ColumnSizeStorage = grid.ColumnSizeStorage;
    other.LoadColPositions();
    EXPECT_EQ(Layout(other), "(B)CDA");
    other.LoadColPositions(); // again: nothing moves
    EXPECT_EQ(Layout(other), "(B)CDA");
}

TEST_F(ExGridPersistence, MissingOrDamagedPositionsChangeNothing) {
    const struct {
        const char* Text;
        bool Throws;
    } cases[] = {
        {"[Pos]\nPos1=0\n", false},                         // no Pos0: nothing to do
        {"", false},                                        // no file content at all
        {"[Pos]\nPos0=1\nPos1=1\nPos2=2\nPos3=3\n", true},  // a column twice
        {"[Pos]\nPos0=1\nPos1=0\nPos2=2\n", true},          // one missing
        {"[Pos]\nPos0=1\nPos1=0\nPos2=2\nPos3=x\n", true},  // no integer
        {"[Pos]\nPos0=1\nPos1=0\nPos2=2\nPos3=-7\n", true}, // no column
    };
    grid.MoveColumn(3, 0); // D A B C
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        grid.ColumnSizeStorage = {folder.Write("grid.ini", c.Text), "Pos", clIniFile};
        if (c.Throws)
            EXPECT_THROW(grid.LoadColPositions(), Exception);
        else
            EXPECT_NO_THROW(grid.LoadColPositions());
        EXPECT_EQ(Layout(grid), "DABC");
    }
}

TEST_F(ExGridPersistence, ColumnGridKeepsItemPositionsInItsIniFile) {
    TExColumnGrid columns(nullptr);
    Name(columns);
    columns.Loaded();
    const std::string path = folder.File("columns.ini");
    columns.ColumnSizeStorage = {path, "Columns", clIniFile};
    columns.MoveColumn(2, 0); // C A B D
    columns.SaveColPositions();
    const TIniFile ini(path);
    EXPECT_EQ(ini.ReadSection("Columns"), (std::vector<std::string>{"CP0", "CP1", "CP2", "CP3"}));

    TExColumnGrid other(nullptr);
    Name(other);
    other.Loaded();
    other.ColumnSizeStorage = columns.ColumnSizeStorage;
    other.LoadColPositions();
    EXPECT_EQ(Layout(other), "CABD");
    other.LoadColPositions();
    EXPECT_EQ(Layout(other), "CABD");

    folder.Write("columns.ini", "[Columns]\nCP0=2\nCP1=2\nCP2=1\nCP3=3\n");
    EXPECT_THROW(other.LoadColPositions(), Exception);
    folder.Write("columns.ini", "[Columns]\nCP0=2\nCP1=0\nCP2=1\n");
    EXPECT_NO_THROW(other.LoadColPositions()); // a key missing: nothing to do
    EXPECT_EQ(Layout(other), "CABD");
}

} // namespace
