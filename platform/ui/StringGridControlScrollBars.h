#pragma once

#include <functional>
#include <memory>

class QScrollBar;
class TWinControl;

// The two scroll bars of a grid, placed along its right and bottom edges. Positions count
// scrollable columns / rows from the first non-fixed one. A position chosen by the user is
// reported through the callback (bar SB_HORZ or SB_VERT); positions set by the grid are not.
class TGridScrollBars {
public:
    using TScrollCallback = std::function<void(int Bar, int Position)>;
    // Every user action as a window scroll code: SB_THUMBTRACK while the thumb is dragged,
    // SB_THUMBPOSITION and then SB_ENDSCROLL when it comes to rest. Replaces the position
    // callback once set.
    using TScrollCodeCallback = std::function<void(int Bar, int Code, int Position)>;
    void SetCodeCallback(TScrollCodeCallback OnScrollCode);
    // The room the bars take changed from outside the grid's own layout: with Decide the bars'
    // thickness changed and the grid decides again which bars it shows; without, a bar was
    // shown or hidden directly and only the client area changed.
    using TLayoutCallback = std::function<void(bool Decide)>;
    void SetLayoutCallback(TLayoutCallback OnLayout);

    TGridScrollBars(TWinControl* AGrid, TScrollCallback OnScroll);
    ~TGridScrollBars();
    // The bars of a grid, or nullptr for a control without them.
    static TGridScrollBars* Of(const TWinControl* Control);

    struct TBarState {
        bool Visible = false;
        int Maximum = 0;
        int Position = 0;
        int Page = 1;
        // A bar kept on while everything fits shows disabled.
        bool Enabled = true;
    };
    // Shows, hides and places the bars inside a grid of the given outer size.
    void Update(const TBarState& Horizontal, const TBarState& Vertical, int Width, int Height);
    // While tracking, dragging the thumb scrolls at once; otherwise on release.
    void SetThumbTracking(bool Value);
    // The room the bars took at the last Update.
    int VerticalWidth() const;
    int HorizontalHeight() const;
    // The thickness a bar (SB_HORZ or SB_VERT) takes when shown: its style's extent.
    int Thickness(int Bar) const;

    // For the look of the bars (platform/ui only): the bar widget, SB_HORZ or SB_VERT.
    QScrollBar* Bar(int Bar) const;
    // A bar shown or hidden until the grid next lays its bars out.
    void ShowBar(int Bar, bool Show);
    // Range Min..Max with a page of Page and the thumb at Pos, the window's own terms; a thumb
    // held by the mouse stays where the mouse has it. Nothing is reported back.
    void SetInfo(int Bar, int Min, int Max, int Page, int Pos);
    // The bar's thickness changed: the grid lays its bars out again.
    void ThicknessChanged();

private:
    struct Impl;
    std::unique_ptr<Impl> FImpl;
};
