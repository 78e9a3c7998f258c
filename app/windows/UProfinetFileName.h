#pragma once

#include "app/controls/StepDialog.h"

#include <string>

class TLabel;
class TEdit;

// "PROFINET XML File Name": composes the PROFINET device description's file name from a fixed
// first part, the part the user types and the date the program started. OK leaves the name,
// without folder, in Name_File_XML.
class TFProfinetFileName : public TStepDialog {
public:
    explicit TFProfinetFileName(TComponent* AOwner);

    TLabel* L_Select_Name = nullptr;
    TLabel* L_FixPart_1 = nullptr;
    TLabel* L_XML_Fix1 = nullptr;
    TLabel* L_UsedPart = nullptr;
    TEdit* E_XML_User = nullptr;
    TLabel* L_FixPart_2 = nullptr;
    TLabel* L_XML_Fix2 = nullptr;
    std::string Name_File_XML;

    void FormCreate(TObject* Sender);
    void Set_Lang();
    void Btn_OK_Click(TObject* Sender);

private:
    int FYear = 0, FMonth = 0, FDay = 0;
};

extern TFProfinetFileName* FProfinetFileName;
