#pragma once

#include <string>
#include <string_view>

class TIniFile;
class TPrintSettings;

// The print settings as one section of an INI file: integers in decimal, switches as "Y" or
// "N", font styles as bits (bold 1, italic 2, underline 4, strike-out 8), title lines with
// every line break written as "\n".
void WritePrintSettings(const TPrintSettings& Settings, TIniFile& Ini, std::string_view Section);

// Reads the whole section before anything changes; keys that are absent take their defaults.
// False, with Why saying what is wrong and Settings untouched, for a value that is no integer,
// an ordinal outside its enumeration, font style bits beyond the four styles or a font size
// outside 1..4096. Font styles replace the current ones.
bool ReadPrintSettings(const TIniFile& Ini, std::string_view Section, TPrintSettings& Settings,
                       std::string& Why);
