#include "app/windows/UHART_Scan.h"

#include "app/controls/GlyphButton.h"
#include "app/controls/WindowLook.h"
#include "app/core/HartCodeTables.h"
#include "app/core/ULanguage.h"
#include "app/windows/HART_Scan_Texts.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/core/IntegerConversion.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Font.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

TFHART_Scan* FHART_Scan = nullptr;

namespace {

constexpr int Scan_Client_Width = 1000;
constexpr int Scan_Client_Height = 337;
constexpr int Button_Width = 145;
constexpr TColor Enable_Color = 0x00B0D8FF;
constexpr TColor Even_Device_Color = 0x00FEFAE0;
constexpr TColor Odd_Device_Color = 0x00A8FFA8;
constexpr int Column_Widths[] = {40, 50, 120, 120, 160, 120, 120, 120};
constexpr int Scan_Octet_Lefts[] = {220, 275, 330, 385};

TEdit* Make_Edit(TForm* owner, TWinControl* parent, int left, int top, int width,
                 const std::string& text) {
    auto* edit = new TEdit(owner);
    edit->SetParent(parent);
    edit->SetBounds(left, top, width, 21);
    edit->SetText(text);
    edit->SetShowHint(true);
    return edit;
}

} // namespace

TFHART_Scan::TFHART_Scan(TComponent* AOwner) : TForm(AOwner) {
    SetName("FHART_Scan");
    Apply_Window_Look(this, Scan_Client_Width, Scan_Client_Height);
    P_Button = Make_Window_Panel(this, alBottom, 40);
    Build_Buttons();
    P_Title = Make_Window_Panel(this, alTop, 69);
    L_SW_Code = Make_Label(this, P_Title, 16, 8, "HART Scan");
    L_SW_Desc = Make_Label(this, P_Title, 16, 42);
    Style_Title_Labels(L_SW_Code, L_SW_Desc);
    Build_Entry_Panel();
    Build_Wait_Panel();
    Build_Results_Panel();

    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnShow = [this](TObject* sender) { FormShow(sender); };
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
}

TFHART_Scan::~TFHART_Scan() {
    // A dialog freed while shown still ends its worker before the controls go.
    if (TR_HART_Scan)
        TR_HART_Scan->Close();
    TR_HART_Scan.reset();
}

void TFHART_Scan::Build_Buttons() {
    auto button = [this](int left, const char* glyph) {
        TGlyphButton* b = Make_Glyph_Button(this, P_Button, left, 6, Button_Width, 28, glyph);
        b->SetShowHint(true);
        return b;
    };
    Btn_StartScan = button(16, "");
    Btn_StartScan->SetCaption("Start Scan");
    Btn_StartScan->OnClick = [this](TObject* sender) { Btn_StartScanClick(sender); };
    Btn_OK = button(16, "OK");
    Btn_OK->SetModalResult(mrOk);
    Btn_Cancel = button(167, "CANCEL");
    Btn_Cancel->SetModalResult(mrCancel);
    Btn_ScanAgain = button(620, "");
    Btn_ScanAgain->SetCaption("Scan Again");
    Btn_ScanAgain->OnClick = [this](TObject* sender) { Btn_ScanAgainClick(sender); };
    Btn_SelectAll = button(318, "");
    Btn_SelectAll->SetCaption("Select All");
    Btn_UnSelectAll = button(469, "");
    Btn_UnSelectAll->SetCaption("Unselect All");
    for (TGlyphButton* b : {Btn_SelectAll, Btn_UnSelectAll})
        b->OnClick = [this](TObject* sender) { Btn_SelectAllClick(sender); };
}

void TFHART_Scan::Build_Entry_Panel() {
    P_HART_Init_Scan = Make_Window_Panel(this, alClient, 0);
    TWinControl* p = P_HART_Init_Scan;
    L_Discovery_IP = Make_Label(this, p, 32, 43);
    const char* designed[] = {"192", "168", "2", "107"};
    TEdit** octets[] = {&E_Discovery_IP1, &E_Discovery_IP2, &E_Discovery_IP3, &E_Discovery_IP4};
    for (int i = 0; i < 4; ++i) {
        *octets[i] = Make_Edit(this, p, Scan_Octet_Lefts[i], 40, 45, designed[i]);
        (*octets[i])->OnKeyPress = [this](TObject* sender, TChar& key) { KeyPress(sender, key); };
    }
    TLabel** dots[] = {&L_IP_Dot1, &L_IP_Dot2, &L_IP_Dot3};
    for (int i = 0; i < 3; ++i)
        *dots[i] = Make_Label(this, p, Scan_Octet_Lefts[i] + 49, 43, ".");
    L_Discovery_NumDevs = Make_Label(this, p, 32, 83);
    CB_Discovery_NumDevs = new TComboBox(this);
    CB_Discovery_NumDevs->SetParent(p);
    CB_Discovery_NumDevs->SetStyle(csDropDownList);
    CB_Discovery_NumDevs->SetBounds(Scan_Octet_Lefts[0], 80, 60, 22);
    CB_Discovery_NumDevs->SetShowHint(true);
    for (int n = 1; n <= 64; ++n)
        CB_Discovery_NumDevs->Items()->Add(n < 10 ? "0" + IntToStr(n) : IntToStr(n));
    CB_Discovery_NumDevs->SetItemIndex(63);

    L_Discovery_Port = Make_Label(this, p, 32, 123);
    E_Discovery_Port = Make_Edit(this, p, Scan_Octet_Lefts[0], 120, 80, "10000");
    L_Discovery_TimeOut = Make_Label(this, p, 32, 153);
    E_Discovery_TimeOut = Make_Edit(this, p, Scan_Octet_Lefts[0], 150, 80, "");
    L_Discovery_ID_Start = Make_Label(this, p, 32, 183);
    E_Discovery_ID_Start = Make_Edit(this, p, Scan_Octet_Lefts[0], 180, 80, "");
    L_Discovery_ID_Stop = Make_Label(this, p, 32, 213);
    E_Discovery_ID_Stop = Make_Edit(this, p, Scan_Octet_Lefts[0], 210, 80, "");
    for (TControl* hidden : std::initializer_list<TControl*>{
             L_Discovery_Port, E_Discovery_Port, L_Discovery_TimeOut, E_Discovery_TimeOut,
             L_Discovery_ID_Start, E_Discovery_ID_Start, L_Discovery_ID_Stop, E_Discovery_ID_Stop})
        hidden->SetVisible(false);
}

void TFHART_Scan::Build_Wait_Panel() {
    P_HART_Scan_Wait = Make_Window_Panel(this, alClient, 0);
    P_HART_Scan_Wait->SetVisible(false);
    L_Wait = Make_Label(this, P_HART_Scan_Wait, 0, 60);
    L_Wait->SetAutoSize(false);
    L_Wait->SetBounds(0, 60, Scan_Client_Width, 40);
    L_Wait->SetAlignment(taCenter);
    L_Wait->Font()->SetHeight(-32);
    L_Wait->Font()->SetColor(Title_Text_Color);
    L_Discovery_Result = Make_Label(this, P_HART_Scan_Wait, 0, 130);
    L_Discovery_Result->SetAutoSize(false);
    L_Discovery_Result->SetBounds(0, 130, Scan_Client_Width, 20);
    L_Discovery_Result->SetAlignment(taCenter);
}

void TFHART_Scan::Build_Results_Panel() {
    P_HART_View_Vars = Make_Window_Panel(this, alClient, 0);
    P_HART_View_Vars->SetVisible(false);
    ESG = new TExStringGrid(this);
    ESG->SetParent(P_HART_View_Vars);
    ESG->SetAlign(alClient);
    ESG->SetOptions(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine,
                                 goRangeSelect, goColSizing, goEditing});
    ESG->SetFixedCols(1);
    ESG->SetFixedRows(1);
    ESG->FixedFont()->SetStyle(TFontStyles{fsBold});
}

void TFHART_Scan::FormCreate(TObject*) {
    P_HART_Init_Scan->SetAlign(alClient);
    SetClientWidth(Scan_Client_Width);
    SetClientHeight(Scan_Client_Height);
    Init_Table(true);
    Set_Lang();
}

void TFHART_Scan::FormShow(TObject*) {
    THART_Scan_Reports reports;
    reports.Sync_Show_Status = [this](const std::string& status) {
        L_Discovery_Result->SetCaption(status);
    };
    reports.Sync_Scan_Done = [this] {
        Show_Vars();
        Show_Form(3);
    };
    reports.Sync_Scan_Failed = [this] { Show_Form(4); };
    TR_HART_Scan = std::make_unique<THART_Thread>(reports, HART_Scan_Texts(), Scan_Link);
    Show_Form(1);
}

void TFHART_Scan::FormClose(TObject*, TCloseAction&) {
    if (!TR_HART_Scan)
        return;
    // The worker ends first and the count is taken after: a scan that finished meanwhile keeps
    // its count, and no report of the worker arrives once the dialog is gone.
    TR_HART_Scan->Close();
    Num_Devices = TR_HART_Scan->Results().Num_Devices;
    TR_HART_Scan.reset();
}

void TFHART_Scan::Btn_StartScanClick(TObject*) {
    Show_Form(2);
    if (!TR_HART_Scan)
        return;
    const std::string address = E_Discovery_IP1->Text() + "." + E_Discovery_IP2->Text() + "." +
                                E_Discovery_IP3->Text() + "." + E_Discovery_IP4->Text();
    TR_HART_Scan->HART_Discovery(address, CB_Discovery_NumDevs->Text());
}

void TFHART_Scan::Btn_ScanAgainClick(TObject*) {
    Show_Form(1);
}

void TFHART_Scan::Btn_SelectAllClick(TObject* Sender) {
    const bool ticked = Sender == Btn_SelectAll;
    for (int r = 1; r < ESG->RowCount(); ++r)
        ESG->SetCheckBoxState(1, r, ticked);
    ESG->Invalidate();
}

void TFHART_Scan::KeyPress(TObject* Sender, TChar& Key) {
    if (Key != u'.')
        return;
    const std::pair<TEdit*, TEdit*> next[] = {
        {E_Discovery_IP1, E_Discovery_IP2},
        {E_Discovery_IP2, E_Discovery_IP3},
        {E_Discovery_IP3, E_Discovery_IP4},
    };
    for (const auto& [from, to] : next)
        if (Sender == from && to->CanFocus())
            to->SetFocus();
    Key = 0;
}

void TFHART_Scan::Show_Form(int Status) {
    for (TControl* c : std::initializer_list<TControl*>{
             P_HART_Init_Scan, P_HART_Scan_Wait, P_HART_View_Vars, Btn_StartScan, Btn_OK,
             Btn_Cancel, Btn_ScanAgain, Btn_SelectAll, Btn_UnSelectAll})
        c->SetVisible(false);
    auto show = [](TControl* c, int left) {
        c->SetLeft(left);
        c->SetVisible(true);
    };
    switch (Status) {
    case 1:
        P_HART_Init_Scan->SetAlign(alClient);
        P_HART_Init_Scan->SetVisible(true);
        show(Btn_StartScan, 16);
        break;
    case 2:
    case 4:
        // The failed state keeps the worker's last text in the status label.
        P_HART_Scan_Wait->SetAlign(alClient);
        P_HART_Scan_Wait->SetVisible(true);
        if (Status == 4)
            show(Btn_ScanAgain, 16);
        break;
    case 3:
        P_HART_View_Vars->SetAlign(alClient);
        P_HART_View_Vars->SetVisible(true);
        show(Btn_OK, 16);
        show(Btn_Cancel, 167);
        show(Btn_SelectAll, 318);
        show(Btn_UnSelectAll, 469);
        show(Btn_ScanAgain, 620);
        break;
    default:
        break;
    }
}

void TFHART_Scan::Init_Table(bool Init) {
    ESG->SetColCount(8);
    ESG->SetRowCount(2);
    for (int c = 0; c < 8; ++c) {
        ESG->SetCells(c, 0, Lang_Str(1628 + c));
        if (Init)
            ESG->SetColWidths(c, Column_Widths[c]);
    }
    ESG->AddCheckBox(1, 1, false, false);
    ESG->SetCells(0, 1, "1");
    ESG->SetCells(1, 1, "");
    ESG->SetColors(1, 1, Enable_Color);
    ESG->SetAlignments(1, 1, taCenter);
    for (int c = 2; c < 8; ++c) {
        ESG->SetCells(c, 1, "");
        ESG->SetColors(c, 1, clWhite);
        ESG->SetReadOnly(c, 1, true);
    }
}

void TFHART_Scan::Show_Vars() {
    const THART_Scan_Results results =
        TR_HART_Scan ? TR_HART_Scan->Results() : THART_Scan_Results{};
    struct TListed {
        size_t Device;
        THART_Device_Variable Variable;
    };
    std::vector<TListed> listed;
    for (size_t j = 0; j < results.Devices.size(); ++j)
        for (const THART_Device_Variable& variable : HART_Device_Variables(results.Devices[j])) {
            bool known = false;
            std::string name;
            HART_Var_Code_Name(variable.Code, known, name);
            if (known)
                listed.push_back({j, variable});
        }
    if (listed.empty()) {
        Init_Table(false);
        return;
    }
    ESG->SetRowCount(static_cast<int>(listed.size()) + 1);
    for (size_t i = 0; i < listed.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        const THART_Device_Record& record = results.Devices[listed[i].Device];
        const THART_Device_Variable& variable = listed[i].Variable;
        ESG->SetCells(0, r, IntToStr(r));
        ESG->SetCells(1, r, "");
        ESG->AddCheckBox(1, r, false, false);
        ESG->SetCheckBoxState(1, r, true);
        ESG->SetColors(1, r, Enable_Color);
        ESG->SetAlignments(1, r, taCenter);
        bool known = false;
        std::string code, classification, unit;
        HART_Var_Code_Name(variable.Code, known, code);
        HART_Classification_Name(variable.Classification, classification);
        HART_Unit_Name(variable.Unit, unit);
        const std::string texts[] = {HART_Device_Address(record),
                                     IntToStr(HART_Device_Preamble(record)),
                                     HART_Device_Name(record),
                                     code,
                                     classification,
                                     unit};
        // Neighbouring devices alternate their colour.
        const TColor colour = listed[i].Device % 2 == 0 ? Even_Device_Color : Odd_Device_Color;
        for (int c = 2; c < 8; ++c) {
            ESG->SetCells(c, r, texts[c - 2]);
            ESG->SetColors(c, r, colour);
            ESG->SetReadOnly(c, r, true);
        }
    }
    ESG->Invalidate();
}

void TFHART_Scan::Set_Lang() {
    SetCaption(Lang_Str(1600));
    L_SW_Desc->SetCaption(Lang_Str(1601));
    L_Discovery_IP->SetCaption(Lang_Str(1602));
    TEdit* octets[] = {E_Discovery_IP1, E_Discovery_IP2, E_Discovery_IP3, E_Discovery_IP4};
    for (int i = 0; i < 4; ++i)
        octets[i]->SetHint(Lang_Str(1603 + i));
    L_Discovery_Port->SetCaption(Lang_Str(1607));
    E_Discovery_Port->SetHint(Lang_Str(1608));
    L_Discovery_TimeOut->SetCaption(Lang_Str(1609));
    E_Discovery_TimeOut->SetHint(Lang_Str(1610));
    L_Discovery_ID_Start->SetCaption(Lang_Str(1611));
    E_Discovery_ID_Start->SetHint(Lang_Str(1612));
    L_Discovery_ID_Stop->SetCaption(Lang_Str(1613));
    E_Discovery_ID_Stop->SetHint(Lang_Str(1614));
    const std::pair<TGlyphButton*, int> buttons[] = {
        {Btn_StartScan, 1615}, {Btn_OK, 1617}, {Btn_Cancel, 1619}, {Btn_ScanAgain, 1621}};
    for (const auto& [button, slot] : buttons) {
        button->SetCaption(Lang_Str(slot));
        button->SetHint(Lang_Str(slot + 1));
    }
    L_Wait->SetCaption(Lang_Str(1623));
    for (int c = 0; c < 8; ++c)
        ESG->SetCells(c, 0, Lang_Str(1628 + c));
    L_Discovery_NumDevs->SetCaption(Lang_Str(1642));
    CB_Discovery_NumDevs->SetHint(Lang_Str(1643));
}
