// Code pages and the decoding of text files by their byte-order mark.
#include "FuzzSupport.h"

#include "platform/core/CodePage.h"
#include "platform/core/TextFile.h"
#include "platform/core/Utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = FuzzText(data, size);

    // The one UTF-8 codec: every ill-formed part replaced, the rest kept; all ways agree.
    const std::string repaired = ReplaceInvalidUtf8(bytes);
    FUZZ_CHECK(IsValidUtf8(repaired));
    FUZZ_CHECK(Utf32ToUtf8(Utf8ToUtf32(bytes)) == repaired);
    FUZZ_CHECK(Utf16ToUtf8(Utf8ToUtf16(bytes)) == repaired);
    if (IsValidUtf8(bytes))
        FUZZ_CHECK(repaired == bytes);

    // Reading a text file always gives valid UTF-8, text after a UTF-8 mark included.
    const std::string decoded = DecodeText(bytes);
    FUZZ_CHECK(IsValidUtf8(decoded));
    if (HasUtf8Mark(bytes))
        FUZZ_CHECK(decoded == repaired.substr(3));
    // Without a mark, well-formed UTF-8 is UTF-8.
    if (TextEncodingOf(bytes) == TTextEncoding::Utf8)
        FUZZ_CHECK(decoded == bytes);

    // What a writer puts out in the encoding it was read in, or the lossless ANSI form, reads
    // back the same (UTF-8 without a mark cannot start with the mark's character).
    FUZZ_CHECK(DecodeText(EncodeTextWithoutLoss(decoded, TTextEncoding::Ansi)) == decoded);
    for (const TTextEncoding encoding :
         {TTextEncoding::Utf8, TTextEncoding::Utf8Bom, TTextEncoding::Utf16LE})
        if (encoding != TTextEncoding::Utf8 || !HasUtf8Mark(decoded))
            FUZZ_CHECK(DecodeText(EncodeText(decoded, encoding)) == decoded);

    // Every Windows-1252 byte has a character, and it converts back to the same byte.
    const std::string utf8 = AnsiToUtf8(bytes);
    FUZZ_CHECK(IsValidUtf8(utf8));
    FUZZ_CHECK(Utf8ToAnsi(utf8) == bytes);
    FUZZ_CHECK(Utf8ToAnsi(bytes).size() <= bytes.size());

    const std::u16string utf16 = Utf8ToUtf16(bytes);
    const std::string through16 = Utf16ToUtf8(utf16);
    FUZZ_CHECK(IsValidUtf8(through16));
    if (IsValidUtf8(bytes))
        FUZZ_CHECK(through16 == bytes);

    // Arbitrary UTF-16 units, unpaired surrogates included.
    std::u16string units(size / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    const std::string fromUnits = Utf16ToUtf8(units);
    FUZZ_CHECK(IsValidUtf8(fromUnits));
    FUZZ_CHECK(Utf16ToUtf8(Utf8ToUtf16(fromUnits)) == fromUnits);
    return 0;
}
