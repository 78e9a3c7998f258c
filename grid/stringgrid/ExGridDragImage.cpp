// What a drag shows: the picture of the dragged cells that follows the mouse, and the arrows
// beside the place a drop would go.
#include "grid/foundation/ArrowWindow.h"
#include "grid/stringgrid/DragDropSettings.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/HeaderDragButton.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/FloatingWindow.h"
#include "platform/ui/Form.h"
#include "platform/ui/Image.h"
#include "platform/ui/PopupWindow.h"

#include <algorithm>
#include <utility>

TForm* TExStringGrid::SelectionToForm(const TGridRect& ARect) {
    TBitmap whole(std::max(1, ClientWidth()), std::max(1, ClientHeight()));
    PaintTo(whole.Canvas(), 0, 0);
    TRect first = VirtualCellRect(ARect.Left, ARect.Top);
    TRect last = VirtualCellRect(ARect.Right, ARect.Bottom);
    if (last.Left < first.Left || last.Top < first.Top)
        std::swap(first, last);
    const int width = std::max(0, last.Right - first.Left);
    const int height = std::max(0, last.Bottom - first.Top);
    TBitmap image(width + 1, height + 1);
    image.Canvas()->CopyRect(TRect{0, 0, width + 1, height + 1}, whole.Canvas(),
                             TRect{first.Left + 1, first.Top + 1, last.Right + 2, last.Bottom + 2});
    TCanvas* canvas = image.Canvas();
    canvas->Pen()->SetColor(GridFixedLineColor());
    canvas->Pen()->SetWidth(1);
    // The edge lines the fixed cells would have drawn next to the range.
    if (ARect.Left == 0 && FixedCols() > 0 && Options().Contains(goFixedHorzLine)) {
        canvas->MoveTo(0, 0);
        canvas->LineTo(0, height + 1);
    }
    if (ARect.Top == 0 && FixedRows() > 0 && Options().Contains(goFixedVertLine)) {
        canvas->MoveTo(0, 0);
        canvas->LineTo(width + 1, 0);
    }

    auto* form = new TForm(this);
    form->SetBorderStyle(bsNone);
    form->SetFormStyle(fsStayOnTop);
    form->SetBounds(0, 0, width + 1, height + 1);
    auto* picture = new TImage(form);
    picture->SetParent(form);
    picture->SetAlign(alClient);
    picture->Picture()->Assign(&image);
    // Floating over everything, never taking the focus or the mouse from the drag.
    MakePopupWindow(form, {pwoToolWindow, pwoTopMost, pwoDisabled});
    SetWindowAlpha(form, 192);
    return form;
}

TArrowWindow* TExStringGrid::DropArrow(TArrowDirection Direction) const {
    switch (Direction) {
    case arrUp:
        return ArwU;
    case arrDown:
        return ArwD;
    case arrLeft:
        return ArwL;
    case arrRight:
        return ArwR;
    default:
        return nullptr;
    }
}

TArrowWindow* TExStringGrid::EnsureDropArrow(TArrowWindow*& Arrow, TArrowDirection Direction) {
    if (!Arrow) {
        Arrow = new TArrowWindow(this, Direction);
        // Just large enough for its outline.
        int width = 0;
        int height = 0;
        for (const TPoint& p : Arrow->Arrow()) {
            width = std::max(width, p.X + 1);
            height = std::max(height, p.Y + 1);
        }
        Arrow->SetBounds(Arrow->Left(), Arrow->Top(), width, height);
    }
    return Arrow;
}

void TExStringGrid::ShowDropArrows(bool ColumnDrag, int ACol, int ARow, bool Append) {
    auto place = [](TArrowWindow* arrow, TPoint at) {
        arrow->SetBounds(at.X, at.Y, arrow->Width(), arrow->Height());
        arrow->Show();
    };
    if (ColumnDrag) {
        // Right of the last column the arrows stand at the grid's right end.
        const TRect r = ACol < ColCount() ? VirtualCellRect(ACol, ARow)
                                          : TRect{VirtualCellRect(ColCount() - 1, ARow).Right,
                                                  VirtualCellRect(ColCount() - 1, ARow).Top, 0,
                                                  VirtualCellRect(ColCount() - 1, ARow).Bottom};
        const TPoint topLeft = ClientToScreen(TPoint{r.Left, r.Top});
        const TPoint bottomLeft = ClientToScreen(TPoint{r.Left, r.Bottom});
        TArrowWindow* down = EnsureDropArrow(ArwD, arrDown);
        place(down, TPoint{topLeft.X - down->Width() / 2, topLeft.Y - 8});
        TArrowWindow* up = EnsureDropArrow(ArwU, arrUp);
        place(up, TPoint{bottomLeft.X - up->Width() / 2, bottomLeft.Y});
        if (ArwL)
            ArwL->Hide();
        return;
    }
    int col = ACol;
    int row = ARow;
    if (FDragDropSettings->OleEntireRows)
        col = FixedCols();
    if (row == 0 && FixedRowAlways() && RowCount() > 1)
        row = 1;
    TRect r = VirtualCellRect(col, row);
    if (Append) {
        const int height = r.Bottom - r.Top;
        r.Top += height;
        r.Bottom += height;
    }
    const TPoint at = ClientToScreen(TPoint{r.Left, r.Top});
    TArrowWindow* left = EnsureDropArrow(ArwL, arrLeft);
    place(left, TPoint{at.X - 10, at.Y + (r.Bottom - r.Top - left->Height()) / 2});
    if (ArwD)
        ArwD->Hide();
    if (ArwU)
        ArwU->Hide();
}

void TExStringGrid::HideDropArrows() {
    for (TArrowWindow* arrow : {ArwL, ArwR, ArwD, ArwU})
        if (arrow)
            arrow->Hide();
}

TCustomControl* TExStringGrid::HeaderDragButton() const {
    return MoveButton;
}
