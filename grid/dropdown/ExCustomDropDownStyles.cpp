// Style presets, colour tones and selection colours of a drop-down edit.
#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/DropDownStylePresets.h"
#include "grid/dropdown/ExCustomDropDown.h"
#include "grid/foundation/ExDrawing.h"
#include "grid/stringgrid/DropDownUtil.h"
#include "grid/stringgrid/ExButtonAppearance.h"
#include "grid/stringgrid/FooterAppearance.h"
#include "grid/stringgrid/HeaderAppearance.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

void TExCustomDropDown::SetComponentStyle(TULKStyle AStyle) {
    FULKStyle = AStyle;
    TDropDownPopupColors popup{};
    if (DropDownPopupPreset(AStyle, popup)) {
        FDropDownColor = popup.DropDownColor;
        FDropDownColorTo = popup.DropDownColorTo;
        if (popup.SetsBorderColor)
            FDropDownBorderColor = popup.DropDownBorderColor;
        FDropDownHeader->SetColor(popup.HeaderColor);
        FDropDownHeader->SetColorTo(popup.HeaderColorTo);
        FDropDownHeader->Font()->SetColor(popup.FontColor);
        FDropDownHeader->SetBorderColor(popup.HeaderBorderColor);
        FDropDownFooter->SetColor(popup.FooterColor);
        FDropDownFooter->SetColorTo(popup.FooterColorTo);
        FDropDownFooter->Font()->SetColor(popup.FontColor);
        FDropDownFooter->SetBorderColor(popup.FooterBorderColor);
    }
    TDropDownButtonColors button{};
    if (DropDownButtonPreset(AStyle, button)) {
        TExButtonAppearance& a = *FButtonAppearance;
        a.SetColor(button.Color);
        a.SetColorTo(button.ColorTo);
        a.SetBorderColor(button.BorderColor);
        a.SetColorHot(button.ColorHot);
        a.SetColorHotTo(button.ColorHotTo);
        a.SetBorderColorHot(button.BorderColorHot);
        a.SetColorDown(button.ColorDown);
        a.SetColorDownTo(button.ColorDownTo);
        a.SetBorderColorDown(button.BorderColorDown);
        a.SetColorDisabled(button.ColorDisabled);
        a.SetColorDisabledTo(button.ColorDisabledTo);
        a.SetColorChecked(button.ColorChecked);
        a.SetColorCheckedTo(button.ColorCheckedTo);
        a.SetBorderColorChecked(button.BorderColorChecked);
    }
}

void TExCustomDropDown::SetColorTones(const TColorTones& ATones) {
    if (FButton) {
        FButton->SetButtonColor(ATones.Background.BrushColor);
        FButton->SetButtonColorHot(ATones.Hover.BrushColor);
        FButton->SetButtonColorDown(ATones.Selected.BrushColor);
        FButton->SetButtonBorderColor(ATones.Background.BorderColor);
    }
    SetBorderColor(ATones.Background.BorderColor);
}

void TExCustomDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
    FSelectionColorStyle = Value;
    switch (Value) {
    case scOffice2007:
        FSelectionColor = 0xD7FFFD;
        FSelectionColorTo = 0x58D4FC;
        break;
    case scWindowsVista:
        FSelectionColor = 0xFDF8F1;
        FSelectionColorTo = 0xFCEFD5;
        break;
    case scWindows7:
        FSelectionColor = 0xFCEBDC;
        FSelectionColorTo = 0xFCDBC1;
        break;
    case scCustom:
        break;
    }
}

void TExCustomDropDown::DrawSelectionBackground(TCanvas* Canvas, const TRect& R, TColor BackColor,
                                                uint8_t Position) {
    struct Frame {
        TColor Mirror, MirrorTo, UpperInner, LowerInner, Border, Corner;
    };
    Frame frame{};
    switch (FSelectionColorStyle) {
    case scCustom:
        Canvas->Brush()->SetColor(FSelectionColor);
        Canvas->Pen()->SetColor(FSelectionColor);
        Canvas->FillRect(R);
        return;
    case scOffice2007:
        frame = {0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF};
        break;
    case scWindowsVista:
        frame = {clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB};
        break;
    case scWindows7:
        frame = {clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE};
        break;
    }
    DrawSelectionFrame(Canvas, FSelectionColor, FSelectionColorTo, frame.Mirror, frame.MirrorTo,
                       frame.UpperInner, frame.LowerInner, frame.Border, frame.Corner, BackColor, R,
                       Position);
}

void TExCustomDropDown::DrawGradientRect(TCanvas* Canvas, TColor FromColor, TColor ToColor,
                                         int Steps, const TRect& R, TGradientDirection Direction) {
    DrawGradientBands(Canvas, FromColor, ToColor, Steps, R, Direction == gdHorizontal);
}
