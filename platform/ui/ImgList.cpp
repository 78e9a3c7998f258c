#include "platform/ui/ImgList.h"

#include "platform/core/Exception.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <algorithm>

TChangeLink::~TChangeLink() {
    if (FSender)
        FSender->UnRegisterChanges(this);
}

TImageList::TImageList(TComponent* AOwner) : TComponent(AOwner) {}

TImageList::~TImageList() {
    for (TChangeLink* link : FLinks)
        link->FSender = nullptr;
}

void TImageList::SetWidth(int value) {
    Resize(value, FHeight);
}

void TImageList::SetHeight(int value) {
    Resize(FWidth, value);
}

void TImageList::Resize(int width, int height) {
    if (width < 1 || height < 1)
        throw Exception("Invalid image size");
    if (width == FWidth && height == FHeight)
        return;
    FWidth = width;
    FHeight = height;
    FImages.clear();
    Change();
}

int TImageList::Add(const TBitmap* Image, TColor MaskColor) {
    if (!Image || Image->Empty())
        return -1;
    // Drawing from a picture needs its canvas, which a const bitmap does not lend.
    TBitmap source;
    source.Assign(Image);
    const bool masked = MaskColor != clNone;
    const TColor mask = masked ? ColorToRGB(MaskColor) : clNone;
    const int first = Count();
    const int slices = std::max(1, source.Width() / FWidth);
    for (int slice = 0; slice < slices; ++slice) {
        auto picture = std::make_unique<TBitmap>(FWidth, FHeight);
        TCanvas* canvas = picture->Canvas();
        if (masked) {
            // What the source does not cover stays see-through.
            canvas->Brush()->SetStyle(bsSolid);
            canvas->Brush()->SetColor(mask);
            canvas->FillRect(Rect(0, 0, FWidth, FHeight));
        }
        const int width = std::min(FWidth, source.Width() - slice * FWidth);
        const int height = std::min(FHeight, source.Height());
        canvas->CopyRect(Rect(0, 0, width, height), source.Canvas(),
                         Bounds(slice * FWidth, 0, width, height));
        picture->SetTransparent(masked);
        picture->SetTransparentColor(mask);
        FImages.push_back(std::move(picture));
    }
    Change();
    return first;
}

void TImageList::Delete(int Index) {
    if (Index < 0 || Index >= Count())
        return;
    FImages.erase(FImages.begin() + Index);
    Change();
}

void TImageList::Clear() {
    if (FImages.empty())
        return;
    FImages.clear();
    Change();
}

void TImageList::Draw(TCanvas* Canvas, int X, int Y, int Index) const {
    if (!Canvas || Index < 0 || Index >= Count())
        return;
    Canvas->Draw(X, Y, FImages[static_cast<size_t>(Index)].get());
}

void TImageList::RegisterChanges(TChangeLink* Value) {
    if (!Value || Value->FSender == this)
        return;
    if (Value->FSender)
        Value->FSender->UnRegisterChanges(Value);
    Value->FSender = this;
    FLinks.push_back(Value);
}

void TImageList::UnRegisterChanges(TChangeLink* Value) {
    auto found = std::find(FLinks.begin(), FLinks.end(), Value);
    if (found == FLinks.end())
        return;
    FLinks.erase(found);
    Value->FSender = nullptr;
}

void TImageList::Change() {
    FireEvent(OnChange, this);
    // A handler may unregister links (or register new ones) on the way.
    const std::vector<TChangeLink*> links = FLinks;
    for (TChangeLink* link : links)
        if (std::find(FLinks.begin(), FLinks.end(), link) != FLinks.end())
            FireEvent(link->OnChange, this);
}
