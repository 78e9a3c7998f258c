#include "grid/stringgrid/FilterDropDown.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Font.h"

TFilterDropDown::TFilterDropDown()
    : FFont(std::make_unique<TFont>()), FGlyph(std::make_unique<TBitmap>()),
      FGlyphActive(std::make_unique<TBitmap>()) {}

TFilterDropDown::~TFilterDropDown() = default;

void TFilterDropDown::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TFilterDropDown*>(Source);
    if (!source || source == this)
        return;
    Color = source->Color;
    ColumnWidth = source->ColumnWidth;
    FFont->Assign(*source->FFont);
    Height = source->Height;
    Width = source->Width;
    SetGlyph(source->FGlyph.get());
    SetGlyphActive(source->FGlyphActive.get());
}

void TFilterDropDown::SetFont(const TFont* Value) {
    if (Value)
        FFont->Assign(*Value);
}

void TFilterDropDown::SetGlyph(const TBitmap* Value) {
    FGlyph->Assign(Value);
    FireEvent(OnChange, this);
}

void TFilterDropDown::SetGlyphActive(const TBitmap* Value) {
    FGlyphActive->Assign(Value);
    FireEvent(OnChange, this);
}
