#include "grid/dropdown/DropDownListGrid.h"

TDropDownListGrid::TDropDownListGrid(TComponent* Owner)
    : TDropDownListLook(0x808080, 0),
      FColumns(std::make_unique<DropDownList::TDropDownColumns>(Owner)) {}

TDropDownListGrid::~TDropDownListGrid() = default;
