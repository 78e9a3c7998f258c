#include "RecordingControl.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/CategoryPanelGroup.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Four panels as the general parameters window stacks them: 95, 150, 123 and 94 high.
class CategoryPanelGroupTest : public ::testing::Test {
protected:
    CategoryPanelGroupTest()
        : Form(std::make_unique<TestForm>(nullptr)), Group(new TCategoryPanelGroup(Form.get())) {
        Group->SetParent(Form.get());
        Group->SetBounds(0, 69, 460, 591);
        int top = 0;
        for (int height : {95, 150, 123, 94}) {
            auto* panel = new TCategoryPanel(Form.get());
            panel->SetPanelGroup(Group);
            panel->SetTop(top);
            panel->SetHeight(height);
            top += height;
            Panels.push_back(panel);
        }
    }

    std::vector<int> Tops() const {
        std::vector<int> tops;
        for (const TCategoryPanel* panel : Panels)
            tops.push_back(panel->Top());
        return tops;
    }

    int Range() const { return Group->VertScrollBar()->Range(); }

    std::unique_ptr<TestForm> Form;
    TCategoryPanelGroup* Group;
    std::vector<TCategoryPanel*> Panels;
};

TEST_F(CategoryPanelGroupTest, PanelsStackAtTheFullWidth) {
    EXPECT_EQ(Tops(), (std::vector<int>{0, 95, 245, 368}));
    EXPECT_EQ(Range(), 462);
    EXPECT_EQ(Panels[1]->Width(), Group->ClientWidth());
    EXPECT_FALSE(Group->VertScrollBar()->IsScrollBarVisible()) << "462 pixels fit in 591";
}

TEST_F(CategoryPanelGroupTest, OrderFollowsTheTopsAndHiddenPanelsLeaveNoGap) {
    Panels[3]->SetTop(-1);
    Panels[1]->SetVisible(false);
    EXPECT_EQ(Panels[3]->Top(), 0);
    EXPECT_EQ(Panels[0]->Top(), 94);
    EXPECT_EQ(Panels[2]->Top(), 189);
    EXPECT_EQ(Range(), 312);
}

TEST_F(CategoryPanelGroupTest, SettingTopsOneAfterTheOtherReordersThePanels) {
    // As a window lays out panels that were designed in another order.
    Panels[3]->SetTop(0);
    Panels[2]->SetTop(Panels[3]->Top() + Panels[3]->Height());
    EXPECT_EQ(Group->Panels(),
              (std::vector<TCategoryPanel*>{Panels[3], Panels[2], Panels[0], Panels[1]}));
    EXPECT_EQ(Tops(), (std::vector<int>{217, 312, 94, 0}));
}

TEST_F(CategoryPanelGroupTest, CollapseShrinksToTheHeaderAndChangesTheRange) {
    Panels[1]->Collapse();
    EXPECT_EQ(Panels[1]->Height(), 24);
    EXPECT_EQ(Tops(), (std::vector<int>{0, 95, 119, 242}));
    EXPECT_EQ(Range(), 462 - 150 + 24);
    EXPECT_FALSE(Panels[1]->Surface()->Visible());

    Panels[1]->Expand();
    EXPECT_EQ(Panels[1]->Height(), 150);
    EXPECT_EQ(Range(), 462);
}

TEST_F(CategoryPanelGroupTest, HeaderClickTogglesTheCollapse) {
    int collapses = 0;
    Panels[0]->OnCollapse = [&](TObject*) { ++collapses; };
    InputSimulation::Click(Panels[0], Point(30, 10));
    EXPECT_TRUE(Panels[0]->Collapsed());
    EXPECT_EQ(collapses, 1);

    InputSimulation::Click(Panels[0], Point(30, 10));
    EXPECT_FALSE(Panels[0]->Collapsed());

    InputSimulation::Click(Panels[0], Point(30, 50));
    EXPECT_FALSE(Panels[0]->Collapsed()) << "a click below the header is no header click";
}

TEST_F(CategoryPanelGroupTest, HeightSetWhileCollapsedWaitsForTheExpand) {
    Panels[2]->Collapse();
    Panels[2]->SetHeight(200);
    EXPECT_EQ(Panels[2]->Height(), 24);
    Panels[2]->Expand();
    EXPECT_EQ(Panels[2]->Height(), 200);
}

TEST_F(CategoryPanelGroupTest, ControlsSitOnTheSurfaceBelowTheHeader) {
    auto* edit = new TEdit(Form.get());
    edit->SetParent(Panels[2]->Surface());
    edit->SetBounds(191, 63, 55, 21);
    const TRect surface = Panels[2]->Surface()->BoundsRect();
    EXPECT_EQ(surface, Rect(0, 24, Panels[2]->Width(), 123));
    // The panel's height is the last input's bottom plus 12 plus the header.
    EXPECT_EQ(edit->Top() + edit->Height() + 12 + Group->HeaderHeight(), 120);
}

TEST_F(CategoryPanelGroupTest, HeaderTakesTheGradientAndTheBodyThePanelColour) {
    Group->SetGradientBaseColor(0x00D8D8E7);
    Group->SetGradientColor(0x00D8D8E7);
    Panels[0]->SetColor(0x00EDF7F8);
    TBitmap bitmap(Panels[0]->Width(), Panels[0]->Height());

    Panels[0]->PaintTo(bitmap.Canvas(), 0, 0);

    EXPECT_EQ(bitmap.Pixel(2, 2), 0x00D8D8E7);
    EXPECT_EQ(bitmap.Pixel(2, 60), 0x00EDF7F8) << "the surface takes the panel's colour";
}

// Moving or widening a collapsed panel, as a window's layout routines do, keeps the height it
// expands to.
struct CollapsedMoveCase {
    const char* Name;
    void (*Move)(TCategoryPanel* panel);
};

class CollapsedPanelMove : public CategoryPanelGroupTest,
                           public ::testing::WithParamInterface<CollapsedMoveCase> {};

TEST_P(CollapsedPanelMove, KeepsTheExpandedHeight) {
    TCategoryPanel* panel = Panels[1];
    panel->Collapse();
    GetParam().Move(panel);
    EXPECT_EQ(panel->Height(), 24);
    EXPECT_EQ(panel->ExpandedHeight(), 150);
    panel->Expand();
    EXPECT_EQ(panel->Height(), 150);
    EXPECT_EQ(Range(), 462);
}

INSTANTIATE_TEST_SUITE_P(
    CategoryPanelGroupTest, CollapsedPanelMove,
    ::testing::Values(CollapsedMoveCase{"Top", [](TCategoryPanel* panel) { panel->SetTop(0); }},
                      CollapsedMoveCase{"Left", [](TCategoryPanel* panel) { panel->SetLeft(5); }},
                      CollapsedMoveCase{"Width",
                                        [](TCategoryPanel* panel) { panel->SetWidth(300); }},
                      CollapsedMoveCase{"SameBounds",
                                        [](TCategoryPanel* panel) {
                                            panel->SetBoundsRect(panel->BoundsRect());
                                        }}),
    [](const ::testing::TestParamInfo<CollapsedMoveCase>& info) { return info.param.Name; });

class CategoryPanelScrolling : public CategoryPanelGroupTest {
protected:
    CategoryPanelScrolling() { Group->SetHeight(200); }
    int Position() const { return Group->VertScrollBar()->Position(); }
};

TEST_F(CategoryPanelScrolling, ScrollBarShowsWhenThePanelsDoNotFit) {
    EXPECT_TRUE(Group->VertScrollBar()->IsScrollBarVisible());
    EXPECT_LT(Group->ClientWidth(), Group->Width());
    EXPECT_EQ(Panels[0]->Width(), Group->ClientWidth());
}

TEST_F(CategoryPanelScrolling, LineMessagesScrollByTheIncrement) {
    Group->Perform(WM_VSCROLL, SB_LINEDOWN);
    Group->Perform(WM_VSCROLL, SB_ENDSCROLL);
    EXPECT_EQ(Position(), 8);
    EXPECT_EQ(Panels[1]->Top(), 95 - 8);

    Group->Perform(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(Position(), 462 - 200);
    Group->Perform(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(Position(), 462 - 200) << "the position stops at the end";
    Group->Perform(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(Panels[0]->Top(), 0);
}

TEST_F(CategoryPanelScrolling, CollapsingNearTheEndPullsThePositionBack) {
    Group->Perform(WM_VSCROLL, SB_BOTTOM);
    Panels[1]->Collapse();
    EXPECT_EQ(Position(), 336 - 200);
    EXPECT_EQ(Panels[3]->Top() + Panels[3]->Height(), 200) << "the last panel ends at the bottom";
}

TEST_F(CategoryPanelScrolling, FocusScrollsTheControlIntoView) {
    auto* edit = new TEdit(Form.get());
    edit->SetParent(Panels[3]->Surface());
    edit->SetBounds(191, 37, 238, 21);

    Form->SetActiveControl(edit);

    const TPoint inGroup = Group->ScreenToClient(edit->ClientToScreen(Point(0, 0)));
    EXPECT_GT(Position(), 0);
    EXPECT_GE(inGroup.Y, 0);
    EXPECT_LE(inGroup.Y + edit->Height(), Group->ClientHeight());
}

TEST_F(CategoryPanelScrolling, WheelScrollsThreeLinesPerTurn) {
    InputSimulation::Wheel(Group, Point(100, 100), -WHEEL_DELTA);
    EXPECT_EQ(Position(), 3 * 8);
    InputSimulation::Wheel(Panels[0], Point(100, 50), WHEEL_DELTA);
    EXPECT_EQ(Position(), 0) << "the wheel over a panel scrolls its group";
}

} // namespace

namespace {

TEST_F(CategoryPanelScrolling, WheelOverAComboScrollsTheGroupAndKeepsTheChoice) {
    auto* combo = new TComboBox(Form.get());
    combo->SetParent(Panels[0]->Surface());
    combo->SetStyle(csDropDownList);
    combo->SetBounds(191, 9, 238, 22);
    for (const char* item : {"2", "3", "4", "5"})
        combo->Items()->Add(item);
    combo->SetItemIndex(1);
    Form->SetActiveControl(combo);
    InputSimulation::Wheel(combo, Point(10, 10), -WHEEL_DELTA);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(Position(), 3 * 8);
}

} // namespace
