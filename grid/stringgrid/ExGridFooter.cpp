// Column statistics and the floating footer. The change hooks are where every change of cell
// values ends; registered change notifiers hear of it here, and the footer is recalculated.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/ExUtil.h"
#include "grid/stringgrid/FloatingFooter.h"
#include "grid/stringgrid/FooterPanel.h"
#include "grid/stringgrid/GridChangeNotifier.h"
#include "platform/core/FloatConversion.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"

#include <charconv>
#include <cmath>
#include <numeric>
#include <set>

namespace {

// The number a cell text holds after it was made plain; false for text that holds none (an
// empty cell included, so that it does not count as a zero in a minimum or an average).
bool CellNumber(std::string_view Text, double& Value) {
    const std::string normal = NormalizeNumber(Text);
    if (normal.empty() || normal == "-")
        return false;
    return TryStrToFloat(normal, Value, ".");
}

double Mean(const std::vector<double>& Numbers) {
    if (Numbers.empty())
        return 0;
    return std::accumulate(Numbers.begin(), Numbers.end(), 0.0) /
           static_cast<double>(Numbers.size());
}

} // namespace

// --- statistics ----------------------------------------------------------------------------------

bool TExStringGrid::UsesRealRows(int& FromRow, int& ToRow) const {
    if (FromRow == -1 || ToRow == -1) {
        FromRow = FixedRows();
        ToRow = RowCount() - FixedFooters() - 1;
    }
    // A range beyond the rows on show can only mean real rows; either way it is cut to the
    // rows there are, so no statistic reads outside the grid.
    const bool real = ToRow > RowCount() - 1;
    FromRow = std::max(FromRow, 0);
    ToRow = std::min(ToRow, (real ? TotalRowCount() : RowCount()) - 1);
    return real;
}

std::vector<double> TExStringGrid::CountedNumbers(int ACol, int FromRow, int ToRow, bool RealRows) {
    std::vector<double> numbers;
    ExportNotification(esExportStart, FromRow);
    for (int r = FromRow; r <= ToRow; ++r) {
        const int real = RealRows ? r : RealRowIndex(r);
        const bool hidden = RealRows && IsHiddenRow(real);
        const int display = RealRows ? DisplRowIndex(r) : r;
        if (!hidden) {
            if (FGroupColumn != -1 && (IsNode(display) || IsSummary(display)))
                continue;
            if (!IsBaseCell(ACol, display))
                continue;
        }
        ExportNotification(esExportNextRow, r);
        double value = 0;
        if (CellNumber(RealRows ? AllCells(ACol, r) : StrippedCells(ACol, r), value))
            numbers.push_back(value);
    }
    ExportNotification(esExportDone, -1);
    return numbers;
}

double TExStringGrid::ColumnStatistic(TColumnCalcType Kind, int ACol, int FromRow, int ToRow,
                                      bool RealRows) {
    if (Kind == acDISTINCT) {
        std::set<std::string> texts;
        ExportNotification(esExportStart, FromRow);
        for (int r = FromRow; r <= ToRow; ++r) {
            ExportNotification(esExportNextRow, r);
            texts.insert(UpperCaseFull(RealRows ? AllCells(ACol, r) : Cells(ACol, r)));
        }
        ExportNotification(esExportDone, -1);
        return static_cast<double>(texts.size());
    }
    const std::vector<double> numbers = CountedNumbers(ACol, FromRow, ToRow, RealRows);
    switch (Kind) {
    case acSUM:
        return std::accumulate(numbers.begin(), numbers.end(), 0.0);
    case acAVG:
        return Mean(numbers);
    case acMIN:
        return numbers.empty() ? 0 : *std::min_element(numbers.begin(), numbers.end());
    case acMAX:
        return numbers.empty() ? 0 : *std::max_element(numbers.begin(), numbers.end());
    case acSTDDEV: {
        const double mean = Mean(numbers);
        double squares = 0;
        for (double value : numbers)
            squares += (value - mean) * (value - mean);
        return numbers.empty() ? 0 : std::sqrt(squares / static_cast<double>(numbers.size()));
    }
    default:
        return 0;
    }
}

double TExStringGrid::ColumnSum(int ACol, int FromRow, int ToRow) {
    const bool real = UsesRealRows(FromRow, ToRow);
    return ColumnStatistic(acSUM, ACol, FromRow, ToRow, real);
}

double TExStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow) {
    const bool real = UsesRealRows(FromRow, ToRow);
    return ColumnStatistic(acAVG, ACol, FromRow, ToRow, real);
}

double TExStringGrid::ColumnMin(int ACol, int FromRow, int ToRow) {
    const bool real = UsesRealRows(FromRow, ToRow);
    return ColumnStatistic(acMIN, ACol, FromRow, ToRow, real);
}

double TExStringGrid::ColumnMax(int ACol, int FromRow, int ToRow) {
    const bool real = UsesRealRows(FromRow, ToRow);
    return ColumnStatistic(acMAX, ACol, FromRow, ToRow, real);
}

double TExStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow) {
    const bool real = UsesRealRows(FromRow, ToRow);
    return ColumnStatistic(acSTDDEV, ACol, FromRow, ToRow, real);
}

double TExStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow) {
    const bool real = UsesRealRows(FromRow, ToRow);
    return ColumnStatistic(acDISTINCT, ACol, FromRow, ToRow, real);
}

double TExStringGrid::ColumnCustomCalc(int ACol, int FromRow, int ToRow) {
    double result = 0;
    FireEvent(OnColumnCalc, this, ACol, FromRow, ToRow, result);
    return result;
}

double TExStringGrid::GroupCustomColumnCalc(int ACol, int FromRow, int ToRow) {
    double result = 0;
    FireEvent(OnGroupCalc, this, ACol, FromRow, ToRow, result);
    return result;
}

namespace {

template <typename Grid> std::vector<double> RowNumbers(Grid& G, int ARow, int FromCol, int ToCol) {
    std::vector<double> numbers;
    for (int c = std::max(FromCol, 0); c <= ToCol && c < G.TotalColCount(); ++c) {
        double value = 0;
        if (G.IsBaseCell(c, ARow) && CellNumber(G.StrippedCells(c, ARow), value))
            numbers.push_back(value);
    }
    return numbers;
}

} // namespace

double TExStringGrid::RowSum(int ARow, int FromCol, int ToCol) {
    const std::vector<double> numbers = RowNumbers(*this, ARow, FromCol, ToCol);
    return std::accumulate(numbers.begin(), numbers.end(), 0.0);
}

double TExStringGrid::RowAvg(int ARow, int FromCol, int ToCol) {
    return Mean(RowNumbers(*this, ARow, FromCol, ToCol));
}

double TExStringGrid::RowMin(int ARow, int FromCol, int ToCol) {
    const std::vector<double> numbers = RowNumbers(*this, ARow, FromCol, ToCol);
    return numbers.empty() ? 0 : *std::min_element(numbers.begin(), numbers.end());
}

double TExStringGrid::RowMax(int ARow, int FromCol, int ToCol) {
    const std::vector<double> numbers = RowNumbers(*this, ARow, FromCol, ToCol);
    return numbers.empty() ? 0 : *std::max_element(numbers.begin(), numbers.end());
}

double TExStringGrid::CellToReal(int ACol, int ARow) {
    const std::string text = Cells(ACol, ARow);
    if (text.empty())
        return 0;
    const std::string normal = NormalizeNumber(text);
    double value = 0;
    const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    const size_t stop = error == std::errc() ? static_cast<size_t>(end - normal.data()) : 0;
    if (error != std::errc() || stop != normal.size())
        throw ROvoVariRodev("Error at position: " + IntToStr(static_cast<int64_t>(stop) + 1) +
                            " in Cell [" + IntToStr(ACol) + ", " + IntToStr(ARow) + "].");
    return value;
}

// --- footer calculation ----------------------------------------------------------------------

void TExStringGrid::CalculateFooter(int ACol) {
    const TFloatingFooter& footer = *FFloatingFooter;
    if (!footer.Visible || footer.FooterStyle() != fsFixedLastRow || !footer.EnableCalculation)
        return;
    const int last = RowCount() - 1;
    const int hidden = footer.CalculateHiddenRows ? NumHiddenRows() : 0;
    // With hidden rows taken in, the data rows are the real rows above the footer row.
    const bool real = hidden > 0;
    const int from = FixedRows();
    const int to = RowCount() - 2 + hidden;
    const int firstCol = ACol == -1 ? 0 : ACol;
    const int lastCol = ACol == -1 ? AllColCount() - 1 : ACol;
    for (int c = std::max(firstCol, 0); c <= lastCol && c < AllColCount(); ++c) {
        if (!HasCellProperties(c, last))
            continue;
        const TColumnCalcType kind = GetCellProperties(c, last)->CalcType();
        switch (kind) {
        case acNONE:
        case acSPREAD:
            break;
        case acCOUNT:
            SetInts(c, last, RowCount() - FixedRows() - 1 + hidden);
            break;
        case acCUSTOM: {
            std::string value;
            if (OnFooterCalc)
                FireEvent(OnFooterCalc, this, c, RowCount() - 1 + hidden, value);
            else if (footer.OnCalcFooter)
                FireEvent(footer.OnCalcFooter, this, c, RowCount() - 1 + hidden, value);
            SetCells(c, last, value);
            break;
        }
        default:
            SetFloats(c, last, ColumnStatistic(kind, c, from, to, real));
            break;
        }
    }
}

void TExStringGrid::CalcFooter(int ACol) {
    CalculateFooter(ACol);
}

// --- change hooks --------------------------------------------------------------------------------

void TExStringGrid::ColumnValueChanged(int ACol, int ARow) {
    CalcFooter(ACol);
}

void TExStringGrid::NotifyCellsChanged(const TRect& R) {
    FireEvent(OnCellsChanged, this, R);
    // A notifier may unregister itself while it is told.
    const std::vector<TGridChangeNotifier*> notifiers = FNotifierList;
    for (TGridChangeNotifier* notifier : notifiers)
        notifier->CellsChanged(R);
    CalcFooter(-1);
}

void TExStringGrid::BulkCellsChanged() {
    CalcFooter(-1);
}

void TExStringGrid::LastRowChanged() {
    TBaseGrid::LastRowChanged();
    UpdateFooter();
}

void TExStringGrid::UpdateFooter() {
    if (FFooterPanel)
        FFooterPanel->Invalidate();
}
