#include "grid/stringgrid/GridTransCombo.h"

#include "grid/stringgrid/ExGrid.h"

TGridTransCombo::TGridTransCombo(TComponent* AOwner)
    : TComboBox(AOwner), FGrid(dynamic_cast<TExStringGrid*>(AOwner)) {}

bool TGridTransCombo::StopEdit() {
    if (FGrid == nullptr) {
        SetVisible(false);
        return true;
    }
    return FGrid->StopFixedCellEdit(this, Col, Row, Text());
}

void TGridTransCombo::KeyPress(TChar& Key) {
    if (Key == '\r')
        Key = 0;
    TComboBox::KeyPress(Key);
}

void TGridTransCombo::DoExit() {
    TComboBox::DoExit();
    StopEdit();
}
