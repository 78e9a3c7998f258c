#include "protocols/snmp/USNMP_Trap_Access.h"

#include "app/core/AppState.h"
#include "app/core/UComon.h"
#include "grid/stringgrid/ExCGrid.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"

#include <set>

TFSNMP_Trap_Access* FSNMP_Trap_Access = nullptr;

namespace {

constexpr int Data_Area_Bytes = 1440;
constexpr int Values_Per_Table = 256;
constexpr int Name_Length = 15;
constexpr const char* Read_Section = "SNMP_Trap_Read";
constexpr const char* Write_Section = "SNMP_Trap_Write";

TTableColumn With_Missing(TTableColumn column, const char* missing) {
    column.Has_Missing = true;
    column.Missing = missing;
    return column;
}

TTableColumn Check_Column(const char* attribute, int header, int hint, int width,
                          const char* missing) {
    return With_Missing({attribute, header, hint, width, clWindow, tcCheckBox, taCenter}, missing);
}

TTableColumn Community_Column(int header, int hint) {
    TTableColumn column{"Community_Name", header,      hint,          130,
                        clWindow,         tcComboEdit, taLeftJustify, {"Marble", "Granite"}};
    column.Edit_Length = Name_Length;
    return column;
}

TTableColumn Combo_Column(const char* attribute, int header, int hint, int width,
                          std::vector<std::string> items) {
    return {attribute, header, hint, width, clWindow, tcComboList, taLeftJustify, std::move(items)};
}

TTableColumn Description_Column(int header, int hint) {
    TTableColumn column{"Description", header, hint, 130};
    column.Edit_Length = Name_Length;
    return column;
}

TTableColumn Conversion_Column(int header, int hint) {
    return With_Missing(
        Combo_Column("Conversion", header, hint, 100,
                     {"None", "Float", "Float * 10", "Float * 100", "Float / 10", "Float / 100"}),
        "None");
}

TTableGridDescription Value_Table(const char* page, int pageSlot, const char* grid,
                                  const char* section) {
    TTableGridDescription t;
    t.Page_Name = page;
    t.Page_Caption_Slot = pageSlot;
    t.Grid_Name = grid;
    t.Data_Rows = Values_Per_Table;
    t.Key_Col = TFSNMP_Trap_Access::Col_Read_Community_Name;
    t.Section = section;
    t.Section_Required = true;
    return t;
}

TTableDescription SNMP_Tables() {
    TTableDescription d;
    d.Form_Name = "FSNMP_Trap_Access";
    d.Client_Width = 1256;
    d.Caption_Slot = 2700;
    d.Button_Hint_Slot = 2710;
    d.Delete_Question_Slot = 2775;
    d.Error_Prefix_Slot = 2760;
    d.Root = "SNMP_Trap";
    TTableGridDescription read = Value_Table("TS_SNMP_Read", 2708, "ACG_SNMP_Read", Read_Section);
    read.Columns = {{"", 2716, 0, 40},
                    Check_Column("Enable", 2717, 2739, 50, "Y"),
                    Community_Column(2718, 2740),
                    Combo_Column("Type", 2719, 2741, 60, {"Int", "String"}),
                    Check_Column("On_Change", 2720, 2742, 75, "N"),
                    Check_Column("On_Command", 2721, 2743, 50, "N"),
                    Check_Column("On_Timer", 2722, 2744, 60, "N"),
                    {"Time", 2723, 2745, 65},
                    Combo_Column("Position", 2724, 2746, 60, Number_Items(Data_Area_Bytes)),
                    Combo_Column("Bit", 2725, 2747, 60, Number_Items(8)),
                    {"NumBits", 2726, 2748, 95},
                    Description_Column(2727, 2749),
                    {"IP_Address", 2728, 2750, 120},
                    Conversion_Column(2781, 2783),
                    {"Mnemonic", 2729, 2751, 130}};
    TTableGridDescription write =
        Value_Table("TS_SNMP_Write", 2709, "ACG_SNMP_Write", Write_Section);
    write.Columns = {{"", 2730, 0, 40},
                     Check_Column("Enable", 2731, 2752, 50, "Y"),
                     Community_Column(2732, 2753),
                     Combo_Column("Type", 2733, 2754, 60, {"Int", "String"}),
                     Combo_Column("Position", 2734, 2755, 60, Number_Items(Data_Area_Bytes)),
                     Combo_Column("Bit", 2735, 2756, 60, Number_Items(8)),
                     {"NumBits", 2736, 2757, 95},
                     Description_Column(2737, 2758),
                     Conversion_Column(2782, 2784),
                     {"Mnemonic", 2738, 2759, 500}};
    d.Tables = {std::move(read), std::move(write)};
    return d;
}

bool Is_Lower(char c) {
    return c >= 'a' && c <= 'z';
}

bool Is_Letter_Or_Digit(char c) {
    return Is_Lower(c) || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

} // namespace

TFSNMP_Trap_Access::TFSNMP_Trap_Access(TComponent* AOwner) : TTableWindow(AOwner, SNMP_Tables()) {
    ACG_SNMP_Read = Column_Grid(Table_Read);
    ACG_SNMP_Write = Column_Grid(Table_Write);
    for (TExColumnGrid* grid : {ACG_SNMP_Read, ACG_SNMP_Write})
        grid->OnCheckBoxClick = [this](TObject* sender, int col, int row, bool state) {
            ACG_SNMP_ReadCheckBoxClick(sender, col, row, state);
        };
}

std::string TFSNMP_Trap_Access::Table_File() const {
    return AppState().SNMP_Trap_File;
}

void TFSNMP_Trap_Access::Reset_Rows(int Table) {
    NByte_IN = Data_Area_Bytes;
    NByte_OUT = Data_Area_Bytes;
    TTableWindow::Reset_Rows(Table);
}

void TFSNMP_Trap_Access::Load_Table_File(const std::string& path) {
    TTableWindow::Load_Table_File(path);
    Index_Row_Build(ACG_SNMP_Read);
    Index_Row_Build(ACG_SNMP_Write);
}

void TFSNMP_Trap_Access::Rows_Moved(int Table, int, int) {
    Index_Row_Build(Table_Grid(Table));
}

void TFSNMP_Trap_Access::Index_Row_Build(TExStringGrid* Grid) {
    const int table = Table_Of(Grid);
    if (table < 0)
        return;
    int number = 0;
    for (int r = 1; r < Grid->RowCount(); ++r)
        Grid->SetCells(0, r, Is_Enabled(table, r) ? IntToStr(++number) : std::string());
    Grid->Invalidate();
}

void TFSNMP_Trap_Access::ACG_SNMP_ReadCheckBoxClick(TObject* Sender, int ACol, int, bool) {
    auto* grid = dynamic_cast<TExStringGrid*>(Sender);
    if (grid && ACol == Col_Read_Enable)
        Index_Row_Build(grid);
}

bool TFSNMP_Trap_Access::Check_Error_CommName_Desc(std::string_view Text, int Check_Type) {
    for (size_t i = 0; i < Text.size(); ++i) {
        const bool acceptable =
            Check_Type == 1 && i == 0 ? Is_Lower(Text[i]) : Is_Letter_Or_Digit(Text[i]);
        if (!acceptable)
            return true;
    }
    return false;
}

const TFSNMP_Trap_Access::TValueChecks& TFSNMP_Trap_Access::Checks(int Table) {
    static const TValueChecks read{.Community_Name = Col_Read_Community_Name,
                                   .Type = Col_Read_Type,
                                   .On_Timer = Col_Read_On_Timer,
                                   .Time = Col_Read_Time,
                                   .Position = Col_Read_Position,
                                   .Bit = Col_Read_Bit,
                                   .NumBits = Col_Read_NumBits,
                                   .Description = Col_Read_Description,
                                   .IP_Address = Col_Read_IP_Address,
                                   .Conversion = Col_Read_Conversion,
                                   .Community_Slot = 2776,
                                   .Type_Slot = 2761,
                                   .Time_Slot = 2762,
                                   .Position_Slot = 2763,
                                   .Bit_Slot = 2764,
                                   .String_Bit_Slot = 2765,
                                   .Int_Bits_Slot = 2766,
                                   .String_Bytes_Slot = 2767,
                                   .Description_Slot = 2777,
                                   .IP_Slot = 2768,
                                   .Conversion_Slot = 2785};
    static const TValueChecks write{.Community_Name = Col_Write_Community_Name,
                                    .Type = Col_Write_Type,
                                    .Position = Col_Write_Position,
                                    .Bit = Col_Write_Bit,
                                    .NumBits = Col_Write_NumBits,
                                    .Description = Col_Write_Description,
                                    .Conversion = Col_Write_Conversion,
                                    .Community_Slot = 2778,
                                    .Type_Slot = 2769,
                                    .Position_Slot = 2770,
                                    .Bit_Slot = 2771,
                                    .String_Bit_Slot = 2772,
                                    .Int_Bits_Slot = 2773,
                                    .String_Bytes_Slot = 2774,
                                    .Description_Slot = 2779,
                                    .Conversion_Slot = 2786};
    return Table == Table_Read ? read : write;
}

bool TFSNMP_Trap_Access::Check_Row(int Table, int ARow) {
    const TValueChecks& c = Checks(Table);
    const TExStringGrid* grid = Table_Grid(Table);
    auto cell = [&](int col) { return grid->Cells(col, ARow); };
    auto empty = [&](int col) { return Trim(cell(col)).empty(); };

    if (Check_Error_CommName_Desc(cell(c.Community_Name), 0))
        return Row_Error(ARow, c.Community_Slot);
    if (empty(c.Type))
        return Row_Error(ARow, c.Type_Slot);
    const bool isInt = UpperCase(cell(c.Type)) == "INT";
    if (c.On_Timer && UpperCase(Trim(cell(c.On_Timer))) == "Y") {
        const int time = Cell_Value(Table, c.Time, ARow);
        if (time < 1 || time > 1000000000)
            return Row_Error(ARow, c.Time_Slot);
    }
    if (empty(c.Position))
        return Row_Error(ARow, c.Position_Slot);
    if (empty(c.Bit))
        return Row_Error(ARow, c.Bit_Slot);
    if (!isInt && Trim(cell(c.Bit)) != "0")
        return Row_Error(ARow, c.String_Bit_Slot);
    const int count = Cell_Value(Table, c.NumBits, ARow);
    if (isInt && (count < 1 || count > 64))
        return Row_Error(ARow, c.Int_Bits_Slot);
    if (!isInt && (count < 1 || count > 16))
        return Row_Error(ARow, c.String_Bytes_Slot);
    if (Check_Error_CommName_Desc(cell(c.Description), 1))
        return Row_Error(ARow, c.Description_Slot);
    SL_Check_Desc.Add(cell(c.Description));
    if (c.IP_Address) {
        std::string p1, p2, p3, p4;
        if (!Split_IP(cell(c.IP_Address), p1, p2, p3, p4))
            return Row_Error(ARow, c.IP_Slot);
    }
    if (empty(c.Conversion))
        return Row_Error(ARow, c.Conversion_Slot);
    return true;
}

bool TFSNMP_Trap_Access::Controllo_dati() {
    SL_Check_Desc.Clear();
    for (int table : {Table_Read, Table_Write}) {
        const int last = Key_Rows(table);
        for (int r = 1; r <= last; ++r)
            if (Is_Enabled(table, r) && !Check_Row(table, r))
                return false;
    }
    // The descriptions name the values' objects in the MIB: two alike would be one object.
    std::set<std::string> seen;
    for (int i = 0; i < SL_Check_Desc.Count(); ++i)
        if (!seen.insert(SL_Check_Desc[i]).second)
            return Table_Error(2780);
    return true;
}
