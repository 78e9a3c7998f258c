#include "platform/ui/DragBlocks.h"

#include "platform/core/CodePage.h"

namespace {

constexpr size_t FileDropHeaderSize = 20;
constexpr size_t WideFlagOffset = 16;

void AppendUtf16(std::string& block, std::u16string_view text) {
    for (char16_t unit : text) {
        block.push_back(static_cast<char>(unit & 0xFF));
        block.push_back(static_cast<char>(unit >> 8));
    }
}

// The UTF-16 units from `offset` up to the first NUL unit or the end of the block; `ended`
// tells whether a NUL closed them.
std::u16string UnitsUpToNul(std::string_view block, size_t offset, bool& ended) {
    std::u16string units;
    ended = false;
    for (size_t i = offset; i + 1 < block.size(); i += 2) {
        char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(block[i]) |
                                              static_cast<unsigned char>(block[i + 1]) << 8);
        if (unit == 0) {
            ended = true;
            break;
        }
        units.push_back(unit);
    }
    return units;
}

std::string_view BytesUpToNul(std::string_view block, size_t offset, bool& ended) {
    std::string_view rest = block.substr(offset);
    size_t nul = rest.find('\0');
    ended = nul != std::string_view::npos;
    return ended ? rest.substr(0, nul) : rest;
}

} // namespace

void AppendUInt32(std::string& block, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        block.push_back(static_cast<char>((value >> shift) & 0xFF));
}

uint32_t ReadUInt32(std::string_view block, size_t offset) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(block[offset + static_cast<size_t>(i)]);
    return value;
}

std::string AnsiTextBlock(std::string_view utf8) {
    std::string block = Utf8ToAnsi(utf8);
    block.push_back('\0');
    return block;
}

std::string UnicodeTextBlock(std::string_view utf8) {
    std::string block;
    AppendUtf16(block, Utf8ToUtf16(utf8));
    block.append(2, '\0');
    return block;
}

std::string ReadAnsiTextBlock(std::string_view block) {
    bool ended = false;
    return AnsiToUtf8(BytesUpToNul(block, 0, ended));
}

std::string ReadUnicodeTextBlock(std::string_view block) {
    bool ended = false;
    return Utf16ToUtf8(UnitsUpToNul(block, 0, ended));
}

std::string FileDropBlock(const std::vector<std::string>& names) {
    std::string block;
    AppendUInt32(block, FileDropHeaderSize);
    AppendUInt32(block, 0); // drop point
    AppendUInt32(block, 0);
    AppendUInt32(block, 0); // not in a non-client area
    AppendUInt32(block, 1); // wide names
    for (const std::string& name : names) {
        AppendUtf16(block, Utf8ToUtf16(name));
        block.append(2, '\0');
    }
    block.append(2, '\0');
    return block;
}

bool ReadFileDropBlock(std::string_view block, std::vector<std::string>& names) {
    names.clear();
    if (block.size() < FileDropHeaderSize)
        return false;
    const size_t offset = ReadUInt32(block, 0) & ~uint32_t{1};
    const bool wide = ReadUInt32(block, WideFlagOffset) != 0;
    if (offset < FileDropHeaderSize || offset >= block.size())
        return false;
    size_t position = offset;
    while (position < block.size()) {
        bool ended = false;
        if (wide) {
            std::u16string name = UnitsUpToNul(block, position, ended);
            if (!ended || name.empty())
                break;
            position += 2 * (name.size() + 1);
            names.push_back(Utf16ToUtf8(name));
        } else {
            std::string_view name = BytesUpToNul(block, position, ended);
            if (!ended || name.empty())
                break;
            position += name.size() + 1;
            names.push_back(AnsiToUtf8(name));
        }
    }
    return !names.empty();
}
