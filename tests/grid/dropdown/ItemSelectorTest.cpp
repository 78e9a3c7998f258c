// The item selector: the cells' layout in columns, selection and the hot item by mouse and by
// keyboard steps, the caption lookup, and the guards of the selected index.
#include "grid/dropdown/ItemSelector.h"
#include "platform/core/Exception.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ItemSelector : public ::testing::Test {
protected:
    void SetUp() override {
        host.OnItemSelect = [this](TObject* Sender) {
            EXPECT_EQ(Sender, &host);
            selects.push_back(host.ItemIndex());
        };
    }
    // Cells of a fixed size, so that the layout does not depend on the font.
    void AddItems(int Count, int Columns = 1, TSize Cell = {50, 20}) {
        host.OnItemSize = [Cell](TObject*, TSize& Size) { Size = Cell; };
        host.SetColumns(Columns);
        for (int i = 0; i < Count; ++i)
            host.Items()->Add()->SetCaption("Item " + std::to_string(i));
    }
    TPoint CentreOf(int Index) const {
        const TRect r = Panel()->GetItemRect(Index);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    TCustomItemSelector* Panel() const { return host.SelectorPanel(); }

    TExCustomItemSelector host{nullptr};
    std::vector<int> selects;
};

} // namespace

TEST_F(ItemSelector, ThreeItemsInTwoColumnsLeaveTheSameMarginOnAllSides) {
    AddItems(3, 2);
    EXPECT_EQ(Panel()->GetItemRect(0), Rect(2, 2, 52, 22));
    EXPECT_EQ(Panel()->GetItemRect(1), Rect(52, 2, 102, 22));
    EXPECT_EQ(Panel()->GetItemRect(2), Rect(2, 22, 52, 42));
    EXPECT_EQ(host.GetPanelSize().cx, 104);
    EXPECT_EQ(host.GetPanelSize().cy, 44);
    EXPECT_EQ(Panel()->GetItemRect(3), Rect(-1, -1, -1, -1));
}

TEST_F(ItemSelector, WithoutItemsThePanelIsOneHundredByFiftyAndNothingIsSelectable) {
    EXPECT_EQ(host.GetPanelSize().cx, 100);
    EXPECT_EQ(host.GetPanelSize().cy, 50);
    host.SelectNext();
    host.SelectLast();
    EXPECT_EQ(host.ItemIndex(), -1);
    EXPECT_FALSE(host.LookupItem("A"));
    EXPECT_EQ(host.GetVisibleItemCount(), 0);
}

TEST_F(ItemSelector, ColumnsBelowOneAreRefused) {
    AddItems(3, 2);
    host.SetColumns(0);
    host.SetColumns(-3);
    EXPECT_EQ(host.Columns(), 2);
}

TEST_F(ItemSelector, ItemIndexRefusesIndexesOutsideTheItems) {
    AddItems(3);
    host.SetItemIndex(1);
    for (const int outside : {3, 4, -2, 1000}) {
        host.SetItemIndex(outside);
        EXPECT_EQ(host.ItemIndex(), 1) << outside;
    }
    host.SetItemIndex(-1);
    EXPECT_EQ(host.ItemIndex(), -1);
    EXPECT_EQ(selects, std::vector<int>{1}) << "clearing the selection selects nothing";
}

TEST_F(ItemSelector, RemovingTheSelectedItemLeavesNoIndexPastTheItems) {
    AddItems(3);
    host.SetItemIndex(2);
    host.Items()->Delete(2);
    EXPECT_EQ(host.ItemIndex(), -1);
    host.SetItemIndex(0);
    host.Items()->Clear();
    EXPECT_EQ(host.ItemIndex(), -1);
    EXPECT_EQ(host.GetPanelSize().cx, 100);
}

TEST_F(ItemSelector, SettingTheSelectedIndexAgainFiresAgain) {
    AddItems(2);
    host.SetItemIndex(1);
    host.SetItemIndex(1);
    EXPECT_EQ(selects, (std::vector<int>{1, 1}));
}

TEST_F(ItemSelector, KeyboardStepsStopAtTheEndsAndStartAtTheFirstItem) {
    AddItems(3);
    struct Step {
        const char* Name;
        void (TExCustomItemSelector::*Action)();
        int Expected;
    };
    const Step steps[] = {
        {"next from none", &TExCustomItemSelector::SelectNext, 0},
        {"next", &TExCustomItemSelector::SelectNext, 1},
        {"last", &TExCustomItemSelector::SelectLast, 2},
        {"next at the last", &TExCustomItemSelector::SelectNext, 2},
        {"previous", &TExCustomItemSelector::SelectPrevious, 1},
        {"first", &TExCustomItemSelector::SelectFirst, 0},
        {"previous at the first", &TExCustomItemSelector::SelectPrevious, 0},
    };
    for (const Step& step : steps) {
        (host.*step.Action)();
        EXPECT_EQ(host.ItemIndex(), step.Expected) << step.Name;
    }
    host.SetItemIndex(-1);
    host.SelectPrevious();
    EXPECT_EQ(host.ItemIndex(), 0) << "previous from none";
}

TEST_F(ItemSelector, HotStepsMoveTheHotItemAndSkipNothingButDisabledOnes) {
    AddItems(3);
    host.HotNext();
    EXPECT_EQ(host.ItemHot(), 0);
    host.HotNext();
    host.HotNext();
    host.HotNext();
    EXPECT_EQ(host.ItemHot(), 2);
    host.HotPrevious();
    EXPECT_EQ(host.ItemHot(), 1);
    EXPECT_EQ(host.ItemIndex(), -1) << "the hot item is not selected";
}

TEST_F(ItemSelector, AClickSelectsTheEnabledItemUnderThePointer) {
    AddItems(4, 2);
    host.Items()->GetItem(3)->SetEnabled(false);
    host.Items()->GetItem(3)->SetHint("not now");
    struct Case {
        TPoint At;
        int Expected;
    };
    const Case cases[] = {
        {CentreOf(1), 1},
        {CentreOf(2), 2},
        {CentreOf(3), 2}, // disabled: nothing happens
        {{1, 1}, 2},      // the margin holds no item
    };
    for (const Case& c : cases) {
        InputSimulation::Click(Panel(), c.At);
        EXPECT_EQ(host.ItemIndex(), c.Expected) << c.At.X << "," << c.At.Y;
    }
}

TEST_F(ItemSelector, MovingOverItemsMakesThemHotAndADisabledOneClearsTheHotItemShowingItsHint) {
    AddItems(4, 2);
    host.Items()->GetItem(3)->SetEnabled(false);
    host.Items()->GetItem(3)->SetHint("not now");
    InputSimulation::MouseMove(Panel(), {CentreOf(1).X, CentreOf(1).Y});
    EXPECT_EQ(host.ItemHot(), 1);
    InputSimulation::MouseMove(Panel(), {CentreOf(3).X, CentreOf(3).Y});
    EXPECT_EQ(host.ItemHot(), -1);
    EXPECT_EQ(Panel()->Hint(), "not now");
    InputSimulation::MouseMove(Panel(), {CentreOf(0).X, CentreOf(0).Y});
    InputSimulation::MouseMove(Panel(), {1, 1});
    EXPECT_EQ(host.ItemHot(), -1) << "no item under the pointer";
}

TEST_F(ItemSelector, LookupMatchesThePlainUpperCasedCaptionStart) {
    AddItems(0);
    for (const char* caption : {"  xyz", "<b>abc</b>", "Abd", "B"})
        host.Items()->Add()->SetCaption(caption);
    struct Case {
        std::string Search;
        bool Found;
        int Index;
    };
    const Case cases[] = {
        {"AB", true, 1},  {"ABD", true, 2}, {"XY", true, 0},
        {"ab", false, 0}, {"", false, 0},   {"Q", false, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(host.LookupItem(c.Search), c.Found) << c.Search;
        EXPECT_EQ(host.ItemIndex(), c.Index) << c.Search;
    }
}

TEST_F(ItemSelector, VisibleItemCountIsTheRowsThatFitTimesTheColumnsAndNeverDividesByZero) {
    AddItems(30, 3, {40, 22});
    host.SetBounds(0, 0, 200, 100);
    EXPECT_EQ(host.GetVisibleItemCount(), 12);
    host.OnItemSize = [](TObject*, TSize& Size) { Size = {40, 0}; };
    host.UpdateSelectorPanel();
    EXPECT_EQ(host.GetVisibleItemCount(), 0);
}

TEST_F(ItemSelector, SelectingAnItemBelowTheViewScrollsItIn) {
    AddItems(20, 1, {50, 20});
    host.SetBounds(0, 0, 80, 100);
    host.SetItemIndex(10);
    const TRect cell = Panel()->GetItemRect(10);
    const int top = cell.Top + Panel()->Top();
    EXPECT_GE(top, 0);
    EXPECT_LE(top + cell.Height(), host.ClientHeight());
    host.SelectFirst();
    EXPECT_EQ(Panel()->Top(), 0 - host.VertScrollBar()->Position());
}

TEST_F(ItemSelector, APanelNeedsASelectorHostAsOwner) {
    EXPECT_THROW(TCustomItemSelector panel(nullptr), Exception);
}

TEST(ItemAppearance, PresetsLoadTheirColoursAndCustomKeepsThem) {
    TItemAppearance look;
    EXPECT_EQ(look.ColorStyle(), scOffice2007);
    EXPECT_EQ(look.ColorHot, TColor(0xD7FFFD));
    look.SetColorStyle(scWindows7);
    EXPECT_EQ(look.BorderColor, TColor(0xCEA27D));
    EXPECT_EQ(look.ColorMirrorSelected, clNone);
    look.ColorHot = 0x123456;
    look.SetColorStyle(scCustom);
    EXPECT_EQ(look.ColorHot, TColor(0x123456));
    TItemAppearance copy;
    copy.Assign(look);
    EXPECT_EQ(copy.ColorStyle(), scCustom);
    EXPECT_EQ(copy.ColorHot, TColor(0x123456));
}

TEST_F(ItemSelector, ASelectedCellIsPaintedInTheSelectionColourAndAPlainOneInThePanelColour) {
    host.SetSelectorType(stColor);
    for (const TItemLayout layout :
         {ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom}) {
        host.Items()->Clear();
        host.SetItemLayout(layout);
        host.SetColor(clWhite);
        for (const char* caption : {"Red", "", "<b>Blue</b>"})
            host.Items()->Add()->SetCaption(caption);
        host.Items()->GetItem(0)->SetColor(clRed);
        host.ItemAppearance()->SetColorStyle(scCustom);
        host.ItemAppearance()->ColorSelected = clLime;
        host.ItemAppearance()->ColorSelectedTo = clNone;
        host.ItemAppearance()->BorderColorTop = clNone;
        host.SetItemIndex(2);
        TBitmap bitmap;
        bitmap.SetSize(host.GetPanelSize().cx, host.GetPanelSize().cy);
        Panel()->DrawItems(bitmap.Canvas());
        const TRect selected = Panel()->GetItemRect(2);
        const TRect plain = Panel()->GetItemRect(1);
        EXPECT_EQ(bitmap.Canvas()->Pixel(selected.Left + 2, selected.Top + 2), clLime) << layout;
        EXPECT_EQ(bitmap.Canvas()->Pixel(plain.Left + 1, plain.Top + 1), clWhite) << layout;
    }
}
