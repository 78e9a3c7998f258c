// Keys typed while a combo cell editor is open reach the combo, whether its list is closed or
// open and whether a key or a click opened it: each step is checked in the cell, the combo's
// item, the events and in who holds the focus, for the window system and for the form.
#include "ExGridEditingTestGrid.h"

#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/GridCombo.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum class Holder { Combo, Grid, OtherEdit };

struct KeyStep {
    const char* Name;
    WORD Key;
    TChar Ch;
    TShiftState Shift;
    const char* Cell;  // cell (1, 1)
    const char* Shown; // the combo's text
    bool Dropped;
    bool Editing;
    Holder Focus;
    const char* Events; // what the step reported, in order
};

class ComboKeysForm : public EditingTest::TEditingForm {
public:
    explicit ComboKeysForm(TEditorType Kind) : TEditingForm(Kind) {
        Grid->OfferFake = false;
        for (const char* item : {"Alpha", "Beta", "Gamma", "Delta"})
            Grid->AddComboString(item);
        Grid->SetCells(1, 1, "Beta");
        Grid->OnComboChange = [this](TObject*, int, int, int Index, const std::string& Text) {
            Events += "change " + std::to_string(Index) + " " + Text + ";";
        };
        Grid->OnComboDropDown = [this](TObject*, int, int) { Events += "drop;"; };
        Grid->OnComboCloseUp = [this](TObject*, int, int) { Events += "closeup;"; };
        Grid->OnEditingDone = [this](TObject*) { Events += "done;"; };
        Pump();
    }

    void OpenByF2() { Press(VK_F2); }
    void OpenByClick() {
        Grid->MouseActions()->DirectEdit = true;
        Grid->FocusCell(2, 2, true);
        const TRect r = Grid->CellRect(1, 1);
        InputSimulation::Click(Grid, TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
        Pump();
    }
    void Press(WORD Key, TChar Ch = 0, TShiftState Shift = {}) {
        InputSimulation::KeyPressFocused(Key, Ch, Shift);
        Pump();
    }
    TControl* Expected(Holder Focus) {
        switch (Focus) {
        case Holder::Combo:
            return Grid->Combobox();
        case Holder::Grid:
            return Grid;
        default:
            return Other;
        }
    }

    void Run(const std::vector<KeyStep>& Steps) {
        TGridCombo* combo = Grid->Combobox();
        ASSERT_TRUE(Grid->EditMode);
        ASSERT_EQ(InputSimulation::FocusedControl(), combo);
        ASSERT_EQ(Form.ActiveControl(), combo);
        for (const KeyStep& step : Steps) {
            Events.clear();
            Press(step.Key, step.Ch, step.Shift);
            SCOPED_TRACE(step.Name);
            EXPECT_EQ(Grid->Cells(1, 1), step.Cell);
            EXPECT_EQ(combo->Text(), step.Shown);
            EXPECT_EQ(combo->DroppedDown(), step.Dropped);
            EXPECT_EQ(Grid->EditMode, step.Editing);
            EXPECT_EQ(Events, step.Events);
            TControl* focus = Expected(step.Focus);
            EXPECT_EQ(InputSimulation::FocusedControl(), focus) << "where the keys go";
            EXPECT_EQ(Form.ActiveControl(), focus) << "the form's own record";
            EXPECT_TRUE(static_cast<TWinControl*>(focus)->Focused());
        }
    }

    std::string Events;
};

const TShiftState kNone{};
const TShiftState kAlt = TShiftState() << ssAlt;

// A pick list on cell (1, 1) holding "Beta": the arrows and a letter step through the items,
// Alt+Down opens the list, the arrows there only move the highlight, Enter takes it and stores
// it, Escape brings the cell's item back, Tab leaves for the next control.
const std::vector<KeyStep> kPickListSteps = {
    {"Down", VK_DOWN, 0, kNone, "Beta", "Gamma", false, true, Holder::Combo, "change 2 Gamma;"},
    {"Up", VK_UP, 0, kNone, "Beta", "Beta", false, true, Holder::Combo, "change 1 Beta;"},
    {"letter", 'A', 'a', kNone, "Beta", "Alpha", false, true, Holder::Combo, "change 0 Alpha;"},
    {"Alt+Down", VK_DOWN, 0, kAlt, "Beta", "Alpha", true, true, Holder::Combo, "drop;"},
    {"Down in the list", VK_DOWN, 0, kNone, "Beta", "Alpha", true, true, Holder::Combo, ""},
    {"Down again", VK_DOWN, 0, kNone, "Beta", "Alpha", true, true, Holder::Combo, ""},
    {"Enter takes it", VK_RETURN, '\r', kNone, "Gamma", "Gamma", false, false, Holder::Grid,
     "change 2 Gamma;closeup;done;"},
    {"F2", VK_F2, 0, kNone, "Gamma", "Gamma", false, true, Holder::Combo, ""},
    {"Down", VK_DOWN, 0, kNone, "Gamma", "Delta", false, true, Holder::Combo, "change 3 Delta;"},
    {"Escape", VK_ESCAPE, 27, kNone, "Gamma", "Gamma", false, false, Holder::Grid, "done;"},
    {"F2", VK_F2, 0, kNone, "Gamma", "Gamma", false, true, Holder::Combo, ""},
    {"Tab", VK_TAB, '\t', kNone, "Gamma", "Gamma", false, false, Holder::OtherEdit, "done;"},
};

TEST(ListComboKeys, ReachTheComboOpenedByF2) {
    ComboKeysForm form(edComboList);
    form.OpenByF2();
    form.Run(kPickListSteps);
}

TEST(ListComboKeys, ReachTheComboOpenedByAClick) {
    ComboKeysForm form(edComboList);
    form.OpenByClick();
    form.Run(kPickListSteps);
}

// The editable combo once: typing goes on in the edit while the list is open and Enter keeps
// the typed text; the list walked by the arrows picks as the pick list's does.
TEST(ListComboKeys, ReachAnEditableComboAndItsList) {
    ComboKeysForm form(edComboEdit);
    form.OpenByF2();
    form.Run({
        {"Alt+Down", VK_DOWN, 0, kAlt, "Beta", "Beta", true, true, Holder::Combo, "drop;"},
        {"letter", 'X', 'x', kNone, "Beta", "Betax", true, true, Holder::Combo, "change 1 Betax;"},
        {"Enter keeps it", VK_RETURN, '\r', kNone, "Betax", "Betax", false, false, Holder::Grid,
         "closeup;done;"},
        {"F2", VK_F2, 0, kNone, "Betax", "Betax", false, true, Holder::Combo, ""},
        {"Alt+Down", VK_DOWN, 0, kAlt, "Betax", "Betax", true, true, Holder::Combo, "drop;"},
        {"Down in the list", VK_DOWN, 0, kNone, "Betax", "Betax", true, true, Holder::Combo, ""},
        {"Enter takes it", VK_RETURN, '\r', kNone, "Gamma", "Gamma", false, false, Holder::Grid,
         "change 2 Gamma;closeup;done;"},
    });
}

} // namespace
