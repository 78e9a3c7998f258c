#pragma once

#include "platform/ui/Set.h"
#include "platform/ui/SpeedButton.h"

class TTimer;

enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };
enum TTimeBtnStateElement { tbFocusRect, tbAllowTimer };
using TTimeBtnState = TSet<TTimeBtnStateElement>;

// One arrow of a spin button: a speed button that clicks when released over itself and, while
// held, repeats its click from a timer (first after 400 ms, then every 100 ms). Its owner, when
// that is a spin button, gives it the colours it paints with. Pressing, glyph and flat look are
// the speed button's.
class TExTimerSpeedButton : public TSpeedButton {
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
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);

    // Held down by the mouse (drawn pressed).
    bool Pressed() const { return FState == bsDown; }
    bool HasMouse() const { return MouseInControl(); }
    // The auto-repeat timer; nullptr until the first press.
    TTimer* RepeatTimer() const { return FRepeatTimer; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
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
    bool FTransparent = false;
};
