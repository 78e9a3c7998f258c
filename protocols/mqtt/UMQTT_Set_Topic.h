#pragma once

#include "app/tables/TableWindow.h"

#include <string>

// "Set MQTT Topics": the topics the gateway publishes to its broker and those it subscribes to,
// one table each on the pages "MQTT Publish" and "MQTT Subscribe", kept in "MQTT_Set_Topic.xml"
// under one section per table. Template cells are edited in the topic template editor.
class TFMQTT_Set_Topic : public TTableWindow {
public:
    explicit TFMQTT_Set_Topic(TComponent* AOwner);

    enum TTable { Table_Pub = 0, Table_Sub = 1 };

    // Real columns of the publish table.
    enum TPubColumn {
        Pub_Topic = 1,
        Pub_Retained,
        Pub_QoS,
        Pub_DataType,
        Pub_Dimension,
        Pub_Position,
        Pub_IPAddress,
        Pub_InputTemplate,
        Pub_Template,
        Pub_OnChange,
        Pub_OnCMD,
        Pub_OnTimer,
        Pub_Time,
        Pub_Channel,
        Pub_Swap,
        Pub_Swap_Word,
        Pub_Mnemonic,
    };
    // Real columns of the subscribe table.
    enum TSubColumn {
        Sub_Topic = 1,
        Sub_Retained,
        Sub_QoS,
        Sub_DataType,
        Sub_Dimension,
        Sub_Position,
        Sub_IPAddress,
        Sub_Port,
        Sub_EthType,
        Sub_InputTemplate,
        Sub_Template,
        Sub_Swap,
        Sub_Swap_Word,
        Sub_Mnemonic,
    };

    TExColumnGrid* ACG_Pub = nullptr;
    TExColumnGrid* ACG_Sub = nullptr;
    // The sizes of the gateway's input and output data arrays in bytes.
    int Byte_IN = 0;
    int Byte_OUT = 0;

    bool Controllo_dati() override;
    // An odd number of "$": a keyword is left open.
    static bool Error_In_Topic_Template(const std::string& Text);
    // Edits a cell in the topic template editor; OK there writes the text back.
    void Show_Form_Topic(TExStringGrid* Grid, int ARow, int ACol);
    void ACG_MQTT_DblClickCell(TObject* Sender, int ARow, int ACol);
    // The headers of the data columns give their hints; other cells keep what the grid offers.
    void ACG_MQTT_GridHint(TObject* Sender, int ARow, int ACol, std::string& HintStr);

protected:
    std::string Table_File() const override;
    // A showing starts from empty tables: no check box ticked, nothing chosen.
    void Reset_Rows(int Table) override;
    // A file row without a topic ends the table, so the named topics after it would not be
    // saved: the load is reported as incomplete.
    void Row_Loaded(int Table, int ARow, const TTableFileRow& Row) override;

private:
    // The language slots of one table's checks.
    struct TCheckSlots {
        int Data_Type;
        int Dimension_Int;
        int Dimension_Float;
        int Dimension_Other;
        int Position;
        int Template;
    };
    // The checks both tables make on the columns their description names.
    struct TCheckedColumns {
        int Data_Type;
        int Dimension;
        int Position;
        int Template;
    };
    bool Check_Row(int Table, int ARow, TCheckedColumns Columns, int Positions,
                   const TCheckSlots& Slots) const;
    bool Check_Timer(int ARow) const;
    bool Is_Shown(int Table, int ACol) const;
    int Template_Col(int Table) const;

    // Per table, the first loaded row without a topic (0: none yet, -1: reported).
    int FUnnamed_Row[2] = {0, 0};
};

extern TFMQTT_Set_Topic* FMQTT_Set_Topic;
