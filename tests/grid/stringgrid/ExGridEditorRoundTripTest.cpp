// Editor controls over a cell as a user works them, through real key, mouse and wheel input:
// opened with F2, changed, then committed, cancelled or left in each way the grid allows, with
// the cell, the focus and the edit events checked after each.
#include "ExGridEditingTestGrid.h"

#include "grid/foundation/ScopedFormatSettings.h"
#include "grid/stringgrid/GridButton.h"
#include "grid/stringgrid/GridCheckBox.h"
#include "grid/stringgrid/GridCombo.h"
#include "grid/stringgrid/GridDatePicker.h"
#include "grid/stringgrid/GridDateTimePicker.h"
#include "grid/stringgrid/GridEditBtn.h"
#include "grid/stringgrid/GridSpin.h"
#include "grid/stringgrid/GridUnitEditBtn.h"
#include "grid/stringgrid/InvalidEntryBalloon.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/BalloonWindow.h"
#include "platform/ui/InputSimulation.h"
#include "tests/support/GridEditEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

using EditingTest::TEditingForm;

struct EditorKind {
    const char* Name;
    TEditorType Kind;
    const char* Start;
    TWinControl* (*Control)(TExStringGrid*);
    // What a user does in the open editor to change its value.
    void (*Change)(TWinControl*);
};

void TypeThreeAtTheEnd(TWinControl* c) {
    InputSimulation::KeyPress(c, VK_END);
    InputSimulation::TypeChar(c, '3');
}

const EditorKind Kinds[] = {
    {"text", edNormal, "abc", [](TExStringGrid* g) -> TWinControl* { return g->NormalEdit(); },
     [](TWinControl* c) {
         InputSimulation::KeyPress(c, VK_END);
         InputSimulation::TypeChar(c, 'd');
     }},
    {"date", edDateEdit, "12/03/2021",
     [](TExStringGrid* g) -> TWinControl* { return g->DateTimePicker(); },
     [](TWinControl* c) { InputSimulation::KeyPress(c, VK_UP); }},
    {"time", edTimeEdit, "10:20:30",
     [](TExStringGrid* g) -> TWinControl* { return g->DateTimePicker(); },
     [](TWinControl* c) { InputSimulation::KeyPress(c, VK_UP); }},
    {"edit button", edEditBtn, "btn", [](TExStringGrid* g) -> TWinControl* { return g->BtnEdit(); },
     [](TWinControl* c) { InputSimulation::TypeChar(c, '+'); }},
    {"spin", edSpinEdit, "12", [](TExStringGrid* g) -> TWinControl* { return g->SpinEdit(); },
     [](TWinControl* c) { InputSimulation::TypeChar(c, '3'); }},
    {"combo list", edComboList, "Beta",
     [](TExStringGrid* g) -> TWinControl* { return g->Combobox(); },
     [](TWinControl* c) {
         InputSimulation::Wheel(c, TPoint{5, 5}, -120);
     }},
    {"combo edit", edComboEdit, "Beta",
     [](TExStringGrid* g) -> TWinControl* { return g->Combobox(); },
     [](TWinControl* c) {
         InputSimulation::KeyPress(c, VK_END);
         InputSimulation::TypeChar(c, 'x');
     }},
    {"numeric edit button", edNumericEditBtn, "12",
     [](TExStringGrid* g) -> TWinControl* { return g->BtnEdit(); },
     [](TWinControl* c) {
         InputSimulation::KeyPress(c, VK_END);
         InputSimulation::TypeChar(c, '3');
     }},
    {"date up down", edDateEditUpDown, "12/03/2021",
     [](TExStringGrid* g) -> TWinControl* { return g->DateTimePicker(); },
     [](TWinControl* c) { InputSimulation::KeyPress(c, VK_UP); }},
    {"float spin", edFloatSpinEdit, "1.50",
     [](TExStringGrid* g) -> TWinControl* { return g->SpinEdit(); },
     [](TWinControl* c) { InputSimulation::TypeChar(c, '3'); }},
    {"unit edit button", edUnitEditBtn, "12",
     [](TExStringGrid* g) -> TWinControl* { return g->BtnUnitEdit(); }, TypeThreeAtTheEnd},
    {"float edit button", edFloatEditBtn, "12",
     [](TExStringGrid* g) -> TWinControl* { return g->BtnEdit(); }, TypeThreeAtTheEnd},
};

const EditorKind& KindOf(TEditorType Kind) {
    return *std::find_if(std::begin(Kinds), std::end(Kinds),
                         [Kind](const EditorKind& k) { return k.Kind == Kind; });
}

// A form with an editable grid of 30 rows (so it has a vertical scroll bar) and an edit beside
// it; every cell of column 1 opens the editor kind.
struct RoundTrip {
    explicit RoundTrip(const EditorKind& Kind) : K(Kind), F(Kind.Kind) {
        F.Grid->OfferFake = false;
        F.Grid->SetRowCount(30);
        for (const char* item : {"Alpha", "Beta", "Gamma"})
            F.Grid->AddComboString(item);
        GridEditEvents::RecordChanges(F.Grid, Events);
        GridEditEvents::RecordCellDone(F.Grid, Events);
        for (int r = 1; r < 30; ++r)
            F.Grid->SetCells(1, r, K.Start);
    }
    TWinControl* Editor() const { return K.Control(F.Grid); }
    bool Open() const { return F.Grid->EditMode && Editor()->Visible(); }
    TWinControl* Focused() const { return F.Form.ActiveControl(); }
    // F2 on the current cell, then the user's change.
    std::string OpenAndChange() {
        InputSimulation::KeyPress(F.Grid, VK_F2);
        EXPECT_TRUE(Open());
        EXPECT_EQ(Focused(), Editor()) << "the open editor has the keys";
        Shown = Editor()->Text();
        K.Change(Editor());
        EXPECT_NE(Editor()->Text(), K.Start) << "the change reached the editor";
        return Editor()->Text();
    }
    void Pump() { F.Pump(); }

    const EditorKind& K;
    TEditingForm F;
    std::vector<std::string> Events;
    std::string Shown; // what the editor showed when it opened
};

class EditorRoundTrip : public ::testing::TestWithParam<EditorKind> {};

TEST_P(EditorRoundTrip, EnterStoresTheValueAndGivesTheGridTheKeys) {
    RoundTrip t(GetParam());
    const std::string value = t.OpenAndChange();
    InputSimulation::KeyPress(t.Editor(), VK_RETURN, '\r');
    t.Pump();
    EXPECT_FALSE(t.Open());
    EXPECT_EQ(t.F.Grid->Cells(1, 1), value);
    EXPECT_EQ(t.Focused(), t.F.Grid);
    ASSERT_FALSE(t.Events.empty());
    EXPECT_EQ(t.Events.back(), "done 1,1");
}

TEST_P(EditorRoundTrip, EscapeLeavesTheCellAsItWas) {
    RoundTrip t(GetParam());
    t.OpenAndChange();
    InputSimulation::KeyPress(t.Editor(), VK_ESCAPE, 0x1B);
    t.Pump();
    EXPECT_FALSE(t.Open());
    EXPECT_EQ(t.F.Grid->Cells(1, 1), t.K.Start);
    EXPECT_EQ(t.Focused(), t.F.Grid);
    // The keys work on at once: F2 opens the editor again on the unchanged text.
    InputSimulation::KeyPress(t.F.Grid, VK_F2);
    EXPECT_TRUE(t.Open());
    EXPECT_EQ(t.Editor()->Text(), t.Shown);
}

TEST_P(EditorRoundTrip, OpeningAndLeavingUntouchedKeepsTheText) {
    RoundTrip t(GetParam());
    InputSimulation::KeyPress(t.F.Grid, VK_F2);
    ASSERT_TRUE(t.Open());
    InputSimulation::KeyPress(t.Editor(), VK_RETURN, '\r');
    t.Pump();
    EXPECT_EQ(t.F.Grid->Cells(1, 1), t.K.Start);
}

TEST_P(EditorRoundTrip, TheWheelOverTheGridLeavesWithTheValueAndTheGridKeepsTheKeys) {
    RoundTrip t(GetParam());
    const std::string value = t.OpenAndChange();
    t.F.WheelDownOverCell(3, 2);
    t.Pump();
    EXPECT_FALSE(t.Open());
    EXPECT_EQ(t.F.Grid->Cells(1, 1), value);
    EXPECT_EQ(t.F.Grid->Row(), 4);
    EXPECT_EQ(t.Focused(), t.F.Grid);
    InputSimulation::KeyPress(t.F.Grid, VK_DOWN);
    EXPECT_EQ(t.F.Grid->Row(), 5) << "the keys are not lost";
}

TEST_P(EditorRoundTrip, TheScrollBarArrowLeavesWithTheValueAndTheGridKeepsTheKeys) {
    RoundTrip t(GetParam());
    const std::string value = t.OpenAndChange();
    t.F.ClickLowerScrollArrow();
    EXPECT_EQ(t.F.Grid->TopRow(), 2);
    EXPECT_FALSE(t.Open());
    EXPECT_EQ(t.F.Grid->Cells(1, 1), value);
    EXPECT_EQ(t.Focused(), t.F.Grid);
}

// Tab goes on to the form's next control (the grid does not take Tab without goTabs); a click
// on another cell keeps the keys in the grid.
TEST_P(EditorRoundTrip, TabAndAClickElsewhereLeaveWithTheValue) {
    struct Leave {
        const char* Name;
        std::function<void(RoundTrip&)> Do;
        bool FocusToOther;
    };
    const Leave leaves[] = {
        {"tab", [](RoundTrip& t) { InputSimulation::KeyPress(t.Editor(), VK_TAB, '\t'); }, true},
        {"click", [](RoundTrip& t) { t.F.ClickCell(3, 4); }, false},
    };
    for (const Leave& leave : leaves) {
        SCOPED_TRACE(leave.Name);
        RoundTrip t(GetParam());
        const std::string value = t.OpenAndChange();
        leave.Do(t);
        t.Pump();
        EXPECT_FALSE(t.Open());
        EXPECT_EQ(t.F.Grid->Cells(1, 1), value);
        EXPECT_EQ(t.Focused(), leave.FocusToOther ? static_cast<TWinControl*>(t.F.Other)
                                                  : static_cast<TWinControl*>(t.F.Grid));
    }
}

INSTANTIATE_TEST_SUITE_P(ExGridEditing, EditorRoundTrip, ::testing::ValuesIn(Kinds),
                         [](const auto& info) {
                             std::string name = info.param.Name;
                             for (char& c : name)
                                 if (c == ' ')
                                     c = '_';
                             return name;
                         });

TEST_P(EditorRoundTrip, ARefusedValueShowsTheInvalidEntryBalloonOnTheEditor) {
    RoundTrip t(GetParam());
    t.F.Grid->InvalidEntryTitle = "Invalid";
    t.F.Grid->InvalidEntryText = "Not allowed here";
    t.F.Grid->OnCellValidate = [](TObject*, int, int, std::string&, bool& ok) { ok = false; };
    t.OpenAndChange();
    InputSimulation::KeyPress(t.Editor(), VK_RETURN, '\r');
    t.Pump();
    EXPECT_EQ(t.F.Grid->Cells(1, 1), t.K.Start);
    TBalloonWindow* balloon = InvalidEntryBalloonOf(t.Editor());
    ASSERT_NE(balloon, nullptr);
    EXPECT_EQ(balloon->Title(), "Invalid");
    EXPECT_EQ(balloon->TipText(), "Not allowed here");
}

// A value the editor can show only in part (past the spin's limits, a year the date format
// shortens) stays as it is when the user opens the editor and leaves it untouched.
TEST(ExGridEditing, AnUntouchedEditorNeverRewritesTheCell) {
    struct Case {
        const char* Name;
        TEditorType Kind;
        const char* Text;
    };
    const Case cases[] = {
        {"spin past its maximum", edSpinEdit, "120"},
        {"date of another century", edDateEdit, "12/03/1921"},
    };
    for (const Case& c : cases) {
        for (const WORD key : {VK_RETURN, VK_ESCAPE}) {
            SCOPED_TRACE(std::string(c.Name) + (key == VK_RETURN ? ", enter" : ", escape"));
            TEditingForm f(c.Kind);
            f.Grid->OfferFake = false;
            f.Grid->SetCells(1, 1, c.Text);
            InputSimulation::KeyPress(f.Grid, VK_F2);
            ASSERT_TRUE(f.Grid->EditMode);
            TWinControl* editor = f.Form.ActiveControl();
            ASSERT_NE(editor, f.Grid);
            InputSimulation::KeyPress(editor, key, key == VK_RETURN ? '\r' : 0x1B);
            f.Pump();
            EXPECT_FALSE(f.Grid->EditMode);
            EXPECT_EQ(f.Grid->Cells(1, 1), c.Text);
        }
    }
}

// Both combos start from the cell's item: one notch down shows the next one.
TEST(ExGridEditing, TheWheelOverAnOpenComboStepsItsItemOnly) {
    for (const TEditorType kind : {edComboList, edComboEdit}) {
        SCOPED_TRACE(kind);
        RoundTrip t(KindOf(kind));
        InputSimulation::KeyPress(t.F.Grid, VK_F2);
        ASSERT_TRUE(t.Open());
        InputSimulation::Wheel(t.Editor(), TPoint{5, 5}, -120);
        EXPECT_EQ(t.Editor()->Text(), "Gamma");
        EXPECT_EQ(t.F.Grid->Row(), 1) << "the grid does not move";
        EXPECT_TRUE(t.Open());
        EXPECT_EQ(t.F.Grid->Cells(1, 1), "Beta") << "nothing stored yet";
    }
}

// An empty cell has nothing to lose: Enter confirms the item the list shows, while leaving the
// editor another way keeps the cell empty.
TEST(ExGridEditing, EnterOnAnEmptyListCellTakesTheShownItemAndTabKeepsItEmpty) {
    for (const bool enter : {true, false}) {
        SCOPED_TRACE(enter ? "enter" : "tab");
        RoundTrip t(KindOf(edComboList));
        t.F.Grid->SetCells(1, 1, "");
        InputSimulation::KeyPress(t.F.Grid, VK_F2);
        ASSERT_TRUE(t.Open());
        const std::string shown = t.Editor()->Text();
        ASSERT_FALSE(shown.empty()) << "the list shows an item";
        if (enter)
            InputSimulation::KeyPress(t.Editor(), VK_RETURN, '\r');
        else
            InputSimulation::KeyPress(t.Editor(), VK_TAB, '\t');
        t.Pump();
        EXPECT_FALSE(t.Open());
        EXPECT_EQ(t.F.Grid->Cells(1, 1), enter ? shown : "");
    }
}

// A form whose cell (1, 1) holds Text and opens the grid's own editor of Kind; keys go to the
// control that has them, as a user's do.
struct OneCellEdit : TEditingForm {
    OneCellEdit(TEditorType Kind, const std::string& Text) : TEditingForm(Kind) {
        Grid->OfferFake = false;
        Grid->SetCells(1, 1, Text);
    }
    // F2 on the grid: whether it opened an editor.
    bool OpenWithF2() {
        InputSimulation::KeyPress(Grid, VK_F2);
        return Grid->EditMode;
    }
    void Press(WORD Key, TChar Ch = 0) { InputSimulation::KeyPress(Form.ActiveControl(), Key, Ch); }
    void PressEnter() {
        Press(VK_RETURN, '\r');
        Pump();
    } // Enter in the open editor: cell (1, 1) then holds Stored and the grid has the keys again.
    void ExpectEnterStores(const std::string& Stored) {
        PressEnter();
        EXPECT_EQ(Grid->Cells(1, 1), Stored);
        EXPECT_EQ(Form.ActiveControl(), Grid);
    }
};

} // namespace

// One picker serves every cell: whatever part the last edit left the caret in (the commit
// itself steps past the part being typed), the next edit opened with F2 starts on the first.
TEST(ExGridEditing, EveryPickerEditStartsOnTheFirstPart) {
    ScopedFormatSettings locale(ScopedFormatSettings::DayFirst());
    struct Case {
        const char* Name;
        TEditorType Kind;
        const char* Text;
        int RightsInFirstEdit; // parts the caret moved on in the first edit
        const char* Stepped;   // the text after Up in the second edit
    };
    const Case cases[] = {
        {"time, left after a commit", edTimeEdit, "10:20:30", 0, "11:20:30"},
        {"time, left on the seconds", edTimeEdit, "10:20:30", 2, "11:20:30"},
        {"date, left on the month", edDateEditUpDown, "12/03/2021", 1, "13/03/2021"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        OneCellEdit f(c.Kind, c.Text);
        f.Grid->SetCells(1, 2, c.Text);
        f.OpenWithF2();
        for (int i = 0; i < c.RightsInFirstEdit; ++i)
            f.Press(VK_RIGHT);
        f.PressEnter();
        ASSERT_EQ(f.Form.ActiveControl(), f.Grid);
        f.Press(VK_DOWN);
        ASSERT_EQ(f.Grid->Row(), 2);
        ASSERT_TRUE(f.OpenWithF2());
        f.Press(VK_UP);
        f.PressEnter();
        EXPECT_EQ(f.Grid->Cells(1, 2), c.Stepped);
    }
}

// The date-and-time editor shows both parts of its cell, keeps both when left untouched and
// stores both after a change of either.
TEST(ExGridEditing, TheDateAndTimeEditorShowsAndKeepsDateAndTime) {
    ScopedFormatSettings locale(ScopedFormatSettings::DayFirst());
    const struct {
        const char* Start;
        const char* TimeShown;
        const char* Changed; // after Up on the day
    } cases[] = {{"12/03/2021 10:20:30", "10:20:30", "13/03/2021 10:20:30"},
                 {"12/03/2021 10:20", "10:20:00", "13/03/2021 10:20"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Start);
        OneCellEdit f(edDateTimeEdit, c.Start);
        ASSERT_TRUE(f.OpenWithF2());
        TGridDateTimePicker* picker = f.Grid->DateAndTimePicker();
        TWinControl* time = picker->TimePicker();
        ASSERT_NE(time, nullptr);
        ASSERT_TRUE(time->Visible());
        EXPECT_EQ(picker->Text(), "12/03/2021");
        EXPECT_EQ(time->Text(), c.TimeShown);
        // The time field lies inside the editor, right of room as wide as itself for the date.
        EXPECT_GE(time->Left(), time->Width());
        EXPECT_LE(time->Left() + time->Width(), picker->Width());
        for (const WORD key : {VK_RETURN, VK_ESCAPE}) {
            f.Press(key, key == VK_RETURN ? '\r' : 0x1B);
            f.Pump();
            EXPECT_FALSE(f.Grid->EditMode);
            EXPECT_EQ(f.Grid->Cells(1, 1), c.Start) << "untouched";
            ASSERT_TRUE(f.OpenWithF2());
        }
        f.Press(VK_UP);
        f.ExpectEnterStores(c.Changed);
    }
}

// The float spin reads a cell's number in the format the grid writes it, whatever the locale's
// decimal separator.
TEST(ExGridEditing, TheFloatSpinReadsTheNumberAsTheGridWritesIt) {
    const struct {
        const char* Name;
        TFormatSettings Settings;
        const char* Written;
        const char* Changed;
    } cases[] = {{"point", ScopedFormatSettings::English(), "1.50", "1.53"},
                 {"comma", ScopedFormatSettings::European(), "1,50", "1,53"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        ScopedFormatSettings locale(c.Settings);
        OneCellEdit f(edFloatSpinEdit, "");
        f.Grid->SetFloats(1, 1, 1.5);
        ASSERT_EQ(f.Grid->Cells(1, 1), c.Written);
        ASSERT_TRUE(f.OpenWithF2());
        EXPECT_DOUBLE_EQ(f.Grid->SpinEdit()->FloatValue(), 1.5);
        // End would step to the lower limit: Right takes the caret past the selected text.
        f.Press(VK_RIGHT);
        InputSimulation::TypeChar(f.Form.ActiveControl(), '3');
        f.ExpectEnterStores(c.Changed);
    }
}

// The check box and the push button over a cell store nothing: whichever way the user leaves
// them after working them, the cell keeps its text and the keys go where the way out sends them.
// Escape is the check box's own key and Enter presses the button: both stay open.
TEST(ExGridEditing, CheckBoxAndButtonCellsKeepTheirTextEveryWayOut) {
    struct Kind {
        const char* Name;
        TEditorType Type;
        TWinControl* (*Control)(TExStringGrid*);
        const char* StaysOpenOn;
    };
    const Kind kinds[] = {
        {"check box", edCheckBox, [](TExStringGrid* g) -> TWinControl* { return g->CheckEdit(); },
         "escape"},
        {"button", edButton, [](TExStringGrid* g) -> TWinControl* { return g->Btn(); }, "enter"},
    };
    struct Leave {
        const char* Name;
        void (*Do)(EditingTest::TEditingForm&, TWinControl*);
        bool FocusToOther;
    };
    const Leave leaves[] = {
        {"enter",
         [](EditingTest::TEditingForm&, TWinControl* c) {
             InputSimulation::KeyPress(c, VK_RETURN, '\r');
         },
         false},
        {"escape",
         [](EditingTest::TEditingForm&, TWinControl* c) {
             InputSimulation::KeyPress(c, VK_ESCAPE, 0x1B);
         },
         false},
        {"tab",
         [](EditingTest::TEditingForm&, TWinControl* c) {
             InputSimulation::KeyPress(c, VK_TAB, '\t');
         },
         true},
        {"click", [](EditingTest::TEditingForm& f, TWinControl*) { f.ClickCell(3, 4); }, false},
        {"wheel", [](EditingTest::TEditingForm& f, TWinControl*) { f.WheelDownOverCell(3, 2); },
         false},
        {"scroll bar",
         [](EditingTest::TEditingForm& f, TWinControl*) { f.ClickLowerScrollArrow(); }, false},
    };
    for (const Kind& kind : kinds) {
        for (const Leave& leave : leaves) {
            SCOPED_TRACE(std::string(kind.Name) + ", " + leave.Name);
            EditingTest::TEditingForm f(kind.Type);
            f.Grid->OfferFake = false;
            f.Grid->SetRowCount(30);
            f.Grid->SetCells(1, 1, "Option");
            InputSimulation::KeyPress(f.Grid, VK_F2);
            ASSERT_TRUE(f.Grid->EditMode);
            TWinControl* control = kind.Control(f.Grid);
            ASSERT_TRUE(control->Visible());
            EXPECT_EQ(f.Form.ActiveControl(), control) << "the open editor has the keys";
            InputSimulation::KeyPress(control, VK_SPACE, ' ');
            leave.Do(f, control);
            f.Pump();
            EXPECT_EQ(f.Grid->Cells(1, 1), "Option");
            if (std::string(leave.Name) == kind.StaysOpenOn) {
                EXPECT_TRUE(f.Grid->EditMode);
                EXPECT_EQ(f.Form.ActiveControl(), control);
                continue;
            }
            EXPECT_FALSE(f.Grid->EditMode);
            EXPECT_FALSE(control->Visible());
            EXPECT_EQ(f.Grid->Cells(1, 1), "Option");
            EXPECT_EQ(f.Form.ActiveControl(), leave.FocusToOther
                                                  ? static_cast<TWinControl*>(f.Other)
                                                  : static_cast<TWinControl*>(f.Grid));
        }
    }
}

// A press of the button editor, by the mouse, Space or Enter, fires OnButtonClick once for the
// cell and leaves the editor open with the keys; the mouse and Space first ask the ellipsis
// handler for the caption, which the cell takes.
TEST(ExGridEditing, EveryPressOfTheButtonEditorFiresOnButtonClickAndKeepsItOpen) {
    const struct {
        const char* Name;
        void (*Press)(TGridButton*);
        const char* Cell;
    } presses[] = {
        {"click",
         [](TGridButton* b) {
             InputSimulation::Click(b, TPoint{5, 5});
         },
         "Option+"},
        {"space", [](TGridButton* b) { InputSimulation::KeyPress(b, VK_SPACE, ' '); }, "Option+"},
        {"enter", [](TGridButton* b) { InputSimulation::KeyPress(b, VK_RETURN, '\r'); }, "Option"},
    };
    for (const auto& press : presses) {
        SCOPED_TRACE(press.Name);
        EditingTest::TEditingForm f(edButton);
        f.Grid->OfferFake = false;
        f.Grid->SetCells(1, 2, "Option");
        std::vector<std::string> events;
        f.Grid->OnEllipsClick = [&](TObject*, int, int, std::string& Value) {
            events.push_back("ellipsis");
            Value += "+";
        };
        f.Grid->OnButtonClick = [&](TObject* Sender, int ACol, int ARow) {
            EXPECT_EQ(Sender, f.Grid);
            events.push_back("button " + std::to_string(ACol) + "," + std::to_string(ARow));
        };
        InputSimulation::KeyPress(f.Grid, VK_DOWN);
        InputSimulation::KeyPress(f.Grid, VK_F2);
        ASSERT_TRUE(f.Grid->EditMode);
        TGridButton* button = f.Grid->Btn();
        press.Press(button);
        f.Pump();
        const bool asked = std::string(press.Cell) != "Option";
        std::vector<std::string> expected{"button 1,2"};
        if (asked)
            expected.insert(expected.begin(), "ellipsis");
        EXPECT_EQ(events, expected);
        EXPECT_EQ(f.Grid->Cells(1, 2), press.Cell);
        EXPECT_EQ(button->Text(), press.Cell);
        EXPECT_TRUE(f.Grid->EditMode);
        EXPECT_TRUE(button->Visible());
        EXPECT_EQ(f.Form.ActiveControl(), button);
    }
}
