#pragma once

#include "app/controls/StepDialog.h"
#include "app/core/TableFile.h"
#include "app/tables/TableDescription.h"
#include "grid/foundation/GridTypes.h"
#include "platform/core/StringList.h"
#include "platform/ui/Keys.h"

#include <string>

class TExStringGrid;
class TExColumnGrid;
class TGlyphButton;

// The one shape of every table window: the title panel, the grid of one rule per row, the button
// panel with OK, Cancel and the four row buttons, and one table file of the open configuration.
// The file is read into the grid at every showing and rewritten whole on OK once the checks
// pass; Cancel discards. A window is its description plus what it checks and where its file is.
class TTableWindow : public TStepDialog {
public:
    TTableWindow(TComponent* AOwner, TTableDescription Description);
    ~TTableWindow() override;

    const TTableDescription& Description() const { return FDescription; }

    TGlyphButton* Btn_DelRow = nullptr;
    TGlyphButton* Btn_InsRow = nullptr;
    TGlyphButton* Btn_CopyRow = nullptr;
    TGlyphButton* Btn_PasteRow = nullptr;
    // The table: a TExColumnGrid unless the description asks for a check-box string grid.
    TExStringGrid* Table_Grid() const { return FGrid; }
    TExColumnGrid* Column_Grid() const;
    // The header hint of data column c is entry c - 1.
    TStringList Hint;
    // A row was copied in this showing of the window.
    bool Do_Copy = false;

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

    // The rows 1 .. up to the first whose key cell is blank.
    int Key_Rows() const;
    // The last showing could not read the whole table file (it was broken, or held more rows
    // than the table): OK asks before it writes over the file.
    bool Load_Incomplete = false;

protected:
    // The path of the window's table file.
    virtual std::string Table_File() const = 0;
    // Sizes, headers, widths, colours, check boxes and row numbers.
    virtual void Init_Table();
    // Every row as a showing starts: its number, Enable ticked, everything else empty.
    virtual void Reset_Rows();
    // Reads the file into the grid (called only when it exists) and writes the grid into it. By
    // default every column is the attribute of its description.
    virtual void Load_Table_File(const std::string& path);
    virtual void Save_Table_File(const std::string& path);
    // The editor kind of a cell; by default a combo list for the combo-list columns.
    virtual void Get_Editor_Type(int ACol, int ARow, TEditorType& AEditor);
    // After the row buttons moved rows (first .. last).
    virtual void Rows_Moved(int First, int Last) {}
    // After file row `Row` (the columns' attributes from column 1, then the legacy ones) filled
    // grid row ARow: fallbacks that depend on other cells of the row.
    virtual void Row_Loaded(int ARow, const TTableFileRow& Row) {}

    // The checks' helpers. A cell as a whole number: -1 when it is not one, so it fails every
    // range of positions and counts.
    int Cell_Value(int ACol, int ARow) const;
    // Enable in column 1 is ticked: "Y" after trimming, either case.
    bool Is_Enabled(int ARow) const;
    // Shows "<prefix><row><the check's text><suffix>" as an error and returns false.
    bool Row_Error(int ARow, int Text_Slot, const std::string& Suffix = {}) const;
    // The same for a fault of the whole table: no row prefix.
    bool Table_Error(int Text_Slot, const std::string& Suffix = {}) const;

    // Reports what went wrong as the application's error box.
    static void Report(const std::exception& error);

private:
    bool Is_Check_Column(int ACol) const;
    void Write_Cell(int ACol, int ARow, const std::string& text);
    std::string Read_Cell(int ACol, int ARow) const;

    TTableDescription FDescription;
    TExStringGrid* FGrid = nullptr;
};
