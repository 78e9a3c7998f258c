#pragma once

#include "platform/ui/Object.h"
#include "platform/ui/Types.h"

#include <string>

class TCanvas;

// A picture that stays on disk (BMP, PNG, JPEG, GIF or ICO): only its name and size are kept,
// and the file is read again on every draw.
class TFilePicture : public TObject {
public:
    const std::string& Filename() const { return FFilename; }
    // Reads the file once for its size. A file that cannot be loaded or is no picture throws
    // EFileError; the name is then kept but Width and Height keep their old values.
    void SetFilename(const std::string& Value);
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

    // Stretches the picture into r; nothing when there is no file name.
    void DrawPicture(TCanvas* Canvas, const TRect& r) const;
    // Copies the name and size without loading.
    void Assign(const TFilePicture& Source);

private:
    std::string FFilename;
    int FWidth = 0;
    int FHeight = 0;
};
