#include "protocols/j1939/UTransmitJ1939.h"

#include "app/core/AppState.h"
#include "grid/stringgrid/ExCGrid.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"
#include "protocols/j1939/J1939Columns.h"

TFTransmitJ1939* FTransmitJ1939 = nullptr;

namespace {

constexpr size_t T_Type_Index = TFTransmitJ1939::Col_Mnemonic; // after the columns' attributes
constexpr TColor Send_Color = 0x00CAFFCA;

TTableDescription Transmit_J1939_Table() {
    // The rows down to the first empty PGN are the ones checked and the ones saved.
    TTableDescription d = J1939_Table(2400, TFTransmitJ1939::Col_PGN);
    TTableGridDescription& t = d.Tables.front();
    d.Form_Name = "FTransmitJ1939";
    d.Client_Width = 800;
    d.Delete_Question_Slot = 2443;
    d.Error_Prefix_Slot = 2435;
    d.Root = "Transmit_J1939";
    t.Legacy_Attributes = {"T_Type"};
    t.Columns = {{"", 2414, 0, 40},
                 J1939_Text_Column("Priority", 2415, 2425, 50, 0x00FEFAE0),
                 J1939_Data_Page_Column(2416, 2426),
                 J1939_Text_Column("PGN", 2417, 2427, 85, 0x00FEFAE0),
                 J1939_Text_Column("SA", 2418, 2428, 95, 0x00FEFAE0),
                 J1939_Text_Column("TP_NByte", 2419, 2429, 60, 0x00A8FFFF),
                 J1939_Check_Column("On_Request", 2420, 2430, 55, Send_Color),
                 J1939_Check_Column("On_Data_Change", 2421, 2431, 80, Send_Color),
                 J1939_Check_Column("On_Timer", 2422, 2432, 60, Send_Color),
                 J1939_Text_Column("SendTimer", 2423, 2433, 70, Send_Color),
                 J1939_Text_Column("Mnemonic", 2424, 2434, 115, 0x00FFFFFF)};
    return d;
}

} // namespace

TFTransmitJ1939::TFTransmitJ1939(TComponent* AOwner)
    : TJ1939FramesWindow(AOwner, Transmit_J1939_Table()), NUM_BYTE_OUT(J1939_Num_Byte) {
    sga = Column_Grid();
}

std::string TFTransmitJ1939::Table_File() const {
    return AppState().J1939_Send_Frames_File;
}

void TFTransmitJ1939::Row_Loaded(int, int ARow, const TTableFileRow& Row) {
    if (sga->Cells(Col_TP_NByte, ARow).empty())
        sga->SetCells(Col_TP_NByte, ARow, "8");
    if (!Row[T_Type_Index])
        return;
    const std::string type = UpperCase(*Row[T_Type_Index]);
    sga->SetCells(Col_On_Request, ARow, "N");
    sga->SetCells(Col_On_Data_Change, ARow, type == "ON DATA CHANGE" ? "Y" : "N");
    sga->SetCells(Col_On_Timer, ARow, type == "ON TIMER" ? "Y" : "N");
}

bool TFTransmitJ1939::Controllo_dati() {
    const int last = Key_Rows();
    int total = 0;
    for (int r = 1; r <= last; ++r) {
        const int priority = Cell_Value(Col_Priority, r);
        if (priority < 0 || priority > 7)
            return Row_Error(r, 2436);
        if (!Check_Address(r, {Col_DP, Col_PGN, Col_SA}, 0x1FFFF, 255, 2437))
            return false;
        const int count = Cell_Value(Col_TP_NByte, r);
        if (count < 0 || count > NUM_BYTE_OUT)
            return Row_Error(r, 2440, IntToStr(NUM_BYTE_OUT));
        total += count;
        if (total > NUM_BYTE_OUT)
            return Table_Error(2441, IntToStr(NUM_BYTE_OUT));
        if (sga->Cells(Col_On_Timer, r) == "Y") {
            const int timer = Cell_Value(Col_SendTimer, r);
            if (timer < 1 || timer > 65535)
                return Row_Error(r, 2442);
        }
    }
    return true;
}
