#pragma once

#include "app/core/HartVariablesFile.h"
#include "app/tables/TableWindow.h"

#include <string>
#include <vector>

class TFHART_Scan;

// "HART Variables": the HART device variables and commands the gateway exchanges, up to 100
// rows, kept in "HART_Variables.xml" of the open configuration. Rows can be imported from a scan
// of the HART network.
class TFHARTVariables : public TTableWindow {
public:
    explicit TFHARTVariables(TComponent* AOwner);

    // Table columns.
    enum TColumn {
        Col_Enable = 1,
        Col_Device_Address,
        Col_Preamble_Count,
        Col_Type,
        Col_Var_Cmd_Number,
        Col_Params,
        Col_Position,
        Col_Swap,
        Col_ConvInt,
        Col_Operations,
        Col_TimeOut,
        Col_Mnemonic,
    };

    TExStringGrid* ESG = nullptr;
    TGlyphButton* Btn_Scan = nullptr;
    TStringList Type_SL;       // "Var", "Var Burst", "Command"
    TStringList Operations_SL; // "None", "x 10" .. "x 1000000"
    int Num_Byte_Max = 1440;
    // The dialog that Scan opens (the program's one by default).
    TFHART_Scan* Scan_Dialog = nullptr;

    bool Controllo_dati() override;
    void ESGComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex,
                        const std::string& ASelection);
    void Btn_ScanClick(TObject* Sender);
    // Text when it is one of the list's entries exactly, else empty.
    std::string Get_Type(const std::string& Text) const;
    std::string Get_Operation(const std::string& Text) const;
    // Rows of the scan dialog's result grid whose box is ticked.
    int HART_Scan_Count_Var() const;
    // Puts the ticked rows of the scan dialog's result grid into the rows without an address,
    // in order; with Overwrite the table is emptied first. Returns the rows imported.
    int Import_Scan(bool Overwrite);

    // The grid as file rows, every table row, and the reverse for one row.
    std::vector<THartVariableRow> Grid_Rows() const;
    void Show_Row(int ARow, const THartVariableRow& Row);
    // Params editable and Swap, Conv Int, Operations read-only in a "Command" row; the reverse
    // in every other row.
    void Set_Editability(int ARow);

protected:
    std::string Table_File() const override;
    void Reset_Rows(int Table) override;
    void Load_Table_File(const std::string& path) override;
    void Save_Table_File(const std::string& path) override;
    void Get_Editor_Type(int Table, int ACol, int ARow, TEditorType& AEditor) override;
    void Rows_Moved(int Table, int First, int Last) override;

private:
    void Set_Editability(int ARow, bool Command);
    void Fill_Scan_Address();
    bool Is_Command_Row(int ARow) const;
};

extern TFHARTVariables* FHARTVariables;
