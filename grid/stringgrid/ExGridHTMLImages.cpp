// Cell graphics in the HTML export: each picture is written as a JPEG file in an "images"
// folder beside the HTML file and referenced from its cell.
#include "grid/foundation/IntList.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/HTMLSettings.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/core/IntegerConversion.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/JpegWriter.h"

namespace {

// A file name as the path of a file URL: bytes outside the unreserved set are percent-encoded,
// so blanks, quotes, "#" and "%" in folder names neither end the attribute nor the path.
std::string FileUrlPath(const std::string& name) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~' ||
                           c == '/' || c == ':';
        if (plain) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

std::string ImageTag(const std::string& fileName) {
    return "<img src= \"file://" + FileUrlPath(fileName) + "\">";
}

const TBitmap* PictureOf(const TCellGraphic& graphic) {
    const TBitmap* bitmap = nullptr;
    if (graphic.CellType == ctBitmap)
        bitmap = dynamic_cast<const TBitmap*>(graphic.CellBitmap);
    else if (graphic.CellType == ctPicture || graphic.CellType == ctInterface)
        if (auto* picture = dynamic_cast<TPicture*>(graphic.CellBitmap);
            picture && !picture->Empty())
            bitmap = picture->Bitmap();
    return bitmap && !bitmap->Empty() ? bitmap : nullptr;
}

} // namespace

std::string TExStringGrid::ExportCellImage(const TBitmap* Picture, int Number,
                                           const std::string& dir) {
    const std::string folder = dir + "images";
    if (!DirectoryExists(folder) && !ForceDirectories(folder))
        throw Exception("Cannot create " + folder);
    const std::string fileName = folder + "/img" + std::to_string(Number) + ".jpg";
    SaveBitmapAsJpeg(*Picture, fileName);
    return fileName;
}

std::string TExStringGrid::ExportCellImage(TCellGraphic* Graphic, int Number,
                                           const std::string& dir) {
    const TBitmap* picture = Graphic ? PictureOf(*Graphic) : nullptr;
    return picture ? ExportCellImage(picture, Number, dir) : std::string();
}

std::string TExStringGrid::HTMLCellContent(int RealCol, int ARow, const std::string& Text,
                                           const std::string& dir, int& ImageNumber) {
    TCellGraphic* graphic = FHTMLSettings->ExportImages ? GetCellGraphic(RealCol, ARow) : nullptr;
    if (!graphic)
        return Text;
    if (graphic->CellType == ctNode)
        return "+" + Text;
    // Without a folder (the clipboard's HTML) a picture has nowhere to go that a reader could
    // find: the cells keep their texts.
    if (dir.empty())
        return Text;
    const auto* images = dynamic_cast<const TImageList*>(GetGridImageList(RealCol, ARow));
    auto exportListImage = [&](int index) {
        TBitmap picture(images->Width(), images->Height());
        images->Draw(picture.Canvas(), 0, 0, index);
        return ImageTag(ExportCellImage(&picture, ImageNumber++, dir));
    };
    auto inList = [&](int index) { return images && index >= 0 && index < images->Count(); };
    switch (graphic->CellType) {
    case ctBitmap:
    case ctPicture:
    case ctInterface: {
        const std::string file = ExportCellImage(graphic, ImageNumber, dir);
        if (file.empty())
            return Text;
        ++ImageNumber;
        return Text + ImageTag(file);
    }
    case ctImageList:
        return inList(graphic->CellIndex) ? exportListImage(graphic->CellIndex) + Text : Text;
    case ctDataImage: {
        // The text is the image's index and is not written itself.
        std::string raw;
        SaveCell(RealCol, ARow, raw);
        int32_t index = -1;
        return TryStrToInt(raw, index) && inList(index) ? exportListImage(index) : std::string();
    }
    case ctImages: {
        const auto* indexes = dynamic_cast<const TIntList*>(graphic->CellBitmap);
        if (!images || !indexes)
            return Text;
        std::string tags;
        for (int i = 0; i < indexes->Count(); ++i)
            if (inList(indexes->Items(i)))
                tags += exportListImage(indexes->Items(i));
        return tags + Text;
    }
    default:
        return Text;
    }
}
