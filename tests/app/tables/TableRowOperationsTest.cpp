// The row helpers of the table windows in both grid variants: the column grid whose Y/N columns
// are texts and the string grid whose Y/N columns are plain check boxes.
#include "app/tables/TableRowOperations.h"
#include "tests/app/tables/TableGrids.h"

#include "app/core/AppState.h"
#include "app/core/ULanguage.h"
#include "platform/ui/Application.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using TRows = std::vector<std::string>;

const TRows Three_Rows = {"Y|a|N|1", "N|b|Y|2", "Y|c|Y|3"};

struct TVariant {
    const char* Name;
    std::function<std::unique_ptr<TTableGrid>(int columns)> Make;
    // The texts of an emptied row after delete and after insert.
    const char* Deleted_Row;
    const char* Inserted_Row;
};

void PrintTo(const TVariant& v, std::ostream* os) {
    *os << v.Name;
}

const TVariant Variants[] = {
    {"check_box_grid", [](int columns) { return std::make_unique<TCheckBoxTable>(columns); },
     "Y||N|", "Y||N|"},
    // Delete has no Enable flag in the column grid: its emptied row is wholly empty.
    {"column_grid", [](int columns) { return std::make_unique<TColumnTable>(columns); }, "|||",
     "Y|||"},
};

class TableRowOperationsTest : public ::testing::TestWithParam<TVariant> {
protected:
    void SetUp() override {
        Seam().Reset();
        AppState() = TAppState();
        Table = GetParam().Make(5);
        Table->Set_Rows(Three_Rows);
    }
    void TearDown() override {
        Seam().Reset();
        AppState() = TAppState();
    }

    static TTestSeam& Seam() { return Application->TestSeam(); }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const TShownMessage& m : Seam().Messages())
            texts.push_back(m.Text);
        return texts;
    }

    bool Check() const { return Table->Check_Box_Variant(); }
    TExColumnGrid* Column_Grid(TTableGrid& t) const {
        return static_cast<TColumnTable&>(t).Columns();
    }
    void Delete(int row) {
        if (Check())
            Grid_Delete_Row_Check(row, Table->Grid(), true);
        else
            Grid_Delete_Row(row, Column_Grid(*Table));
    }
    bool Insert(int row) {
        return Check() ? Grid_Insert_Row_Check(row, Table->Grid(), true)
                       : Grid_Insert_Row(row, Column_Grid(*Table), true);
    }
    void Copy(TTableGrid& from, int row) {
        if (from.Check_Box_Variant())
            Grid_Copy_Row_Check(from.Grid(), row);
        else
            Grid_Copy_Row(Column_Grid(from), row);
    }
    void Paste(int row, bool copyDone) {
        if (Check())
            Grid_Paste_Row_Check(Table->Grid(), row, copyDone);
        else
            Grid_Paste_Row(Column_Grid(*Table), row, copyDone);
    }

    std::unique_ptr<TTableGrid> Table;
};

TEST_P(TableRowOperationsTest, DeleteMovesTheRowsBelowUpAndEmptiesTheLast) {
    Delete(1);
    EXPECT_EQ(Table->Rows(), (TRows{"N|b|Y|2", "Y|c|Y|3", GetParam().Deleted_Row}));
    EXPECT_TRUE(Messages().empty());
}

TEST_P(TableRowOperationsTest, DeletingTheLastRowOnlyEmptiesIt) {
    Delete(3);
    EXPECT_EQ(Table->Rows(), (TRows{"Y|a|N|1", "N|b|Y|2", GetParam().Deleted_Row}));
}

TEST_P(TableRowOperationsTest, RowsOutsideTheTableAreRefusedWithoutAChange) {
    for (int row : {-1, 0, 4, 100}) {
        Delete(row);
        EXPECT_FALSE(Insert(row));
        Copy(*Table, row);
        Paste(row, true);
    }
    EXPECT_EQ(Table->Rows(), Three_Rows);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(AppState().Row_Clipboard.Count(), 0);
}

TEST_P(TableRowOperationsTest, InsertOnAFullTableNamesTheLostRowAndNoKeepsTheTable) {
    Seam().QueueAnswer(mrNo);
    EXPECT_FALSE(Insert(1));
    EXPECT_EQ(
        Messages(),
        TRows{"The values of the last Row number 3 will be lost. Do you want to insert a Row?"});
    EXPECT_EQ(Seam().Messages()[0].Kind, mtConfirmation);
    EXPECT_EQ(Table->Rows(), Three_Rows);
}

TEST_P(TableRowOperationsTest, InsertOnAFullTableAnsweredYesLosesTheLastRow) {
    Seam().QueueAnswer(mrYes);
    EXPECT_TRUE(Insert(2));
    EXPECT_EQ(Table->Rows(), (TRows{"Y|a|N|1", GetParam().Inserted_Row, "N|b|Y|2"}));
}

TEST_P(TableRowOperationsTest, InsertWithAnEmptyLastRowAsksNothing) {
    // Check states alone are no data: an emptied row of either variant goes silently.
    Table->Set_Rows({"Y|a|N|1", "N|b|Y|2", "Y||Y|"});
    EXPECT_TRUE(Insert(1));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Table->Rows(), (TRows{GetParam().Inserted_Row, "Y|a|N|1", "N|b|Y|2"}));
}

TEST_P(TableRowOperationsTest, CopyThenPasteIntoAnEmptyRowCopiesTextsAndStates) {
    Table->Set_Rows({"Y|a|N|1", "N|b|Y|2", "N||N|"});
    Copy(*Table, 2);
    EXPECT_EQ(AppState().Row_Clipboard.Count(), 4);
    EXPECT_EQ(AppState().Row_Clipboard[0], "N");
    EXPECT_EQ(AppState().Row_Clipboard[1], "b");
    const std::vector<bool> checks = Check() ? std::vector<bool>{true, false, true, false}
                                             : std::vector<bool>{false, false, false, false};
    EXPECT_EQ(AppState().Row_Clipboard_Checks, checks);
    Paste(3, true);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Table->Rows(), (TRows{"Y|a|N|1", "N|b|Y|2", "N|b|Y|2"}));
}

TEST_P(TableRowOperationsTest, PasteIntoAUsedRowAsksAndNoKeepsIt) {
    Copy(*Table, 1);
    Seam().QueueAnswer(mrNo);
    Paste(2, true);
    EXPECT_EQ(Messages(), TRows{"Row Already used. Do you want to overwrite the values?"});
    EXPECT_EQ(Table->Rows(), Three_Rows);
    Seam().QueueAnswer(mrYes);
    Paste(2, true);
    EXPECT_EQ(Table->Rows(), (TRows{"Y|a|N|1", "Y|a|N|1", "Y|c|Y|3"}));
}

TEST_P(TableRowOperationsTest, PasteWithoutACopyInThisWindowSaysSoAndChangesNothing) {
    Copy(*Table, 1); // another window's copy
    Paste(2, false);
    EXPECT_EQ(Messages(), TRows{"Error!!! Copy a valid row before Paste it"});
    EXPECT_EQ(Seam().Messages()[0].Kind, mtError);
    EXPECT_EQ(Table->Rows(), Three_Rows);
}

TEST_P(TableRowOperationsTest, PasteOfARowFromAGridWithOtherColumnsIsRefused) {
    auto narrow = GetParam().Make(4);
    narrow->Set_Rows({"Y|z|N"});
    Copy(*narrow, 1);
    Paste(2, true);
    EXPECT_EQ(Messages(), TRows{"Error in the Copy values!!! Copy a valid row before Paste it"});
    EXPECT_EQ(Table->Rows(), Three_Rows);
}

TEST_P(TableRowOperationsTest, BlanksCountAsDataOnlyInTheCheckBoxGrid) {
    Table->Set_Rows({"Y|a|N|1", "N|b|Y|2", "Y|   |Y|"});
    Copy(*Table, 1);
    Seam().QueueAnswer(mrNo);
    Paste(3, true);
    if (Check()) {
        EXPECT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Table->Rows()[2], "Y|   |Y|");
    } else {
        // The data check boxes and a blank text leave the row free: pasted without a question.
        EXPECT_TRUE(Messages().empty());
        EXPECT_EQ(Table->Rows()[2], "Y|a|N|1");
    }
}

INSTANTIATE_TEST_SUITE_P(Variants, TableRowOperationsTest, ::testing::ValuesIn(Variants),
                         [](const auto& info) { return std::string(info.param.Name); });

// --- Enter and double-click --------------------------------------------------------------

struct TEnterCase {
    const char* Name;
    bool Option;
    int Col, Row;
    TChar Key;
    int Expected_Col, Expected_Row;
    TChar Expected_Key;
};

void PrintTo(const TEnterCase& c, std::ostream* os) {
    *os << c.Name;
}

class GridEnterNextTest : public ::testing::TestWithParam<TEnterCase> {
protected:
    void TearDown() override { AppState() = TAppState(); }
};

TEST_P(GridEnterNextTest, MovesToTheNextCellAndWrapsAround) {
    const TEnterCase& c = GetParam();
    AppState().Enable_Jump_Field_Tables = c.Option;
    TCheckBoxTable table(4, 3);
    table.Grid()->SetCol(c.Col);
    table.Grid()->SetRow(c.Row);
    TChar key = c.Key;
    Grid_Enter_Next(table.Grid(), key);
    EXPECT_EQ(table.Grid()->Col(), c.Expected_Col);
    EXPECT_EQ(table.Grid()->Row(), c.Expected_Row);
    EXPECT_EQ(key, c.Expected_Key);
}

const TEnterCase Enter_Cases[] = {
    {"next_column", true, 1, 1, 13, 2, 1, 0},
    {"last_column_goes_to_the_next_row", true, 3, 1, 13, 1, 2, 0},
    {"last_cell_goes_back_to_row_1", true, 3, 3, 13, 1, 1, 0},
    {"other_keys_pass", true, 1, 1, u'a', 1, 1, u'a'},
    {"option_off_leaves_enter_alone", false, 1, 1, 13, 1, 1, 13},
};

INSTANTIATE_TEST_SUITE_P(Cases, GridEnterNextTest, ::testing::ValuesIn(Enter_Cases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(GridEnterNext, OutsideTheDataCellsEnterIsOnlyConsumed) {
    AppState().Enable_Jump_Field_Tables = true;
    TCheckBoxTable table(4, 3);
    table.Grid()->SetFixedCols(0);
    table.Grid()->SetFixedRows(0);
    table.Grid()->SetCol(0);
    table.Grid()->SetRow(0);
    TChar key = 13;
    Grid_Enter_Next(table.Grid(), key);
    EXPECT_EQ(table.Grid()->Col(), 0);
    EXPECT_EQ(table.Grid()->Row(), 0);
    EXPECT_EQ(key, 0);
    AppState() = TAppState();
}

TEST(GridDblClickAutoSize, SizesAHeaderColumnOnlyWhenTheOptionIsOn) {
    TCheckBoxTable table(4, 3);
    TExStringGrid* grid = table.Grid();
    grid->SetColWidths(2, 20);
    grid->SetCells(2, 1, "a rather long text that needs room");
    Grid_DblClick_AutoSize(grid, 0, 2);
    EXPECT_EQ(grid->ColWidths(2), 20);
    AppState().Double_Click_Auto_Size = true;
    Grid_DblClick_AutoSize(grid, 1, 2); // a data row: nothing
    EXPECT_EQ(grid->ColWidths(2), 20);
    Grid_DblClick_AutoSize(grid, 0, 2);
    EXPECT_GT(grid->ColWidths(2), 100);
    AppState() = TAppState();
}

} // namespace
