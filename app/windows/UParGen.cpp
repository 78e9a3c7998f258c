#include "app/windows/UParGen.h"

#include "app/controls/GlyphButton.h"
#include "app/controls/WindowLook.h"
#include "app/core/AppState.h"
#include "app/core/ParGenValidation.h"
#include "app/core/ULanguage.h"
#include "app/windows/UParGenPanelBuilder.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/ui/Application.h"
#include "platform/ui/CategoryPanelGroup.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Font.h"
#include "platform/ui/Label.h"

#include <algorithm>

TFParGen* FParGen = nullptr;

using namespace ParGen_Geometry;

namespace {

constexpr int ParGen_Client_Width = 460;

} // namespace

TFParGen::TFParGen(TComponent* AOwner) : TStepDialog(AOwner, ParGen_Client_Width, 700, 217) {
    SetName("FParGen");
    SetBorderStyle(bsSizeable);
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OKClick(sender); };
    Btn_Cancel->OnClick = [this](TObject* sender) { Btn_CancelClick(sender); };

    CPG = new TCategoryPanelGroup(this);
    CPG->SetParent(this);
    CPG->SetAlign(alClient);
    CPG->SetColor(Window_Color);
    CPG->SetHeaderHeight(24);
    CPG->HeaderFont()->SetName("Verdana");
    CPG->HeaderFont()->SetHeight(-15);
    CPG->HeaderFont()->SetStyle(TFontStyles{fsBold});
    CPG->HeaderFont()->SetColor(clGray);
    CPG->SetGradientBaseColor(0x00D8D8E7);
    CPG->SetGradientColor(0x00D8D8E7);
    CPG->SetChevronHotColor(clRed);

    Build_HART_Master_Panel();
    Build_PROFIBUS_Panel();
    Build_Ethernet_Panel();
    Build_Web_Pages_Panel();
    Build_Serial_Panel();
    Build_Modbus_Slave_Panel();
    Build_CAN_Panel();
    Build_CANopen_Panel();
    Build_J1939_Panel();
    Build_DeviceNet_Slave_Panel();
    Build_Modbus_TCP_Slave_Panel();
    Build_EtherNetIP_Panel();
    Build_PROFINET_Panel();
    Build_BACnet_Slave_Panel();
    Build_SNMP_Agent_Panel();
    Build_WiFi_Panel();
    Build_MQTT_Panel();
    Build_TLS_Panel();
    Build_NTP_Panel();

    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnShow = [this](TObject* sender) { FormShow(sender); };
    OnResize = [this](TObject* sender) { FormResize(sender); };
}

TCategoryPanel* TFParGen::Make_Panel() {
    auto* panel = new TCategoryPanel(this);
    panel->SetPanelGroup(CPG);
    panel->SetColor(Window_Color);
    panel->SetVisible(false);
    return panel;
}

TEdit* TFParGen::Make_Edit(TWinControl* parent, int top, int left, int width) {
    auto* edit = new TEdit(this);
    edit->SetParent(parent);
    edit->SetBounds(left, top, width, 21);
    edit->SetShowHint(true);
    edit->OnChange = [this](TObject* sender) { On_Change(sender); };
    return edit;
}

TComboBox* TFParGen::Make_Combo(TWinControl* parent, int row) {
    auto* combo = new TComboBox(this);
    combo->SetParent(parent);
    combo->SetStyle(csDropDownList);
    combo->SetBounds(Input_Left, Input_Top(row), Input_Width, 22);
    combo->SetShowHint(true);
    combo->OnChange = [this](TObject* sender) { On_Change(sender); };
    return combo;
}

TCheckBox* TFParGen::Make_Row_Check(TWinControl* parent, int row) {
    auto* box = new TCheckBox(this);
    box->SetParent(parent);
    box->SetBounds(Label_Left, Checked_Row_Input_Top(row) + 2, 170, 17);
    box->SetShowHint(true);
    box->OnClick = [this](TObject* sender) { On_Click(sender); };
    return box;
}

void TFParGen::Make_Octet_Row(TWinControl* parent, int top, TEdit** first, TEdit** second,
                              TEdit** third, TEdit** fourth, TLabel** dots) {
    TEdit** octets[] = {first, second, third, fourth};
    for (int i = 0; i < 4; ++i) {
        *octets[i] = Make_Edit(parent, top, Octet_Lefts[i], Octet_Width);
        (*octets[i])->OnKeyPress = [this](TObject* sender, TChar& key) { KeyPress(sender, key); };
    }
    for (int i = 0; i < 3; ++i) {
        TLabel* dot = Make_Label(this, parent, Dot_Lefts[i], top + 3, ".");
        if (dots)
            dots[i] = dot;
    }
}

void TFParGen::Build_HART_Master_Panel() {
    CP_HART_Master = Make_Panel();
    TWinControl* s = CP_HART_Master->Surface();
    L_HART_Master_Address = Make_Label(this, s, Label_Left, Label_Top(1), "Address");
    CB_HART_Master_Address = Make_Combo(s, 1);
    for (std::string_view item : TParGenValues::Master_Address_Items)
        CB_HART_Master_Address->Items()->Add(item);
    L_HART_Master_RetryLimit = Make_Label(this, s, Label_Left, Label_Top(2), "Retry Limit");
    CB_HART_Master_RetryLimit = Make_Combo(s, 2);
    for (std::string_view item : TParGenValues::Retry_Limit_Items)
        CB_HART_Master_RetryLimit->Items()->Add(item);
}

void TFParGen::Build_PROFIBUS_Panel() {
    CP_PROFIBUS = Make_Panel();
    TWinControl* s = CP_PROFIBUS->Surface();
    L_PROFIBUS_IDDevice = Make_Label(this, s, Label_Left, Label_Top(1), "ID Device");
    E_PROFIBUS_IDDevice = Make_Edit(s, Input_Top(1), Input_Left, Input_Width);
    L_PROFIBUS_Baudrate = Make_Label(this, s, Label_Left, Label_Top(2), "Baudrate");
    CB_PROFIBUS_Baudrate = Make_Combo(s, 2);
    CB_PROFIBUS_Baudrate->Items()->Add("Auto Baudrate");
    CB_PROFIBUS_Baudrate->SetItemIndex(0);
    CB_PROFIBUS_Baudrate->SetEnabled(false);
    L_PROFIBUS_NByte_In = Make_Label(this, s, Label_Left, Label_Top(3), "Number Byte In");
    E_PROFIBUS_NByte_In = Make_Edit(s, Input_Top(3), Input_Left, Input_Width);
    L_PROFIBUS_NByte_Out = Make_Label(this, s, Label_Left, Label_Top(4), "Number Byte Out");
    E_PROFIBUS_NByte_Out = Make_Edit(s, Input_Top(4), Input_Left, Input_Width);
    // The designed tab order runs from the last row up.
    E_PROFIBUS_NByte_Out->SetTabOrder(0);
    E_PROFIBUS_NByte_In->SetTabOrder(1);
    CB_PROFIBUS_Baudrate->SetTabOrder(2);
    E_PROFIBUS_IDDevice->SetTabOrder(3);
}

void TFParGen::Build_Ethernet_Panel() {
    CP_Ethernet = Make_Panel();
    TWinControl* s = CP_Ethernet->Surface();
    L_Ethernet_IP = Make_Label(this, s, Label_Left, Label_Top(1), "IP Address");
    Make_Octet_Row(s, Input_Top(1), &E_Ethernet_IP1, &E_Ethernet_IP2, &E_Ethernet_IP3,
                   &E_Ethernet_IP4, nullptr);
    L_Ethernet_SM = Make_Label(this, s, Label_Left, Label_Top(2), "SubNet Mask");
    Make_Octet_Row(s, Input_Top(2), &E_Ethernet_SM1, &E_Ethernet_SM2, &E_Ethernet_SM3,
                   &E_Ethernet_SM4, nullptr);
    CB_Ethernet_En_GAT = Make_Row_Check(s, 3);
    CB_Ethernet_En_GAT->SetCaption("Gateway");
    Make_Octet_Row(s, Checked_Row_Input_Top(3), &E_Ethernet_GAT1, &E_Ethernet_GAT2,
                   &E_Ethernet_GAT3, &E_Ethernet_GAT4, nullptr);
    CB_Ethernet_DNS = Make_Row_Check(s, 4);
    CB_Ethernet_DNS->SetCaption("DNS");
    Make_Octet_Row(s, Checked_Row_Input_Top(4), &E_Ethernet_DNS1, &E_Ethernet_DNS2,
                   &E_Ethernet_DNS3, &E_Ethernet_DNS4, DNS_Dots);
    L_Ethernet_TCP_Port = Make_Label(this, s, Label_Left, Label_Top(5), "TCP Port");
    E_Ethernet_TCP_Port = Make_Edit(s, Input_Top(5), Input_Left, Input_Width);
    L_Ethernet_UDP_Port = Make_Label(this, s, Label_Left, Label_Top(6), "UDP Port");
    E_Ethernet_UDP_Port = Make_Edit(s, Input_Top(6), Input_Left, Input_Width);
}

void TFParGen::Build_Web_Pages_Panel() {
    CP_Web_Pages = Make_Panel();
    TWinControl* s = CP_Web_Pages->Surface();
    L_WebPages_User = Make_Label(this, s, Label_Left, Label_Top(1), "User");
    E_WebPages_User = Make_Edit(s, Input_Top(1), Input_Left, Input_Width);
    E_WebPages_User->SetMaxLength(8);
    L_WebPages_Password = Make_Label(this, s, Label_Left, Label_Top(2), "Password");
    E_WebPages_Password = Make_Edit(s, Input_Top(2), Input_Left, Input_Width);
    E_WebPages_Password->SetMaxLength(8);
}

void TFParGen::FormCreate(TObject*) {
    L_SW_Code->SetCaption(AppState().SW_Code);
    SetClientWidth(ParGen_Client_Width);
    SetClientHeight(700);
    CP_HART_Master->SetVisible(true);
    for (TCategoryPanel* panel :
         {CP_MQTT, CP_Ethernet, CP_WiFi, CP_TLS, CP_NTP, CP_Modbus_Slave, CP_Modbus_TCP_Slave,
          CP_CAN, CP_CANopen, CP_J1939, CP_DeviceNet_Slave, CP_EtherNetIP, CP_PROFINET, CP_PROFIBUS,
          CP_SNMP_Agent, CP_BACnet_Slave, CP_Serial, CP_Web_Pages})
        panel->SetVisible(false);
    Order_TAB_Panels();
    Move_GroupBoxs();
    Set_Lang();
}

void TFParGen::Order_TAB_Panels() {
    Order_TAB_Panels_215();
}

void TFParGen::Move_GroupBoxs() {
    RePosition_Objects_215();
}

void TFParGen::Fit_Panel(TCategoryPanel* panel, const TWinControl* lastInput) {
    panel->SetHeight(lastInput->Top() + lastInput->Height() + 12 + CPG->HeaderHeight());
}

void TFParGen::RePosition_Object_HART_Master() {
    Fit_Panel(CP_HART_Master, CB_HART_Master_RetryLimit);
}

void TFParGen::RePosition_Object_PROFIBUS() {
    Fit_Panel(CP_PROFIBUS, E_PROFIBUS_NByte_Out);
}

void TFParGen::RePosition_Object_Ethernet() {
    TControl* unused[] = {CB_Ethernet_DNS,     E_Ethernet_DNS1,     E_Ethernet_DNS2,
                          E_Ethernet_DNS3,     E_Ethernet_DNS4,     DNS_Dots[0],
                          DNS_Dots[1],         DNS_Dots[2],         L_Ethernet_TCP_Port,
                          E_Ethernet_TCP_Port, L_Ethernet_UDP_Port, E_Ethernet_UDP_Port};
    for (TControl* control : unused)
        control->SetVisible(false);
    Fit_Panel(CP_Ethernet, E_Ethernet_GAT4);
}

void TFParGen::RePosition_Object_Web_Pages() {
    Fit_Panel(CP_Web_Pages, E_WebPages_Password);
}

void TFParGen::Set_Lang() {
    SetCaption(Lang_Str(400));
    L_SW_Desc->SetCaption(Lang_Str(401));
    Btn_OK->SetCaption(Lang_Str(402));
    Btn_Cancel->SetCaption(Lang_Str(403));
    Btn_OK->SetHint(Lang_Str(404));
    Btn_Cancel->SetHint(Lang_Str(405));
    const std::pair<TLabel*, int> captions[] = {
        {L_HART_Master_Address, 407}, {L_HART_Master_RetryLimit, 409}, {L_Ethernet_IP, 439},
        {L_Ethernet_SM, 444},         {L_Ethernet_TCP_Port, 461},      {L_Ethernet_UDP_Port, 463},
        {L_PROFIBUS_IDDevice, 678},   {L_PROFIBUS_Baudrate, 680},      {L_PROFIBUS_NByte_In, 682},
        {L_PROFIBUS_NByte_Out, 684},  {L_WebPages_User, 914},          {L_WebPages_Password, 916},
    };
    for (const auto& [label, text] : captions)
        label->SetCaption(Lang_Str(text));
    const std::pair<TControl*, int> hints[] = {
        {CB_HART_Master_Address, 408}, {CB_HART_Master_RetryLimit, 410},
        {E_Ethernet_IP1, 440},         {E_Ethernet_IP2, 441},
        {E_Ethernet_IP3, 442},         {E_Ethernet_IP4, 443},
        {E_Ethernet_SM1, 445},         {E_Ethernet_SM2, 446},
        {E_Ethernet_SM3, 447},         {E_Ethernet_SM4, 448},
        {CB_Ethernet_En_GAT, 450},     {E_Ethernet_GAT1, 451},
        {E_Ethernet_GAT2, 452},        {E_Ethernet_GAT3, 453},
        {E_Ethernet_GAT4, 454},        {CB_Ethernet_DNS, 456},
        {E_Ethernet_DNS1, 457},        {E_Ethernet_DNS2, 458},
        {E_Ethernet_DNS3, 459},        {E_Ethernet_DNS4, 460},
        {E_Ethernet_TCP_Port, 462},    {E_Ethernet_UDP_Port, 464},
        {E_PROFIBUS_IDDevice, 679},    {CB_PROFIBUS_Baudrate, 681},
        {E_PROFIBUS_NByte_In, 683},    {E_PROFIBUS_NByte_Out, 685},
        {E_WebPages_User, 915},        {E_WebPages_Password, 917},
    };
    for (const auto& [control, text] : hints)
        control->SetHint(Lang_Str(text));
    CB_Ethernet_En_GAT->SetCaption(Lang_Str(449));
    CB_Ethernet_DNS->SetCaption(Lang_Str(455));
    Set_Lang_Variant_Panels();
}

TParGenValues TFParGen::Values() const {
    TParGenValues v;
    v.HART_Master_Address = std::max(CB_HART_Master_Address->ItemIndex(), 0);
    v.HART_Master_Retry_Limit = std::max(CB_HART_Master_RetryLimit->ItemIndex(), 0);
    v.Ethernet_IP = {E_Ethernet_IP1->Text(), E_Ethernet_IP2->Text(), E_Ethernet_IP3->Text(),
                     E_Ethernet_IP4->Text()};
    v.Ethernet_SM = {E_Ethernet_SM1->Text(), E_Ethernet_SM2->Text(), E_Ethernet_SM3->Text(),
                     E_Ethernet_SM4->Text()};
    v.Ethernet_GAT = {E_Ethernet_GAT1->Text(), E_Ethernet_GAT2->Text(), E_Ethernet_GAT3->Text(),
                      E_Ethernet_GAT4->Text()};
    v.Ethernet_EN_GAT = CB_Ethernet_En_GAT->Checked();
    v.Ethernet_DNS = {E_Ethernet_DNS1->Text(), E_Ethernet_DNS2->Text(), E_Ethernet_DNS3->Text(),
                      E_Ethernet_DNS4->Text()};
    v.Ethernet_EN_DNS = CB_Ethernet_DNS->Checked();
    v.PROFIBUS_ID_Device = E_PROFIBUS_IDDevice->Text();
    v.PROFINET_NB_IN = E_PROFIBUS_NByte_In->Text();
    v.PROFINET_NB_OUT = E_PROFIBUS_NByte_Out->Text();
    v.Web_Pages_User = E_WebPages_User->Text();
    v.Web_Pages_Password = E_WebPages_Password->Text();
    return v;
}

void TFParGen::Show_Values(const TParGenValues& v) {
    CB_HART_Master_Address->SetItemIndex(v.HART_Master_Address);
    CB_HART_Master_RetryLimit->SetItemIndex(v.HART_Master_Retry_Limit);
    TEdit* ip[] = {E_Ethernet_IP1, E_Ethernet_IP2, E_Ethernet_IP3, E_Ethernet_IP4};
    TEdit* sm[] = {E_Ethernet_SM1, E_Ethernet_SM2, E_Ethernet_SM3, E_Ethernet_SM4};
    TEdit* gat[] = {E_Ethernet_GAT1, E_Ethernet_GAT2, E_Ethernet_GAT3, E_Ethernet_GAT4};
    TEdit* dns[] = {E_Ethernet_DNS1, E_Ethernet_DNS2, E_Ethernet_DNS3, E_Ethernet_DNS4};
    for (size_t i = 0; i < 4; ++i) {
        ip[i]->SetText(v.Ethernet_IP[i]);
        sm[i]->SetText(v.Ethernet_SM[i]);
        gat[i]->SetText(v.Ethernet_GAT[i]);
        dns[i]->SetText(v.Ethernet_DNS[i]);
    }
    CB_Ethernet_En_GAT->SetChecked(v.Ethernet_EN_GAT);
    CB_Ethernet_DNS->SetChecked(v.Ethernet_EN_DNS);
    E_PROFIBUS_IDDevice->SetText(v.PROFIBUS_ID_Device);
    E_PROFIBUS_NByte_In->SetText(v.PROFINET_NB_IN);
    E_PROFIBUS_NByte_Out->SetText(v.PROFINET_NB_OUT);
    E_WebPages_User->SetText(v.Web_Pages_User);
    E_WebPages_Password->SetText(v.Web_Pages_Password);
}

void TFParGen::FormShow(TObject*) {
    TParGenValues values;
    const std::string& file = AppState().ParGen_File;
    if (FileExists(file)) {
        try {
            values = Read_ParGen_File(file);
        } catch (const Exception& e) {
            // Say why, and show the defaults: values of an earlier showing belong to
            // whatever configuration was open then.
            Application->ShowException(e);
            values = TParGenValues{};
        }
    }
    Show_Values(values);
    Is_Change = false;
    Move_GroupBoxs();
}

void TFParGen::FormResize(TObject*) {
    if (ClientWidth() != ParGen_Client_Width)
        SetClientWidth(ParGen_Client_Width);
}

bool TFParGen::Controllo_Dati() {
    const TParGenCheck check = Check_ParGen_Values(Values());
    if (check.Passed)
        return true;
    MessageDlg(check.Message, mtError, {mbOK});
    return false;
}

void TFParGen::Btn_OKClick(TObject*) {
    if (!Controllo_Dati())
        return;
    try {
        Write_ParGen_File(AppState().ParGen_File, Values());
    } catch (const Exception& e) {
        Application->ShowException(e);
        return;
    }
    SetModalResult(mrOk);
}

void TFParGen::Btn_CancelClick(TObject*) {
    if (Is_Change && MessageDlg(Lang_Str(911), mtConfirmation, mbYesNo) != mrYes)
        return;
    SetModalResult(mrCancel);
}

void TFParGen::On_Change(TObject*) {
    Is_Change = true;
}

void TFParGen::On_Click(TObject* Sender) {
    Is_Change = true;
    // The check boxes whose state changes a panel's layout.
    const TObject* layoutChecks[] = {CB_MQTT_WillFlag,      CB_TLS_Enable,   CB_TLS_En_Server_Auth,
                                     CB_TLS_En_Client_Auth, CB_WiFi_IP_Auto, CB_WiFi_En_DHCP,
                                     CB_SNMP_Agent_Version3};
    if (std::find(std::begin(layoutChecks), std::end(layoutChecks), Sender) !=
        std::end(layoutChecks))
        Move_GroupBoxs();
}

void TFParGen::KeyPress(TObject* Sender, TChar& Key) {
    if (Key != u'.')
        return;
    Key = 0;
    TEdit* chain[] = {E_Ethernet_IP1,  E_Ethernet_IP2,  E_Ethernet_IP3,  E_Ethernet_IP4,
                      E_Ethernet_SM1,  E_Ethernet_SM2,  E_Ethernet_SM3,  E_Ethernet_SM4,
                      E_Ethernet_GAT1, E_Ethernet_GAT2, E_Ethernet_GAT3, E_Ethernet_GAT4,
                      E_Ethernet_DNS1, E_Ethernet_DNS2, E_Ethernet_DNS3, E_Ethernet_DNS4};
    for (size_t i = 0; i + 1 < std::size(chain); ++i) {
        if (chain[i] == Sender) {
            if (chain[i + 1]->CanFocus())
                chain[i + 1]->SetFocus();
            return;
        }
    }
}
