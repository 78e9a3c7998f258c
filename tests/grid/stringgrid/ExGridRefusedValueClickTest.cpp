// A value OnCellValidate refuses, left by a click on another cell: whatever editor the cell has,
// the user stays in the cell with the editor open and the keys in it, and the cell keeps its text.
#include "ExGridEditingTestGrid.h"
#include "LineEditLink.h"

#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/ExRichEdit.h"
#include "grid/stringgrid/GridCombo.h"
#include "grid/stringgrid/GridDatePicker.h"
#include "grid/stringgrid/GridEditBtn.h"
#include "grid/stringgrid/GridSpin.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using EditingTest::TEditingForm;

void TypeDAtTheStart(TControl* c) {
    InputSimulation::KeyPress(c, VK_HOME);
    InputSimulation::TypeChar(c, 'd');
}

struct RefusingEditor {
    const char* Name;
    TEditorType Kind;
    const char* Start;
    TWinControl* (*Editor)(TExStringGrid*, TLineEditLink*);
    // What a user does in the open editor to change its value.
    void (*Change)(TControl*);
};

const RefusingEditor RefusingEditors[] = {
    {"text", edNormal, "abc",
     [](TExStringGrid* g, TLineEditLink*) -> TWinControl* { return g->NormalEdit(); },
     TypeDAtTheStart},
    {"edit_button", edEditBtn, "abc",
     [](TExStringGrid* g, TLineEditLink*) -> TWinControl* { return g->BtnEdit(); },
     TypeDAtTheStart},
    {"rich", edRichEdit, "abc",
     [](TExStringGrid* g, TLineEditLink*) -> TWinControl* { return g->InplaceRichEdit(); },
     TypeDAtTheStart},
    {"spin", edSpinEdit, "12",
     [](TExStringGrid* g, TLineEditLink*) -> TWinControl* { return g->SpinEdit(); },
     [](TControl* c) { InputSimulation::TypeChar(c, '3'); }},
    {"combo", edComboEdit, "Beta",
     [](TExStringGrid* g, TLineEditLink*) -> TWinControl* { return g->Combobox(); },
     TypeDAtTheStart},
    {"date", edDateEdit, "12/03/2021",
     [](TExStringGrid* g, TLineEditLink*) -> TWinControl* { return g->DateTimePicker(); },
     [](TControl* c) { InputSimulation::KeyPress(c, VK_UP); }},
    {"custom", edCustom, "abc",
     [](TExStringGrid*, TLineEditLink* l) -> TWinControl* { return l->Edit; }, TypeDAtTheStart},
};

void PrintTo(const RefusingEditor& Editor, std::ostream* Out) {
    *Out << Editor.Name;
}

// A shown form whose grid edits cell (1, 1) with the editor kind and, while Refuse is set,
// refuses every value that differs from the cell's.
struct RefusingForm {
    explicit RefusingForm(const RefusingEditor& Kind) : K(Kind), F(Kind.Kind) {
        F.Grid->OfferFake = false;
        Link = new TLineEditLink(&F.Form);
        F.Grid->SetEditLink(Link);
        for (const char* item : {"Alpha", "Beta", "Gamma"})
            F.Grid->AddComboString(item);
        for (int r = 1; r < F.Grid->RowCount(); ++r)
            F.Grid->SetCells(1, r, K.Start);
        F.Grid->OnCellValidate = [this](TObject*, int ACol, int ARow, std::string& Value,
                                        bool& Valid) {
            Validated.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
            Valid = !Refuse;
            (void)Value;
        };
    }
    TWinControl* Editor() const { return K.Editor(F.Grid, Link); }
    bool Open() const { return F.Grid->EditMode && Editor() && Editor()->Visible(); }
    void ClickCell(int ACol, int ARow) { F.ClickCell(ACol, ARow); }

    const RefusingEditor& K;
    TEditingForm F;
    TLineEditLink* Link;
    std::vector<std::string> Validated;
    bool Refuse = true;
};

class RefusedValueClick : public ::testing::TestWithParam<RefusingEditor> {};

// With DirectEdit the press itself also ends the open edit before it opens the clicked cell's.
TEST_P(RefusedValueClick, KeepsTheUserInTheCellWithTheEditorOpen) {
    for (const bool directEdit : {false, true}) {
        SCOPED_TRACE(directEdit ? "direct edit" : "plain click");
        RefusingForm t(GetParam());
        t.F.Grid->MouseActions()->DirectEdit = directEdit;
        InputSimulation::KeyPress(t.F.Grid, VK_F2);
        t.F.Pump();
        ASSERT_TRUE(t.Open());
        const std::string shown = t.Editor()->Text();
        t.K.Change(InputSimulation::FocusedControl());
        ASSERT_NE(t.Editor()->Text(), shown) << "the change reached the editor";

        t.ClickCell(3, 4);

        EXPECT_EQ(t.Validated, (std::vector<std::string>{"1,1"}));
        EXPECT_EQ(t.F.Grid->Cells(1, 1), t.K.Start) << "nothing reached the cell";
        EXPECT_FALSE(t.F.Grid->Modified());
        EXPECT_EQ(t.F.Grid->Col(), 1);
        EXPECT_EQ(t.F.Grid->Row(), 1) << "the user stays in the cell";
        ASSERT_TRUE(t.Open()) << "the editor is open again";
        EXPECT_EQ(t.Editor()->Text(), shown) << "on the cell's text";
        EXPECT_EQ(InputSimulation::FocusedControl(), t.Editor()) << "the editor has the keys";

        // The keys reach the editor, not the grid: the next change shows in it, nothing moves.
        t.K.Change(InputSimulation::FocusedControl());
        EXPECT_NE(t.Editor()->Text(), shown);
        EXPECT_TRUE(t.Open());
        EXPECT_EQ(t.F.Grid->Row(), 1);

        // Once the value is accepted, the same click leaves with it (and with DirectEdit opens
        // the clicked cell's editor).
        t.Refuse = false;
        t.ClickCell(3, 4);
        EXPECT_NE(t.F.Grid->Cells(1, 1), t.K.Start);
        EXPECT_EQ(t.F.Grid->Col(), 3);
        EXPECT_EQ(t.F.Grid->Row(), 4);
        EXPECT_EQ(t.Open(), directEdit);
        EXPECT_EQ(InputSimulation::FocusedControl(),
                  directEdit ? t.Editor() : static_cast<TWinControl*>(t.F.Grid));
    }
}

INSTANTIATE_TEST_SUITE_P(ExGridEditing, RefusedValueClick, ::testing::ValuesIn(RefusingEditors),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
