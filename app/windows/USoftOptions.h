#pragma once

#include "app/controls/StepDialog.h"
#include "platform/core/StringList.h"
#include "platform/ui/LinkLabel.h"

#include <array>
#include <string>

class TLabel;
class TImage;
class TCheckBox;
class TPageControl;
class TTabSheet;
class TGlyphButton;

// "Software Options": the language chosen from pages of flags, internet access and the update
// check, and the two table options.
class TFSoftOptions : public TStepDialog {
public:
    static constexpr int Slots_Per_Page = 6;

    explicit TFSoftOptions(TComponent* AOwner);

    TPageControl* PC_Options = nullptr;
    TTabSheet* TS_Language = nullptr;
    TTabSheet* TS_Con_Options = nullptr;
    TTabSheet* TS_Soft_Settings = nullptr;
    TCheckBox* CB_En_Con = nullptr;
    TCheckBox* CB_Update = nullptr;
    TGlyphButton* Btn_Check_Update = nullptr;
    TLabel* L_Sel_Lang = nullptr;
    TLabel* L_Page_Lang = nullptr;
    TGlyphButton* Btn_Prev = nullptr;
    TGlyphButton* Btn_Next = nullptr;
    TImage* I_L1 = nullptr;
    TImage* I_L2 = nullptr;
    TImage* I_L3 = nullptr;
    TImage* I_L4 = nullptr;
    TImage* I_L5 = nullptr;
    TImage* I_L6 = nullptr;
    TLabel* L_L1 = nullptr;
    TLabel* L_L2 = nullptr;
    TLabel* L_L3 = nullptr;
    TLabel* L_L4 = nullptr;
    TLabel* L_L5 = nullptr;
    TLabel* L_L6 = nullptr;
    TLinkLabel* LL_Check_Update = nullptr;
    TCheckBox* CB_Soft_Set_Jump_Table = nullptr;
    TCheckBox* CB_DoubleClick_Auto_Size = nullptr;

    int Show_Page = 1;
    // File names (with ".lng") of the languages found, sorted without regard to case.
    TStringList SL_Languages;
    std::string Language_In_Use;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Set_Lang();
    void Create_Lang_List();
    void Update_Lang_Page(int Num_Page);
    void Btn_NextClick(TObject* Sender);
    void LangClick(TObject* Sender);
    void CB_En_ConClick(TObject* Sender);
    void Update_CheckBox();
    void Btn_Check_UpdateClick(TObject* Sender);
    void LL_Check_UpdateLinkClick(TObject* Sender, const std::string& Link, TSysLinkType LinkType);
    void Btn_OKClick(TObject* Sender);
    bool Check_Version();
    static int Conv_Version(const std::string& Ver_str);

    int Page_Count() const { return (SL_Languages.Count() + Slots_Per_Page - 1) / Slots_Per_Page; }

private:
    void Build_Language_Page();
    void Build_Connection_Page();
    void Build_Settings_Page();
    void Show_Page_Caption(int page);
    // The slot (0..5) that a picture or label belongs to, or -1.
    int Slot_Of(TObject* control) const;

    std::array<TImage*, Slots_Per_Page> Flag_Images{};
    std::array<TLabel*, Slots_Per_Page> Flag_Labels{};
};

extern TFSoftOptions* FSoftOptions;
