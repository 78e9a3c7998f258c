#pragma once

#include "grid/foundation/GridTypes.h"

class TDropDownCellControl;
class TExStringGrid;

// The string grid cannot link the drop-down controls; the library that holds them registers
// here what makes one for a grid, so that the grid creates its drop-down editors on first use.
// The maker answers nullptr for a kind it has no control for.
using TDropDownCellControlMaker = TDropDownCellControl* (*)(TExStringGrid* Grid, TEditorType Kind);

void SetDropDownCellControlMaker(TDropDownCellControlMaker Maker);
// nullptr when no maker is registered or it has no control for the kind.
TDropDownCellControl* MakeDropDownCellControl(TExStringGrid* Grid, TEditorType Kind);
