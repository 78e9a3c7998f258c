#pragma once

#include <string>
#include <string_view>

// The "ANSI" code page is Windows-1252.
std::string AnsiToUtf8(std::string_view windows1252);
// Characters Windows-1252 lacks become '?', and so does each ill-formed part of the UTF-8 text.
std::string Utf8ToAnsi(std::string_view utf8);

// Each ill-formed part of the UTF-8 text becomes U+FFFD, as Utf8.h reads it.
std::u16string Utf8ToUtf16(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);
