// Clipboard copy and cut of cells, and the selection as text.
#include "grid/foundation/ExDrawing.h"
#include "grid/foundation/ExGridUndoRedo.h"
#include "grid/foundation/ExUtil.h"
#include "grid/foundation/GridDragBlocks.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ClipboardText.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/RtfCellText.h"
#include "grid/stringgrid/ShowModified.h"
#include "platform/core/CodePage.h"
#include "platform/core/RtfText.h"
#include "platform/core/Utf8.h"
#include "platform/ui/Clipboard.h"

namespace {

const char* const RichTextFormatName = "Rich Text Format";
const char* const HTMLFormatName = "HTML Format";

} // namespace

std::string TExStringGrid::BuildSelectionText(const TGridRect& Rect, bool SelectedOnly) {
    FClipTopLeft = TPoint{Rect.Left, Rect.Top};
    ExportNotification(esExportStart, -1);
    const bool rowSelect = FMouseActions->DisjunctRowSelect();
    const bool colSelect = FMouseActions->DisjunctColSelect();
    auto rowTakesPart = [&](int r) {
        return !(rowSelect && SelectedOnly && !colSelect && !GetRowSelect(r));
    };
    auto colTakesPart = [&](int c) { return !(colSelect && SelectedOnly && !GetColSelect(c)); };
    auto notified = [&](int r) {
        return FMouseActions->RowSelectPersistent ? DisplToRealRow(r) : r;
    };
    const bool wholeRange = Rect.Top <= FixedRows() && Rect.Bottom >= RowCount() - 1;
    for (int r = Rect.Top; r <= Rect.Bottom; ++r)
        if (rowTakesPart(r))
            ExportNotification(wholeRange ? esExportNewRow : esExportSelRow, notified(r));

    const bool excel = ExcelClipboardFormat && Multilinecells;
    std::string text;
    std::string cell;
    for (int r = Rect.Top; r <= Rect.Bottom; ++r) {
        if (!rowTakesPart(r))
            continue;
        ExportNotification(esExportNewRow, notified(r));
        for (int c = Rect.Left; c <= Rect.Right; ++c) {
            if (!colTakesPart(c))
                continue;
            SaveCell(RealColIndex(c), r, cell);
            if (cell.starts_with("|\\"))
                cell = Utf16ToUtf8(UnpackWideText(cell));
            if (!FNavigation->CopyHTMLTagsToClipboard) {
                if (cell.find("</") != std::string::npos)
                    cell = GetStrippedCell(RealColIndex(c), r);
            } else if (cell.find("{\\") != std::string::npos && IsRtf(cell)) {
                cell = RtfPlainText(RtfCellRuns(cell));
            }
            text += ClipboardField(cell, excel);
            if (c < Rect.Right)
                text += '\t';
        }
        if (Rect.Bottom > Rect.Top)
            text += "\r\n";
    }
    ExportNotification(esExportDone, -1);
    return text;
}

std::string TExStringGrid::GetSelectionAsText() {
    return BuildSelectionText(Selection(), false);
}

void TExStringGrid::CopyRange(const TGridRect& Rect, bool SelectedOnly) {
    const std::string text = BuildSelectionText(Rect, SelectedOnly);
    // One clipboard content: the formats stand side by side.
    TClipboard* clipboard = Clipboard();
    clipboard->Open();
    try {
        clipboard->SetAsText(text);
        if (FNavigation->AllowRTFClipboard)
            CopyCellRTF(Rect.Left, Rect.Top);
        if (FNavigation->AllowFmtClipboard)
            CopyCellsBinary(Rect);
    } catch (...) {
        clipboard->Close();
        throw;
    }
    clipboard->Close();
}

void TExStringGrid::CopyCellRTF(int ACol, int ARow) {
    const std::string cell = Cells(RealColIndex(ACol), ARow);
    if (cell.find("{\\") == std::string::npos)
        return;
    std::string block = RtfCellToAscii(cell);
    block += '\0';
    Clipboard()->SetFormatData(TClipboard::RegisterFormat(RichTextFormatName), block);
}

void TExStringGrid::CopyCellsBinary(const TGridRect& Rect) {
    const std::optional<std::string> stream = CellStreamOfRange(Rect);
    if (!stream)
        return;
    if (const std::optional<std::string> block = GridCellsBlock(*stream))
        Clipboard()->SetFormatData(GridCellsClipboardFormat, *block);
}

void TExStringGrid::AlignSelectionToMerged() {
    TGridRect sel = Selection();
    const TGridRect before = sel;
    int baseCol = 0;
    int baseRow = 0;
    if (IsMergedCell(sel.Left, sel.Top) && FindBaseCell(sel.Left, sel.Top, baseCol, baseRow)) {
        sel.Left = std::min(sel.Left, baseCol);
        sel.Top = std::min(sel.Top, baseRow);
    }
    if (IsMergedCell(sel.Right, sel.Bottom) &&
        FindBaseCell(sel.Right, sel.Bottom, baseCol, baseRow)) {
        const TPoint span = CellSpan(baseCol, baseRow);
        sel.Right = std::max(sel.Right, baseCol + span.X);
        sel.Bottom = std::max(sel.Bottom, baseRow + span.Y);
    }
    if (!(sel == before))
        SetSelection(sel);
}

void TExStringGrid::CopySelectionToClipboard() {
    AlignSelectionToMerged();
    const bool fmt = FNavigation->AllowFmtClipboard;
    if (FMouseActions->DisjunctRowSelect() && !fmt)
        CopyRange({FixedCols(), SaveStartRow(), ColCount() - FixedRightCols() - 1, SaveEndRow()},
                  true);
    else if (FMouseActions->DisjunctColSelect() && !fmt)
        CopyRange({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, true);
    else
        CopyRange(Selection(), false);
    FClipLastOp = coCopy;
}

void TExStringGrid::CopyToClipBoard() {
    CopyRange({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, false);
    FClipLastOp = coCopy;
}

void TExStringGrid::CopyToClipBoardAsHTML() {
    std::string html = SaveToHTMLString("");
    MakeCFHTML(html);
    TClipboard* clipboard = Clipboard();
    clipboard->Open();
    clipboard->SetFormatData(TClipboard::RegisterFormat(HTMLFormatName), html);
    clipboard->SetAsText(html);
    clipboard->Close();
}

void TExStringGrid::CutSelectionToClipboard() {
    const TGridRect sel = Selection();
    CopySelectionToClipboard();
    if (FMouseActions->DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r) {
            const int looked = FMouseActions->RowSelectPersistent ? DisplToRealRow(r) : r;
            if (!GetRowSelect(looked))
                continue;
            ClearRows(r, 1);
            if (FShowModified->Enabled)
                SetRowModified(r, true);
        }
    } else if (FMouseActions->DisjunctColSelect()) {
        for (int c = FixedCols(); c < ColCount(); ++c)
            if (GetColSelect(c))
                ClearCols(c, 1);
    } else {
        if (UndoRedo())
            UndoRedo()->StartSequence();
        for (int r = sel.Top; r <= sel.Bottom; ++r) {
            for (int c = sel.Left; c <= sel.Right; ++c) {
                const int real = RealColIndex(c);
                if (!FNavigation->AllowClipboardAlways && !IsEditable(real, r))
                    continue;
                if (UndoRedo())
                    UndoRedo()->RegisterChange(real, r, Cells(real, r), "");
                SetCells(real, r, "");
            }
            if (FShowModified->Enabled)
                SetRowModified(r, true);
        }
        if (UndoRedo())
            UndoRedo()->StopSequence();
        if (FNavigation->AllowFmtClipboard)
            for (int c = sel.Left; c <= sel.Right; ++c)
                FreeCellPropertiesRange(RealColIndex(c), sel.Top, RealColIndex(c), sel.Bottom);
    }
    FClipLastOp = coCut;
    FireEvent(OnCellsChanged, this, TRect{sel.Left, sel.Top, sel.Right, sel.Bottom});
    if (NumHiddenColumns() > 0)
        Invalidate();
}

void TExStringGrid::CutToClipboard() {
    const TGridRect range{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()};
    CopyRange(range, false);
    for (int r = range.Top; r <= range.Bottom; ++r) {
        for (int c = range.Left; c <= range.Right; ++c) {
            const int real = RealColIndex(c);
            if (FNavigation->AllowClipboardAlways || IsEditable(real, r))
                SetCells(real, r, "");
        }
        if (FShowModified->Enabled)
            SetRowModified(r, true);
    }
    FClipLastOp = coCut;
}
