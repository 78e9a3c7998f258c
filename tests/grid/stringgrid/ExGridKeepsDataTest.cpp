// Operations that once lost or mixed up cells: hidden columns under column operations, removing
// every row, undo after paste, the floating footer after row changes, literal filter values,
// row colours, check boxes outside the grid, a freed popup menu, pictures from special files and
// the one case rule.
#include "grid/foundation/ExGridUndoRedo.h"
#include "grid/foundation/HTMLPicture.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/FloatingFooter.h"
#include "grid/stringgrid/SortSettings.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/ui/Menus.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// Six columns of widths 20..25, ten rows; row r holds "c0".."c5" in row 1 and "r<r>" in
// column 1 of the other rows.
void FillKept(TExStringGrid& grid) {
    grid.SetColCount(6);
    grid.SetRowCount(10);
    for (int c = 0; c < 6; ++c) {
        grid.SetColWidths(c, 20 + c);
        grid.SetCells(c, 1, "c" + std::to_string(c));
    }
    for (int r = 2; r < 10; ++r)
        grid.SetCells(1, r, "r" + std::to_string(r));
}

Texts RowOne(const TExStringGrid& grid) {
    Texts texts;
    for (int c = 0; c < grid.TotalColCount(); ++c)
        texts.push_back(grid.AllCells(c, 1));
    return texts;
}

std::vector<int> Widths(const TExStringGrid& grid) {
    std::vector<int> widths;
    for (int c = 0; c < grid.TotalColCount(); ++c)
        widths.push_back(grid.AllColWidths(c));
    return widths;
}

struct Case {
    const char* Name;
    std::function<void(TExStringGrid&)> Run;
};

const Case cases[] = {
    {"a hidden column moved keeps its cells and mark",
     [](TExStringGrid& grid) {
         grid.HideColumn(1);
         grid.MoveColumn(1, 3); // display 1 (real 2) to display 3 (real 4)
         EXPECT_TRUE(grid.IsHiddenColumn(1));
         EXPECT_EQ(grid.AllCells(1, 1), "c1");
         EXPECT_EQ(RowOne(grid), (Texts{"c0", "c1", "c3", "c4", "c2", "c5"}));
         EXPECT_EQ(Widths(grid), (std::vector<int>{20, 21, 23, 24, 22, 25}));
     }},
    {"a hidden column removed leaves the shown ones and their widths",
     [](TExStringGrid& grid) {
         grid.HideColumn(2);
         grid.RemoveCols(2, 1);
         EXPECT_EQ(grid.ColCount(), 5);
         EXPECT_EQ(grid.NumHiddenColumns(), 0);
         EXPECT_EQ(RowOne(grid), (Texts{"c0", "c1", "c3", "c4", "c5"}));
         EXPECT_EQ(Widths(grid), (std::vector<int>{20, 21, 23, 24, 25}));
     }},
    {"a column inserted after a hidden one takes the default width",
     [](TExStringGrid& grid) {
         grid.HideColumn(0);
         grid.InsertCols(2, 1);
         EXPECT_EQ(RowOne(grid), (Texts{"c0", "c1", "", "c2", "c3", "c4", "c5"}));
         EXPECT_EQ(Widths(grid),
                   (std::vector<int>{20, 21, grid.DefaultColWidth(), 22, 23, 24, 25}));
         EXPECT_TRUE(grid.IsHiddenColumn(0));
     }},
    {"removing every normal row leaves one empty row",
     [](TExStringGrid& grid) {
         grid.RemoveRows(1, 9);
         EXPECT_EQ(grid.RowCount(), 2);
         EXPECT_EQ(grid.Cells(1, 1), "");
     }},
    {"removing every checked row leaves one empty, unchecked row",
     [](TExStringGrid& grid) {
         for (int r = 1; r < 10; ++r)
             grid.AddCheckBox(2, r, true, false);
         grid.RemoveCheckedRows(2, true);
         EXPECT_EQ(grid.RowCount(), 2);
         EXPECT_EQ(grid.Cells(1, 1), "");
         bool state = false;
         EXPECT_FALSE(grid.GetCheckBoxState(2, 1, state) && state);
     }},
    {"the sort column follows a moved column",
     [](TExStringGrid& grid) {
         grid.SortSettings()->Column = 3;
         grid.MoveColumn(1, 3);
         EXPECT_EQ(grid.SortSettings()->Column, 2);
         grid.MoveColumn(2, 0);
         EXPECT_EQ(grid.SortSettings()->Column, 0);
     }},
    {"undo after paste and cut with a hidden column restores the shown cell",
     [](TExStringGrid& grid) {
         TExGridUndoRedo undo(nullptr);
         grid.SetUndoRedo(&undo);
         grid.Navigation()->AllowClipboardAlways = true;
         grid.SetColCount(5);
         for (int c = 0; c < 5; ++c)
             grid.SetCells(c, 2, "r" + std::to_string(c));
         grid.HideColumn(1);
         grid.PasteText(1, 2, "new");
         EXPECT_EQ(grid.AllCells(2, 2), "new");
         undo.Undo();
         EXPECT_EQ(grid.AllCells(1, 2), "r1");
         EXPECT_EQ(grid.AllCells(2, 2), "r2");
         grid.SetSelection(TGridRect{2, 2, 2, 2});
         grid.CutSelectionToClipboard();
         EXPECT_EQ(grid.AllCells(3, 2), "");
         undo.Undo();
         EXPECT_EQ(grid.AllCells(3, 2), "r3");
         EXPECT_EQ(grid.AllCells(1, 2), "r1");
         grid.SetUndoRedo(nullptr);
     }},
    {"the floating footer calculates after the row count changes",
     [](TExStringGrid& grid) {
         grid.SetRowCount(4);
         grid.SetCells(3, 1, "10");
         grid.SetCells(3, 2, "50");
         grid.FloatingFooter()->SetVisible(true);
         grid.FloatingFooter()->SetColumnCalc(3, acSUM);
         EXPECT_EQ(grid.Cells(3, 3), "60.00");
         grid.InsertRows(3, 1, true);
         grid.SetCells(3, 3, "5");
         grid.CalcFooter(-1);
         EXPECT_EQ(grid.Cells(3, 4), "65.00");
         grid.AddRow();
         grid.SetRowCount(grid.RowCount() + 2);
         grid.SetCells(3, 5, "1");
         grid.CalcFooter(-1);
         EXPECT_EQ(grid.FloatingFooter()->GetColumnCalc(3), acSUM);
         EXPECT_EQ(grid.Cells(3, grid.RowCount() - 1), "66.00");
     }},
    {"rows read from a CSV file come in front of the floating footer",
     [](TExStringGrid& grid) {
         grid.SetRowCount(3);
         grid.FloatingFooter()->SetVisible(true);
         const std::string file = ::testing::TempDir() + "keeps-data.csv";
         WriteFileAtomic(file, "a;b;c\r\nd;e;f\r\ng;h;i\r\n");
         grid.InsertFromCSV(file, 0);
         DeleteFile(file);
         ASSERT_GE(grid.RowCount(), 5);
         std::string rowTwo;
         for (int c = 0; c < grid.ColCount(); ++c)
             rowTwo += grid.Cells(c, 2);
         EXPECT_FALSE(rowTwo.empty()) << "no blank row before the new rows";
         EXPECT_TRUE(grid.FloatingFooter()->Visible);
     }},
    {"a check box past the rows on show is refused",
     [](TExStringGrid& grid) {
         grid.HideRow(3);
         EXPECT_THROW(grid.AddCheckBox(1, grid.RowCount(), true, false), Exception);
         EXPECT_FALSE(grid.HasCellProperties(1, grid.RowCount()));
     }},
    {"a freed drop-down menu is let go",
     [](TExStringGrid& grid) {
         auto* menu = new TPopupMenu(&grid);
         grid.FixedDropDownMenu = menu;
         delete menu;
         EXPECT_EQ(grid.FixedDropDownMenu, nullptr);
     }},
};

TEST(ExGridKeepsData, EachOperationKeepsEveryCell) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TExStringGrid grid(nullptr);
        FillKept(grid);
        c.Run(grid);
    }
}

// Only regular files are read: a device or a pipe draws as a missing picture, at once.
TEST(ExGridKeepsData, PicturesLoadOnlyFromRegularFiles) {
    for (const char* url : {"file:///dev/zero", "file:///dev/stdin", "file:///dev/null",
                            "file:///no/such/file.png", "file:///tmp"}) {
        THTMLPicture picture;
        picture.LoadFromURL(url);
        EXPECT_TRUE(picture.Empty()) << url;
    }
}

} // namespace
