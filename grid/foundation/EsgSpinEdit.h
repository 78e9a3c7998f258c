#pragma once

#include "grid/foundation/EsgSpinButton.h"
#include "grid/foundation/GridDate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"

enum TEsgSpinType { sptNormal, sptFloat, sptDate, sptTime };
enum TEditAlign { eaLeft, eaRight, eaCenter };

// A one-line edit with a pair of arrow buttons at its right edge holding an integer, a
// floating-point number, a date or a time. The value lives in the text: every read converts the
// current text, so typing changes the value at once. The arrows, Up and Down step it by one
// increment, Page Up and Page Down by a page (floats only); typed characters are filtered by the
// kind of value, and every write keeps the value inside its limits. A pair of limits with both
// values equal means no limit. Numbers, dates and times follow the user's locale settings.
class TEsgSpinEdit : public TEdit {
public:
    explicit TEsgSpinEdit(TComponent* AOwner);
    ~TEsgSpinEdit() override;

    // Trimmed text as an integer (hexadecimal after "$", "x" or "0x"); blank reads 0, text that
    // is no integer reads MinValue.
    int Value() const;
    void SetValue(int NewValue);
    // Text that is no number reads MinValue (the integer limit).
    double FloatValue() const;
    void SetFloatValue(double NewValue);
    // "0" or blank reads the current date and time; text that is no date reads MinDateValue.
    TDateTime DateValue() const;
    void SetDateValue(TDateTime NewValue);
    // Text that is no time reads 0.
    TDateTime TimeValue() const;
    void SetTimeValue(TDateTime NewValue);

    TEsgSpinType SpinType() const { return FSpinType; }
    void SetSpinType(TEsgSpinType NewValue);
    int Precision() const { return FPrecision; }
    void SetPrecision(int NewValue);
    int Increment() const { return FIncrement; }
    void SetIncrement(int NewValue) { FIncrement = NewValue; }
    double IncrementFloat() const { return FIncrementFloat; }
    void SetIncrementFloat(double NewValue) { FIncrementFloat = NewValue; }
    double IncrementFloatPage() const { return FIncrementFloatPage; }
    void SetIncrementFloatPage(double NewValue) { FIncrementFloatPage = NewValue; }
    int IncrementHours() const { return FIncrementHours; }
    void SetIncrementHours(int NewValue) { FIncrementHours = NewValue; }
    int IncrementMinutes() const { return FIncrementMinutes; }
    void SetIncrementMinutes(int NewValue) { FIncrementMinutes = NewValue; }
    int IncrementSeconds() const { return FIncrementSeconds; }
    void SetIncrementSeconds(int NewValue) { FIncrementSeconds = NewValue; }
    int MinValue() const { return FMinValue; }
    void SetMinValue(int NewValue) { FMinValue = NewValue; }
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int NewValue) { FMaxValue = NewValue; }
    double MinFloatValue() const { return FMinFloatValue; }
    void SetMinFloatValue(double NewValue) { FMinFloatValue = NewValue; }
    double MaxFloatValue() const { return FMaxFloatValue; }
    void SetMaxFloatValue(double NewValue) { FMaxFloatValue = NewValue; }
    TDateTime MinDateValue() const { return FMinDateValue; }
    void SetMinDateValue(TDateTime NewValue) { FMinDateValue = NewValue; }
    TDateTime MaxDateValue() const { return FMaxDateValue; }
    void SetMaxDateValue(TDateTime NewValue) { FMaxDateValue = NewValue; }
    // Off: the value changes only by stepping.
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool NewValue) { FEditorEnabled = NewValue; }
    TSpinDirection Direction() const { return FDirection; }
    void SetDirection(TSpinDirection NewValue);
    TEditAlign EditAlign() const { return FEditAlign; }
    void SetEditAlign(TEditAlign NewValue);
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool NewValue) { FReturnIsTab = NewValue; }
    // The numeric keypad's decimal key types the locale decimal separator.
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool NewValue) { FExcelStyleDecimalSeparator = NewValue; }
    // Times with seconds in the long time format; off: "h:nn".
    bool ShowSeconds() const { return FShowSeconds; }
    void SetShowSeconds(bool NewValue) { FShowSeconds = NewValue; }
    bool SpinFlat() const { return FSpinFlat; }
    void SetSpinFlat(bool NewValue);
    bool SpinTransparent() const { return FSpinTransparent; }
    void SetSpinTransparent(bool NewValue);
    // Only kept for the edit's user, which decides what an empty text means.
    bool AllowEmptyValue() const { return FAllowEmptyValue; }
    void SetAllowEmptyValue(bool NewValue) { FAllowEmptyValue = NewValue; }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle NewValue) override;
    // The last date step found the month before the day in the short date format.
    bool UsDates() const { return FUsDates; }
    void SetIsWinXP(bool NewValue);
    bool IsWinXP() const { return FIsWinXP; }

    TEsgSpinButton* Button() const { return FButton; }
    // Where the text is laid out: left of the arrows.
    TRect EditRect() const;
    int MinHeight() const;

    // Brings the text in line with the values stored while loading.
    void Loaded();

    virtual void StepUp(bool Page);
    virtual void StepDown(bool Page);
    // Whether a typed character may enter the text.
    virtual bool IsValidChar(TChar& Key);
    virtual void SpinUp();
    virtual void SpinDown();

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void WndProc(TMessage& Message) override;

protected:
    // The input stages a descendant (the grid's spin editor) builds on, in the order a key goes
    // through them: HandleKeyDownMessage before any key-down event, HandleKeyDown (OnKeyDown),
    // HandleChar with the raw character message, HandleKeyPress (OnKeyPress).
    virtual void HandleKeyDownMessage(TMessage& Message);
    virtual void HandleKeyDown(WORD& Key, TShiftState Shift);
    virtual void HandleChar(TMessage& Message);
    virtual void HandleKeyPress(TChar& Key);

    void KeyDown(WORD& Key, TShiftState Shift) final;
    void KeyPress(TChar& Key) final;
    void DoEnter() override;
    void DoExit() override;

private:
    void Step(bool Up, bool Page);
    void StepDate(bool Up);
    void StepTime(bool Up);
    void SetEditRect();
    void PlaceButton();
    void SetTextKeepingCaret(const std::string& NewText);
    bool Loading() const { return ComponentState().Contains(csLoading); }
    std::string FormatTimeValue(TDateTime NewValue) const;

    int FMinValue = 0;
    int FMaxValue = 100;
    double FMinFloatValue = 0.0;
    double FMaxFloatValue = 100.0;
    TDateTime FMinDateValue = 0;
    TDateTime FMaxDateValue = 0;
    TDateTime FDateValue = 0;
    TDateTime FTimeValue = 0;
    int FIncrement = 1;
    double FIncrementFloat = 0.1;
    TEsgSpinButton* FButton = nullptr;
    bool FEditorEnabled = true;
    TSpinDirection FDirection = spVertical;
    TEsgSpinType FSpinType = sptNormal;
    int FPrecision = 0;
    bool FReturnIsTab = false;
    bool FIsWinXP = false;
    bool FExcelStyleDecimalSeparator = false;
    bool FUsDates = false;
    bool FShowSeconds = true;
    int FIncrementSeconds = 1;
    int FIncrementMinutes = 1;
    int FIncrementHours = 1;
    TEditAlign FEditAlign = eaLeft;
    bool FSpinFlat = false;
    bool FSpinTransparent = false;
    bool FAllowEmptyValue = false;
    double FIncrementFloatPage = 1.0;
    TBorderStyle FBorderStyle = bsSingle;
};
