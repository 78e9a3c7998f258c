#pragma once

#include "grid/dropdown/WatchSettings.h"
#include "grid/foundation/ExStyleIF.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Object.h"

#include <cstdint>
#include <memory>

class TFont;
class TPicture;

enum TWatchShape { wsCircle, wsRect, wsRoundRect };
enum TPointerStyle { psLine, psShortLine, psPointer, psLineArrow };
enum TAMPMFrame { apRect, apRoundRect };
enum TTickMarks { tmAll, tmHours, tmQuartHours, tmNone };
enum THourMarkStyle { hmsLine, hmsQuartDblLine };
enum TWatchGradient { wgRadial, wgVertical, wgDiagonalForward, wgDiagonalBackward };
enum TWatchStyle {
    wsClassic,
    wsTower,
    wsFluorescent,
    wsEmerald,
    wsBlueStar,
    wsFuchsia,
    wsBlack,
    wsBlackWhite,
    wsGray,
    wsSuperNova,
    wsSports,
    wsSmooth
};

// Every colour, size and style of an analog clock face. Writes that change a value call
// OnChange; AMPMColor and AMPMBorderColor are plain fields that notify nobody.
class TWatchAppearance : public TObject {
public:
    TWatchAppearance();
    ~TWatchAppearance() override;

    // Every value back to its default, with fresh fonts and an empty picture; no notification.
    void ResetDefaults();
    void Assign(const TWatchAppearance& Source);
    void Changed();

    int Size() const { return FSize; }
    void SetSize(int Value) { Store(FSize, Value); }
    TColor HourPointer() const { return FHourPointer; }
    void SetHourPointer(TColor Value) { Store(FHourPointer, Value); }
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor Value) { Store(FBackgroundColor, Value); }
    TColor MinutePointerShadow() const { return FMinutePointerShadow; }
    void SetMinutePointerShadow(TColor Value) { Store(FMinutePointerShadow, Value); }
    TColor BackgroundColorTo() const { return FBackgroundColorTo; }
    void SetBackgroundColorTo(TColor Value) { Store(FBackgroundColorTo, Value); }
    TColor HourPointerShadow() const { return FHourPointerShadow; }
    void SetHourPointerShadow(TColor Value) { Store(FHourPointerShadow, Value); }
    TColor SecondPointer() const { return FSecondPointer; }
    void SetSecondPointer(TColor Value) { Store(FSecondPointer, Value); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { Store(FBorderColor, Value); }
    TColor MinutePointer() const { return FMinutePointer; }
    void SetMinutePointer(TColor Value) { Store(FMinutePointer, Value); }
    TFont* HourFont() const { return FHourFont.get(); }
    void SetHourFont(const TFont& Value);
    TFont* AMPMFont() const { return FAMPMFont.get(); }
    void SetAMPMFont(const TFont& Value);
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(const TPicture& Value);
    TAMPMFrame AMPMFrame() const { return FAMPMFrame; }
    void SetAMPMFrame(TAMPMFrame Value) { Store(FAMPMFrame, Value); }
    TWatchShape Shape() const { return FWatchShape; }
    void SetShape(TWatchShape Value) { Store(FWatchShape, Value); }
    TPointerStyle PointerStyle() const { return FPointerStyle; }
    void SetPointerStyle(TPointerStyle Value) { Store(FPointerStyle, Value); }
    uint8_t HourPointerSize() const { return FHourPointerSize; }
    void SetHourPointerSize(uint8_t Value) { Store(FHourPointerSize, Value); }
    uint8_t SecondPointerSize() const { return FSecondPointerSize; }
    void SetSecondPointerSize(uint8_t Value) { Store(FSecondPointerSize, Value); }
    uint8_t MinutePointerSize() const { return FMinutePointerSize; }
    void SetMinutePointerSize(uint8_t Value) { Store(FMinutePointerSize, Value); }
    TColor HourColor() const { return FHourColor; }
    void SetHourColor(TColor Value) { Store(FHourColor, Value); }
    TColor MinuteColor() const { return FMinuteColor; }
    void SetMinuteColor(TColor Value) { Store(FMinuteColor, Value); }
    uint8_t CenterPointSize() const { return FCenterPointSize; }
    void SetCenterPointSize(uint8_t Value) { Store(FCenterPointSize, Value); }
    TColor CenterPointColor() const { return FCenterPointColor; }
    void SetCenterPointColor(TColor Value) { Store(FCenterPointColor, Value); }
    TColor CenterPointBorderColor() const { return FCenterPointBorderColor; }
    void SetCenterPointBorderColor(TColor Value) { Store(FCenterPointBorderColor, Value); }
    TWatchGradient BackgroundGradient() const { return FBackgroundGradient; }
    void SetBackgroundGradient(TWatchGradient Value) { Store(FBackgroundGradient, Value); }
    uint8_t HourMarkLength() const { return FHourMarkLength; }
    void SetHourMarkLength(uint8_t Value) { Store(FHourMarkLength, Value); }
    uint8_t HourMarkWidth() const { return FHourMarkWidth; }
    void SetHourMarkWidth(uint8_t Value) { Store(FHourMarkWidth, Value); }
    uint8_t MinuteMarkLength() const { return FMinuteMarkLength; }
    void SetMinuteMarkLength(uint8_t Value) { Store(FMinuteMarkLength, Value); }
    uint8_t MinuteMarkWidth() const { return FMinuteMarkWidth; }
    void SetMinuteMarkWidth(uint8_t Value) { Store(FMinuteMarkWidth, Value); }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value) { Store(FBorderWidth, Value); }
    TColor AMPMColor() const { return FAMPMColor; }
    void SetAMPMColor(TColor Value) { FAMPMColor = Value; }
    TColor AMPMBorderColor() const { return FAMPMBorderColor; }
    void SetAMPMBorderColor(TColor Value) { FAMPMBorderColor = Value; }
    TColor CenterPointOuterBorderColor() const { return FCenterPointOuterBorderColor; }
    void SetCenterPointOuterBorderColor(TColor Value) {
        Store(FCenterPointOuterBorderColor, Value);
    }
    TTickMarks TickMarks() const { return FTickMarks; }
    void SetTickMarks(TTickMarks Value) { Store(FTickMarks, Value); }
    THourMarkStyle HourMarkStyle() const { return FHourMarkStyle; }
    void SetHourMarkStyle(THourMarkStyle Value) { Store(FHourMarkStyle, Value); }

    TNotifyEvent OnChange;

private:
    template <typename T> void Store(T& Field, T Value) {
        if (StoreChanged(Field, Value))
            Changed();
    }

    int FSize = 0;
    TColor FHourPointer = clBlack;
    TColor FBackgroundColor = clWhite;
    TColor FMinutePointerShadow = clBtnShadow;
    TColor FBackgroundColorTo = clNone;
    TColor FHourPointerShadow = clBtnShadow;
    TColor FSecondPointer = clRed;
    TColor FBorderColor = clBlack;
    TColor FMinutePointer = clBlack;
    std::unique_ptr<TFont> FHourFont;
    std::unique_ptr<TFont> FAMPMFont;
    std::unique_ptr<TPicture> FPicture;
    TAMPMFrame FAMPMFrame = apRect;
    TWatchShape FWatchShape = wsCircle;
    TPointerStyle FPointerStyle = psLine;
    uint8_t FHourPointerSize = 4;
    uint8_t FSecondPointerSize = 1;
    uint8_t FMinutePointerSize = 3;
    TColor FHourColor = clBlack;
    TColor FMinuteColor = clGray;
    uint8_t FCenterPointSize = 4;
    TColor FCenterPointColor = clBlack;
    TColor FCenterPointBorderColor = clNone;
    TWatchGradient FBackgroundGradient = wgVertical;
    uint8_t FHourMarkLength = 0;
    uint8_t FHourMarkWidth = 1;
    uint8_t FMinuteMarkLength = 0;
    uint8_t FMinuteMarkWidth = 1;
    int FBorderWidth = 4;
    TColor FAMPMColor = clWhite;
    TColor FAMPMBorderColor = clBlack;
    TColor FCenterPointOuterBorderColor = clNone;
    TTickMarks FTickMarks = tmAll;
    THourMarkStyle FHourMarkStyle = hmsLine;
};

// The colours of a component style preset given to a clock face; tsCustom keeps the colours
// and only turns the centre ring and both fonts black.
void ApplyWatchComponentStyle(TWatchAppearance& Appearance, TULKStyle AStyle);
