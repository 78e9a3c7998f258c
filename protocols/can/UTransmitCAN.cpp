#include "protocols/can/UTransmitCAN.h"

#include "app/core/AppState.h"
#include "grid/stringgrid/ExCGrid.h"
#include "platform/core/Text.h"
#include "protocols/can/CanFrameColumns.h"

TFTransmitCAN* FTransmitCAN = nullptr;

namespace {

constexpr TColor Send_Color = 0x00A8FFA8;

TTableColumn Send_Check_Column(const char* attribute, int header, int hint, int width,
                               const char* missing) {
    TTableColumn column{attribute, header, hint, width, Send_Color, tcCheckBox, taCenter};
    column.Has_Missing = true;
    column.Missing = missing;
    return column;
}

TTableDescription Transmit_CAN_Table() {
    TTableDescription d;
    TTableGridDescription& t = d.Tables.emplace_back();
    d.Form_Name = "FTransmitCAN";
    d.Client_Width = 1100;
    d.Caption_Slot = 1900;
    d.Button_Hint_Slot = 1925;
    d.Delete_Question_Slot = 1961;
    d.Error_Prefix_Slot = 1947;
    d.Focus_Grid_On_Show = true;
    t.Data_Rows = Can_Data_Rows;
    t.Key_Col = TCanFramesWindow::Col_CobID;
    d.Root = "Transmit_Frames";
    TTableColumn type = Can_Type_Column(1911, 1933);
    type.Has_Missing = true;
    type.Missing = Can_Type_11_Bits;
    TTableColumn mnemonic{"Mnemonic", 1924, 1946, 110};
    mnemonic.Has_Missing = true;
    t.Columns = {{"", 1908, 0, 40},
                 Enable_Column(1909, 1931),
                 Can_CobID_Column(1910, 1932),
                 type,
                 Can_Dimension_Column(1912, 1934),
                 Send_Check_Column("OnChange", 1913, 1935, 65, "Y"),
                 Send_Check_Column("OnCMD", 1962, 1963, 50, "N"),
                 Send_Check_Column("OnTimer", 1914, 1936, 55, "N"),
                 {"Time", 1915, 1937, 70, Send_Color}};
    for (const TTableColumn& byte : Can_Byte_Columns(1916, 1938))
        t.Columns.push_back(byte);
    t.Columns.push_back(mnemonic);
    return d;
}

} // namespace

TFTransmitCAN::TFTransmitCAN(TComponent* AOwner)
    : TCanFramesWindow(AOwner, Transmit_CAN_Table(), Col_Byte1, {1948, 1949, 1950, 1952, 1953}) {
    ACG_CAN_Transmit = Column_Grid();
}

std::string TFTransmitCAN::Table_File() const {
    return AppState().CAN_Send_Frames_File;
}

void TFTransmitCAN::Row_Loaded(int, int ARow, const TTableFileRow& Row) {
    if (!Row[Col_Time - 1] && ACG_CAN_Transmit->Cells(Col_OnTimer, ARow) == "Y")
        ACG_CAN_Transmit->SetCells(Col_Time, ARow, "0");
}

bool TFTransmitCAN::Check_Timing(int ARow) const {
    if (UpperCase(Trim(ACG_CAN_Transmit->Cells(Col_OnTimer, ARow))) != "Y")
        return true;
    const int time = Cell_Value(Col_Time, ARow);
    return (time >= 0 && time <= 100000000) || Row_Error(ARow, 1951);
}
