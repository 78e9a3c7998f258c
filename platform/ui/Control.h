#pragma once

// Controls: TControl, TWinControl, TCustomControl (paints itself through Canvas in Paint) and
// TGraphicControl. Every control is backed by one platform widget of its own, created with the
// control; the public headers show none of it.
//
// Hosting a native widget (for the standard controls of platform/ui only): include
// "platform/ui/internal/NativeHost.h" from a .cpp file of platform/ui and call
// NativeHost::Embed(control, nativeWidget) in the control's constructor. The native widget fills
// the control, follows its bounds, enabled state, font and colour, takes the focus for it, and
// the keyboard and mouse input of it and of the widgets inside it is translated into the
// control's messages first (WM_KEYDOWN, WM_CHAR, mouse messages: OnKeyDown, OnKeyPress and the
// mouse handlers run, a key set to 0 never reaches the native widget, a changed character
// reaches it changed). Such a control answers WM_GETDLGCODE with DLGC_WANTARROWS |
// DLGC_WANTCHARS unless it overrides that. NativeHost::Widget(control) gives the control's own
// widget, NativeHost::ControlOf(widget) the control of a widget.

#include "platform/ui/Colors.h"
#include "platform/ui/Component.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Types.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TWinControl;
class TCanvas;
class TFont;
class TBitmap;
class TControlAccess;
class TBasicAction;
class TPopupMenu;

enum TControlStyleElement {
    csAcceptsControls,
    csCaptureMouse,
    csDesignInteractive,
    csClickEvents,
    csFramed,
    csSetCaption,
    csOpaque,
    csDoubleClicks,
    csFixedWidth,
    csFixedHeight,
    csNoDesignVisible,
    csReplicatable,
    csNoStdEvents,
    csDisplayDragImage,
    csReflector,
    csActionClient,
    csMenuEvents,
    csNeedsBorderPaint,
    csParentBackground
};
using TControlStyle = TSet<TControlStyleElement>;

enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, TChar& Key)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent = std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta,
                                            TPoint MousePos, bool& Handled)>;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
    void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
    void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
    void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
    // Position in the parent's client area; negative sizes become 0. Sends WM_SIZE (and calls
    // Resize) when the size changes; re-aligns the parent's aligned controls.
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }
    virtual int ClientWidth() const { return FWidth; }
    virtual int ClientHeight() const { return FHeight; }
    void SetClientWidth(int value) { SetWidth(value + FWidth - ClientWidth()); }
    void SetClientHeight(int value) { SetHeight(value + FHeight - ClientHeight()); }
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value);
    // The parent's edges the control keeps its distance to when the parent is resized: with
    // akRight it moves (or, with akLeft as well, stretches) along; likewise akBottom.
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors value);
    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so are all its parents up to a shown form.
    bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool value);

    // Caption and Text are one string, as in the framework.
    virtual std::string Text() const { return FText; }
    virtual void SetText(const std::string& value);
    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& value) { SetText(value); }

    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* value);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);
    // The cursor the mouse shows over the control until the next SetCursor or SetShownCursor;
    // Cursor keeps its value (a control that picks its cursor as the mouse moves).
    void SetShownCursor(TCursor value);
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle value) { FControlStyle = value; }

    bool MouseCapture() const;
    void SetMouseCapture(bool value);
    void BringToFront();
    void SendToBack();

    // Runs the message through WndProc at once and returns its Result.
    LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
    // Queues the message for this control; it runs after the current handler returns, in the
    // order posted, when the event loop or Application->ProcessMessages runs. Dropped when the
    // control is freed first.
    void PostMessage(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
    // The control's message handler; overrides handle their messages and pass the rest on.
    virtual void WndProc(TMessage& Message);
    // Set, it takes every message in place of WndProc (Perform, input, posted messages): another
    // object subclasses the control and hands what it does not handle on to WndProc.
    std::function<void(TMessage&)> WindowProc;
    // Runs the message through WindowProc when set, else through WndProc.
    void Dispatch(TMessage& Message);

    void Invalidate();
    void InvalidateRect(const TRect& r);
    // Invalidate and paint now.
    void Repaint();
    void Update();
    void Refresh() { Repaint(); }

    // The framework's programmatic click: fires OnClick when assigned, else executes the linked
    // action.
    virtual void Click();

    // The menu a right click opens at the pointer (and that some controls open themselves).
    // Freeing the menu unlinks it.
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* value);
    // A linked action gives the control its caption, enabled state, visibility and hint, keeps
    // them up to date, and runs when the control is clicked. Freeing the action unlinks it.
    TBasicAction* Action() const { return FAction; }
    void SetAction(TBasicAction* value);

    // Renders the control and its children as on screen onto the canvas at (X, Y).
    void PaintTo(TCanvas* canvas, int X, int Y);
    // Only the control's own background and painting, without its children (what a transparent
    // child shows of its parent).
    void PaintOwnTo(TCanvas* canvas, int X, int Y);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TMouseWheelEvent OnMouseWheel;

protected:
    // Virtual input handlers; the base versions fire the events.
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void DblClick();
    // Returns true when the wheel was handled (by OnMouseWheel or an override).
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void Resize();
    // Messages nobody handled.
    virtual void DefaultHandler(TMessage& Message) {}
    // The canvas the control paints on, or nullptr when the platform paints it.
    virtual TCanvas* PaintCanvas() { return nullptr; }
    // The linked action was set or changed: takes the action's caption, enabled state, hint and
    // visibility; with CheckDefaults only where the control still has its defaults.
    virtual void ActionChange(TObject* Sender, bool CheckDefaults);
    // Executes the linked action; false when there is none or it did nothing.
    bool ExecuteLinkedAction();

private:
    friend class TControlAccess;
    friend class TWinControl;
    friend class TBasicAction;
    friend class TPopupMenu;
    struct Impl;
    void HandleMouseMessage(TMessage& Message);

    std::unique_ptr<Impl> FImpl;
    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    TAlign FAlign = alNone;
    bool FVisible = true;
    bool FEnabled = true;
    std::string FText;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    TColor FColor = clBtnFace;
    bool FParentColor = false;
    std::string FHint;
    bool FShowHint = false;
    TCursor FCursor = crDefault;
    TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TPopupMenu* FPopupMenu = nullptr;
    TBasicAction* FAction = nullptr;
    TAnchors FAnchors{akLeft, akTop};
    // Distances to the parent's right and bottom edges, kept for the anchors.
    int FAnchorRightGap = 0;
    int FAnchorBottomGap = 0;
    void UpdateAnchorRules();
    void ApplyAnchors();
};

// Queues a message for a control, as TControl::PostMessage; false for nullptr.
bool PostMessage(TControl* Control, UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);

// A control that holds other controls and takes the keyboard focus.
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int index) const { return FControls.at(static_cast<size_t>(index)); }
    bool ContainsControl(const TControl* control) const;

    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value) { FTabStop = value; }
    // Position in the parent's tab order; writing it moves the control there (clamped).
    int TabOrder() const;
    void SetTabOrder(int value);
    // Children that take part in the tab order, in tab order.
    std::vector<TWinControl*> TabList() const;

    // Visible and enabled up to its form.
    virtual bool CanFocus() const;
    virtual void SetFocus();
    bool Focused() const;
    // Moves the focus to the next (or previous) control of the tab order below this control,
    // starting after current (nullptr: from the start); wraps around.
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const;

    // Sends the message to every child control until one sets Result non-zero.
    void Broadcast(TMessage& Message);
    // Re-applies Align to the children (done automatically on every change of size).
    void Realign();
    void DisableAlign() { ++FAlignDisabled; }
    void EnableAlign();
    // Kept for the designs that set it; the platform always paints through a back buffer.
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool value) { FDoubleBuffered = value; }

    void WndProc(TMessage& Message) override;

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    // Key handlers; the base versions fire the events. A handler swallows the key by setting it
    // to 0.
    virtual void KeyDown(WORD& Key, TShiftState Shift);
    virtual void KeyUp(WORD& Key, TShiftState Shift);
    virtual void KeyPress(TChar& Key);
    virtual void DoEnter();
    virtual void DoExit();
    // Places aligned children in the client rectangle.
    virtual void AlignControls(TControl* control, TRect& rect);

    // True when the key was swallowed (by the form's key preview or this control).
    bool DoKeyDown(TMessage& Message);
    bool DoKeyUp(TMessage& Message);
    bool DoKeyPress(TMessage& Message);

private:
    friend class TControl;
    friend class TControlAccess;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    bool DoKeyWith(TMessage& Message, bool (TWinControl::*formStep)(TMessage&),
                   void (TWinControl::*handler)(WORD&, TShiftState));

    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FTabList;
    bool FTabStop = false;
    int FAlignDisabled = 0;
    bool FDoubleBuffered = false;
    // The children are being moved by their anchors, not by their owners.
    bool FAnchoring = false;
};

// A window control that paints itself: override Paint and draw on Canvas.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;

    TCanvas* Canvas() const { return FCanvas.get(); }
    void WndProc(TMessage& Message) override;

protected:
    // Before Paint, the client area is filled with Color unless csOpaque is in ControlStyle.
    virtual void Paint() {}
    TCanvas* PaintCanvas() override { return FCanvas.get(); }

private:
    std::unique_ptr<TCanvas> FCanvas;
};

// A light control without the focus that paints itself over its parent's background.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;

    TCanvas* Canvas() const { return FCanvas.get(); }
    void WndProc(TMessage& Message) override;

protected:
    virtual void Paint() {}
    TCanvas* PaintCanvas() override { return FCanvas.get(); }

private:
    std::unique_ptr<TCanvas> FCanvas;
};
