#pragma once

#include "grid/foundation/CustomDateTimePicker.h"
#include "grid/foundation/LabelPosition.h"

#include <memory>
#include <string>

class TLabel;
class TFont;

enum TExDateTimeKind { dkDate, dkTime, dkDateTime };

// A date picker, a time picker, or both at once: with dkDateTime (the kind it starts with) it
// carries a time-only picker inside itself, just left of its drop-down button, and keeps date
// and time as one DateTime value to the second. It can carry a label beside, above or below
// it. With AutoTab on, a typed digit that completes a date part moves on to the next part and,
// after the last date part, into the time field.
class TExDateTimePicker : public TCustomDateTimePicker {
public:
    explicit TExDateTimePicker(TComponent* AOwner);
    ~TExDateTimePicker() override;

    TExDateTimeKind Kind() const { return FKind; }
    void SetKind(TExDateTimeKind value);

    // The date of the picker with the time of its time field.
    TDateTime DateTime() const;
    // Drops the milliseconds; the time field takes the same value.
    void SetDateTime(TDateTime value) override;
    TDateTime Date() const;
    // Keeps the time of day.
    void SetDate(TDateTime value);
    TDateTime Time() const;
    void SetTime(TDateTime value);
    const std::string& TimeFormat() const { return FTimeFormat; }
    void SetTimeFormat(const std::string& value);

    // "1.2.0.0"; writes are ignored.
    std::string Version() const;
    void SetVersion(const std::string&) {}

    // The label is made by the first caption write.
    std::string LabelCaption() const;
    void SetLabelCaption(const std::string& value);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool value);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool value);
    // The label turns bold while the picker has the focus.
    bool FocusLabel() const { return FFocusLabel; }
    void SetFocusLabel(bool value) { FFocusLabel = value; }
    TFont* LabelFont() const { return FLabelFont.get(); }
    void SetLabelFont(const TFont* value);
    TLabel* PickerLabel() const { return FLabel; }
    // The time field while the kind is dkDateTime, else nullptr.
    TCustomDateTimePicker* TimePicker() const { return FTimePicker; }

    void SetAutoTab(bool value) override;
    void SetBorderStyle(TBorderStyle value) override;
    void SetChecked(bool value) override;
    void SetEnabled(bool value) override;
    void SetVisible(bool value) override;
    void SetParent(TWinControl* AParent) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void WndProc(TMessage& Message) override;

    TNotifyEvent OnTimeChange;
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;

protected:
    virtual void DoChange();
    virtual void DoClick();
    // The time field's key presses come here; they need nothing more.
    virtual void TimePickerKeyPress(TObject* Sender, TChar& Key);
    void AutoAdvanceField() override;
    bool SkipCustomPaint() const override { return false; }
    void KeyPress(TChar& Key) override;
    void Change() override;
    void Resize() override;
    void DoEnter() override;
    void DoExit() override;
    void Notification(TComponent* component, bool removing) override;

private:
    void CreateTimePicker();
    void UpdateTimePicker();
    void CoupleTimePickerToCheckBox();
    void FocusTimePicker();
    void PlaceLabel();
    // The width of one line of text in the font.
    static int TextWidthIn(const TFont& font, const std::string& text);

    TExDateTimeKind FKind = dkDate;
    std::string FTimeFormat;
    // Year, month and day before the last typed digit.
    int Fy = 0;
    int Fm = 0;
    int Fd = 0;
    TLabel* FLabel = nullptr;
    std::unique_ptr<TFont> FLabelFont;
    TLabelPosition FLabelPosition = lpLeftTop;
    int FLabelMargin = 4;
    bool FLabelTransparent = false;
    bool FFocusLabel = false;
    bool FLabelAlwaysEnabled = false;
    TCustomDateTimePicker* FTimePicker = nullptr;
};
