#pragma once

#include <cstdint>
#include <string>

// Little-endian values and whole ICO files for the tests that load icons.
namespace IcoFiles {

inline void Put(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// An ICO file of one Width x Height image of 32-bit pixels, all of Bgra, with its empty mask.
inline std::string IcoFile(int Width, int Height, uint32_t Bgra) {
    std::string image;
    Put(image, 40, 4);         // BITMAPINFOHEADER
    Put(image, Width, 4);      // width
    Put(image, Height * 2, 4); // colour rows and mask rows
    Put(image, 1, 2);          // planes
    Put(image, 32, 2);         // bits per pixel
    image.append(24, '\0');    // no compression, sizes and palette left to the reader
    for (int i = 0; i < Width * Height; ++i)
        Put(image, Bgra, 4);
    image.append(static_cast<size_t>(Height * ((Width + 31) / 32) * 4), '\0');
    std::string ico;
    Put(ico, 0, 2); // reserved
    Put(ico, 1, 2); // an icon
    Put(ico, 1, 2); // one image
    ico += static_cast<char>(Width);
    ico += static_cast<char>(Height);
    Put(ico, 0, 2); // no palette, reserved
    Put(ico, 1, 2);
    Put(ico, 32, 2);
    Put(ico, static_cast<uint32_t>(image.size()), 4);
    Put(ico, 22, 4); // the image follows the one directory entry
    return ico + image;
}

} // namespace IcoFiles
