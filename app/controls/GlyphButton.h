#pragma once

#include "app/controls/GlyphButtonTypes.h"
#include "platform/ui/Control.h"

#include <memory>
#include <string>

class TBitmap;
class TCustomAction;
class TFont;
class TTimer;

// The custom-drawn push button of every window: six drawing styles, colour presets, a strip of
// state pictures, hot tracking that blends the face towards a colour (optionally fading out in
// steps on a timer), stock kinds with their own glyph and caption, and default/cancel keys.
class TGlyphButton : public TCustomControl {
public:
    explicit TGlyphButton(TComponent* AOwner);
    ~TGlyphButton() override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    // Reading always gives lcsCustom; writing a preset applies its colours and style.
    TGlyphColorStyle ColorStyle() const { return lcsCustom; }
    void SetColorStyle(TGlyphColorStyle value);
    TColor ColorWhenDown() const { return FColorWhenDown; }
    void SetColorWhenDown(TColor value);
    bool Default() const { return FDefault; }
    void SetDefault(bool value) { FDefault = value; }
    void SetEnabled(bool value) override;
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    TBitmap* Glyph() const { return FGlyph.get(); }
    // Copies the picture; NumGlyphs becomes its width over its height, Kind bkCustom. nullptr
    // empties the glyph.
    void SetGlyph(const TBitmap* value);
    TColor HotTrackColor() const { return FHotTrackColor; }
    void SetHotTrackColor(TColor value);
    TFont* HotTrackFont() const { return FHotTrackFont.get(); }
    void SetHotTrackFont(const TFont* value);
    TGlyphButtonKind Kind() const { return FKind; }
    void SetKind(TGlyphButtonKind value);
    TGlyphButtonLayout Layout() const { return FLayout; }
    void SetLayout(TGlyphButtonLayout value);
    TColor LightColor() const { return FLightColor; }
    void SetLightColor(TColor value);
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value);
    // On, the hot-track blend fades out after the pointer leaves: one step every 30 ms, eight
    // steps from the hot-track colour to the face.
    bool SlowDecease() const { return FSlowDecease; }
    void SetSlowDecease(bool value);
    TGlyphButtonStyle Style() const { return FStyle; }
    void SetStyle(TGlyphButtonStyle value);
    // Set for bsModern, bsShape and bsQuicken: the face leaves the parent's background showing.
    bool TransparentWindow() const { return FTransparentWindow; }
    bool UseHotTrackFont() const { return FUseHotTrackFont; }
    void SetUseHotTrackFont(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);

    // The programmatic click as well as the one of mouse and keys: fires OnClick, hands a
    // non-zero ModalResult to the form, opens an attached popup menu below the button, and
    // without an OnClick of its own executes the linked action.
    void Click() override;
    void WndProc(TMessage& Message) override;

    // Fired when the pointer leaves an enabled, visible button (OnMouseEnter is the control's).
    TNotifyEvent OnMouseExit;

    // State, for the paint code and tests.
    bool IsDown() const { return bDown; }
    bool CursorOnButton() const { return bCursorOnButton; }
    int HotTrackStep() const { return FHotTrackStep; }
    // The timer that steps the fade (nullptr while SlowDecease is off); it runs only while a fade
    // is going on.
    TTimer* FadeTimer() const { return FFadeTimer.get(); }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;
    // Besides what every control takes, an empty glyph takes the action's picture.
    void ActionChange(TObject* Sender, bool CheckDefaults) override;

private:
    void PaintFace(TCanvas* canvas, int W, int H, bool useShadowAsLight);
    TColor FaceColor(bool pressed) const;
    void PaintEdges(TCanvas* canvas, int W, int H, TColor face, bool pressed,
                    bool useShadowAsLight);
    void PaintGlyphAndCaption(TCanvas* canvas, int W, int H, bool pressed);
    void PaintMenuArrow(TCanvas* canvas, int W, int H);
    void TakeActionImage(const TCustomAction& action);
    bool Hot() const;
    bool ParentShowing() const;
    bool EnabledWithParents() const;
    bool HandleDialogKey(TMessage& Message);
    bool HandleDialogChar(TMessage& Message);
    void FadeStep();
    void StopFade();

    TAlignment FAlignment = taCenter;
    bool FCancel = false;
    TColor FColorWhenDown = clNone;
    bool FDefault = false;
    bool FFlat = false;
    std::unique_ptr<TBitmap> FGlyph;
    TColor FHotTrackColor = clNone;
    std::unique_ptr<TFont> FHotTrackFont;
    TGlyphButtonKind FKind = bkCustom;
    TGlyphButtonLayout FLayout = blGlyphLeft;
    TColor FLightColor = clWhite;
    TModalResult FModalResult = mrNone;
    int FNumGlyphs = 0;
    TColor FShadowColor = clGray;
    bool FSlowDecease = false;
    TGlyphButtonStyle FStyle = bsNormal;
    bool FTransparentWindow = false;
    bool FUseHotTrackFont = false;
    bool FWordWrap = false;

    bool bDown = false;
    bool bCursorOnButton = false;
    int FHotTrackStep = 0;
    // Declared last: goes first, before anything its tick touches.
    std::unique_ptr<TTimer> FFadeTimer;
};
