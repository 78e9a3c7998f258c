#include "platform/core/CodePage.h"

#include "platform/core/Exception.h"
#include "platform/core/Utf8.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <iconv.h>

namespace {

// One conversion descriptor per call keeps the functions thread-safe.
class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : FHandle(iconv_open(to, from)) {
        if (FHandle == reinterpret_cast<iconv_t>(-1))
            throw Exception(std::string("The code page conversion from ") + from + " to " + to +
                            " is not available");
    }
    ~IconvHandle() { iconv_close(FHandle); }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    // Converts as much as it can; returns false at a sequence it cannot convert, leaving `input`
    // at that sequence.
    bool Convert(std::string_view& input, std::string& output) {
        char buffer[256];
        while (!input.empty()) {
            char* in = const_cast<char*>(input.data());
            size_t inLeft = input.size();
            char* out = buffer;
            size_t outLeft = sizeof buffer;
            const size_t rc = iconv(FHandle, &in, &inLeft, &out, &outLeft);
            const int error = errno;
            output.append(buffer, static_cast<size_t>(out - buffer));
            input.remove_prefix(input.size() - inLeft);
            if (rc == static_cast<size_t>(-1) && error != E2BIG)
                return false;
        }
        return true;
    }

private:
    iconv_t FHandle;
};

// 0x81, 0x8D, 0x8F, 0x90 and 0x9D have no character in the code page; they travel as the C1
// controls of the same value so that text read from a file writes back unchanged.
bool IsUndefinedAnsiByte(char32_t c) {
    return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

// ASCII reads the same in both: no converter is opened for it (cells call these by the million).
bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
}

} // namespace

std::string AnsiToUtf8(std::string_view windows1252) {
    if (IsAscii(windows1252))
        return std::string(windows1252);
    IconvHandle converter("UTF-8", "WINDOWS-1252");
    std::string result;
    result.reserve(windows1252.size());
    while (!converter.Convert(windows1252, result)) {
        AppendUtf8(result, static_cast<unsigned char>(windows1252.front()));
        windows1252.remove_prefix(1);
    }
    return result;
}

std::string Utf8ToAnsi(std::string_view utf8) {
    if (IsAscii(utf8))
        return std::string(utf8);
    IconvHandle converter("WINDOWS-1252", "UTF-8");
    std::string result;
    result.reserve(utf8.size());
    while (!converter.Convert(utf8, result)) {
        char32_t skipped = 0;
        utf8.remove_prefix(DecodeUtf8Character(utf8, skipped));
        result += IsUndefinedAnsiByte(skipped) ? static_cast<char>(skipped) : '?';
    }
    return result;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string result;
    result.reserve(utf8.size());
    while (!utf8.empty()) {
        char32_t c = 0;
        utf8.remove_prefix(DecodeUtf8Character(utf8, c));
        if (c >= 0x10000) {
            c -= 0x10000;
            result += static_cast<char16_t>(0xD800 + (c >> 10));
            result += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            result += static_cast<char16_t>(c);
        }
    }
    return result;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string result;
    result.reserve(utf16.size());
    for (size_t i = 0; i < utf16.size(); ++i) {
        char32_t c = utf16[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        }
        AppendUtf8(result, c); // an unpaired surrogate is written as U+FFFD
    }
    return result;
}

bool IsUtf8EncodingName(std::string_view name) {
    std::string lower;
    for (char c : name)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower == "utf-8" || lower == "utf8";
}

bool IsKnownEncoding(const std::string& name) {
    if (name.empty())
        return false;
    const iconv_t handle = iconv_open("UTF-8", name.c_str());
    if (handle == reinterpret_cast<iconv_t>(-1))
        return false;
    iconv_close(handle);
    return true;
}

std::string Utf8ToEncoding(std::string_view utf8, const std::string& encoding,
                           const std::function<std::string(char32_t)>& substitute) {
    IconvHandle converter(encoding.c_str(), "UTF-8");
    std::string result;
    result.reserve(utf8.size());
    while (!converter.Convert(utf8, result)) {
        char32_t lacking = 0;
        utf8.remove_prefix(DecodeUtf8Character(utf8, lacking));
        // An ill-formed part stands for U+FFFD, which the encoding may well hold.
        std::string character;
        AppendUtf8(character, lacking);
        std::string_view single = character;
        if (converter.Convert(single, result))
            continue;
        const std::string replacement = substitute(lacking);
        std::string_view text = replacement;
        converter.Convert(text, result);
    }
    return result;
}

std::string EncodingToUtf8(std::string_view bytes, const std::string& encoding) {
    IconvHandle converter("UTF-8", encoding.c_str());
    std::string result;
    result.reserve(bytes.size());
    while (!converter.Convert(bytes, result)) {
        AppendUtf8(result, ReplacementCharacter);
        bytes.remove_prefix(1);
    }
    return result;
}
