#pragma once

#include "app/tables/TableWindow.h"

// "Set HART Gateway": the routing rules of a HART gateway variant, up to 100, kept in
// "HART_Gateway.xml". The rules carry no checks: OK always saves them.
class TFHART_Gateway : public TTableWindow {
public:
    explicit TFHART_Gateway(TComponent* AOwner);

    enum TColumn {
        Col_Enable = 1,
        Col_Address,
        Col_Gateway_Address,
        Col_Gateway_Card,
        Col_Gateway_Channel,
        Col_Preamble_Count,
        Col_Mnemonic,
    };

    TExColumnGrid* ACG_HART_Gateway = nullptr;

    bool Controllo_dati() override { return true; }

protected:
    std::string Table_File() const override;
};

extern TFHART_Gateway* FHART_Gateway;
