#include "platform/ui/Icon.h"

#include "platform/ui/PictureImage.h"

#include <cstdint>

namespace {

constexpr size_t HeaderSize = 6;
constexpr size_t EntrySize = 16;

uint32_t LittleEndian(std::string_view Bytes, size_t At, int Count) {
    uint32_t value = 0;
    for (int i = Count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<uint8_t>(Bytes[At + static_cast<size_t>(i)]);
    return value;
}

// The file's directory: reserved 0, type 1 (icon), at least one image, and every image's length
// and offset inside the file, past the directory.
bool SoundDirectory(std::string_view Bytes) {
    if (Bytes.size() < HeaderSize || LittleEndian(Bytes, 0, 2) != 0 ||
        LittleEndian(Bytes, 2, 2) != 1)
        return false;
    const size_t count = LittleEndian(Bytes, 4, 2);
    const size_t directoryEnd = HeaderSize + count * EntrySize;
    if (count == 0 || directoryEnd > Bytes.size())
        return false;
    for (size_t i = 0; i < count; ++i) {
        const size_t entry = HeaderSize + i * EntrySize;
        const uint64_t length = LittleEndian(Bytes, entry + 8, 4);
        const uint64_t offset = LittleEndian(Bytes, entry + 12, 4);
        if (length == 0 || offset < directoryEnd || offset + length > Bytes.size())
            return false;
    }
    return true;
}

} // namespace

TIcon::TIcon() = default;

TIcon::~TIcon() = default;

bool TIcon::LoadFromIcoBytes(std::string_view Bytes) {
    if (!SoundDirectory(Bytes))
        return false;
    auto image = std::make_unique<TPictureImage>();
    if (!image->Load(Bytes) || image->Format() != TPictureFormat::Icon)
        return false;
    FBytes.assign(Bytes);
    FWidth = image->Width();
    FHeight = image->Height();
    FImage = std::move(image);
    return true;
}

void TIcon::Assign(const TIcon& Source) {
    if (&Source == this)
        return;
    if (Source.Empty())
        Clear();
    else
        LoadFromIcoBytes(Source.FBytes);
}

void TIcon::Clear() {
    FBytes.clear();
    FWidth = 0;
    FHeight = 0;
    FImage.reset();
}

void TIcon::Draw(TCanvas* Canvas, int X, int Y) const {
    if (FImage)
        FImage->Draw(Canvas, TRect{X, Y, X + FWidth, Y + FHeight}, false);
}
