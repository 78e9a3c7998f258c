#include "grid/foundation/EsgSpinEdit.h"

#include "grid/foundation/SpinDateTimeText.h"
#include "platform/core/CodePage.h"
#include "platform/core/FloatConversion.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/EditLayout.h"
#include "platform/ui/Font.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Equal limits mean no limit.
template <typename T> T Limited(T value, T low, T high) {
    if (low == high)
        return value;
    return std::clamp(value, std::min(low, high), std::max(low, high));
}

std::string FixedText(double value, int decimals, const std::string& decimalSeparator) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", std::clamp(decimals, 0, 18), value);
    std::string text = buffer;
    // A value that rounds to zero shows no sign.
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    size_t point = text.find('.');
    if (point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

int TextHeightOf(const TFont& font) {
    TBitmap measure(1, 1);
    measure.Canvas()->Font()->Assign(font);
    return measure.Canvas()->TextHeight("0");
}

constexpr int SpinButtonWidth = 15;
constexpr int SpinButtonHeight = 17;
// The height of the system's thin border.
constexpr int BorderHeight = 1;

} // namespace

TEsgSpinEdit::TEsgSpinEdit(TComponent* AOwner) : TEdit(AOwner) {
    TControlStyle style = ControlStyle();
    style >> csSetCaption;
    SetControlStyle(style);
    SetText("0");
    FButton = new TEsgSpinButton(this);
    FButton->SetBounds(0, 0, SpinButtonWidth, SpinButtonHeight);
    FButton->SetVisible(true);
    FButton->SetParent(this);
    FButton->SetFocusControl(this);
    FButton->OnUpClick = [this](TObject*) { SpinUp(); };
    FButton->OnDownClick = [this](TObject*) { SpinDown(); };
    SetBounds(Left(), Top(), Width(), Height());
}

TEsgSpinEdit::~TEsgSpinEdit() {
    // The owner frees the button; nothing here may reach it any more.
    FButton->OnUpClick = nullptr;
    FButton->OnDownClick = nullptr;
    FButton->SetFocusControl(nullptr);
    FButton = nullptr;
}

int TEsgSpinEdit::Value() const {
    std::string text = Trim(Text());
    if (text.empty())
        return 0;
    int32_t value = 0;
    return TryStrToInt(text, value) ? value : FMinValue;
}

void TEsgSpinEdit::SetValue(int NewValue) {
    SetText(IntToStr(Limited(NewValue, FMinValue, FMaxValue)));
    if (!FEditorEnabled)
        SelectAll();
}

double TEsgSpinEdit::FloatValue() const {
    double value = 0;
    if (TryStrToFloat(Text(), value, CurrentFormatSettings().DecimalSeparator))
        return value;
    return FMinValue;
}

void TEsgSpinEdit::SetFloatValue(double NewValue) {
    double value = Limited(NewValue, FMinFloatValue, FMaxFloatValue);
    const std::string separator = CurrentFormatSettings().DecimalSeparator;
    SetText(FPrecision > 0 ? FixedText(value, FPrecision, separator)
                           : FloatToStr(value, separator));
}

TDateTime TEsgSpinEdit::DateValue() const {
    std::string text = Trim(Text());
    if (text.empty() || text == "0")
        return SpinDateTimeText::Now();
    TDateTime date = 0;
    if (SpinDateTimeText::TryParseDate(text, CurrentFormatSettings(), date))
        return date;
    return FMinDateValue;
}

void TEsgSpinEdit::SetDateValue(TDateTime NewValue) {
    FDateValue = NewValue;
    if (Loading())
        return;
    FDateValue = Limited(NewValue, FMinDateValue, FMaxDateValue);
    SetTextKeepingCaret(SpinDateTimeText::FormatDate(FDateValue, CurrentFormatSettings()));
}

TDateTime TEsgSpinEdit::TimeValue() const {
    TDateTime time = 0;
    if (SpinDateTimeText::TryParseTime(Text(), CurrentFormatSettings(), time))
        return time;
    return 0;
}

void TEsgSpinEdit::SetTimeValue(TDateTime NewValue) {
    FTimeValue = NewValue;
    if (Loading())
        return;
    FTimeValue = Limited(NewValue, FMinDateValue, FMaxDateValue);
    SetTextKeepingCaret(FormatTimeValue(FTimeValue));
}

std::string TEsgSpinEdit::FormatTimeValue(TDateTime NewValue) const {
    const TFormatSettings settings = CurrentFormatSettings();
    return SpinDateTimeText::FormatTime(NewValue, FShowSeconds ? settings.LongTimeFormat : "h:nn",
                                        settings);
}

void TEsgSpinEdit::SetTextKeepingCaret(const std::string& NewText) {
    int caret = SelStart();
    SetText(NewText);
    SetSelStart(caret);
}

void TEsgSpinEdit::SetSpinType(TEsgSpinType NewValue) {
    FSpinType = NewValue;
    switch (FSpinType) {
    case sptNormal:
        SetValue(Value());
        break;
    case sptFloat:
        SetFloatValue(FloatValue());
        break;
    case sptDate:
        SetDateValue(DateValue());
        break;
    case sptTime:
        SetTimeValue(TimeValue());
        break;
    }
}

void TEsgSpinEdit::SetPrecision(int NewValue) {
    FPrecision = NewValue;
    if (FSpinType == sptFloat)
        SetFloatValue(FloatValue());
}

void TEsgSpinEdit::Loaded() {
    if (FSpinType == sptDate)
        SetText(SpinDateTimeText::FormatDate(FDateValue, CurrentFormatSettings()));
    else if (FSpinType == sptTime)
        SetText(FormatTimeValue(FTimeValue));
    SetSpinType(FSpinType);
}

void TEsgSpinEdit::SetDirection(TSpinDirection NewValue) {
    if (NewValue == FDirection)
        return;
    FDirection = NewValue;
    FButton->SetDirection(NewValue);
    // A size change lays the button out anew.
    SetWidth(Width() + 1);
    SetWidth(Width() - 1);
}

void TEsgSpinEdit::SetEditAlign(TEditAlign NewValue) {
    FEditAlign = NewValue;
    static constexpr TAlignment alignments[] = {taLeftJustify, taRightJustify, taCenter};
    EditLayout::SetAlignment(this, alignments[NewValue]);
}

void TEsgSpinEdit::SetSpinFlat(bool NewValue) {
    FSpinFlat = NewValue;
    FButton->UpButton()->SetFlat(NewValue);
    FButton->DownButton()->SetFlat(NewValue);
}

void TEsgSpinEdit::SetSpinTransparent(bool NewValue) {
    FSpinTransparent = NewValue;
    FButton->UpButton()->SetTransparent(NewValue);
    FButton->DownButton()->SetTransparent(NewValue);
    SetWidth(Width() + 1);
    SetWidth(Width() - 1);
}

void TEsgSpinEdit::SetBorderStyle(TBorderStyle NewValue) {
    FBorderStyle = NewValue;
    SetBounds(Left(), Top(), Width(), Height());
}

void TEsgSpinEdit::SetIsWinXP(bool NewValue) {
    FIsWinXP = NewValue;
    FButton->SetIsWinXP(NewValue);
}

TRect TEsgSpinEdit::EditRect() const {
    int margin = FBorderStyle == bsNone ? 3 : 0;
    return {margin, margin, ClientWidth() - FButton->Width() - 2 - margin, ClientHeight() + 1};
}

int TEsgSpinEdit::MinHeight() const {
    int fontHeight = TextHeightOf(*Font());
    TFont screenFont;
    int h = fontHeight + std::min(fontHeight, TextHeightOf(screenFont)) / 4;
    return FBorderStyle == bsSingle ? h + 2 + 4 * BorderHeight : h + 2;
}

void TEsgSpinEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (!FButton) {
        TEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
        return;
    }
    TEdit::SetBounds(ALeft, ATop, AWidth, std::max(AHeight, MinHeight()));
    PlaceButton();
    SetEditRect();
}

void TEsgSpinEdit::PlaceButton() {
    int inset = FBorderStyle == bsNone ? 1 : 5;
    FButton->SetBounds(Width() - FButton->Width() - inset, 0, FButton->Width(), Height() - inset);
}

void TEsgSpinEdit::SetEditRect() {
    EditLayout::SetTextRect(this, EditRect());
}

void TEsgSpinEdit::DoEnter() {
    if (AutoSelect() && (GetKeyState(VK_LBUTTON) >= 0 || !FEditorEnabled))
        SelectAll();
    TWinControl::DoEnter();
}

void TEsgSpinEdit::DoExit() {
    TWinControl::DoExit();
    switch (FSpinType) {
    case sptNormal: {
        int value = Value();
        if (Limited(value, FMinValue, FMaxValue) != value)
            SetValue(value);
        break;
    }
    case sptFloat: {
        double value = FloatValue();
        if (Limited(value, FMinFloatValue, FMaxFloatValue) != value)
            SetFloatValue(value);
        break;
    }
    case sptDate: {
        TDateTime value = DateValue();
        if (Limited(value, FMinDateValue, FMaxDateValue) != value)
            SetDateValue(value);
        break;
    }
    case sptTime: {
        TDateTime value = TimeValue();
        if (Limited(value, FMinDateValue, FMaxDateValue) != value)
            SetTimeValue(value);
        break;
    }
    }
}
