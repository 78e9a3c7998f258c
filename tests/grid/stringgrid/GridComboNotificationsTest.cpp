// The combo editor's notifications as the grid hears them when a person picks an item: by the
// mouse in the open list, by the arrow keys, by a typed letter and by the wheel.
#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridCombo.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Keys.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A shown form with a grid whose column 1 is edited with a combo list of three items; every
// combo notification the grid raises is recorded.
class GridComboNotificationsTest : public ::testing::Test {
protected:
    GridComboNotificationsTest() : Form(std::make_unique<TForm>(nullptr)) {
        Form->SetClientWidth(400);
        Form->SetClientHeight(300);
        Grid = new TExStringGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 380, 280);
        Grid->SetColCount(3);
        Grid->SetRowCount(6);
        Grid->SetColWidths(1, 120);
        Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
        Grid->OnGetEditorType = [this](TObject*, int ACol, int, TEditorType& AEditor) {
            if (ACol != 1)
                return;
            AEditor = edComboList;
            Grid->ClearComboString();
            for (const char* item : {"Alpha", "Beta", "Gamma"})
                Grid->AddComboString(item);
        };
        Grid->OnComboChange = [this](TObject*, int ACol, int ARow, int Index,
                                     const std::string& Text) {
            Events.push_back("change " + std::to_string(ACol) + "," + std::to_string(ARow) + " " +
                             std::to_string(Index) + " " + Text);
        };
        Grid->OnComboDropDown = [this](TObject*, int ARow, int ACol) {
            Events.push_back("dropdown " + std::to_string(ACol) + "," + std::to_string(ARow));
        };
        Grid->OnComboCloseUp = [this](TObject*, int ARow, int ACol) {
            Events.push_back("closeup " + std::to_string(ACol) + "," + std::to_string(ARow));
        };
        Form->Show();
        Application->ProcessMessages();
    }

    // Cell (1, 2) holding "Beta", its combo opened as a person opens it: a click, then F2.
    TGridCombo* OpenCombo() {
        Grid->SetCells(1, 2, "Beta");
        const TRect cell = Grid->CellRect(1, 2);
        InputSimulation::Click(Grid, {cell.Left + 5, cell.Top + 5});
        InputSimulation::KeyPress(Grid, VK_F2);
        Application->ProcessMessages();
        TGridCombo* combo = Grid->Combobox();
        EXPECT_TRUE(Grid->EditMode);
        EXPECT_TRUE(combo->Visible());
        EXPECT_EQ(combo->Text(), "Beta");
        Events.clear();
        return combo;
    }

    static TPoint Middle(TControl* control) {
        return {control->Width() / 2, control->Height() / 2};
    }

    std::unique_ptr<TForm> Form;
    TExStringGrid* Grid = nullptr;
    std::vector<std::string> Events;
};

TEST_F(GridComboNotificationsTest, APickByMouseInTheOpenListIsToldOnceThenTheCloseUp) {
    TGridCombo* combo = OpenCombo();
    InputSimulation::KeyPress(combo, VK_F4);
    ASSERT_TRUE(combo->DroppedDown());
    EXPECT_EQ(Events, std::vector<std::string>{"dropdown 1,2"});
    InputSimulation::ClickListItem(combo, 2);
    Application->ProcessMessages();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(Events,
              (std::vector<std::string>{"dropdown 1,2", "change 1,2 2 Gamma", "closeup 1,2"}));
    EXPECT_TRUE(Grid->EditMode) << "without DirectComboClose the edit goes on";
}

TEST_F(GridComboNotificationsTest, ArrowKeysATypedLetterAndTheWheelEachTellTheirPickOnce) {
    struct Case {
        const char* Name;
        void (*Pick)(TGridCombo*);
        const char* Told;
    };
    const Case cases[] = {
        {"down", [](TGridCombo* c) { InputSimulation::KeyPress(c, VK_DOWN); },
         "change 1,2 2 Gamma"},
        {"up", [](TGridCombo* c) { InputSimulation::KeyPress(c, VK_UP); }, "change 1,2 0 Alpha"},
        {"letter", [](TGridCombo* c) { InputSimulation::TypeChar(c, 'g'); }, "change 1,2 2 Gamma"},
        {"wheel towards the user",
         [](TGridCombo* c) { InputSimulation::Wheel(c, Middle(c), -WHEEL_DELTA); },
         "change 1,2 2 Gamma"},
    };
    for (const Case& c : cases) {
        TGridCombo* combo = OpenCombo();
        c.Pick(combo);
        Application->ProcessMessages();
        EXPECT_EQ(Events, std::vector<std::string>{c.Told}) << c.Name;
        InputSimulation::KeyPress(Grid->Combobox(), VK_ESCAPE, 27);
    }
}

TEST_F(GridComboNotificationsTest, AListClosedWithoutAPickIsToldAsCloseUpOnly) {
    TGridCombo* combo = OpenCombo();
    InputSimulation::KeyPress(combo, VK_F4);
    ASSERT_TRUE(combo->DroppedDown());
    combo->SetDroppedDown(false);
    EXPECT_EQ(Events, (std::vector<std::string>{"dropdown 1,2", "closeup 1,2"}));
    EXPECT_EQ(combo->Text(), "Beta");
}

TEST_F(GridComboNotificationsTest, DirectComboCloseStoresThePickedItemAndEndsTheEdit) {
    Grid->MouseActions()->DirectComboClose = true;
    TGridCombo* combo = OpenCombo();
    InputSimulation::KeyPress(combo, VK_F4);
    InputSimulation::ClickListItem(combo, 0);
    Application->ProcessMessages();
    EXPECT_EQ(Grid->Cells(1, 2), "Alpha");
    EXPECT_FALSE(Grid->EditMode);
    EXPECT_FALSE(combo->Visible());
    EXPECT_EQ(Events,
              (std::vector<std::string>{"dropdown 1,2", "change 1,2 0 Alpha", "closeup 1,2"}))
        << "the pick is told once";
}

} // namespace
