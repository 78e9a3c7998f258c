#pragma once

#include "platform/ui/Control.h"

#include <memory>

class TScrollingWinControl;

enum TScrollBarKind { sbHorizontal, sbVertical };

// One scroll bar of a scrolling control. Range is the extent of the scrolled content; Position
// runs from 0 to Range less the visible extent, and every change of it moves the content.
// The bar shows only when Visible and the content does not fit.
class TControlScrollBar {
public:
    TControlScrollBar(TScrollingWinControl& control, TScrollBarKind kind)
        : FControl(control), FKind(kind) {}
    TControlScrollBar(const TControlScrollBar&) = delete;
    TControlScrollBar& operator=(const TControlScrollBar&) = delete;

    TScrollBarKind Kind() const { return FKind; }
    int Position() const { return FPosition; }
    // Clamped to 0..MaxPosition().
    void SetPosition(int value);
    int Range() const { return FRange; }
    void SetRange(int value);
    // The step of a line up or down.
    int Increment() const { return FIncrement; }
    void SetIncrement(int value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    // Scroll while the thumb is dragged, not only when it is released.
    bool Tracking() const { return FTracking; }
    void SetTracking(bool value) { FTracking = value; }
    // Shown now: visible and the content larger than the control.
    bool IsScrollBarVisible() const;
    int MaxPosition() const;
    // Handles the code of a WM_VSCROLL / WM_HSCROLL message (SB_LINEUP ... SB_ENDSCROLL).
    void ScrollMessage(const TMessage& message);

private:
    friend class TScrollingWinControl;
    // The visible extent of the content along this bar.
    int ControlSize() const;

    TScrollingWinControl& FControl;
    TScrollBarKind FKind;
    int FPosition = 0;
    int FRange = 0;
    int FIncrement = 8;
    bool FVisible = true;
    bool FTracking = false;
};

// A control whose content is larger than itself and scrolls: its own scroll bars, the
// WM_VSCROLL / WM_HSCROLL messages, and the mouse wheel when no handler takes it. With AutoScroll
// the range follows the children's extent. The client area excludes the bars that show. A
// control inside that takes the focus is scrolled into view.
class TScrollingWinControl : public TWinControl {
public:
    explicit TScrollingWinControl(TComponent* AOwner);
    ~TScrollingWinControl() override;

    TControlScrollBar* HorzScrollBar() const { return FHorzScrollBar.get(); }
    TControlScrollBar* VertScrollBar() const { return FVertScrollBar.get(); }
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool value);
    // Scrolls so that the child is fully in view.
    void ScrollInView(TControl* control);

    int ClientWidth() const override;
    int ClientHeight() const override;
    void WndProc(TMessage& Message) override;

protected:
    // Moves the content by (dx, dy) after a change of position; the default moves the children.
    virtual void ScrollBy(int dx, int dy);
    // With AutoScroll: the children's extent from the unscrolled origin.
    virtual void CalcAutoRange();
    // Shows, hides and places the bars after a change of range or size.
    void UpdateScrollBars();
    // Aligned children scroll with the content.
    void AlignControls(TControl* control, TRect& rect) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

private:
    friend class TControlScrollBar;
    void PositionChanged(TControlScrollBar& bar, int oldPosition);

    struct Impl;
    std::unique_ptr<Impl> FImpl;
    std::unique_ptr<TControlScrollBar> FHorzScrollBar;
    std::unique_ptr<TControlScrollBar> FVertScrollBar;
    bool FAutoScroll = true;
    bool FUpdatingBars = false;
};

// A container that scrolls its children.
class TScrollBox : public TScrollingWinControl {
public:
    explicit TScrollBox(TComponent* AOwner);
};
