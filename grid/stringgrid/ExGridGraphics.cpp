// Cell graphics and check boxes: the one graphic object a cell may carry.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/CellGraphic.h"

TCellType TExStringGrid::GetCellType(int ACol, int ARow) {
    TCellType kind = ctEmpty;
    if (ACol >= 0 && ARow >= 0)
        if (const TCellGraphic* graphic = GetCellGraphic(ACol, ARow))
            kind = graphic->CellType;
    if (ACol == 0 && FMouseActions->HotmailRowSelect())
        kind = ctRowCheckBox;
    return kind;
}

TCellGraphic* TExStringGrid::GetCellGraphic(int ACol, int ARow) {
    const TCellProperties* props = ExistingProperties(ACol, ARow);
    return props ? dynamic_cast<TCellGraphic*>(props->GraphicObject()) : nullptr;
}

void TExStringGrid::ToggleCheckBoxEx(int ACol, int ARow, bool Event) {}

bool TExStringGrid::ClickRadioButton(int ACol, int ARow, bool Event) {
    return false;
}

TPoint TExStringGrid::GetCellGraphicSize(int ACol, int ARow) {
    return CalcGraphicSize(ACol, ARow, 0);
}

TPoint TExStringGrid::CalcGraphicSize(int ACol, int ARow, int AvailWidth) {
    return TPoint{0, 0};
}

TPoint TExStringGrid::CalcPrintGraphicSize(int ACol, int ARow, int AvailWidth, int AvailHeight,
                                           double Scale) {
    return TPoint{0, 0};
}

void TExStringGrid::CheckBoxChange(int ACol, int ARow, bool State) {}

bool TExStringGrid::RatingChange(int ACol, int ARow, double& NewRate) {
    return false;
}

void TExStringGrid::ColorSelect(int ACol, int ARow, TColor Color) {}

void TExStringGrid::ImageSelect(int ACol, int ARow, int ImageIndex) {}

TObject* TExStringGrid::GetGridImageList(int ACol, int ARow) {
    return GridImages;
}

void TExStringGrid::CanAddRow(bool& CanAdd) {}

void TExStringGrid::CanInsertRow(int ARow, bool& CanInsert) {}

int TExStringGrid::GetRowIndent(int ARow) {
    return 0;
}

bool TExStringGrid::HasNodes() {
    return false;
}

void TExStringGrid::GetDisplText(int ACol, int ARow, std::string& Value) const {
    TBaseGrid::GetDisplText(ACol, ARow, Value);
}

bool TExStringGrid::GetCheckBoxState(int ACol, int ARealRow, bool& State) {
    State = false;
    return false;
}
