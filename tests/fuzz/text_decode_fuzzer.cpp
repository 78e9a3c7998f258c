// Decodes any bytes as a text file is read and checks that the result is UTF-8 that the codec
// gives back unchanged, and that text without a byte-order mark writes back byte for byte.
#include "platform/core/CodePage.h"
#include "platform/core/TextFile.h"
#include "platform/core/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

bool IsWellFormed(std::string_view text) {
    return ReplaceInvalidUtf8(text) == text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The codec: every ill-formed part replaced, the rest kept; all three ways agree.
    const std::string repaired = ReplaceInvalidUtf8(bytes);
    Check(IsWellFormed(repaired));
    Check(Utf32ToUtf8(Utf8ToUtf32(bytes)) == repaired);
    Check(Utf16ToUtf8(Utf8ToUtf16(bytes)) == repaired);
    Check(Utf8ToUtf16(repaired) == Utf8ToUtf16(bytes));
    if (IsWellFormed(bytes))
        Check(repaired == bytes);

    // Reading a text file always gives well-formed UTF-8.
    const std::string text = DecodeText(bytes);
    Check(IsWellFormed(text));
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        Check(text == repaired.substr(3));
    } else if (!bytes.starts_with("\xFF\xFE") && !bytes.starts_with("\xFE\xFF")) {
        // Windows-1252 text, the bytes without a character included, writes back unchanged.
        Check(Utf8ToAnsi(text) == bytes);
    }
    return 0;
}
