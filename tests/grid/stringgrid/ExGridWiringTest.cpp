// Features of the string grid working together: the mouse with sorting, the cell drawing with
// sorting, tree rows and the disjunct selections, the wheel with zooming and sizing, typing with
// the search, and the objects the constructor ties to the grid.
#include "GridPixels.h"
#include "grid/foundation/CustomDateTimePicker.h"
#include "grid/foundation/ExDrawing.h"
#include "grid/foundation/ExGridButton.h"
#include "grid/foundation/GridTypes.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SearchFooter.h"
#include "grid/foundation/SortIndexList.h"
#include "grid/stringgrid/CellNode.h"
#include "grid/stringgrid/ColumnSize.h"
#include "grid/stringgrid/DropList.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/FilterDropDown.h"
#include "grid/stringgrid/FloatingFooter.h"
#include "grid/stringgrid/SearchPanel.h"
#include "grid/stringgrid/SortSettings.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Font.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Messages.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using GridPixels::White;
using GridPixels::FixedFill;
using GridPixels::Selected;

// Five data rows under one fixed row; column 1 holds "e".."a" so a sort reverses it, column 2
// numbers the rows as filled. Six columns of 60 and rows of 20 pixels, plain colours.
class WiredGrid : public TExStringGrid {
public:
    WiredGrid() : TExStringGrid(nullptr) {
        SetLook(glStandard);
        SetSelectionColor(Selected);
        SetScrollBars(ssNone);
        SetColCount(4);
        SetRowCount(6);
        SetDefaultColWidth(60);
        SetDefaultRowHeight(20);
        SetBounds(0, 0, 240, 120);
        SetColor(White);
        SetFixedColor(FixedFill);
        Font()->SetColor(clBlack);
        FixedFont()->SetColor(clBlack);
        const char* letters[] = {"e", "d", "c", "b", "a"};
        for (int r = 1; r <= 5; ++r) {
            SetCells(1, r, letters[r - 1]);
            SetCells(2, r, std::to_string(r));
        }
    }

    std::vector<std::string> Column(int ACol) const {
        std::vector<std::string> texts;
        for (int r = FixedRows(); r < RowCount(); ++r)
            texts.push_back(Cells(ACol, r));
        return texts;
    }
    TPoint Centre(int ACol, int ARow) const {
        const TRect r = CellRect(ACol, ARow);
        return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void ClickAt(TPoint p, TShiftState Shift = {}) {
        InputSimulation::MouseMove(this, p, Shift);
        InputSimulation::MouseDown(this, mbLeft, p, Shift);
        InputSimulation::MouseUp(this, mbLeft, p, Shift);
    }
    std::unique_ptr<TBitmap> Render() {
        SetSelection(TGridRect{-1, -1, -1, -1});
        auto bitmap = std::make_unique<TBitmap>(Width(), Height());
        PaintTo(bitmap->Canvas(), 0, 0);
        return bitmap;
    }
};

// The smallest rectangle holding every pixel of `area` that differs from `background`.
std::optional<TRect> Ink(const TBitmap& bitmap, const TRect& area, TColor background) {
    return GridPixels::Box(bitmap, area, [background](TColor c) { return c != background; });
}

// The inside of cell (c, r), clear of its grid lines.
TRect WiredInside(int c, int r) {
    return TRect{c * 60 + 1, r * 20 + 1, c * 60 + 58, r * 20 + 18};
}

const std::vector<std::string> Unsorted{"e", "d", "c", "b", "a"};
const std::vector<std::string> Ascending{"a", "b", "c", "d", "e"};
} // namespace

// --- the header click sorts -------------------------------------------------------------------

TEST(ExGridWiring, AHeaderClickSortsOnlyWhereSortingAllowsIt) {
    const struct {
        const char* what;
        bool show;
        int sortRow;
        bool ignored;
        bool refused;
        std::vector<std::string> expected;
    } cases[] = {
        {"sorting on show", true, 0, false, false, Ascending},
        {"sorting not on show", false, 0, false, false, Unsorted},
        {"another sort row", true, 1, false, false, Unsorted},
        {"an ignored column", true, 0, true, false, Unsorted},
        {"refused by OnCanSort", true, 0, false, true, Unsorted},
    };
    for (const auto& c : cases) {
        WiredGrid grid;
        grid.SortSettings()->SetShow(c.show);
        grid.SortSettings()->SetRow(c.sortRow);
        if (c.ignored)
            grid.IgnoreColumns()->Add(1);
        int asked = -1;
        grid.OnCanSort = [&](TObject*, int ACol, bool& DoSort) {
            asked = ACol;
            if (c.refused)
                DoSort = false;
        };
        grid.ClickAt(grid.Centre(1, 0));
        EXPECT_EQ(grid.Column(1), c.expected) << c.what;
        if (c.show && c.sortRow == 0) {
            EXPECT_EQ(asked, 1) << c.what << ": OnCanSort hears of the real column";
        } else {
            EXPECT_EQ(asked, -1) << c.what << ": no sort, no question";
        }
    }
}

TEST(ExGridWiring, TheExtendKeyAddsAColumnToTheSortIndex) {
    const struct {
        const char* what;
        TIndexSortKey key;
        TShiftState second;
        int entries;
    } cases[] = {
        {"Shift extends", ikShift, TShiftState{ssShift}, 2},
        {"Ctrl is not the Shift key", ikShift, TShiftState{ssCtrl}, 1},
        {"Ctrl extends when it is the key", ikCtrl, TShiftState{ssCtrl}, 2},
        {"no key starts over", ikCtrl, TShiftState{}, 1},
    };
    for (const auto& c : cases) {
        WiredGrid grid;
        grid.SortSettings()->SetShow(true);
        grid.SortSettings()->SetIndexShow(true);
        grid.SortSettings()->IndexSortKey = c.key;
        grid.ClickAt(grid.Centre(1, 0));
        grid.ClickAt(grid.Centre(2, 0), c.second);
        EXPECT_EQ(grid.SortIndexes()->Count(), c.entries) << c.what;
        EXPECT_EQ(grid.SortIndexes()->SortColumns(c.entries - 1), 2) << c.what;
    }
}

// --- cell drawing -----------------------------------------------------------------------------

TEST(ExGridWiring, TheSortedColumnsHeaderShowsTheIndicator) {
    for (const bool indexShow : {false, true}) {
        WiredGrid grid;
        grid.SortSettings()->SetShow(true);
        grid.SortSettings()->SetIndexShow(indexShow);
        grid.SortOnHeaderClick(2, false);
        const auto bitmap = grid.Render();
        EXPECT_TRUE(Ink(*bitmap, WiredInside(2, 0), FixedFill)) << "index " << indexShow;
        EXPECT_FALSE(Ink(*bitmap, WiredInside(1, 0), FixedFill))
            << "index " << indexShow << ": an unsorted header stays plain";
        EXPECT_FALSE(Ink(*bitmap, WiredInside(3, 0), FixedFill))
            << "index " << indexShow << ": an unsorted header stays plain";
    }
}

TEST(ExGridWiring, NodeRowsDrawTheirGlyphAndChildRowsTheTree) {
    WiredGrid grid;
    grid.SetColWidths(0, 60);
    grid.CellNode()->SetShowTree(true);
    grid.AddNode(1, 3); // rows 2 and 3 belong to it
    const auto bitmap = grid.Render();
    EXPECT_TRUE(Ink(*bitmap, WiredInside(0, 1), FixedFill)) << "the node's glyph";
    EXPECT_TRUE(Ink(*bitmap, WiredInside(0, 2), FixedFill)) << "a child row's tree line";
    EXPECT_FALSE(Ink(*bitmap, WiredInside(0, 5), FixedFill)) << "a row outside the node";
}

TEST(ExGridWiring, DisjunctSelectionsPaintWhatTheyFlag) {
    const struct {
        const char* what;
        void (*select)(WiredGrid&);
        TPoint selectedCell;
        TPoint plainCell;
        // A flagged row other than the current one stands a little lighter.
        TColor shown = Selected;
    } cases[] = {
        {"rows",
         [](WiredGrid& g) {
             g.MouseActions()->SetDisjunctRowSelect(true);
             g.SetRowSelect(3, true);
         },
         {2, 3},
         {2, 2},
         ShadeColor(Selected, 7)},
        {"columns",
         [](WiredGrid& g) {
             g.MouseActions()->SetDisjunctColSelect(true);
             g.SetColSelect(3, true);
         },
         {3, 4},
         {2, 4}},
        {"cells",
         [](WiredGrid& g) {
             g.MouseActions()->SetDisjunctCellSelect(true);
             g.SetSelectedCells(2, 4, true);
         },
         {2, 4},
         {3, 4}},
    };
    for (const auto& c : cases) {
        WiredGrid grid;
        for (int r = 1; r < grid.RowCount(); ++r)
            for (int col = 1; col < grid.ColCount(); ++col)
                grid.SetCells(col, r, "");
        c.select(grid);
        const auto bitmap = grid.Render();
        const TRect sel = WiredInside(c.selectedCell.X, c.selectedCell.Y);
        const TRect plain = WiredInside(c.plainCell.X, c.plainCell.Y);
        EXPECT_EQ(bitmap->Pixel(sel.Left + 20, sel.Top + 8), c.shown) << c.what;
        EXPECT_EQ(bitmap->Pixel(plain.Left + 20, plain.Top + 8), White) << c.what;
    }
}

TEST(ExGridWiring, RemovingTheDisjunctSelectionRemovesWhatIsFlagged) {
    WiredGrid rows;
    rows.MouseActions()->SetDisjunctRowSelect(true);
    rows.SetRowSelect(2, true);
    rows.SetRowSelect(4, true);
    rows.RemoveSelectedRows();
    EXPECT_EQ(rows.Column(1), (std::vector<std::string>{"e", "c", "a"}));

    WiredGrid cols;
    cols.MouseActions()->SetDisjunctColSelect(true);
    cols.SetColSelect(1, true);
    cols.RemoveSelectedCols();
    EXPECT_EQ(cols.ColCount(), 3);
    EXPECT_EQ(cols.Cells(1, 1), "1") << "the numbers moved into the removed letters' place";
}

TEST(ExGridWiring, PersistentRowSelectionRemovesTheFlaggedRowEvenAfterASort) {
    WiredGrid grid;
    grid.MouseActions()->SetDisjunctRowSelect(true);
    grid.MouseActions()->RowSelectPersistent = true;
    grid.SetRowSelect(1, true); // "e"
    grid.HideRow(2);            // "d": hidden rows are never removed in place of another
    grid.RemoveSelectedRows();
    EXPECT_EQ(grid.Column(1), (std::vector<std::string>{"c", "b", "a"}));
}

// --- wheel, typing and messages ---------------------------------------------------------------

TEST(ExGridWiring, CtrlWheelZoomsAndSizesTheCellsToTheirText) {
    WiredGrid grid;
    grid.SetCells(3, 1, "a rather long text that needs room");
    InputSimulation::Wheel(&grid, TPoint{100, 50}, -120, {ssCtrl});
    EXPECT_EQ(grid.ZoomFactor, 3);
    EXPECT_GT(grid.ColWidths(3), 60 + 3) << "wider than the zoom step alone makes it";
}

TEST(ExGridWiring, TypingFindsTheRowInTheSortedColumn) {
    const struct {
        const char* what;
        bool sort;
        char16_t typed;
        int row;
    } cases[] = {
        {"first normal column without sorting", false, u'C', 3},
        {"the sorted column", true, u'4', 4},
        {"nothing found keeps the row", true, u'x', 1},
    };
    for (const auto& c : cases) {
        WiredGrid grid;
        grid.Navigation()->AutoGotoWhenSorted = true;
        if (c.sort) {
            grid.SortSettings()->SetShow(true);
            grid.SortOnHeaderClick(2, false); // column 2 leads; column 1 now "e".."a" again
        }
        grid.FocusCell(1, 1, true);
        InputSimulation::TypeChar(&grid, c.typed);
        EXPECT_EQ(grid.Row(), c.row) << c.what;
    }
}

TEST(ExGridWiring, TheDialogCharacterReachesTheSearchFootersButtons) {
    WiredGrid grid;
    grid.SearchFooter()->SetFindNextCaption("Find &next");
    grid.SearchFooter()->SetVisible(true);
    grid.SearchPanel()->SetSearchText("c");
    EXPECT_EQ(grid.Perform(CM_DIALOGCHAR, 'N', 0), 1);
    EXPECT_EQ(grid.Perform(CM_DIALOGCHAR, 'Q', 0), 0) << "no button has it";
}

// --- objects tied to the grid at construction ---------------------------------------------------

TEST(ExGridWiring, SwitchingTheStretchOnStretchesAGridOnAForm) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 200);
    WiredGrid grid;
    grid.SetParent(&form);
    grid.ColumnSize()->SetStretch(true);
    EXPECT_EQ(grid.ColWidths(3), grid.ClientWidth() - 3 * 60 - 1);

    WiredGrid alone;
    alone.ColumnSize()->SetStretch(true);
    EXPECT_EQ(alone.ColWidths(3), 60) << "without a parent the stretch waits";
}

TEST(ExGridWiring, TheFloatingFooterKnowsItsGridFromTheStart) {
    WiredGrid grid;
    EXPECT_EQ(grid.FloatingFooter()->Grid(), &grid);
}

TEST(ExGridWiring, TheDropListsChoiceFiltersByThatEntry) {
    WiredGrid grid;
    grid.SetFilterDropDownAuto(true);
    grid.AutoFilterUpdate = true;
    grid.SetFilterColumn(1);
    grid.GetColumnFilter(1);
    const int entry = grid.FilterList()->IndexOf("c");
    ASSERT_GE(entry, 0);
    grid.DropList()->Items()->AddStrings(*grid.FilterList());
    grid.DropList()->SetItemIndex(entry);
    grid.DropList()->OnSelect(grid.DropList());
    EXPECT_EQ(grid.Column(1), (std::vector<std::string>{"c"}));
}

TEST(ExGridWiring, AStepOnACellScrollBarFiresOnScrollCell) {
    WiredGrid grid;
    grid.AddScrollBar(2, 2, false);
    grid.SetScrollProp(2, 2, TScrollProp{10, 200});
    std::vector<int> heard;
    grid.OnScrollCell = [&](TObject*, int ACol, int ARow, int Position, int Min, int Max) {
        heard = {ACol, ARow, Position, Min, Max};
    };
    ASSERT_TRUE(grid.ScrollCellBar(2, 2, SB_LINEDOWN, 0));
    EXPECT_EQ(heard, (std::vector<int>{2, 2, 10, 0, 200}));
}

TEST(ExGridWiring, ADamagedColumnSizesFileIsReportedAndTheGridStillComesUp) {
    TTempFolder folder;
    const std::string path = folder.Write("grid.ini", "[S]\nCol0=77\nCol2=wide\n");
    std::vector<std::string> reported;
    const TExceptionEvent previous = Application->OnException;
    Application->OnException = [&](TObject*, const std::exception& E) {
        reported.push_back(E.what());
    };
    {
        TForm form(nullptr);
        WiredGrid grid;
        grid.ColumnSize()->Save = true;
        grid.ColumnSizeStorage = {path, "S", clIniFile};
        grid.SetParent(&form); // window creation loads the sizes
        grid.Loaded();         // and so does the end of loading
        EXPECT_EQ(grid.Parent(), &form);
        EXPECT_EQ(grid.ColWidths(0), 60) << "a damaged file changes no width";
        grid.ColumnSize()->Save = false;
    }
    Application->OnException = previous;
    ASSERT_EQ(reported.size(), 2u);
    EXPECT_NE(reported[0].find("Col2"), std::string::npos) << reported[0];
}

// --- one definition per name ----------------------------------------------------------------

// This file includes the platform check box, the grid button, the shared grid types, the date
// and time picker and the grid together; it builds only while each name is defined once.
TEST(ExGridWiring, SharedNamesMeanTheSameEverywhere) {
    WiredGrid grid;
    grid.AddCheckBox(1, 1, cbGrayed);
    TCheckBoxState state = cbUnchecked;
    ASSERT_TRUE(grid.GetCheckBoxState(1, 1, state));
    TCheckBox platformBox(nullptr);
    platformBox.SetState(state); // the grid's state is the platform's type
    EXPECT_EQ(platformBox.State(), cbGrayed);

    TExGridButton button(nullptr);
    button.SetStyle(tasCheck);
    EXPECT_EQ(button.Style(), tasCheck);

    EXPECT_EQ(DTPShiftFocusMessage(), RegisterWindowMessage("DTPShiftFocus"));
}
