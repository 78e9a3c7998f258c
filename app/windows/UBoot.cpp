#include "app/windows/UBoot.h"

#include "app/controls/GlyphButton.h"
#include "app/controls/WindowLook.h"
#include "app/core/AppState.h"
#include "app/core/UComon.h"
#include "app/core/ULanguage.h"
#include "grid/stringgrid/ExCGrid.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

#include <algorithm>
#include <initializer_list>

TFBoot* FBoot = nullptr;

namespace {

constexpr int Boot_Client_Width = 449;
constexpr int Designed_Client_Height = 230;
constexpr int Left_Margin = 16;
constexpr int Boot_Octet_Width = 41;
constexpr int Octet_Pitch = 50;

TPanel* Make_Panel(TForm* form, int height) {
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetHeight(height);
    panel->SetWidth(Boot_Client_Width);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(Window_Color);
    panel->SetCaption("");
    return panel;
}

// Window caption and description of each layout.
struct TForm_Type_Texts {
    int Caption;
    int Description;
};
constexpr TForm_Type_Texts Form_Type_Texts[] = {{1500, 1501}, {1502, 1503}, {1504, 1505}};

} // namespace

TFBoot::TFBoot(TComponent* AOwner) : TForm(AOwner) {
    SetName("FBoot");
    Apply_Window_Look(this, Boot_Client_Width, Designed_Client_Height);
    P_Title = Make_Panel(this, 69);
    P_Title->SetAlign(alTop);
    L_SW_Code = Make_Label(this, P_Title, Left_Margin, 8, AppState().SW_Code);
    L_SW_Desc = Make_Label(this, P_Title, Left_Margin, 42);
    Style_Title_Labels(L_SW_Code, L_SW_Desc);
    Build_IP_Address_Panel();
    Build_Serial_Panel();
    Build_Eth_Search_Panel();
    Build_Options_Panel();
    Build_Button_Panel();
    for (TPanel* panel : {P_IP_Address, P_Serial, P_Eth_Search, P_Options})
        panel->SetVisible(false);

    Device_Update.While_Waiting = [] { Application->ProcessMessages(); };
    // The next showing brings back the values of an update that reached the device.
    Device_Update.On_Device_Answered = [](const TEthernet_Update_Job& job) {
        TAppState& state = AppState();
        state.Last_IP_Address = job.IP_Address;
        state.Update_Option_Index = job.Update_Option_Index;
        state.Update_Read_Back = job.Read_Back;
    };
    OnShow = [this](TObject* sender) { FormShow(sender); };
    // A close asked for while the ping or the updater runs would leave it half done.
    OnCloseQuery = [this](TObject*, bool& CanClose) { CanClose = !FBusy; };
}

void TFBoot::Build_IP_Address_Panel() {
    P_IP_Address = Make_Panel(this, 56);
    L_IP_Address = Make_Label(this, P_IP_Address, Left_Margin, 6);
    TEdit** octets[] = {&E_IP1, &E_IP2, &E_IP3, &E_IP4};
    for (int i = 0; i < 4; ++i) {
        auto* edit = new TEdit(this);
        edit->SetParent(P_IP_Address);
        edit->SetBounds(Left_Margin + i * Octet_Pitch, 24, Boot_Octet_Width, 21);
        edit->SetText("0");
        edit->SetShowHint(true);
        edit->SetTabStop(true);
        edit->OnKeyPress = [this](TObject* sender, TChar& key) { KeyPress(sender, key); };
        *octets[i] = edit;
    }
    for (int i = 0; i < 3; ++i)
        Make_Label(this, P_IP_Address, Left_Margin + i * Octet_Pitch + Boot_Octet_Width + 2, 27, ".");
}

// Keeps its designed texts in every language.
void TFBoot::Build_Serial_Panel() {
    P_Serial = Make_Panel(this, 58);
    L_COM_Port = Make_Label(this, P_Serial, Left_Margin, 6, "Select the COM port for the Update");
    CB_COM_Port = new TComboBox(this);
    CB_COM_Port->SetParent(P_Serial);
    CB_COM_Port->SetStyle(csDropDownList);
    CB_COM_Port->SetBounds(Left_Margin, 24, 120, 21);
    CB_COM_Port->Items()->Add("COM1");
    CB_COM_Port->SetItemIndex(0);
    Btn_COM_List = Make_Glyph_Button(this, P_Serial, 144, 22, 28, 26, "CHECK_UPDATE", bsNormal);
    Btn_COM_List->SetHint("Update COM Ports List");
    Btn_COM_List->SetShowHint(true);
    Btn_COM_List->OnClick = [this](TObject* sender) { Btn_COM_ListClick(sender); };
}

// Hidden in every layout: nothing searches the network for devices yet.
void TFBoot::Build_Eth_Search_Panel() {
    P_Eth_Search = Make_Panel(this, 180);
    L_List_Device = Make_Label(this, P_Eth_Search, Left_Margin, 6);
    Btn_Search = Make_Glyph_Button(this, P_Eth_Search, 323, 2, 110, 28, "NEXT");
    Btn_Search->SetShowHint(true);
    // A found device a row: its address and its MAC address, headers on the column items.
    ACG_List_Devices = new TExColumnGrid(this);
    ACG_List_Devices->SetParent(P_Eth_Search);
    ACG_List_Devices->SetBounds(Left_Margin, 34, 417, 114);
    ACG_List_Devices->SetColCount(2);
    ACG_List_Devices->SetFixedCols(0);
    ACG_List_Devices->SetRowCount(2);
    ACG_List_Devices->SetFixedRows(1);
    ACG_List_Devices->SetOptions(ACG_List_Devices->Options() + TGridOptions{goRowSelect});
    for (int col = 0; col < 2; ++col)
        ACG_List_Devices->Columns()->GetItem(col)->SetWidth(200);
    ACG_List_Devices->SetShowHint(true);
    CB_Find_All_QVL = new TCheckBox(this);
    CB_Find_All_QVL->SetParent(P_Eth_Search);
    CB_Find_All_QVL->SetBounds(Left_Margin, 154, 300, 17);
    CB_Find_All_QVL->SetShowHint(true);
}

void TFBoot::Build_Options_Panel() {
    P_Options = Make_Panel(this, 65);
    L_Update_Option = Make_Label(this, P_Options, Left_Margin, 6);
    CB_Update_Options = new TComboBox(this);
    CB_Update_Options->SetParent(P_Options);
    CB_Update_Options->SetStyle(csDropDownList);
    CB_Update_Options->SetBounds(Left_Margin, 24, 220, 21);
    CB_Update_Options->SetShowHint(true);
    CB_Update_Options->SetTabStop(true);
    CB_Update_Option_Read_Back = new TCheckBox(this);
    CB_Update_Option_Read_Back->SetParent(P_Options);
    CB_Update_Option_Read_Back->SetBounds(252, 26, 180, 17);
    CB_Update_Option_Read_Back->SetChecked(true);
    CB_Update_Option_Read_Back->SetShowHint(true);
    CB_Update_Option_Read_Back->SetTabStop(true);
}

void TFBoot::Build_Button_Panel() {
    P_Button = Make_Panel(this, 40);
    P_Button->SetAlign(alBottom);
    Btn_Cancel = Make_Glyph_Button(this, P_Button, 131, 6, 110, 28, "CANCEL");
    Btn_Update = Make_Glyph_Button(this, P_Button, 249, 6, 184, 28, "OK");
    for (TGlyphButton* button : {Btn_Cancel, Btn_Update})
        button->SetShowHint(true);
    Btn_Cancel->OnClick = [this](TObject* sender) { Btn_CancelClick(sender); };
    Btn_Update->OnClick = [this](TObject* sender) { Btn_UpdateClick(sender); };
}

TModalResult TFBoot::Show_Ethernet_Update() {
    Form_Type = Form_Type_Ethernet;
    return ShowModal();
}

void TFBoot::FormShow(TObject*) {
    Set_Lang();
    L_SW_Code->SetCaption(AppState().SW_Code);
    for (TPanel* panel : {P_IP_Address, P_Eth_Search, P_Options, P_Serial}) {
        panel->SetVisible(false);
        panel->SetAlign(alNone);
    }
    // Any other layout shows no panel.
    if (Form_Type == Form_Type_Ethernet)
        Show_Ethernet_Layout();
    else if (Form_Type == Form_Type_Serial)
        Show_Serial_Layout();
}

void TFBoot::Stack_Panels(std::initializer_list<TPanel*> stacked,
                          std::initializer_list<TPanel*> tabOrder) {
    // Top-aligned panels stack in the order of their positions.
    int top = P_Title->Height();
    int clientHeight = P_Title->Height() + P_Button->Height();
    for (TPanel* panel : stacked) {
        panel->SetTop(top);
        top += panel->Height();
        panel->SetAlign(alTop);
        if (panel->Visible())
            clientHeight += panel->Height();
    }
    SetClientWidth(Boot_Client_Width);
    SetClientHeight(clientHeight);
    int order = 0;
    for (TPanel* panel : tabOrder)
        panel->SetTabOrder(order++);
}

void TFBoot::Show_Last_Update_Choices() {
    const TAppState& state = AppState();
    CB_Update_Options->SetItemIndex(state.Update_Option_Index);
    CB_Update_Option_Read_Back->SetChecked(state.Update_Read_Back);
}

void TFBoot::Show_Ethernet_Layout() {
    P_IP_Address->SetVisible(true);
    P_Options->SetVisible(true);
    Stack_Panels({P_IP_Address, P_Eth_Search, P_Options},
                 {P_Title, P_IP_Address, P_Eth_Search, P_Options, P_Button, P_Serial});

    const TAppState& state = AppState();
    std::string p1, p2, p3, p4;
    if (!state.Last_IP_Address.empty() && Split_IP(state.Last_IP_Address, p1, p2, p3, p4)) {
        E_IP1->SetText(p1);
        E_IP2->SetText(p2);
        E_IP3->SetText(p3);
        E_IP4->SetText(p4);
    }
    Show_Last_Update_Choices();
    SetActiveControl(E_IP1);
}

void TFBoot::Show_Serial_Layout() {
    P_Serial->SetVisible(true);
    P_Options->SetVisible(true);
    Stack_Panels({P_Serial, P_Options},
                 {P_Title, P_Serial, P_Options, P_Button, P_IP_Address, P_Eth_Search});
    Show_Last_Update_Choices();
    update_ComPort();
    SetActiveControl(CB_COM_Port);
}

void TFBoot::update_ComPort() {
    CB_COM_Port->Items()->Clear();
    const auto ports = List_COM_Ports(Serial_Device_Folder);
    for (const std::string& number : *ports)
        CB_COM_Port->Items()->Add("COM" + number);
    CB_COM_Port->SetItemIndex(0);
}

void TFBoot::Btn_COM_ListClick(TObject*) {
    update_ComPort();
}

void TFBoot::Set_Lang() {
    if (Form_Type >= 0 && Form_Type < static_cast<int>(std::size(Form_Type_Texts))) {
        SetCaption(Lang_Str(Form_Type_Texts[Form_Type].Caption));
        L_SW_Desc->SetCaption(Lang_Str(Form_Type_Texts[Form_Type].Description));
    }
    L_IP_Address->SetCaption(Lang_Str(1506));
    L_List_Device->SetCaption(Lang_Str(1509));
    Btn_Search->SetCaption(Lang_Str(1510));
    ACG_List_Devices->Columns()->GetItem(0)->SetHeader(Lang_Str(1511));
    ACG_List_Devices->Columns()->GetItem(1)->SetHeader(Lang_Str(1512));
    CB_Find_All_QVL->SetCaption(Lang_Str(1513));
    L_Update_Option->SetCaption(Lang_Str(1514));
    CB_Update_Options->Items()->Clear();
    for (int index : {1515, 1516, 1517})
        CB_Update_Options->Items()->Add(Lang_Str(index));
    CB_Update_Options->SetItemIndex(0);
    CB_Update_Option_Read_Back->SetCaption(Lang_Str(1518));
    Btn_Cancel->SetCaption(Lang_Str(1519));
    Btn_Update->SetCaption(Lang_Str(1520));
    TEdit* octets[] = {E_IP1, E_IP2, E_IP3, E_IP4};
    for (int i = 0; i < 4; ++i)
        octets[i]->SetHint(Lang_Str(1521 + i));
    Btn_Search->SetHint(Lang_Str(1529));
    ACG_List_Devices->SetHint(Lang_Str(1530));
    CB_Find_All_QVL->SetHint(Lang_Str(1531));
    CB_Update_Options->SetHint(Lang_Str(1532));
    CB_Update_Option_Read_Back->SetHint(Lang_Str(1533));
    Btn_Cancel->SetHint(Lang_Str(1534));
    Btn_Update->SetHint(Lang_Str(1535));
}

void TFBoot::KeyPress(TObject* Sender, TChar& Key) {
    if (Key != u'.')
        return;
    Key = 0;
    TEdit* const octets[] = {E_IP1, E_IP2, E_IP3, E_IP4};
    const auto typedIn = std::find(std::begin(octets), std::end(octets), Sender);
    if (typedIn == std::end(octets) || typedIn + 1 == std::end(octets))
        return;
    TEdit* next = *(typedIn + 1);
    if (next->CanFocus())
        next->SetFocus();
}
