// The focus frame: a window of its own around the cell being edited, so that it shows above
// the editor controls, which are windows too.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/GridAlphaMask.h"
#include "grid/foundation/GridFocusWindow.h"
#include "grid/foundation/ShadowMask.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/PopupWindow.h"

#include <vector>

namespace {

constexpr int FrameWidth = 4;
// The window is this much larger than the cell: the frame on both sides and the blur beyond.
constexpr int FrameGrowth = 9;
constexpr TColor FrameColor = 0xFDD397;
constexpr uint8_t FrameOpacity = 230;

// The outline of the window, less the cell: only the frame shows and takes the mouse.
std::vector<TPoint> FrameRegion(int Width, int Height, int CellWidth, int CellHeight) {
    const int l = FrameWidth;
    const int t = FrameWidth;
    // The outer edge clockwise and the cell against it, so the cell's winding is 0.
    return {{0, 0},
            {Width, 0},
            {Width, Height},
            {0, Height},
            {0, 0},
            {l, t},
            {l, t + CellHeight},
            {l + CellWidth, t + CellHeight},
            {l + CellWidth, t},
            {l, t}};
}

// A blurred rounded outline in the frame colour.
void MakeFramePicture(TGridAlphaMask& Picture, int Width, int Height) {
    TBitmap mask;
    MakeShadowMask(&mask, Width, Height, 3, 5, FrameWidth);
    TBitmap fill;
    fill.SetPixelFormat(pf24bit);
    fill.SetSize(Width, Height);
    fill.Canvas()->Brush()->SetColor(FrameColor);
    fill.Canvas()->FillRect(TRect{0, 0, Width, Height});
    Picture.MergeMask(&mask, &fill, clNone);
    Picture.SetOpacity(FrameOpacity);
}

} // namespace

void TExStringGrid::ShowFocusWindow(const TRect& R) {
    if (!FFocusWindow) {
        FFocusWindow = std::make_unique<TGridFocusWindow>(nullptr);
        FFocusWindow->SetParent(this);
    }
    FFocusWindow->Hide();
    const int width = R.Right - R.Left + FrameGrowth;
    const int height = R.Bottom - R.Top + FrameGrowth;
    TGridAlphaMask picture;
    MakeFramePicture(picture, width, height);
    // What shows through the frame's soft edge is the cells' colour.
    FFocusWindow->SetColor(Color());
    FFocusWindow->SetPicture(&picture);
    const TPoint at = ClientToScreen(TPoint{R.Left, R.Top});
    FFocusWindow->SetBounds(at.X - FrameWidth, at.Y - FrameWidth, width, height);
    SetWindowRegion(FFocusWindow.get(),
                    FrameRegion(width, height, R.Right - R.Left, R.Bottom - R.Top));
    FFocusWindow->Show();
}

void TExStringGrid::HideFocusWindow() {
    if (FFocusWindow)
        FFocusWindow->Hide();
    if (FocusWindowGrid == this)
        FocusWindowGrid = nullptr;
}

void TExStringGrid::MoveFocusWindow() {
    if (FFocusWindow && FFocusWindow->Visible())
        ShowFocusWindow(CellRect(Col(), GetRowEx()));
}
