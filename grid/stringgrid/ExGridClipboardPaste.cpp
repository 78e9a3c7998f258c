// Pasting from the clipboard: cell streams, RTF and text, one value at a time through
// SetPastedCell.
#include "grid/foundation/ExGridUndoRedo.h"
#include "grid/foundation/ExUtil.h"
#include "grid/foundation/GridDragBlocks.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ClipboardText.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/ShowModified.h"
#include "platform/core/CodePage.h"
#include "platform/core/Utf8.h"
#include "platform/ui/Clipboard.h"

#include <algorithm>

namespace {

bool IsWideField(const std::string& field) {
    return field.starts_with("|\\");
}

} // namespace

void TExStringGrid::SetPastedCell(int ACol, int ARow, const std::string& Value) {
    const int real = RealColIndex(ACol);
    if (UndoRedo())
        UndoRedo()->RegisterChange(real, ARow, Cells(real, ARow), Value);
    if (HasCheckBox(real, ARow))
        SetCheckStateNotify(real, ARow, Value == CheckTrue);
    else
        SetCells(real, ARow, Value);
    if (real != ACol)
        InvalidateCell(ACol, ARow);
}

void TExStringGrid::RowsPasted(TPoint, const TGridRect& ARect, TClipOperation) {
    if (!FShowModified->Enabled)
        return;
    for (int r = ARect.Top; r <= ARect.Bottom; ++r)
        SetRowModified(r, true);
}

bool TExStringGrid::AllowFmtClipboard() {
    return FNavigation->AllowFmtClipboard;
}

bool TExStringGrid::PasteTargetEditable(int ACol, int ARow) {
    return FNavigation->AllowClipboardAlways || IsEditable(ACol, ARow);
}

int TExStringGrid::PasteText(int ACol, int ARow, const std::string& Text) {
    int rows = 0;
    int cols = 0;
    return PasteTextCounting(ACol, ARow, Text, rows, cols);
}

int TExStringGrid::PasteTextCounting(int ACol, int ARow, const std::string& Text, int& RowsOut,
                                     int& ColsOut) {
    RowsOut = 0;
    ColsOut = 0;
    if (ACol < 0 || ARow < 0)
        return 0;
    if (!Options().Contains(goEditing) && !FNavigation->AllowClipboardAlways &&
        !FMouseActions->RangeSelectAndEdit)
        return 0;
    const TClipboardBlock block = ParseClipboardText(Text, ExcelClipboardFormat);
    if (block.Lines.empty())
        return 0;
    RowsOut = static_cast<int>(block.Lines.size());
    ColsOut = block.Width();
    const bool insert = FNavigation->ClipboardPasteAction == paInsert;

    // The grid grows before anything is written, so every write lands inside it.
    if (FNavigation->AllowClipboardColGrow && ACol + ColsOut > ColCount())
        SetColCount(ACol + ColsOut);
    if (!insert && FNavigation->AllowClipboardRowGrow && ARow + RowsOut > RowCount())
        SetRowCount(ARow + RowsOut);

    if (UndoRedo())
        UndoRedo()->StartSequence();
    int count = 0;
    int lastCol = ACol;
    int lastRow = ARow;
    for (int line = 0; line < RowsOut; ++line) {
        const int r = ARow + line;
        ImportNotification(FPasteAll ? isImportNewRow : isImportSelRow, r);
        const std::vector<std::string>& fields = block.Lines[line];
        const bool emptyLine = fields.size() == 1 && fields.front().empty();
        if (insert && !emptyLine && r <= RowCount())
            InsertRows(r, 1, true);
        for (size_t k = 0; k < fields.size(); ++k) {
            ++count;
            const int c = ACol + static_cast<int>(k);
            if (c >= ColCount() || r >= RowCount() || !PasteTargetEditable(c, r))
                continue;
            std::string value = fields[k];
            bool allow = true;
            if (IsWideField(value)) {
                std::u16string wide = UnpackWideText(value);
                FireEvent(OnClipboardBeforePasteWideCell, this, c, r, wide, allow);
                value = PackWideText(wide);
                if (allow) {
                    SetPastedCell(c, r, value);
                    FireEvent(OnClipboardAfterPasteWideCell, this, c, r, wide);
                }
            } else {
                FireEvent(OnClipboardBeforePasteCell, this, c, r, value, allow);
                if (allow) {
                    SetPastedCell(c, r, value);
                    FireEvent(OnClipboardAfterPasteCell, this, c, r, value);
                }
            }
            lastCol = std::max(lastCol, c);
            lastRow = std::max(lastRow, r);
        }
    }
    // The empty rest after a final line break counts as a field, so a block copied from a grid
    // counts one more than its cells.
    if (block.EndsWithLineBreak)
        ++count;
    if (UndoRedo())
        UndoRedo()->StopSequence();
    RowsPasted(FClipTopLeft, {ACol, ARow, lastCol, lastRow}, FClipLastOp);
    NotifyCellsChanged(TRect{RealColIndex(ACol), ARow, RealColIndex(lastCol), lastRow});
    return count;
}

int TExStringGrid::PasteRange(int ACol, int ARow, int& RowsOut, int& ColsOut) {
    TClipboard* clipboard = Clipboard();
    if (AllowFmtClipboard() && clipboard->HasFormat(GridCellsClipboardFormat)) {
        BeginPasteCells();
        const std::optional<std::string> stream =
            ReadGridCellsBlock(clipboard->FormatData(GridCellsClipboardFormat));
        int cols = 0;
        int rows = 0;
        intptr_t id = 0;
        if (!stream || !CellStreamSize(*stream, cols, rows, id)) {
            EndPasteCells();
            throw ROvoVariRodev("The cells on the clipboard are damaged");
        }
        if (FNavigation->AllowClipboardColGrow && cols + ACol > ColCount())
            SetColCount(cols + ACol);
        if (FNavigation->AllowClipboardRowGrow && rows + ARow > RowCount())
            SetRowCount(rows + ARow);
        ColsOut = ColCount();
        RowsOut = RowCount();
        if (FNavigation->ClipboardPasteAction == paInsert)
            InsertRows(ARow, rows, true);
        LoadCellStreamAt(ACol, ARow, *stream);
        const TGridRect range{ACol, ARow, ACol + cols - 1, ARow + rows - 1};
        const bool fromHere = id == CellStreamID();
        RowsPasted(fromHere ? FClipTopLeft : TPoint{-1, -1}, range, FClipLastOp);
        EndPasteCells();
        return cols * rows;
    }
    const TClipboardFormat rtfFormat = TClipboard::RegisterFormat("Rich Text Format");
    if (FNavigation->AllowRTFClipboard && clipboard->HasFormat(rtfFormat)) {
        std::string rtf = clipboard->FormatData(rtfFormat);
        rtf.resize(std::min(rtf.size(), rtf.find('\0')));
        if (IsEditable(ACol, ARow))
            SetPastedCell(ACol, ARow, AnsiToUtf8(rtf));
        RowsOut = 1;
        ColsOut = 1;
        return 0;
    }
    if (clipboard->HasFormat(CF_TEXT))
        return PasteTextCounting(ACol, ARow, clipboard->AsText(), RowsOut, ColsOut);
    return 0;
}

void TExStringGrid::PasteFromClipboard() {
    ImportNotification(isImportStart, -1);
    FPasteAll = true;
    int rows = 0;
    int cols = 0;
    PasteRange(SaveStartCol(), SaveStartRow(), rows, cols);
    ImportNotification(isImportDone, -1);
    BulkCellsChanged();
}

void TExStringGrid::PasteSelectionFromClipboard() {
    ImportNotification(isImportStart, -1);
    FPasteAll = false;
    AlignSelectionToMerged();
    const TGridRect sel = Selection();
    int rows = 0;
    int cols = 0;
    const int left = Options().Contains(goRowSelect) ? FixedCols() : sel.Left;
    const int pasted = PasteRange(left, sel.Top, rows, cols);
    if (!FNavigation->AllowSmartClipboard)
        return;
    const int selected = (sel.Right - sel.Left + 1) * (sel.Bottom - sel.Top + 1);
    if (pasted == selected + 1)
        return;
    SmartPaste(pasted, rows, cols);
}

void TExStringGrid::SetSelectionAsText(const std::string& Value) {
    const TClipboardBlock block = ParseClipboardText(Value, ExcelClipboardFormat);
    if (block.Lines.empty())
        return;
    const TGridRect sel = Selection();
    const int rows = static_cast<int>(block.Lines.size());
    if (sel.Left + block.Width() > ColCount())
        SetColCount(sel.Left + block.Width());
    const int footer = FixedFooters();
    if (sel.Top + rows > RowCount() - footer)
        SetRowCount(sel.Top + rows + footer);
    int lastCol = sel.Left;
    for (int line = 0; line < rows; ++line) {
        const std::vector<std::string>& fields = block.Lines[line];
        for (size_t k = 0; k < fields.size(); ++k) {
            const int c = sel.Left + static_cast<int>(k);
            SetGridCell(RealColIndex(c), sel.Top + line, fields[k]);
            lastCol = std::max(lastCol, c);
        }
    }
    NotifyCellsChanged(
        TRect{RealColIndex(sel.Left), sel.Top, RealColIndex(lastCol), sel.Top + rows - 1});
}
