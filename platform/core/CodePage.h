#pragma once

#include <functional>
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

// Encodings by the names files declare them with ("ISO-8859-15", "windows-1252", "UTF-16", ...).
bool IsUtf8EncodingName(std::string_view name);
// True when text can be converted to and from the named encoding.
bool IsKnownEncoding(const std::string& name);
// The text in the named encoding. Each character the encoding lacks is written as the ASCII
// text `substitute` gives for it, itself in the encoding. Throws Exception for an unknown name.
std::string Utf8ToEncoding(std::string_view utf8, const std::string& encoding,
                           const std::function<std::string(char32_t)>& substitute);
// Bytes of the named encoding as UTF-8; a byte the encoding does not define becomes U+FFFD.
// Throws Exception for an unknown name.
std::string EncodingToUtf8(std::string_view bytes, const std::string& encoding);
