#pragma once

#include "platform/ui/Colors.h"

// The colour presets and colour schemes of the grid's looks. Ordinals are stored: append only.

// The grid's presets; a component style (TULKStyle) applies the preset of the same ordinal.
enum TExGridStyle {
    gsOffice2003Blue,
    gsOffice2003Silver,
    gsOffice2003Olive,
    gsOffice2003Classic,
    gsOffice2007Luna,
    gsOffice2007Obsidian,
    gsWindowsXP,
    gsWhidbey,
    gsCustom,
    gsOffice2007Silver,
    gsWindowsVista,
    gsWindows7,
    gsTerminal,
    gsOffice2010Blue,
    gsOffice2010Silver,
    gsOffice2010Black
};

enum TXPColorScheme { xpNone, xpBlue, xpGreen, xpGray, vistaAero };

// The five colours of a fixed-cell gradient state (under the mouse, pressed).
struct TGradientColours {
    TColor From, To, MirrorFrom, MirrorTo, Border;
};

// The grid keeps its gradient colours as RGB, with clNone kept as "no colour".
inline TColor GradientColor(TColor Value) {
    return Value == clNone ? clNone : ColorToRGB(Value);
}
