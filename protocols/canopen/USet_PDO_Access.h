#pragma once

#include "protocols/canopen/CANopenTableWindow.h"

class TTabSheet;

// "Set PDO Access": the process data objects of the CANopen side, the receive PDOs whose data
// bytes the gateway puts into its data array and the transmit PDOs whose bytes it takes from
// there, each table on its page. Kept in "PDO_CANopen.xml", which the EDS writer reads too.
class TFSet_PDO_Access : public TCANopenTableWindow {
public:
    explicit TFSet_PDO_Access(TComponent* AOwner);

    enum TTable { Receive_PDO, Transmit_PDO };
    // Both tables: the frame and its bytes' positions; then the receive time-out, or the
    // transmit send time and On Change.
    enum TColumn {
        Col_COB_ID = 1,
        Col_Dimension,
        Col_Address_B1,
        Col_TimeOut = 11,
        Col_Send_Time = 11,
        Col_On_Change = 12,
        Col_Receive_Mnemonic = 12,
        Col_Transmit_Mnemonic = 13,
    };
    static constexpr int PDO_Rows = 30;

    TTabSheet* TS_Receive_PDO = nullptr;
    TTabSheet* TS_Transmit_PDO = nullptr;
    TExColumnGrid* sga = nullptr;
    TExColumnGrid* sgb = nullptr;

protected:
    std::string Table_File() const override;
    std::vector<TCANopenCheck> Table_Checks(int Table) const override;
};

extern TFSet_PDO_Access* FSet_PDO_Access;
