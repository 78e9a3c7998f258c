#include "protocols/canopen/CANopenTableWindow.h"

#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/ExCGrid.h"
#include "platform/core/IntegerConversion.h"
#include "platform/ui/Font.h"

#include <algorithm>

namespace {

constexpr int CANopen_Row_Height = 21;

} // namespace

TCANopenTableWindow::TCANopenTableWindow(TComponent* AOwner, TTableDescription Description)
    : TTableWindow(AOwner, std::move(Description)) {}

void TCANopenTableWindow::Init_Table(int Table) {
    TTableWindow::Init_Table(Table);
    TExStringGrid* grid = Table_Grid(Table);
    grid->SetOptions(grid->Options() + TGridOptions{goDrawFocusSelected});
    grid->SetDefaultRowHeight(CANopen_Row_Height);
    grid->Font()->SetName("Tahoma");
    grid->Font()->SetHeight(-11);
    grid->ControlLook()->SetControlStyle(csWinXP);
    grid->SetULKGradientHoverFrom(clGray);
    grid->SetULKGradientHoverTo(clWhite);
    grid->SetULKGradientDownFrom(clGray);
    grid->SetULKGradientDownTo(clSilver);
}

void TCANopenTableWindow::Rows_Moved(int Table, int First, int Last) {
    const auto& columns = Table_Description(Table).Columns;
    TExStringGrid* grid = Table_Grid(Table);
    for (size_t c = 1; c < columns.size(); ++c) {
        if (columns[c].Kind != tcCheckBox)
            continue;
        const int col = static_cast<int>(c);
        for (int r = First; r <= Last; ++r)
            if (grid->Cells(col, r).empty())
                grid->SetCells(col, r, "N");
    }
}

bool TCANopenTableWindow::Controllo_dati() {
    for (int t = 0; t < Table_Count(); ++t) {
        const std::vector<TCANopenCheck> checks = Table_Checks(t);
        const int last = Key_Rows(t);
        for (int r = 1; r <= last; ++r)
            for (const TCANopenCheck& check : checks)
                if (!Check_Row(t, r, check))
                    return false;
    }
    return true;
}

bool TCANopenTableWindow::Check_Row(int Table, int ARow, const TCANopenCheck& Check) const {
    const int value = Cell_Value(Table, Check.Col, ARow);
    switch (Check.Kind) {
    case TCANopenCheck::ckRange:
        return (value >= Check.Low && value <= Check.High) || Row_Error(ARow, Check.Slot);
    case TCANopenCheck::ckByteSize:
        return value == 1 || value == 2 || value == 4 || Row_Error(ARow, Check.Slot);
    case TCANopenCheck::ckPositions: {
        // The count was checked before (a frame or object of that many bytes); kept inside
        // the table all the same.
        const int count = std::min(Cell_Value(Table, Check.Count_Col, ARow),
                                   Table_Grid(Table)->ColCount() - Check.Col);
        for (int k = 1; k <= count; ++k) {
            const int position = Cell_Value(Table, Check.Col + k - 1, ARow);
            if (position < 0 || position > Check.High)
                return Row_Error(ARow, Check.Slot + k - 1, IntToStr(Check.High));
        }
        return true;
    }
    }
    return true;
}
