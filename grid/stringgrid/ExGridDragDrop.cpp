// Drag and drop of cells, text, rich text, files, links and columns onto the grid.
#include "grid/foundation/ESGDropTarget.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ClipboardText.h"
#include "grid/stringgrid/DragDropSettings.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/core/Exception.h"
#include "platform/ui/ListBox.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

} // namespace

// The grid's side of a drop: where the drop goes and what it writes.
class TGridDropTarget : public TESGDropTarget {
public:
    explicit TGridDropTarget(TExStringGrid* Grid) : FGrid(Grid) {}

protected:
    void DropText(TPoint pt, const std::string& s) override;
    void DropStream(TPoint pt, std::string cellStream) override;
    void DropCol(TPoint pt, int Col) override;
    void DropRTF(TPoint pt, const std::string& s) override { DropIntoCell(pt, s, false); }
    void DropFiles(TPoint pt, const TStringList& files) override;
    void DropURL(TPoint pt, const std::string& s) override { DropIntoCell(pt, s, true); }
    void DragMouseMove(TPoint pt, bool& Allow, TDropFormats DropFormats) override;
    void DragMouseLeave() override {
        FGrid->HandleDragOver(0, 0, dsDragLeave);
        FGrid->HideDropArrows();
    }

private:
    void DropIntoCell(TPoint pt, const std::string& s, bool url);
    TExStringGrid* FGrid;
};

void TDragDropSettings::SetOleDropTarget(bool Value) {
    if (FOleDropTarget == Value)
        return;
    FOleDropTarget = Value;
    if (FOwner)
        FOwner->OleDropTargetChanged(Value);
}

void TDragDropSettings::SetOleDropRTF(bool Value) {
    FOleDropRTF = Value;
    SetDropRTFEnabled(Value);
}

void TExStringGrid::OleDropTargetChanged(bool Value) {
    if (Value) {
        FGridDropTarget = std::make_shared<TGridDropTarget>(this);
        FGridDropTarget->SetAcceptText(FDragDropSettings->OleAcceptText);
        FGridDropTarget->SetAcceptFiles(FDragDropSettings->OleAcceptFiles);
        FGridDropTarget->SetAcceptURLs(FDragDropSettings->OleAcceptURLs);
        FGridDropTarget->SetAcceptCols(FDragDropSettings->OleColumnDragDrop);
        RegisterDropTarget(this, FGridDropTarget);
        FOleDropTargetAssigned = IsDragDropRegistered(this);
    } else if (FOleDropTargetAssigned) {
        RevokeDragDrop(this);
        FOleDropTargetAssigned = false;
        FGridDropTarget.reset();
    }
}

void TExStringGrid::OleColumnDragStart(int ACol, int AIndex, TListBox* AList) {
    FOleDragCol = ACol;
    FOleDragIndex = AIndex;
    FOleDragList = AList;
}

void TExStringGrid::DropTargetCell(TPoint pt, bool ColumnDrag, int& ACol, int& ARow, bool& Append) {
    ScreenToCell(pt, ACol, ARow);
    Append = false;
    if (ARow != -1 || ColumnDrag || !FDragDropSettings->OleEntireRows ||
        !FDragDropSettings->OleAppendRows)
        return;
    const TPoint client = ScreenToClient(pt);
    const TRect last = CellRect(FixedCols(), RowCount() - 1);
    if (client.Y >= last.Bottom) {
        ACol = FixedCols();
        ARow = RowCount() - 1;
        Append = true;
    }
}

void TGridDropTarget::DragMouseMove(TPoint pt, bool& Allow, TDropFormats DropFormats) {
    TExStringGrid& grid = *FGrid;
    // Held near an edge, the drag scrolls the grid after a delay, wherever it may drop.
    const TPoint client = grid.ScreenToClient(pt);
    grid.HandleDragOver(client.X, client.Y, dsDragMove);
    const bool columnDrag = DropFormats.Contains(dfCol);
    int col = -1;
    int row = -1;
    bool append = false;
    grid.DropTargetCell(pt, columnDrag, col, row, append);
    bool allow = col >= 0 && row >= 0;
    if (allow && !columnDrag)
        grid.DragScrollForDrop(client, col, row);
    if (!columnDrag) {
        if (allow && row < grid.FixedRows() && !(grid.RowCount() == 1 && grid.FixedRowAlways()))
            allow = false;
    } else if (col < 0) {
        // Right of the last column: the column goes to the end.
        col = grid.ColCount();
        row = 0;
        allow = true;
    } else {
        allow = row >= 0 && row < grid.FixedRows() && col >= grid.FixedCols();
    }
    if (DropFormats.Contains(dfFile) || DropFormats.Contains(dfGridCells))
        allow = true;
    // Text goes in through the paste, which writes nothing into a grid that takes no pasted
    // text: a drop there would only let a moving source clear its cells.
    const bool textOnly = DropFormats.Contains(dfText) && !DropFormats.Contains(dfGridCells) &&
                          !DropFormats.Contains(dfFile) && !DropFormats.Contains(dfURL) &&
                          !(DropFormats.Contains(dfRTF) && DropRTFEnabled());
    if (textOnly && !columnDrag && !grid.Options().Contains(goEditing) &&
        !grid.Navigation()->AllowClipboardAlways && !grid.MouseActions()->RangeSelectAndEdit)
        allow = false;
    // The grid's own cells dropped onto themselves would go nowhere.
    const TGridRect& dragged = grid.FDropSelection;
    if (grid.FOleDragging && !columnDrag && col >= dragged.Left && col <= dragged.Right &&
        row >= dragged.Top && row <= dragged.Bottom)
        allow = false;
    FireEvent(grid.OnOleDragOver, &grid, row, col, allow);
    Allow = Allow && allow && ((col >= 0 && row >= 0) || DropFormats.Contains(dfFile));
    if (Allow && col >= 0 && row >= 0)
        grid.ShowDropArrows(columnDrag, col, row, append);
    else
        grid.HideDropArrows();
}

// Near the edges a drag scrolls the grid: rows at once, columns once per grid timer tick.
void TExStringGrid::DragScrollForDrop(TPoint Client, int ACol, int ARow) {
    if ((ARow == 0 && TopRow() > FixedRows()) || (Client.Y < 8 && FixedRows() == 0 && TopRow() > 0))
        SetTopRow(TopRow() - 1);
    else if (ARow == TopRow() + VisibleRowCount())
        SetTopRow(TopRow() + 1);
    if (FTimerTicks % 2 != 0)
        return;
    ++FTimerTicks;
    if (ACol == 0 && LeftCol() > FixedCols())
        SetLeftCol(LeftCol() - 1);
    else if (ACol == LeftCol() + VisibleColCount())
        SetLeftCol(LeftCol() + 1);
}

void TGridDropTarget::DropText(TPoint pt, const std::string& s) {
    TExStringGrid& grid = *FGrid;
    TDragDropSettings& settings = *grid.DragDropSettings();
    int col = -1;
    int row = -1;
    bool append = false;
    grid.DropTargetCell(pt, false, col, row, append);
    if (grid.Options().Contains(goRowSelect))
        col = settings.OleEntireRows ? 0 : grid.FixedCols();
    const TClipboardBlock block = ParseClipboardText(s, grid.ExcelClipboardFormat);
    const int width = std::max(1, block.Width());
    const int lines = std::max(1, static_cast<int>(block.Lines.size()));
    bool allow = true;
    FireEvent(grid.OnOleDrop, &grid, row, col, s, allow);
    if (!allow || col < 0 || row < 0)
        return;
    // Only inserted rows move the rows a drag takes away; overwritten ones stay where they are.
    if (settings.OleRemoveRows && settings.OleInsertRows && grid.FDropSelection.Top >= row) {
        grid.FDropSelection.Top += lines;
        grid.FDropSelection.Bottom += lines;
    }
    if (row == 0 && grid.RowCount() == 1 && grid.FixedRowAlways())
        row = 1;
    if (settings.OleInsertRows) {
        if (append) {
            grid.SetRowCount(grid.RowCount() + lines);
            ++row;
        } else {
            // The selected rows follow their rows: a move removes the rows it dragged.
            grid.InsertRows(row, lines, true);
        }
    }
    grid.PasteText(col, row, s);
    const int left = std::max(col, grid.FixedCols());
    const int right =
        grid.Options().Contains(goRowSelect) ? col + width - grid.FixedCols() : col + width - 1;
    const TGridRect dropped{left, row, std::min(std::max(left, right), grid.ColCount() - 1),
                            std::min(row + lines - 1, grid.RowCount() - 1)};
    grid.SetSelection(dropped);
    grid.NoteOwnDrop(dropped);
    grid.HideDropArrows();
    FireEvent(grid.OnOleDropped, &grid, dropped);
}

void TGridDropTarget::DropStream(TPoint pt, std::string cellStream) {
    TExStringGrid& grid = *FGrid;
    int col = -1;
    int row = -1;
    grid.ScreenToCell(pt, col, row);
    int cols = 0;
    int rows = 0;
    intptr_t id = 0;
    // Cells that cannot be read are not dropped; the grid stays as it was.
    if (col < 0 || row < 0 || !grid.CellStreamSize(cellStream, cols, rows, id))
        return;
    grid.LoadCellStreamAt(col, row, cellStream);
    grid.NoteOwnDrop(TGridRect{col, row, col + cols - 1, row + rows - 1});
    grid.HideDropArrows();
    FireEvent(grid.OnOleDropped, &grid, grid.Selection());
}

void TGridDropTarget::DropIntoCell(TPoint pt, const std::string& s, bool url) {
    TExStringGrid& grid = *FGrid;
    int col = -1;
    int row = -1;
    grid.ScreenToCell(pt, col, row);
    bool allow = true;
    FireEvent(url ? grid.OnOleDropURL : grid.OnOleDrop, &grid, row, col, s, allow);
    if (allow && col >= 0 && row >= 0) {
        grid.SetCells(grid.RealColIndex(col), row, s);
        grid.NoteOwnDrop(TGridRect{col, row, col, row});
    }
    grid.HideDropArrows();
}

void TGridDropTarget::DropFiles(TPoint pt, const TStringList& files) {
    if (files.Count() != 1)
        return;
    TExStringGrid& grid = *FGrid;
    int col = -1;
    int row = -1;
    grid.ScreenToCell(pt, col, row);
    const std::string& name = files[0];
    grid.HideDropArrows();
    bool allow = true;
    FireEvent(grid.OnOleDropFile, &grid, row, col, name, allow);
    if (!allow || Upper(name).find(".CSV") == std::string::npos)
        return;
    FireEvent(grid.OnOleDrop, &grid, -1, -1, name, allow);
    if (allow)
        grid.LoadFromCSV(name, -1);
}

void TGridDropTarget::DropCol(TPoint pt, int Col) {
    TExStringGrid& grid = *FGrid;
    int col = -1;
    int row = -1;
    grid.ScreenToCell(pt, col, row);
    if (col < 0)
        col = grid.ColCount();
    grid.HideDropArrows();
    const bool keepMove = grid.EnhRowColMove;
    if (grid.FOleDragCol != -1) {
        if (grid.FOleDragList && grid.FOleDragIndex >= 0 &&
            grid.FOleDragIndex < grid.FOleDragList->Count())
            grid.FOleDragList->Items()->Delete(grid.FOleDragIndex);
        const int real = grid.FOleDragCol;
        grid.UnHideColumn(real);
        const int from = grid.DisplColIndex(real);
        const int to = std::min(col, grid.ColCount() - 1);
        grid.EnhRowColMove = true;
        if (from >= 0 && from != to)
            grid.MoveColumn(from, to);
        grid.EnhRowColMove = keepMove;
        grid.FOleDragCol = -1;
    } else if (grid.DragDropSettings()->OleColumnReorder) {
        const int to = std::min(col, grid.ColCount() - 1);
        const int from = grid.DisplColIndex(Col);
        grid.EnhRowColMove = true;
        if (from >= 0 && from != to)
            grid.MoveColumn(from, to);
        grid.EnhRowColMove = keepMove;
    }
    FireEvent(grid.OnOleDropCol, &grid, row, col, Col);
}
