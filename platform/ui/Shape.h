#pragma once

#include "platform/ui/Control.h"

#include <memory>

class TPen;
class TBrush;

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

// A geometric figure drawn with Pen and filled with Brush, fitted inside the control; a
// rectangle one pixel high makes a line. Changing Pen or Brush through their pointers repaints
// at the next paint; SetPen and SetBrush repaint at once.
class TShape : public TGraphicControl {
public:
    explicit TShape(TComponent* AOwner);
    ~TShape() override;

    TShapeType Shape() const { return FShape; }
    void SetShape(TShapeType value);
    TPen* Pen() const { return FPen.get(); }
    void SetPen(const TPen& value);
    TBrush* Brush() const { return FBrush.get(); }
    void SetBrush(const TBrush& value);

protected:
    void Paint() override;

private:
    TShapeType FShape = stRectangle;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
};
