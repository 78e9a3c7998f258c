#pragma once

#include "protocols/j1939/J1939FramesWindow.h"

// "Receive J1939 Frames": the parameter groups the gateway takes from the J1939 network and the
// bytes it keeps of each. Kept in "J1939_Rec_Frames.xml".
class TFReceiveJ1939 : public TJ1939FramesWindow {
public:
    explicit TFReceiveJ1939(TComponent* AOwner);

    enum TColumn {
        Col_DP = 1,
        Col_PGN,
        Col_SA,
        Col_TP,
        Col_TP_Start,
        Col_TP_NByte,
        Col_Delete,
        Col_OnRequest,
        Col_OnReq_Time,
        Col_Mnemonic,
    };

    TExColumnGrid* sga = nullptr;
    int NUM_BYTE_IN = 0;

    bool Controllo_dati() override;

protected:
    std::string Table_File() const override;

private:
    // The row's byte range; adds its bytes to Total.
    bool Check_Bytes(int ARow, int& Total) const;
};

extern TFReceiveJ1939* FReceiveJ1939;
