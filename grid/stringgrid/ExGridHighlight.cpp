// Highlighting, error marks and cell checking.
#include "grid/foundation/ExStringGridCheck.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/MarkedText.h"

#include <algorithm>

std::string TExStringGrid::HilightText(bool DoCase, const std::string& S, const std::string& Text) {
    return AddTextMark(S, Text, DoCase, TMarkedText::mkHighlight);
}

std::string TExStringGrid::UnHilightText(const std::string& S) {
    return RemoveTextMark(S, TMarkedText::mkHighlight);
}

std::string TExStringGrid::MarkText(bool DoCase, const std::string& S, const std::string& Text) {
    return AddTextMark(S, Text, DoCase, TMarkedText::mkError);
}

std::string TExStringGrid::UnMarkText(const std::string& S) {
    return RemoveTextMark(S, TMarkedText::mkError);
}

// The stored text of every base cell of the range (clipped to the grid) goes through rewrite;
// only a cell whose text changes is written.
template <typename Rewrite>
void TExStringGrid::RewriteCells(int Col1, int Row1, int Col2, int Row2, Rewrite rewrite) {
    Col1 = std::max(Col1, 0);
    Row1 = std::max(Row1, 0);
    Col2 = std::min(Col2, TotalColCount() - 1);
    Row2 = std::min(Row2, RowCount() - 1);
    for (int row = Row1; row <= Row2; ++row)
        for (int col = Col1; col <= Col2; ++col) {
            if (IsMergedNonBaseCell(col, row))
                continue;
            const std::string stored = GetGridCell(col, row);
            std::string rewritten = rewrite(stored);
            if (rewritten != stored)
                SetCells(col, row, rewritten);
        }
}

void TExStringGrid::MarkRange(int Col1, int Row1, int Col2, int Row2, bool DoCase,
                              const std::string& Text, int Tag, bool On) {
    const auto mark = static_cast<TMarkedText::TMark>(Tag);
    if (On)
        RewriteCells(Col1, Row1, Col2, Row2, [&](const std::string& stored) {
            return AddTextMark(stored, Text, DoCase, mark);
        });
    else
        RewriteCells(Col1, Row1, Col2, Row2,
                     [&](const std::string& stored) { return RemoveTextMark(stored, mark); });
}

namespace {

// Rows and columns of the range operations: all of them with DoFixed, else the normal ones.
struct TSpan {
    int First;
    int Last;
};

TSpan RangeRows(const TExStringGrid& Grid, bool DoFixed) {
    if (DoFixed)
        return {0, Grid.RowCount() - 1};
    return {Grid.FixedRows(), Grid.RowCount() - 1 - Grid.FixedFooters()};
}

TSpan RangeCols(const TExStringGrid& Grid, bool DoFixed) {
    if (DoFixed)
        return {0, Grid.ColCount() - 1};
    return {Grid.FixedCols(), Grid.ColCount() - 1 - Grid.FixedRightCols()};
}

// The same columns with the hidden ones, which sit past the columns on show.
TSpan WithHiddenCols(const TExStringGrid& Grid, TSpan Cols) {
    return {Cols.First, Cols.Last + Grid.NumHiddenColumns()};
}

constexpr int Hi = TMarkedText::mkHighlight;
constexpr int Err = TMarkedText::mkError;

} // namespace

void TExStringGrid::HilightInCell(bool DoCase, int Col, int Row, const std::string& HiText) {
    MarkRange(Col, Row, Col, Row, DoCase, HiText, Hi, true);
}

void TExStringGrid::HilightInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText) {
    const TSpan rows = RangeRows(*this, DoFixed);
    MarkRange(Col, rows.First, Col, rows.Last, DoCase, HiText, Hi, true);
}

void TExStringGrid::HilightInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText) {
    const TSpan cols = RangeCols(*this, DoFixed);
    MarkRange(cols.First, Row, cols.Last, Row, DoCase, HiText, Hi, true);
}

void TExStringGrid::HilightInGrid(bool DoFixed, bool DoCase, const std::string& HiText) {
    const TSpan rows = RangeRows(*this, DoFixed);
    const TSpan cols =
        DoFixed ? RangeCols(*this, true) : WithHiddenCols(*this, RangeCols(*this, false));
    MarkRange(cols.First, rows.First, cols.Last, rows.Last, DoCase, HiText, Hi, true);
}

void TExStringGrid::UnHilightInCell(int Col, int Row) {
    MarkRange(Col, Row, Col, Row, false, {}, Hi, false);
}

void TExStringGrid::UnHilightInCol(bool DoFixed, int Col) {
    const TSpan rows = RangeRows(*this, DoFixed);
    MarkRange(Col, rows.First, Col, rows.Last, false, {}, Hi, false);
}

void TExStringGrid::UnHilightInRow(bool DoFixed, int Row) {
    const TSpan cols = WithHiddenCols(*this, RangeCols(*this, DoFixed));
    MarkRange(cols.First, Row, cols.Last, Row, false, {}, Hi, false);
}

void TExStringGrid::UnHilightInGrid(bool DoFixed) {
    const TSpan rows = RangeRows(*this, DoFixed);
    const TSpan cols = WithHiddenCols(*this, RangeCols(*this, DoFixed));
    MarkRange(cols.First, rows.First, cols.Last, rows.Last, false, {}, Hi, false);
}

void TExStringGrid::MarkInCell(bool DoCase, int Col, int Row, const std::string& HiText) {
    MarkRange(Col, Row, Col, Row, DoCase, HiText, Err, true);
}

void TExStringGrid::MarkInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText) {
    const TSpan rows = RangeRows(*this, DoFixed);
    MarkRange(Col, rows.First, Col, rows.Last, DoCase, HiText, Err, true);
}

void TExStringGrid::MarkInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText) {
    const TSpan cols = RangeCols(*this, DoFixed);
    MarkRange(cols.First, Row, cols.Last, Row, DoCase, HiText, Err, true);
}

void TExStringGrid::MarkInGrid(bool DoFixed, bool DoCase, const std::string& HiText) {
    const TSpan rows = RangeRows(*this, DoFixed);
    const TSpan cols = RangeCols(*this, DoFixed);
    MarkRange(cols.First, rows.First, cols.Last, rows.Last, DoCase, HiText, Err, true);
}

void TExStringGrid::UnMarkInCell(int Col, int Row) {
    MarkRange(Col, Row, Col, Row, false, {}, Err, false);
}

void TExStringGrid::UnMarkInCol(bool DoFixed, int Col) {
    const TSpan rows = RangeRows(*this, DoFixed);
    MarkRange(Col, rows.First, Col, rows.Last, false, {}, Err, false);
}

void TExStringGrid::UnMarkInRow(bool DoFixed, int Row) {
    const TSpan cols = WithHiddenCols(*this, RangeCols(*this, DoFixed));
    MarkRange(cols.First, Row, cols.Last, Row, false, {}, Err, false);
}

void TExStringGrid::UnMarkInGrid(bool DoFixed) {
    const TSpan rows = RangeRows(*this, DoFixed);
    const TSpan cols = WithHiddenCols(*this, RangeCols(*this, DoFixed));
    MarkRange(cols.First, rows.First, cols.Last, rows.Last, false, {}, Err, false);
}

// --- cell checking -------------------------------------------------------------------------------

bool TExStringGrid::CheckCell(int Col, int Row) {
    if (!CellChecker)
        return true;
    if (Col < 0 || Row < 0 || Col >= TotalColCount() || Row >= RowCount())
        return true;
    // The checker sees the stored text without its old error marks.
    const std::string stored = GetGridCell(Col, Row);
    const std::string text = UnMarkText(stored);
    if (CellChecker->GotoCell && !IsHiddenColumn(Col))
        FocusCell(RealToDisplCol(Col), Row, true);
    std::string checked = text;
    if (CellChecker->UseCorrect)
        checked = CellChecker->Correct(Col, Row, checked);
    if (CellChecker->UseMarkError)
        checked = CellChecker->MarkError(Col, Row, checked);
    if (checked != stored)
        SetCells(Col, Row, checked);
    return checked == text;
}

bool TExStringGrid::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow) {
    if (!CellChecker)
        return true;
    TExStringGridCheck* checker = CellChecker;
    checker->StartCheck();
    const int oldCol = Col();
    const int oldRow = Row();
    bool unchanged = true;
    try {
        for (int row = std::max(FromRow, 0); row <= std::min(ToRow, RowCount() - 1); ++row)
            for (int col = std::max(FromCol, 0); col <= std::min(ToCol, TotalColCount() - 1); ++col)
                unchanged = CheckCell(col, row) && unchanged;
    } catch (...) {
        checker->StopCheck();
        throw;
    }
    checker->StopCheck();
    if (checker->GotoCell)
        FocusCell(oldCol, oldRow, true);
    return unchanged;
}

bool TExStringGrid::CheckCol(bool DoFixed, int Col) {
    const TSpan rows = RangeRows(*this, DoFixed);
    return CheckCells(Col, rows.First, Col, rows.Last);
}

bool TExStringGrid::CheckRow(bool DoFixed, int Row) {
    const TSpan cols = RangeCols(*this, DoFixed);
    return CheckCells(cols.First, Row, cols.Last, Row);
}

bool TExStringGrid::CheckGrid(bool DoFixed) {
    const TSpan rows = RangeRows(*this, DoFixed);
    const TSpan cols = RangeCols(*this, DoFixed);
    return CheckCells(cols.First, rows.First, cols.Last, rows.Last);
}
