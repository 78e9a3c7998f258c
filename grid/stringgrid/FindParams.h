#pragma once

#include "platform/ui/Set.h"

// How the string grid's find walks and matches; the set is the search's flags.
enum TFindParameters {
    fnMatchCase,            // case counts; otherwise both texts are upper-cased first
    fnMatchFull,            // the cell text must equal the search text
    fnMatchRegular,         // the search text is a filter condition
    fnDirectionLeftRight,   // row by row; otherwise column by column
    fnMatchStart,           // the search text must open the cell text
    fnFindInCurrentRow,     // only the current row
    fnFindInCurrentCol,     // only the current column
    fnIncludeFixed,         // the fixed cells too
    fnAutoGoto,             // the found cell becomes current and is scrolled into view
    fnIgnoreHTMLTags,       // tags are stripped from the cell text before matching
    fnBackward,             // walk backward
    fnIncludeHiddenColumns, // the hidden columns too (columns are then real columns)
    fnFindInPresetCol,      // only column FindCol
    fnFindInPresetRow,      // only row FindRow
    fnSelectedCells,        // only the selection rectangle
    fnIncludeHiddenRows     // the hidden rows too (rows are then real rows)
};
using TFindParams = TSet<TFindParameters>;
