#pragma once

#include <functional>
#include <memory>

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

    TGridScrollBars(TWinControl* AGrid, TScrollCallback OnScroll);
    ~TGridScrollBars();

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
    // The thickness a bar takes when shown.
    int Thickness() const;

private:
    struct Impl;
    std::unique_ptr<Impl> FImpl;
};
