#include "platform/core/TextFile.h"

#include "platform/core/CodePage.h"
#include "platform/core/Files.h"
#include "platform/core/Utf8.h"

namespace {

std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string units;
    units.reserve(bytes.size() / 2 + 1);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        units += static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    // A dangling odd byte is a damaged last character, shown as such rather than dropped.
    if (bytes.size() % 2 != 0)
        units += u'\uFFFD';
    return units;
}

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LEMark = "\xFF\xFE";
constexpr std::string_view Utf16BEMark = "\xFE\xFF";

bool IsUtf8WithoutMark(std::string_view bytes) {
    return FirstIllFormedUtf8(bytes) == std::string_view::npos;
}

} // namespace

TTextEncoding TextEncodingOf(std::string_view bytes) {
    if (bytes.starts_with(Utf8Mark))
        return TTextEncoding::Utf8Bom;
    // Big-endian files are written back little-endian: same text, the platform's native order.
    if (bytes.starts_with(Utf16LEMark) || bytes.starts_with(Utf16BEMark))
        return TTextEncoding::Utf16LE;
    return IsUtf8WithoutMark(bytes) ? TTextEncoding::Utf8 : TTextEncoding::Ansi;
}

std::string DecodeText(std::string_view bytes) {
    if (bytes.starts_with(Utf8Mark))
        return ReplaceInvalidUtf8(bytes.substr(Utf8Mark.size()));
    if (bytes.starts_with(Utf16LEMark))
        return Utf16ToUtf8(DecodeUtf16(bytes.substr(2), false));
    if (bytes.starts_with(Utf16BEMark))
        return Utf16ToUtf8(DecodeUtf16(bytes.substr(2), true));
    if (IsUtf8WithoutMark(bytes))
        return std::string(bytes);
    return AnsiToUtf8(bytes);
}

std::string EncodeText(std::string_view utf8, TTextEncoding encoding) {
    switch (encoding) {
    case TTextEncoding::Ansi:
        return Utf8ToAnsi(utf8);
    case TTextEncoding::Utf8:
        return ReplaceInvalidUtf8(utf8);
    case TTextEncoding::Utf8Bom:
        return std::string(Utf8Mark) + ReplaceInvalidUtf8(utf8);
    case TTextEncoding::Utf16LE:
        break;
    }
    std::string bytes(Utf16LEMark);
    for (const char16_t unit : Utf8ToUtf16(utf8)) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

std::string EncodeTextWithoutLoss(std::string_view utf8, TTextEncoding encoding) {
    if (encoding == TTextEncoding::Ansi) {
        std::string ansi = Utf8ToAnsi(utf8);
        if (DecodeText(ansi) == utf8)
            return ansi;
        encoding = TTextEncoding::Utf8Bom;
    }
    return EncodeText(utf8, encoding);
}

std::string ReadTextFile(const std::string& path) {
    return DecodeText(ReadFileBytes(path));
}
