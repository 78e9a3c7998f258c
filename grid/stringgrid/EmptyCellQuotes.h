#pragma once

#include <string>
#include <string_view>

// With QuoteEmptyCells an empty cell is written as two quote characters. So that a cell that
// holds only quote characters (an even number of them) still reads back as itself, it is
// written with one more pair; the reader takes one pair off such a text.
std::string QuotedEmptyCell(std::string_view text);
std::string UnquotedEmptyCell(std::string_view text);
