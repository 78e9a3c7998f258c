#pragma once

#include "grid/stringgrid/ExGridTypes.h"
#include "platform/ui/Object.h"

#include <cstdint>
#include <string>

// The one graphic object a cell may carry (check box, image, progress bar, ...), kept in the
// cell's properties; CellType says which fields mean what. The base grid frees a graphic of
// this class together with the cell's properties.
class TCellGraphic : public TObject {
public:
    TCellType CellType = ctNone;
    TObject* CellBitmap = nullptr;
    TObject* CellIcon = nullptr;
    int CellVAlign = 0;
    int CellHAlign = 0;
    int32_t CellIndex = 0;
    bool CellTransparent = false;
    bool CellCreated = false;
    bool CellBoolean = false;
    int32_t CellAngle = 0;
    double CellValue = 0;
    int32_t CellErrFrom = 0;
    int32_t CellErrLen = 0;
    std::string CellText;
    TCheckBoxState CellCheckBoxState = cbUnchecked;
};
