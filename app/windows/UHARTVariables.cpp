#include "app/windows/UHARTVariables.h"

#include "app/controls/GlyphButton.h"
#include "app/controls/WindowLook.h"
#include "app/core/AppState.h"
#include "app/core/HartCodeTables.h"
#include "app/core/HartVariablesValidation.h"
#include "app/core/TableFile.h"
#include "app/core/ULanguage.h"
#include "app/tables/TableRowOperations.h"
#include "app/windows/UHART_Scan.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/core/Files.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Panel.h"
#include "platform/xml/XmlDocument.h"

TFHARTVariables* FHARTVariables = nullptr;

namespace {

constexpr int Command_Type = 2;
constexpr int Question_Overwrite_Rows = 1249;
constexpr int Import_Cut_Short = 1253;
constexpr int Import_Cut_Short_Of = 1254;

const char* const Types[] = {"Var", "Var Burst", "Command"};
const char* const Operations[] = {"None",    "x 10",     "x 100",    "x 1000",
                                  "x 10000", "x 100000", "x 1000000"};

std::vector<std::string> List_Of(std::initializer_list<const char*> texts) {
    return {texts.begin(), texts.end()};
}

TTableDescription HART_Variables_Table() {
    TTableDescription d;
    TTableGridDescription& t = d.Tables.emplace_back();
    d.Form_Name = "FHARTVariables";
    d.Client_Width = 1150;
    d.Client_Height = 337;
    d.Caption_Slot = 1200;
    d.Button_Hint_Slot = 1208;
    d.Delete_Question_Slot = 1248;
    d.Check_Box_Grid = true;
    t.Data_Rows = Hart_Variables_Max_Rows;
    t.Key_Col = TFHARTVariables::Col_Device_Address;
    d.Select_Row_On_Click = true;
    d.Root = Hart_Variables_Root;
    t.Section = Hart_Variables_Section;
    const std::vector<std::string> types(std::begin(Types), std::end(Types));
    const std::vector<std::string> operations(std::begin(Operations), std::end(Operations));
    t.Columns = {
        {"", 1214, 0, 40},
        {"Enable", 1215, 1226, 50, 0x00B0D8FF, tcCheckBox, taCenter},
        {"Device_Address", 1216, 1227, 110, 0x00FEFAE0},
        {"Preamble_Count", 1217, 1228, 100, 0x00FEFAE0},
        {"Var_Cmd_Type", 1218, 1229, 80, 0x00A8FFFF, tcComboList, taLeftJustify, types},
        {"Var_Cmd_Number", 1219, 1230, 110, 0x00A8FFFF},
        {"Cmd_Params", 1220, 1231, 110, 0x00A8FFFF},
        {"Position", 1221, 1232, 110, 0x00A8FFA8},
        {"Swap", 1222, 1233, 40, 0x00A8FFA8, tcCheckBox, taCenter},
        {"ConvInt", 1223, 1234, 60, 0x00A8FFA8, tcCheckBox, taCenter},
        {"Var_Operation", 1224, 1235, 80, 0x00A8FFA8, tcComboList, taLeftJustify, operations},
        {"TimeOut", 1250, 1251, 80, 0x00F4D6FC},
        {"Mnemonic", 1225, 1236, 160, 0x00FFFFFF},
    };
    return d;
}

} // namespace

TFHARTVariables::TFHARTVariables(TComponent* AOwner)
    : TTableWindow(AOwner, HART_Variables_Table()) {
    ESG = Table_Grid();
    // The file's texts must match an entry exactly, case included.
    Type_SL.SetCaseSensitive(true);
    Operations_SL.SetCaseSensitive(true);
    for (const char* type : Types)
        Type_SL.Add(type);
    for (const char* operation : Operations)
        Operations_SL.Add(operation);
    Btn_Scan = Make_Glyph_Button(this, P_Button, 724, 6, 110, 28, "");
    Btn_Scan->SetCaption("Scan");
    Btn_Scan->OnClick = [this](TObject* sender) { Btn_ScanClick(sender); };
    ESG->OnComboChange = [this](TObject* sender, int col, int row, int index,
                                const std::string& selection) {
        ESGComboChange(sender, col, row, index, selection);
    };
    // An edit of the type that ends without the choice (Escape) gives the row back its type's
    // editability.
    ESG->OnEditCellDone = [this](TObject*, int col, int row) {
        if (col == Col_Type && row > 0 && row < ESG->RowCount()) {
            Set_Editability(row);
            ESG->Invalidate();
        }
    };
}

std::string TFHARTVariables::Table_File() const {
    return AppState().HART_Variables_File;
}

std::string TFHARTVariables::Get_Type(const std::string& Text) const {
    return Type_SL.IndexOf(Text) >= 0 ? Text : std::string();
}

std::string TFHARTVariables::Get_Operation(const std::string& Text) const {
    return Operations_SL.IndexOf(Text) >= 0 ? Text : std::string();
}

bool TFHARTVariables::Is_Command_Row(int ARow) const {
    return ESG->Cells(Col_Type, ARow) == Type_SL[Command_Type];
}

void TFHARTVariables::Set_Editability(int ARow) {
    Set_Editability(ARow, Is_Command_Row(ARow));
}

void TFHARTVariables::Set_Editability(int ARow, bool Command) {
    ESG->SetReadOnly(Col_Params, ARow, !Command);
    for (int col : {Col_Swap, Col_ConvInt, Col_Operations})
        ESG->SetReadOnly(col, ARow, Command);
}

void TFHARTVariables::Rows_Moved(int, int First, int Last) {
    // The flags follow the rows' types, so a moved "Command" row keeps its Params editable.
    for (int r = First; r <= Last; ++r)
        Set_Editability(r);
}

std::vector<THartVariableRow> TFHARTVariables::Grid_Rows() const {
    // Whatever reached a cell (a typed or pasted tab), no control character reaches the file.
    auto Text = [this](int col, int row) { return Table_File_Text(ESG->Cells(col, row)); };
    std::vector<THartVariableRow> rows;
    for (int r = 1; r < ESG->RowCount(); ++r) {
        THartVariableRow& row = rows.emplace_back();
        bool ticked = false;
        row.Enable = ESG->GetCheckBoxState(Col_Enable, r, ticked) && ticked;
        row.Device_Address = Text(Col_Device_Address, r);
        row.Preamble_Count = Text(Col_Preamble_Count, r);
        row.Var_Cmd_Type = Text(Col_Type, r);
        row.Var_Cmd_Number = Text(Col_Var_Cmd_Number, r);
        row.Cmd_Params = Text(Col_Params, r);
        row.Position = Text(Col_Position, r);
        ticked = false;
        row.Swap = ESG->GetCheckBoxState(Col_Swap, r, ticked) && ticked;
        ticked = false;
        row.ConvInt = ESG->GetCheckBoxState(Col_ConvInt, r, ticked) && ticked;
        row.Var_Operation = Text(Col_Operations, r);
        row.TimeOut = Text(Col_TimeOut, r);
        row.Mnemonic = Text(Col_Mnemonic, r);
    }
    return rows;
}

void TFHARTVariables::Show_Row(int ARow, const THartVariableRow& Row) {
    // A file may carry control characters as character references; the cells never show them.
    auto show = [this, ARow](int col, const std::string& text) {
        ESG->SetCells(col, ARow, Table_File_Text(text));
    };
    ESG->SetCheckBoxState(Col_Enable, ARow, Row.Enable);
    show(Col_Device_Address, Row.Device_Address);
    show(Col_Preamble_Count, Row.Preamble_Count);
    show(Col_Type, Get_Type(Row.Var_Cmd_Type));
    show(Col_Var_Cmd_Number, Row.Var_Cmd_Number);
    show(Col_Params, Row.Cmd_Params);
    show(Col_Position, Row.Position);
    ESG->SetCheckBoxState(Col_Swap, ARow, Row.Swap);
    ESG->SetCheckBoxState(Col_ConvInt, ARow, Row.ConvInt);
    show(Col_Operations, Get_Operation(Row.Var_Operation));
    show(Col_TimeOut, Row.TimeOut);
    show(Col_Mnemonic, Row.Mnemonic);
    Set_Editability(ARow);
}

void TFHARTVariables::Reset_Rows(int Table) {
    TTableWindow::Reset_Rows(Table);
    // No flag of an earlier showing stays: every emptied row is edited as a row without a type.
    for (int r = 1; r < ESG->RowCount(); ++r)
        Set_Editability(r);
    Num_Byte_Max = Hart_Num_Byte_Max;
}

void TFHARTVariables::Load_Table_File(const std::string& path) {
    const int dataRows = ESG->RowCount() - 1;
    // One row more than the table holds tells that the file has rows the table cannot show.
    const std::vector<THartVariableRow> rows =
        Read_Hart_Variables_File(path, static_cast<size_t>(dataRows) + 1);
    for (size_t i = 0; i < rows.size() && static_cast<int>(i) < dataRows; ++i)
        Show_Row(static_cast<int>(i) + 1, rows[i]);
    if (static_cast<int>(rows.size()) > dataRows)
        Rows_Beyond_Table_Read(dataRows);
}

void TFHARTVariables::Save_Table_File(const std::string& path) {
    Write_Hart_Variables_File(path, Grid_Rows());
}

bool TFHARTVariables::Controllo_dati() {
    const THartVariablesCheck check = Check_Hart_Variables(Grid_Rows(), Num_Byte_Max);
    if (check.Passed)
        return true;
    MessageDlg(check.Message, mtError, {mbOK});
    return false;
}

void TFHARTVariables::Get_Editor_Type(int Table, int ACol, int ARow, TEditorType& AEditor) {
    TTableWindow::Get_Editor_Type(Table, ACol, ARow, AEditor);
    if (ESG->RealColIndex(ACol) == Col_Params) {
        AEditor = edNormal;
        ESG->SetReadOnly(Col_Params, ARow, !Is_Command_Row(ARow));
    }
}

void TFHARTVariables::ESGComboChange(TObject*, int ACol, int ARow, int,
                                     const std::string& ASelection) {
    if (ESG->RealColIndex(ACol) != Col_Type)
        return;
    Set_Editability(ARow, ASelection == Type_SL[Command_Type]);
    ESG->Invalidate();
}

void TFHARTVariables::Fill_Scan_Address() {
    TFHART_Scan* dialog = Scan_Dialog ? Scan_Dialog : FHART_Scan;
    const std::string& path = AppState().ParGen_File;
    if (!FileExists(path))
        return;
    TXMLDocument xml;
    xml.LoadFromFile(path);
    const TXmlNode root = xml.DocumentElement();
    const std::pair<TEdit*, const char*> octets[] = {{dialog->E_Discovery_IP1, "192"},
                                                     {dialog->E_Discovery_IP2, "168"},
                                                     {dialog->E_Discovery_IP3, "0"},
                                                     {dialog->E_Discovery_IP4, "10"}};
    for (int i = 0; i < 4; ++i) {
        const TXmlNode element = root.ChildNode("Ethernet_IP" + IntToStr(i + 1));
        octets[i].first->SetText(element.IsNull() ? octets[i].second : element.Text());
    }
}

int TFHARTVariables::HART_Scan_Count_Var() const {
    const TFHART_Scan* dialog = Scan_Dialog ? Scan_Dialog : FHART_Scan;
    int count = 0;
    for (int r = 1; r < dialog->ESG->RowCount(); ++r) {
        bool ticked = false;
        if (dialog->ESG->GetCheckBoxState(1, r, ticked) && ticked)
            ++count;
    }
    return count;
}

void TFHARTVariables::Btn_ScanClick(TObject*) {
    TFHART_Scan* dialog = Scan_Dialog ? Scan_Dialog : FHART_Scan;
    if (!dialog)
        return;
    try {
        Fill_Scan_Address();
    } catch (const std::exception& error) {
        // The dialog keeps the address it showed last.
        Report(error);
    }
    if (dialog->ShowModal() != mrOk)
        return;
    if (dialog->Num_Devices <= 0 || HART_Scan_Count_Var() <= 0)
        return;
    const bool overwrite =
        MessageDlg(Lang_Str(Question_Overwrite_Rows), mtConfirmation, mbYesNo) == mrYes;
    Import_Scan(overwrite);
}

int TFHARTVariables::Import_Scan(bool Overwrite) {
    const TFHART_Scan* dialog = Scan_Dialog ? Scan_Dialog : FHART_Scan;
    TExStringGrid* results = dialog->ESG;
    if (Overwrite) {
        for (int r = 1; r < ESG->RowCount(); ++r) {
            ESG->SetCells(0, r, IntToStr(r));
            ESG->SetCheckBoxState(Col_Enable, r, true);
            for (int c = 2; c < ESG->AllColCount(); ++c)
                ESG->SetCells(c, r, "");
            Set_Editability(r);
        }
    }
    // Imported variables go into rows without an address only: a row typed below an empty
    // one (an inserted row, say) is stepped over, never overwritten.
    auto Next_Free_Row = [this](int from) {
        while (from < ESG->RowCount() && !ESG->Cells(Col_Device_Address, from).empty())
            ++from;
        return from;
    };
    int target = Next_Free_Row(1);
    const int wanted = HART_Scan_Count_Var();
    int imported = 0;
    for (int r = 1; r < results->RowCount() && target < ESG->RowCount(); ++r) {
        bool ticked = false;
        if (!results->GetCheckBoxState(1, r, ticked) || !ticked)
            continue;
        ESG->SetCheckBoxState(Col_Enable, target, true);
        ESG->SetCells(Col_Device_Address, target, results->Cells(2, r));
        ESG->SetCells(Col_Preamble_Count, target, results->Cells(3, r));
        ESG->SetCells(Col_Type, target, Type_SL[0]);
        ESG->SetCells(Col_Var_Cmd_Number, target,
                      IntToStr(HART_Var_Code_From_Name(results->Cells(5, r))));
        for (int c : {Col_Params, Col_Position, Col_Operations, Col_TimeOut})
            ESG->SetCells(c, target, "");
        ESG->SetCells(Col_Mnemonic, target, results->Cells(4, r) + " - " + results->Cells(5, r));
        Set_Editability(target);
        target = Next_Free_Row(target + 1);
        ++imported;
    }
    ESG->Invalidate();
    // Rows are never overwritten to make room: what does not fit is left out, and said so.
    if (imported < wanted)
        MessageDlg(Lang_Str(Import_Cut_Short) + IntToStr(imported) + Lang_Str(Import_Cut_Short_Of) +
                       IntToStr(wanted),
                   mtWarning, {mbOK});
    return imported;
}
