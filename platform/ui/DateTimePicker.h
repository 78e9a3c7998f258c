#pragma once

#include "platform/core/DateTimeValue.h"
#include "platform/ui/Control.h"

#include <memory>
#include <string>

class TCanvas;
class TMonthCalendar;

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateMode { dmComboBox, dmUpDown };
enum TDTDateFormat { dfShort, dfLong };

// A one-line date or time field split into parts (day, month, year; hour, minute, second) with
// a drop-down month calendar (a date in dmComboBox mode) or up-down arrows (dmUpDown, and
// every time). The keyboard works on the part with the caret: Left and Right move between the
// parts (going round), Up and Down step the part (the day and month go round within their
// month and year, the time parts within the day; so does the wheel), Space toggles the check box,
// F4 or Alt+Down opens the calendar. Digits type the part's number: a number that could still take
// another digit (a day of 1, a year of 199) is shown but becomes the value only when the part is
// full, when another key is pressed or when the picker loses the focus. The picker works a key
// after OnKeyDown and OnKeyPress (and overrides of KeyDown and KeyPress), which may swallow it.
// Program writes fire nothing; every change by the user fires OnChange. Values are the
// framework's date numbers, all within years 1..9999: anything else is refused with
// EConvertError, as is a date outside MinDate..MaxDate (0: no limit) written by the program.
// The user's steps and typing stay within the limits.
class TDateTimePicker : public TWinControl {
public:
    explicit TDateTimePicker(TComponent* AOwner);
    ~TDateTimePicker() override;

    TDateTime DateTime() const { return FValue; }
    virtual void SetDateTime(TDateTime value);
    // The whole days of DateTime; writing keeps the time of day.
    TDateTime Date() const;
    void SetDate(TDateTime value);
    // The time of day of DateTime; writing keeps the date.
    TDateTime Time() const;
    void SetTime(TDateTime value);

    TDateTimeKind Kind() const { return FKind; }
    void SetKind(TDateTimeKind value);
    TDTDateMode DateMode() const { return FDateMode; }
    void SetDateMode(TDTDateMode value);
    TDTDateFormat DateFormat() const { return FDateFormat; }
    void SetDateFormat(TDTDateFormat value);
    // A custom display format in the picker's letters (d, M, y, h, H, m, s, tt, quoted text);
    // empty: the user's short (or long) date format, or the long time format.
    const std::string& Format() const { return FFormat; }
    void SetFormat(const std::string& value);
    TDateTime MinDate() const { return FMinDate; }
    void SetMinDate(TDateTime value);
    TDateTime MaxDate() const { return FMaxDate; }
    void SetMaxDate(TDateTime value);

    // With ShowCheckbox, an unchecked picker holds no value for its user: its parts are
    // greyed and take no keys but Space.
    bool Checked() const { return FChecked; }
    virtual void SetChecked(bool value);
    bool ShowCheckbox() const { return FShowCheckbox; }
    void SetShowCheckbox(bool value);

    // The calendar of a date picker in dmComboBox mode; writing true opens it (firing
    // OnDropDown while the calendar exists, before it shows), false closes it (OnCloseUp).
    bool DroppedDown() const { return FCalendar != nullptr && FDropped; }
    void SetDroppedDown(bool value);
    // The drop-down calendar while it is open, else nullptr. It is a popup window of its own,
    // so its bounds are screen coordinates (it opens below the picker, at its minimum size).
    TMonthCalendar* Calendar() const { return DroppedDown() ? FCalendar : nullptr; }

    // The index of the part with the caret, in display order.
    int CurrentField() const { return FField; }
    // Puts the caret into the part at Index (display order); the digits typed into the part
    // it leaves become the value first.
    void SelectField(int Index);
    int FieldCount() const;

    // The value as shown.
    std::string Text() const override;
    // Reads the text in the display format; a text that does not read is ignored.
    void SetText(const std::string& value) override;

    void WndProc(TMessage& Message) override;

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    virtual void Change();
    virtual void DropDown();
    virtual void CloseUp();
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoExit() override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    // Draws over the finished field (a frame, a button of its own), in the control's
    // coordinates; the base draws nothing.
    virtual void PaintFrame(TCanvas* Canvas) {}
    // Has PaintFrame run again.
    void InvalidateFrame();

private:
    // A value from the user: kept within the limits, shown, and reported when it changed.
    void UserValue(TDateTime value);
    // A key of the picker's own (parts, check box, calendar); false for any other.
    bool FieldKey(WORD key, TShiftState shift);
    void StepField(int delta);
    void TypeDigit(int digit);
    // The digits typed into the part so far become the value.
    void CommitTyped();
    // FValue with the digits typed so far in the current part; false when there are none or
    // they make no value.
    bool ValueWithTyped(TDateTime& value) const;
    void MoveField(int delta);
    void PickFromCalendar();
    void ToggleChecked();
    TDateTime Clamped(TDateTime value) const;
    void ShowValue();
    void ApplyLook();

    struct Impl;
    std::unique_ptr<Impl> FImpl;
    TDateTime FValue = 0;
    TDateTimeKind FKind = dtkDate;
    TDTDateMode FDateMode = dmComboBox;
    TDTDateFormat FDateFormat = dfShort;
    std::string FFormat;
    TDateTime FMinDate = 0;
    TDateTime FMaxDate = 0;
    bool FChecked = true;
    bool FShowCheckbox = false;
    TMonthCalendar* FCalendar = nullptr;
    bool FDropped = false;
    int FField = 0;
    // The digits typed into the current part since the caret came to it.
    int FTyped = 0;
    int FTypedDigits = 0;
};
