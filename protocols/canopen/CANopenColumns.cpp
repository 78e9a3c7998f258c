#include "protocols/canopen/CANopenColumns.h"

#include "platform/core/IntegerConversion.h"

TTableColumn CANopen_Text_Column(const char* Attribute, int Header_Slot, int Hint_Slot, int Width,
                                 TColor Color) {
    TTableColumn column;
    column.Attribute = Attribute;
    column.Header_Slot = Header_Slot;
    column.Hint_Slot = Hint_Slot;
    column.Width = Width;
    column.Color = Color;
    return column;
}

std::vector<TTableColumn> CANopen_Position_Columns(int Count, int First_Header_Slot,
                                                   int First_Hint_Slot, int Width) {
    std::vector<TTableColumn> columns;
    for (int k = 0; k < Count; ++k)
        columns.push_back(CANopen_Text_Column(("Address_B" + IntToStr(k + 1)).c_str(),
                                              First_Header_Slot + k, First_Hint_Slot + k, Width,
                                              CANopen_Position_Color));
    return columns;
}

TTableColumn CANopen_On_Change_Column(int Header_Slot, int Hint_Slot) {
    TTableColumn column =
        CANopen_Text_Column("On_Change", Header_Slot, Hint_Slot, 68, CANopen_Timing_Color);
    column.Kind = tcCheckBox;
    column.Alignment = taCenter;
    return column;
}

TTableColumn CANopen_Number_Column(int Header_Slot) {
    return CANopen_Text_Column("", Header_Slot, 0, 40, clWindow);
}

std::vector<TTableColumn> CANopen_Object_Columns(int First_Header_Slot, int First_Hint_Slot,
                                                 int Index_Width, int SubIndex_Width,
                                                 int NByte_Width) {
    return {CANopen_Text_Column("Index", First_Header_Slot, First_Hint_Slot, Index_Width,
                                CANopen_Object_Color),
            CANopen_Text_Column("SubIndex", First_Header_Slot + 1, First_Hint_Slot + 1,
                                SubIndex_Width, CANopen_Object_Color),
            CANopen_Text_Column("NByte", First_Header_Slot + 2, First_Hint_Slot + 2, NByte_Width,
                                CANopen_Object_Color)};
}

TTableGridDescription CANopen_Table(const char* Page_Name, int Page_Caption_Slot,
                                    const char* Grid_Name, int Data_Rows, const char* Section,
                                    std::vector<TTableColumn> Columns) {
    TTableGridDescription t;
    t.Page_Name = Page_Name;
    t.Page_Caption_Slot = Page_Caption_Slot;
    t.Grid_Name = Grid_Name;
    t.Data_Rows = Data_Rows;
    t.Key_Col = 1;
    t.Section = Section;
    t.Columns = std::move(Columns);
    return t;
}

TTableDescription CANopen_Window(const char* Form_Name, int Client_Width, int Caption_Slot,
                                 int Button_Hint_Slot, int Delete_Question_Slot,
                                 int Error_Prefix_Slot, const char* Root) {
    TTableDescription d;
    d.Form_Name = Form_Name;
    d.Client_Width = Client_Width;
    d.Client_Height = 337;
    d.Caption_Slot = Caption_Slot;
    d.Button_Hint_Slot = Button_Hint_Slot;
    d.Delete_Question_Slot = Delete_Question_Slot;
    d.Error_Prefix_Slot = Error_Prefix_Slot;
    d.Select_Row_On_Click = true;
    d.Root = Root;
    return d;
}
