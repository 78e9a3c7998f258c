#pragma once

#include "protocols/canopen/SdoTablesWindow.h"

// "Set SDO Client Access": the SDO requests the gateway sends as client to other CANopen
// devices, reading objects into its data array or writing them from there, each every Poll
// Time (a write also On Change). Kept in "SDO_Client_CANopen.xml".
class TFSet_SDO_Client_Access : public TSdoTablesWindow {
public:
    explicit TFSet_SDO_Client_Access(TComponent* AOwner);

    // Both tables; the write table has On Change before the positions.
    enum TColumn {
        Col_Device_ID = 1,
        Col_Index,
        Col_SubIndex,
        Col_NByte,
        Col_Poll_Time,
        Col_Read_Address_B1 = 6,
        Col_Read_Mnemonic = 10,
        Col_On_Change = 6,
        Col_Write_Address_B1 = 7,
        Col_Write_Mnemonic = 11,
    };
    static constexpr int SDO_Client_Rows = 256;

protected:
    std::string Table_File() const override;
    std::vector<TCANopenCheck> Table_Checks(int Table) const override;
};

extern TFSet_SDO_Client_Access* FSet_SDO_Client_Access;
