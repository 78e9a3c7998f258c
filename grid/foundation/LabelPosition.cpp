#include "grid/foundation/LabelPosition.h"

TPoint LabelPlace(TLabelPosition position, const TRect& control, int textWidth, TSize labelSize,
                  int margin) {
    const int left = control.Left;
    const int top = control.Top;
    const int width = control.Width();
    const int height = control.Height();
    const int centerTop = top + (height - labelSize.cy) / 2;
    const int bottomTop = top + height - labelSize.cy;
    const int centerLeft = left + (width - labelSize.cx) / 2;
    switch (position) {
    case lpLeftTop:
        return {left - textWidth - margin, top};
    case lpLeftCenter:
        return {left - textWidth - margin, centerTop};
    case lpLeftBottom:
        return {left - textWidth - margin, bottomTop};
    case lpTopLeft:
        return {left, top - labelSize.cy - margin};
    case lpBottomLeft:
        return {left, top + height + margin};
    case lpLeftTopLeft:
        return {left - margin, top};
    case lpLeftCenterLeft:
        return {left - margin, centerTop};
    case lpLeftBottomLeft:
        return {left - margin, bottomTop};
    case lpTopCenter:
        return {centerLeft, top - labelSize.cy - margin};
    case lpBottomCenter:
        return {centerLeft, top + height + margin};
    case lpRightTop:
        return {left + width + margin, top};
    case lpRightCenter:
        return {left + width + margin, centerTop};
    case lpRighBottom:
        return {left + width + margin, bottomTop};
    }
    return {left, top};
}
