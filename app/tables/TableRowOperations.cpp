#include "app/tables/TableRowOperations.h"

#include "app/core/AppState.h"
#include "app/core/ULanguage.h"
#include "grid/stringgrid/ExCGrid.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"
#include "platform/ui/Dialogs.h"

#include <cstddef>

namespace {

constexpr int Question_Row_Used = 1100;
constexpr int Error_Copy_Count = 1101;
constexpr int Error_No_Copy = 1102;
constexpr int Question_Last_Row_Lost = 1106;
constexpr int Question_Last_Row_Lost_End = 1107;

// How one grid variant reads and writes the cells of a row; the row operations are the same
// walks over the columns for both.
class TRowCells {
public:
    explicit TRowCells(TExStringGrid* grid) : Grid(grid) {}
    virtual ~TRowCells() = default;

    // The copied columns are 1 .. Last_Col().
    int Last_Col() const { return Grid->AllColCount() - 1; }
    bool Is_Table_Row(int row) const { return row >= 1 && row < Grid->RowCount(); }

    virtual void Move(int col, int from, int to) = 0;
    virtual void Empty(int col, int row, bool enableFirst) = 0;
    // The row counts as used when some column holds data.
    virtual bool Holds_Data(int col, int row) = 0;
    virtual void Copy(int col, int row, TAppState& state) = 0;
    // Writes clipboard entry `k` into the cell.
    virtual void Paste(int col, int row, size_t k, const TAppState& state) = 0;

    bool Row_Holds_Data(int row) {
        for (int c = 1; c <= Last_Col(); ++c)
            if (Holds_Data(c, row))
                return true;
        return false;
    }

    TExStringGrid* const Grid;
};

class TColumnGridCells : public TRowCells {
public:
    explicit TColumnGridCells(TExColumnGrid* grid) : TRowCells(grid), FGrid(grid) {}

    void Move(int col, int from, int to) override {
        Grid->SetCells(col, to, Grid->Cells(col, from));
    }
    void Empty(int col, int row, bool enableFirst) override {
        Grid->SetCells(col, row, col == 1 && enableFirst ? "Y" : "");
    }
    bool Holds_Data(int col, int row) override {
        const TGridColumnItem* item = FGrid->ColumnItem(col);
        if (item && item->Editor() == edDataCheckBox)
            return false;
        return !Trim(Grid->Cells(col, row)).empty();
    }
    void Copy(int col, int row, TAppState& state) override {
        state.Row_Clipboard.Add(Grid->Cells(col, row));
        // Texts only: no entry is a check box of its own.
        state.Row_Clipboard_Checks.push_back(false);
    }
    void Paste(int col, int row, size_t k, const TAppState& state) override {
        Grid->SetCells(col, row, state.Row_Clipboard[static_cast<int>(k)]);
    }

private:
    TExColumnGrid* FGrid;
};

class TCheckBoxGridCells : public TRowCells {
public:
    using TRowCells::TRowCells;

    void Move(int col, int from, int to) override {
        bool ticked = false;
        if (Grid->GetCheckBoxState(col, from, ticked))
            Grid->SetCheckBoxState(col, to, ticked);
        else
            Grid->SetCells(col, to, Grid->Cells(col, from));
    }
    void Empty(int col, int row, bool enableFirst) override {
        bool ticked = false;
        if (Grid->GetCheckBoxState(col, row, ticked))
            Grid->SetCheckBoxState(col, row, col == 1 && enableFirst);
        else
            Grid->SetCells(col, row, "");
    }
    bool Holds_Data(int col, int row) override {
        bool ticked = false;
        return !Grid->GetCheckBoxState(col, row, ticked) && !Grid->Cells(col, row).empty();
    }
    void Copy(int col, int row, TAppState& state) override {
        bool ticked = false;
        const bool check = Grid->GetCheckBoxState(col, row, ticked);
        state.Row_Clipboard.Add(check ? (ticked ? "Y" : "N") : Grid->Cells(col, row));
        state.Row_Clipboard_Checks.push_back(check);
    }
    void Paste(int col, int row, size_t k, const TAppState& state) override {
        const std::string& text = state.Row_Clipboard[static_cast<int>(k)];
        const bool fromCheck =
            k < state.Row_Clipboard_Checks.size() && state.Row_Clipboard_Checks[k];
        // A check state lands only on a cell that has a box to hold it.
        if (!fromCheck || !Grid->SetCheckBoxState(col, row, text == "Y"))
            Grid->SetCells(col, row, text);
    }
};

void Delete_Row(TRowCells& cells, int row, bool enableFirst) {
    if (!cells.Is_Table_Row(row))
        return;
    const int last = cells.Grid->RowCount() - 1;
    for (int r = row; r < last; ++r)
        for (int c = 1; c <= cells.Last_Col(); ++c)
            cells.Move(c, r + 1, r);
    for (int c = 1; c <= cells.Last_Col(); ++c)
        cells.Empty(c, last, enableFirst);
}

bool Insert_Row(TRowCells& cells, int row, bool enableFirst) {
    if (!cells.Is_Table_Row(row))
        return false;
    const int last = cells.Grid->RowCount() - 1;
    if (cells.Row_Holds_Data(last) && MessageDlg(Lang_Str(Question_Last_Row_Lost) + IntToStr(last) +
                                                     Lang_Str(Question_Last_Row_Lost_End),
                                                 mtConfirmation, mbYesNo) != mrYes)
        return false;
    for (int r = last - 1; r >= row; --r)
        for (int c = 1; c <= cells.Last_Col(); ++c)
            cells.Move(c, r, r + 1);
    for (int c = 1; c <= cells.Last_Col(); ++c)
        cells.Empty(c, row, enableFirst);
    return true;
}

void Copy_Row(TRowCells& cells, int row) {
    if (!cells.Is_Table_Row(row))
        return;
    TAppState& state = AppState();
    state.Row_Clipboard.Clear();
    state.Row_Clipboard_Checks.clear();
    for (int c = 1; c <= cells.Last_Col(); ++c)
        cells.Copy(c, row, state);
}

void Paste_Row(TRowCells& cells, int row, bool copyDone) {
    if (!cells.Is_Table_Row(row))
        return;
    const TAppState& state = AppState();
    if (!copyDone) {
        MessageDlg(Lang_Str(Error_No_Copy), mtError, {mbOK});
        return;
    }
    if (state.Row_Clipboard.Count() != cells.Last_Col()) {
        MessageDlg(Lang_Str(Error_Copy_Count), mtError, {mbOK});
        return;
    }
    if (cells.Row_Holds_Data(row) &&
        MessageDlg(Lang_Str(Question_Row_Used), mtConfirmation, mbYesNo) != mrYes)
        return;
    for (int c = 1; c <= cells.Last_Col(); ++c)
        cells.Paste(c, row, static_cast<size_t>(c - 1), state);
}

} // namespace

void Grid_Delete_Row(int ARow, TExColumnGrid* Grid) {
    TColumnGridCells cells(Grid);
    Delete_Row(cells, ARow, false);
}

void Grid_Delete_Row_Check(int ARow, TExStringGrid* Grid, bool EnableFirst) {
    TCheckBoxGridCells cells(Grid);
    Delete_Row(cells, ARow, EnableFirst);
}

bool Grid_Insert_Row(int ARow, TExColumnGrid* Grid, bool EnableFirst) {
    TColumnGridCells cells(Grid);
    return Insert_Row(cells, ARow, EnableFirst);
}

bool Grid_Insert_Row_Check(int ARow, TExStringGrid* Grid, bool EnableFirst) {
    TCheckBoxGridCells cells(Grid);
    return Insert_Row(cells, ARow, EnableFirst);
}

void Grid_Copy_Row(TExColumnGrid* Grid, int ARow) {
    TColumnGridCells cells(Grid);
    Copy_Row(cells, ARow);
}

void Grid_Copy_Row_Check(TExStringGrid* Grid, int ARow) {
    TCheckBoxGridCells cells(Grid);
    Copy_Row(cells, ARow);
}

void Grid_Paste_Row(TExColumnGrid* Grid, int ARow, bool CopyDone) {
    TColumnGridCells cells(Grid);
    Paste_Row(cells, ARow, CopyDone);
}

void Grid_Paste_Row_Check(TExStringGrid* Grid, int ARow, bool CopyDone) {
    TCheckBoxGridCells cells(Grid);
    Paste_Row(cells, ARow, CopyDone);
}

void Grid_DblClick_AutoSize(TExStringGrid* Grid, int ARow, int ACol) {
    if (AppState().Double_Click_Auto_Size && ARow == 0)
        Grid->AutoSizeCol(ACol, 0);
}

void Grid_Enter_Next(TExStringGrid* Grid, TChar& Key) {
    if (!AppState().Enable_Jump_Field_Tables || Key != 13)
        return;
    if (Grid->Col() > 0 && Grid->Row() > 0) {
        if (Grid->Col() < Grid->ColCount() - 1) {
            Grid->SetCol(Grid->Col() + 1);
        } else {
            Grid->SetCol(1);
            Grid->SetRow(Grid->Row() < Grid->RowCount() - 1 ? Grid->Row() + 1 : 1);
        }
    }
    Key = 0;
}
