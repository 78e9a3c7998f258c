#pragma once

#include "app/controls/StepDialog.h"

class TPanel;
class TSplitter;
class TRichEdit;
class TExStringGrid;

// The editor of one topic or template cell of the MQTT tables: the text over as many lines as
// it needs, with the table of keywords beneath. The caller fills the text, shows the dialog and
// takes the text back on OK.
class TFTopicTemplate : public TStepDialog {
public:
    explicit TFTopicTemplate(TComponent* AOwner);

    TPanel* Panel1 = nullptr;
    TRichEdit* RE_TopicTemplate = nullptr;
    TSplitter* Splitter1 = nullptr;
    TPanel* P_Legend = nullptr;
    TLabel* L_List_Keywords = nullptr;
    TExStringGrid* ESG_Keywords = nullptr;

    // 1 when the edited cell is a Template cell, 0 otherwise: picks the captions.
    int TopicTemplate = 0;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Set_Lang();
    void Laod_Keywords();
};

extern TFTopicTemplate* FTopicTemplate;
