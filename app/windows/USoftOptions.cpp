#include "app/windows/USoftOptions.h"

#include "app/controls/GlyphButton.h"
#include "app/controls/WindowLook.h"
#include "app/core/AppState.h"
#include "app/core/ULanguage.h"
#include "app/windows/OpenLinkOrTell.h"
#include "app/windows/UVelmaroFirmWare.h"
#include "app/windows/VersionCheck.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/core/Text.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Timer.h"

#include <algorithm>

TFSoftOptions* FSoftOptions = nullptr;

namespace {

constexpr TPoint Flag_Positions[] = {{24, 40},  {26, 94},  {24, 148},
                                     {254, 40}, {254, 94}, {254, 148}};
constexpr TPoint Name_Positions[] = {{80, 56},  {80, 110},  {80, 164},
                                     {310, 56}, {310, 110}, {310, 164}};

TCheckBox* Make_Check_Box(TForm* owner, TWinControl* parent, int left, int top, int width) {
    auto* box = new TCheckBox(owner);
    box->SetParent(parent);
    box->SetBounds(left, top, width, 21);
    return box;
}

std::string Without_Extension(const std::string& fileName) {
    return fileName.size() >= 4 ? fileName.substr(0, fileName.size() - 4) : fileName;
}

} // namespace

TFSoftOptions::TFSoftOptions(TComponent* AOwner) : TStepDialog(AOwner, 509, 373, 16) {
    SetName("FSoftOptions");
    Btn_Cancel->SetModalResult(mrCancel);
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OKClick(sender); };

    PC_Options = new TPageControl(this);
    PC_Options->SetParent(this);
    PC_Options->SetBounds(0, 69, 509, 264);
    auto sheet = [this] {
        auto* page = new TTabSheet(this);
        page->SetPageControl(PC_Options);
        return page;
    };
    TS_Language = sheet();
    TS_Con_Options = sheet();
    TS_Soft_Settings = sheet();
    Build_Language_Page();
    Build_Connection_Page();
    Build_Settings_Page();

    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnShow = [this](TObject* sender) { FormShow(sender); };
}

void TFSoftOptions::Build_Language_Page() {
    L_Sel_Lang = Make_Label(this, TS_Language, 12, 11);
    L_Page_Lang = Make_Label(this, TS_Language, 220, 212);
    Btn_Prev = Make_Glyph_Button(this, TS_Language, 12, 204, 110, 28, "PREVIOUS");
    Btn_Next = Make_Glyph_Button(this, TS_Language, 379, 205, 110, 28, "NEXT", bsEncarta);
    Btn_Next->SetLayout(blGlyphRight);
    for (TGlyphButton* button : {Btn_Prev, Btn_Next})
        button->OnClick = [this](TObject* sender) { Btn_NextClick(sender); };
    TImage** images[] = {&I_L1, &I_L2, &I_L3, &I_L4, &I_L5, &I_L6};
    TLabel** labels[] = {&L_L1, &L_L2, &L_L3, &L_L4, &L_L5, &L_L6};
    for (int k = 0; k < Slots_Per_Page; ++k) {
        auto* image = new TImage(this);
        image->SetParent(TS_Language);
        image->SetBounds(Flag_Positions[k].X, Flag_Positions[k].Y, 48, 48);
        image->SetTransparent(true);
        image->SetStretch(true);
        image->SetCursor(crHandPoint);
        image->OnClick = [this](TObject* sender) { LangClick(sender); };
        TLabel* label = Make_Label(this, TS_Language, Name_Positions[k].X, Name_Positions[k].Y);
        label->SetCursor(crHandPoint);
        label->OnClick = [this](TObject* sender) { LangClick(sender); };
        *images[k] = Flag_Images[static_cast<size_t>(k)] = image;
        *labels[k] = Flag_Labels[static_cast<size_t>(k)] = label;
    }
}

void TFSoftOptions::Build_Connection_Page() {
    CB_En_Con = Make_Check_Box(this, TS_Con_Options, 12, 16, 460);
    CB_Update = Make_Check_Box(this, TS_Con_Options, 36, 47, 436);
    Btn_Check_Update = Make_Glyph_Button(this, TS_Con_Options, 36, 78, 204, 28, "CHECK_UPDATE");
    Btn_Check_Update->OnClick = [this](TObject* sender) { Btn_Check_UpdateClick(sender); };
    LL_Check_Update = new TLinkLabel(this);
    LL_Check_Update->SetParent(TS_Con_Options);
    LL_Check_Update->SetLeft(40);
    LL_Check_Update->SetTop(120);
    LL_Check_Update->SetVisible(false);
    LL_Check_Update->OnLinkClick = [this](TObject* sender, const std::string& link,
                                          TSysLinkType kind) {
        LL_Check_UpdateLinkClick(sender, link, kind);
    };
}

void TFSoftOptions::Build_Settings_Page() {
    CB_Soft_Set_Jump_Table = Make_Check_Box(this, TS_Soft_Settings, 12, 16, 480);
    CB_DoubleClick_Auto_Size = Make_Check_Box(this, TS_Soft_Settings, 12, 39, 480);
    for (TCheckBox* box : {CB_En_Con, CB_Update, CB_Soft_Set_Jump_Table, CB_DoubleClick_Auto_Size})
        box->OnClick = [this](TObject* sender) { CB_En_ConClick(sender); };
}

void TFSoftOptions::FormCreate(TObject*) {
    L_SW_Code->SetCaption(AppState().SW_Code);
    TS_Con_Options->SetTabVisible(true);
    Language_In_Use = AppState().Language_Name;
    Set_Lang();
}

void TFSoftOptions::Set_Lang() {
    SetCaption(Lang_Str(300));
    L_SW_Desc->SetCaption(Lang_Str(301));
    TS_Language->SetCaption(Lang_Str(302));
    TS_Con_Options->SetCaption(Lang_Str(303));
    TS_Soft_Settings->SetCaption(Lang_Str(319));
    L_Sel_Lang->SetCaption(Lang_Str(304) + Language_In_Use);
    L_Page_Lang->SetCaption(Lang_Str(305) + "1" + Lang_Str(306) + "1");
    Btn_Prev->SetCaption(Lang_Str(307));
    Btn_Next->SetCaption(Lang_Str(308));
    CB_En_Con->SetCaption(Lang_Str(309));
    CB_Update->SetCaption(Lang_Str(310));
    Btn_Check_Update->SetCaption(Lang_Str(311));
    Btn_OK->SetCaption(Lang_Str(312));
    Btn_Cancel->SetCaption(Lang_Str(313));
    CB_Soft_Set_Jump_Table->SetCaption(Lang_Str(320));
    CB_DoubleClick_Auto_Size->SetCaption(Lang_Str(321));
}

void TFSoftOptions::FormShow(TObject*) {
    const TAppState& state = AppState();
    Language_In_Use = state.Language_Name;
    Create_Lang_List();
    Update_CheckBox();
    LL_Check_Update->SetVisible(false);
    PC_Options->SetActivePage(TS_Language);
    CB_En_Con->SetChecked(state.Enable_Internet);
    CB_Update->SetChecked(state.Enable_Update);
    CB_Soft_Set_Jump_Table->SetChecked(state.Enable_Jump_Field_Tables);
    CB_DoubleClick_Auto_Size->SetChecked(state.Double_Click_Auto_Size);
    Update_CheckBox();
}

void TFSoftOptions::Create_Lang_List() {
    std::vector<std::string> files = ListFiles(AppState().Language_Dir, ".lng");
    // The language is loaded as "<name>.lng": a file with the extension in another case would
    // be offered but never found.
    std::erase_if(files, [](const std::string& file) { return !file.ends_with(".lng"); });
    std::sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
        return LowerCase(a) < LowerCase(b);
    });
    SL_Languages.Clear();
    for (const std::string& file : files)
        SL_Languages.Add(file);
    Show_Page = 1;
    Update_Lang_Page(1);
}

void TFSoftOptions::Show_Page_Caption(int page) {
    L_Sel_Lang->SetCaption(Lang_Str(304) + Language_In_Use);
    L_Page_Lang->SetCaption(Lang_Str(305) + std::to_string(page) + Lang_Str(306) +
                            std::to_string(Page_Count()));
}

void TFSoftOptions::Update_Lang_Page(int Num_Page) {
    const int pages = Page_Count();
    Show_Page_Caption(Num_Page);
    Btn_Prev->SetVisible(Num_Page != 1);
    Btn_Next->SetVisible(Num_Page != pages);
    const int shown =
        std::min(SL_Languages.Count() - Slots_Per_Page * (Num_Page - 1), Slots_Per_Page);
    const std::string& folder = AppState().Language_Dir;
    for (int k = 0; k < Slots_Per_Page; ++k) {
        TImage* image = Flag_Images[static_cast<size_t>(k)];
        TLabel* label = Flag_Labels[static_cast<size_t>(k)];
        const bool used = k < shown;
        label->SetVisible(used);
        image->SetVisible(used);
        if (!used)
            continue;
        const std::string name =
            Without_Extension(SL_Languages[Slots_Per_Page * (Num_Page - 1) + k]);
        label->SetCaption(name);
        std::string flag = JoinPath(folder, name + ".bmp");
        if (!FileExists(flag))
            flag = JoinPath(folder, "DefaultFlag.bmp");
        bool loaded = false;
        if (FileExists(flag)) {
            try {
                image->Picture()->LoadFromFile(flag);
                loaded = true;
            } catch (const Exception&) {
                // A damaged flag is no reason to hide the language: the name stays clickable.
            }
        }
        image->SetVisible(loaded);
    }
}

void TFSoftOptions::Btn_NextClick(TObject* Sender) {
    if (Sender == Btn_Next && Page_Count() >= Show_Page + 1)
        ++Show_Page;
    else if (Sender == Btn_Prev && Show_Page >= 2)
        --Show_Page;
    Update_Lang_Page(Show_Page);
}

int TFSoftOptions::Slot_Of(TObject* control) const {
    for (int k = 0; k < Slots_Per_Page; ++k)
        if (control == Flag_Images[static_cast<size_t>(k)] ||
            control == Flag_Labels[static_cast<size_t>(k)])
            return k;
    return -1;
}

void TFSoftOptions::LangClick(TObject* Sender) {
    const int slot = Slot_Of(Sender);
    const int index = Slots_Per_Page * (Show_Page - 1) + slot;
    if (slot < 0 || index >= SL_Languages.Count())
        return;
    const std::string name = Without_Extension(SL_Languages[index]);
    const std::string question =
        Lang_Str(316) + Language_In_Use + Lang_Str(317) + name + Lang_Str(318);
    if (MessageDlg(question, mtConfirmation, mbYesNo) != mrYes)
        return;
    Language_In_Use = name;
    TAppState& state = AppState();
    const std::string kept = state.Language_Name;
    state.Language_Name = name;
    Load_Language();
    state.Language_Name = kept;
    if (FVelmaroFirmWare)
        FVelmaroFirmWare->Change_Language();
    else
        Set_Lang();
    Show_Page_Caption(Show_Page);
}

void TFSoftOptions::CB_En_ConClick(TObject*) {
    Update_CheckBox();
}

void TFSoftOptions::Update_CheckBox() {
    CB_Update->SetEnabled(CB_En_Con->Checked());
    Btn_Check_Update->SetEnabled(CB_En_Con->Checked() && CB_Update->Checked());
}

bool TFSoftOptions::Check_Version() {
    if (FVelmaroFirmWare)
        return ::Check_Version(FVelmaroFirmWare->HTTP1);
    THttpClient client;
    Prepare_Version_Client(client);
    return ::Check_Version(client);
}

int TFSoftOptions::Conv_Version(const std::string& Ver_str) {
    return ::Conv_Version(Ver_str);
}

void TFSoftOptions::Btn_Check_UpdateClick(TObject*) {
    if (Check_Version())
        LL_Check_Update->SetCaption(Download_Link_Markup(Lang_Str(314)));
    else
        LL_Check_Update->SetCaption(Lang_Str(315));
    LL_Check_Update->SetVisible(true);
}

void TFSoftOptions::LL_Check_UpdateLinkClick(TObject*, const std::string& Link, TSysLinkType) {
    Open_Link_Or_Tell(Link);
}

void TFSoftOptions::Btn_OKClick(TObject*) {
    TAppState& state = AppState();
    state.Language_Name = Language_In_Use;
    state.Enable_Internet = CB_En_Con->Checked();
    state.Enable_Update = CB_Update->Checked();
    if (FVelmaroFirmWare)
        FVelmaroFirmWare->Timer_Update->SetEnabled(state.Enable_Internet && state.Enable_Update);
    state.Enable_Jump_Field_Tables = CB_Soft_Set_Jump_Table->Checked();
    state.Double_Click_Auto_Size = CB_DoubleClick_Auto_Size->Checked();
    SetModalResult(mrOk);
}
