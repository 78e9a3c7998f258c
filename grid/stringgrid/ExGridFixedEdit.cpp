// Editing fixed cells: a transient edit or combo opened over the cell by a click.
#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridTransCombo.h"
#include "grid/stringgrid/GridTransEdit.h"
#include "platform/core/StringList.h"

TGridTransEdit* TExStringGrid::EditTrans() {
    if (FEditTrans == nullptr) {
        FEditTrans = new TGridTransEdit(this);
        FEditTrans->SetVisible(false);
        FEditTrans->SetParent(this);
        FEditTrans->OnChange = [this](TObject* Sender) { FixedCellEditChange(Sender); };
    }
    return FEditTrans;
}

TGridTransCombo* TExStringGrid::ComboTrans() {
    if (FComboTrans == nullptr) {
        FComboTrans = new TGridTransCombo(this);
        FComboTrans->SetVisible(false);
        FComboTrans->SetParent(this);
        FComboTrans->OnChange = [this](TObject* Sender) { FixedCellEditChange(Sender); };
    }
    return FComboTrans;
}

void TExStringGrid::StartFixedCellEdit(int ACol, int ARow) {
    // An open transient editor stops first; while its value is refused nothing else opens.
    if (FEditTrans != nullptr && FEditTrans->Visible() && !FEditTrans->StopEdit())
        return;
    if (FComboTrans != nullptr && FComboTrans->Visible() && !FComboTrans->StopEdit())
        return;
    bool canEdit = true;
    if (OnCanEditCell)
        OnCanEditCell(this, ARow, ACol, canEdit);
    if (!canEdit)
        return;
    FFixedColEdit = ACol;
    FFixedRowEdit = ARow;
    TGridFixedCellEditor kind =
        ACol == 0 ? MouseActions()->FixedColsEditor : MouseActions()->FixedRowsEditor;
    TStringList values = MouseActions()->FixedComboValues();
    FixedEdit(ACol, ARow, kind, &values);
    TRect r = CellRect(ACol, ARow);
    r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    const int col = RealColIndex(ACol);
    const std::string text = Cells(col, ARow);
    if (kind == fceEdit) {
        TGridTransEdit* edit = EditTrans();
        edit->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
        edit->SetText(text);
        edit->Col = col;
        edit->Row = ARow;
        edit->SetVisible(true);
        if (edit->CanFocus())
            edit->SetFocus();
        return;
    }
    TGridTransCombo* combo = ComboTrans();
    combo->Items()->Assign(values);
    combo->SetBounds(r.Left - 1, r.Top - 1, r.Right - r.Left + 1, r.Bottom - r.Top);
    combo->SetStyle(kind == fceComboEdit ? csDropDown : csDropDownList);
    combo->SetText(text);
    combo->Col = col;
    combo->Row = ARow;
    combo->SetVisible(true);
    if (combo->CanFocus())
        combo->SetFocus();
}

void TExStringGrid::FixedCellEditChange(TObject* Sender) {
    if (!OnEditChange)
        return;
    const auto* control = dynamic_cast<TControl*>(Sender);
    OnEditChange(this, FFixedColEdit, FFixedRowEdit, control ? control->Text() : std::string());
}

bool TExStringGrid::StopFixedCellEdit(TWinControl* Editor, int ACol, int ARow,
                                      const std::string& Text) {
    std::string value = Text;
    bool valid = true;
    if (OnCellValidate)
        OnCellValidate(this, ACol, ARow, value, valid);
    if (!valid) {
        SetCol(DisplColIndex(ACol));
        SetRow(ARow);
        if (Editor->CanFocus())
            Editor->SetFocus();
        return false;
    }
    if (OnEditingDone)
        OnEditingDone(this);
    SetCells(ACol, ARow, value);
    Editor->SetVisible(false);
    return true;
}
