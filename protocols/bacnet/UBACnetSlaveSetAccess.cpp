#include "protocols/bacnet/UBACnetSlaveSetAccess.h"

#include "app/core/AppState.h"
#include "app/core/XmlLookup.h"
#include "grid/stringgrid/ExCGrid.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"
#include "platform/ui/Edit.h"
#include "protocols/bacnet/UBACnet_Eng_Unit.h"

#include <map>

TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess = nullptr;

namespace {

constexpr int Data_Area_Bytes = 1440;
constexpr int Rows_Short_Names = 2000;
constexpr int Rows_Long_Names = 1000;
constexpr const char* Read_Section = "BACnet_in_Read";
constexpr const char* Write_Section = "BACnet_in_Write";

TTableGridDescription Object_Table(const char* page, int pageSlot, const char* grid,
                                   const char* section, int firstHeader,
                                   std::vector<std::string> types) {
    TTableGridDescription t;
    t.Page_Name = page;
    t.Page_Caption_Slot = pageSlot;
    t.Grid_Name = grid;
    t.Data_Rows = Rows_Short_Names;
    t.Key_Col = TFBACnetSlaveSetAccess::Col_Data_Type;
    t.Section = section;
    t.Section_Required = true;
    TTableColumn swap{"Swap", firstHeader + 6, 0, 40, clWindow, tcCheckBox, taCenter};
    swap.Has_Missing = true;
    swap.Missing = "N";
    t.Columns = {
        {"", firstHeader, 0, 40},
        {"Data_Type", firstHeader + 1, 0, 150, clWindow, tcComboList, taLeftJustify,
         std::move(types)},
        {"Eng_Unit", firstHeader + 2, 0, 100},
        {"Position", firstHeader + 3, 0, 64, clWindow, tcComboList, taLeftJustify,
         Number_Items(Data_Area_Bytes)},
        {"Bit", firstHeader + 4, 0, 64, clWindow, tcComboList, taLeftJustify, Number_Items(8)},
        {"Length", firstHeader + 5, 0, 64},
        swap,
        {"Mnemonic", firstHeader + 7, 0, 250}};
    return t;
}

TTableDescription BACnet_Tables() {
    TTableDescription d;
    d.Form_Name = "FBACnetSlaveSetAccess";
    d.Client_Width = 764;
    d.Caption_Slot = 1300;
    d.Button_Hint_Slot = 1310;
    d.Delete_Question_Slot = 1360;
    d.Error_Prefix_Slot = 1332;
    d.Select_Row_On_Click = true;
    d.Root = "BACnet_to_Modbus";
    d.Tables = {Object_Table("TS_BACnet_in_Read", 1308, "ACG_BACnet_in_Read", Read_Section, 1316,
                             {"Analog Input", "Analog Value", "Binary Input", "Binary Value",
                              "Positive Integer Value", "Large Analog Value", "Integer Value",
                              "Multi State Input", "Multi State Value", "Life Safety Point",
                              "Life Safety Zone", "Access Door", "Accumulator"}),
                Object_Table("TS_BACnet_in_Write", 1309, "ACG_BACnet_in_Write", Write_Section, 1324,
                             {"Analog Out", "Analog Value", "Binary Out", "Binary Value",
                              "Positive Integer Value", "Large Analog Value", "Integer Value",
                              "Multi State Output", "Multi State Value", "Access Door"})};
    return d;
}

// The value length an object type allows, with the message that names it.
struct TLengthRange {
    int Min;
    int Max;
    int Slot;
};

// The language slots and types of the checks of one table.
struct TObjectChecks {
    int Eng_Unit;
    int Position;
    int Bit;
    int Too_Many;
    const char* Binary_Types[2];
    std::map<std::string, TLengthRange> Lengths; // types without a range are not checked
};

const TObjectChecks& Checks(int Table) {
    static const TObjectChecks read{1333,
                                    1334,
                                    1345,
                                    1346,
                                    {"Binary Input", "Binary Value"},
                                    {{"Analog Input", {1, 4, 1335}},
                                     {"Positive Integer Value", {1, 4, 1336}},
                                     {"Large Analog Value", {1, 8, 1337}},
                                     {"Analog Value", {1, 4, 1338}},
                                     {"Multi State Input", {1, 4, 1339}},
                                     {"Multi State Value", {1, 4, 1340}},
                                     {"Life Safety Point", {1, 2, 1341}},
                                     {"Life Safety Zone", {1, 2, 1342}},
                                     {"Access Door", {1, 1, 1343}},
                                     {"Accumulator", {1, 4, 1344}}}};
    static const TObjectChecks write{1347,
                                     1348,
                                     1357,
                                     1358,
                                     {"Binary Out", "Binary Value"},
                                     {{"Analog Out", {1, 4, 1349}},
                                      {"Analog Value", {1, 4, 1350}},
                                      {"Positive Integer Value", {1, 4, 1351}},
                                      {"Large Analog Value", {1, 8, 1352}},
                                      {"Integer Value", {1, 4, 1353}},
                                      {"Multi State Output", {1, 4, 1354}},
                                      {"Multi State Value", {1, 4, 1355}},
                                      {"Access Door", {1, 1, 1356}}}};
    return Table == TFBACnetSlaveSetAccess::Table_Read ? read : write;
}

// The length a write object of a type holds; empty for a type of no fixed length.
std::string Write_Length_Of(const std::string& type) {
    static const std::map<std::string, std::string> lengths{{"ANALOG OUT", "4"},
                                                            {"ANALOG VALUE", "4"},
                                                            {"BINARY OUT", "1"},
                                                            {"BINARY VALUE", "1"},
                                                            {"POSITIVE INTEGER VALUE", "4"},
                                                            {"LARGE ANALOG VALUE", "8"},
                                                            {"INTEGER VALUE", "4"},
                                                            {"MULTI STATE OUTPUT", "4"},
                                                            {"MULTI STATE VALUE", "4"},
                                                            {"ACCESS DOOR", "1"},
                                                            {"OCTET STRING", "1"}};
    const auto found = lengths.find(UpperCase(type));
    return found == lengths.end() ? std::string() : found->second;
}

} // namespace

TFBACnetSlaveSetAccess::TFBACnetSlaveSetAccess(TComponent* AOwner)
    : TTableWindow(AOwner, BACnet_Tables()) {
    ACG_BACnet_in_Read = Column_Grid(Table_Read);
    ACG_BACnet_in_Write = Column_Grid(Table_Write);
    for (TExColumnGrid* grid : {ACG_BACnet_in_Read, ACG_BACnet_in_Write})
        grid->OnDblClickCell = [this](TObject* sender, int row, int col) {
            Eng_Unit_DblClickCell(sender, row, col);
            DblClickCell(sender, row, col);
        };
    ACG_BACnet_in_Write->OnComboChange = [this](TObject* sender, int col, int row, int index,
                                                const std::string& selection) {
        ACG_BACnet_in_WriteComboChange(sender, col, row, index, selection);
    };
}

std::string TFBACnetSlaveSetAccess::Table_File() const {
    return AppState().BACnet_Slave_File;
}

void TFBACnetSlaveSetAccess::Init_Table(int Table) {
    TTableWindow::Init_Table(Table);
    Table_Grid(Table)->HideColumn(Col_Swap);
}

void TFBACnetSlaveSetAccess::Read_Desc_Lenght() {
    Desc_Lenght = false;
    const std::string& parGen = AppState().ParGen_File;
    if (parGen.empty() || !FileExists(parGen))
        return;
    try {
        TXMLDocument xml;
        xml.LoadFromFile(parGen);
        std::string limit;
        Desc_Lenght = Read_Element_Text(xml.DocumentElement(), "BACnet_Desc_Chars_Limit", limit) &&
                      limit == "1";
    } catch (const std::exception&) {
        // General parameters that cannot be read keep the short names.
        Desc_Lenght = false;
    }
}

void TFBACnetSlaveSetAccess::Reset_Rows(int Table) {
    if (Table == Table_Read) {
        NByte_IN = Data_Area_Bytes;
        NByte_OUT = Data_Area_Bytes;
        Read_Desc_Lenght();
    }
    Table_Grid(Table)->SetRowCount((Desc_Lenght ? Rows_Long_Names : Rows_Short_Names) + 1);
    TTableWindow::Reset_Rows(Table);
}

void TFBACnetSlaveSetAccess::Row_Loaded(int Table, int ARow, const TTableFileRow& Row) {
    // Only the Swap flag has a fallback: an object without its type, unit, place or name is
    // no object, and guessing one would be written back as if it had been read.
    const auto& columns = Table_Description(Table).Columns;
    for (int c = Col_Data_Type; c <= Col_Mnemonic; ++c)
        if (c != Col_Swap && !Row[static_cast<size_t>(c - 1)])
            throw Exception(Table_Description(Table).Section + ": row " + IntToStr(ARow) +
                            " lacks the attribute \"" + columns[static_cast<size_t>(c)].Attribute +
                            "\"");
}

bool TFBACnetSlaveSetAccess::Check_Table(int Table, int& Count) const {
    const TObjectChecks& checks = Checks(Table);
    const int bytes = Table == Table_Read ? NByte_IN : NByte_OUT;
    TExStringGrid* grid = Table_Grid(Table);
    const int last = Key_Rows(Table);
    for (int r = 1; r <= last; ++r) {
        ++Count;
        const int unit = Cell_Value(Table, Col_Eng_Unit, r);
        if (unit < 0 || unit > 65535)
            return Row_Error(r, checks.Eng_Unit);
        const int position = Cell_Value(Table, Col_Position, r);
        if (position < 0 || position >= bytes)
            return Row_Error(r, checks.Position, IntToStr(bytes - 1));
        const std::string type = Trim(grid->Cells(Col_Data_Type, r));
        int lastByte = position;
        if (type == checks.Binary_Types[0] || type == checks.Binary_Types[1]) {
            const int bit = Cell_Value(Table, Col_Bit, r);
            if (bit < 0 || bit > 7)
                return Row_Error(r, checks.Bit);
        } else {
            const int length = StrToIntDef(grid->Cells(Col_Length, r), 0);
            const auto range = checks.Lengths.find(type);
            if (range != checks.Lengths.end() &&
                (length < range->second.Min || length > range->second.Max))
                return Row_Error(r, range->second.Slot);
            lastByte = position + length - 1;
        }
        if (lastByte >= bytes)
            return Row_Error(r, checks.Too_Many);
    }
    return true;
}

bool TFBACnetSlaveSetAccess::Controllo_dati() {
    int count = 0;
    if (!Check_Table(Table_Read, count) || !Check_Table(Table_Write, count))
        return false;
    if (count > Max_Objects())
        return Table_Error(1359, IntToStr(Max_Objects()));
    return true;
}

void TFBACnetSlaveSetAccess::Eng_Unit_DblClickCell(TObject* Sender, int ARow, int ACol) {
    const int table = Table_Of(Sender);
    if (table < 0 || ARow < 1 || !FBACnet_Eng_Unit)
        return;
    TExStringGrid* grid = Table_Grid(table);
    if (grid->RealColIndex(ACol) != Col_Eng_Unit)
        return;
    FBACnet_Eng_Unit->Show_Code(grid->Cells(Col_Eng_Unit, ARow));
    if (FBACnet_Eng_Unit->ShowModal() == mrOk) {
        grid->SetCells(Col_Eng_Unit, ARow, FBACnet_Eng_Unit->E_Selected_EU->Text());
        grid->Invalidate();
    }
}

void TFBACnetSlaveSetAccess::ACG_BACnet_in_WriteComboChange(TObject*, int ACol, int ARow, int,
                                                            const std::string& ASelection) {
    if (ACol != Col_Data_Type || ARow < 1)
        return;
    const std::string length = Write_Length_Of(ASelection);
    if (!length.empty())
        ACG_BACnet_in_Write->SetCells(Col_Length, ARow, length);
}
