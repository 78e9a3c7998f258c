#pragma once

#include "protocols/can/CanFramesWindow.h"

// "Transmit CAN Frames Set Access": the CAN frames the gateway sends, what makes each be sent
// (a change of its data, a command, a timer) and where each data byte is taken from. Kept in
// "CAN_Send_Frames.xml".
class TFTransmitCAN : public TCanFramesWindow {
public:
    explicit TFTransmitCAN(TComponent* AOwner);

    enum TColumn {
        Col_OnChange = 5,
        Col_OnCMD,
        Col_OnTimer,
        Col_Time,
        Col_Byte1,
        Col_Mnemonic = 17,
    };

    TExColumnGrid* ACG_CAN_Transmit = nullptr;

protected:
    std::string Table_File() const override;
    bool Check_Timing(int ARow) const override;
    // A timed frame without its time sends every 0 ms, as it always did.
    void Row_Loaded(int Table, int ARow, const TTableFileRow& Row) override;
};

extern TFTransmitCAN* FTransmitCAN;
