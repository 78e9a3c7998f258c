#include "protocols/canopen/USet_SDO_Server_Access.h"

#include "app/core/AppState.h"
#include "protocols/canopen/CANopenColumns.h"

TFSet_SDO_Server_Access* FSet_SDO_Server_Access = nullptr;

namespace {

std::vector<TTableColumn> Object_Columns(int First_Header_Slot, int First_Hint_Slot) {
    std::vector<TTableColumn> columns{CANopen_Number_Column(First_Header_Slot)};
    for (const TTableColumn& object :
         CANopen_Object_Columns(First_Header_Slot + 1, First_Hint_Slot, 65, 61, 55))
        columns.push_back(object);
    for (const TTableColumn& position :
         CANopen_Position_Columns(4, First_Header_Slot + 4, First_Hint_Slot + 3, 80))
        columns.push_back(position);
    columns.push_back(
        CANopen_Text_Column("Mnemonic", First_Header_Slot + 8, First_Hint_Slot + 7, 170));
    return columns;
}

TTableDescription SDO_Server_Tables() {
    TTableDescription d =
        CANopen_Window("FSet_SDO_Server_Access", 749, 2200, 2208, 2265, 2250, "SDO_Server_CANopen");
    d.Tables.push_back(CANopen_Table("TS_SDO_Read", 2214, "sga",
                                     TFSet_SDO_Server_Access::SDO_Server_Rows, "SDO_Read",
                                     Object_Columns(2216, 2234)));
    d.Tables.push_back(CANopen_Table("TS_SDO_Write", 2215, "sgb",
                                     TFSet_SDO_Server_Access::SDO_Server_Rows, "SDO_Write",
                                     Object_Columns(2225, 2242)));
    return d;
}

} // namespace

TFSet_SDO_Server_Access::TFSet_SDO_Server_Access(TComponent* AOwner)
    : TSdoTablesWindow(AOwner, SDO_Server_Tables()) {}

std::string TFSet_SDO_Server_Access::Table_File() const {
    return AppState().SDO_Server_CANopen_File;
}

std::vector<TCANopenCheck> TFSet_SDO_Server_Access::Table_Checks(int Table) const {
    using C = TCANopenCheck;
    // The write table's texts follow the read table's seven, in the same order.
    const bool read = Table == SDO_Read;
    const int slot = read ? 2251 : 2258;
    return {{C::ckRange, Col_Index, 0x2000, 0x5FFF, slot},
            {C::ckRange, Col_SubIndex, 0, 0xFF, slot + 1},
            {C::ckByteSize, Col_NByte, 0, 0, slot + 2},
            {C::ckPositions, Col_Address_B1, 0, (read ? PROFINET_NByte_IN : PROFINET_NByte_OUT) - 1,
             slot + 3, Col_NByte}};
}
