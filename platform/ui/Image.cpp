#include "platform/ui/Image.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

TBitmap* TPicture::Bitmap() {
    if (!FBitmap)
        FBitmap = std::make_unique<TBitmap>();
    return FBitmap.get();
}

bool TPicture::Empty() const {
    return !FBitmap || FBitmap->Empty();
}

int TPicture::Width() const {
    return Empty() ? 0 : FBitmap->Width();
}

int TPicture::Height() const {
    return Empty() ? 0 : FBitmap->Height();
}

void TPicture::LoadFromFile(const std::string& path) {
    auto loaded = std::make_unique<TBitmap>();
    loaded->LoadFromFile(path);
    FBitmap = std::move(loaded);
    Changed();
}

void TPicture::Assign(const TBitmap* source) {
    if (source == nullptr) {
        FBitmap.reset();
    } else {
        Bitmap()->Assign(source);
    }
    Changed();
}

void TPicture::Changed() {
    if (OnChange)
        OnChange(this);
}

TImage::TImage(TComponent* AOwner)
    : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>()) {
    SetBounds(0, 0, 105, 105);
    FPicture->OnChange = [this](TObject*) { PictureChanged(); };
}

TImage::~TImage() {
    FPicture->OnChange = nullptr;
}

void TImage::SetStretch(bool value) {
    FStretch = value;
    Invalidate();
}

void TImage::SetProportional(bool value) {
    FProportional = value;
    Invalidate();
}

void TImage::SetCenter(bool value) {
    FCenter = value;
    Invalidate();
}

void TImage::SetTransparent(bool value) {
    FTransparent = value;
    Invalidate();
}

void TImage::SetAutoSize(bool value) {
    FAutoSize = value;
    PictureChanged();
}

void TImage::PictureChanged() {
    if (FAutoSize && !FPicture->Empty())
        SetBounds(Left(), Top(), FPicture->Width(), FPicture->Height());
    Invalidate();
}

TRect TImage::DestRect() const {
    int w = FPicture->Width();
    int h = FPicture->Height();
    const int cw = ClientWidth();
    const int ch = ClientHeight();
    if (FStretch || (FProportional && (w > cw || h > ch))) {
        if (FProportional && w > 0 && h > 0) {
            // The longer side fills the control; the other follows the picture's ratio.
            const double aspect = static_cast<double>(w) / h;
            if (w > h) {
                w = cw;
                h = static_cast<int>(cw / aspect);
                if (h > ch) {
                    h = ch;
                    w = static_cast<int>(ch * aspect);
                }
            } else {
                h = ch;
                w = static_cast<int>(ch * aspect);
                if (w > cw) {
                    w = cw;
                    h = static_cast<int>(cw / aspect);
                }
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    TRect r = Rect(0, 0, w, h);
    if (FCenter)
        OffsetRect(r, (cw - w) / 2, (ch - h) / 2);
    return r;
}

void TImage::Paint() {
    if (FPicture->Empty())
        return;
    TBitmap* bitmap = FPicture->Bitmap();
    bitmap->SetTransparent(FTransparent);
    const TRect dest = DestRect();
    if (dest.Width() == bitmap->Width() && dest.Height() == bitmap->Height())
        Canvas()->Draw(dest.Left, dest.Top, bitmap);
    else
        Canvas()->StretchDraw(dest, bitmap);
}
