// Tab and Shift+Tab pressed while a drop-down cell editor's popup has the keys: the popup closes
// with what was changed in it, the cell takes the editor's value, and the edit ends and the
// focus moves on exactly as the same key does in the editor with its popup closed.
#include "DropDownCellForm.h"
#include "grid/dropdown/GridDropDownEditors.h"

#include "DropDownInForm.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExMemoDropDown.h"
#include "grid/dropdown/ExTimePickerDropDown.h"
#include "grid/dropdown/ExTrackBarDropDown.h"
#include "grid/foundation/ScopedFormatSettings.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Application.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

void TypeIntoFocused(const std::string& text) {
    for (char c : text)
        InputSimulation::TypeChar(InputSimulation::FocusedControl(), static_cast<TChar>(c));
}

void AddFruitItems(TExStringGrid* Grid, TEditorType Kind) {
    Grid->CellEditorOfKind(Kind);
    auto addTo = [](auto* dropDown) {
        dropDown->Columns()->Add()->SetHeader("Fruit");
        for (const char* fruit : {"Apple", "Banana", "Cherry"})
            dropDown->Items()->Add()->Text().Add(fruit);
    };
    if (Kind == edGridDropDown) {
        addTo(Grid->GridDropDown());
        Grid->GridDropDown()->EndUpdate();
    } else {
        addTo(Grid->ExGridDropDown());
    }
}

constexpr TColor PopupTabRed = 0x0000FF;

struct PopupKind {
    const char* Name;
    TEditorType Kind;
    const char* Start;
    TExCustomDropDown* (*Control)(TExStringGrid*);
    // What the user does with the keys in the open popup.
    void (*ChangeInPopup)();
    // The cell once Tab left the popup.
    const char* Stored;
    void (*Prepare)(TExStringGrid*) = nullptr;
};

const PopupKind PopupKinds[] = {
    {"track_bar", edTrackbarDropDown, "3",
     [](TExStringGrid* g) -> TExCustomDropDown* { return g->TrackbarDropDown(); },
     [] { InputSimulation::KeyPressFocused(VK_END); }, "10"},
    {"memo", edMemoDropDown, "one",
     [](TExStringGrid* g) -> TExCustomDropDown* { return g->MemoDropDown(); },
     [] {
         InputSimulation::KeyPressFocused(VK_END, 0, TShiftState() << ssCtrl);
         TypeIntoFocused("x");
     },
     "onex"},
    // Only Enter folds the pending sum in; Tab stores what the edit shows.
    {"calculator", edCalculatorDropDown, "12",
     [](TExStringGrid* g) -> TExCustomDropDown* { return g->CalculatorDropDown(); },
     [] { TypeIntoFocused("+4"); }, "4"},
    {"time_picker", edTimePickerDropDown, "10:20:30",
     [](TExStringGrid* g) -> TExCustomDropDown* { return g->TimePickerDropDown(); },
     [] { InputSimulation::KeyPressFocused(VK_PRIOR); }, "11:20:30",
     // The clock's hand moves at once.
     [](TExStringGrid* g) { g->TimePickerDropDown()->SetAnimation(false); }},
    {"detail", edDetailDropDown, "Apple",
     [](TExStringGrid* g) -> TExCustomDropDown* { return g->DetailPickerDropDown(); },
     [] { TypeIntoFocused("B"); }, "Banana",
     [](TExStringGrid* g) {
         for (const char* caption : {"Apple", "Banana", "Cherry"})
             g->DetailPickerDropDown()->Items()->Add()->SetCaption(caption);
     }},
    {"multi_column", edGridDropDown, "Apple",
     [](TExStringGrid* g) -> TExCustomDropDown* { return g->GridDropDown(); },
     [] { InputSimulation::KeyPressFocused(VK_DOWN); }, "Banana",
     [](TExStringGrid* g) { AddFruitItems(g, edGridDropDown); }},
    {"grid", edExGridDropDown, "Apple",
     [](TExStringGrid* g) -> TExCustomDropDown* { return g->ExGridDropDown(); },
     [] { InputSimulation::KeyPressFocused(VK_DOWN); }, "Banana",
     [](TExStringGrid* g) { AddFruitItems(g, edExGridDropDown); }},
    {"colour", edColorPickerDropDown, "Red",
     [](TExStringGrid* g) -> TExCustomDropDown* { return g->ColorPickerDropDown(); },
     [] { InputSimulation::KeyPressFocused(VK_DOWN); }, "Lime",
     [](TExStringGrid* g) {
         for (int r = 1; r < 10; ++r)
             g->SetColors(1, r, PopupTabRed);
     }},
    // A data-image cell holds its image's number.
    {"image", edImagePickerDropDown, "1",
     [](TExStringGrid* g) -> TExCustomDropDown* { return g->ImagePickerDropDown(); },
     [] { InputSimulation::KeyPressFocused(VK_RIGHT); }, "2", MakeDataImageColumn},
};

void PrintTo(const PopupKind& Kind, std::ostream* Out) {
    *Out << Kind.Name;
}

enum class FocusAt { Other, Grid, Editor, Elsewhere };

void PrintTo(FocusAt At, std::ostream* Out) {
    const char* const names[] = {"the other edit", "the grid", "the editor", "elsewhere"};
    *Out << names[static_cast<int>(At)];
}

struct AfterTab {
    int Col;
    int Row;
    bool EditorOpen;
    FocusAt Focus;
};

// A grid of 10 rows whose cells open the kind, an edit below it; F2 opened the editor on (1, 1).
struct PopupTabForm : DropDownCellForm {
    PopupTabForm(const PopupKind& Kind, bool GridTakesTab)
        : DropDownCellForm(10, Kind.Kind), K(Kind) {
        if (GridTakesTab)
            Grid->SetOptions(Grid->Options() << goTabs);
        for (int r = 1; r < 10; ++r)
            Grid->SetCells(1, r, K.Start);
        if (K.Prepare)
            K.Prepare(Grid);
        Show();
        InputSimulation::KeyPress(Grid, VK_F2);
    }
    ~PopupTabForm() {
        if (Editor()->DroppedDown())
            Editor()->HideDropDown(true);
    }
    TExCustomDropDown* Editor() const { return K.Control(Grid); }
    bool Open() const { return Grid->EditMode && Editor()->Visible(); }
    AfterTab Now() const {
        const TControl* focused = InputSimulation::FocusedControl();
        const FocusAt at = focused == Other                             ? FocusAt::Other
                           : focused == Grid                            ? FocusAt::Grid
                           : focused == Editor() && Editor()->Visible() ? FocusAt::Editor
                                                                        : FocusAt::Elsewhere;
        return {Grid->Col(), Grid->Row(), Open(), at};
    }

    const PopupKind& K;
};

class TabInAnOpenPopup : public ::testing::TestWithParam<PopupKind> {};

TEST_P(TabInAnOpenPopup, StoresTheChangeAndMovesOnAsFromTheClosedEditor) {
    const struct {
        const char* Name;
        WORD Key;
        TShiftState Shift;
    } openers[] = {{"F4", VK_F4, {}}, {"alt+down", VK_DOWN, TShiftState() << ssAlt}};
    for (const TabOutOfTheEditor& c : TabsOutOfTheEditor) {
        SCOPED_TRACE(c.Name);
        const TShiftState shift = c.ShiftState();
        AfterTab closed{};
        {
            PopupTabForm f(GetParam(), c.GridTakesTab);
            ASSERT_TRUE(f.Open());
            InputSimulation::KeyPressFocused(VK_TAB, '\t', shift);
            Application->ProcessMessages();
            closed = f.Now();
            EXPECT_EQ(f.Grid->Cells(1, 1), f.K.Start);
            if (!c.GridTakesTab) {
                EXPECT_EQ(closed.Row, 1);
                EXPECT_FALSE(closed.EditorOpen);
                EXPECT_EQ(closed.Focus, c.Shift ? FocusAt::Grid : FocusAt::Other);
            } else if (!c.Shift) {
                EXPECT_EQ(closed.Col, 2);
            }
        }
        for (const auto& opener : openers) {
            SCOPED_TRACE(opener.Name);
            PopupTabForm f(GetParam(), c.GridTakesTab);
            ASSERT_TRUE(f.Open());
            InputSimulation::KeyPressFocused(opener.Key, 0, opener.Shift);
            ASSERT_TRUE(f.Editor()->DroppedDown());
            f.Events.clear();
            f.K.ChangeInPopup();
            ASSERT_TRUE(f.Editor()->DroppedDown()) << "the change keeps the popup open";
            EXPECT_EQ(f.Grid->Cells(1, 1), f.K.Start) << "nothing stored yet";
            InputSimulation::KeyPressFocused(VK_TAB, '\t', shift);
            Application->ProcessMessages();
            EXPECT_FALSE(f.Editor()->DroppedDown());
            EXPECT_EQ(f.Grid->Cells(1, 1), f.K.Stored);
            EXPECT_EQ(std::count(f.Events.begin(), f.Events.end(), "done 1,1"), 1);
            const AfterTab now = f.Now();
            EXPECT_EQ(now.Col, closed.Col);
            EXPECT_EQ(now.Row, closed.Row);
            EXPECT_EQ(now.EditorOpen, closed.EditorOpen);
            EXPECT_EQ(now.Focus, closed.Focus);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(GridDropDown, TabInAnOpenPopup, ::testing::ValuesIn(PopupKinds),
                         [](const auto& info) { return std::string(info.param.Name); });

// A drop-down on a form, not a cell editor: Tab and Shift+Tab in its open popup close it keeping
// the change and move the focus on from the edit to the form's other control.
TEST(TabInAnOpenPopupOnAForm, KeepsTheChangeAndMovesTheFocusOn) {
    const struct {
        const char* Name;
        TExCustomDropDown* (*Make)(TForm*);
        void (*ChangeInPopup)();
        const char* Kept;
    } kinds[] = {
        {"track_bar", [](TForm* f) -> TExCustomDropDown* { return new TExTrackBarDropDown(f); },
         [] { InputSimulation::KeyPressFocused(VK_END); }, "10"},
        {"memo", [](TForm* f) -> TExCustomDropDown* { return new TExMemoDropDown(f); },
         [] { TypeIntoFocused("x"); }, "x"},
        {"time_picker",
         [](TForm* f) -> TExCustomDropDown* {
             auto* picker = new TExTimePickerDropDown(f);
             picker->SetAnimation(false);
             return picker;
         },
         [] { InputSimulation::KeyPressFocused(VK_PRIOR); }, "01:00:00"},
    };
    for (const auto& kind : kinds) {
        for (const bool shift : {false, true}) {
            SCOPED_TRACE(std::string(kind.Name) + (shift ? " shift+tab" : " tab"));
            TDropDownInForm f(kind.Make);
            auto* other = new TEdit(f.Form.get());
            other->SetParent(f.Form.get());
            other->SetBounds(10, 100, 100, 24);
            InputSimulation::KeyPress(f.Drop, VK_F4);
            ASSERT_TRUE(f.Drop->DroppedDown());
            kind.ChangeInPopup();
            ASSERT_TRUE(f.Drop->DroppedDown());
            InputSimulation::KeyPressFocused(VK_TAB, '\t',
                                             shift ? TShiftState() << ssShift : TShiftState());
            Application->ProcessMessages();
            EXPECT_FALSE(f.Drop->DroppedDown());
            EXPECT_EQ(f.Drop->Text(), kind.Kept);
            EXPECT_EQ(InputSimulation::FocusedControl(), other);
        }
    }
}

} // namespace
