#include "platform/ui/Font.h"

#include <cmath>
#include <cstdlib>

TFont::TFont() = default;
TFont::~TFont() = default;

void TFont::Assign(const TFont& source) {
    if (&source == this)
        return;
    FName = source.FName;
    FHeight = source.FHeight;
    FColor = source.FColor;
    FStyle = source.FStyle;
    FPitch = source.FPitch;
    FCharset = source.FCharset;
    Changed();
}

bool TFont::SameAs(const TFont& other) const {
    return FName == other.FName && FHeight == other.FHeight && FColor == other.FColor &&
           FStyle == other.FStyle && FPitch == other.FPitch && FCharset == other.FCharset;
}

void TFont::SetName(const std::string& name) {
    if (name.empty() || name == FName)
        return;
    FName = name;
    Changed();
}

int TFont::Size() const {
    // The framework's MulDiv rounding: -Height * 72 / 96, half away from zero.
    return static_cast<int>(std::lround(-FHeight * 72.0 / PixelsPerInch));
}

void TFont::SetSize(int points) {
    SetHeight(static_cast<int>(-std::lround(points * PixelsPerInch / 72.0)));
}

void TFont::SetHeight(int pixels) {
    if (pixels == FHeight)
        return;
    FHeight = pixels;
    Changed();
}

void TFont::SetColor(TColor color) {
    if (color == FColor)
        return;
    FColor = color;
    Changed();
}

void TFont::SetStyle(TFontStyles style) {
    if (style == FStyle)
        return;
    FStyle = style;
    Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
    if (pitch == FPitch)
        return;
    FPitch = pitch;
    Changed();
}

void TFont::SetCharset(int charset) {
    if (charset == FCharset)
        return;
    FCharset = charset;
    Changed();
}

std::string TFont::FamilyName() const {
    return SubstituteFontName(FName);
}

void TFont::Changed() {
    if (OnChange)
        OnChange(this);
}
