#pragma once

#include "platform/ui/Keys.h"

class TExStringGrid;
class TExColumnGrid;

// The row buttons of the table windows, shared by all of them through the application's row
// clipboard. A row operation works on the columns 1 .. last (hidden columns included); column 0
// keeps the row numbers. Rows outside 1 .. RowCount - 1 are refused without a change. Only texts
// and check states move: colours, alignment and read-only flags stay with the cell positions.
//
// Two grid variants: a column grid whose Y/N columns are texts (data check boxes included), and
// a string grid whose Y/N columns are plain check boxes with their state apart from the text.

// Moves the rows below ARow up by one; the last row becomes empty (its Enable check box ticked
// when EnableFirst, in the check-box variant).
void Grid_Delete_Row(int ARow, TExColumnGrid* Grid);
void Grid_Delete_Row_Check(int ARow, TExStringGrid* Grid, bool EnableFirst);

// Moves ARow and the rows below it down by one and empties ARow, column 1 enabled when
// EnableFirst. The last row falls off the table: when it holds data the user is asked first
// (naming the row), and No changes nothing. Returns whether the row was inserted.
bool Grid_Insert_Row(int ARow, TExColumnGrid* Grid, bool EnableFirst);
bool Grid_Insert_Row_Check(int ARow, TExStringGrid* Grid, bool EnableFirst);

// Copies row ARow into the row clipboard.
void Grid_Copy_Row(TExColumnGrid* Grid, int ARow);
void Grid_Copy_Row_Check(TExStringGrid* Grid, int ARow);

// Pastes the row clipboard into ARow. CopyDone is the window's own "a row was copied since I was
// shown". Refused with a message when nothing was copied here or the copy has another column
// count; a row that holds data is overwritten only after the user agrees.
void Grid_Paste_Row(TExColumnGrid* Grid, int ARow, bool CopyDone);
void Grid_Paste_Row_Check(TExStringGrid* Grid, int ARow, bool CopyDone);

// A double-click on a header sizes that column to its widest text, when the option is on.
void Grid_DblClick_AutoSize(TExStringGrid* Grid, int ARow, int ACol);

// With the option on, Enter moves to the next cell: right, then to column 1 of the next row,
// from the last row back to row 1. The key is consumed (also outside the data cells).
void Grid_Enter_Next(TExStringGrid* Grid, TChar& Key);
