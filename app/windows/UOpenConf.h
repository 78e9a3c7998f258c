#pragma once

#include "app/controls/StepDialog.h"
#include "platform/core/StringList.h"

#include <string>

class TLabel;
class TListBox;
class TGlyphButton;

// "Open Configuration": lists the configuration folders under PROJECTS and returns the chosen
// name in Name_Conf.
class TFOpenConf : public TStepDialog {
public:
    explicit TFOpenConf(TComponent* AOwner);

    TLabel* Label1 = nullptr;
    TListBox* ListBox1 = nullptr;

    // The folder names found at the last showing.
    TStringList SL;
    // The chosen configuration; empty when the list offered none.
    std::string Name_Conf;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void ListBox1Click(TObject* Sender);
    void Btn_OKClick(TObject* Sender);
    void Load_Existing_Configuration();
    // Index in SL of the name, letter case ignored; -1 when absent.
    int Search_Open_Conf(const std::string& snc) const;
    void Set_Lang();
};

extern TFOpenConf* FOpenConf;
