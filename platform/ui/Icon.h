#pragma once

#include "platform/ui/Object.h"

#include <memory>
#include <string>
#include <string_view>

class TCanvas;
class TPictureImage;

// An icon kept as the bytes of its Windows ICO file, so it saves exactly as it was loaded.
class TIcon : public TObject {
public:
    TIcon();
    ~TIcon() override;

    // Takes an ICO file image. False, and the icon unchanged, when the bytes are no ICO file:
    // a directory that does not fit, an image whose length or offset reaches past the end, or
    // an image the decoder cannot read.
    bool LoadFromIcoBytes(std::string_view Bytes);
    // The ICO file image; empty for an empty icon.
    const std::string& SaveToIcoBytes() const { return FBytes; }

    bool Empty() const { return FBytes.empty(); }
    // The size of the icon's first image; 0 when empty.
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

    void Assign(const TIcon& Source);
    void Clear();

    // Draws the first image with its top-left corner at (X, Y); an empty icon draws nothing.
    void Draw(TCanvas* Canvas, int X, int Y) const;

private:
    std::string FBytes;
    std::unique_ptr<TPictureImage> FImage; // decoded FBytes; null when empty
    int FWidth = 0;
    int FHeight = 0;
};
