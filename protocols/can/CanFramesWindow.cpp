#include "protocols/can/CanFramesWindow.h"

#include "app/core/ULanguage.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"
#include "protocols/can/CanFrameColumns.h"

TCanFramesWindow::TCanFramesWindow(TComponent* AOwner, TTableDescription Description,
                                   int First_Byte_Col, TCanCheckSlots Slots)
    : TTableWindow(AOwner, std::move(Description)), MAX_Byte(Can_Max_Byte),
      FFirst_Byte_Col(First_Byte_Col), FSlots(Slots) {}

bool TCanFramesWindow::Check_Frame(int ARow) const {
    const int cobID = Cell_Value(Col_CobID, ARow);
    if (Trim(Table_Grid()->Cells(Col_Type, ARow)) == Can_Type_11_Bits) {
        if (cobID < 0 || cobID > 0x7FF)
            return Row_Error(ARow, FSlots.CobID_11_Bits);
    } else if (cobID < 0 || cobID > 0x1FFFFFFF) {
        return Row_Error(ARow, FSlots.CobID_29_Bits);
    }
    const int dimension = Cell_Value(Col_Dimension, ARow);
    if (dimension < 1 || dimension > 8)
        return Row_Error(ARow, FSlots.Dimension);
    return true;
}

bool TCanFramesWindow::Check_Bytes(int ARow) const {
    const int dimension = Cell_Value(Col_Dimension, ARow);
    for (int k = 1; k <= dimension; ++k) {
        const int col = FFirst_Byte_Col + k - 1;
        const std::string position = Trim(Table_Grid()->Cells(col, ARow));
        if (position.empty() || position == "None")
            continue;
        const int value = Cell_Value(col, ARow);
        if (value < 0 || value > MAX_Byte - 1)
            return Row_Error(ARow, k == 1 ? FSlots.Byte1 : FSlots.Byte1 + k,
                             IntToStr(MAX_Byte - 1) + Lang_Str(FSlots.Or_None));
    }
    return true;
}

bool TCanFramesWindow::Controllo_dati() {
    const int last = Key_Rows();
    for (int r = 1; r <= last; ++r)
        if (Is_Enabled(r) && !(Check_Frame(r) && Check_Timing(r) && Check_Bytes(r)))
            return false;
    return true;
}
