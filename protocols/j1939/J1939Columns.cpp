#include "protocols/j1939/J1939Columns.h"

TTableDescription J1939_Table(int Caption_Slot, int Key_Col) {
    TTableDescription d;
    TTableGridDescription& t = d.Tables.emplace_back();
    d.Caption_Slot = Caption_Slot;
    // The block: caption, description, six button captions, six button hints, the headers.
    d.Button_Hint_Slot = Caption_Slot + 8;
    t.Data_Rows = J1939_Data_Rows;
    t.Key_Col = Key_Col;
    t.Trim_Key = false;
    d.Select_Row_On_Click = true;
    return d;
}

TTableColumn J1939_Data_Page_Column(int Header_Slot, int Hint_Slot) {
    return {"DP", Header_Slot, Hint_Slot, 65, 0x00FEFAE0, tcComboList, taLeftJustify, {"0", "1"}};
}

TTableColumn J1939_Text_Column(const char* Attribute, int Header_Slot, int Hint_Slot, int Width,
                               TColor Color) {
    return {Attribute, Header_Slot, Hint_Slot, Width, Color};
}

TTableColumn J1939_Check_Column(const char* Attribute, int Header_Slot, int Hint_Slot, int Width,
                                TColor Color) {
    TTableColumn column{Attribute, Header_Slot, Hint_Slot, Width, Color, tcCheckBox, taCenter};
    column.Has_Missing = true;
    column.Missing = "N";
    return column;
}
