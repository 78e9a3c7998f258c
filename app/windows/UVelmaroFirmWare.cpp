#include "app/windows/UVelmaroFirmWare.h"

#include "app/controls/GlyphButton.h"
#include "app/controls/WindowLook.h"
#include "app/core/AppState.h"
#include "app/core/SettingsFile.h"
#include "app/core/ULanguage.h"
#include "app/windows/ConfigurationName.h"
#include "app/windows/UAbout.h"
#include "app/windows/UNew_Project.h"
#include "app/windows/UOpenConf.h"
#include "app/windows/UParGen.h"
#include "app/windows/UProfinetFileName.h"
#include "app/windows/USoftOptions.h"
#include "app/windows/VersionCheck.h"
#include "platform/core/Files.h"
#include "platform/ui/Application.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Label.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Shape.h"
#include "platform/ui/Timer.h"

TFVelmaroFirmWare* FVelmaroFirmWare = nullptr;
std::string TFVelmaroFirmWare::Program_Folder;

namespace {

constexpr int FirmWare_Client_Width = 694;
constexpr int Step_Button_Width = 170;
constexpr int Step_Button_Height = 36;
constexpr int First_Update_Check_Ms = 60000;

void Style_Step_Label(TLabel* label) {
    label->Font()->SetColor(Title_Text_Color);
    label->Font()->SetStyle(TFontStyles{fsBold});
}

} // namespace

TFVelmaroFirmWare::TFVelmaroFirmWare(TComponent* AOwner) : TForm(AOwner) {
    SetName("FVelmaroFirmWare");
    Prepare_Version_Client(HTTP1);
    Build_Layout();
    Build_Save_Dialogs();
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
}

TFVelmaroFirmWare::~TFVelmaroFirmWare() = default;

void TFVelmaroFirmWare::Build_Save_Dialogs() {
    SD1 = new TSaveDialog(this);
    SD1->SetFilter("CSV (MS-DOS) (*.csv)|*.csv");
    SaveEDS = new TSaveDialog(this);
    SaveEDS->SetFilter("Electronic Data Sheet (*.eds)|*.eds");
    SaveEDS->SetDefaultExt("*.eds");
    SaveMIB = new TSaveDialog(this);
    SaveMIB->SetFilter("Management Information Base (*.mib)|*.mib");
    SaveMIB->SetDefaultExt("*.mib");
}

void TFVelmaroFirmWare::Build_Layout() {
    Apply_Window_Look(this, FirmWare_Client_Width, 440);

    L_SW_Code = Make_Label(this, this, 16, 8);
    L_SW_Desc = Make_Label(this, this, 16, 42);
    Style_Title_Labels(L_SW_Code, L_SW_Desc);

    LL_Update = new TLinkLabel(this);
    LL_Update->SetParent(this);
    LL_Update->SetBounds(208, 19, 294, 17);
    LL_Update->SetVisible(false);
    LL_Update->OnLinkClick = [this](TObject* sender, const std::string& link, TSysLinkType kind) {
        LL_UpdateLinkClick(sender, link, kind);
    };

    Btn_Info = Make_Glyph_Button(this, this, 516, 8, 50, 50, "INFO", bsNormal);
    Btn_Opz = Make_Glyph_Button(this, this, 574, 8, 50, 50, "OPTIONS", bsNormal);
    Btn_Close = Make_Glyph_Button(this, this, 632, 8, 50, 50, "EXIT", bsNormal);

    Timer_Update = new TTimer(this);
    Timer_Update->SetEnabled(false);
    Timer_Update->SetInterval(First_Update_Check_Ms);
    Timer_Update->SetOnTimer([this](TObject* sender) { Timer_UpdateTimer(sender); });

    Shape2 = new TShape(this);
    Shape2->SetParent(this);
    Shape2->SetBounds(80, 70, 348, 36);
    Shape2->Brush()->SetStyle(bsClear);
    Shape2->Pen()->SetColor(clSilver);
    L_Name_Conf = Make_Label(this, this, 87, 75);
    L_Name_Conf_L2 = Make_Label(this, this, 87, 88);
    for (TLabel* label : {L_Name_Conf, L_Name_Conf_L2})
        label->Font()->SetColor(Title_Text_Color);

    L_Begin = Make_Label(this, this, 16, 84);
    Style_Step_Label(L_Begin);
    TLabel** steps[] = {&L_Step_1, &L_Step_2, &L_Step_3, &L_Step_4,
                        &L_Step_5, &L_Step_6, &L_Step_7, &L_Step_8};
    for (int i = 0; i < 8; ++i) {
        *steps[i] = Make_Label(this, this, 16, 128 + 44 * i);
        Style_Step_Label(*steps[i]);
        (*steps[i])->SetVisible(i < 5);
    }

    Build_Step_Buttons();

    L_Quorvel = Make_Label(this, this, 565, L_Step_5->Top(), Maker_Web_Address);
    Style_Step_Label(L_Quorvel);
    L_Quorvel->SetCursor(crHandPoint);
    L_Quorvel->OnClick = [this](TObject* sender) { L_QuorvelClick(sender); };

    Shape1 = new TShape(this);
    Shape1->SetParent(this);
    Shape1->SetBounds(10, Btn_CreateBin->Top() + 51, 674, 1);
    Shape1->Pen()->SetColor(clSilver);

    SetClientWidth(FirmWare_Client_Width);
    SetClientHeight(Btn_CreateBin->Top() + 152);
}

void TFVelmaroFirmWare::Build_Step_Buttons() {
    auto step = [this](int left, int top, std::string_view glyph,
                       TGlyphButtonStyle style = bsEncarta, TColor hot = clYellow) {
        TGlyphButton* button = Make_Glyph_Button(this, this, left, top, Step_Button_Width,
                                                 Step_Button_Height, glyph, style, hot);
        button->SetAlignment(taLeftJustify);
        button->SetShowHint(true);
        button->OnClick = [this](TObject* sender) { Btn_Click(sender); };
        return button;
    };
    Btn_New = step(80, 112, "NEW_CONF", bsEncarta, clSkyBlue);
    Btn_Open = step(258, 112, "OPEN_CONF", bsEncarta, clSkyBlue);
    Btn_Prm_Gen = step(80, 156, "SET_COMM", bsNormal);
    Btn_HART_Variables = step(80, 200, "HART_VARS");
    Btn_PROFIBUS_GSD = step(80, 244, "GSD_FILE");
    Btn_CreateBin = step(80, 288, "UPDATE_DEVICE", bsEncarta, clSkyBlue);

    // The steps of the family's other gateways: they exist and are translated, never shown.
    TGlyphButton** hidden[] = {&Btn_HART_Gateway,       &Btn_PROFINET_XML,
                               &Btn_PROFINET_Map,       &Btn_CAN_Rec_Frame,
                               &Btn_CAN_Send_Frame,     &Btn_BACnet_SetAccess,
                               &Btn_BACnet_EDE_File,    &Btn_SDO_Server_CANopen,
                               &Btn_SDO_Client_CANopen, &Btn_PDO_CANopen,
                               &Btn_CANopen_EDS,        &Btn_MQTT_Set_Topic,
                               &Btn_SNMP_Trap,          &Btn_SNMP_MIB};
    int index = 0;
    for (TGlyphButton** button : hidden) {
        *button = step(258 + 178 * (index % 2), 156 + 44 * (index / 2), "HIDDEN_STEP");
        (*button)->SetVisible(false);
        ++index;
    }
    Btn_BACnet_SetAccess->SetCaption("Set BACnet Access");
    Btn_BACnet_EDE_File->SetCaption("BACnet EDE File");
    Btn_SNMP_Trap->SetCaption("Set SNMP Access");
    Btn_SNMP_MIB->SetCaption("SNMP MIB");

    for (TGlyphButton* top : {Btn_Info, Btn_Opz, Btn_Close}) {
        top->SetShowHint(true);
        top->OnClick = [this](TObject* sender) { Btn_Click(sender); };
    }
}

void TFVelmaroFirmWare::FormCreate(TObject*) {
    TAppState& state = AppState();
    state.Language_List.Clear();
    Set_Program_Folders(Program_Folder.empty() ? ProgramFolder() : Program_Folder);
    state.Project_Name.clear();
    state.Project_Path.clear();
    state.Update_Read_Back = true;
    state.Update_Option_Index = 0;
    Load_Settings();
    // The stored name comes from a file anyone can edit: one that would lead out of PROJECTS
    // is no configuration.
    if (!Is_Valid_Configuration_Name(state.Project_Name))
        state.Project_Name.clear();
    Timer_Update->SetInterval(First_Update_Check_Ms);
    Switch_Update_Timer();

    SetCaption(state.App_Title);
    L_SW_Code->SetCaption(state.SW_Code);
    L_SW_Desc->SetCaption(state.SW_Desc);

    Load_Language();
    Reopen_Last_Project();
    Set_Lang();
    Set_Files();
    state.Row_Clipboard.Clear();
    state.Row_Clipboard_Checks.clear();
    state.MIB_Read_Descriptions.Clear();
    state.MIB_Write_Descriptions.Clear();
}

void TFVelmaroFirmWare::FormClose(TObject*, TCloseAction&) {
    Save_Setting();
}

void TFVelmaroFirmWare::Save_Setting() {
    try {
        ::Save_Setting();
    } catch (const std::exception& e) {
        // Closing must not hang on an unwritable settings file: say so and go on.
        Application->ShowException(e);
    }
}

void TFVelmaroFirmWare::Set_Files() {
    ::Set_Files();
}

void TFVelmaroFirmWare::Switch_Update_Timer() {
    Timer_Update->SetEnabled(AppState().Enable_Internet && AppState().Enable_Update);
}

void TFVelmaroFirmWare::Show_Configuration_Name() {
    const bool open = !AppState().Project_Name.empty();
    L_Name_Conf->SetCaption(Lang_Str(open ? 11 : 9));
    L_Name_Conf_L2->SetCaption(open ? AppState().Project_Name : Lang_Str(10));
}

void TFVelmaroFirmWare::Set_Lang() {
    L_Begin->SetCaption(Lang_Str(0));
    TLabel* steps[] = {L_Step_1, L_Step_2, L_Step_3, L_Step_4,
                       L_Step_5, L_Step_6, L_Step_7, L_Step_8};
    for (int i = 0; i < 8; ++i)
        steps[i]->SetCaption(Lang_Str(1 + i));
    Btn_Info->SetHint(Lang_Str(12));
    Btn_Opz->SetHint(Lang_Str(13));
    Btn_Close->SetHint(Lang_Str(14));
    Btn_New->SetCaption(Lang_Str(15));
    Btn_Open->SetCaption(Lang_Str(16));
    Btn_CreateBin->SetCaption(Lang_Str(17));
    Btn_Prm_Gen->SetCaption(Lang_Str(20));
    Show_Configuration_Name();
    Btn_New->SetHint(Lang_Str(22));
    Btn_Open->SetHint(Lang_Str(23));
    Btn_Prm_Gen->SetHint(Lang_Str(24));
    Btn_CreateBin->SetHint(Lang_Str(26));
    const std::pair<TGlyphButton*, int> captionAndHint[] = {
        {Btn_HART_Variables, 27},     {Btn_HART_Gateway, 29},       {Btn_PROFINET_Map, 31},
        {Btn_PROFINET_XML, 33},       {Btn_CAN_Rec_Frame, 35},      {Btn_CAN_Send_Frame, 37},
        {Btn_SDO_Server_CANopen, 43}, {Btn_SDO_Client_CANopen, 45}, {Btn_PDO_CANopen, 47},
        {Btn_CANopen_EDS, 49},        {Btn_MQTT_Set_Topic, 51},     {Btn_PROFIBUS_GSD, 53},
    };
    for (const auto& [button, text] : captionAndHint) {
        button->SetCaption(Lang_Str(text));
        button->SetHint(Lang_Str(text + 1));
    }
}

void TFVelmaroFirmWare::Change_Language() {
    Set_Lang();
    if (FNew_Project)
        FNew_Project->Set_Lang();
    if (FOpenConf)
        FOpenConf->Set_Lang();
    if (FSoftOptions)
        FSoftOptions->Set_Lang();
    if (Boot_Window.Set_Lang)
        Boot_Window.Set_Lang();
    if (FParGen)
        FParGen->Set_Lang();
    if (HART_Scan_Window.Set_Lang)
        HART_Scan_Window.Set_Lang();
    if (HART_Variables_Window.Set_Lang)
        HART_Variables_Window.Set_Lang();
    if (FProfinetFileName)
        FProfinetFileName->Set_Lang();
    for (const TProtocolWindow& protocol : Protocol_Windows)
        if (protocol.Window.Set_Lang)
            protocol.Window.Set_Lang();
}
