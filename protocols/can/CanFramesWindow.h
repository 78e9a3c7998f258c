#pragma once

#include "app/tables/TableWindow.h"

// The shape of both CAN frame tables: an Enable column, the frame's CobID, Type and Dimension
// in columns 2 to 4, and eight data-byte positions from First_Byte_Col.
class TCanFramesWindow : public TTableWindow {
public:
    // The language slots of the checks both tables make.
    struct TCanCheckSlots {
        int CobID_11_Bits;
        int CobID_29_Bits;
        int Dimension;
        int Byte1;   // Byte K (from 2) at Byte1 + K
        int Or_None; // said after the highest position
    };

    static constexpr int Col_Enable = 1;
    static constexpr int Col_CobID = 2;
    static constexpr int Col_Type = 3;
    static constexpr int Col_Dimension = 4;

    int MAX_Byte = 0;

    // The enabled rows down to the first empty CobID: the frame, its sending, its bytes.
    bool Controllo_dati() override;

protected:
    TCanFramesWindow(TComponent* AOwner, TTableDescription Description, int First_Byte_Col,
                     TCanCheckSlots Slots);

    // CobID in the range of its type, then Dimension 1 .. 8.
    bool Check_Frame(int ARow) const;
    // Each position of the frame's Dimension bytes is "None", empty or inside the data array.
    bool Check_Bytes(int ARow) const;
    // The table's own check between the frame and its bytes: the time-out or the send timer.
    virtual bool Check_Timing(int ARow) const = 0;

private:
    int FFirst_Byte_Col;
    TCanCheckSlots FSlots;
};
