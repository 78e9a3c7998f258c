#include "protocols/canopen/SdoTablesWindow.h"

TSdoTablesWindow::TSdoTablesWindow(TComponent* AOwner, TTableDescription Description)
    : TCANopenTableWindow(AOwner, std::move(Description)), TS_SDO_Read(Table_Page(SDO_Read)),
      TS_SDO_Write(Table_Page(SDO_Write)), sga(Column_Grid(SDO_Read)), sgb(Column_Grid(SDO_Write)) {
}
