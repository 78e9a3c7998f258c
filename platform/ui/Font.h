#pragma once

#include "platform/ui/Colors.h"
#include "platform/ui/Object.h"
#include "platform/ui/Set.h"

#include <memory>
#include <string>
#include <string_view>

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };

// A font as the design names it. Name stays the design's name (e.g. "Tahoma"); the family drawn
// is its substitute on this system (SubstituteFontName). Size is in points at 96 pixels per
// inch, so the pixel sizes stay as designed whatever the screen's resolution.
class TFont : public TObject {
public:
    TFont();
    ~TFont() override;

    void Assign(const TFont& source);
    bool SameAs(const TFont& other) const;

    const std::string& Name() const { return FName; }
    void SetName(const std::string& name);
    // Points; the framework's Size. Writing it sets Height to -Size * 96 / 72, rounded.
    int Size() const;
    void SetSize(int points);
    // Pixels; negative is the character height, positive the cell height.
    int Height() const { return FHeight; }
    void SetHeight(int pixels);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles style);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch pitch);
    int Charset() const { return FCharset; }
    void SetCharset(int charset);
    static constexpr int PixelsPerInch = 96;

    // The family this system draws for Name.
    std::string FamilyName() const;

    TNotifyEvent OnChange;

private:
    void Changed();

    std::string FName = "Tahoma";
    int FHeight = -11;
    TColor FColor = clWindowText;
    TFontStyles FStyle;
    TFontPitch FPitch = fpDefault;
    int FCharset = 1;
};

// The family drawn for a design font name: Windows font names map to metric-compatible or
// look-alike families present on Linux; unknown names are kept as they are.
std::string SubstituteFontName(std::string_view designName);
