#pragma once

#include "platform/xml/XmlDocument.h"

#include <string>
#include <string_view>
#include <vector>

// What the description-file writers share: reading the table files and general parameters they
// describe, and writing their text.

// The local time a description file is stamped with.
struct TFileStamp {
    int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};
TFileStamp File_Stamp_Now();

// "07", "12": two digits at least.
std::string Two_Digits(int value);

// The table file loaded, or false when it does not exist. A file that is not well-formed XML
// throws Exception naming it.
bool Load_Table_File(const std::string& path, TXMLDocument& xml);

// The lines written atomically with CR LF after each, in the ANSI code page (Windows-1252) or
// in UTF-8 with a byte-order mark. Throws EFileError naming the file when it cannot be written.
void Write_Ansi_Lines(const std::string& path, const std::vector<std::string>& lines);
void Write_Utf8_Bom_Lines(const std::string& path, const std::vector<std::string>& lines);
