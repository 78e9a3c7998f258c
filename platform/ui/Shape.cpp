#include "platform/ui/Shape.h"

#include "platform/ui/Canvas.h"

#include <algorithm>

TShape::TShape(TComponent* AOwner)
    : TGraphicControl(AOwner), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()) {
    SetBounds(0, 0, 65, 65);
}

TShape::~TShape() = default;

void TShape::SetShape(TShapeType value) {
    FShape = value;
    Invalidate();
}

void TShape::SetPen(const TPen& value) {
    FPen->Assign(value);
    Invalidate();
}

void TShape::SetBrush(const TBrush& value) {
    FBrush->Assign(value);
    Invalidate();
}

void TShape::Paint() {
    TCanvas* canvas = Canvas();
    canvas->Pen()->Assign(*FPen);
    canvas->Brush()->Assign(*FBrush);
    // The outline's centre runs half a pen inside the control, so a wide pen stays visible.
    const int penWidth = FPen->Width();
    int x = penWidth / 2;
    int y = x;
    int w = Width() - penWidth + 1;
    int h = Height() - penWidth + 1;
    const int side = std::min(w, h);
    if (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle) {
        x += (w - side) / 2;
        y += (h - side) / 2;
        w = side;
        h = side;
    }
    switch (FShape) {
    case stRectangle:
    case stSquare:
        canvas->Rectangle(x, y, x + w, y + h);
        break;
    case stRoundRect:
    case stRoundSquare:
        canvas->RoundRect(x, y, x + w, y + h, side / 4, side / 4);
        break;
    case stEllipse:
    case stCircle:
        canvas->Ellipse(x, y, x + w, y + h);
        break;
    }
}
