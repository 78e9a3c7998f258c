#pragma once

#include "protocols/can/CanFramesWindow.h"

// "Receive CAN Frames Set Access": the CAN frames the gateway accepts and, for each, where in
// the gateway's data array each of its data bytes is put. Kept in "CAN_Rec_Frames.xml".
class TFReceiveCAN : public TCanFramesWindow {
public:
    explicit TFReceiveCAN(TComponent* AOwner);

    enum TColumn { Col_TimeOut = 5, Col_Byte1 = 6, Col_Mnemonic = 14 };

    TExColumnGrid* ACG_CAN_Receive = nullptr;

protected:
    std::string Table_File() const override;
    bool Check_Timing(int ARow) const override;
};

extern TFReceiveCAN* FReceiveCAN;
