// Find, replace and incremental search.
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExUtil.h"
#include "grid/foundation/FilterCondition.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/SortIndexList.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/FindExpression.h"
#include "grid/stringgrid/FloatingFooter.h"
#include "grid/stringgrid/ShowModified.h"
#include "platform/core/CodePage.h"

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

namespace {

constexpr TPoint NoCell{-1, -1};
// Two double quotes as the search text look for empty cells.
constexpr std::string_view EmptyCellSearch = "\"\"";

// The locale's upper-casing; plain ASCII, the bulk of cell texts, takes the short road.
std::string UpperText(std::string_view Text) {
    for (unsigned char ch : Text)
        if (ch >= 0x80)
            return UpperCaseFull(Text);
    std::string upper(Text);
    for (char& ch : upper)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    return upper;
}

// Which characters of a text lie inside a tag, from "<" to the next ">".
std::vector<bool> InsideTags(std::u32string_view Text) {
    std::vector<bool> inside(Text.size(), false);
    for (size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] != U'<')
            continue;
        const size_t close = Text.find(U'>', i);
        if (close == std::u32string_view::npos)
            break;
        std::fill(inside.begin() + static_cast<std::ptrdiff_t>(i),
                  inside.begin() + static_cast<std::ptrdiff_t>(close) + 1, true);
        i = close;
    }
    return inside;
}

// What the search found in a stored text, replaced: the whole text where the search matched
// whole texts, else the occurrences of OrigStr the search looks for (outside tags when it
// ignores them). Case is matched the way the search matched it.
std::string ReplaceFound(const std::string& Text, const std::string& OrigStr,
                         const std::string& NewStr, TFindParams Params) {
    if (OrigStr == EmptyCellSearch)
        return Text.empty() ? NewStr : Text;
    if (Params.Contains(fnMatchRegular) || Params.Contains(fnMatchFull))
        return NewStr;
    const std::u32string text = Utf8ToCodePoints(Text);
    const bool fold = !Params.Contains(fnMatchCase);
    const std::u32string pattern = Utf8ToCodePoints(fold ? UpperCaseFull(OrigStr) : OrigStr);
    if (pattern.empty())
        return Text;
    // Folding may lengthen a character (the sharp s becomes "SS"): each folded character
    // remembers the text character it came from, and a match counts only when it begins and
    // ends on whole text characters.
    std::u32string compared;
    std::vector<size_t> origin;
    for (size_t i = 0; i < text.size(); ++i) {
        const std::u32string folded =
            fold ? Utf8ToCodePoints(UpperCaseFull(CodePointsToUtf8(text.substr(i, 1))))
                 : text.substr(i, 1);
        compared += folded;
        origin.insert(origin.end(), folded.size(), i);
    }
    origin.push_back(text.size());
    const auto whole = [&](size_t at) { return at == 0 || origin[at] != origin[at - 1]; };
    const std::vector<bool> inTag = Params.Contains(fnIgnoreHTMLTags)
                                        ? InsideTags(text)
                                        : std::vector<bool>(text.size(), false);
    const std::u32string replacement = Utf8ToCodePoints(NewStr);
    std::u32string result;
    size_t copied = 0;
    bool replacedAny = false;
    for (size_t at = compared.find(pattern); at != std::u32string::npos;
         at = compared.find(pattern, at + 1)) {
        const size_t from = origin[at];
        const size_t to = origin[at + pattern.size()];
        if (from < copied || !whole(at) || !whole(at + pattern.size()) ||
            std::find(inTag.begin() + static_cast<std::ptrdiff_t>(from),
                      inTag.begin() + static_cast<std::ptrdiff_t>(to),
                      true) != inTag.begin() + static_cast<std::ptrdiff_t>(to))
            continue;
        if (Params.Contains(fnMatchStart) && from != 0)
            break;
        result.append(text, copied, from - copied);
        result += replacement;
        copied = to;
        replacedAny = true;
        if (Params.Contains(fnMatchStart))
            break;
    }
    if (!replacedAny)
        return Text;
    result.append(text, copied);
    return CodePointsToUtf8(result);
}

} // namespace

std::string TExStringGrid::FindCellText(int ACol, int ARow, bool Wide) {
    const int col = FFindParams.Contains(fnIncludeHiddenColumns) ? ACol : RealColIndex(ACol);
    std::string text =
        FFindParams.Contains(fnIncludeHiddenRows) ? AllCells(col, ARow) : Cells(col, ARow);
    if (!Wide && FFindParams.Contains(fnIgnoreHTMLTags) && text.find('<') != std::string::npos)
        text = StripHTML(text);
    return text;
}

bool TExStringGrid::MatchFindCell(int ACol, int ARow, bool Wide) {
    std::string text = FindCellText(ACol, ARow, Wide);
    const bool matchCase = FFindParams.Contains(fnMatchCase);
    if (!matchCase)
        text = UpperText(text);
    const std::string& pattern = Wide ? FWideSearchText : SearchCache;
    if (pattern == EmptyCellSearch)
        return text.empty();
    if (FFindParams.Contains(fnMatchRegular))
        return MatchFilterCondition(pattern, text, matchCase);
    // An empty search text is found nowhere.
    const size_t at = pattern.empty() ? std::string::npos : text.find(pattern);
    const bool found = FFindParams.Contains(fnMatchStart) ? at == 0 : at != std::string::npos;
    return found && (!FFindParams.Contains(fnMatchFull) || text == pattern);
}

TPoint TExStringGrid::FindInArea(TPoint StartCell, TFindParams Params, bool Wide) {
    if (ColCount() <= FixedCols() || RowCount() + NumHiddenRows() <= FixedRows())
        return NoCell;
    TGridRect area;
    if (Params.Contains(fnIncludeFixed))
        area = {0, 0, ColCount() - 1, RowCount() - 1};
    else
        area = {FixedCols(), FixedRows(), ColCount() - 1 - FixedRightCols(),
                RowCount() - 1 - FixedFooters()};
    if (Params.Contains(fnSelectedCells))
        area = Selection();
    if (Params.Contains(fnIncludeHiddenColumns))
        area.Right += NumHiddenColumns();
    if (Params.Contains(fnIncludeHiddenRows))
        area.Bottom += NumHiddenRows();
    // The current cell counts in the walk's own indexes.
    const bool rowRestricted =
        Params.Contains(fnFindInCurrentRow) || Params.Contains(fnFindInPresetRow);
    const bool colRestricted =
        Params.Contains(fnFindInCurrentCol) || Params.Contains(fnFindInPresetCol);
    if (Params.Contains(fnFindInCurrentRow))
        area.Top = Params.Contains(fnIncludeHiddenRows) ? RealRowIndex(Row()) : Row();
    if (Params.Contains(fnFindInPresetRow))
        area.Top = FindRow;
    if (Params.Contains(fnFindInCurrentCol))
        area.Left = Params.Contains(fnIncludeHiddenColumns) ? RealColIndex(Col()) : Col();
    if (Params.Contains(fnFindInPresetCol))
        area.Left = FindCol;
    if (rowRestricted)
        area.Bottom = area.Top;
    if (colRestricted)
        area.Right = area.Left;
    if (area.Left > area.Right || area.Top > area.Bottom || area.Left < 0 || area.Top < 0)
        return NoCell;

    // The outer loop walks rows (row by row) or columns (column by column).
    const bool rowWise = Params.Contains(fnDirectionLeftRight);
    const bool backward = Params.Contains(fnBackward);
    const int outerFirst = rowWise ? area.Top : area.Left;
    const int outerLast = rowWise ? area.Bottom : area.Right;
    const int innerFirst = rowWise ? area.Left : area.Top;
    const int innerLast = rowWise ? area.Right : area.Bottom;
    int outer = backward ? outerLast : outerFirst;
    int inner = backward ? innerLast : innerFirst;
    if (!(StartCell == NoCell)) {
        // A restriction pins its index, so that a search in one row or column goes on after
        // the last match instead of finding it again.
        TPoint start = StartCell;
        if (rowRestricted)
            start.Y = area.Top;
        if (colRestricted)
            start.X = area.Left;
        outer = rowWise ? start.Y : start.X;
        inner = (rowWise ? start.X : start.Y) + (backward ? -1 : 1);
        if (!backward && outer < outerFirst)
            std::tie(outer, inner) = std::pair{outerFirst, innerFirst};
        if (backward && outer > outerLast)
            std::tie(outer, inner) = std::pair{outerLast, innerLast};
        inner = backward ? std::min(inner, innerLast) : std::max(inner, innerFirst);
    }
    const int step = backward ? -1 : 1;
    for (; backward ? outer >= outerFirst : outer <= outerLast; outer += step) {
        for (; backward ? inner >= innerFirst : inner <= innerLast; inner += step) {
            const int col = rowWise ? inner : outer;
            const int row = rowWise ? outer : inner;
            if (rowWise && IsIgnoredColumn(col))
                continue;
            ExportNotification(esExportNewRow, row);
            if (MatchFindCell(col, row, Wide))
                return TPoint{col, row};
        }
        inner = backward ? innerLast : innerFirst;
    }
    return NoCell;
}

TPoint TExStringGrid::SearchCells(TPoint StartCell, const std::string& s, TFindParams Params,
                                  bool Wide, const std::u16string& ws) {
    FFindParams = Params;
    FindBusy = true;
    const bool matchCase = Params.Contains(fnMatchCase);
    SearchCache = matchCase ? s : UpperText(s);
    FWideSearchText = Utf16ToUtf8(ws);
    if (!matchCase)
        FWideSearchText = UpperText(FWideSearchText);
    SearchCacheWide = Utf8ToUtf16(FWideSearchText);
    const TPoint found = FindInArea(StartCell, Params, Wide);
    if (found == NoCell) {
        FindBusy = false;
        return NoCell;
    }
    FSearchCell = found;
    if (Params.Contains(fnAutoGoto))
        GotoFoundCell(found);
    return found;
}

int TExStringGrid::NodeRowOfRow(int ARow) {
    int realRow = FixedRows();
    for (int row = FixedRows(); row < RowCount(); ++row) {
        const int span = IsNode(row) && GetNodeState(row) ? std::max(GetNodeSpan(row), 1) : 1;
        if (ARow < realRow + span)
            return row;
        realRow += span;
    }
    return -1;
}

void TExStringGrid::GotoFoundCell(TPoint Cell) {
    int row = Cell.Y;
    if (FFindParams.Contains(fnIncludeHiddenRows) && NumHiddenRows() > 0) {
        if (IsHiddenRow(row) && HasNodes()) {
            const int node = NodeRowOfRow(row);
            if (node >= 0)
                ExpandNode(node);
        }
        // A match that stays out of sight leaves the current cell where it is.
        if (IsHiddenRow(row))
            return;
        row = DisplRowIndex(row);
    }
    int col = Cell.X;
    if (FFindParams.Contains(fnIncludeHiddenColumns))
        col = IsHiddenColumn(col) ? Col() : RealToDisplCol(col);
    if (MouseActions()->DisjunctRowSelect()) {
        ClearRowSelect();
        SetRowSelect(row, true);
        SetRow(row);
        return;
    }
    SetCol(col);
    SetRow(row);
}

void TExStringGrid::KeepFoundRowAboveFloatingFooter() {
    const int footerRows = FloatingFooter()->Visible ? 2 : 0;
    if (Row() > TopRow() + VisibleRowCount() - footerRows - 2 &&
        RowCount() > VisibleRowCount() + FixedRows() + footerRows)
        SetTopRow(TopRow() + footerRows + 1);
}

TPoint TExStringGrid::Find(TPoint StartCell, const std::string& s, TFindParams FindParams) {
    if (FindParams.Contains(fnMatchRegular))
        RefuseInvalidFindExpression(s);
    ExportNotification(esExportStart, -1);
    const TPoint found = SearchCells(StartCell, s, FindParams, false, {});
    ExportNotification(found == NoCell ? esExportDone : esExportFail, -1);
    if (FindParams.Contains(fnAutoGoto) && !(found == NoCell))
        KeepFoundRowAboveFloatingFooter();
    return found;
}

TPoint TExStringGrid::FindWide(TPoint StartCell, const std::u16string& s, TFindParams FindParams) {
    if (FindParams.Contains(fnMatchRegular))
        RefuseInvalidFindExpression(Utf16ToUtf8(s));
    ExportNotification(esExportStart, -1);
    const TPoint found = SearchCells(StartCell, {}, FindParams, true, s);
    ExportNotification(found == NoCell ? esExportDone : esExportFail, -1);
    return found;
}

TPoint TExStringGrid::FindFirst(const std::string& s, TFindParams FindParams) {
    FSearchCell = Find(NoCell, s, FindParams);
    return FSearchCell;
}

TPoint TExStringGrid::FindNext() {
    FSearchCell = Find(FSearchCell, SearchCache, FFindParams);
    return FSearchCell;
}

int TExStringGrid::Replace(const std::string& OrigStr, const std::string& NewStr,
                           TFindParams FindParams) {
    int changed = 0;
    const bool realRows = FindParams.Contains(fnIncludeHiddenRows);
    // Every found cell is passed once: the walk goes on after it and never wraps.
    for (TPoint found = Find(NoCell, OrigStr, FindParams); !(found == NoCell);
         found = Find(found, OrigStr, FindParams)) {
        const int col =
            FindParams.Contains(fnIncludeHiddenColumns) ? found.X : RealColIndex(found.X);
        const int row = found.Y;
        const int displayRow = realRows ? DisplRowIndex(row) : row;
        if (!realRows || !IsHiddenRow(row)) {
            if (IsMergedNonBaseCell(col, displayRow))
                continue; // its text is the base cell's, which the walk visits itself
        }
        const std::string stored = realRows ? AllGridCells(col, row) : GetGridCell(col, row);
        const std::string replaced = ReplaceFound(stored, OrigStr, NewStr, FindParams);
        if (replaced == stored)
            continue;
        if (realRows)
            SetAllCells(col, row, replaced);
        else
            SetCells(col, row, replaced);
        if (ShowModified()->Enabled && (!realRows || !IsHiddenRow(row)))
            SetRowModified(displayRow, true);
        ++changed;
    }
    return changed;
}

int TExStringGrid::Search(const std::string& s) {
    if (RowCount() < 2)
        return -1;
    // Typing finds rows by the column the user sorted; without sorting on show, the first
    // normal column.
    int realCol = RealColIndex(FixedCols());
    if (FSortSettings->Show()) {
        if (FSortSettings->IndexShow())
            realCol = FSortIndexes->Count() > 0 ? FSortIndexes->SortColumns(0) : realCol;
        else
            realCol = FSortSettings->Column;
    }
    if (realCol < 0 || realCol >= TotalColCount())
        return -1;
    // The grid's one case rule: what the find and the filter match, typing finds.
    const std::string typed = UpperCaseFull(s);
    for (int row = FixedRows(); row < RowCount(); ++row) {
        std::string text = Cells(realCol, row);
        if (text.find('<') != std::string::npos)
            text = StripHTML(text);
        if (StartsWith(UpperText(text), typed))
            return row;
    }
    return -1;
}
