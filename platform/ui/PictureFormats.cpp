#include "platform/ui/internal/PictureFormats.h"

#include <cstdint>

namespace PictureFormats {

namespace {

// Little-endian reads that answer false instead of reading past the data.
class ByteReader {
public:
    explicit ByteReader(std::string_view Bytes) : FBytes(Bytes) {}
    bool Has(size_t At, size_t Count) const {
        return At <= FBytes.size() && Count <= FBytes.size() - At;
    }
    uint8_t U8(size_t At) const { return static_cast<uint8_t>(FBytes[At]); }
    uint16_t U16(size_t At) const { return static_cast<uint16_t>(U8(At) | (U8(At + 1) << 8)); }
    uint32_t U32(size_t At) const {
        return static_cast<uint32_t>(U16(At)) | (static_cast<uint32_t>(U16(At + 2)) << 16);
    }
    int32_t I32(size_t At) const { return static_cast<int32_t>(U32(At)); }
    int16_t I16(size_t At) const { return static_cast<int16_t>(U16(At)); }
    size_t Size() const { return FBytes.size(); }

private:
    std::string_view FBytes;
};

// Skips a chain of data sub-blocks; false when the data ends before its terminator.
bool SkipSubBlocks(const ByteReader& data, size_t& pos) {
    while (data.Has(pos, 1)) {
        uint8_t length = data.U8(pos++);
        if (length == 0)
            return true;
        pos += length;
    }
    return false;
}

size_t ColorTableSize(uint8_t packed) {
    return (packed & 0x80) ? 3u * (2u << (packed & 7)) : 0;
}

int Clamp16k(long long v) {
    return static_cast<int>(v < 0 ? 0 : (v > 16384 ? 16384 : v));
}

} // namespace

GifLayout ReadGifLayout(std::string_view Bytes) {
    GifLayout layout;
    ByteReader data(Bytes);
    if (!data.Has(0, 13) || Bytes.substr(0, 4) != "GIF8")
        return layout;
    layout.Screen = {data.U16(6), data.U16(8)};
    size_t pos = 13 + ColorTableSize(data.U8(10));
    int pendingDelay = 0;
    while (data.Has(pos, 1)) {
        uint8_t block = data.U8(pos);
        if (block == 0x21) {
            if (!data.Has(pos, 2))
                break;
            uint8_t label = data.U8(pos + 1);
            pos += 2;
            if (label == 0xF9 && data.Has(pos, 5) && data.U8(pos) == 4)
                pendingDelay = data.U16(pos + 2);
            if (!SkipSubBlocks(data, pos))
                break;
        } else if (block == 0x2C) {
            if (!data.Has(pos, 10))
                break;
            TPictureFrame frame{data.U16(pos + 1), data.U16(pos + 3), data.U16(pos + 5),
                                data.U16(pos + 7), pendingDelay};
            uint8_t packed = data.U8(pos + 9);
            pos += 10 + ColorTableSize(packed) + 1; // the LZW code size byte
            layout.Frames.push_back(frame);
            pendingDelay = 0;
            if (!SkipSubBlocks(data, pos))
                break;
        } else {
            break; // the trailer, or a block this reader does not know
        }
    }
    return layout;
}

bool ReadMetafileSize(std::string_view Bytes, TSize& Size) {
    ByteReader data(Bytes);
    Size = {};
    // Placeable WMF: a bounding box in metafile units and the units per inch.
    if (data.Has(0, 22) && data.U32(0) == 0x9AC6CDD7u) {
        int inch = data.U16(14);
        if (inch > 0) {
            long long width = static_cast<long long>(data.I16(10)) - data.I16(6);
            long long height = static_cast<long long>(data.I16(12)) - data.I16(8);
            Size = {Clamp16k(width * 96 / inch), Clamp16k(height * 96 / inch)};
        }
        return true;
    }
    // EMF: the header record with its frame in hundredths of a millimetre.
    if (data.Has(0, 44) && data.U32(0) == 1 && Bytes.substr(40, 4) == " EMF") {
        long long width = static_cast<long long>(data.I32(32)) - data.I32(24);
        long long height = static_cast<long long>(data.I32(36)) - data.I32(28);
        Size = {Clamp16k(width * 96 / 2540), Clamp16k(height * 96 / 2540)};
        return true;
    }
    // A WMF without the placeable header: memory or disk type, a nine-word header.
    if (data.Has(0, 18) && (data.U16(0) == 1 || data.U16(0) == 2) && data.U16(2) == 9 &&
        (data.U16(4) == 0x100 || data.U16(4) == 0x300))
        return true;
    return false;
}

} // namespace PictureFormats
