// The drop-down editors of grid cells as a user works them, through real key, mouse and wheel
// input: opened with F2, changed, then committed, cancelled or left in each way the grid allows,
// with the cell, the edit events in order and the focus checked after each.
#include "grid/dropdown/GridDropDownEditors.h"

#include "grid/foundation/ScopedFormatSettings.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Application.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Memo.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct DropDownKind {
    const char* Name;
    TEditorType Kind;
    const char* Start;
    TExCustomDropDown* (*Control)(TExStringGrid*);
    // What a user does in the open editor to change its value.
    void (*Change)(TExCustomDropDown*);
    // The cell after the change was stored.
    const char* Stored;
};

void TypeInto(TControl* control, const std::string& text) {
    for (char c : text)
        InputSimulation::TypeChar(control, static_cast<TChar>(c));
}

const DropDownKind Kinds[] = {
    {"memo", edMemoDropDown, "one",
     [](TExStringGrid* g) -> TExCustomDropDown* { return g->MemoDropDown(); },
     [](TExCustomDropDown* c) {
         InputSimulation::KeyPress(c, VK_END);
         TypeInto(c, "x");
     },
     "onex"},
    {"calculator", edCalculatorDropDown, "12",
     [](TExStringGrid* g) -> TExCustomDropDown* { return g->CalculatorDropDown(); },
     [](TExCustomDropDown* c) { TypeInto(c, "+4"); }, "16.00"},
};

// A form with an editable grid of 30 rows (so it has a vertical scroll bar) and an edit beside
// it; every cell of column 1 opens the editor kind.
struct RoundTrip {
    explicit RoundTrip(const DropDownKind& Kind)
        : K(Kind), English(ScopedFormatSettings::English()) {
        RegisterGridDropDownEditors();
        Form.SetBounds(0, 0, 500, 300);
        Grid = new TExStringGrid(&Form);
        Grid->SetParent(&Form);
        Grid->SetBounds(0, 0, 400, 200);
        Grid->SetColCount(5);
        Grid->SetRowCount(30);
        Grid->SetOptions(Grid->Options() << goEditing);
        Grid->DefaultEditor = Kind.Kind;
        Other = new TEdit(&Form);
        Other->SetParent(&Form);
        Other->SetBounds(0, 220, 100, 24);
        for (int r = 1; r < 30; ++r)
            Grid->SetCells(1, r, K.Start);
        Grid->OnEditChange = [this](TObject*, int, int, const std::string& Value) {
            Events.push_back("change " + Value);
        };
        Grid->OnEditCellDone = [this](TObject*, int ACol, int ARow) {
            Events.push_back("done " + std::to_string(ACol) + "," + std::to_string(ARow));
        };
        Form.Show();
        Grid->SetFocus();
        Grid->FocusCell(1, 1, true);
    }
    ~RoundTrip() {
        if (TExCustomDropDown* c = Editor(); c && c->DroppedDown())
            c->HideDropDown(true);
    }
    TExCustomDropDown* Editor() const { return K.Control(Grid); }
    bool Open() const { return Grid->EditMode && Editor()->Visible(); }
    TWinControl* Focused() const { return Form.ActiveControl(); }
    void Pump() { Application->ProcessMessages(); }
    // F2 on the current cell, then the user's change.
    void OpenAndChange() {
        InputSimulation::KeyPress(Grid, VK_F2);
        EXPECT_TRUE(Open());
        EXPECT_EQ(Focused(), Editor()) << "the open editor has the keys";
        Events.clear();
        K.Change(Editor());
    }

    const DropDownKind& K;
    ScopedFormatSettings English;
    TForm Form{nullptr};
    TExStringGrid* Grid;
    TEdit* Other;
    std::vector<std::string> Events;
};

TEST(GridDropDownRoundTrip, TextTypedIntoTheOpenMemoIsStoredWhenAltUpEndsTheEdit) {
    RoundTrip t(Kinds[0]);
    InputSimulation::KeyPress(t.Grid, VK_F2);
    ASSERT_TRUE(t.Open());
    t.Events.clear();
    InputSimulation::KeyPress(t.Editor(), VK_DOWN, 0, TShiftState() << ssAlt);
    auto* memo = t.Grid->MemoDropDown()->Memo();
    ASSERT_TRUE(t.Editor()->DroppedDown());
    ASSERT_TRUE(memo->Focused());
    InputSimulation::KeyPress(memo, VK_END, 0, TShiftState() << ssCtrl);
    TypeInto(memo, "x");
    InputSimulation::KeyPress(memo, VK_UP, 0, TShiftState() << ssAlt);
    t.Pump();
    EXPECT_FALSE(t.Open());
    EXPECT_EQ(t.Grid->Cells(1, 1), "onex");
    EXPECT_EQ(t.Focused(), t.Grid);
    EXPECT_EQ(t.Events, (std::vector<std::string>{"change onex", "done 1,1"}));
}

// Enter commits while the keypad is open; the popup closing after the commit writes nothing
// back that would report the value of the opening as an edit.
TEST(GridDropDownRoundTrip, ACalculatorCommitWithTheKeypadOpenReportsNoOldValueAfterwards) {
    RoundTrip t(Kinds[1]);
    InputSimulation::KeyPress(t.Grid, VK_F2);
    ASSERT_TRUE(t.Open());
    InputSimulation::KeyPress(t.Editor(), VK_DOWN, 0, TShiftState() << ssAlt);
    ASSERT_TRUE(t.Editor()->DroppedDown());
    t.Events.clear();
    TypeInto(t.Editor(), "4");
    InputSimulation::KeyPress(t.Editor(), VK_RETURN, '\r');
    t.Pump();
    EXPECT_FALSE(t.Open());
    EXPECT_EQ(t.Grid->Cells(1, 1), "4.00");
    EXPECT_EQ(t.Focused(), t.Grid);
    EXPECT_EQ(t.Events, (std::vector<std::string>{"change 4", "change 4.00", "done 1,1"}));
}

} // namespace
