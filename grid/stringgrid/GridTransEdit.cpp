#include "grid/stringgrid/GridTransEdit.h"

#include "grid/stringgrid/ExGrid.h"

TGridTransEdit::TGridTransEdit(TComponent* AOwner)
    : TEdit(AOwner), FGrid(dynamic_cast<TExStringGrid*>(AOwner)) {}

bool TGridTransEdit::StopEdit() {
    if (FGrid == nullptr) {
        SetVisible(false);
        return true;
    }
    return FGrid->StopFixedCellEdit(this, Col, Row, Text());
}

void TGridTransEdit::KeyPress(TChar& Key) {
    if (Key == '\r')
        Key = 0;
    TEdit::KeyPress(Key);
}

void TGridTransEdit::DoExit() {
    TEdit::DoExit();
    StopEdit();
}
