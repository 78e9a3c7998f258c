#pragma once

#include "app/controls/StepDialog.h"

class TLabel;
class TEdit;
class TGlyphButton;

// "New Configuration": asks for a name and creates the configuration's folder (with its "bin"
// folder) under PROJECTS. OK means the configuration exists and is open.
class TFNew_Project : public TStepDialog {
public:
    explicit TFNew_Project(TComponent* AOwner);

    TLabel* Label1 = nullptr;
    TEdit* E_New_Proj = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Btn_OKClick(TObject* Sender);
    void E_New_ProjKeyPress(TObject* Sender, TChar& Key);
    void Set_Lang();
};

extern TFNew_Project* FNew_Project;
