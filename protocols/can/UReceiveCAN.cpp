#include "protocols/can/UReceiveCAN.h"

#include "app/core/AppState.h"
#include "protocols/can/CanFrameColumns.h"

TFReceiveCAN* FReceiveCAN = nullptr;

namespace {

TTableDescription Receive_CAN_Table() {
    TTableDescription d;
    TTableGridDescription& t = d.Tables.emplace_back();
    d.Form_Name = "FReceiveCAN";
    d.Client_Width = 1010;
    d.Caption_Slot = 1800;
    d.Button_Hint_Slot = 1823;
    d.Delete_Question_Slot = 1858;
    d.Error_Prefix_Slot = 1844;
    d.Focus_Grid_On_Show = true;
    t.Data_Rows = Can_Data_Rows;
    t.Key_Col = TCanFramesWindow::Col_CobID;
    d.Root = "Receive_Frames";
    TTableColumn timeOut{"TimeOut", 1813, 1834, 75, 0x00A8FFA8};
    timeOut.Has_Missing = true;
    timeOut.Missing = "0";
    TTableColumn mnemonic{"Mnemonic", 1822, 1843, 185};
    mnemonic.Has_Missing = true;
    t.Columns = {
        {"", 1808, 0, 40},           Enable_Column(1809, 1829),        Can_CobID_Column(1810, 1830),
        Can_Type_Column(1811, 1831), Can_Dimension_Column(1812, 1832), timeOut};
    for (const TTableColumn& byte : Can_Byte_Columns(1814, 1835))
        t.Columns.push_back(byte);
    t.Columns.push_back(mnemonic);
    return d;
}

} // namespace

TFReceiveCAN::TFReceiveCAN(TComponent* AOwner)
    : TCanFramesWindow(AOwner, Receive_CAN_Table(), Col_Byte1, {1845, 1846, 1847, 1849, 1850}) {
    ACG_CAN_Receive = Column_Grid();
}

std::string TFReceiveCAN::Table_File() const {
    return AppState().CAN_Rec_Frames_File;
}

bool TFReceiveCAN::Check_Timing(int ARow) const {
    const int timeOut = Cell_Value(Col_TimeOut, ARow);
    return (timeOut >= 0 && timeOut <= 100000000) || Row_Error(ARow, 1848);
}
