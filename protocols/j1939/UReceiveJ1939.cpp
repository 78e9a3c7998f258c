#include "protocols/j1939/UReceiveJ1939.h"

#include "app/core/AppState.h"
#include "grid/stringgrid/ExCGrid.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"
#include "protocols/j1939/J1939Columns.h"

TFReceiveJ1939* FReceiveJ1939 = nullptr;

namespace {

// Bytes a transport-protocol message can carry.
constexpr int TP_Max_Byte = 1785;

TTableDescription Receive_J1939_Table() {
    TTableDescription d = J1939_Table(2300, TFReceiveJ1939::Col_PGN);
    TTableGridDescription& t = d.Tables.front();
    d.Form_Name = "FReceiveJ1939";
    d.Client_Width = 876;
    d.Delete_Question_Slot = 2347;
    d.Error_Prefix_Slot = 2335;
    d.Root = "Receive_J1939";
    TTableColumn time = J1939_Text_Column("OnReq_Time", 2323, 2333, 65, 0x00B0D8FF);
    time.Has_Missing = true;
    time.Missing = "1000";
    t.Columns = {{"", 2314, 0, 40},
                 J1939_Data_Page_Column(2315, 2325),
                 J1939_Text_Column("PGN", 2316, 2326, 85, 0x00FEFAE0),
                 J1939_Text_Column("SA", 2317, 2327, 95, 0x00FEFAE0),
                 J1939_Check_Column("TP", 2318, 2328, 113, 0x00A8FFFF),
                 J1939_Text_Column("TP_Start", 2319, 2329, 65, 0x00CAFFCA),
                 J1939_Text_Column("TP_NByte", 2320, 2330, 55, 0x00CAFFCA),
                 J1939_Check_Column("Delete", 2321, 2331, 75, 0x00F4D6FC),
                 J1939_Check_Column("OnRequest", 2322, 2332, 75, 0x00B0D8FF),
                 time,
                 J1939_Text_Column("Mnemonic", 2324, 2334, 120, 0x00FFFFFF)};
    return d;
}

} // namespace

TFReceiveJ1939::TFReceiveJ1939(TComponent* AOwner)
    : TJ1939FramesWindow(AOwner, Receive_J1939_Table()), NUM_BYTE_IN(J1939_Num_Byte) {
    sga = Column_Grid();
}

std::string TFReceiveJ1939::Table_File() const {
    return AppState().J1939_Rec_Frames_File;
}

bool TFReceiveJ1939::Check_Bytes(int ARow, int& Total) const {
    const int start = Cell_Value(Col_TP_Start, ARow);
    const int count = Cell_Value(Col_TP_NByte, ARow);
    if (sga->Cells(Col_TP, ARow) == "Y") {
        if (start < 0 || start > TP_Max_Byte)
            return Row_Error(ARow, 2339);
        if (count < 0 || start + count > TP_Max_Byte)
            return Row_Error(ARow, 2340);
        Total += count;
        return true;
    }
    const bool noStart = Trim(sga->Cells(Col_TP_Start, ARow)).empty();
    const bool noCount = Trim(sga->Cells(Col_TP_NByte, ARow)).empty();
    if (noStart && noCount)
        return true;
    if (noStart || noCount)
        return Row_Error(ARow, 2341);
    if (start < 1 || start > 8)
        return Row_Error(ARow, 2342);
    if (count < 1 || count > 8)
        return Row_Error(ARow, 2343);
    if (start + count > 8)
        return Row_Error(ARow, 2344);
    Total += count;
    return true;
}

bool TFReceiveJ1939::Controllo_dati() {
    const int last = Key_Rows();
    int total = 0;
    for (int r = 1; r <= last; ++r) {
        if (!Check_Address(r, {Col_DP, Col_PGN, Col_SA}, 0xFFFF, 239, 2336) ||
            !Check_Bytes(r, total))
            return false;
        if (total > NUM_BYTE_IN)
            return Table_Error(2345, IntToStr(NUM_BYTE_IN));
        if (sga->Cells(Col_OnRequest, r) == "Y") {
            const int time = Cell_Value(Col_OnReq_Time, r);
            if (time < 0 || time > 10000000)
                return Row_Error(r, 2346);
        }
    }
    return true;
}
