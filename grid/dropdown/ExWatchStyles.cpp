// The clock's look presets: the watch styles and the colours of the component styles.
#include "grid/dropdown/ExWatch.h"

#include "grid/stringgrid/LayoutRounding.h"
#include "platform/ui/Font.h"

#include <algorithm>
#include <optional>
#include <string>

namespace {

// A font change of a preset; what is left empty keeps the font's value.
struct TFontChange {
    std::optional<std::string> Name;
    std::optional<int> Size;
    std::optional<TFontStyles> Style;
    std::optional<TColor> Color;
};

void ChangeFont(TWatchAppearance& A, bool HourFont, const TFontChange& Change) {
    TFont font;
    font.Assign(HourFont ? *A.HourFont() : *A.AMPMFont());
    if (Change.Color)
        font.SetColor(*Change.Color);
    if (Change.Size)
        font.SetSize(*Change.Size);
    if (Change.Name)
        font.SetName(*Change.Name);
    if (Change.Style)
        font.SetStyle(*Change.Style);
    if (HourFont)
        A.SetHourFont(font);
    else
        A.SetAMPMFont(font);
}

void HourFont(TWatchAppearance& A, const TFontChange& Change) {
    ChangeFont(A, true, Change);
}

void AMPMFont(TWatchAppearance& A, const TFontChange& Change) {
    ChangeFont(A, false, Change);
}

const TFontStyles Plain{};
const TFontStyles Bold{fsBold};
const std::string SansSerif = "MS Sans Serif";

void HourHand(TWatchAppearance& A, TColor Color, uint8_t Size) {
    A.SetHourPointer(Color);
    A.SetHourPointerShadow(clBtnShadow);
    A.SetHourPointerSize(Size);
}

// The marks and hands in one colour, with a double quarter mark.
void MarksPreset(TWatchAppearance& A, TColor Color, TWatchShape Shape) {
    A.SetCenterPointSize(20);
    HourFont(A, {SansSerif, 8, Plain, clWindowText});
    A.SetHourColor(Color);
    A.SetHourPointer(Color);
    A.SetMinuteColor(Color);
    A.SetMinutePointer(Color);
    A.SetHourMarkLength(10);
    A.SetHourPointerShadow(clBtnShadow);
    A.SetMinutePointerShadow(clBtnShadow);
    A.SetHourPointerSize(2);
    A.SetMinutePointerSize(2);
    A.SetShape(Shape);
    A.SetCenterPointOuterBorderColor(clBlack);
    A.SetHourMarkWidth(2);
    A.SetHourMarkStyle(hmsQuartDblLine);
}

// The common end of the sports and smooth looks.
void TailPreset(TWatchAppearance& A, TColor Hour, TColor Shadows, TColor Minute, TColor Second) {
    A.SetHourColor(0xABB0B1);
    HourFont(A, {"Times New Roman", 9, {}, 0x797979});
    A.SetHourPointer(Hour);
    A.SetHourPointerShadow(Shadows);
    A.SetHourPointerSize(2);
    A.SetMinuteColor(0x808080);
    A.SetMinutePointer(Minute);
    A.SetMinutePointerSize(2);
    A.SetMinutePointerShadow(Shadows);
    A.SetMinuteMarkLength(1);
    A.SetSecondPointer(Second);
    A.SetTickMarks(tmQuartHours);
}

uint8_t ToByte(int Value) {
    return static_cast<uint8_t>(std::clamp(Value, 0, 255));
}

} // namespace

void TExWatch::SetComponentStyle(TULKStyle AStyle) {
    ApplyWatchComponentStyle(*FAppearance, AStyle);
}

void TExWatch::SetStyle(TWatchStyle Value) {
    if (Value == FStyle)
        return;
    FStyle = Value;
    TWatchAppearance& a = *FAppearance;
    a.ResetDefaults();
    const int side = std::min(Width(), Height());
    std::optional<bool> showAMPM;
    bool showNumbers = true;
    switch (Value) {
    case wsClassic:
        AMPMFont(a, {SansSerif, {}, Plain, {}});
        HourFont(a, {"Comic Sans MS", 10, Bold, {}});
        a.SetHourMarkLength(8);
        HourHand(a, clBlack, 5);
        a.SetMinutePointerShadow(clBtnShadow);
        a.SetMinuteMarkLength(4);
        FAnimation = true;
        FAnimationFactor = 10;
        showAMPM = true;
        break;
    case wsTower:
        AMPMFont(a, {SansSerif, {}, Plain, {}});
        a.SetAMPMFrame(apRect);
        a.SetBorderWidth(1);
        a.SetBackgroundColor(0xB1F0FE);
        a.SetBackgroundGradient(wgDiagonalForward);
        a.SetCenterPointColor(0x002BD5);
        a.SetCenterPointSize(6);
        HourFont(a, {"Century", {}, Bold, clWindowText});
        HourHand(a, clBlack, 5);
        a.SetMinutePointerShadow(clBtnShadow);
        a.SetSecondPointer(0x002BD5);
        a.SetShape(wsRect);
        a.SetPointerStyle(psPointer);
        a.SetBackgroundColorTo(0x5BCCE8);
        a.SetAMPMColor(a.BackgroundColor());
        a.SetTickMarks(tmHours);
        showNumbers = false;
        break;
    case wsFluorescent:
        AMPMFont(a, {SansSerif, 10, Plain, clWindowText});
        a.SetAMPMFrame(apRoundRect);
        a.SetBorderColor(0xFF3E3E);
        a.SetBackgroundColor(clBlack);
        a.SetBackgroundColorTo(clBlack);
        a.SetCenterPointColor(0xFF3E3E);
        a.SetCenterPointBorderColor(clBlack);
        a.SetCenterPointOuterBorderColor(clBlack);
        MarksPreset(a, 0xFF3E3E, wsRoundRect);
        a.SetTickMarks(tmHours);
        showAMPM = false;
        showNumbers = false;
        break;
    case wsEmerald:
        AMPMFont(a, {SansSerif, {}, Plain, 0xA00000});
        a.SetAMPMFrame(apRoundRect);
        a.SetBorderColor(0x3AE800);
        a.SetBackgroundColor(0x3AE800);
        a.SetBackgroundColorTo(clBlack);
        a.SetBackgroundGradient(wgDiagonalForward);
        a.SetCenterPointBorderColor(0x40FF00);
        a.SetCenterPointColor(0x38E100);
        a.SetCenterPointSize(16);
        HourFont(a, {SansSerif, {}, Plain, clWindowText});
        HourHand(a, 0x40FF00, 5);
        a.SetMinutePointer(0x40FF00);
        a.SetMinutePointerShadow(clBtnShadow);
        a.SetShape(wsRect);
        a.SetPointerStyle(psPointer);
        a.SetAMPMColor(clNone);
        HourFont(a, {{}, {}, {}, a.BackgroundColor()});
        a.SetCenterPointOuterBorderColor(clBlack);
        a.SetHourMarkStyle(hmsQuartDblLine);
        a.SetHourColor(a.BackgroundColor());
        a.SetSecondPointer(0x00FFFF);
        a.SetTickMarks(tmHours);
        showAMPM = false;
        showNumbers = false;
        break;
    case wsBlueStar:
        AMPMFont(a, {SansSerif, 10, Plain, 0xA00000});
        a.SetAMPMBorderColor(clNone);
        a.SetAMPMFrame(apRoundRect);
        a.SetBorderColor(0xFFD5D5);
        a.SetBackgroundColor(0xFFD5D5);
        a.SetBackgroundColorTo(0xA00000);
        a.SetBackgroundGradient(wgRadial);
        HourFont(a, {SansSerif, 8, Plain, clWindowText});
        HourHand(a, 0xA00000, 5);
        a.SetMinutePointer(0xA00000);
        a.SetMinutePointerShadow(clBtnShadow);
        a.SetShape(wsRoundRect);
        a.SetPointerStyle(psPointer);
        a.SetAMPMColor(clNone);
        HourFont(a, {{}, {}, {}, a.BackgroundColor()});
        showAMPM = true;
        break;
    case wsFuchsia:
        AMPMFont(a, {SansSerif, 10, Plain, clWindowText});
        a.SetAMPMFrame(apRoundRect);
        a.SetBorderColor(0xFFD0FF);
        a.SetBackgroundColor(clBlack);
        a.SetBackgroundColorTo(clBlack);
        a.SetCenterPointBorderColor(0xDD68DD);
        MarksPreset(a, 0xFFD0FF, wsRect);
        a.SetSecondPointer(0xDD68DD);
        a.SetTickMarks(tmQuartHours);
        showAMPM = false;
        showNumbers = false;
        break;
    case wsBlack:
        AMPMFont(a, {SansSerif, {}, Plain, {}});
        a.SetBackgroundColor(0x202020);
        a.SetBackgroundColorTo(clNone);
        a.SetBorderColor(clBlack);
        a.SetCenterPointBorderColor(clWhite);
        a.SetCenterPointOuterBorderColor(clWhite);
        a.SetCenterPointColor(clWhite);
        a.SetHourColor(0x585858);
        HourFont(a, {"Century Gothic", 11, {}, clWhite});
        HourHand(a, clWhite, 5);
        a.SetMinuteColor(0x585858);
        a.SetMinutePointer(clWhite);
        a.SetMinutePointerShadow(clBtnShadow);
        a.SetMinuteMarkLength(4);
        showAMPM = false;
        break;
    case wsBlackWhite:
        a.SetBackgroundColor(clWhite);
        a.SetBackgroundColorTo(clNone);
        a.SetBorderColor(clBlack);
        a.SetBorderWidth(8);
        a.SetCenterPointBorderColor(clBlack);
        a.SetCenterPointOuterBorderColor(clBlack);
        a.SetCenterPointColor(clBlack);
        a.SetCenterPointSize(8);
        a.SetHourColor(0x585858);
        HourFont(a, {"Century Gothic", 14, Bold, clBlack});
        HourHand(a, clBlack, 5);
        a.SetMinutePointer(clBlack);
        a.SetMinutePointerShadow(clBtnShadow);
        a.SetMinuteMarkLength(4);
        a.SetSecondPointer(0x000080);
        a.SetPointerStyle(psPointer);
        a.SetTickMarks(tmQuartHours);
        showAMPM = false;
        break;
    case wsGray:
        AMPMFont(a, {SansSerif, 10, {}, {}});
        a.SetBackgroundColor(0xD1D1D1);
        a.SetBackgroundColorTo(0x6C6C6C);
        a.SetBackgroundGradient(wgRadial);
        a.SetBorderColor(0x454545);
        a.SetCenterPointBorderColor(0x454545);
        a.SetCenterPointColor(clBlack);
        a.SetCenterPointOuterBorderColor(clNone);
        a.SetHourColor(clBlack);
        HourFont(a, {"Comic Sans MS", 8, Plain, {}});
        a.SetHourPointer(0x4E4E4E);
        a.SetHourPointerShadow(clNone);
        a.SetHourPointerSize(1);
        a.SetMinuteColor(0x808080);
        a.SetMinutePointer(0x4E4E4E);
        a.SetMinutePointerShadow(clNone);
        a.SetMinutePointerSize(1);
        a.SetSecondPointer(clRed);
        showAMPM = true;
        break;
    case wsSuperNova:
        a.SetBackgroundColorTo(0xD1D3D3);
        a.SetBorderColor(clNone);
        a.SetCenterPointOuterBorderColor(clBlack);
        a.SetCenterPointSize(10);
        a.SetHourMarkLength(ToByte(RoundHalfEven(side / 4.5)));
        a.SetHourPointer(clBlack);
        a.SetHourPointerShadow(clBtnShadow);
        a.SetMinuteColor(0x808080);
        a.SetMinuteMarkLength(ToByte(side / 3));
        a.SetMinutePointer(clBlack);
        showAMPM = false;
        showNumbers = false;
        break;
    case wsSports:
        a.SetBackgroundColor(clBlack);
        a.SetBackgroundColorTo(clNone);
        a.SetBorderColor(clBlack);
        a.SetBorderWidth(1);
        a.SetCenterPointBorderColor(0xFF0000);
        a.SetCenterPointOuterBorderColor(clBlack);
        a.SetCenterPointColor(0x191919);
        a.SetCenterPointSize(ToByte(RoundHalfEven(side / 3.6)));
        TailPreset(a, 0x0000FF, clNone, 0x00FFFF, 0x188BFE);
        showAMPM = false;
        break;
    case wsSmooth:
        a.SetBackgroundColor(clWhite);
        a.SetBackgroundColorTo(0xABB0B1);
        a.SetBorderColor(0x585858);
        a.SetBorderWidth(1);
        a.SetCenterPointBorderColor(clBlack);
        a.SetCenterPointOuterBorderColor(0x4A4A4A);
        a.SetCenterPointColor(clWhite);
        a.SetCenterPointSize(6);
        TailPreset(a, 0x4A4A4A, 0xB2B2B2, 0x4A4A4A, 0x4A4A4A);
        showAMPM = false;
        break;
    }
    if (showAMPM)
        SetShowAMPM(*showAMPM);
    SetShowNumbers(showNumbers);
    PaintWatch();
}
