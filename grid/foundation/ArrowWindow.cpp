#include "grid/foundation/ArrowWindow.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/PopupWindow.h"

#include <vector>

TArrowWindow::TArrowWindow(TWinControl* AOwner, TArrowDirection Direction)
    : TPanel(AOwner), FDir(Direction) {
    SetColor(clLime);
    // Hidden first, so the window does not flash up when it gets its parent.
    Hide();
    SetParent(AOwner);
}

TArrowWindow::TArrowOutline TArrowWindow::ArrowOutline(TArrowDirection Direction) {
    switch (Direction) {
    case arrUp:
        return {{{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}}};
    case arrDown:
        return {{{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}}};
    case arrLeft:
        return {{{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}}};
    case arrRight:
    default:
        return {{{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}}};
    }
}

void TArrowWindow::SetParent(TWinControl* AParent) {
    TPanel::SetParent(AParent);
    MakePopupWindow(this, {});
    FArrow = ArrowOutline(FDir);
    SetWindowRegion(this, std::vector<TPoint>(FArrow.begin(), FArrow.end()));
}

void TArrowWindow::Paint() {
    Canvas()->Brush()->SetColor(Color());
    Canvas()->Pen()->SetColor(Color());
    Canvas()->Rectangle(ClientRect());
}
