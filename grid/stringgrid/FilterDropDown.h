#pragma once

#include "platform/ui/Colors.h"
#include "platform/ui/Object.h"

#include <memory>

class TBitmap;
class TFont;

// Look of the filter drop-down list opened from the filter buttons of a fixed row.
class TFilterDropDown : public TObject {
public:
    TFilterDropDown();
    ~TFilterDropDown() override;

    // Copies colour, column width, font, size and both glyphs (not AutoSize); other sources
    // are ignored.
    void Assign(const TObject* Source);

    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* Value);
    // The button glyph, and the one of a column that has a condition; a change fires OnChange.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap* Value);
    TBitmap* GlyphActive() const { return FGlyphActive.get(); }
    void SetGlyphActive(const TBitmap* Value);

    bool AutoSize = false; // width from the longest value
    int Height = 150;
    int Width = 150;
    TColor Color = clWindow;
    bool ColumnWidth = false; // the list takes the width of the column
    TNotifyEvent OnChange;

private:
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TBitmap> FGlyph;
    std::unique_ptr<TBitmap> FGlyphActive;
};
