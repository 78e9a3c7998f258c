#pragma once

#include "platform/core/RtfText.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A rich-text cell holds RTF as 7-bit text. RTF typed or pasted into a cell may carry characters
// beyond ASCII; they become \uN escapes (UTF-16 units, with '?' for readers without Unicode) and
// bytes that are no UTF-8 become \'hh escapes, so the RTF reader sees the characters the cell
// shows. ASCII passes unchanged.
std::string RtfCellToAscii(std::string_view CellText);

// The runs a rich-text cell shows: its RTF read with the escapes above, so drawing, measuring,
// hints and the clipboard read a cell as its editor does.
TRtfRuns RtfCellRuns(std::string_view CellText);

// The lines a rich-text cell shows: its runs cut at paragraph ends, in order, with a tab shown as
// four blanks. An empty paragraph is a line without runs; there is always at least one line.
std::vector<TRtfRuns> RtfCellLines(const TRtfRuns& Runs);

// The width a text takes in a run's format, as whoever shows the runs measures it.
using TRtfTextWidth = std::function<int(const TRtfCharFormat& Format, std::string_view Text)>;

// One line of a rich-text cell broken between words so that each part fits Width, as a wrapping
// editor shows it: the blanks where it breaks are dropped, a word wider than Width on its own is
// broken between its characters, and every character keeps its format. A Width below 1 leaves
// the line whole. There is always at least one line.
std::vector<TRtfRuns> WrapRtfCellLine(const TRtfRuns& Line, int Width,
                                      const TRtfTextWidth& TextWidth);
