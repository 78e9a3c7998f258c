#include "grid/dropdown/WatchAppearance.h"

#include "platform/ui/Font.h"
#include "platform/ui/Image.h"

#include <iterator>

namespace {

std::unique_ptr<TFont> DefaultFont(int Size) {
    auto font = std::make_unique<TFont>();
    font->SetName("Tahoma");
    font->SetSize(Size);
    return font;
}

} // namespace

TWatchAppearance::TWatchAppearance() {
    ResetDefaults();
}

TWatchAppearance::~TWatchAppearance() = default;

void TWatchAppearance::ResetDefaults() {
    FSize = 0;
    FHourPointer = clBlack;
    FBackgroundColor = clWhite;
    FMinutePointerShadow = clBtnShadow;
    FBackgroundColorTo = clNone;
    FHourPointerShadow = clBtnShadow;
    FSecondPointer = clRed;
    FBorderColor = clBlack;
    FMinutePointer = clBlack;
    FHourFont = DefaultFont(8);
    FAMPMFont = DefaultFont(10);
    FPicture = std::make_unique<TPicture>();
    FPicture->OnChange = [this](TObject*) { Changed(); };
    FAMPMFrame = apRect;
    FWatchShape = wsCircle;
    FPointerStyle = psLine;
    FHourPointerSize = 4;
    FSecondPointerSize = 1;
    FMinutePointerSize = 3;
    FHourColor = clBlack;
    FMinuteColor = clGray;
    FCenterPointSize = 4;
    FCenterPointColor = clBlack;
    FCenterPointBorderColor = clNone;
    FBackgroundGradient = wgVertical;
    FHourMarkLength = 0;
    FHourMarkWidth = 1;
    FMinuteMarkLength = 0;
    FMinuteMarkWidth = 1;
    FBorderWidth = 4;
    FAMPMColor = clWhite;
    FAMPMBorderColor = clBlack;
    FCenterPointOuterBorderColor = clNone;
    FTickMarks = tmAll;
    FHourMarkStyle = hmsLine;
}

void TWatchAppearance::Changed() {
    FireEvent(OnChange, static_cast<TObject*>(this));
}

void TWatchAppearance::SetHourFont(const TFont& Value) {
    FHourFont->Assign(Value);
    Changed();
}

void TWatchAppearance::SetAMPMFont(const TFont& Value) {
    FAMPMFont->Assign(Value);
    Changed();
}

void TWatchAppearance::SetPicture(const TPicture& Value) {
    // The picture reports its own change.
    FPicture->Assign(Value.Empty() ? nullptr : const_cast<TPicture&>(Value).Bitmap());
}

void TWatchAppearance::Assign(const TWatchAppearance& Source) {
    if (&Source == this)
        return;
    FSize = Source.FSize;
    FHourPointer = Source.FHourPointer;
    FBackgroundColor = Source.FBackgroundColor;
    FMinutePointerShadow = Source.FMinutePointerShadow;
    FBackgroundColorTo = Source.FBackgroundColorTo;
    FHourPointerShadow = Source.FHourPointerShadow;
    FSecondPointer = Source.FSecondPointer;
    FBorderColor = Source.FBorderColor;
    FMinutePointer = Source.FMinutePointer;
    SetHourFont(*Source.FHourFont);
    SetAMPMFont(*Source.FAMPMFont);
    SetPicture(*Source.FPicture);
    FAMPMFrame = Source.FAMPMFrame;
    FWatchShape = Source.FWatchShape;
    FPointerStyle = Source.FPointerStyle;
    FHourPointerSize = Source.FHourPointerSize;
    FSecondPointerSize = Source.FSecondPointerSize;
    FMinutePointerSize = Source.FMinutePointerSize;
    FHourColor = Source.FHourColor;
    FMinuteColor = Source.FMinuteColor;
    FCenterPointSize = Source.FCenterPointSize;
    FCenterPointColor = Source.FCenterPointColor;
    FCenterPointBorderColor = Source.FCenterPointBorderColor;
    FBackgroundGradient = Source.FBackgroundGradient;
    FHourMarkLength = Source.FHourMarkLength;
    FHourMarkWidth = Source.FHourMarkWidth;
    FMinuteMarkLength = Source.FMinuteMarkLength;
    FMinuteMarkWidth = Source.FMinuteMarkWidth;
    FBorderWidth = Source.FBorderWidth;
    FAMPMColor = Source.FAMPMColor;
    FAMPMBorderColor = Source.FAMPMBorderColor;
    SetCenterPointOuterBorderColor(Source.FCenterPointOuterBorderColor);
    SetTickMarks(Source.FTickMarks);
    SetHourMarkStyle(Source.FHourMarkStyle);
}

namespace {

struct TWatchStyleColors {
    TColor AMPMBorder, AMPM, Background, BackgroundTo, Border, CenterBorder, Center, Hands, Shadows,
        Second;
};

// Indexed by TULKStyle; tsCustom's row is never used.
constexpr TWatchStyleColors WatchStyleColors[] = {
    {0x962D00, 0xD68759, 0xFFD2AF, 0xFFD2AF, 0xD68759, 0xD68759, 0xD68759, 0xD68759, clWhite,
     clWhite},
    {0x962D00, 0xBDA4A5, 0xE6D8D8, 0xE6D8D8, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, clWhite,
     clWhite},
    {0x962D00, 0x82C0AF, 0xB9EAE1, 0xB9EAE1, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0x82C0AF, clWhite,
     clWhite},
    {0x962D00, 0x808080, 0xF2F2F2, 0xF2F2F2, 0x808080, 0x808080, 0x808080, 0x808080, clWhite,
     0x808080},
    {0xF0DED0, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0x723708, clWhite,
     0x723708},
    {0xF2F1F0, 0x5C534C, 0x5C534C, 0x5C534C, 0xF2F1F0, 0xFFEFE3, 0xFFEFE3, 0xF2F1F0, clWhite,
     0xF2F1F0},
    {clBlack, clBtnFace, clBtnFace, clBtnFace, clBlack, clBlack, clBlack, clBlack, clWhite,
     clBlack},
    {0x7E9898, 0xF5F9FA, 0xF5F9FA, 0xF5F9FA, 0x7E9898, 0x7E9898, 0x7E9898, 0x7E9898, clWhite,
     0x7E9898},
    {}, // tsCustom
    {0xE8E0DB, 0xF8F4F1, 0xF8F4F1, 0xF8F4F1, 0xE8E0DB, 0xE8E0DB, 0x74706F, 0x74706F, clWhite,
     0x74706F},
    {0xFEDF9A, 0xFFFDF9, 0xFFFDF9, 0xFFFAF0, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, clWhite,
     0xFEDF9A},
    {0xFBD6B8, 0xFDFBFA, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, clWhite,
     0xFBD6B8},
    {0x808080, clBtnFace, clBtnFace, clBtnFace, 0x808080, 0x808080, 0x808080, 0x808080, clWhite,
     0x808080},
    {0xC7B29F, 0xF0DAC7, 0xFDF6EF, 0xFDF6EF, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xC7B29F, clWhite,
     0xC7B29F},
    {0xD2CDC8, 0xEDE5E0, clWhite, clWhite, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xC0C0C0,
     0xD2CDC8},
    {0x6D6D6D, 0x919191, 0xBFBFBF, 0xBFBFBF, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, clWhite,
     0x6D6D6D},
};

void SetFontColor(TWatchAppearance& Appearance, TFont* Font, TColor Color) {
    TFont font;
    font.Assign(*Font);
    font.SetColor(Color);
    if (Font == Appearance.HourFont())
        Appearance.SetHourFont(font);
    else
        Appearance.SetAMPMFont(font);
}

} // namespace

void ApplyWatchComponentStyle(TWatchAppearance& Appearance, TULKStyle AStyle) {
    Appearance.SetCenterPointOuterBorderColor(clBlack);
    SetFontColor(Appearance, Appearance.HourFont(), clBlack);
    SetFontColor(Appearance, Appearance.AMPMFont(), clBlack);
    if (AStyle == tsCustom || AStyle < 0 ||
        static_cast<size_t>(AStyle) >= std::size(WatchStyleColors))
        return;
    const bool obsidian = AStyle == tsOffice2007Obsidian;
    if (obsidian)
        SetFontColor(Appearance, Appearance.AMPMFont(), 0xF2F1F0);
    const TWatchStyleColors& c = WatchStyleColors[AStyle];
    Appearance.SetAMPMBorderColor(c.AMPMBorder);
    Appearance.SetAMPMColor(c.AMPM);
    Appearance.SetBackgroundColor(c.Background);
    Appearance.SetBackgroundColorTo(c.BackgroundTo);
    Appearance.SetBorderColor(c.Border);
    Appearance.SetCenterPointBorderColor(c.CenterBorder);
    Appearance.SetCenterPointColor(c.Center);
    Appearance.SetHourColor(c.Hands);
    Appearance.SetMinuteColor(c.Hands);
    Appearance.SetHourPointer(c.Hands);
    Appearance.SetMinutePointer(c.Hands);
    Appearance.SetHourPointerShadow(c.Shadows);
    Appearance.SetMinutePointerShadow(c.Shadows);
    Appearance.SetSecondPointer(c.Second);
    if (obsidian)
        SetFontColor(Appearance, Appearance.HourFont(), 0xF2F1F0);
}
