#pragma once

#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/ExInplaceEdit.h"
#include "platform/ui/Application.h"
#include "platform/ui/CellEditor.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "tests/support/EditableGridForm.h"

#include <memory>
#include <string>
#include <vector>

namespace EditingTest {

// An editor control that records how the grid drives it and answers what the test sets.
class TFakeCellEditor : public TCellEditor {
public:
    std::vector<std::string> Calls;
    std::string Value; // what Apply answers
    bool Veto = false; // refuses to give up its value
    TRect Placed;
    TColor Background = clNone;
    bool Open = false;

    void BeginCellEdit(int ACol, int ARow) override {
        Calls.push_back("Begin " + std::to_string(ACol) + "," + std::to_string(ARow));
        Open = true;
    }
    void PlaceCellEditor(const TRect& ARect, TColor ABackground) override {
        Calls.push_back("Place");
        Placed = ARect;
        Background = ABackground;
    }
    void LoadCellText(const std::string& Text) override {
        Calls.push_back("Load " + Text);
        Value = Text;
    }
    void TypeStartKey(char16_t Key) override {
        Calls.push_back(std::string("Key ") + static_cast<char>(Key));
    }
    bool VetoCellText() override { return Veto; }
    std::string ApplyCellText() override {
        Calls.push_back("Apply");
        return Value;
    }
    void CancelCellEdit() override { Calls.push_back("Cancel"); }
    void EndCellEdit() override {
        Calls.push_back("End");
        Open = false;
    }
};

// A grid whose every editor control is the fake, recording the edit-done messages it gets.
class TEditingGrid : public TExStringGrid {
public:
    using TExStringGrid::CanSelectCell;
    using TExStringGrid::CellEditMask;
    using TExStringGrid::FCellCache;
    using TExStringGrid::FEditing;
    using TExStringGrid::FNewCellText;
    using TExStringGrid::FSpecialEditor;
    using TExStringGrid::FStartEditChar;
    using TExStringGrid::GetEditorText;
    using TExStringGrid::HandleKeyDown;
    using TExStringGrid::IsFixed;
    using TExStringGrid::LButFlg;
    using TExStringGrid::TExStringGrid;

    TFakeCellEditor Fake;
    bool OfferFake = true; // false: the grid's own editor controls
    struct TDone {
        WPARAM Col;
        LPARAM Row;
    };
    std::vector<TDone> EditDoneMessages;

    TCellEditor* CellEditorOfKind(TEditorType Kind) override {
        if (!OfferFake)
            return TExStringGrid::CellEditorOfKind(Kind); // the grid's own controls
        return Kind != edDataCheckBox ? &Fake : nullptr;
    }

protected:
    void HandleWindowMessage(TMessage& Message) override {
        if (Message.Msg == GridEditDoneMessage && GridEditDoneMessage != 0)
            EditDoneMessages.push_back({Message.WParam, Message.LParam});
        TExStringGrid::HandleWindowMessage(Message);
    }
};

// A shown form holding a focused, editable 5 x 6 grid and an edit to move the focus to.
struct TEditingForm {
    TForm Form{nullptr};
    TEditingGrid* Grid;
    TEdit* Other;

    explicit TEditingForm(TEditorType Kind = edNormal) {
        Grid = PlaceEditableGrid<TEditingGrid>(Form, 6, Kind, Other);
        ShowWithCellFocused(Form, Grid);
    }
    TExInplaceEdit* Editor() const { return Grid->NormalEdit(); }
    void Pump() { Application->ProcessMessages(); }
    // The mouse on a cell, a little inside its top-left corner: a click, a notch of the wheel
    // down; and a click on the lower arrow of the vertical scroll bar.
    void ClickCell(int ACol, int ARow) {
        InputSimulation::Click(Grid, InsideCell(ACol, ARow));
        Pump();
    }
    void WheelDownOverCell(int ACol, int ARow) {
        InputSimulation::Wheel(Grid, InsideCell(ACol, ARow), -120);
        Pump();
    }
    void ClickLowerScrollArrow() {
        InputSimulation::Click(Grid, TPoint{Grid->Width() - 6, Grid->ClientHeight() - 6});
        Pump();
    }
    TPoint InsideCell(int ACol, int ARow) const {
        const TRect cell = Grid->CellRect(ACol, ARow);
        return TPoint{cell.Left + 5, cell.Top + 5};
    }
};

} // namespace EditingTest
