#pragma once

// Readers of the picture file structures that the image decoders do not report, for the .cpp
// files of platform/ui. They read only inside the bytes given.

#include "platform/ui/PictureImage.h"

#include <string_view>
#include <vector>

namespace PictureFormats {

// The animation's screen size and its frames in file order, from the GIF block structure.
// Reading stops at the trailer, at an unknown block or where the data ends.
struct GifLayout {
    TSize Screen;
    std::vector<TPictureFrame> Frames;
};
GifLayout ReadGifLayout(std::string_view Bytes);

// The size a Windows metafile states in its header (placeable WMF or EMF), in pixels at 96 dots
// per inch; {0, 0} for a metafile that states none. False when the bytes are no metafile.
bool ReadMetafileSize(std::string_view Bytes, TSize& Size);

} // namespace PictureFormats
