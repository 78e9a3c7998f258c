#pragma once

#include "protocols/canopen/CANopenTableWindow.h"

class TTabSheet;

// The SDO client and server windows: an "SDO_Read" table whose values the gateway puts into its
// data array and an "SDO_Write" table whose values it takes from there, each on its page.
class TSdoTablesWindow : public TCANopenTableWindow {
public:
    enum TTable { SDO_Read, SDO_Write };

    TTabSheet* TS_SDO_Read = nullptr;
    TTabSheet* TS_SDO_Write = nullptr;
    TExColumnGrid* sga = nullptr;
    TExColumnGrid* sgb = nullptr;

protected:
    TSdoTablesWindow(TComponent* AOwner, TTableDescription Description);
};
