#pragma once

#include "devicelink/UHART_Thread.h"
#include "platform/ui/Form.h"
#include "platform/ui/Keys.h"

#include <memory>

class TPanel;
class TLabel;
class TEdit;
class TComboBox;
class TGlyphButton;
class TExStringGrid;

// "HART Scan": scans the HART network through the gateway and lists one row per device
// variable it knows, for the HART variables window to import the ticked ones. The scan worker
// lives only while the dialog is shown.
class TFHART_Scan : public TForm {
public:
    explicit TFHART_Scan(TComponent* AOwner);
    ~TFHART_Scan() override;

    TPanel* P_Button = nullptr;
    TGlyphButton* Btn_StartScan = nullptr;
    TGlyphButton* Btn_OK = nullptr;
    TGlyphButton* Btn_Cancel = nullptr;
    TGlyphButton* Btn_ScanAgain = nullptr;
    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_HART_Init_Scan = nullptr;
    TLabel* L_Discovery_IP = nullptr;
    TEdit* E_Discovery_IP1 = nullptr;
    TEdit* E_Discovery_IP2 = nullptr;
    TEdit* E_Discovery_IP3 = nullptr;
    TEdit* E_Discovery_IP4 = nullptr;
    TLabel* L_IP_Dot1 = nullptr;
    TLabel* L_IP_Dot2 = nullptr;
    TLabel* L_IP_Dot3 = nullptr;
    TLabel* L_Discovery_NumDevs = nullptr;
    TComboBox* CB_Discovery_NumDevs = nullptr;
    // Designed but never shown nor read.
    TLabel* L_Discovery_Port = nullptr;
    TEdit* E_Discovery_Port = nullptr;
    TLabel* L_Discovery_TimeOut = nullptr;
    TEdit* E_Discovery_TimeOut = nullptr;
    TLabel* L_Discovery_ID_Start = nullptr;
    TEdit* E_Discovery_ID_Start = nullptr;
    TLabel* L_Discovery_ID_Stop = nullptr;
    TEdit* E_Discovery_ID_Stop = nullptr;
    TPanel* P_HART_Scan_Wait = nullptr;
    TLabel* L_Wait = nullptr;
    TLabel* L_Discovery_Result = nullptr;
    TPanel* P_HART_View_Vars = nullptr;
    TExStringGrid* ESG = nullptr;
    TGlyphButton* Btn_SelectAll = nullptr;
    TGlyphButton* Btn_UnSelectAll = nullptr;

    std::unique_ptr<THART_Thread> TR_HART_Scan;
    // The worker's device count as it stood when the dialog closed.
    int Num_Devices = 0;
    // Where the worker talks; tests point it at a simulated gateway on the loopback address.
    THART_Scan_Link Scan_Link;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void Btn_StartScanClick(TObject* Sender);
    void Btn_ScanAgainClick(TObject* Sender);
    void Btn_SelectAllClick(TObject* Sender);
    void KeyPress(TObject* Sender, TChar& Key);
    // 1 entry, 2 waiting, 3 results, 4 failed; any other value hides everything.
    void Show_Form(int Status);
    void Show_Vars();
    void Init_Table(bool Init);
    void Set_Lang();

private:
    void Build_Entry_Panel();
    void Build_Wait_Panel();
    void Build_Results_Panel();
    void Build_Buttons();
};

extern TFHART_Scan* FHART_Scan;
