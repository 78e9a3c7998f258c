#include "grid/foundation/FilePicture.h"

#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/ui/PictureImage.h"

namespace {
// Any picture format the platform decodes; a file that holds none throws EFileError.
void LoadPicture(const std::string& FileName, TPictureImage& Picture) {
    if (!Picture.Load(ReadFileBytes(FileName)))
        throw EFileError("The file \"" + FileName + "\" is not a picture that can be shown.");
}
} // namespace

void TFilePicture::SetFilename(const std::string& Value) {
    FFilename = Value;
    if (Value.empty())
        return;
    TPictureImage picture;
    LoadPicture(Value, picture);
    FWidth = picture.Width();
    FHeight = picture.Height();
}

void TFilePicture::DrawPicture(TCanvas* Canvas, const TRect& r) const {
    if (FFilename.empty())
        return;
    TPictureImage picture;
    LoadPicture(FFilename, picture);
    picture.Draw(Canvas, r, true);
}
void TFilePicture::Assign(const TFilePicture& Source) {
    FFilename = Source.FFilename;
    FWidth = Source.FWidth;
    FHeight = Source.FHeight;
}
