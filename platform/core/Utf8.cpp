#include "platform/core/Utf8.h"

#include <cstdint>
#include <cstring>

size_t DecodeUtf8Character(std::string_view text, char32_t& character) {
    if (text.empty()) {
        character = 0;
        return 0;
    }
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        character = lead;
        return 1;
    }
    size_t length = 0;
    char32_t value = 0;
    // The second byte's range is narrower after some lead bytes: that is what rules out overlong
    // forms, surrogates and values above U+10FFFF before the sequence is complete.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        character = ReplacementCharacter;
        return 1;
    }
    for (size_t i = 1; i < length; ++i) {
        if (i >= text.size() || byte(i) < low || byte(i) > high) {
            character = ReplacementCharacter;
            return i;
        }
        value = (value << 6) | (byte(i) & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    character = value;
    return length;
}

void AppendUtf8(std::string& output, char32_t character) {
    if ((character >= 0xD800 && character <= 0xDFFF) || character > 0x10FFFF)
        character = ReplacementCharacter;
    if (character < 0x80) {
        output += static_cast<char>(character);
    } else if (character < 0x800) {
        output += static_cast<char>(0xC0 | (character >> 6));
        output += static_cast<char>(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        output += static_cast<char>(0xE0 | (character >> 12));
        output += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        output += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        output += static_cast<char>(0xF0 | (character >> 18));
        output += static_cast<char>(0x80 | ((character >> 12) & 0x3F));
        output += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        output += static_cast<char>(0x80 | (character & 0x3F));
    }
}

std::u32string Utf8ToUtf32(std::string_view utf8) {
    std::u32string result;
    result.reserve(utf8.size());
    char32_t character = 0;
    while (!utf8.empty()) {
        utf8.remove_prefix(DecodeUtf8Character(utf8, character));
        result += character;
    }
    return result;
}

std::string Utf32ToUtf8(std::u32string_view utf32) {
    std::string result;
    result.reserve(utf32.size());
    for (const char32_t character : utf32)
        AppendUtf8(result, character);
    return result;
}

namespace {

bool EightAsciiBytes(const char* bytes) {
    uint64_t eight;
    std::memcpy(&eight, bytes, sizeof eight);
    return (eight & 0x8080808080808080u) == 0; // no byte with its high bit set
}

} // namespace

size_t FirstIllFormedUtf8(std::string_view text) {
    char32_t character = 0;
    for (size_t i = 0; i < text.size();) {
        // Whole files pass through here: runs of ASCII are skipped eight bytes at a time.
        if (i + 8 <= text.size() && EightAsciiBytes(text.data() + i)) {
            i += 8;
            continue;
        }
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::string_view rest = text.substr(i);
        const size_t length = DecodeUtf8Character(rest, character);
        if (character == ReplacementCharacter && !rest.starts_with("\xEF\xBF\xBD"))
            return i;
        i += length;
    }
    return std::string_view::npos;
}

std::string ReplaceInvalidUtf8(std::string_view text) {
    // Well-formed runs are copied as they are (whole files pass through here); only the
    // ill-formed parts become U+FFFD.
    std::string result;
    result.reserve(text.size());
    char32_t character = 0;
    for (size_t bad = FirstIllFormedUtf8(text); bad != std::string_view::npos;
         bad = FirstIllFormedUtf8(text)) {
        result.append(text.substr(0, bad));
        text.remove_prefix(bad + DecodeUtf8Character(text.substr(bad), character));
        AppendUtf8(result, ReplacementCharacter);
    }
    result.append(text);
    return result;
}
