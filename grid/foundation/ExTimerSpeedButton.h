#pragma once

#include "platform/ui/Control.h"
#include "platform/ui/Set.h"

#include <memory>

class TBitmap;
class TTimer;

enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };
enum TTimeBtnStateElement { tbFocusRect, tbAllowTimer };
using TTimeBtnState = TSet<TTimeBtnStateElement>;

// One arrow of a spin button: a speed button that clicks when released over itself and, while
// held, repeats its click from a timer (first after 400 ms, then every 100 ms). Its owner, when
// that is a spin button, gives it the colours it paints with.
class TExTimerSpeedButton : public TGraphicControl {
public:
    static constexpr unsigned FirstRepeatDelay = 400;
    static constexpr unsigned RepeatInterval = 100;

    explicit TExTimerSpeedButton(TComponent* AOwner);
    ~TExTimerSpeedButton() override;

    TTimeBtnState TimeBtnState() const { return FTimeBtnState; }
    void SetTimeBtnState(TTimeBtnState value);
    TButtonDirection ButtonDirection() const { return FButtonDirection; }
    void SetButtonDirection(TButtonDirection value);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value);

    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    TBitmap* Glyph() const { return FGlyph.get(); }
    // nullptr empties the glyph.
    void SetGlyph(const TBitmap* value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);

    // Held down by the mouse (drawn pressed).
    bool Pressed() const { return FPressed; }
    bool HasMouse() const { return FHasMouse; }
    // The auto-repeat timer; nullptr until the first press.
    TTimer* RepeatTimer() const { return FRepeatTimer; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void TimerExpired();
    void InvalidateParent();
    void PaintColored(const TRect& r);
    bool PaintThemed(const TRect& r);
    void PaintClassic(const TRect& r);

    TTimer* FRepeatTimer = nullptr;
    TTimeBtnState FTimeBtnState;
    TButtonDirection FButtonDirection = bdUp;
    bool FIsWinXP = false;
    bool FHasMouse = false;
    bool FPressed = false;
    // The left button went down on the button and is not up yet.
    bool FDragging = false;
    bool FFlat = false;
    bool FTransparent = false;
    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
};
