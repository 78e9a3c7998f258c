// The drop-down editors of grid cells as a user works them, through real key, mouse and wheel
// input: opened with F2, changed, then committed, cancelled or left in each way the grid allows,
// with the cell, the edit events in order and the focus checked after each.
#include "DropDownCellForm.h"
#include "GridEditEventLog.h"
#include "grid/dropdown/GridDropDownEditors.h"

#include "grid/dropdown/DropDownForm.h"

#include "grid/foundation/ScopedFormatSettings.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/InvalidEntryBalloon.h"
#include "platform/ui/Application.h"
#include "platform/ui/BalloonWindow.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Memo.h"
#include "platform/ui/TrackBar.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    // The cell after the change was stored with Enter.
    const char* Stored;
    // The cell after the editor was left another way: only Enter folds a pending calculation
    // into the value, the others store what the edit shows.
    const char* Left;
    // What the column holds besides its text, when the kind edits more than the text.
    void (*Prepare)(TExStringGrid*) = nullptr;
};

void TypeInto(TControl* control, const std::string& text) {
    for (char c : text)
        InputSimulation::TypeChar(control, static_cast<TChar>(c));
}

void AppendX(TExCustomDropDown* c) {
    InputSimulation::KeyPress(c, VK_END);
    TypeInto(c, "x");
}

constexpr TColor RoundTripRed = 0x0000FF;

const DropDownKind Kinds[] = {
    {"memo", edMemoDropDown, "one",
     [](TExStringGrid* g) -> TExCustomDropDown* { return g->MemoDropDown(); },
     [](TExCustomDropDown* c) {
         InputSimulation::KeyPress(c, VK_END);
         TypeInto(c, "x");
     },
     "onex", "onex"},
    {"calculator", edCalculatorDropDown, "12",
     [](TExStringGrid* g) -> TExCustomDropDown* { return g->CalculatorDropDown(); },
     [](TExCustomDropDown* c) { TypeInto(c, "+4"); }, "16.00", "4"},
    {"time_picker", edTimePickerDropDown, "10:20:30",
     [](TExStringGrid* g) -> TExCustomDropDown* { return g->TimePickerDropDown(); },
     [](TExCustomDropDown* c) {
         InputSimulation::KeyPress(c, VK_HOME);
         TypeInto(c, "11");
     },
     "11:20:30", "11:20:30"},
    {"track_bar", edTrackbarDropDown, "3",
     [](TExStringGrid* g) -> TExCustomDropDown* { return g->TrackbarDropDown(); },
     [](TExCustomDropDown* c) {
         InputSimulation::KeyPress(c, VK_END);
         InputSimulation::KeyPress(c, VK_BACK, 8);
         TypeInto(c, "7");
     },
     "7", "7"},
    {"detail", edDetailDropDown, "one",
     [](TExStringGrid* g) -> TExCustomDropDown* { return g->DetailPickerDropDown(); }, AppendX,
     "onex", "onex"},
    {"multi_column", edGridDropDown, "one",
     [](TExStringGrid* g) -> TExCustomDropDown* { return g->GridDropDown(); }, AppendX, "onex",
     "onex"},
    {"grid", edExGridDropDown, "one",
     [](TExStringGrid* g) -> TExCustomDropDown* { return g->ExGridDropDown(); }, AppendX, "onex",
     "onex"},
    // The colour is picked in the open list, which Alt+Up closes with the pick.
    {"colour", edColorPickerDropDown, "Red",
     [](TExStringGrid* g) -> TExCustomDropDown* { return g->ColorPickerDropDown(); },
     [](TExCustomDropDown* c) {
         InputSimulation::KeyPress(c, VK_DOWN, 0, TShiftState() << ssAlt);
         InputSimulation::KeyPressFocused(VK_DOWN);
         InputSimulation::KeyPressFocused(VK_UP, 0, TShiftState() << ssAlt);
     },
     "Lime", "Lime",
     [](TExStringGrid* g) {
         for (int r = 1; r < 30; ++r)
             g->SetColors(1, r, RoundTripRed);
     }},
};

// A data-image cell holds its image's number; the picker, given no items of its own, offers the
// grid's images and starts on the cell's. End on the closed picker picks the last image.
const DropDownKind ImageKind = {
    "image",
    edImagePickerDropDown,
    "1",
    [](TExStringGrid* g) -> TExCustomDropDown* { return g->ImagePickerDropDown(); },
    [](TExCustomDropDown* c) { InputSimulation::KeyPress(c, VK_END); },
    "3",
    "3",
    MakeDataImageColumn};

// A form with an editable grid of 30 rows (so it has a vertical scroll bar) and an edit beside
// it; every cell of column 1 opens the editor kind.
struct RoundTrip : DropDownCellForm {
    explicit RoundTrip(const DropDownKind& Kind) : DropDownCellForm(30, Kind.Kind), K(Kind) {
        for (int r = 1; r < 30; ++r)
            Grid->SetCells(1, r, K.Start);
        if (K.Prepare)
            K.Prepare(Grid);
        Show();
    }
    ~RoundTrip() {
        if (TExCustomDropDown* c = Editor(); c && c->DroppedDown())
            c->HideDropDown(true);
    }
    TExCustomDropDown* Editor() const { return K.Control(Grid); }
    bool Open() const { return Grid->EditMode && Editor()->Visible(); }
    // Where a key the user types now goes, as the window system has it.
    TControl* Focused() const { return InputSimulation::FocusedControl(); }
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
};

class DropDownRoundTrip : public ::testing::TestWithParam<DropDownKind> {};

TEST_P(DropDownRoundTrip, EnterStoresTheValueAndGivesTheGridTheKeys) {
    RoundTrip t(GetParam());
    t.OpenAndChange();
    InputSimulation::KeyPress(t.Editor(), VK_RETURN, '\r');
    t.Pump();
    EXPECT_FALSE(t.Open());
    EXPECT_EQ(t.Grid->Cells(1, 1), t.K.Stored);
    EXPECT_EQ(t.Focused(), t.Grid);
    ASSERT_FALSE(t.Events.empty());
    EXPECT_EQ(t.Events.back(), "done 1,1");
    EXPECT_EQ(std::count(t.Events.begin(), t.Events.end(), "done 1,1"), 1);
}

TEST_P(DropDownRoundTrip, EscapeLeavesTheCellAsItWas) {
    RoundTrip t(GetParam());
    t.OpenAndChange();
    InputSimulation::KeyPress(t.Editor(), VK_ESCAPE, 0x1B);
    t.Pump();
    EXPECT_FALSE(t.Open());
    EXPECT_EQ(t.Grid->Cells(1, 1), t.K.Start);
    EXPECT_EQ(t.Focused(), t.Grid);
    InputSimulation::KeyPress(t.Grid, VK_DOWN);
    EXPECT_EQ(t.Grid->Row(), 2) << "the keys work on at once";
}

struct Leave {
    const char* Name;
    std::function<void(RoundTrip&)> Do;
    bool FocusToOther;
};

// Tab goes on to the form's next control (the grid does not take Tab without goTabs); a click
// on another cell, the wheel over the grid and the scroll bar's arrow keep the keys in the grid.
const std::vector<Leave>& WaysOut() {
    static const std::vector<Leave> leaves{
        {"tab", [](RoundTrip& t) { InputSimulation::KeyPress(t.Editor(), VK_TAB, '\t'); }, true},
        {"click",
         [](RoundTrip& t) {
             const TRect cell = t.Grid->CellRect(3, 4);
             InputSimulation::Click(t.Grid, TPoint{cell.Left + 5, cell.Top + 5});
         },
         false},
        {"wheel",
         [](RoundTrip& t) {
             const TRect cell = t.Grid->CellRect(3, 2);
             InputSimulation::Wheel(t.Grid, TPoint{cell.Left + 5, cell.Top + 5}, -120);
         },
         false},
        {"scroll bar",
         [](RoundTrip& t) {
             InputSimulation::Click(t.Grid,
                                    TPoint{t.Grid->Width() - 6, t.Grid->ClientHeight() - 6});
         },
         false},
    };
    return leaves;
}

TEST_P(DropDownRoundTrip, EveryOtherWayOutStoresTheValue) {
    for (const Leave& leave : WaysOut()) {
        SCOPED_TRACE(leave.Name);
        RoundTrip t(GetParam());
        t.OpenAndChange();
        leave.Do(t);
        t.Pump();
        EXPECT_FALSE(t.Open());
        EXPECT_EQ(t.Grid->Cells(1, 1), t.K.Left);
        EXPECT_EQ(t.Focused(), leave.FocusToOther ? static_cast<TControl*>(t.Other)
                                                  : static_cast<TControl*>(t.Grid));
        ASSERT_FALSE(t.Events.empty());
        EXPECT_EQ(t.Events.back(), "done 1,1");
    }
}

TEST_P(DropDownRoundTrip, ARefusedValueShowsTheInvalidEntryBalloonOnTheEditor) {
    RoundTrip t(GetParam());
    t.Grid->InvalidEntryTitle = "Invalid";
    t.Grid->InvalidEntryText = "Not allowed here";
    t.Grid->OnCellValidate = [](TObject*, int, int, std::string&, bool& ok) { ok = false; };
    t.OpenAndChange();
    const std::string shown = t.Editor()->Text();
    t.Events.clear();
    InputSimulation::KeyPress(t.Editor(), VK_RETURN, '\r');
    t.Pump();
    EXPECT_EQ(t.Grid->Cells(1, 1), t.K.Start);
    // The edit stays on the refused value (the calculator's Enter computes its result first):
    // the cell's own value, reloaded on the way, is never reported.
    const std::string now = t.Editor()->Text();
    EXPECT_EQ(t.Events, now == shown ? std::vector<std::string>{}
                                     : std::vector<std::string>{"change " + now});
    TBalloonWindow* balloon = InvalidEntryBalloonOf(t.Editor());
    ASSERT_NE(balloon, nullptr);
    EXPECT_EQ(balloon->Title(), "Invalid");
    EXPECT_EQ(balloon->TipText(), "Not allowed here");
}

// A click on another control while the grid refuses the changed value: the user has gone on, so
// the edit is dropped as Escape drops it, the cell keeps its text and the keys stay where they
// went, also after a click back on another cell.
TEST_P(DropDownRoundTrip, ARefusedValueLeftForAnotherControlIsDroppedAndTheKeysStayThere) {
    RoundTrip t(GetParam());
    t.Grid->OnCellValidate = [](TObject*, int, int, std::string&, bool& ok) { ok = false; };
    t.OpenAndChange();
    InputSimulation::Click(t.Other, {5, 5});
    t.Pump();
    EXPECT_FALSE(t.Open());
    EXPECT_FALSE(t.Grid->EditMode);
    EXPECT_EQ(t.Grid->Cells(1, 1), t.K.Start);
    EXPECT_EQ(t.Focused(), t.Other);

    const TRect cell = t.Grid->CellRect(3, 3);
    InputSimulation::Click(t.Grid, {(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2});
    t.Pump();
    EXPECT_EQ(t.Grid->Row(), 3);
    EXPECT_EQ(t.Focused(), t.Grid);
    EXPECT_EQ(t.Grid->Cells(1, 1), t.K.Start);
}

// The same for the grid's own text editor.
TEST(TextEditorRefusedValue, LeftForAnotherControlItIsDroppedAndTheKeysStayThere) {
    DropDownCellForm f(5, edNormal);
    f.Grid->SetCells(1, 1, "one");
    f.Grid->OnCellValidate = [](TObject*, int, int, std::string&, bool& ok) { ok = false; };
    f.Show();
    InputSimulation::KeyPress(f.Grid, VK_F2);
    InputSimulation::TypeTextFocused("x");
    InputSimulation::Click(f.Other, {5, 5});
    Application->ProcessMessages();
    EXPECT_FALSE(f.Grid->EditMode);
    EXPECT_EQ(f.Grid->Cells(1, 1), "one");
    EXPECT_EQ(InputSimulation::FocusedControl(), f.Other);
}

// Opening the editor and leaving it without a change neither rewrites the cell nor reports an
// edit, whichever way it is left.
TEST_P(DropDownRoundTrip, AnUntouchedEditorKeepsTheCellAndReportsNoChange) {
    std::vector<Leave> ways{
        {"enter", [](RoundTrip& t) { InputSimulation::KeyPress(t.Editor(), VK_RETURN, '\r'); },
         false},
        {"escape", [](RoundTrip& t) { InputSimulation::KeyPress(t.Editor(), VK_ESCAPE, 0x1B); },
         false}};
    ways.insert(ways.end(), WaysOut().begin(), WaysOut().end());
    for (const Leave& leave : ways) {
        SCOPED_TRACE(leave.Name);
        RoundTrip t(GetParam());
        InputSimulation::KeyPress(t.Grid, VK_F2);
        ASSERT_TRUE(t.Open());
        t.Events.clear();
        leave.Do(t);
        t.Pump();
        EXPECT_FALSE(t.Open());
        EXPECT_EQ(t.Grid->Cells(1, 1), t.K.Start);
        for (const std::string& event : t.Events)
            EXPECT_NE(event.rfind("change", 0), 0u) << event;
    }
}

INSTANTIATE_TEST_SUITE_P(GridDropDown, DropDownRoundTrip, ::testing::ValuesIn(Kinds),
                         [](const auto& info) { return std::string(info.param.Name); });
INSTANTIATE_TEST_SUITE_P(GridImageDropDown, DropDownRoundTrip, ::testing::Values(ImageKind),
                         [](const auto& info) { return std::string(info.param.Name); });

// In the open popup the track bar's own keys move the thumb and the edit shows each position;
// only Enter ends the edit with the value, and Escape with the cell as it was.
TEST(GridDropDownRoundTrip, TheOpenTrackBarTakesItsKeysUntilEnterOrEscape) {
    const DropDownKind& kind = Kinds[3];
    ASSERT_EQ(kind.Kind, edTrackbarDropDown);
    const struct {
        WORD Key;
        const char* Shown;
    } moves[] = {{VK_DOWN, "4"},  {VK_NEXT, "6"}, {VK_END, "10"}, {VK_UP, "9"},
                 {VK_PRIOR, "7"}, {VK_HOME, "0"}, {VK_RIGHT, "1"}};
    for (const WORD leave : {VK_RETURN, VK_ESCAPE}) {
        SCOPED_TRACE(leave == VK_RETURN ? "enter" : "escape");
        RoundTrip t(kind);
        InputSimulation::KeyPress(t.Grid, VK_F2);
        InputSimulation::KeyPress(t.Editor(), VK_DOWN, 0, TShiftState() << ssAlt);
        TTrackBar* bar = t.Grid->TrackbarDropDown()->TrackBar();
        ASSERT_TRUE(t.Editor()->DroppedDown());
        ASSERT_EQ(t.Focused(), bar) << "the popup's track bar has the keys";
        for (const auto& move : moves) {
            InputSimulation::KeyPressFocused(move.Key);
            t.Pump();
            EXPECT_TRUE(t.Open()) << move.Key;
            EXPECT_TRUE(t.Editor()->DroppedDown()) << move.Key;
            EXPECT_EQ(t.Focused(), bar) << move.Key;
            EXPECT_EQ(t.Editor()->Text(), move.Shown) << move.Key;
            EXPECT_EQ(t.Grid->Cells(1, 1), "3") << move.Key << ": nothing stored yet";
        }
        t.Events.clear();
        InputSimulation::KeyPressFocused(leave, leave == VK_RETURN ? '\r' : 0x1B);
        t.Pump();
        EXPECT_FALSE(t.Open());
        EXPECT_FALSE(t.Editor()->DroppedDown());
        EXPECT_EQ(t.Grid->Cells(1, 1), leave == VK_RETURN ? "1" : "3");
        EXPECT_EQ(t.Focused(), t.Grid);
        // Escape puts the cell's text back into the edit before it goes.
        const std::vector<std::string> events =
            leave == VK_RETURN ? std::vector<std::string>{"done 1,1"}
                               : std::vector<std::string>{"change 3", "done 1,1"};
        EXPECT_EQ(t.Events, events);
        InputSimulation::KeyPressFocused(VK_DOWN);
        EXPECT_EQ(t.Grid->Row(), 2) << "the keys work on at once";
    }
}

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

// F2 selects the hours of a time cell: typed digits replace them, the first time and every
// time after, whatever the edit showed before.
TEST(GridDropDownRoundTrip, TypingAfterF2ReplacesTheHoursOfATimeEveryTime) {
    RoundTrip t(Kinds[2]);
    ASSERT_EQ(t.K.Kind, edTimePickerDropDown);
    for (const char* hours : {"11", "11", "09", "09", "11"}) {
        SCOPED_TRACE(hours);
        InputSimulation::KeyPress(t.Grid, VK_F2);
        ASSERT_TRUE(t.Open());
        TypeInto(t.Editor(), hours);
        InputSimulation::KeyPress(t.Editor(), VK_RETURN, '\r');
        t.Pump();
        EXPECT_FALSE(t.Open());
        EXPECT_EQ(t.Grid->Cells(1, 1), std::string(hours) + ":20:30");
    }
}

} // namespace

namespace {

// The wheel moves the open popup's hot image; Enter stores its number, Escape keeps the cell's.
TEST(GridDropDownRoundTrip, AnImageCellOpensOnItsImageAndStoresThePickOnEnterOnly) {
    for (const WORD leave : {VK_RETURN, VK_ESCAPE}) {
        SCOPED_TRACE(leave == VK_RETURN ? "enter" : "escape");
        RoundTrip t(ImageKind);
        InputSimulation::KeyPress(t.Grid, VK_F2);
        ASSERT_TRUE(t.Open());
        TExImagePickerDropDown* picker = t.Grid->ImagePickerDropDown();
        EXPECT_EQ(picker->Items()->Count(), 4) << "the grid's images are offered";
        EXPECT_EQ(picker->ImageIndex(), 1) << "the cell's image is shown";
        EXPECT_EQ(t.Focused(), t.Editor()) << "the open editor has the keys";
        InputSimulation::KeyPress(t.Editor(), VK_DOWN, 0, TShiftState() << ssAlt);
        ASSERT_TRUE(picker->DroppedDown());
        // The hot cell starts on the cell's image.
        EXPECT_EQ(picker->ItemSelector()->ItemHot(), 1);
        InputSimulation::Wheel(picker->DropDownForm(), TPoint{5, 5}, -120);
        EXPECT_TRUE(t.Open());
        EXPECT_EQ(picker->ItemSelector()->ItemHot(), 2);
        EXPECT_EQ(t.Grid->Cells(1, 1), "1") << "nothing stored yet";
        t.Events.clear();
        InputSimulation::KeyPressFocused(leave, leave == VK_RETURN ? '\r' : 0x1B);
        t.Pump();
        EXPECT_FALSE(t.Open());
        EXPECT_EQ(t.Grid->Cells(1, 1), leave == VK_RETURN ? "2" : "1");
        EXPECT_FALSE(picker->DroppedDown());
        EXPECT_EQ(t.Focused(), t.Grid);
        ASSERT_FALSE(t.Events.empty());
        EXPECT_EQ(t.Events.back(), "done 1,1");
    }
}

} // namespace
