#pragma once

#include "platform/ui/ScrollBox.h"

#include <memory>
#include <vector>

class TCategoryPanel;
class TCategoryPanelGroup;
class TFont;

// The body of a category panel, below its header: the panel's controls go here (their Top
// counts from the bottom of the header). Hidden while the panel is collapsed.
class TCategoryPanelSurface : public TWinControl {
public:
    explicit TCategoryPanelSurface(TCategoryPanel* panel);
};

// A section of a category panel group: a header with the caption that collapses and expands
// the panel when clicked, and a surface for the controls. Height is the expanded height, header
// included; a collapsed panel is as high as its header and keeps that height for expanding.
class TCategoryPanel : public TCustomControl {
public:
    explicit TCategoryPanel(TComponent* AOwner);

    // Putting the panel into a group: SetParent(group), or this.
    TCategoryPanelGroup* PanelGroup() const;
    void SetPanelGroup(TCategoryPanelGroup* group);
    TCategoryPanelSurface* Surface() const { return FSurface; }

    bool Collapsed() const { return FCollapsed; }
    void SetCollapsed(bool value);
    void Collapse() { SetCollapsed(true); }
    void Expand() { SetCollapsed(false); }
    int ExpandedHeight() const { return FExpandedHeight; }
    // The group's header height (24 outside a group).
    int HeaderHeight() const;
    TRect HeaderRect() const { return Rect(0, 0, Width(), HeaderHeight()); }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    TNotifyEvent OnCollapse;
    TNotifyEvent OnExpand;

protected:
    void Paint() override;
    void AlignControls(TControl* control, TRect& rect) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;

private:
    friend class TCategoryPanelGroup;
    // The group's layout: position and width; the height follows the collapsed state.
    void Place(int left, int top, int width);
    void SetHot(bool value);
    void PaintChevron(const TRect& header);

    TCategoryPanelSurface* FSurface = nullptr;
    bool FCollapsed = false;
    bool FHot = false;
    int FExpandedHeight = 200;
};

// Category panels stacked top to bottom, each as high as it is
// (collapsed: its header), at the group's full client width, with a vertical scroll bar when
// they do not fit. A panel that joins goes last; setting a panel's Top moves it before the first
// shown panel at or below that top (after all of them when there is none). WM_VSCROLL scrolls by
// VertScrollBar's Increment per line; the mouse wheel scrolls the system's number of lines per
// turn.
class TCategoryPanelGroup : public TScrollingWinControl {
public:
    explicit TCategoryPanelGroup(TComponent* AOwner);
    ~TCategoryPanelGroup() override;

    // The panels in their order (hidden ones included).
    std::vector<TCategoryPanel*> Panels() const;
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int value);
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    // The header's gradient runs from GradientBaseColor at the top to GradientColor.
    TColor GradientBaseColor() const { return FGradientBaseColor; }
    void SetGradientBaseColor(TColor value);
    TColor GradientColor() const { return FGradientColor; }
    void SetGradientColor(TColor value);
    TColor ChevronColor() const { return FChevronColor; }
    void SetChevronColor(TColor value);
    // The chevron's colour while the pointer is over the header.
    TColor ChevronHotColor() const { return FChevronHotColor; }
    void SetChevronHotColor(TColor value);
    void CollapseAll();
    void ExpandAll();

protected:
    void AlignControls(TControl* control, TRect& rect) override;
    void ScrollBy(int dx, int dy) override;

private:
    friend class TCategoryPanel;
    void MovePanel(TCategoryPanel* panel, int top);
    // Drops the panels that left and appends the ones that joined.
    void SyncOrder() const;
    void InvalidatePanels();

    mutable std::vector<TCategoryPanel*> FOrder;

    int FHeaderHeight = 24;
    std::unique_ptr<TFont> FHeaderFont;
    TColor FGradientBaseColor = clBtnFace;
    TColor FGradientColor = clBtnShadow;
    TColor FChevronColor = clBlack;
    TColor FChevronHotColor = clGray;
};
