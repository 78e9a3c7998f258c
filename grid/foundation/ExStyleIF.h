#pragma once

#include "platform/ui/Colors.h"

#include <string>
#include <string_view>

// Style vocabulary of the grid and the drop-down controls, and what they ask of the desktop.
// This platform answers as a current desktop with visual styles on and no office suite.

// The component style presets.
enum TULKStyle {
    tsOffice2003Blue,
    tsOffice2003Silver,
    tsOffice2003Olive,
    tsOffice2003Classic,
    tsOffice2007Luna,
    tsOffice2007Obsidian,
    tsWindowsXP,
    tsWhidbey,
    tsCustom,
    tsOffice2007Silver,
    tsWindowsVista,
    tsWindows7,
    tsTerminal,
    tsOffice2010Blue,
    tsOffice2010Silver,
    tsOffice2010Black
};

// The detected office colour scheme.
enum TOfficeTheme {
    ot2003Blue,
    ot2003Silver,
    ot2003Olive,
    ot2003Classic,
    ot2007Blue,
    ot2007Silver,
    ot2007Black,
    ot2010Blue,
    ot2010Silver,
    ot2010Black,
    otUnknown
};

struct TColorTone {
    TColor BrushColor = clNone;
    TColor BorderColor = clNone;
    TColor TextColor = clNone;
};

struct TColorTones {
    TColorTone Background;
    TColorTone Foreground;
    TColorTone Selected;
    TColorTone Hover;
    TColorTone Disabled;
};

// Applies a style preset to the control that implements it.
class IULKStyle {
public:
    virtual ~IULKStyle() = default;
    virtual void SetComponentStyle(TULKStyle AStyle) = 0;
};

// Applies a set of colour tones to the control that implements it.
class IULKTones {
public:
    virtual ~IULKTones() = default;
    virtual void SetColorTones(const TColorTones& ATones) = 0;
};

bool IsComCtl6();
bool IsWinXPOrLater();
bool IsVistaOrLater();
// "Segoe UI" on current desktops, "Tahoma" before them.
std::string GetDefaultFontName();

// 2 for the 2010 suite, 1 for 2007, 0 for none; there is none on this platform.
int GetOfficeVersion();
// The colour scheme of the active visual style: 1 "NormalColor", 2 "HomeStead", 3 "Metallic",
// 0 for others or without visual styles.
int GetXPColorScheme();
int XPColorSchemeFromName(std::string_view ColorSchemeName);
TOfficeTheme DetectOfficeTheme();
// The decision behind DetectOfficeTheme: the "Theme" values found for the 2010 and the 2007
// suite (-1 when missing) and the XP colour scheme to fall back on.
TOfficeTheme OfficeThemeFrom(int Theme2010, int Theme2007, int XPColorScheme);
