#include "protocols/bacnet/UBACnet_Eng_Unit.h"

#include "app/controls/GlyphButton.h"
#include "app/controls/WindowLook.h"
#include "app/core/AppState.h"
#include "app/core/ULanguage.h"
#include "platform/core/IntegerConversion.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/Shape.h"
#include "protocols/bacnet/BACnetUnits.h"

TFBACnet_Eng_Unit* FBACnet_Eng_Unit = nullptr;

namespace {

constexpr int Client_Width = 548;
constexpr int Client_Height = 306;
constexpr int Choice_Left = 250;

TShape* Make_Line(TForm* owner, int top) {
    auto* line = new TShape(owner);
    line->SetParent(owner);
    line->SetBounds(16, top, Client_Width - 32, 1);
    line->Pen()->SetColor(clSilver);
    return line;
}

TComboBox* Make_List(TForm* owner, int top, int width) {
    auto* list = new TComboBox(owner);
    list->SetParent(owner);
    list->SetStyle(csDropDownList);
    list->SetBounds(Choice_Left, top, width, 21);
    list->SetDropDownCount(16);
    return list;
}

std::string Named(int code) {
    return "-> " + Desc_Unit(code);
}

} // namespace

TFBACnet_Eng_Unit::TFBACnet_Eng_Unit(TComponent* AOwner)
    : TStepDialog(AOwner, Client_Width, Client_Height, 16) {
    SetName("FBACnet_Eng_Unit");
    Btn_OK->SetModalResult(mrOk);
    Btn_Cancel->SetModalResult(mrCancel);

    Label1 = Make_Label(this, this, 16, 78);
    E_Selected_EU = new TEdit(this);
    E_Selected_EU->SetParent(this);
    E_Selected_EU->SetBounds(Choice_Left, 75, 70, 21);
    // Below the code: the longest names need the window's width.
    Label5 = Make_Label(this, this, Choice_Left, 99, Named(-1));
    Shape1 = Make_Line(this, 119);

    Label2 = Make_Label(this, this, 16, 125);
    Label3 = Make_Label(this, this, 16, 151);
    CB_Select_Type = Make_List(this, 148, 200);
    for (const TBACnetUnitGroup& group : BACnet_Unit_Groups())
        CB_Select_Type->Items()->Add(group.Name);
    CB_Select_Type->SetItemIndex(0);
    CB_Select_Type->OnSelect = [this](TObject* sender) { CB_Select_TypeSelect(sender); };
    Label4 = Make_Label(this, this, 16, 179);
    CB_Select_Unit = Make_List(this, 176, Client_Width - 16 - Choice_Left);

    Btn_Select_Eng_Unit = Make_Glyph_Button(this, this, Choice_Left, 207, 200, 28, "");
    Btn_Select_Eng_Unit->OnClick = [this](TObject* sender) { Btn_Select_Eng_UnitClick(sender); };
    Shape2 = Make_Line(this, 250);

    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnShow = [this](TObject* sender) { FormShow(sender); };
}

void TFBACnet_Eng_Unit::FormCreate(TObject*) {
    L_SW_Code->SetCaption(AppState().SW_Code);
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    Set_Lang();
}

void TFBACnet_Eng_Unit::FormShow(TObject* Sender) {
    CB_Select_TypeSelect(Sender);
}

void TFBACnet_Eng_Unit::Set_Lang() {
    SetCaption(Lang_Str(1400));
    L_SW_Desc->SetCaption(Lang_Str(1401));
    Btn_OK->SetCaption(Lang_Str(1402));
    Btn_Cancel->SetCaption(Lang_Str(1403));
    Label1->SetCaption(Lang_Str(1404));
    Label2->SetCaption(Lang_Str(1405));
    Label3->SetCaption(Lang_Str(1406));
    Label4->SetCaption(Lang_Str(1407));
    Btn_Select_Eng_Unit->SetCaption(Lang_Str(1408));
}

void TFBACnet_Eng_Unit::CB_Select_TypeSelect(TObject*) {
    CB_Select_Unit->Clear();
    const int group = CB_Select_Type->ItemIndex();
    const auto& groups = BACnet_Unit_Groups();
    if (group < 0 || group >= static_cast<int>(groups.size()))
        return;
    for (int code : groups[static_cast<size_t>(group)].Codes)
        CB_Select_Unit->Items()->Add(Desc_Unit(code));
    CB_Select_Unit->SetItemIndex(0);
}

void TFBACnet_Eng_Unit::Btn_Select_Eng_UnitClick(TObject*) {
    const int group = CB_Select_Type->ItemIndex();
    const int unit = CB_Select_Unit->ItemIndex();
    const auto& groups = BACnet_Unit_Groups();
    if (group < 0 || group >= static_cast<int>(groups.size()))
        return;
    const std::vector<int>& codes = groups[static_cast<size_t>(group)].Codes;
    if (unit < 0 || unit >= static_cast<int>(codes.size()))
        return;
    const int code = codes[static_cast<size_t>(unit)];
    E_Selected_EU->SetText(IntToStr(code));
    Label5->SetCaption(Named(code));
}

void TFBACnet_Eng_Unit::Show_Code(const std::string& Code) {
    E_Selected_EU->SetText(Code);
    Label5->SetCaption(Named(StrToIntDef(Code, -1)));
}
