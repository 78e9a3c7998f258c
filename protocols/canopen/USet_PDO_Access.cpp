#include "protocols/canopen/USet_PDO_Access.h"

#include "app/core/AppState.h"
#include "protocols/canopen/CANopenColumns.h"

TFSet_PDO_Access* FSet_PDO_Access = nullptr;

namespace {

// The columns both PDO tables start with: the frame's COB-ID and length, then the positions of
// its eight data bytes.
std::vector<TTableColumn> Pdo_Frame_Columns(int First_Header_Slot, int First_Hint_Slot,
                                            int Dimension_Hint_Slot) {
    std::vector<TTableColumn> columns{
        CANopen_Number_Column(First_Header_Slot),
        CANopen_Text_Column("COB-ID", First_Header_Slot + 1, First_Hint_Slot, 65,
                            CANopen_Object_Color),
        CANopen_Text_Column("Dimension", First_Header_Slot + 2, Dimension_Hint_Slot, 65,
                            CANopen_Object_Color)};
    for (const TTableColumn& position :
         CANopen_Position_Columns(8, First_Header_Slot + 3, First_Hint_Slot + 2, 45))
        columns.push_back(position);
    return columns;
}

TTableDescription PDO_Tables() {
    TTableDescription d =
        CANopen_Window("FSet_PDO_Access", 798, 2000, 2008, 2091, 2068, "PDO_CANopen");
    std::vector<TTableColumn> receive = Pdo_Frame_Columns(2016, 2043, 2044);
    receive.push_back(CANopen_Text_Column("TimeOut", 2027, 2053, 65, CANopen_Timing_Color));
    receive.push_back(CANopen_Text_Column("Mnemonic", 2028, 2054, 173));
    d.Tables.push_back(CANopen_Table("TS_Receive_PDO", 2014, "sga", TFSet_PDO_Access::PDO_Rows,
                                     "Receive_PDO", receive));

    std::vector<TTableColumn> transmit = Pdo_Frame_Columns(2029, 2055, 2056);
    transmit.push_back(CANopen_Text_Column("Send_Time", 2040, 2065, 65, CANopen_Timing_Color));
    transmit.push_back(CANopen_On_Change_Column(2041, 2066));
    transmit.push_back(CANopen_Text_Column("Mnemonic", 2042, 2067, 105));
    d.Tables.push_back(CANopen_Table("TS_Transmit_PDO", 2015, "sgb", TFSet_PDO_Access::PDO_Rows,
                                     "Transmit_PDO", transmit));
    return d;
}

} // namespace

TFSet_PDO_Access::TFSet_PDO_Access(TComponent* AOwner)
    : TCANopenTableWindow(AOwner, PDO_Tables()), TS_Receive_PDO(Table_Page(Receive_PDO)),
      TS_Transmit_PDO(Table_Page(Transmit_PDO)), sga(Column_Grid(Receive_PDO)),
      sgb(Column_Grid(Transmit_PDO)) {}

std::string TFSet_PDO_Access::Table_File() const {
    return AppState().PDO_CANopen_File;
}

std::vector<TCANopenCheck> TFSet_PDO_Access::Table_Checks(int Table) const {
    using C = TCANopenCheck;
    if (Table == Receive_PDO)
        return {{C::ckRange, Col_COB_ID, 0, 0x7FF, 2069},
                {C::ckRange, Col_Dimension, 1, 8, 2070},
                {C::ckPositions, Col_Address_B1, 0, PROFINET_NByte_IN - 1, 2071, Col_Dimension},
                {C::ckRange, Col_TimeOut, 0, 65535, 2079}};
    return {{C::ckRange, Col_COB_ID, 0, 0x7FF, 2080},
            {C::ckRange, Col_Dimension, 1, 8, 2081},
            {C::ckPositions, Col_Address_B1, 0, PROFINET_NByte_OUT - 1, 2082, Col_Dimension},
            {C::ckRange, Col_Send_Time, 0, 100000000, 2090}};
}
