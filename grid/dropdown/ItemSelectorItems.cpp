#include "grid/dropdown/ItemSelector.h"

#include "platform/ui/Font.h"
#include "platform/ui/Image.h"

TSelectorItem::TSelectorItem(TButtonCollectionBase* Collection)
    : TCollectionItemBase(Collection), FImage(std::make_unique<TPicture>()) {}

TSelectorItem::~TSelectorItem() = default;

void TSelectorItem::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TSelectorItem*>(Source);
    if (!source)
        return;
    SetCaption(source->FCaption);
    SetColor(source->FColor);
    SetImageIndex(source->FImageIndex);
    SetImage(source->FImage.get());
    FEnabled = source->FEnabled;
    FHint = source->FHint;
}

void TSelectorItem::SetCaption(const std::string& Value) {
    if (FCaption == Value)
        return;
    FCaption = Value;
    Changed();
}

void TSelectorItem::SetColor(TColor Value) {
    if (FColor == Value)
        return;
    FColor = Value;
    Changed();
}

void TSelectorItem::SetImageIndex(int Value) {
    if (FImageIndex == Value)
        return;
    FImageIndex = Value;
    Changed();
}

void TSelectorItem::SetImage(const TPicture* Value) {
    if (Value == FImage.get())
        return;
    if (!Value || Value->Empty())
        FImage->Clear();
    else
        FImage->Assign(const_cast<TPicture*>(Value)->Bitmap());
}

// --- appearance ----------------------------------------------------------------------------------

TItemAppearance::TItemAppearance() : FFont(std::make_unique<TFont>()) {
    FFont->SetName("Tahoma");
    SetColorStyle(scOffice2007);
}

TItemAppearance::~TItemAppearance() = default;

void TItemAppearance::SetFont(const TFont& Value) {
    FFont->Assign(Value);
}

void TItemAppearance::SetColorStyle(TSelectionColorStyle Value) {
    if (Value == FColorStyle)
        return;
    FColorStyle = Value;
    LoadPreset(Value);
}

void TItemAppearance::LoadPreset(TSelectionColorStyle Style) {
    struct TPreset {
        TColor Hot, HotTo, MirrorHot, MirrorHotTo, BorderTop, BorderBottom, Border, Edge, Selected,
            SelectedTo, MirrorSelected, MirrorSelectedTo;
    };
    static constexpr TPreset office2007{0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF,
                                        0x8DD7D3, 0xC3D9DF, 0xA6FFFB, 0x04B9F4, 0x15C1FB, 0x68E3F9};
    static constexpr TPreset vista{0xFDF8F1, 0xFCEFD5, clNone,   clNone,   0xFDFBF6, 0xFDF5E7,
                                   0xFDDE99, 0xFCEDCB, 0xFAEEDE, 0xFAE3B4, clNone,   clNone};
    static constexpr TPreset windows7{0xFCEBDC, 0xFCDBC1, clNone,   clNone,   0xFDF4EB, 0xFDEADB,
                                      0xCEA27D, 0xE0C5AE, 0xF9D8B9, 0xFBCAA2, clNone,   clNone};
    const TPreset* p = Style == scOffice2007     ? &office2007
                       : Style == scWindowsVista ? &vista
                       : Style == scWindows7     ? &windows7
                                                 : nullptr;
    if (!p)
        return;
    ColorHot = p->Hot;
    ColorHotTo = p->HotTo;
    ColorMirrorHot = p->MirrorHot;
    ColorMirrorHotTo = p->MirrorHotTo;
    BorderColorTop = p->BorderTop;
    BorderColorBottom = p->BorderBottom;
    BorderColor = p->Border;
    EdgeColor = p->Edge;
    ColorSelected = p->Selected;
    ColorSelectedTo = p->SelectedTo;
    ColorMirrorSelected = p->MirrorSelected;
    ColorMirrorSelectedTo = p->MirrorSelectedTo;
}

void TItemAppearance::Assign(const TItemAppearance& Source) {
    ColorMirrorHotTo = Source.ColorMirrorHotTo;
    BorderColor = Source.BorderColor;
    ColorMirrorHot = Source.ColorMirrorHot;
    ColorSelectedTo = Source.ColorSelectedTo;
    ColorSelected = Source.ColorSelected;
    EdgeColor = Source.EdgeColor;
    ColorHotTo = Source.ColorHotTo;
    BorderColorBottom = Source.BorderColorBottom;
    ColorHot = Source.ColorHot;
    BorderColorTop = Source.BorderColorTop;
    ColorMirrorSelectedTo = Source.ColorMirrorSelectedTo;
    ColorMirrorSelected = Source.ColorMirrorSelected;
    FFont->Assign(*Source.FFont);
    SetColorStyle(Source.FColorStyle);
    ColorSelectedText = Source.ColorSelectedText;
    ColorHotText = Source.ColorHotText;
    BorderColorHot = Source.BorderColorHot;
    BorderColorSelected = Source.BorderColorSelected;
}
