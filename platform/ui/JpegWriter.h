#pragma once

#include <string>

class TBitmap;

// JPEG encoding of bitmaps, for exports that reference pictures by file (HTML reports).
// Transparent pixels come out white: JPEG has no transparency.

// The JPEG bytes of the bitmap at Quality (1..100); empty for an empty bitmap.
std::string BitmapToJpegBytes(const TBitmap& Bitmap, int Quality = 90);
// Writes the bitmap as a JPEG file beside the target and renames it over, so a failed write
// keeps the old file. Throws EFileError naming the file.
void SaveBitmapAsJpeg(const TBitmap& Bitmap, const std::string& FileName, int Quality = 90);
