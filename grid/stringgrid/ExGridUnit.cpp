#include "grid/stringgrid/ExGrid.h"

#include "platform/ui/Clipboard.h"

int GridUnitInitCount = 0;
UINT GridEditDoneMessage = 0;
UINT DTPShiftFocusMessage = 0;
unsigned GridCellsClipboardFormat = 0;
TCursor GridLinkCursor = crDefault;
TExStringGrid* FocusWindowGrid = nullptr;
std::string HintFontName;
// The date picker control is part of every platform the grid runs on.
bool DatePickerAvailable = true;

void GridUnitStartUp() {
    if (GridUnitInitCount++ > 0)
        return;
    FocusWindowGrid = nullptr;
    GridCellsClipboardFormat = TClipboard::RegisterFormat("TExStringGrid Cells");
    GridEditDoneMessage = RegisterWindowMessage("GridEditDone");
    DTPShiftFocusMessage = RegisterWindowMessage("DTPShiftFocus");
}

void GridUnitShutDown() {
    if (GridUnitInitCount == 0 || --GridUnitInitCount > 0)
        return;
    FocusWindowGrid = nullptr;
    HintFontName.clear();
}

namespace {
// The unit is up before main and every grid, and down after them. The registries it uses are
// built on first use, so the order of static initialisation does not matter.
struct TGridUnitLifetime {
    TGridUnitLifetime() { GridUnitStartUp(); }
    ~TGridUnitLifetime() { GridUnitShutDown(); }
} GridUnitLifetime;
} // namespace
