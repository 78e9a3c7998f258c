// Panning with the middle button: while it runs, a 10 ms timer moves the view (or the current
// cell) towards where the mouse lies from the press point.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/GridCursors.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/WindowTimer.h"

#include <algorithm>

namespace {

constexpr uintptr_t PanTimerIdentifier = 999;
constexpr unsigned PanTimerInterval = 10;
// Moves within this many pixels of the press point do not pan.
constexpr int PanDeadZone = 5;

} // namespace

void TExStringGrid::StartIntelliPan(TPoint Pos) {
    wheelpan = true;
    wheelpanpos = Pos;
    FHoverPos = Pos;
    ::SetTimer(this, PanTimerIdentifier, PanTimerInterval);
    SetMouseCapture(true);
    FPanHintWas = ShowHint();
    SetShowHint(false);
    RegisterGridCursors();
    SetShownCursor(crGridPan);
    FPanGlyph = PanGlyph(IntelliPan != ipHorizontal, IntelliPan != ipVertical);
    Invalidate();
}

void TExStringGrid::StopIntelliPan() {
    if (!wheelpan)
        return;
    SetMouseCapture(false);
    ::KillTimer(this, PanTimerIdentifier);
    SetShowHint(FPanHintWas);
    wheelpan = false;
    SetShownCursor(Cursor());
    Invalidate();
}

void TExStringGrid::IntelliPanStep() {
    int vertical = 0;
    int horizontal = 0;
    if (IntelliPan != ipHorizontal) {
        if (FHoverPos.Y < wheelpanpos.Y - PanDeadZone)
            vertical = -1;
        else if (FHoverPos.Y > wheelpanpos.Y + PanDeadZone)
            vertical = 1;
    }
    if (IntelliPan != ipVertical) {
        if (FHoverPos.X > wheelpanpos.X + PanDeadZone)
            horizontal = 1;
        else if (FHoverPos.X < wheelpanpos.X - PanDeadZone)
            horizontal = -1;
    }
    SetShownCursor(PanCursor(vertical, horizontal));
    const TGridRect sel0 = Selection();
    // The current cell is kept in the normal area first.
    const int lastRow = RowCount() - FFixedFooters - 1;
    const int lastCol = ColCount() - FFixedRightCols - 1;
    if (lastRow < FixedRows() || lastCol < FixedCols())
        return;
    const int row = std::clamp(Row(), FixedRows(), lastRow);
    const int col = std::clamp(Col(), FixedCols(), lastCol);
    if (row != Row() || col != Col())
        FocusCell(col, row, true);
    if (FMouseActions->WheelAction() == waScroll) {
        if (horizontal < 0 && LeftCol() > FixedCols())
            SetLeftCol(LeftCol() - 1);
        if (horizontal > 0 && LeftCol() < ColCount() - VisibleColCount())
            SetLeftCol(LeftCol() + 1);
        if (vertical < 0 && TopRow() > FixedRows())
            SetTopRow(TopRow() - 1);
        if (vertical > 0 && TopRow() < RowCount() - VisibleRowCount())
            SetTopRow(TopRow() + 1);
    } else {
        int newCol = Col();
        int newRow = Row();
        if (horizontal < 0 && newCol > FixedCols())
            --newCol;
        if (horizontal > 0 && newCol < lastCol)
            ++newCol;
        if (vertical < 0 && newRow > FixedRows())
            --newRow;
        if (vertical > 0 && newRow < lastRow)
            ++newRow;
        if (newCol != Col() || newRow != Row())
            FocusCell(newCol, newRow, true);
    }
    const TGridRect now = Selection();
    if (now != sel0)
        SelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
}

// The mark where panning started, drawn over the cells while it runs.
void TExStringGrid::DrawIntelliPanGlyph() {
    if (wheelpan && FPanGlyph)
        Canvas()->Draw(wheelpanpos.X, wheelpanpos.Y, FPanGlyph.get());
}
