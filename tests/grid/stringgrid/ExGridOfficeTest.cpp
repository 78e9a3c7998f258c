// Spreadsheet workbooks and word-processor documents of the string grid, read back with the
// platform's readers.
#include "ExGridTestGrid.h"

#include "grid/stringgrid/GridDateText.h"
#include "platform/core/Files.h"
#include "platform/core/StringList.h"
#include "platform/office/OfficeError.h"
#include "platform/office/SpreadsheetApplication.h"
#include "platform/office/WordApplication.h"
#include "platform/ui/Screen.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

class TNotifiedGrid : public TTestExGrid {
public:
    using TTestExGrid::TTestExGrid;
    std::vector<std::pair<TGridExportState, int>> Exports;
    void ExportNotification(TGridExportState State, int ARow) override {
        Exports.emplace_back(State, ARow);
    }
};

class ExGridOffice : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/exgridofficeXXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        Folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(Folder); }
    std::string File(const char* name) const { return Folder + "/" + name; }

    // A workbook whose sheet "Data" uses B3:D7, each cell holding its own address.
    std::string WorkbookWithRangeB3D7() {
        TWorkbook workbook;
        workbook.Sheet(1).Name = "First";
        TWorksheet& data = workbook.AddWorksheet();
        data.Name = "Data";
        for (int r = 3; r <= 7; ++r)
            for (int c = 2; c <= 4; ++c)
                data.SetCell(r, c, TSheetValue::FromString(RangeAddress({c, r, c, r})));
        workbook.Sheet(2).SetCell(1, 1, TSheetValue::FromNumber(2.5));
        workbook.SaveAs(File("range.xlsx"));
        return File("range.xlsx");
    }

    static void Fill(TExStringGrid& grid, int columns, int rows) {
        grid.SetColCount(columns);
        grid.SetRowCount(rows);
        for (int c = 0; c < columns; ++c)
            for (int r = 0; r < rows; ++r)
                grid.SetCells(c, r, "c" + std::to_string(c) + "r" + std::to_string(r));
    }

    std::string Folder;
};

TEST_F(ExGridOffice, AUsedRangeLoadsRightOfAndBelowTheFixedCellsUnlessTheyAreSaved) {
    struct Case {
        bool SaveFixedCells, SaveFixedRows, SaveFixedCols;
        int ColCount, RowCount, FirstCol, FirstRow;
    };
    const Case cases[] = {
        {true, false, false, 3, 5, 0, 0},
        {false, false, false, 4, 6, 1, 1},
        {false, true, false, 4, 5, 1, 0},
        {false, false, true, 3, 6, 0, 1},
    };
    const std::string file = WorkbookWithRangeB3D7();
    for (const Case& c : cases) {
        TTestExGrid grid(nullptr);
        grid.SetFixedCols(1);
        grid.SetFixedRows(1);
        grid.SaveFixedCells = c.SaveFixedCells;
        grid.SaveFixedRows = c.SaveFixedRows;
        grid.SaveFixedCols = c.SaveFixedCols;
        grid.LoadFromXLSSheet(file, "Data");
        EXPECT_EQ(grid.ColCount(), c.ColCount);
        EXPECT_EQ(grid.RowCount(), c.RowCount);
        EXPECT_EQ(grid.FixedCols(), 1);
        EXPECT_EQ(grid.FixedRows(), 1);
        EXPECT_EQ(grid.Cells(c.FirstCol, c.FirstRow), "B3");
        EXPECT_EQ(grid.Cells(c.FirstCol + 2, c.FirstRow + 4), "D7");
    }
}

TEST_F(ExGridOffice, DateCellsReadAsTheGridsDateTexts) {
    TWorkbook workbook;
    workbook.Sheet(1).SetCell(1, 1, TSheetValue::FromDate(45292));
    workbook.Sheet(1).SetCell(1, 2, TSheetValue::FromDate(45292.75));
    // A time of day without a date: 13:45:10.
    const double time = (13 * 3600 + 45 * 60 + 10) / 86400.0;
    workbook.Sheet(1).SetCell(1, 3, TSheetValue::FromDate(time));
    workbook.SaveAs(File("dates.xlsx"));
    TTestExGrid grid(nullptr);
    grid.LoadFromXLS(File("dates.xlsx"));
    const TFormatSettings settings = CurrentFormatSettings();
    EXPECT_EQ(grid.Cells(0, 0), DateToText(45292, settings));
    EXPECT_EQ(grid.Cells(1, 0), DateToText(45292, settings) + " " + TimeToText(45292.75, settings));
    EXPECT_EQ(grid.Cells(2, 0), TimeToText(time, settings));
}

TEST_F(ExGridOffice, ReadsTheActiveSheetAndListsTheSheets) {
    const std::string file = WorkbookWithRangeB3D7();
    TTestExGrid grid(nullptr);
    grid.LoadFromXLS(file); // the sheet added last is the active one
    EXPECT_EQ(grid.Cells(0, 0), "B3");
    grid.LoadFromXLSSheet(file, "First");
    EXPECT_EQ(grid.ColCount(), 1);
    EXPECT_EQ(grid.Cells(0, 0), "2.5");
    const std::unique_ptr<TStringList> names = grid.GetXLSSheets(file);
    ASSERT_EQ(names->Count(), 2);
    EXPECT_EQ((*names)[0], "Data");
    EXPECT_EQ((*names)[1], "First");
}

TEST_F(ExGridOffice, AMissingSheetOrFileRaisesAndTheCursorComesBack) {
    const std::string file = WorkbookWithRangeB3D7();
    TTestExGrid grid(nullptr);
    Screen->SetCursor(crDefault);
    try {
        grid.LoadFromXLSSheet(file, "Nowhere");
        FAIL() << "the sheet was found";
    } catch (const ROvoVariRodev& error) {
        EXPECT_EQ(error.Message, "Excel worksheet Nowhere not found");
    }
    EXPECT_THROW(grid.LoadFromXLS(File("missing.xlsx")), EFileError);
    EXPECT_THROW(grid.GetXLSSheets(File("missing.xlsx")), EFileError);
    WriteFileAtomic(File("damaged.xlsx"), "PK\x03\x04 damaged");
    EXPECT_THROW(grid.LoadFromXLS(File("damaged.xlsx")), EOfficeError);
    EXPECT_EQ(Screen->Cursor(), crDefault);
    EXPECT_EQ(TSpreadsheetApplication::Running(), nullptr);
}

TEST_F(ExGridOffice, WritesTheGridFromColumnAUpToItsLastColumnsLetters) {
    struct Case {
        int Columns;
        const char* UsedRange;
    };
    const Case cases[] = {{1, "$A$1:$A$3"},   {26, "$A$1:$Z$3"},  {30, "$A$1:$AD$3"},
                          {52, "$A$1:$AZ$3"}, {53, "$A$1:$BA$3"}, {703, "$A$1:$AAA$3"}};
    for (const Case& c : cases) {
        TTestExGrid grid(nullptr);
        Fill(grid, c.Columns, 3);
        grid.SetFixedCols(0);
        grid.SaveToXLS(File("wide.xlsx"));
        const auto workbook = TWorkbook::Open(File("wide.xlsx"));
        EXPECT_EQ(workbook->Sheet(1).UsedRangeAddress(), c.UsedRange);
        EXPECT_EQ(workbook->Sheet(1).Cell(3, c.Columns).Text,
                  "c" + std::to_string(c.Columns - 1) + "r2");
    }
}

TEST_F(ExGridOffice, WritesSavedCellsWithoutCarriageReturnsAndReportsEachRow) {
    TNotifiedGrid grid(nullptr);
    Fill(grid, 3, 3);
    grid.SetCells(1, 1, "two\r\nlines");
    grid.SetCells(2, 2, "Grüße");
    grid.SaveFixedCells = false; // from the first non-fixed cell on
    grid.SaveToXLS(File("saved.xlsx"));
    const auto workbook = TWorkbook::Open(File("saved.xlsx"));
    TWorksheet& sheet = workbook->Sheet(1);
    EXPECT_EQ(sheet.UsedRangeAddress(), "$A$1:$B$2");
    EXPECT_EQ(sheet.Cell(1, 1).Text, "two\nlines");
    EXPECT_EQ(sheet.Cell(2, 2).Text, "Grüße");
    const std::vector<std::pair<TGridExportState, int>> expected = {
        {esExportStart, 1}, {esExportNextRow, 1}, {esExportNextRow, 2}, {esExportDone, -1}};
    EXPECT_EQ(grid.Exports, expected);
}

TEST_F(ExGridOffice, ANamedSheetGoesIntoTheExistingWorkbookKeepingItsOtherSheets) {
    const std::string file = WorkbookWithRangeB3D7();
    TTestExGrid grid(nullptr);
    Fill(grid, 2, 2);
    grid.SaveToXLSSheet(file, "Grid");
    grid.SetCells(0, 0, "again");
    grid.SaveToXLSSheet(file, "Grid");
    const auto workbook = TWorkbook::Open(file);
    ASSERT_EQ(workbook->SheetCount(), 3);
    EXPECT_EQ(workbook->SheetByName("Data")->Cell(7, 4).Text, "D7");
    EXPECT_EQ(workbook->SheetByName("First")->Cell(1, 1).Text, "2.5");
    EXPECT_EQ(workbook->SheetByName("Grid")->Cell(1, 1).Text, "again");

    grid.SaveToXLSSheet(File("new.xlsx"), "Grid");
    const auto created = TWorkbook::Open(File("new.xlsx"));
    EXPECT_EQ(created->SheetByName("Grid")->Cell(2, 2).Text, "c1r1");
}

TEST_F(ExGridOffice, AWorkbookThatCannotBeReadIsNotReplacedAndFailedSavesRaise) {
    WriteFileAtomic(File("damaged.xlsx"), "not a workbook");
    TTestExGrid grid(nullptr);
    Fill(grid, 2, 2);
    EXPECT_THROW(grid.SaveToXLSSheet(File("damaged.xlsx"), "Grid"), EOfficeError);
    EXPECT_EQ(ReadFileBytes(File("damaged.xlsx")), "not a workbook");
    EXPECT_THROW(grid.SaveToXLS(File("missing/book.xlsx")), EFileError);
    EXPECT_THROW(grid.SaveToXLSSheet(File("bad.xlsx"), "bad:name"), EOfficeError);
    EXPECT_THROW(grid.SaveToDOC(File("missing/doc.docx")), EFileError);
}

TEST_F(ExGridOffice, TheRunningApplicationWritesAtItsActiveCellsRowAndShowsTheFile) {
    TSpreadsheetApplication running;
    std::vector<std::string> shown;
    running.ShowFile = [&](const std::string& file) { shown.push_back(file); };
    running.SetVisible(true);
    TWorkbook& open = running.Add();
    open.ActiveSheet().SetCell(1, 1, TSheetValue::FromString("user's"));
    open.ActiveSheet().ActiveCellRow = 4;

    TTestExGrid grid(nullptr);
    Fill(grid, 2, 2);
    grid.SaveToXLS(File("running.xlsx"), false);
    EXPECT_EQ(shown, std::vector<std::string>{File("running.xlsx")});
    EXPECT_EQ(running.Count(), 1); // the user's application keeps its workbook
    const auto workbook = TWorkbook::Open(File("running.xlsx"));
    EXPECT_EQ(workbook->Sheet(1).UsedRangeAddress(), "$A$1:$B$5");
    EXPECT_EQ(workbook->Sheet(1).Cell(1, 1).Text, "user's");
    EXPECT_EQ(workbook->Sheet(1).Cell(4, 1).Text, "c0r0");

    EXPECT_THROW(grid.SaveToXLSSheet(File("bad.xlsx"), "bad:name"), EOfficeError);
    EXPECT_EQ(running.Count(), 1);
    grid.SaveToXLS(File("new.xlsx"), true);
    EXPECT_EQ(running.Count(), 2);
    EXPECT_EQ(TWorkbook::Open(File("new.xlsx"))->Sheet(1).Cell(1, 1).Text, "c0r0");
}

TEST_F(ExGridOffice, ADocumentTableHoldsTheSavedCellsWithTheirAlignment) {
    TTestExGrid grid(nullptr);
    Fill(grid, 3, 2);
    grid.SetCells(1, 1, "Grüße\r\nzwei");
    grid.SetDefaultAlignment(taRightJustify);
    grid.SaveToDOC(File("grid.docx"), false); // no open document: a new one
    const auto document = TWordDocument::Open(File("grid.docx"));
    ASSERT_EQ(document->TableCount(), 1);
    TWordTable table = document->Table(1);
    EXPECT_EQ(table.Rows(), 2);
    EXPECT_EQ(table.Columns(), 3);
    EXPECT_EQ(table.CellText(1, 1), "c0r0");
    EXPECT_EQ(table.CellText(2, 2), "Grüße\nzwei");
    EXPECT_FALSE(document->ShowSpellingErrors());
}

TEST_F(ExGridOffice, AppendingPutsTheTableAtTheBookmarkOrElseAtTheEnd) {
    TTestExGrid grid(nullptr);
    Fill(grid, 1, 1);
    grid.SaveToDOC(File("doc.docx"));
    grid.SetCells(0, 0, "appended");
    grid.AppendToDoc(File("doc.docx"), "NoSuchBookmark");
    const auto document = TWordDocument::Open(File("doc.docx"));
    ASSERT_EQ(document->TableCount(), 2);
    EXPECT_EQ(document->Table(1).CellText(1, 1), "c0r0");
    EXPECT_EQ(document->Table(2).CellText(1, 1), "appended");
    EXPECT_THROW(grid.AppendToDoc(File("missing.docx"), ""), EFileError);
}

TEST_F(ExGridOffice, TheRunningWordProcessorFillsItsActiveDocument) {
    TWordApplication running;
    std::vector<std::string> shown;
    running.ShowFile = [&](const std::string& file) { shown.push_back(file); };
    running.SetVisible(true);
    running.Add();
    TTestExGrid grid(nullptr);
    Fill(grid, 1, 1);
    grid.SaveToDOC(File("first.docx"), false);
    grid.SaveToDOC(File("second.docx"), false); // the same document, now with two tables
    EXPECT_EQ(running.Count(), 1);
    EXPECT_EQ(TWordDocument::Open(File("second.docx"))->TableCount(), 2);
    EXPECT_EQ(shown.size(), 2u);
}

} // namespace
