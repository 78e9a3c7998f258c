// Looks, style presets and colour tones.
#include "grid/stringgrid/ExGrid.h"

void TExStringGrid::SetLook(TGridLook Value) {
    FLook = Value;
}

void TExStringGrid::SetStyle(int AStyle) {}

void TExStringGrid::SetComponentStyle(TULKStyle AStyle) {
    Style = AStyle;
    SetStyle(AStyle);
}

void TExStringGrid::SetColorTones(const TColorTones& ATones) {
    Tones = ATones;
}

void TExStringGrid::AdaptToOfficeTheme() {}

void TExStringGrid::ApplyVCLStyleColors() {}

void TExStringGrid::PaintDesignHelper() {}

void TExStringGrid::DesignHelperClick(int X, int Y) {}
