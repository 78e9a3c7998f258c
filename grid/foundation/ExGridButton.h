#pragma once

#include "grid/foundation/GridTypes.h" // TExGridButtonStyle
#include "platform/ui/Control.h"

#include <functional>
#include <memory>
#include <string>

class TBitmap;
class TPopupMenu;

enum TExGridButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// A light-weight (windowless) speed button in office colours: flat by default, with a plain or
// two-colour gradient face for the normal, hot, pressed and checked looks, separate glyphs for
// the hot, pressed and disabled states and a grey drop shadow under the glyph while hot. It acts
// as a push button or a check button, joins a group of mutually exclusive buttons through
// GroupIndex, may carry a drop-down part (the right 12 pixels) that opens its own menu, and
// offers seven stock looks and one that follows the desktop's visual style.
class TExGridButton : public TGraphicControl {
public:
    // What the button shows: up, disabled, pressed, or exclusive (down in a group, or checked).
    enum TDrawState { dsUp, dsDisabled, dsPressed, dsExclusive };
    static constexpr int DropDownWidth = 12;
    static constexpr int LookCount = 7;

    explicit TExGridButton(TComponent* AOwner);
    ~TExGridButton() override;

    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool value);
    bool AutoXPStyle() const { return FAutoXPStyle; }
    void SetAutoXPStyle(bool value) { FAutoXPStyle = value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    TColor BorderDownColor = clNone;
    TColor BorderHotColor = clNone;
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value);
    TColor ColorHot = 0xCAC7C7;
    TColor ColorHotTo = clNone;
    TColor ColorDown = 0xD8D3D2;
    TColor ColorDownTo = clNone;
    TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(TColor value);
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(TColor value);
    bool Down() const { return FDown; }
    void SetDown(bool value);
    bool DropDownButton() const { return FDropDownButton; }
    void SetDropDownButton(bool value);
    // The menu must outlive the button or be cleared first.
    TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(TPopupMenu* value) { FDropDownMenu = value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    TBitmap* Glyph() const { return FGlyph.get(); }
    // Also makes a grey disabled glyph while GlyphDisabled is empty.
    void SetGlyph(const TBitmap* value);
    TBitmap* GlyphHot() const { return FGlyphHot.get(); }
    void SetGlyphHot(const TBitmap* value);
    TBitmap* GlyphDown() const { return FGlyphDown.get(); }
    void SetGlyphDown(const TBitmap* value);
    TBitmap* GlyphDisabled() const { return FGlyphDisabled.get(); }
    void SetGlyphDisabled(const TBitmap* value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    TExGridButtonLayout Layout() const { return FLayout; }
    void SetLayout(TExGridButtonLayout value);
    // -1 centres the content; values below -1 are ignored.
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    bool Rounded() const { return FRounded; }
    void SetRounded(bool value);
    bool Shaded() const { return FShaded; }
    void SetShaded(bool value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value);
    // -1 spreads the content evenly.
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    TExGridButtonStyle Style() const { return FStyle; }
    void SetStyle(TExGridButtonStyle value);
    // A right-to-left reading order swaps the left and right layouts.
    bool RightToLeft() const { return FRightToLeft; }
    void SetRightToLeft(bool value);

    // Writing 0..6 takes a stock look; reading gives 0.
    int Look() const { return 0; }
    void SetLook(int value);
    // Takes the stock look of the desktop's visual-style colour scheme.
    void ThemeAdapt();

    TDrawState DrawState() const { return FState; }
    bool MouseInControl() const { return FMouseInControl; }
    // The grey silhouette drawn under the glyph while hot.
    TBitmap* GlyphShade() const { return FGlyphShade.get(); }
    void Loaded();

    void WndProc(TMessage& Message) override;

    TNotifyEvent OnDropDown;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void ActionChange(TObject* Sender, bool CheckDefaults) override;

private:
    bool Inside(int X, int Y) const;
    void UpdateHover(bool pointerInside);
    void SendGroupNotification();
    void GroupNotified(int groupIndex, TExGridButton* sender);
    bool HandleAccelerator(TChar ch);
    void BuildShade();
    bool Designing() const { return ComponentState().Contains(csDesigning); }
    bool Hovered() const { return FMouseInControl && Enabled() && !Designing(); }
    template <typename T> void Store(T& field, const T& value);

    // Painting, in ExGridButtonPaint.cpp.
    void PaintFlatFace(TRect& r);
    void PaintRaisedFace(TRect& r);
    void PaintContent(const TRect& r, TPoint offset);
    const TBitmap* ChosenGlyph() const;

    bool FAllowAllUp = false;
    // The action's values as the button last took them: a property the user has changed since
    // no longer follows the action.
    struct TActionLinkState {
        const TObject* Action = nullptr;
        std::string Caption;
        bool Checked = false;
        int GroupIndex = 0;
    } FActionLink;
    bool FAutoThemeAdapt = false;
    bool FAutoXPStyle = false;
    TColor FBorderColor = clNone;
    TColor FColorTo = clNone;
    TColor FColorChecked = 0x808080;
    TColor FColorCheckedTo = clNone;
    bool FDown = false;
    bool FDropDownButton = false;
    TPopupMenu* FDropDownMenu = nullptr;
    bool FFlat = true;
    std::unique_ptr<TBitmap> FGlyph;
    std::unique_ptr<TBitmap> FGlyphHot;
    std::unique_ptr<TBitmap> FGlyphDown;
    std::unique_ptr<TBitmap> FGlyphDisabled;
    std::unique_ptr<TBitmap> FGlyphShade;
    int FGroupIndex = 0;
    TExGridButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    bool FRounded = false;
    bool FShaded = true;
    bool FShowCaption = true;
    int FSpacing = 4;
    TExGridButtonStyle FStyle = tasButton;
    bool FRightToLeft = false;
    TDrawState FState = dsUp;
    bool FMouseInControl = false;
    bool FDragging = false;
    bool FIsComCtl6 = false;
};

// Where glyph and caption go in a rectangle of the given size, as the grid button lays them out.
struct TButtonContentLayout {
    TPoint GlyphPos;
    TPoint CaptionPos;
};
TButtonContentLayout LayoutButtonContent(TSize area, TSize glyph, TSize caption,
                                         TExGridButtonLayout layout, int margin, int spacing,
                                         bool rightToLeft);

// 16 horizontal bands from FromColor at the top to ToColor at the bottom, then the outline in
// BorderColor unless it is clNone.
void DrawButtonGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, TColor BorderColor,
                        const TRect& R);
