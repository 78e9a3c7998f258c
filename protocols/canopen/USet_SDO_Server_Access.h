#pragma once

#include "protocols/canopen/SdoTablesWindow.h"

// "Set SDO Server Access": the objects of the gateway's own object dictionary, in the
// manufacturer range, that a CANopen master reads ("SDO in Read", taken from the data array) or
// writes ("SDO in Write", put into it). Kept in "SDO_Server_CANopen.xml", which the EDS writer
// reads too.
class TFSet_SDO_Server_Access : public TSdoTablesWindow {
public:
    explicit TFSet_SDO_Server_Access(TComponent* AOwner);

    // Both tables alike.
    enum TColumn { Col_Index = 1, Col_SubIndex, Col_NByte, Col_Address_B1, Col_Mnemonic = 8 };
    static constexpr int SDO_Server_Rows = 500;

protected:
    std::string Table_File() const override;
    std::vector<TCANopenCheck> Table_Checks(int Table) const override;
};

extern TFSet_SDO_Server_Access* FSet_SDO_Server_Access;
