#pragma once

#include "protocols/j1939/J1939FramesWindow.h"

// "Transmit J1939 Frames": the parameter groups the gateway sends, with their priority, length
// and what makes them be sent. Kept in "J1939_Send_Frames.xml".
class TFTransmitJ1939 : public TJ1939FramesWindow {
public:
    explicit TFTransmitJ1939(TComponent* AOwner);

    enum TColumn {
        Col_Priority = 1,
        Col_DP,
        Col_PGN,
        Col_SA,
        Col_TP_NByte,
        Col_On_Request,
        Col_On_Data_Change,
        Col_On_Timer,
        Col_SendTimer,
        Col_Mnemonic,
    };

    TExColumnGrid* sga = nullptr;
    int NUM_BYTE_OUT = 0;

    bool Controllo_dati() override;

protected:
    std::string Table_File() const override;
    // Eight bytes when the length is missing or empty; an older row's one "T_Type" in place of
    // the three send flags.
    void Row_Loaded(int Table, int ARow, const TTableFileRow& Row) override;
};

extern TFTransmitJ1939* FTransmitJ1939;
