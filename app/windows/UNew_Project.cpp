#include "app/windows/UNew_Project.h"

#include "app/controls/GlyphButton.h"
#include "app/controls/WindowLook.h"
#include "app/core/AppState.h"
#include "app/core/ULanguage.h"
#include "app/windows/ConfigurationName.h"
#include "platform/core/Files.h"
#include "platform/core/Text.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

TFNew_Project* FNew_Project = nullptr;

namespace {

// The folder exists as far as the user is concerned when any folder differs only in case.
bool Configuration_Exists(const std::string& name) {
    if (DirectoryExists(JoinPath(AppState().Projects_Dir, name)))
        return true;
    for (const std::string& folder : ListFolders(AppState().Projects_Dir))
        if (SameText(folder, name))
            return true;
    return false;
}

void Show_Error(int langIndex) {
    MessageDlg(Lang_Str(langIndex), mtError, {mbOK});
}

} // namespace

TFNew_Project::TFNew_Project(TComponent* AOwner) : TStepDialog(AOwner, 331, 162, 85) {
    SetName("FNew_Project");
    Label1 = Make_Label(this, this, 16, 70);
    E_New_Proj = new TEdit(this);
    E_New_Proj->SetParent(this);
    E_New_Proj->SetBounds(16, 94, 297, 21);
    E_New_Proj->SetShowHint(true);
    E_New_Proj->OnKeyPress = [this](TObject* sender, TChar& key) {
        E_New_ProjKeyPress(sender, key);
    };
    Btn_Cancel->SetModalResult(mrCancel);
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OKClick(sender); };
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnShow = [this](TObject* sender) { FormShow(sender); };
}

void TFNew_Project::FormCreate(TObject*) {
    L_SW_Code->SetCaption(AppState().SW_Code);
    SetClientWidth(331);
    SetClientHeight(162);
    Set_Lang();
}

void TFNew_Project::FormShow(TObject*) {
    E_New_Proj->SetText("");
    if (E_New_Proj->CanFocus())
        SetActiveControl(E_New_Proj);
}

void TFNew_Project::Btn_OKClick(TObject*) {
    const std::string name = E_New_Proj->Text();
    if (name.empty()) {
        Show_Error(107);
        return;
    }
    if (!Is_Valid_Configuration_Name(name)) {
        Show_Error(105);
        return;
    }
    // The folder could not be made: say why rather than only that the name is not valid.
    if (name.size() > Configuration_Name_Max_Bytes) {
        Show_Error(111);
        return;
    }
    if (Configuration_Exists(name)) {
        Show_Error(106);
        return;
    }
    const std::string folder = JoinPath(AppState().Projects_Dir, name);
    if (!CreateDir(folder)) {
        Show_Error(105);
        return;
    }
    // A missing "bin" is made again by the bank writer, so its failure is not worth a message.
    ForceDirectories(JoinPath(folder, "bin"));
    Select_Project(name);
    SetModalResult(mrOk);
}

void TFNew_Project::E_New_ProjKeyPress(TObject* Sender, TChar& Key) {
    if (Key != 13)
        return;
    Key = 0;
    Btn_OKClick(Sender);
}

void TFNew_Project::Set_Lang() {
    SetCaption(Lang_Str(100));
    L_SW_Desc->SetCaption(Lang_Str(101));
    Label1->SetCaption(Lang_Str(102));
    Btn_OK->SetCaption(Lang_Str(103));
    Btn_Cancel->SetCaption(Lang_Str(104));
    E_New_Proj->SetHint(Lang_Str(108));
    Btn_OK->SetHint(Lang_Str(109));
    Btn_Cancel->SetHint(Lang_Str(110));
}
