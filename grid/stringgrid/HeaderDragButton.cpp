#include "grid/stringgrid/HeaderDragButton.h"

#include "grid/foundation/BaseGrid.h"
#include "grid/foundation/EsgHTMLE.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/PopupWindow.h"

THeaderDragButton::THeaderDragButton(TComponent* AOwner, TBaseGrid* Grid)
    : TCustomControl(AOwner), FGrid(Grid) {
    SetColor(clBtnFace);
    Hide();
    SetParent(Grid);
    MakePopupWindow(this, {pwoToolWindow, pwoTopMost, pwoDisabled});
}

void THeaderDragButton::Paint() {
    TCanvas* canvas = Canvas();
    TRect r = ClientRect();
    if (FGrid)
        FGrid->PaintCellExt(canvas, 0, 0, r, {});
    canvas->Pen()->SetColor(clBlack);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Rectangle(r);
    const std::string caption = Caption();
    // Mark-up shows as its plain text: the button is a short-lived picture of the header.
    const std::string text = caption.find("</") != std::string::npos ? StripHTML(caption) : caption;
    canvas->DrawText(text, r, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS);
    canvas->Brush()->SetStyle(bsSolid);
}
