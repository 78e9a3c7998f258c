#pragma once

#include "platform/ui/Colors.h"
#include "platform/ui/Types.h"

#include <string>
#include <vector>

// What a table window shows in one of its columns and where the column goes in the table file.
// A combo edit offers its items but takes any typed text too.
enum TTableCellKind { tcText, tcCheckBox, tcComboList, tcComboEdit };

struct TTableColumn {
    // In the table file; empty for column 0, the row number, and for a column that is not stored.
    std::string Attribute;
    int Header_Slot = 0; // language slot of the header
    int Hint_Slot = 0;   // language slot of the header's hint; 0 for none
    int Width = 40;
    TColor Color = clWindow; // of the data cells
    TTableCellKind Kind = tcText;
    TAlignment Alignment = taLeftJustify;
    std::vector<std::string> Items; // the choices of a combo-list or combo-edit column
    int Edit_Length = 0;            // the most characters typed into a cell; 0 for no limit
    // The cell's text when the file's row lacks the attribute; a check box is ticked by any text
    // but "N". Without one the cell keeps its default.
    bool Has_Missing = false;
    std::string Missing;
    // Kept in the grid and the file but not shown: no one edits it and no check reads it.
    bool Hidden = false;
    // The cell's text may hold line breaks (CR, LF), kept through the table file; every other
    // control character is still blanked.
    bool Multi_Line = false;
};

// One table of a window: its grid's rows and columns and where its rows go in the table file.
struct TTableGridDescription {
    // A window with two tables shows each on a page of its page control: the page's name and
    // caption slot, and the grid's name.
    std::string Page_Name;
    int Page_Caption_Slot = 0;
    std::string Grid_Name;
    int Data_Rows = 100;
    // The table ends before the first row whose key cell is blank.
    int Key_Col = 2;
    // Off: a key cell of blanks does not end the table.
    bool Trim_Key = true;
    // The section element holding the rows (empty: the root).
    std::string Section;
    // On: a file without the section is not this table's file and is refused as unreadable.
    bool Section_Required = false;
    std::vector<TTableColumn> Columns; // column 0 first
    // Attributes that older files carry besides the columns' own: read with each row, never
    // written.
    std::vector<std::string> Legacy_Attributes;
};

// A table window in a few lines: its texts, its size, its tables and its file.
struct TTableDescription {
    std::string Form_Name;
    int Client_Width = 1000;
    int Client_Height = 337;
    // The language block: caption, description, then the six button captions; the six button
    // hints; the delete question.
    int Caption_Slot = 0;
    int Button_Hint_Slot = 0;
    int Delete_Question_Slot = 0;
    // The prefix of every validation message ("Error row ").
    int Error_Prefix_Slot = 0;
    // A string grid whose Y/N columns are plain check boxes; otherwise a column grid whose Y/N
    // columns are data check boxes.
    bool Check_Box_Grid = false;
    // A click on a row number selects the row.
    bool Select_Row_On_Click = false;
    // Each showing gives the grid the focus; otherwise the focus is left where it goes.
    bool Focus_Grid_On_Show = false;
    // The table file's root element.
    std::string Root;
    // One table fills the window; two or more go on the pages of a page control, in this order,
    // each in its own section of the file.
    std::vector<TTableGridDescription> Tables;
};

// The choices "0", "1", ... up to Count - 1, for the columns that pick a position or a bit.
std::vector<std::string> Number_Items(int Count);
