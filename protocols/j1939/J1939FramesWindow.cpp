#include "protocols/j1939/J1939FramesWindow.h"

#include "grid/stringgrid/ExGrid.h"
#include "platform/core/Text.h"

bool TJ1939FramesWindow::Check_Address(int ARow, TAddressColumns Columns, int PGN_Max, int SA_Max,
                                       int First_Slot) const {
    if (Trim(Table_Grid()->Cells(Columns.DP, ARow)).empty())
        return Row_Error(ARow, First_Slot);
    const int pgn = Cell_Value(Columns.PGN, ARow);
    if (pgn < 0 || pgn > PGN_Max)
        return Row_Error(ARow, First_Slot + 1);
    const int sa = Cell_Value(Columns.SA, ARow);
    if (sa < 0 || sa > SA_Max)
        return Row_Error(ARow, First_Slot + 2);
    return true;
}
