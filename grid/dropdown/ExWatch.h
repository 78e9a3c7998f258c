#pragma once

#include "grid/dropdown/WatchAppearance.h"
#include "grid/dropdown/WatchSettings.h"
#include "grid/foundation/ExStyleIF.h"
#include "grid/foundation/GridDate.h"
#include "platform/ui/Control.h"

#include <cstdint>
#include <memory>

class TBitmap;
class TCanvas;
class TTimer;

// An analog clock face that shows a time of day and lets the user set it: a click outside the
// dial sets the minute, a click inside it the hour, a click on the AM/PM box switches the half of
// the day, and keys (HandleWatchKey) step hours and minutes. Hour and minute changes can be
// animated: the hand covers a share of the remaining distance every millisecond. With
// Settings.Auto the clock runs from the system clock and ignores all input.
//
// The dial, marks, numbers and AM/PM box are drawn once into a background cache over the
// parent's colour; time changes redraw only the hands over it. Drawing lives in ExWatchPaint.cpp,
// the style presets in ExWatchStyles.cpp.
class TExWatch : public TCustomControl, public IULKStyle {
public:
    explicit TExWatch(TComponent* AOwner);
    ~TExWatch() override;

    // Hour 0..23 and minute 0..59 of the shown time, animated when Animation is on. A value out
    // of range throws Exception "Invalid time" and changes nothing.
    void SetHour(uint8_t Value);
    void SetMinute(uint8_t Value);
    // A key pressed in the time picker's popup: A, P, Page Up/Down, Home, End, Left, Right.
    void HandleWatchKey(WORD Key);

    TDateTime Time() const { return FTime; }
    // Shows the time at once; fires no OnChange.
    void SetTime(TDateTime Value);
    TWatchAppearance* Appearance() const { return FAppearance.get(); }
    void SetAppearance(const TWatchAppearance& Value) { FAppearance->Assign(Value); }
    TWatchSettings* Settings() const { return FSettings.get(); }
    void SetSettings(const TWatchSettings& Value) { FSettings->Assign(Value); }
    bool Animation() const { return FAnimation; }
    void SetAnimation(bool Value) { FAnimation = Value; }
    // Divisor of the remaining distance per animation step; 0 or less jumps at once.
    int AnimationFactor() const { return FAnimationFactor; }
    void SetAnimationFactor(int Value) { FAnimationFactor = Value; }
    bool ShowAMPM() const { return FShowAMPM; }
    void SetShowAMPM(bool Value);
    bool ShowNumbers() const { return FShowNumbers; }
    void SetShowNumbers(bool Value);
    TWatchStyle Style() const { return FStyle; }
    // Resets the appearance and applies the preset (nothing when the style is already set).
    void SetStyle(TWatchStyle Value);
    void SetComponentStyle(TULKStyle AStyle) override;

    // True: the AM half of the day is shown.
    bool AM() const { return FAM; }
    // Whether a hand is still moving towards its target.
    bool Animating() const;

    // Geometry of the face in client coordinates.
    TRect GetFaceRect() const;
    TPoint GetFaceCenter() const;
    double GetFaceRadius() const;
    TRect GetAMPMRect() const;
    int MinuteFromPoint(int X, int Y) const;
    int HourFromPoint(int X, int Y) const;
    // The set time, or the system time plus the offset while Settings.Auto.
    TDateTime GetCurrentTime() const;

    // Drawing steps, each onto any canvas (the control's, the cache, a test's bitmap).
    void DrawFace(TCanvas* Canvas, const TRect& R);
    void DrawMarks(TCanvas* Canvas);
    void DrawAMPM(TCanvas* Canvas);
    void DrawPointers(TCanvas* Canvas);
    // The whole clock as it shows: the background in the parent's colour, face, marks, AM/PM box
    // and hands.
    void PaintWatchTo(TCanvas* Canvas);

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void Resize() override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void WndProc(TMessage& Message) override;

private:
    void SetTimeInternal(TDateTime T);
    void SetAMPM(bool AM);
    // Fires OnChange unless an animation is on its way and has not reached its target yet.
    void NotifyChange();
    bool Immediate() const;
    void EncodeAndShow(int H, int M, int S, int MS);
    void AppearanceChanged();
    void SettingsChanged();
    void AnimationTimerTick();
    void AnimateHour(int H);
    void AnimateMinute(int M);
    int AnimationStep(int Distance) const;

    // Full repaint: the cache rebuilt, then the hands.
    void PaintWatch();
    // Hands only, over the cache.
    void RefreshPointers();
    void BuildCache();
    void DrawTickMarks(TCanvas* Canvas);
    void DrawNumbers(TCanvas* Canvas);
    void DrawLineHands(TCanvas* Canvas, double HourAngle, double MinuteAngle, double Length,
                       bool Arrow);
    void DrawPointerHands(TCanvas* Canvas, double HourAngle, double MinuteAngle);
    void DrawSecondHand(TCanvas* Canvas, double Angle);
    void DrawCenterPoint(TCanvas* Canvas);
    void ScrollAMPM();
    TColor BackgroundColor() const;
    // Shows Frame on screen at once.
    void ShowFrame(std::unique_ptr<TBitmap> Frame);

    std::unique_ptr<TWatchAppearance> FAppearance;
    std::unique_ptr<TWatchSettings> FSettings;
    TDateTime FTime = 0;
    std::unique_ptr<TBitmap> FBKGCache;
    bool FCacheValid = false;
    TColor FCacheBackground = clNone;
    // A composed picture shown by the next paint instead of the cache and hands.
    std::unique_ptr<TBitmap> FFrame;
    TTimer* FWatchTimer = nullptr;
    bool FAnimation = true;
    int FAnimationFactor = 10;
    TTimer* FAnimationTimer = nullptr;
    uint8_t FCurrentHourTo = 0;
    uint8_t FCurrentMinuteTo = 0;
    uint8_t FMinuteFrom = 0;
    bool FHourAnimating = false;
    bool FInternalCall = false;
    bool FAM = true;
    bool FShowAMPM = true;
    bool FShowNumbers = true;
    bool FInternalSet = false;
    TWatchStyle FStyle = wsClassic;
};
