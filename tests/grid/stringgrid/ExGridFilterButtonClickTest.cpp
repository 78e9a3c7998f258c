// A click on the filter button of a header cell opens the list of the column's values below it.
#include "ExGridMouseTestGrid.h"

#include "grid/stringgrid/DropCheckList.h"
#include "grid/stringgrid/DropList.h"
#include "grid/stringgrid/FilterDropDown.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Form.h"
#include "platform/ui/Keys.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

TEST(ExGridFilterButton, AClickOpensTheValueListOfItsColumn) {
    for (int col : {1, 3}) {
        SCOPED_TRACE(col);
        TMouseTestGrid grid;
        for (int r = 1; r < grid.RowCount(); ++r)
            grid.SetCells(col, r, "v" + std::to_string(r % 3));
        grid.SetFilterDropDownAuto(true);
        grid.Show();
        const TRect cell = grid.CellRect(col, 0);
        const TPoint button{cell.Right - 6, (cell.Top + cell.Bottom) / 2};
        grid.ClickAt(button);
        EXPECT_EQ(grid.FilterColumn(), col);
        EXPECT_TRUE(grid.DropList()->Visible());
    }
}

} // namespace

namespace {

// The texts column 1 shows, top to bottom.
std::vector<std::string> FilterColumnTexts(const TExStringGrid& Grid) {
    std::vector<std::string> shown;
    for (int r = Grid.FixedRows(); r < Grid.RowCount(); ++r)
        shown.push_back(Grid.Cells(1, r));
    return shown;
}

// Column 1 of the mouse test grid holds values that read as conditions; the list is opened by a
// click on the column's filter button.
class FilterListByMouse : public ::testing::Test {
protected:
    TMouseTestGrid grid;
    const std::vector<std::string> values = {"a&b", "x*", "!q", "", "xy", "q", "a&b"};

    void SetUp() override {
        grid.SetRowCount(static_cast<int>(values.size()) + 1);
        for (size_t i = 0; i < values.size(); ++i)
            grid.SetCells(1, static_cast<int>(i) + 1, values[i]);
        grid.SetFilterDropDownAuto(true);
        grid.Show();
    }
    void OpenList() {
        const TRect cell = grid.CellRect(1, 0);
        grid.ClickAt(TPoint{cell.Right - 6, (cell.Top + cell.Bottom) / 2});
    }
    std::vector<std::string> Shown() const { return FilterColumnTexts(grid); }
    static int ItemOf(TListBox* List, const std::string& Text) {
        for (int i = 0; i < List->Count(); ++i)
            if ((*List->Items())[i] == Text)
                return i;
        return -1;
    }
    static void ClickItem(TListBox* List, int Index) {
        const TRect r = List->ItemRect(Index);
        ASSERT_FALSE(r.Right <= r.Left) << "item " << Index << " not in view";
        InputSimulation::Click(List, TPoint{r.Right - 4, (r.Top + r.Bottom) / 2});
    }
};

TEST_F(FilterListByMouse, TheListShowsTheClearEntryAndTheColumnsValuesOnce) {
    grid.FilterDropDown()->Color = clYellow;
    OpenList();
    TListBox* list = grid.DropList();
    std::vector<std::string> items;
    for (int i = 0; i < list->Count(); ++i)
        items.push_back((*list->Items())[i]);
    EXPECT_EQ(items, (std::vector<std::string>{"(All)", "", "!q", "a&b", "q", "x*", "xy"}));
    EXPECT_EQ(list->ItemIndex(), 0);

    // It shows under the button, in the drop-down's colour.
    const TRect cell = grid.CellRect(1, 0);
    EXPECT_EQ(list->Left(), cell.Right - 16);
    EXPECT_EQ(list->Top(), cell.Top + 16);
    TBitmap shot(grid.Width(), grid.Height());
    grid.PaintTo(shot.Canvas(), 0, 0);
    if (const char* path = std::getenv("VELMARO_GRID_PICTURE"))
        shot.SaveToFile(path);
    int yellow = 0;
    for (int y = list->Top(); y < list->Top() + list->Height(); ++y)
        for (int x = list->Left(); x < list->Left() + list->Width(); ++x)
            yellow += shot.Pixel(x, y) == clYellow;
    EXPECT_GT(yellow, list->Width() * list->Height() / 3);
}

TEST_F(FilterListByMouse, AClickedValueShowsTheRowsHoldingExactlyThatText) {
    const struct {
        std::string Clicked;
        std::vector<std::string> Shown;
    } cases[] = {
        {"a&b", {"a&b", "a&b"}}, {"x*", {"x*"}}, {"!q", {"!q"}}, {"", {""}},
        {"(All)", {"a&b", "x*", "!q", "", "xy", "q", "a&b"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Clicked);
        OpenList();
        ASSERT_TRUE(grid.DropList()->Visible());
        const int index = ItemOf(grid.DropList(), c.Clicked);
        ASSERT_GE(index, 0);
        ClickItem(grid.DropList(), index);
        EXPECT_FALSE(grid.DropList()->Visible());
        EXPECT_EQ(grid.FilterColumn(), -1);
        EXPECT_EQ(Shown(), c.Shown);
    }
}

TEST_F(FilterListByMouse, ArrowKeysMoveAndEnterChoosesEscapeCloses) {
    OpenList();
    TListBox* list = grid.DropList();
    InputSimulation::KeyPress(list, VK_DOWN);
    InputSimulation::KeyPress(list, VK_DOWN);
    InputSimulation::KeyPress(list, VK_DOWN);
    EXPECT_TRUE(list->Visible()) << "moving through the list chooses nothing";
    EXPECT_EQ(Shown().size(), values.size());
    InputSimulation::KeyPress(list, VK_RETURN, '\r');
    EXPECT_FALSE(list->Visible());
    EXPECT_EQ(Shown(), (std::vector<std::string>{"a&b", "a&b"}));

    OpenList();
    InputSimulation::KeyPress(list, VK_ESCAPE, 27);
    EXPECT_FALSE(list->Visible());
    EXPECT_EQ(grid.FilterColumn(), -1);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"a&b", "a&b"}));
}

TEST_F(FilterListByMouse, TickedValuesInTheCheckListShowTheirRowsAndStayTickedWhenOpenedAgain) {
    grid.FilterDropDownCheck = true;
    OpenList();
    TListBox* list = grid.DropCheckList();
    ASSERT_TRUE(list->Visible());
    ClickItem(list, ItemOf(list, "x*"));
    EXPECT_EQ(Shown(), (std::vector<std::string>{"x*"}));
    ClickItem(list, ItemOf(list, ""));
    ClickItem(list, ItemOf(list, "!q"));
    EXPECT_TRUE(list->Visible()) << "the check list stays open";
    EXPECT_EQ(Shown(), (std::vector<std::string>{"x*", "!q", ""}));
    ClickItem(list, ItemOf(list, "x*")); // untick
    EXPECT_EQ(Shown(), (std::vector<std::string>{"!q", ""}));

    grid.ClickAt(grid.Centre(3, 3)); // elsewhere: the list closes
    EXPECT_FALSE(list->Visible());
    OpenList();
    std::vector<std::string> ticked;
    for (int i = 0; i < list->Count(); ++i)
        if (list->Checked(i))
            ticked.push_back((*list->Items())[i]);
    EXPECT_EQ(ticked, (std::vector<std::string>{"", "!q"}));
}

} // namespace

namespace {

TEST_F(FilterListByMouse, SpaceTicksTheFocusedValueOfTheCheckList) {
    grid.FilterDropDownCheck = true;
    OpenList();
    TListBox* list = grid.DropCheckList();
    for (int i = 0; i < 4; ++i)
        InputSimulation::KeyPress(list, VK_DOWN);
    ASSERT_GT(list->ItemIndex(), 0);
    const std::string value = (*list->Items())[list->ItemIndex()];
    EXPECT_EQ(Shown().size(), values.size()) << "moving ticks nothing";
    InputSimulation::KeyPress(list, VK_SPACE, ' ');
    EXPECT_TRUE(list->Checked(list->ItemIndex()));
    std::vector<std::string> expected;
    for (const std::string& v : values)
        if (v == value)
            expected.push_back(v);
    EXPECT_EQ(Shown(), expected);
    InputSimulation::KeyPress(list, VK_ESCAPE, 27);
    EXPECT_FALSE(list->Visible());
    EXPECT_EQ(Shown(), expected) << "closing keeps the filter";
}

} // namespace

namespace {

// The grid on a form, where the focus moves between the grid and its open list as in the program.
class FilterListOnAForm : public ::testing::Test {
protected:
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TMouseTestGrid& grid = *new TMouseTestGrid(form.get());
    const std::vector<std::string> values = {"b", "a", "c", "a"};

    void SetUp() override {
        form->SetClientWidth(500);
        form->SetClientHeight(300);
        grid.SetParent(form.get());
        grid.SetRowCount(static_cast<int>(values.size()) + 1);
        for (size_t i = 0; i < values.size(); ++i)
            grid.SetCells(1, static_cast<int>(i) + 1, values[i]);
        grid.SetFilterDropDownAuto(true);
        form->Show();
        grid.SetFocus();
    }
    std::vector<std::string> Shown() const { return FilterColumnTexts(grid); }
};

TEST_F(FilterListOnAForm, AClickOnTheButtonOfTheOpenListClosesItAndTheNextOpensItAgain) {
    const TRect cell = grid.CellRect(1, 0);
    const TPoint button{cell.Right - 6, (cell.Top + cell.Bottom) / 2};
    const struct {
        const char* Name;
        bool CheckList;
        // A real press moves the focus to the grid before the grid sees the press.
        bool FocusBeforePress;
    } cases[] = {
        {"list", false, false},
        {"check list", true, false},
        {"list, focus first", false, true},
        {"check list, focus first", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        grid.FilterDropDownCheck = c.CheckList;
        TListBox* list = c.CheckList ? static_cast<TListBox*>(grid.DropCheckList())
                                     : static_cast<TListBox*>(grid.DropList());
        const auto clickButton = [&] {
            grid.Move(button);
            if (c.FocusBeforePress)
                grid.SetFocus();
            grid.Press(button);
            grid.Release(button);
        };
        clickButton();
        ASSERT_TRUE(list->Visible());
        ASSERT_TRUE(list->Focused());
        clickButton();
        EXPECT_FALSE(list->Visible()) << "the second click closes the list";
        EXPECT_EQ(grid.FilterColumn(), -1);
        EXPECT_EQ(Shown(), values) << "closing chooses nothing";
        clickButton();
        EXPECT_TRUE(list->Visible()) << "the third click opens it again";
        EXPECT_EQ(grid.FilterColumn(), 1);
        clickButton();
        EXPECT_FALSE(list->Visible());
    }

    // The button of another column while a list is open opens that column's list.
    for (size_t i = 0; i < values.size(); ++i)
        grid.SetCells(2, static_cast<int>(i) + 1, values[i]);
    grid.ClickAt(button);
    ASSERT_EQ(grid.FilterColumn(), 1);
    const TRect next = grid.CellRect(2, 0);
    grid.ClickAt({next.Right - 6, (next.Top + next.Bottom) / 2});
    EXPECT_EQ(grid.FilterColumn(), 2);
    EXPECT_TRUE(grid.DropCheckList()->Visible());
}

} // namespace
