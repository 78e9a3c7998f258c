#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The program's one UTF-8 codec. Ill-formed input is read as the Unicode standard recommends:
// each maximal subpart of an ill-formed sequence becomes one U+FFFD, and decoding goes on at the
// next byte. Overlong forms, encoded surrogates and values above U+10FFFF are ill-formed.

inline constexpr char32_t ReplacementCharacter = 0xFFFD;

// Decodes the character at the start of `text` into `character` and returns the number of bytes
// it took: at least 1, or 0 for empty text.
size_t DecodeUtf8Character(std::string_view text, char32_t& character);

// Surrogates and values above U+10FFFF are written as U+FFFD, so the output is always UTF-8.
void AppendUtf8(std::string& output, char32_t character);

std::u32string Utf8ToUtf32(std::string_view utf8);
std::string Utf32ToUtf8(std::u32string_view utf32);

// The text itself when it is well-formed, else with its ill-formed parts replaced by U+FFFD.
std::string ReplaceInvalidUtf8(std::string_view text);
// The offset of the first ill-formed sequence; npos for well-formed text.
size_t FirstIllFormedUtf8(std::string_view text);
