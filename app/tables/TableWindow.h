#pragma once

#include "app/controls/StepDialog.h"
#include "app/core/TableFile.h"
#include "app/tables/TableDescription.h"
#include "grid/foundation/GridTypes.h"
#include "platform/core/StringList.h"
#include "platform/ui/Keys.h"

#include <string>
#include <vector>

class TExStringGrid;
class TExColumnGrid;
class TGlyphButton;
class TPageControl;
class TTabSheet;

// The one shape of every table window: the title panel, the grid of one rule per row (or, for a
// window of two tables, a page control with one grid per page), the button panel with OK, Cancel
// and the four row buttons, and one table file of the open configuration. The file is read into
// the grids at every showing and rewritten whole on OK once the checks pass; Cancel discards. A
// window is its description plus what it checks and where its file is. The row buttons act on
// the grid of the page shown.
class TTableWindow : public TStepDialog {
public:
    TTableWindow(TComponent* AOwner, TTableDescription Description);
    ~TTableWindow() override;

    const TTableDescription& Description() const { return FDescription; }

    TGlyphButton* Btn_DelRow = nullptr;
    TGlyphButton* Btn_InsRow = nullptr;
    TGlyphButton* Btn_CopyRow = nullptr;
    TGlyphButton* Btn_PasteRow = nullptr;
    // Windows of two tables only; nullptr otherwise.
    TPageControl* PageControl1 = nullptr;

    int Table_Count() const { return static_cast<int>(FGrids.size()); }
    // The table of the page shown; 0 in a window of one table.
    int Active_Table() const;
    // Shows the page of a table.
    void Show_Table(int Table);
    TTabSheet* Table_Page(int Table) const;
    // A table's grid: a TExColumnGrid unless the description asks for a check-box string grid.
    // Without an index, the grid of the page shown.
    TExStringGrid* Table_Grid() const { return Table_Grid(Active_Table()); }
    TExStringGrid* Table_Grid(int Table) const;
    TExColumnGrid* Column_Grid() const { return Column_Grid(Active_Table()); }
    TExColumnGrid* Column_Grid(int Table) const;
    // The table a grid shows, -1 for none.
    int Table_Of(const TObject* Grid) const;
    // The header hints of each table: the hint of data column c is entry c - 1.
    std::vector<TStringList> Hint;
    // A row was copied from a table in this showing of the window; copying from one table
    // clears the others' flags, so a row is never pasted into another table.
    std::vector<bool> Copied;
    bool Do_Copy() const { return Copied[static_cast<size_t>(Active_Table())]; }

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Set_Lang();
    // True when every checked row passes; otherwise the first error was reported.
    virtual bool Controllo_dati() = 0;
    void Btn_OKClick(TObject* Sender);
    void Btn_DelRowClick(TObject* Sender);
    void Btn_InsRowClick(TObject* Sender);
    void Btn_CopyRowClick(TObject* Sender);
    void Btn_PasteRowClick(TObject* Sender);
    void GridHint(TObject* Sender, int ARow, int ACol, std::string& HintStr);
    void ClickCell(TObject* Sender, int ARow, int ACol);
    void DblClickCell(TObject* Sender, int ARow, int ACol);
    void KeyPress(TObject* Sender, TChar& Key);

    // The rows 1 .. up to the first whose key cell is blank, of the first table or of the one
    // given.
    int Key_Rows() const { return Key_Rows(0); }
    int Key_Rows(int Table) const;
    // The last showing could not read the whole table file (it was broken, or held more rows
    // than the table): OK asks before it writes over the file.
    bool Load_Incomplete = false;

protected:
    // The path of the window's table file.
    virtual std::string Table_File() const = 0;
    // Sizes, headers, widths, colours, check boxes and row numbers.
    virtual void Init_Table(int Table);
    // Every row as a showing starts: its number, Enable ticked, everything else empty.
    virtual void Reset_Rows(int Table);
    // Reads the file into the grids (called only when it exists) and writes the grids into it.
    // By default every column is the attribute of its description.
    virtual void Load_Table_File(const std::string& path);
    virtual void Save_Table_File(const std::string& path);
    // The editor kind of a cell; by default a combo list for the combo-list columns.
    virtual void Get_Editor_Type(int Table, int ACol, int ARow, TEditorType& AEditor);
    // Deletes a row of a table after the user agreed.
    virtual void Delete_Row(int Table, int ARow);
    // After the row buttons moved rows (first .. last) of a table.
    virtual void Rows_Moved(int Table, int First, int Last) {}
    // The file holds more rows than the table's Data_Rows: warns, and OK asks before it writes
    // over the file.
    void Rows_Beyond_Table_Read(int Data_Rows);
    // After file row `Row` (the columns' attributes from column 1, then the legacy ones) filled
    // grid row ARow of a table: fallbacks that depend on other cells of the row.
    virtual void Row_Loaded(int Table, int ARow, const TTableFileRow& Row) {}

    // The checks' helpers, on the first table or on the one given. A cell as a whole number: -1
    // when it is not one, so it fails every range of positions and counts.
    int Cell_Value(int ACol, int ARow) const { return Cell_Value(0, ACol, ARow); }
    int Cell_Value(int Table, int ACol, int ARow) const;
    // Enable in column 1 is ticked: "Y" after trimming, either case.
    bool Is_Enabled(int ARow) const { return Is_Enabled(0, ARow); }
    bool Is_Enabled(int Table, int ARow) const;
    // Shows "<prefix><row><the check's text><suffix>" as an error and returns false.
    bool Row_Error(int ARow, int Text_Slot, const std::string& Suffix = {}) const;
    // The same for a fault of the whole table: no row prefix.
    bool Table_Error(int Text_Slot, const std::string& Suffix = {}) const;

    // Reports what went wrong as the application's error box.
    static void Report(const std::exception& error);

    const TTableGridDescription& Table_Description(int Table) const {
        return FDescription.Tables[static_cast<size_t>(Table)];
    }

private:
    TExStringGrid* Make_Grid(TWinControl* Parent, const TTableGridDescription& Table);
    bool Is_Check_Column(int Table, int ACol) const;
    void Write_Cell(int Table, int ACol, int ARow, const std::string& text);
    std::string Read_Cell(int Table, int ACol, int ARow) const;

    TTableDescription FDescription;
    std::vector<TExStringGrid*> FGrids;
    std::vector<TTabSheet*> FPages;
};
