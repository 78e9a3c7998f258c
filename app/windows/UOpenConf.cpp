#include "app/windows/UOpenConf.h"

#include "app/controls/GlyphButton.h"
#include "app/controls/WindowLook.h"
#include "app/core/AppState.h"
#include "app/core/ULanguage.h"
#include "platform/core/Files.h"
#include "platform/core/Text.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Panel.h"

TFOpenConf* FOpenConf = nullptr;

TFOpenConf::TFOpenConf(TComponent* AOwner) : TStepDialog(AOwner, 377, 351, 133) {
    SetName("FOpenConf");
    Label1 = Make_Label(this, this, 16, 75);
    ListBox1 = new TListBox(this);
    ListBox1->SetParent(this);
    ListBox1->SetBounds(16, 94, 345, 351 - 40 - 94 - 8);
    ListBox1->SetShowHint(true);
    ListBox1->OnClick = [this](TObject* sender) { ListBox1Click(sender); };
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OKClick(sender); };
    Btn_Cancel->SetModalResult(mrCancel);
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnShow = [this](TObject* sender) { FormShow(sender); };
}

void TFOpenConf::FormCreate(TObject*) {
    L_SW_Code->SetCaption(AppState().SW_Code);
    SetClientWidth(377);
    SetClientHeight(351);
    Set_Lang();
}

void TFOpenConf::Load_Existing_Configuration() {
    SL.Clear();
    for (const std::string& name : ListFolders(AppState().Projects_Dir))
        SL.Add(name);
}

int TFOpenConf::Search_Open_Conf(const std::string& snc) const {
    const std::string wanted = UpperCase(snc);
    for (int i = 0; i < SL.Count(); ++i)
        if (UpperCase(SL[i]) == wanted)
            return i;
    return -1;
}

void TFOpenConf::FormShow(TObject*) {
    Load_Existing_Configuration();
    ListBox1->Items()->Assign(SL);
    // An empty list offers nothing: a name chosen at an earlier showing may be gone by now.
    Name_Conf.clear();
    if (SL.Count() == 0)
        return;
    int index = AppState().Project_Path.empty() ? -1 : Search_Open_Conf(AppState().Project_Name);
    if (index < 0)
        index = 0;
    ListBox1->SetItemIndex(index);
    Name_Conf = SL[index];
}

void TFOpenConf::ListBox1Click(TObject*) {
    const int index = ListBox1->ItemIndex();
    if (index >= 0)
        Name_Conf = (*ListBox1->Items())[index];
}

void TFOpenConf::Btn_OKClick(TObject*) {
    if (!Name_Conf.empty() && !DirectoryExists(JoinPath(AppState().Projects_Dir, Name_Conf))) {
        MessageDlg(Lang_Str(208) + Name_Conf + Lang_Str(209) + AppState().Projects_Dir, mtError,
                   {mbOK});
        FormShow(this);
        return;
    }
    SetModalResult(mrOk);
}

void TFOpenConf::Set_Lang() {
    SetCaption(Lang_Str(200));
    L_SW_Desc->SetCaption(Lang_Str(201));
    Label1->SetCaption(Lang_Str(202));
    Btn_OK->SetCaption(Lang_Str(203));
    Btn_Cancel->SetCaption(Lang_Str(204));
    ListBox1->SetHint(Lang_Str(205));
    Btn_OK->SetHint(Lang_Str(206));
    Btn_Cancel->SetHint(Lang_Str(207));
}
