#include "protocols/mqtt/UTopicTemplate.h"

#include "app/controls/GlyphButton.h"
#include "app/controls/WindowLook.h"
#include "app/core/ULanguage.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/Splitter.h"

TFTopicTemplate* FTopicTemplate = nullptr;

namespace {

constexpr int Client_Width = 635;
constexpr int Client_Height = 396;
constexpr int Caption_Topic = 2600;
constexpr int Caption_Template = 2601;
constexpr int Description_Topic = 2602;
constexpr int Description_Template = 2603;

} // namespace

TFTopicTemplate::TFTopicTemplate(TComponent* AOwner)
    : TStepDialog(AOwner, Client_Width, Client_Height, 16) {
    SetName("FTopicTemplate");
    Btn_OK->SetModalResult(mrOk);
    Btn_Cancel->SetModalResult(mrCancel);

    P_Legend = Make_Window_Panel(this, alBottom, 108);
    L_List_Keywords = Make_Label(this, P_Legend, 8, 4);
    ESG_Keywords = new TExStringGrid(this);
    ESG_Keywords->SetName("ESG_Keywords");
    ESG_Keywords->SetParent(P_Legend);
    ESG_Keywords->SetBounds(8, 22, Client_Width - 16, 80);
    ESG_Keywords->SetAnchors(TAnchors{akLeft, akTop, akRight, akBottom});
    ESG_Keywords->SetColCount(2);
    ESG_Keywords->SetFixedCols(0);
    ESG_Keywords->SetRowCount(2);
    ESG_Keywords->SetFixedRows(1);
    ESG_Keywords->SetColWidths(0, 200);
    ESG_Keywords->SetColWidths(1, 380);
    ESG_Keywords->SetOptions(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine,
                                          goRangeSelect, goEditing});

    Splitter1 = new TSplitter(this);
    Splitter1->SetName("Splitter1");
    Splitter1->SetParent(this);
    Splitter1->SetAlign(alBottom);
    Splitter1->SetHeight(3);
    Splitter1->SetColor(clSilver);
    // Panels aligned to the bottom stack by their bottom edges: the buttons lowest, then the
    // keywords, then the splitter.
    P_Legend->SetTop(P_Button->Top() - P_Legend->Height());
    Splitter1->SetTop(P_Legend->Top() - Splitter1->Height());

    Panel1 = Make_Window_Panel(this, alClient, 0);
    RE_TopicTemplate = new TRichEdit(this);
    RE_TopicTemplate->SetName("RE_TopicTemplate");
    RE_TopicTemplate->SetParent(Panel1);
    RE_TopicTemplate->SetAlign(alClient);
    RE_TopicTemplate->SetScrollBars(ssBoth);

    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnShow = [this](TObject* sender) { FormShow(sender); };
}

void TFTopicTemplate::FormCreate(TObject*) {
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    Set_Lang();
}

void TFTopicTemplate::Set_Lang() {
    SetCaption(Lang_Str(Caption_Topic));
    L_SW_Desc->SetCaption(Lang_Str(Description_Topic));
    L_List_Keywords->SetCaption(Lang_Str(2604));
    ESG_Keywords->SetCells(0, 0, Lang_Str(2605));
    ESG_Keywords->SetCells(1, 0, Lang_Str(2606));
    Btn_OK->SetCaption(Lang_Str(2607));
    Btn_Cancel->SetCaption(Lang_Str(2608));
}

void TFTopicTemplate::FormShow(TObject*) {
    const bool isTemplate = TopicTemplate != 0;
    SetCaption(Lang_Str(isTemplate ? Caption_Template : Caption_Topic));
    L_SW_Desc->SetCaption(Lang_Str(isTemplate ? Description_Template : Description_Topic));
    Laod_Keywords();
    if (RE_TopicTemplate->CanFocus())
        RE_TopicTemplate->SetFocus();
}

void TFTopicTemplate::Laod_Keywords() {
    ESG_Keywords->SetRowCount(2);
    ESG_Keywords->SetCells(0, 1, "");
    ESG_Keywords->SetCells(1, 1, "");
    ESG_Keywords->SetReadOnly(0, 1, false);
    ESG_Keywords->SetReadOnly(1, 1, true);
}
