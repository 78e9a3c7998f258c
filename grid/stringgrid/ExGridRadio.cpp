// Radio buttons (one per cell, a column of them one group) and radio groups (one cell showing
// a list of items of which one is selected).
#include "grid/stringgrid/ExGrid.h"

#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/ControlLook.h"
#include "platform/core/StringList.h"

namespace {

TCellVAlign RadioVAlignOf(TVAlignment Value) {
    return Value == vtaCenter ? vaCenter : Value == vtaBottom ? vaBottom : vaTop;
}

TCellGraphic* GraphicOfKind(TExStringGrid& Grid, int ACol, int ARow, TCellType Kind) {
    TCellGraphic* graphic = Grid.GetCellGraphic(ACol, ARow);
    return graphic && graphic->CellType == Kind ? graphic : nullptr;
}

TCellGraphic* BaseGraphicOfKind(TExStringGrid& Grid, int ACol, int ARow, TCellType Kind) {
    if (ACol < 0 || ARow < 0)
        return nullptr;
    const TPoint base = Grid.BaseCell(ACol, ARow);
    return GraphicOfKind(Grid, base.X, base.Y, Kind);
}

} // namespace

// --- radio buttons -----------------------------------------------------------------------------

void TExStringGrid::AddRadioButton(int ACol, int ARow, bool State) {
    RefuseInvalidCell(ACol, ARow);
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetRadioButton(State, true, haBeforeText, RadioVAlignOf(FVAlignment));
}

void TExStringGrid::RemoveRadioButton(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctRadioButton);
}

bool TExStringGrid::IsRadioButtonChecked(int ACol, int ARow) {
    const TCellGraphic* graphic = BaseGraphicOfKind(*this, ACol, ARow, ctRadioButton);
    return graphic && graphic->CellBoolean;
}

bool TExStringGrid::SetRadioButtonState(int ACol, int ARow, bool State) {
    TCellGraphic* graphic = BaseGraphicOfKind(*this, ACol, ARow, ctRadioButton);
    if (!graphic)
        return false;
    if (graphic->CellBoolean != State) {
        graphic->CellBoolean = State;
        RepaintCell(DisplColIndex(ACol), ARow);
    }
    return true;
}

void TExStringGrid::AddRadioButtonColumn(int ACol) {
    for (int row = FixedRows(); row < RowCount(); ++row)
        AddRadioButton(ACol, row, false);
}

void TExStringGrid::RemoveRadioButtonColumn(int ACol) {
    for (int row = FixedRows(); row < RowCount(); ++row)
        if (HasRadioButton(ACol, row))
            RemoveRadioButton(ACol, row);
}

void TExStringGrid::SetRadioButtonColumnIndex(int ACol, int Index) {
    for (int row = FixedRows(); row < RowCount(); ++row)
        SetRadioButtonState(ACol, row, row == Index);
}

int TExStringGrid::GetRadioButtonColumnIndex(int ACol) {
    for (int row = FixedRows(); row < RowCount(); ++row)
        if (IsRadioButtonChecked(ACol, row))
            return row;
    return -1;
}

bool TExStringGrid::ClickRadioButton(int ACol, int ARow, bool Event) {
    TCellGraphic* graphic = GraphicOfKind(*this, ACol, ARow, ctRadioButton);
    if (!graphic)
        return false;
    if (Event && !FControlLook->CheckAlwaysActive) {
        bool allow = true;
        QueryCanEdit(ACol, ARow, allow);
        if (!allow)
            return false;
    }
    if (graphic->CellBoolean)
        return true;
    graphic->CellBoolean = true;
    RepaintCell(DisplColIndex(ACol), ARow);
    for (int row = 0; row < RowCount(); ++row) {
        if (row == ARow)
            continue;
        TCellGraphic* other = GraphicOfKind(*this, ACol, row, ctRadioButton);
        if (other && other->CellBoolean) {
            other->CellBoolean = false;
            RepaintCell(DisplColIndex(ACol), row);
        }
    }
    return true;
}

// --- radio groups ------------------------------------------------------------------------------

void TExStringGrid::AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStringList* sl) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic)
        return;
    graphic->CellType = ctRadio;
    graphic->CellStrings = sl;
    graphic->CellAngle = sl ? sl->Count() : 0;
    graphic->CellBoolean = DirRadio != 0;
    graphic->CellIndex = IdxRadio;
}

TStringList* TExStringGrid::CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic)
        return nullptr;
    graphic->CellType = ctRadio;
    graphic->CellStrings = new TStringList;
    graphic->CellCreated = true;
    graphic->CellAngle = 0;
    graphic->CellBoolean = DirRadio != 0;
    graphic->CellIndex = IdxRadio;
    return graphic->CellStrings;
}

bool TExStringGrid::RemoveRadio(int ACol, int ARow) {
    return RemoveCellGraphicOfType(ACol, ARow, ctRadio);
}

bool TExStringGrid::GetRadioIdx(int ACol, int ARow, int& IdxRadio) {
    const TCellGraphic* graphic = GraphicOfKind(*this, ACol, ARow, ctRadio);
    if (!graphic)
        return false;
    IdxRadio = graphic->CellIndex;
    return true;
}

bool TExStringGrid::SetRadioIdx(int ACol, int ARow, int IdxRadio) {
    TCellGraphic* graphic = GraphicOfKind(*this, ACol, ARow, ctRadio);
    if (!graphic)
        return false;
    graphic->CellIndex = IdxRadio;
    if (IdxRadio == -1)
        SetCells(ACol, ARow, "");
    RepaintCell(DisplColIndex(ACol), ARow);
    return true;
}

TStringList* TExStringGrid::GetRadioStrings(int ACol, int ARow) {
    const TCellGraphic* graphic = BaseGraphicOfKind(*this, ACol, ARow, ctRadio);
    return graphic ? graphic->CellStrings : nullptr;
}

bool CycleRadioSelection(TExStringGrid* Grid, int ACol, int ARow, bool Event) {
    TCellGraphic* graphic = Grid->GetCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType != ctRadio)
        return false;
    if (Event && !Grid->ControlLook()->RadioAlwaysActive) {
        bool allow = true;
        Grid->QueryCanEdit(ACol, ARow, allow);
        if (!allow)
            return false;
    }
    const TStringList* items = graphic->CellStrings;
    const int count = items ? items->Count() : 0;
    int next = graphic->CellIndex >= 0 ? graphic->CellIndex + 1
                                       : (items ? items->IndexOf(Grid->Cells(ACol, ARow)) : -1) + 1;
    if (next >= count)
        next = 0;
    // An index below -1 marks a group driven by its text alone.
    if (graphic->CellIndex >= -1)
        graphic->CellIndex = next;
    graphic->CellVar = next;
    if (next < count)
        Grid->SetCells(ACol, ARow, (*items)[next]);
    return false;
}
