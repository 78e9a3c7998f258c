#include "protocols/mqtt/UMQTT_Set_Topic.h"

#include "app/core/AppState.h"
#include "app/core/ULanguage.h"
#include "grid/stringgrid/ExCGrid.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/RichEdit.h"
#include "protocols/mqtt/UTopicTemplate.h"

#include <algorithm>

TFMQTT_Set_Topic* FMQTT_Set_Topic = nullptr;

namespace {

constexpr int Topics = 1024;
constexpr int Data_Array_Bytes = 1500;
constexpr int Max_Publish_Time = 1000000000;
constexpr TColor Topic_Color = 0x00FEFAE0;
constexpr TColor QoS_Color = 0x00FFD5D5;
constexpr TColor Value_Color = 0x00A8FFA8;
constexpr TColor Position_Color = 0x00F4D6FC;
constexpr TColor Template_Color = 0x00A8FFFF;
constexpr TColor Publish_When_Color = 0x00B0D8FF;
constexpr int Unnamed_Topic = 2574;
constexpr int Unnamed_Topic_End = 2575;

// A column whose cell is emptied when the file's row lacks its attribute.
TTableColumn Text_Column(const char* Attribute, int Header_Slot, int Hint_Slot, int Width,
                         TColor Color) {
    TTableColumn column{Attribute, Header_Slot, Hint_Slot, Width, Color};
    column.Has_Missing = true;
    return column;
}

// A check box unticked when the file's row lacks it.
TTableColumn Check_Column(const char* Attribute, int Header_Slot, int Hint_Slot, int Width,
                          TColor Color) {
    TTableColumn column{Attribute, Header_Slot, Hint_Slot, Width, Color, tcCheckBox, taCenter};
    column.Has_Missing = true;
    column.Missing = "N";
    return column;
}

TTableColumn Combo_Column(const char* Attribute, int Header_Slot, int Hint_Slot, int Width,
                          TColor Color, std::vector<std::string> Items) {
    TTableColumn column = Text_Column(Attribute, Header_Slot, Hint_Slot, Width, Color);
    column.Kind = tcComboList;
    column.Items = std::move(Items);
    return column;
}

// The payload's text, typed or picked, over as many lines as it takes.
TTableColumn Template_Column(const char* Attribute, int Header_Slot, int Hint_Slot, int Width,
                             TColor Color) {
    TTableColumn column = Text_Column(Attribute, Header_Slot, Hint_Slot, Width, Color);
    column.Multi_Line = true;
    return column;
}

TTableColumn Hidden(TTableColumn column) {
    column.Hidden = true;
    return column;
}

// The file's row must carry it; a row without it keeps the column's default.
TTableColumn Required(TTableColumn column) {
    column.Has_Missing = false;
    return column;
}

TTableColumn Edited_Template(int Header_Slot, int Hint_Slot) {
    TTableColumn column = Template_Column("Template", Header_Slot, Hint_Slot, 130, Template_Color);
    column.Kind = tcComboEdit;
    column.Items = {"$VALUE$"};
    return column;
}

TTableColumn QoS_Column(int Header_Slot, int Hint_Slot) {
    return Required(Combo_Column("QoS", Header_Slot, Hint_Slot, 80, QoS_Color, {"0", "1", "2"}));
}

TTableColumn Data_Type_Column(int Header_Slot, int Hint_Slot) {
    return Combo_Column("DataType", Header_Slot, Hint_Slot, 80, Value_Color,
                        {"Int", "Float", "String", "Base64"});
}

std::vector<std::string> Channels() {
    std::vector<std::string> items;
    for (int channel = 0; channel < 64; ++channel)
        items.push_back(IntToStr(channel));
    items.emplace_back("All");
    return items;
}

TTableGridDescription Publish_Table() {
    TTableGridDescription t;
    t.Page_Name = "TS_MQTT_Publish";
    t.Page_Caption_Slot = 2533;
    t.Grid_Name = "ACG_Pub";
    t.Section = "MQTT_Publish";
    // Switches kept only while the window is open: never read from or written to the file.
    TTableColumn onCMD{"", 2583, 2586, 55, Publish_When_Color, tcCheckBox, taCenter};
    TTableColumn channel = Combo_Column("", 2590, 2591, 60, Value_Color, Channels());
    t.Columns = {
        {"", 2514, 0, 40},
        Required(Text_Column("Topic", 2515, 2519, 300, Topic_Color)),
        Check_Column("Retained", 2516, 2520, 60, QoS_Color),
        QoS_Column(2517, 2521),
        Data_Type_Column(2537, 2540),
        Text_Column("Dimension", 2538, 2541, 80, Value_Color),
        Text_Column("Position", 2539, 2542, 80, Position_Color),
        Hidden(Text_Column("IPAddress", 2562, 2564, 100, Value_Color)),
        Hidden(Template_Column("InputTemplate", 2563, 2565, 120, Value_Color)),
        Edited_Template(2535, 2536),
        Check_Column("OnChange", 2581, 2582, 75, Publish_When_Color),
        Hidden(onCMD),
        Check_Column("OnTimer", 2584, 2587, 64, Publish_When_Color),
        Text_Column("Time", 2585, 2588, 70, Publish_When_Color),
        Hidden(channel),
        Hidden(Check_Column("", 2593, 2595, 40, Value_Color)),
        Hidden(Check_Column("", 2594, 2596, 80, Value_Color)),
        Required(Text_Column("Mnemonic", 2518, 2522, 170, clWhite)),
    };
    return t;
}

TTableGridDescription Subscribe_Table() {
    TTableGridDescription t;
    t.Page_Name = "TS_MQTT_Subscribe";
    t.Page_Caption_Slot = 2534;
    t.Grid_Name = "ACG_Sub";
    t.Section = "MQTT_Subscribe";
    TTableColumn subscribeTemplate = Edited_Template(2546, 2550);
    subscribeTemplate.Has_Missing = false;
    t.Columns = {
        {"", 2524, 0, 40},
        Required(Text_Column("Topic", 2525, 2529, 300, Topic_Color)),
        Hidden(Check_Column("Retained", 2526, 2530, 60, QoS_Color)),
        QoS_Column(2527, 2531),
        Data_Type_Column(2543, 2547),
        Text_Column("Dimension", 2544, 2548, 80, Value_Color),
        Text_Column("Position", 2545, 2549, 80, Position_Color),
        Hidden(Text_Column("IPAddress", 2566, 2570, 100, Value_Color)),
        Hidden(Text_Column("Port", 2567, 2571, 50, Value_Color)),
        Hidden(Combo_Column("EthType", 2568, 2572, 64, Value_Color, {"TCP", "UDP"})),
        Hidden(Template_Column("InputTemplate", 2569, 2573, 130, Value_Color)),
        subscribeTemplate,
        Hidden(Check_Column("", 2593, 2597, 40, Value_Color)),
        Hidden(Check_Column("", 2594, 2598, 80, Value_Color)),
        Required(Text_Column("Mnemonic", 2528, 2532, 220, clWhite)),
    };
    return t;
}

TTableDescription MQTT_Set_Topic_Table() {
    TTableDescription d;
    d.Form_Name = "FMQTT_Set_Topic";
    d.Client_Width = 1100;
    d.Caption_Slot = 2500;
    d.Button_Hint_Slot = 2508;
    d.Delete_Question_Slot = 2523;
    d.Error_Prefix_Slot = 2551;
    d.Root = "MQTT_Set_Topic";
    d.Tables = {Publish_Table(), Subscribe_Table()};
    for (TTableGridDescription& table : d.Tables) {
        table.Data_Rows = Topics;
        table.Key_Col = 1;
    }
    return d;
}

} // namespace

TFMQTT_Set_Topic::TFMQTT_Set_Topic(TComponent* AOwner)
    : TTableWindow(AOwner, MQTT_Set_Topic_Table()), Byte_IN(Data_Array_Bytes),
      Byte_OUT(Data_Array_Bytes) {
    ACG_Pub = Column_Grid(Table_Pub);
    ACG_Sub = Column_Grid(Table_Sub);
    for (TExColumnGrid* grid : {ACG_Pub, ACG_Sub}) {
        grid->OnDblClickCell = [this](TObject* sender, int row, int col) {
            ACG_MQTT_DblClickCell(sender, row, col);
        };
        grid->OnGridHint = [this](TObject* sender, int row, int col, std::string& hint) {
            ACG_MQTT_GridHint(sender, row, col, hint);
        };
    }
}

std::string TFMQTT_Set_Topic::Table_File() const {
    return AppState().MQTT_Set_Topic_File;
}

void TFMQTT_Set_Topic::Reset_Rows(int Table) {
    FUnnamed_Row[Table] = 0;
    TExStringGrid* grid = Table_Grid(Table);
    for (int r = 1; r < grid->RowCount(); ++r) {
        grid->SetCells(0, r, IntToStr(r));
        for (int c = 1; c < grid->AllColCount(); ++c)
            grid->SetCells(c, r, "");
    }
}

void TFMQTT_Set_Topic::Row_Loaded(int Table, int ARow, const TTableFileRow&) {
    int& unnamed = FUnnamed_Row[Table];
    if (Trim(Table_Grid(Table)->Cells(1, ARow)).empty()) {
        if (unnamed == 0)
            unnamed = ARow;
        return;
    }
    if (unnamed <= 0)
        return;
    Load_Incomplete = true;
    MessageDlg(Lang_Str(Unnamed_Topic) + IntToStr(unnamed) + Lang_Str(Unnamed_Topic_End), mtWarning,
               {mbOK});
    unnamed = -1;
}

int TFMQTT_Set_Topic::Template_Col(int Table) const {
    return Table == Table_Pub ? Pub_Template : Sub_Template;
}

bool TFMQTT_Set_Topic::Is_Shown(int Table, int ACol) const {
    return !Table_Grid(Table)->IsHiddenColumn(ACol);
}

bool TFMQTT_Set_Topic::Error_In_Topic_Template(const std::string& Text) {
    return std::count(Text.begin(), Text.end(), '$') % 2 != 0;
}

bool TFMQTT_Set_Topic::Check_Row(int Table, int ARow, TCheckedColumns Columns, int Positions,
                                 const TCheckSlots& Slots) const {
    const TExStringGrid* grid = Table_Grid(Table);
    const std::string type = UpperCase(Trim(grid->Cells(Columns.Data_Type, ARow)));
    if (Is_Shown(Table, Columns.Data_Type) && type.empty())
        return Row_Error(ARow, Slots.Data_Type);
    if (Is_Shown(Table, Columns.Dimension)) {
        const int dimension = Cell_Value(Table, Columns.Dimension, ARow);
        if (type == "INT") {
            if (dimension != 1 && dimension != 2 && dimension != 4 && dimension != 8)
                return Row_Error(ARow, Slots.Dimension_Int);
        } else if (type == "FLOAT") {
            if (dimension != 4 && dimension != 8)
                return Row_Error(ARow, Slots.Dimension_Float);
        } else if (dimension < 1) {
            return Row_Error(ARow, Slots.Dimension_Other);
        }
    }
    if (Is_Shown(Table, Columns.Position)) {
        const int position = Cell_Value(Table, Columns.Position, ARow);
        if (position < 0 || position > Positions - 1)
            return Row_Error(ARow, Slots.Position, IntToStr(Positions - 1));
    }
    if (Is_Shown(Table, Columns.Template) &&
        Error_In_Topic_Template(Trim(grid->Cells(Columns.Template, ARow))))
        return Row_Error(ARow, Slots.Template);
    return true;
}

bool TFMQTT_Set_Topic::Check_Timer(int ARow) const {
    if (!Is_Shown(Table_Pub, Pub_OnTimer) || !Is_Shown(Table_Pub, Pub_Time) ||
        UpperCase(Trim(ACG_Pub->Cells(Pub_OnTimer, ARow))) != "Y")
        return true;
    // The bound the message names is the bound checked.
    const int time = Cell_Value(Table_Pub, Pub_Time, ARow);
    return (time >= 1 && time <= Max_Publish_Time) || Row_Error(ARow, 2589);
}

bool TFMQTT_Set_Topic::Controllo_dati() {
    const TCheckedColumns pubColumns{Pub_DataType, Pub_Dimension, Pub_Position, Pub_Template};
    const TCheckSlots pubSlots{2552, 2553, 2554, 2555, 2556, 2578};
    for (int r = 1, last = Key_Rows(Table_Pub); r <= last; ++r)
        if (!Check_Row(Table_Pub, r, pubColumns, Byte_IN, pubSlots) || !Check_Timer(r))
            return false;
    const TCheckedColumns subColumns{Sub_DataType, Sub_Dimension, Sub_Position, Sub_Template};
    const TCheckSlots subSlots{2557, 2558, 2559, 2560, 2561, 2580};
    for (int r = 1, last = Key_Rows(Table_Sub); r <= last; ++r)
        if (!Check_Row(Table_Sub, r, subColumns, Byte_OUT, subSlots))
            return false;
    return true;
}

void TFMQTT_Set_Topic::ACG_MQTT_GridHint(TObject* Sender, int ARow, int ACol,
                                         std::string& HintStr) {
    const std::string proposed = HintStr;
    GridHint(Sender, ARow, ACol, HintStr);
    const int table = Table_Of(Sender);
    if (table < 0 || ARow != 0 || Table_Grid(table)->RealColIndex(ACol) < 1)
        HintStr = proposed;
}

void TFMQTT_Set_Topic::ACG_MQTT_DblClickCell(TObject* Sender, int ARow, int ACol) {
    DblClickCell(Sender, ARow, ACol);
    const int table = Table_Of(Sender);
    if (table < 0 || ARow < 1)
        return; // a double-click on a header only sizes its column
    TExStringGrid* grid = Table_Grid(table);
    if (grid->GetRealCol() == Template_Col(table))
        Show_Form_Topic(grid, grid->GetRealRow(), grid->GetRealCol());
}

void TFMQTT_Set_Topic::Show_Form_Topic(TExStringGrid* Grid, int ARow, int ACol) {
    if (!FTopicTemplate)
        return;
    const int table = Table_Of(Grid);
    FTopicTemplate->TopicTemplate = table >= 0 && ACol == Template_Col(table) ? 1 : 0;
    FTopicTemplate->RE_TopicTemplate->Clear();
    FTopicTemplate->RE_TopicTemplate->SetText(Grid->Cells(ACol, ARow));
    if (FTopicTemplate->ShowModal() == mrOk)
        Grid->SetCells(ACol, ARow, FTopicTemplate->RE_TopicTemplate->Text());
    Grid->Invalidate();
}
