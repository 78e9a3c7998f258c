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

} // namespace

std::string DecodeText(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return ReplaceInvalidUtf8(bytes.substr(3));
    if (bytes.starts_with("\xFF\xFE"))
        return Utf16ToUtf8(DecodeUtf16(bytes.substr(2), false));
    if (bytes.starts_with("\xFE\xFF"))
        return Utf16ToUtf8(DecodeUtf16(bytes.substr(2), true));
    return AnsiToUtf8(bytes);
}

std::string ReadTextFile(const std::string& path) {
    return DecodeText(ReadFileBytes(path));
}
