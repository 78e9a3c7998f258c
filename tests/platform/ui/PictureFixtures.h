#pragma once

// Small picture files made by the tests: GIF animations (no writer for GIF exists in the image
// libraries) and the headers of Windows metafiles.

#include <cstdint>
#include <string>
#include <vector>

namespace PictureFixtures {

struct GifFrame {
    int Left, Top, Width, Height;
    int Delay;      // hundredths of a second
    int ColorIndex; // 0 black, 1 red, 2 green, 3 blue
};

inline void Put16(std::string& out, int value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

// Pixel data in LZW codes of 3 bits, with a clear code before every two pixels so the code size
// never grows.
inline std::string GifPixelData(int pixels, int colorIndex) {
    std::vector<int> codes;
    for (int i = 0; i < pixels; i += 2) {
        codes.push_back(4);
        codes.push_back(colorIndex);
        if (i + 1 < pixels)
            codes.push_back(colorIndex);
    }
    codes.push_back(5);
    std::string bytes;
    uint32_t buffer = 0;
    int bits = 0;
    for (int code : codes) {
        buffer |= static_cast<uint32_t>(code) << bits;
        bits += 3;
        while (bits >= 8) {
            bytes += static_cast<char>(buffer & 0xFF);
            buffer >>= 8;
            bits -= 8;
        }
    }
    if (bits > 0)
        bytes += static_cast<char>(buffer & 0xFF);
    std::string blocks;
    blocks += static_cast<char>(2); // LZW minimum code size
    for (size_t at = 0; at < bytes.size(); at += 255) {
        std::string chunk = bytes.substr(at, 255);
        blocks += static_cast<char>(chunk.size());
        blocks += chunk;
    }
    blocks += '\0';
    return blocks;
}

inline std::string Gif(int width, int height, const std::vector<GifFrame>& frames) {
    std::string out = "GIF89a";
    Put16(out, width);
    Put16(out, height);
    out += static_cast<char>(0x81); // global colour table of four entries
    out += '\0';
    out += '\0';
    const uint8_t palette[] = {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255};
    out.append(reinterpret_cast<const char*>(palette), sizeof palette);
    for (const GifFrame& f : frames) {
        out += "\x21\xF9\x04";
        out += static_cast<char>(0x04); // keep the frame for the next to draw over
        Put16(out, f.Delay);
        out += '\0';
        out += '\0';
        out += '\x2C';
        Put16(out, f.Left);
        Put16(out, f.Top);
        Put16(out, f.Width);
        Put16(out, f.Height);
        out += '\0';
        out += GifPixelData(f.Width * f.Height, f.ColorIndex);
    }
    out += '\x3B';
    return out;
}

// A placeable WMF header stating a picture of Width x Height pixels at 96 units per inch.
inline std::string PlaceableWmf(int width, int height) {
    std::string out("\xD7\xCD\xC6\x9A", 4);
    Put16(out, 0);      // handle
    Put16(out, 0);      // left
    Put16(out, 0);      // top
    Put16(out, width);  // right
    Put16(out, height); // bottom
    Put16(out, 96);     // units per inch
    out.append(4, '\0');
    Put16(out, 0); // checksum
    // A standard header and the end record follow.
    Put16(out, 1);
    Put16(out, 9);
    Put16(out, 0x300);
    out.append(12, '\0');
    return out;
}

// An EMF header whose frame is Width x Height hundredths of a millimetre.
inline std::string Emf(int widthHmm, int heightHmm) {
    std::string out;
    auto put32 = [&](uint32_t v) {
        Put16(out, static_cast<int>(v & 0xFFFF));
        Put16(out, static_cast<int>(v >> 16));
    };
    put32(1);  // header record
    put32(88); // its size
    for (int i = 0; i < 4; ++i)
        put32(0); // bounds
    put32(0);
    put32(0);
    put32(static_cast<uint32_t>(widthHmm));
    put32(static_cast<uint32_t>(heightHmm));
    out += " EMF";
    out.append(44, '\0');
    return out;
}

} // namespace PictureFixtures
