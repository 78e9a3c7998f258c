#pragma once

#include "platform/ui/Colors.h"

#include <memory>

class TFont;

// The header and line looks of a column list: kept by the drop-downs that show one and by the
// lists in their popups, which take them from their drop-down.
class TDropDownListLook {
public:
    TDropDownListLook(TColor LineColor, TColor FixedLineColor);
    virtual ~TDropDownListLook();

    TColor LineColor() const { return FLineColor; }
    void SetLineColor(TColor Value) { FLineColor = Value; }
    TColor FixedLineColor() const { return FFixedLineColor; }
    void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    void SetHeaderFont(const TFont& Value);

protected:
    // Lines, header colours, height and font of Source.
    void AssignListLook(const TDropDownListLook& Source);

    TColor FHeaderColor = 0xFFFFFF;
    TColor FHeaderColorTo = 0x808080;
    TColor FLineColor;
    TColor FFixedLineColor;
    int FHeaderHeight = 25;
    std::unique_ptr<TFont> FHeaderFont;
};
