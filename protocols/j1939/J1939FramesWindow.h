#pragma once

#include "app/tables/TableWindow.h"

// What both J1939 tables check of a parameter group's address.
class TJ1939FramesWindow : public TTableWindow {
protected:
    using TTableWindow::TTableWindow;

    struct TAddressColumns {
        int DP;
        int PGN;
        int SA;
    };
    // A data page chosen, the PGN up to PGN_Max, the source address up to SA_Max; the messages
    // are the three slots from First_Slot.
    bool Check_Address(int ARow, TAddressColumns Columns, int PGN_Max, int SA_Max,
                       int First_Slot) const;
};
