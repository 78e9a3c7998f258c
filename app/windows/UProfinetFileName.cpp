#include "app/windows/UProfinetFileName.h"

#include "app/controls/GlyphButton.h"
#include "app/controls/WindowLook.h"
#include "app/core/AppState.h"
#include "app/core/ULanguage.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "protocols/descriptionfiles/DescriptionFiles.h"
#include "protocols/descriptionfiles/UProfinetXML.h"

#include <algorithm>

TFProfinetFileName* FProfinetFileName = nullptr;

namespace {

constexpr int FileName_Client_Width = 540;
constexpr int FileName_Client_Height = 205;
constexpr int User_Part_Left = 179;
constexpr int Date_Part_Left = 447;
constexpr int Name_Not_A_File_Name = 1709;

// The name goes after a folder the user chose: a separator or a control character would put
// the file somewhere else or make it unreadable.
bool Fits_A_File_Name(const std::string& userPart) {
    return std::none_of(userPart.begin(), userPart.end(), [](char c) {
        return c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
    });
}

} // namespace

TFProfinetFileName::TFProfinetFileName(TComponent* AOwner)
    : TStepDialog(AOwner, FileName_Client_Width, FileName_Client_Height, 16) {
    SetName("FProfinetFileName");
    L_Select_Name = Make_Label(this, this, 16, 70);
    L_FixPart_1 = Make_Label(this, this, 16, 107);
    L_XML_Fix1 = Make_Label(this, this, 16, 126, std::string(Profinet_File_Fixed_Part));
    L_UsedPart = Make_Label(this, this, User_Part_Left, 107);
    E_XML_User = new TEdit(this);
    E_XML_User->SetParent(this);
    E_XML_User->SetBounds(User_Part_Left, 123, 267, 21);
    L_FixPart_2 = Make_Label(this, this, Date_Part_Left, 107);
    L_XML_Fix2 = Make_Label(this, this, Date_Part_Left, 126);
    Btn_Cancel->SetModalResult(mrCancel);
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OK_Click(sender); };
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
}

void TFProfinetFileName::FormCreate(TObject*) {
    L_SW_Code->SetCaption(AppState().SW_Code);
    SetClientWidth(FileName_Client_Width);
    SetClientHeight(FileName_Client_Height);
    // The date part is the day the program started, as every later name of this run.
    const TFileStamp today = File_Stamp_Now();
    FYear = today.Year;
    FMonth = today.Month;
    FDay = today.Day;
    L_XML_Fix2->SetCaption(Profinet_Date_Part(FYear, FMonth, FDay));
    Set_Lang();
}

void TFProfinetFileName::Set_Lang() {
    SetCaption(Lang_Str(1700));
    L_SW_Desc->SetCaption(Lang_Str(1701));
    L_Select_Name->SetCaption(Lang_Str(1702));
    L_FixPart_1->SetCaption(Lang_Str(1703));
    L_UsedPart->SetCaption(Lang_Str(1704));
    L_FixPart_2->SetCaption(Lang_Str(1705));
    Btn_OK->SetCaption(Lang_Str(1706));
    Btn_Cancel->SetCaption(Lang_Str(1707));
}

void TFProfinetFileName::Btn_OK_Click(TObject*) {
    const std::string userPart = E_XML_User->Text();
    if (!Fits_A_File_Name(userPart)) {
        MessageDlg(Lang_Str(Name_Not_A_File_Name), mtError, {mbOK});
        return;
    }
    Name_File_XML = Profinet_File_Name(userPart, FYear, FMonth, FDay);
    SetModalResult(mrOk);
}
