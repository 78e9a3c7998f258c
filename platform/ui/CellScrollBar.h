#pragma once

#include "platform/ui/Types.h"

#include <functional>
#include <memory>

class TCanvas;
class TWinControl;

// A vertical scroll bar laid over one cell of a grid, and the same bar's look drawn into any
// canvas for the cells it is not laid over. Positions run from Min to Max - PageSize.
class TCellScrollBar {
public:
    // A user's step on the bar as a window scroll code (SB_LINEUP .. SB_BOTTOM) with the
    // thumb's position for SB_THUMBTRACK; answers the position the bar takes.
    using TScrollEvent = std::function<int(int Code, int TrackPosition)>;

    TCellScrollBar(TWinControl* AGrid, TScrollEvent OnScroll);
    ~TCellScrollBar();
    TCellScrollBar(const TCellScrollBar&) = delete;
    TCellScrollBar& operator=(const TCellScrollBar&) = delete;

    void Setup(int Min, int Max, int PageSize, int Position);
    int Position() const;
    void SetBoundsRect(const TRect& R);
    TRect BoundsRect() const;
    void SetVisible(bool Value);
    bool Visible() const;

    // The width the bar takes at the right of its cell.
    static constexpr int Width = 17;
    static void Paint(TCanvas* Canvas, const TRect& R, int Min, int Max, int PageSize,
                      int Position);

private:
    struct Impl;
    std::unique_ptr<Impl> FImpl;
};
