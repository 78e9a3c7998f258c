#pragma once

#include "grid/dropdown/ExCustomDropDown.h"
#include "grid/dropdown/WatchAppearance.h"
#include "grid/dropdown/WatchSettings.h"
#include "grid/foundation/GridDate.h"

#include <memory>
#include <string>

class TDateTimePicker;
class TExWatch;
class TPanel;

// A masked time edit (hours, minutes and optionally seconds, two digits each, split by the
// locale's time separator) whose popup shows an analog clock and, on request, a time picker
// under it. The value is Time. The edit is not editable by default: the time is picked on the
// clock, or the field under the caret is stepped with Up and Down. Look, settings and time are
// copied into the clock at every drop-down; the clock's completed changes reach Time at once.
class TExTimePickerDropDown : public TExCustomDropDown {
public:
    explicit TExTimePickerDropDown(TComponent* AOwner);
    ~TExTimePickerDropDown() override;

    TDateTime Time() const { return FTime; }
    // Shows the time in the edit (and on the open popup); fires no OnTimeChange.
    void SetTime(TDateTime Value);
    bool ShowSeconds() const { return FShowSeconds; }
    void SetShowSeconds(bool Value);
    bool ShowTimePicker() const { return FShowTimePicker; }
    void SetShowTimePicker(bool Value) { FShowTimePicker = Value; }
    TWatchAppearance* WatchAppearance() const { return FWatchAppearance.get(); }
    void SetWatchAppearance(const TWatchAppearance& Value) { FWatchAppearance->Assign(Value); }
    TWatchSettings* WatchSettings() const { return FWatchSettings.get(); }
    void SetWatchSettings(const TWatchSettings& Value) { FWatchSettings->Assign(Value); }
    bool ShowWatchAMPM() const { return FShowWatchAMPM; }
    void SetShowWatchAMPM(bool Value) { FShowWatchAMPM = Value; }
    bool ShowWatchNumbers() const { return FShowWatchNumbers; }
    void SetShowWatchNumbers(bool Value) { FShowWatchNumbers = Value; }
    bool Animation() const { return FAnimation; }
    void SetAnimation(bool Value) { FAnimation = Value; }
    int AnimationFactor() const { return FAnimationFactor; }
    void SetAnimationFactor(int Value) { FAnimationFactor = Value; }

    // The popup's clock, panel and (after the first drop-down that shows it) time picker.
    TExWatch* Watch() const { return FExWatch; }
    TPanel* Panel() const { return FPanelCtrl; }
    TDateTimePicker* DateTimePicker() const { return FDateTimePicker; }

    // The base's preset, and the clock's colours of it on WatchAppearance.
    void SetComponentStyle(TULKStyle AStyle) override;
    // Up and Down step the field under the caret even while the edit takes no typing.
    void WndProc(TMessage& Message) override;

    // Fired after a key step, and after a clock change while the time picker shows.
    TNotifyEvent OnTimeChange;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void DoHideDropDown(bool Cancelled) override;
    void DropDownFormHide() override;
    void DropDownFormKeyDown(WORD& Key, TShiftState Shift) override;
    void DropDownFormKeyUp(WORD& Key, TShiftState Shift) override;
    void ControlKeyDown(WORD& Key, TShiftState Shift) override;
    void ControlKeyUp(WORD& Key, TShiftState Shift) override;
    void HandleKeyDown(WORD& Key, TShiftState Shift) override;
    // The edit's change event, then the text read into Time when it is a whole time.
    void Change() override;

private:
    std::string EditMaskFor(bool Seconds) const;
    std::string FormatTime(int H, int M, int S) const;
    // The edit text as shown, blanks of unfilled positions included, without prefix and suffix.
    std::string ShownValue() const;
    void ParseShownText();
    void StepTimeField(WORD Key);
    void SetTimeField(int Field, int Value);
    void WatchChange();
    void TimePickerChange();
    void ShowTimePickerUnderWatch();

    bool FShowTimePicker = false;
    TExWatch* FExWatch = nullptr;               // owned as a component
    TDateTimePicker* FDateTimePicker = nullptr; // owned as a component
    TPanel* FPanelCtrl = nullptr;               // owned as a component
    std::unique_ptr<TWatchAppearance> FWatchAppearance;
    bool FShowWatchAMPM = true;
    bool FShowWatchNumbers = true;
    bool FAnimation = true;
    int FAnimationFactor = 10;
    TDateTime FTime = 0;
    std::unique_ptr<TWatchSettings> FWatchSettings;
    bool FInternalCall = false;
    bool FShowSeconds = true;
};

// The time separator of the user's locale.
std::string GetTimeSeparator();
