// Cell indicators and annotations: progress bars and pies, range indicators, shapes, ratings,
// cell scroll bars, comments, text markers and rotated text.
#include "grid/stringgrid/ExGrid.h"

#include "grid/stringgrid/CellGraphic.h"
#include "platform/ui/Colors.h"

#include <cstdint>

namespace {

// Colours live in the object fields as plain values: a graphic never frees them.
TObject* ColorSlot(TColor color) {
    return reinterpret_cast<TObject*>(static_cast<intptr_t>(color));
}

// The comment colour until the control look carries its own.
constexpr TColor DefaultCommentColor = clRed;

} // namespace

// --- progress bars and pies ----------------------------------------------------------------------

void TExStringGrid::AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor) {
    AddProgressFormatted(ACol, ARow, FGColor, clNone, BKColor, clNone, "", 0, 100);
    if (TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
        graphic && graphic->CellType == ctProgress)
        graphic->CellBoolean = false; // no own text colours
}

void TExStringGrid::AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor,
                                  TColor BKColor, TColor BKTextColor) {
    AddProgressFormatted(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor, "", 0, 100);
}

void TExStringGrid::AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor,
                                         TColor BKColor, TColor BKTextColor, const std::string& Fmt,
                                         double Min, double Max) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic)
        return;
    graphic->CellType = ctProgress;
    graphic->CellHAlign = haLeft;
    graphic->CellVAlign = vaTop;
    graphic->CellBitmap = ColorSlot(FGColor);
    graphic->CellIcon = ColorSlot(BKColor);
    graphic->CellIndex = FGTextColor;
    graphic->CellAngle = BKTextColor;
    graphic->CellBoolean = true;
    graphic->CellText = Fmt;
    graphic->CellErrLen = static_cast<int32_t>(Max);
    graphic->CellErrFrom = static_cast<int32_t>(Min);
    if (AutoNumAlign)
        SetAlignments(ACol, ARow, taRightJustify);
}

void TExStringGrid::RemoveProgress(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctProgress);
}

void TExStringGrid::AddExProgress(int ACol, int ARow, double Min, double Max) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic)
        return;
    graphic->CellType = ctXPProgress;
    graphic->CellHAlign = haLeft;
    graphic->CellVAlign = vaTop;
    graphic->CellErrFrom = static_cast<int32_t>(Min);
    graphic->CellErrLen = static_cast<int32_t>(Max);
    graphic->CellBoolean = false;
    graphic->CellText.clear();
}

void TExStringGrid::RemoveExProgress(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctXPProgress);
}

void TExStringGrid::AddProgressPie(int ACol, int ARow, TColor Color, int Value) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic)
        return;
    graphic->CellType = ctProgressPie;
    graphic->CellHAlign = haBeforeText;
    graphic->CellVAlign = vaTop;
    graphic->CellBitmap = ColorSlot(Color);
    graphic->CellAngle = Value;
}

void TExStringGrid::SetProgressPie(int ACol, int ARow, int Value) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType != ctProgressPie)
        return;
    graphic->CellAngle = Value;
    RepaintTypedCell(ACol, ARow);
}

void TExStringGrid::RemoveProgressPie(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctProgressPie);
}

void TExStringGrid::AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor,
                                      TColor PosColor, bool ShowValue) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic)
        return;
    graphic->CellType = ctRangeIndicator;
    graphic->CellHAlign = haLeft;
    graphic->CellVAlign = vaTop;
    graphic->CellIndex = Range;
    graphic->CellBitmap = ColorSlot(NegColor);
    graphic->CellIcon = ColorSlot(PosColor);
    graphic->CellBoolean = ShowValue;
}

void TExStringGrid::RemoveRangeIndicator(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctRangeIndicator);
}

// --- shapes and ratings --------------------------------------------------------------------------

void TExStringGrid::AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor,
                             TColor LineColor, TCellHAlign hal, TCellVAlign val) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic)
        return;
    graphic->CellType = ctShape;
    graphic->CellHAlign = hal;
    graphic->CellVAlign = val;
    graphic->CellAngle = Shape;
    graphic->CellIndex = FillColor;
    graphic->CellBitmap = ColorSlot(LineColor);
}

void TExStringGrid::SetShapeColor(int ACol, int ARow, TColor FillColor) {
    if (GetCellType(ACol, ARow) == ctShape)
        GetCellGraphic(ACol, ARow)->CellIndex = FillColor;
}

TColor TExStringGrid::GetShapeColor(int ACol, int ARow) {
    return GetCellType(ACol, ARow) == ctShape ? GetCellGraphic(ACol, ARow)->CellIndex : clNone;
}

void TExStringGrid::RemoveShape(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctShape);
}

void TExStringGrid::AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic)
        return;
    graphic->CellType = ctRating;
    graphic->CellHAlign = haFull;
    graphic->CellAngle = Scale;
    graphic->CellIndex = FillColor;
    graphic->CellBitmap = ColorSlot(EmptyColor);
}

void TExStringGrid::RemoveRating(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctRating);
}

// --- cell scroll bars ----------------------------------------------------------------------------

namespace {

TCellGraphic* BaseScrollBar(TExStringGrid& grid, int ACol, int ARow) {
    if (ACol < 0 || ARow < 0)
        return nullptr;
    const TPoint base = grid.BaseCell(ACol, ARow);
    TCellGraphic* graphic = grid.GetCellGraphic(base.X, base.Y);
    return graphic && graphic->CellType == ctScrollbar ? graphic : nullptr;
}

} // namespace

void TExStringGrid::AddScrollBar(int ACol, int ARow, bool AutoRange) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic)
        return;
    graphic->CellType = ctScrollbar;
    graphic->CellIndex = 0;
    graphic->CellAngle = 0;
    graphic->CellErrFrom = 100;
    graphic->CellBoolean = AutoRange;
    if (AutoRange)
        CellTextChanged(ACol, ARow);
}

void TExStringGrid::UpdateAutoRangeScrollBar(int ACol, int ARow) {
    if (TCellGraphic* graphic = BaseScrollBar(*this, ACol, ARow); graphic && graphic->CellBoolean) {
        graphic->CellAngle = RowHeights(ARow);
        graphic->CellErrFrom = GetCellTextSize(ACol, ARow).Y;
    }
}

void TExStringGrid::RemoveScrollBar(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctScrollbar);
}

bool TExStringGrid::HasAutoRangeScrollBar(int ACol, int ARow) {
    const TCellGraphic* graphic = BaseScrollBar(*this, ACol, ARow);
    return graphic && graphic->CellBoolean;
}

void TExStringGrid::SetScrollPosition(int ACol, int ARow, int Pos) {
    if (TCellGraphic* graphic = BaseScrollBar(*this, ACol, ARow)) {
        graphic->CellIndex = Pos;
        RepaintTypedCell(ACol, ARow);
    }
}

int TExStringGrid::GetScrollPosition(int ACol, int ARow) {
    const TCellGraphic* graphic = BaseScrollBar(*this, ACol, ARow);
    return graphic ? graphic->CellIndex : -1;
}

void TExStringGrid::SetScrollProp(int ACol, int ARow, TScrollProp Prop) {
    if (TCellGraphic* graphic = BaseScrollBar(*this, ACol, ARow)) {
        graphic->CellAngle = Prop.PageSize;
        graphic->CellErrFrom = Prop.Range;
    }
}

TScrollProp TExStringGrid::GetScrollProp(int ACol, int ARow) {
    const TCellGraphic* graphic = BaseScrollBar(*this, ACol, ARow);
    return graphic ? TScrollProp{graphic->CellAngle, graphic->CellErrFrom} : TScrollProp{-1, -1};
}

// --- comments ------------------------------------------------------------------------------------

void TExStringGrid::AddComment(int ACol, int ARow, const std::string& Comment) {
    AddColorComment(ACol, ARow, Comment, DefaultCommentColor);
}

void TExStringGrid::AddColorComment(int ACol, int ARow, const std::string& Comment, TColor Color) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic)
        return;
    graphic->CellType = ctComment;
    graphic->CellHAlign = haLeft;
    graphic->CellVAlign = vaTop;
    graphic->CellText = Comment;
    graphic->CellIndex = Color;
}

void TExStringGrid::SetComment(int ACol, int ARow, const std::string& value) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic)
        AddComment(ACol, ARow, value);
    else if (graphic->CellType == ctComment)
        graphic->CellText = value;
}

bool TExStringGrid::IsComment(int ACol, int ARow, std::string& comment) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType != ctComment)
        return false;
    comment = graphic->CellText;
    return true;
}

std::string TExStringGrid::GetComment(int ACol, int ARow) {
    std::string comment;
    IsComment(ACol, ARow, comment);
    return comment;
}

void TExStringGrid::RemoveComment(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctComment);
}

void TExStringGrid::RemoveAllComments() {
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r)
            RemoveComment(c, r);
}

// --- text markers --------------------------------------------------------------------------------

void TExStringGrid::AddMarker(int ACol, int ARow, int ErrPos, int ErrLen) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) {
        graphic = CreateCellGraphic(ACol, ARow);
        if (!graphic)
            return;
        graphic->CellType = ctEmpty;
    }
    graphic->CellErrFrom = ErrPos;
    graphic->CellErrLen = ErrLen;
    RepaintTypedCell(ACol, ARow);
}

void TExStringGrid::GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen) {
    ErrPos = 0;
    ErrLen = 0;
    if (const TCellGraphic* graphic = GetCellGraphic(ACol, ARow)) {
        ErrPos = graphic->CellErrFrom;
        ErrLen = graphic->CellErrLen;
    }
}

void TExStringGrid::RemoveMarker(int ACol, int ARow) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic)
        return;
    if (graphic->CellType == ctEmpty) {
        RemoveCellGraphic(ACol, ARow);
        return;
    }
    graphic->CellErrFrom = 0;
    graphic->CellErrLen = 0;
}

void TExStringGrid::RemoveAllMarkers() {
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r)
            RemoveMarker(c, r);
}

// --- rotated text --------------------------------------------------------------------------------

void TExStringGrid::AddRotated(int ACol, int ARow, int16_t AAngle, const std::string& s) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic)
        return;
    graphic->SetAngle(AAngle);
    SetCells(ACol, ARow, s);
}

void TExStringGrid::SetRotated(int ACol, int ARow, int16_t AAngle) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic)
        graphic = CreateCellGraphic(ACol, ARow);
    if (graphic) // turning the kind frees what the old kind created
        graphic->SetAngle(AAngle);
}

bool TExStringGrid::IsRotated(int ACol, int ARow, int& aAngle) {
    if (GetCellType(ACol, ARow) != ctRotated)
        return false;
    aAngle = GetCellGraphic(ACol, ARow)->CellAngle;
    return true;
}

void TExStringGrid::RemoveRotated(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctRotated);
}
