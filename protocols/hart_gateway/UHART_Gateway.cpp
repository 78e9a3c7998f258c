#include "protocols/hart_gateway/UHART_Gateway.h"

#include "app/core/AppState.h"

TFHART_Gateway* FHART_Gateway = nullptr;

namespace {

constexpr TColor Gateway_Color = 0x00A8FFFF;

TTableDescription HART_Gateway_Table() {
    TTableDescription d;
    TTableGridDescription& t = d.Tables.emplace_back();
    d.Form_Name = "FHART_Gateway";
    d.Client_Width = 900;
    d.Caption_Slot = 1000;
    d.Button_Hint_Slot = 1008;
    d.Delete_Question_Slot = 1060;
    t.Data_Rows = 100;
    t.Key_Col = TFHART_Gateway::Col_Address;
    d.Root = "HART_Gateway";
    t.Section = "HART_Gateway";
    TTableColumn enable{"Enable", 1015, 1022, 50, 0x00B0D8FF, tcCheckBox, taCenter};
    enable.Has_Missing = true;
    enable.Missing = "Y";
    t.Columns = {{"", 1014, 0, 40},
                 enable,
                 {"Address", 1016, 1023, 110, 0x00FEFAE0},
                 {"Gateway_Address", 1017, 1024, 130, Gateway_Color},
                 {"Gateway_Card", 1018, 1025, 130, Gateway_Color},
                 {"Gateway_Channel", 1019, 1026, 130, Gateway_Color},
                 {"Preamble_Count", 1020, 1027, 110, 0x00A8FFA8},
                 {"Mnemonic", 1021, 1028, 170}};
    return d;
}

} // namespace

TFHART_Gateway::TFHART_Gateway(TComponent* AOwner) : TTableWindow(AOwner, HART_Gateway_Table()) {
    ACG_HART_Gateway = Column_Grid();
}

std::string TFHART_Gateway::Table_File() const {
    return AppState().HART_Gateway_File;
}
