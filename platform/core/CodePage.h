#pragma once

#include <string>
#include <string_view>

// The "ANSI" code page is Windows-1252.
std::string AnsiToUtf8(std::string_view windows1252);
// Characters Windows-1252 lacks become '?'; invalid UTF-8 bytes too.
std::string Utf8ToAnsi(std::string_view utf8);

// Invalid UTF-8 sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);
