// The header and footer bars the string grid gives its drop-down cell editors: the grid's own
// look for them shows in the popup a cell opens, and a click on a bar button reaches the grid's
// events with the cell being edited.
#include "grid/dropdown/DropDownBar.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExCustomDropDown.h"
#include "grid/dropdown/FlatButton.h"
#include "grid/dropdown/FooterPanel.h"
#include "grid/dropdown/GridDropDownEditors.h"
#include "grid/dropdown/HeaderPanel.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/FooterAppearance.h"
#include "grid/stringgrid/HeaderAppearance.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Keys.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct TCellPopupKind {
    TEditorType Kind;
    const char* Name;
    TExCustomDropDown* (*Editor)(TExStringGrid&);
};

void PrintTo(const TCellPopupKind& Kind, std::ostream* Out) {
    *Out << Kind.Name;
}

class GridCellPopupBars : public ::testing::TestWithParam<TCellPopupKind> {
protected:
    GridCellPopupBars()
        : Form(std::make_unique<TForm>(nullptr)), Grid(new TExStringGrid(Form.get())) {
        RegisterGridDropDownEditors();
        Form->SetBounds(100, 100, 500, 300);
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 480, 280);
        Grid->SetColCount(4);
        Grid->SetRowCount(4);
        Grid->SetOptions(Grid->Options() << goEditing);
        THeaderAppearance* header = Grid->ControlLook()->DropDownHeader();
        header->SetVisible(true);
        header->SetCaption("Pick a value");
        header->Buttons()->Add()->SetCaption("Help");
        TFooterAppearance* footer = Grid->ControlLook()->DropDownFooter();
        footer->SetVisible(true);
        footer->SetCaption("Footer text");
        footer->Buttons()->Add()->SetCaption("More");
        Grid->OnDropDownHeaderButtonClick = [this](TObject*, int ACol, int ARow, int Index) {
            Clicks.push_back("header " + std::to_string(ACol) + "," + std::to_string(ARow) + " " +
                             std::to_string(Index));
        };
        Grid->OnDropDownFooterButtonClick = [this](TObject*, int ACol, int ARow, int Index) {
            Clicks.push_back("footer " + std::to_string(ACol) + "," + std::to_string(ARow) + " " +
                             std::to_string(Index));
        };
        Form->Show();
    }
    ~GridCellPopupBars() override {
        if (Drop && Drop->DroppedDown())
            Drop->HideDropDown(true);
    }

    static TPoint Centre(const TControl* C) { return {C->Width() / 2, C->Height() / 2}; }

    std::unique_ptr<TForm> Form;
    TExStringGrid* Grid;
    TExCustomDropDown* Drop = nullptr;
    std::vector<std::string> Clicks;
};

} // namespace

TEST_P(GridCellPopupBars, TheGridsBarsShowInTheCellsPopupAndTheirButtonsReachTheGrid) {
    Grid->DefaultEditor = GetParam().Kind;
    Grid->SetCol(2);
    Grid->SetRow(1);
    Grid->SetFocus();
    InputSimulation::KeyPress(Grid, VK_F2);
    Drop = GetParam().Editor(*Grid);
    ASSERT_NE(Drop, nullptr);
    ASSERT_TRUE(Drop->Focused());
    InputSimulation::KeyPress(Drop, VK_DOWN, 0, {ssAlt});
    ASSERT_TRUE(Drop->DroppedDown());

    TExHeader* header = Drop->DropDownForm()->Header();
    TExFooter* footer = Drop->DropDownForm()->Footer();
    ASSERT_TRUE(header && footer) << "both bars are made at the opening";
    const struct {
        TDropDownBar* Bar;
        std::string Caption;
        std::string Expected;
    } bars[] = {{header, header->Appearance()->Caption(), "Pick a value"},
                {footer, footer->Appearance()->Caption(), "Footer text"}};
    for (const auto& bar : bars) {
        EXPECT_TRUE(bar.Bar->Visible()) << bar.Expected;
        EXPECT_EQ(bar.Caption, bar.Expected);
        ASSERT_EQ(bar.Bar->ButtonCount(), 1) << bar.Expected;
        InputSimulation::Click(bar.Bar->Button(0), Centre(bar.Bar->Button(0)));
    }
    EXPECT_EQ(Clicks, (std::vector<std::string>{"header 2,1 0", "footer 2,1 0"}));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, GridCellPopupBars,
    ::testing::Values(TCellPopupKind{edDetailDropDown, "Detail",
                                     [](TExStringGrid& G) -> TExCustomDropDown* {
                                         return G.DetailPickerDropDown();
                                     }},
                      TCellPopupKind{edCalculatorDropDown, "Calculator",
                                     [](TExStringGrid& G) -> TExCustomDropDown* {
                                         return G.CalculatorDropDown();
                                     }},
                      TCellPopupKind{
                          edGridDropDown, "Grid",
                          [](TExStringGrid& G) -> TExCustomDropDown* { return G.GridDropDown(); }}),
    [](const auto& Info) { return std::string(Info.param.Name); });
