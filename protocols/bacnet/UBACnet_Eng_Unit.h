#pragma once

#include "app/controls/StepDialog.h"

#include <string>

class TComboBox;
class TEdit;
class TShape;

// "BACnet Engineering Unit": picks a unit by group and name instead of typing its code. The
// caller puts the code into E_Selected_EU (and its name into Label5), shows the window and, on
// OK, takes E_Selected_EU back as it stands.
class TFBACnet_Eng_Unit : public TStepDialog {
public:
    explicit TFBACnet_Eng_Unit(TComponent* AOwner);

    TLabel* Label1 = nullptr;
    TEdit* E_Selected_EU = nullptr;
    TLabel* Label5 = nullptr;
    TShape* Shape1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TComboBox* CB_Select_Type = nullptr;
    TLabel* Label4 = nullptr;
    TComboBox* CB_Select_Unit = nullptr;
    TGlyphButton* Btn_Select_Eng_Unit = nullptr;
    TShape* Shape2 = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Set_Lang();
    // Fills the unit list with the chosen group's units and selects the first.
    void CB_Select_TypeSelect(TObject* Sender);
    // The chosen unit's code goes into the code field, its name beside it.
    void Btn_Select_Eng_UnitClick(TObject* Sender);
    // Shows a code and its name as the window opens; a text that is no whole number names no
    // unit.
    void Show_Code(const std::string& Code);
};

extern TFBACnet_Eng_Unit* FBACnet_Eng_Unit;
