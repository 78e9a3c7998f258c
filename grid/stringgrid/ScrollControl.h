#pragma once

#include "platform/ui/Control.h"

class TExStringGrid;

enum TScrollDirection { sdVertical, sdHorizontal };

// A thin scroll indicator along one edge of a string grid (the metro scroll type): a bar whose
// length and place show the rows (columns) on show among all, drawn over the grid's own
// picture. A press before or after the bar pages; dragging the bar scrolls. Placed on anything
// but a string grid it shows and does nothing.
class TScrollControl : public TGraphicControl {
public:
    explicit TScrollControl(TComponent* AOwner);

    TExStringGrid* GetGrid() const;
    // The part of the edge the bar moves along: the edge less the fixed rows and footers (the
    // fixed and fixed-right columns), and where that part starts.
    int TrackLength() const;
    int TrackOffset() const;
    // The bar's start and length along the edge; never shorter than MinThumb.
    void GetThumb(int& Pos, int& Len) const;

    // Thickness of the bar in pixels.
    int ScrollWidth() const { return FScrollWidth; }
    void SetScrollWidth(int Value);
    TScrollDirection Direction() const { return FDirection; }
    void SetDirection(TScrollDirection Value);

    static constexpr int MinThumb = 20;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    bool Vertical() const { return FDirection == sdVertical; }
    // Whether rows (columns) lie beyond those on show.
    bool HasHidden() const;
    int FScrollWidth = 4;
    TScrollDirection FDirection = sdVertical;
    bool FDownOnScroller = false;
    int FDownPos = 0;
    int FDownRow = 0;
};
