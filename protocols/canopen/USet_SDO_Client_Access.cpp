#include "protocols/canopen/USet_SDO_Client_Access.h"

#include "app/core/AppState.h"
#include "protocols/canopen/CANopenColumns.h"

TFSet_SDO_Client_Access* FSet_SDO_Client_Access = nullptr;

namespace {

// The device and object of a request and its poll time.
std::vector<TTableColumn> Request_Columns(int First_Header_Slot, int First_Hint_Slot) {
    std::vector<TTableColumn> columns{CANopen_Number_Column(First_Header_Slot),
                                      CANopen_Text_Column("Device_ID", First_Header_Slot + 1,
                                                          First_Hint_Slot, 60,
                                                          CANopen_Object_Color)};
    for (const TTableColumn& object :
         CANopen_Object_Columns(First_Header_Slot + 2, First_Hint_Slot + 1, 55, 60, 45))
        columns.push_back(object);
    columns.push_back(CANopen_Text_Column("Poll_Time", First_Header_Slot + 5, First_Hint_Slot + 4,
                                          60, CANopen_Timing_Color));
    return columns;
}

TTableDescription SDO_Client_Tables() {
    TTableDescription d =
        CANopen_Window("FSet_SDO_Client_Access", 798, 2100, 2108, 2179, 2160, "SDO_Client_CANopen");
    std::vector<TTableColumn> read = Request_Columns(2116, 2139);
    for (const TTableColumn& position : CANopen_Position_Columns(4, 2122, 2144, 70))
        read.push_back(position);
    read.push_back(CANopen_Text_Column("Mnemonic", 2126, 2148, 163));
    d.Tables.push_back(CANopen_Table("TS_SDO_Read", 2114, "sga",
                                     TFSet_SDO_Client_Access::SDO_Client_Rows, "SDO_Read", read));

    std::vector<TTableColumn> write = Request_Columns(2127, 2149);
    write.push_back(CANopen_On_Change_Column(2133, 2154));
    for (const TTableColumn& position : CANopen_Position_Columns(4, 2134, 2155, 70))
        write.push_back(position);
    write.push_back(CANopen_Text_Column("Mnemonic", 2138, 2159, 95));
    d.Tables.push_back(CANopen_Table("TS_SDO_Write", 2115, "sgb",
                                     TFSet_SDO_Client_Access::SDO_Client_Rows, "SDO_Write", write));
    return d;
}

} // namespace

TFSet_SDO_Client_Access::TFSet_SDO_Client_Access(TComponent* AOwner)
    : TSdoTablesWindow(AOwner, SDO_Client_Tables()) {}

std::string TFSet_SDO_Client_Access::Table_File() const {
    return AppState().SDO_Client_CANopen_File;
}

std::vector<TCANopenCheck> TFSet_SDO_Client_Access::Table_Checks(int Table) const {
    using C = TCANopenCheck;
    // The write table's texts follow the read table's nine, in the same order.
    const bool read = Table == SDO_Read;
    const int slot = read ? 2161 : 2170;
    return {{C::ckRange, Col_Device_ID, 1, 127, slot},
            {C::ckRange, Col_Index, 0x1000, 0xFFFF, slot + 1},
            {C::ckRange, Col_SubIndex, 0, 0xFF, slot + 2},
            {C::ckByteSize, Col_NByte, 0, 0, slot + 3},
            // A write may be sent on change only, without polling.
            {C::ckRange, Col_Poll_Time, read ? 1 : 0, 100000000, slot + 4},
            {C::ckPositions, read ? Col_Read_Address_B1 : Col_Write_Address_B1, 0,
             (read ? PROFINET_NByte_IN : PROFINET_NByte_OUT) - 1, slot + 5, Col_NByte}};
}
