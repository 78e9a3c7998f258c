#include "grid/stringgrid/GridDropDownFactory.h"

namespace {
TDropDownCellControlMaker& RegisteredMaker() {
    static TDropDownCellControlMaker maker = nullptr;
    return maker;
}
} // namespace

void SetDropDownCellControlMaker(TDropDownCellControlMaker Maker) {
    RegisteredMaker() = Maker;
}

TDropDownCellControl* MakeDropDownCellControl(TExStringGrid* Grid, TEditorType Kind) {
    const TDropDownCellControlMaker maker = RegisteredMaker();
    return maker != nullptr ? maker(Grid, Kind) : nullptr;
}
