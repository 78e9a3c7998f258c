// An application's own cell editor (a line edit behind a TEditLink) as a user works it, through
// real key, mouse and wheel input, lying over the cell or in a popup form: opened, changed, then
// committed, cancelled or left in each way the grid allows, with the cell, the edit events in
// order and the keyboard focus checked after each.
#include "ExGridEditingTestGrid.h"
#include "LineEditLink.h"

#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "platform/ui/InputSimulation.h"
#include "tests/support/GridEditEvents.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using EditingTest::TEditingForm;

struct LinkStyle {
    const char* Name;
    TEditStyle Style;
    int PopupLeft;
    int PopupTop;
};

const LinkStyle Styles[] = {
    {"in_place", esInplace, -1, -1},
    {"popup_at_the_cell", esPopup, -1, -1},
    {"popup_at_a_point", esPopup, 30, 40},
};

// A form with an editable grid of 30 rows whose column 1 holds "abc" in every row and is edited
// with the custom editor, and an edit beside the grid.
struct CustomRoundTrip {
    explicit CustomRoundTrip(const LinkStyle& S) : Style(S), F(edCustom) {
        F.Grid->OfferFake = false;
        F.Grid->SetRowCount(30);
        Link = new TLineEditLink(&F.Form);
        Link->EditStyle = S.Style;
        Link->PopupLeft = S.PopupLeft;
        Link->PopupTop = S.PopupTop;
        Link->PopupWidth = 120;
        Link->PopupHeight = 24;
        F.Grid->SetEditLink(Link);
        F.Grid->OnGetEditorType = [](TObject*, int ACol, int, TEditorType& Kind) {
            Kind = ACol == 1 || ACol == 2 ? edCustom : edNormal;
        };
        F.Grid->OnCellValidate = [this](TObject*, int ACol, int ARow, std::string& Value,
                                        bool& Valid) {
            Events.push_back("validate " + Value);
            Valid = Value != Refused;
        };
        GridEditEvents::RecordEditingDone(F.Grid, Events);
        GridEditEvents::RecordCellDone(F.Grid, Events);
        for (int r = 1; r < 30; ++r) {
            F.Grid->SetCells(1, r, "abc");
            F.Grid->SetCells(2, r, "def");
        }
    }
    bool Open() const {
        return F.Grid->EditMode && Link->Edit != nullptr && Link->Edit->Visible() &&
               (Style.Style == esInplace || PopupShown());
    }
    bool PopupShown() const { return Link->PopupForm() && Link->PopupForm()->Visible(); }
    // The control the window system gives the keys to.
    static TControl* Focused() { return InputSimulation::FocusedControl(); }
    void Key(WORD Key, TChar Ch = 0, TShiftState Shift = {}) {
        InputSimulation::KeyPressFocused(Key, Ch, Shift);
        F.Pump();
    }
    void Type(const std::string& Text) { InputSimulation::TypeTextFocused(Text); }
    void OpenWithF2() {
        Key(VK_F2);
        ASSERT_TRUE(Open());
        ASSERT_EQ(Focused(), Link->Edit) << "the open editor has the keys";
    }
    // F2, Home (which the editor keeps) and "d": the editor holds "dabc".
    void OpenAndChange() {
        OpenWithF2();
        Key(VK_HOME);
        Type("d");
        ASSERT_EQ(Link->Edit->Text(), "dabc");
        Events.clear();
    }
    void SelectAllAndType(const std::string& Text) {
        Key('A', 0, TShiftState{ssCtrl});
        Type(Text);
    }
    void ExpectClosedWithGridFocused() {
        EXPECT_FALSE(F.Grid->EditMode);
        EXPECT_FALSE(Link->Edit != nullptr && Link->Edit->Visible());
        EXPECT_FALSE(PopupShown());
        EXPECT_EQ(Focused(), F.Grid);
    }
    // The edit is over: cell (Col, 1) holds Text, and the editor is closed with the grid focused.
    void ExpectLeftWith(int Col, const std::string& Text) {
        EXPECT_EQ(F.Grid->Cells(Col, 1), Text);
        ExpectClosedWithGridFocused();
    }
    // Closed, and the grid takes the next key at once: Down moves on from the row it is on.
    void ExpectClosedWithTheKeysOnTheGrid() {
        ExpectClosedWithGridFocused();
        const int row = F.Grid->Row();
        Key(VK_DOWN);
        EXPECT_EQ(F.Grid->Row(), row + 1) << "the keys work on at once";
    }
    // The grid takes Tab; at the end of the editor's cell it goes on to the next cell, whose
    // editor opens, when ToNextCell.
    void GridTakesTab(bool ToNextCell) {
        F.Grid->SetOptions(F.Grid->Options() << goTabs);
        F.Grid->Navigation()->TabToNextAtEnd = ToNextCell;
    }

    const LinkStyle& Style;
    TEditingForm F;
    TLineEditLink* Link;
    std::vector<std::string> Events;
    std::string Refused = "refused";
};

class CustomEditorRoundTrip : public ::testing::TestWithParam<LinkStyle> {};

// F2 and a click (with DirectEdit) open on the cell's text; a typed character starts a new text.
TEST_P(CustomEditorRoundTrip, OpensByF2TypingAndClickAtItsPlace) {
    struct Opener {
        const char* Name;
        std::function<void(CustomRoundTrip&)> Do;
        const char* Shown;
    };
    const Opener openers[] = {
        {"F2", [](CustomRoundTrip& t) { t.Key(VK_F2); }, "abc"},
        {"typing", [](CustomRoundTrip& t) { t.Key('X', 'x'); }, "x"},
        {"click",
         [](CustomRoundTrip& t) {
             t.F.Grid->MouseActions()->DirectEdit = true;
             t.F.ClickCell(1, 2);
         },
         "abc"},
    };
    for (const Opener& opener : openers) {
        SCOPED_TRACE(opener.Name);
        CustomRoundTrip t(GetParam());
        t.F.Grid->FocusCell(std::string(opener.Name) == "click" ? 3 : 1, 2, true);
        opener.Do(t);
        ASSERT_TRUE(t.Open());
        EXPECT_EQ(t.F.Grid->Col(), 1);
        EXPECT_EQ(t.F.Grid->Row(), 2);
        EXPECT_EQ(t.Link->Edit->Text(), opener.Shown);
        EXPECT_EQ(t.Focused(), t.Link->Edit);
        EXPECT_EQ(t.Link->EditCell().X, 1);
        const TRect cell = t.F.Grid->CellRect(1, t.F.Grid->Row());
        if (GetParam().Style == esInplace) {
            EXPECT_EQ(t.Link->Edit->Parent(), t.F.Grid);
            EXPECT_EQ(t.Link->Edit->Left(), cell.Left);
            EXPECT_EQ(t.Link->Edit->Top(), cell.Top);
        } else {
            const TPoint at = GetParam().PopupLeft == -1
                                  ? t.F.Grid->ClientToScreen({cell.Left, cell.Top})
                                  : TPoint{GetParam().PopupLeft, GetParam().PopupTop};
            EXPECT_EQ(t.Link->Edit->Parent(), t.Link->PopupForm());
            EXPECT_EQ(t.Link->PopupForm()->Left(), at.X);
            EXPECT_EQ(t.Link->PopupForm()->Top(), at.Y);
            EXPECT_EQ(t.Link->PopupForm()->Width(), 120);
        }
        EXPECT_TRUE(t.Events.empty());
    }
}

TEST_P(CustomEditorRoundTrip, EnterStoresTheValueAndGivesTheGridTheKeys) {
    CustomRoundTrip t(GetParam());
    t.OpenAndChange();
    t.Key(VK_RETURN, '\r');
    t.ExpectLeftWith(1, "dabc");
    EXPECT_EQ(t.Events, (std::vector<std::string>{"validate dabc", "editing done", "done 1,1"}));
    t.ExpectClosedWithTheKeysOnTheGrid();
}

TEST_P(CustomEditorRoundTrip, EscapeLeavesTheCellAsItWas) {
    CustomRoundTrip t(GetParam());
    t.OpenAndChange();
    t.Key(VK_ESCAPE, 0x1B);
    t.ExpectLeftWith(1, "abc");
    EXPECT_EQ(t.Events, (std::vector<std::string>{"editing done", "done 1,1"}));
    t.Key(VK_F2);
    ASSERT_TRUE(t.Open());
    EXPECT_EQ(t.Link->Edit->Text(), "abc");
}

// Every way out of an editor opened and left untouched keeps the cell as it was.
TEST_P(CustomEditorRoundTrip, EveryWayOutKeepsOrStoresTheValue) {
    struct Leave {
        const char* Name;
        std::function<void(CustomRoundTrip&)> Do;
        int Col, Row; // the current cell after it
    };
    const Leave leaves[] = {
        {"enter", [](CustomRoundTrip& t) { t.Key(VK_RETURN, '\r'); }, 1, 1},
        {"escape", [](CustomRoundTrip& t) { t.Key(VK_ESCAPE, 0x1B); }, 1, 1},
        {"click on another cell", [](CustomRoundTrip& t) { t.F.ClickCell(3, 4); }, 3, 4},
        {"wheel over the grid", [](CustomRoundTrip& t) { t.F.WheelDownOverCell(3, 2); }, 1, 4},
        {"scroll bar arrow", [](CustomRoundTrip& t) { t.F.ClickLowerScrollArrow(); }, 1, 1},
    };
    for (const bool change : {true, false}) {
        for (const Leave& leave : leaves) {
            SCOPED_TRACE(std::string(leave.Name) + (change ? ", changed" : ", untouched"));
            CustomRoundTrip t(GetParam());
            if (change)
                t.OpenAndChange();
            else
                t.OpenWithF2();
            leave.Do(t);
            const bool stores = change && std::string(leave.Name) != "escape";
            EXPECT_EQ(t.F.Grid->Cells(1, 1), stores ? "dabc" : "abc");
            EXPECT_EQ(t.F.Grid->Col(), leave.Col);
            EXPECT_EQ(t.F.Grid->Row(), leave.Row);
            ASSERT_FALSE(t.Events.empty());
            EXPECT_EQ(t.Events.back(), "done 1,1");
            t.ExpectClosedWithTheKeysOnTheGrid();
        }
    }
}

// Tab leaves the editor when the grid takes Tab: it stays on the cell, or, with TabToNextAtEnd,
// goes on to the next cell and opens its editor.
TEST_P(CustomEditorRoundTrip, TabLeavesStayingOrOpeningTheNextCell) {
    for (const bool toNext : {false, true}) {
        SCOPED_TRACE(toNext ? "to the next cell" : "staying");
        CustomRoundTrip t(GetParam());
        t.GridTakesTab(toNext);
        t.OpenAndChange();
        t.Key(VK_TAB, '\t');
        EXPECT_EQ(t.F.Grid->Cells(1, 1), "dabc");
        EXPECT_EQ(t.F.Grid->Row(), 1);
        if (!toNext) {
            EXPECT_EQ(t.F.Grid->Col(), 1);
            t.ExpectClosedWithGridFocused();
            continue;
        }
        EXPECT_EQ(t.F.Grid->Col(), 2);
        ASSERT_TRUE(t.Open()) << "the next cell's editor opens";
        EXPECT_EQ(t.Link->Edit->Text(), "def");
        EXPECT_EQ(GetParentForm(t.Link->Edit)->ActiveControl(), t.Link->Edit);
        EXPECT_EQ(t.Focused(), t.Link->Edit);
        EXPECT_EQ(t.Link->EditCell().X, 2);
        t.Key(VK_HOME);
        t.Type("g");
        EXPECT_EQ(t.Link->Edit->Text(), "gdef") << "typed keys reach the reopened editor";
        t.Key(VK_ESCAPE, 0x1B);
        t.ExpectLeftWith(2, "def");
    }
}

// Another window of the program opens while the editor is open and takes the keys: the popup
// editor leaves with its value, the in-place one stays open in its inactive window; once that
// window goes, the keys come back to the grid's window. The same for an editor reopened by Tab on
// the next cell (its popup hid and showed again at once).
TEST_P(CustomEditorRoundTrip, AnotherWindowTakingTheKeys) {
    struct Opening {
        const char* Name;
        bool ByTab;
        int Col;            // the edited cell's column
        const char* Before; // its text before
        const char* Typed;  // the editor's text when the other window opens
    };
    const Opening openings[] = {
        {"opened by F2", false, 1, "abc", "dabc"},
        {"reopened by Tab", true, 2, "def", "ddef"},
    };
    for (const Opening& o : openings) {
        SCOPED_TRACE(o.Name);
        CustomRoundTrip t(GetParam());
        if (o.ByTab) {
            t.GridTakesTab(true);
            t.OpenWithF2();
            t.Key(VK_TAB, '\t');
            ASSERT_TRUE(t.Open());
            t.Key(VK_HOME);
            t.Type("d");
        } else {
            t.OpenAndChange();
        }
        ASSERT_EQ(t.Link->Edit->Text(), o.Typed);
        TForm other(nullptr);
        other.SetBounds(600, 0, 200, 100);
        auto* field = new TEdit(&other);
        field->SetParent(&other);
        other.Show();
        t.F.Pump();
        const bool popup = GetParam().Style == esPopup;
        EXPECT_EQ(t.Focused(), field);
        EXPECT_EQ(t.Open(), !popup);
        EXPECT_EQ(t.F.Grid->Cells(o.Col, 1), popup ? o.Typed : o.Before);

        other.Hide();
        t.F.Pump();
        if (popup) {
            t.ExpectClosedWithTheKeysOnTheGrid();
        } else {
            EXPECT_EQ(t.Focused(), t.Link->Edit);
            t.Type("e");
            EXPECT_EQ(t.Link->Edit->Text(), std::string("de") + (o.Typed + 1));
        }
    }
}

TEST_P(CustomEditorRoundTrip, ARefusedValueReopensTheEditorOnIt) {
    CustomRoundTrip t(GetParam());
    t.OpenWithF2();
    t.SelectAllAndType("refused");
    t.Key(VK_RETURN, '\r');
    EXPECT_EQ(t.F.Grid->Cells(1, 1), "abc");
    ASSERT_TRUE(t.Open());
    EXPECT_EQ(t.Focused(), t.Link->Edit);
    t.SelectAllAndType("ok");
    t.Key(VK_RETURN, '\r');
    t.ExpectLeftWith(1, "ok");
}

// Which keys leave the editor and which the control keeps, by real key presses.
TEST_P(CustomEditorRoundTrip, SomeKeysLeaveTheEditorOthersStayInIt) {
    struct Case {
        const char* Name;
        WORD Key;
        TChar Ch;
        TShiftState Shift;
        void (*Want)(TEditLink*);
        bool Leaves;
        int Row; // the current row after it
    };
    const auto none = [](TEditLink*) {};
    const auto upDown = [](TEditLink* l) { l->WantKeyUpDown = true; };
    const auto homeEnd = [](TEditLink* l) { l->WantKeyHomeEnd = true; };
    const auto tabs = [](TEditLink* l) { l->WantTabs = true; };

    const Case cases[] = {
        {"Home stays", VK_HOME, 0, {}, none, false, 1},
        {"End leaves", VK_END, 0, {}, none, true, 1},
        {"a letter stays", 'Q', 'q', {}, none, false, 1},
        {"Alt with a letter leaves", 'Q', 0, TShiftState{ssAlt}, none, true, 1},
        {"Down leaves and moves", VK_DOWN, 0, {}, none, true, 2},
        {"WantKeyUpDown keeps Down", VK_DOWN, 0, {}, upDown, false, 1},
        {"WantKeyUpDown keeps Alt+Down", VK_DOWN, 0, TShiftState{ssAlt}, upDown, false, 1},
        {"Page Down leaves and stays", VK_NEXT, 0, {}, none, true, 1},
        {"WantKeyHomeEnd keeps End", VK_END, 0, {}, homeEnd, false, 1},
        {"WantTabs keeps Tab", VK_TAB, '\t', {}, tabs, false, 1},
        {"WantTabs keeps Alt+Tab", VK_TAB, 0, TShiftState{ssAlt}, tabs, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        CustomRoundTrip t(GetParam());
        t.GridTakesTab(false);
        c.Want(t.Link);
        t.OpenAndChange();
        t.Key(c.Key, c.Ch, c.Shift);
        EXPECT_EQ(!t.Open(), c.Leaves);
        EXPECT_EQ(t.F.Grid->Row(), c.Row);
        if (c.Leaves) {
            t.ExpectLeftWith(1, "dabc");
        } else {
            EXPECT_EQ(t.Focused(), t.Link->Edit);
            EXPECT_EQ(t.F.Grid->Cells(1, 1), "abc") << "nothing stored yet";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ExGridEditing, CustomEditorRoundTrip, ::testing::ValuesIn(Styles),
                         [](const auto& info) { return std::string(info.param.Name); });

// Without goTabs Tab belongs to the form: it takes the keys to the next control, and the
// in-place editor it leaves stores its value.
TEST(ExGridEditing, TabToTheNextControlLeavesTheInPlaceCustomEditorWithItsValue) {
    CustomRoundTrip t(Styles[0]);
    t.OpenAndChange();
    t.Key(VK_TAB, '\t');
    EXPECT_EQ(t.F.Grid->Cells(1, 1), "dabc");
    EXPECT_FALSE(t.F.Grid->EditMode);
    EXPECT_FALSE(t.Link->Edit->Visible());
    EXPECT_EQ(t.Focused(), t.F.Other);
    EXPECT_EQ(t.Events, (std::vector<std::string>{"validate dabc", "editing done", "done 1,1"}));
}

} // namespace
