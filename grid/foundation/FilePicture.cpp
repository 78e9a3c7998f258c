#include "grid/foundation/FilePicture.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

void TFilePicture::SetFilename(const std::string& Value) {
    FFilename = Value;
    if (Value.empty())
        return;
    TBitmap picture;
    picture.LoadFromFile(Value);
    FWidth = picture.Width();
    FHeight = picture.Height();
}

void TFilePicture::DrawPicture(TCanvas* Canvas, const TRect& r) const {
    if (FFilename.empty())
        return;
    TBitmap picture;
    picture.LoadFromFile(FFilename);
    Canvas->StretchDraw(r, &picture);
}

void TFilePicture::Assign(const TFilePicture& Source) {
    FFilename = Source.FFilename;
    FWidth = Source.FWidth;
    FHeight = Source.FHeight;
}
