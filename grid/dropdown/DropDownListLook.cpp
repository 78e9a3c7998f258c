#include "grid/dropdown/DropDownListLook.h"

#include "platform/ui/Font.h"

TDropDownListLook::TDropDownListLook(TColor LineColor, TColor FixedLineColor)
    : FLineColor(LineColor), FFixedLineColor(FixedLineColor),
      FHeaderFont(std::make_unique<TFont>()) {}

TDropDownListLook::~TDropDownListLook() = default;

void TDropDownListLook::SetHeaderFont(const TFont& Value) {
    FHeaderFont->Assign(Value);
}

void TDropDownListLook::AssignListLook(const TDropDownListLook& Source) {
    FLineColor = Source.FLineColor;
    FFixedLineColor = Source.FFixedLineColor;
    FHeaderColor = Source.FHeaderColor;
    FHeaderColorTo = Source.FHeaderColorTo;
    FHeaderHeight = Source.FHeaderHeight;
    FHeaderFont->Assign(*Source.FHeaderFont);
}
