#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Cell texts on the single lines of the text grid file and stream.
//
// A text without CR, LF, NUL or character 8 is stored as it is. Any other text is stored after
// the mark "\x08\x01" with CR as character 9, LF as character 8, and NUL, TAB, character 8 and
// character 1 escaped behind character 1, so that every text, tabs and bare line breaks
// included, reads back exactly. Texts of older files (CR as 9, LF as 8, NUL as 1, recognised by
// a character 8 without the mark) are still read.
std::string EncodeCellLine(std::string_view Text);
std::string DecodeCellLine(std::string_view Text);

// A number as the text grid file reads it: leading blanks and a sign, then the digits before the
// first other character; 0 when there are none. Saturates instead of overflowing.
int64_t LeadingInteger(std::string_view Text);
