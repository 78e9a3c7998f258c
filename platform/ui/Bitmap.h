#pragma once

#include "platform/ui/Colors.h"
#include "platform/ui/Object.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class TCanvas;
class TBitmapAccess;

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };
enum TTransparentMode { tmAuto, tmFixed };

// An off-screen picture with its own canvas. New bitmaps are white.
class TBitmap : public TObject {
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;

    int Width() const;
    int Height() const;
    void SetWidth(int width);
    void SetHeight(int height);
    // Keeps the pixels that still fit; new pixels are white.
    void SetSize(int width, int height);
    bool Empty() const;

    TCanvas* Canvas();
    // Copies picture and transparency settings; nullptr empties this bitmap.
    void Assign(const TBitmap* source);

    // BMP files. Throws EFileError naming the file when it cannot be read or is no picture.
    void LoadFromFile(const std::string& path);
    // Writes a 24-bit BMP beside the target and renames it over, so a failed write keeps the
    // old file. Throws EFileError naming the file.
    void SaveToFile(const std::string& path) const;
    // The same in memory: false (and the picture unchanged) for bytes that are no BMP, with the
    // reason in error; an empty bitmap saves as no bytes.
    bool LoadFromBmpBytes(std::string_view bytes, std::string* error = nullptr);
    std::string SaveToBmpBytes() const;

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent) { FTransparent = transparent; }
    // tmAuto: the bottom-left pixel; tmFixed: the colour set.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode mode) { FTransparentMode = mode; }
    TPixelFormat PixelFormat() const { return FPixelFormat; }
    // pf24bit keeps 3 bytes a pixel (blue, green, red), pf32bit 4 (blue, green, red, alpha, the
    // colours premultiplied by alpha); any other format is kept as the device's 32 bits. A change
    // converts the pixels.
    void SetPixelFormat(TPixelFormat format);
    // The bytes of one row in the layout of PixelFormat (device format: blue, green, red, 255);
    // nullptr for a row outside the picture. Valid until the bitmap is resized or drawn on.
    uint8_t* ScanLine(int row);
    const uint8_t* ScanLine(int row) const;

    // The colour of one pixel (clNone outside the picture).
    TColor Pixel(int x, int y) const;

private:
    friend class TBitmapAccess;
    struct Impl;
    std::unique_ptr<Impl> FImpl;
    bool FTransparent = false;
    TColor FTransparentColor = clNone;
    TTransparentMode FTransparentMode = tmAuto;
    TPixelFormat FPixelFormat = pfDevice;
};
