#pragma once

#include <string>
#include <string_view>

// Reads a text file as UTF-8 without its byte-order mark: a UTF-8, UTF-16 LE or UTF-16 BE mark
// says the encoding, no mark means Windows-1252. Text after a UTF-8 mark is checked like any other
// UTF-8: its ill-formed parts become U+FFFD. Throws EFileError naming the file.
std::string ReadTextFile(const std::string& path);

// The same decoding for bytes already in memory.
std::string DecodeText(std::string_view bytes);
