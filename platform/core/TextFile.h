#pragma once

#include <string>
#include <string_view>

// Encodings a text file can be written in. Ansi is Windows-1252, without a mark.
enum class TTextEncoding { Ansi, Utf8, Utf8Bom, Utf16LE };

// The one rule every reader of text files follows: a UTF-8, UTF-16 LE or UTF-16 BE mark says the
// encoding; without a mark, bytes that are well-formed UTF-8 are UTF-8 (text files on this
// platform are), any other bytes Windows-1252 (so older files still load).
TTextEncoding TextEncodingOf(std::string_view bytes);

// Reads a text file as UTF-8 without its byte-order mark, by the rule above. Text after a UTF-8
// mark is checked like any other UTF-8: its ill-formed parts become U+FFFD. Throws EFileError
// naming the file.
std::string ReadTextFile(const std::string& path);

// The same decoding for bytes already in memory.
std::string DecodeText(std::string_view bytes);

// The bytes of a text in an encoding, with its mark. Characters Windows-1252 lacks become '?'.
std::string EncodeText(std::string_view utf8, TTextEncoding encoding);

// As EncodeText, except that Windows-1252 is written only when it holds every character and
// reads back the same by the rule above (bytes that happen to be well-formed UTF-8 would not);
// otherwise the text goes out as UTF-8 with a mark: nothing is lost.
std::string EncodeTextWithoutLoss(std::string_view utf8, TTextEncoding encoding);
