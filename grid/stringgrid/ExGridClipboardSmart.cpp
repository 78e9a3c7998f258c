// The smart paste: a single value repeated over the selection, a date, number or integer
// series continued, or the pasted block repeated.
#include "grid/foundation/ExUtil.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/CellDateTimeText.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridDateText.h"
#include "grid/stringgrid/GridFormat.h"
#include "platform/core/Exception.h"
#include "platform/core/FloatConversion.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/IntegerConversion.h"

#include <cstdint>
#include <functional>

namespace {

size_t Occurrences(const std::string& text, const std::string& part) {
    if (part.empty())
        return 0;
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// A series: the value at the first cell and how each next value is made from the previous.
struct TSeries {
    std::function<std::string(double)> Text;
    std::function<double(double)> Next;
    double Start = 0;
};

bool ReadDateOrTime(const std::string& text, bool hasDate, const TFormatSettings& settings,
                    double& value) {
    try {
        if (hasDate)
            return CellDateTimeText::TryRead(text, settings, value);
        value = StrToTimeText(text, settings);
        return true;
    } catch (const Exception&) {
        return false;
    }
}

bool DateSeries(const std::string& A, const std::string& B, TSeries& series) {
    const TFormatSettings settings = CurrentFormatSettings();
    auto isDateOrTime = [&](const std::string& t) {
        return Occurrences(t, settings.DateSeparator) >= 2 ||
               Occurrences(t, settings.TimeSeparator) >= 1;
    };
    if (!isDateOrTime(A) || !isDateOrTime(B))
        return false;
    const bool hasDate = Occurrences(A, settings.DateSeparator) > 0;
    double a = 0;
    double b = 0;
    if (!ReadDateOrTime(A, hasDate, settings, a) || !ReadDateOrTime(B, hasDate, settings, b))
        return false;
    int ya = 0, ma = 0, da = 0, yb = 0, mb = 0, db = 0;
    TGridDate::DecodeDate(a, ya, ma, da);
    TGridDate::DecodeDate(b, yb, mb, db);
    // Negative steps travel as 16-bit two's complement, as IncDateParts reads them.
    const auto years = static_cast<uint16_t>(yb - ya);
    const auto months = static_cast<uint16_t>(mb - ma);
    const auto days = static_cast<uint16_t>(db - da);
    const double step = b - a;
    series.Start = a;
    series.Next = [=](double value) { return IncDateParts(years, months, days, step, value); };
    series.Text = [=](double value) {
        return hasDate ? DateToText(value, settings) : TimeToText(value, settings);
    };
    return true;
}

} // namespace

void TExStringGrid::SmartPaste(int Pasted, int RowsOut, int ColsOut) {
    const TGridRect sel = Selection();
    const int selected = (sel.Right - sel.Left + 1) * (sel.Bottom - sel.Top + 1);
    if (Pasted == 1 && selected > 1) {
        BeginPasteCells();
        const int topLeftReal = RealColIndex(sel.Left);
        std::string value = Cells(topLeftReal, sel.Top);
        if (HasCheckBox(topLeftReal, sel.Top)) {
            bool state = false;
            GetCheckBoxState(topLeftReal, RealRowIndex(sel.Top), state);
            value = state ? CheckTrue : CheckFalse;
        }
        for (int c = sel.Left; c <= sel.Right; ++c) {
            for (int r = sel.Top; r <= sel.Bottom; ++r) {
                if (!PasteTargetEditable(c, r))
                    continue;
                const bool topLeft = c == sel.Left && r == sel.Top;
                std::string cellValue = value;
                bool allow = true;
                if (!topLeft)
                    FireEvent(OnClipboardBeforePasteCell, this, c, r, cellValue, allow);
                if (!allow)
                    continue;
                SetPastedCell(c, r, cellValue);
                if (!topLeft)
                    FireEvent(OnClipboardAfterPasteCell, this, c, r, cellValue);
                RowsPasted({sel.Left, sel.Top}, {c, r, c, r}, FClipLastOp);
            }
        }
        EndPasteCells();
    } else if (Pasted > 1 && (sel.Left == sel.Right || sel.Top == sel.Bottom)) {
        if (SeriesFill(sel, Pasted))
            return;
    }
    if (Pasted > 1)
        RepeatBlock(sel, RowsOut, ColsOut);
    ImportNotification(isImportDone, -1);
    NotifyCellsChanged(TRect{RealColIndex(sel.Left), sel.Top, RealColIndex(sel.Right), sel.Bottom});
    BulkCellsChanged();
}

bool TExStringGrid::SeriesFill(const TGridRect& Sel, int Pasted) {
    const bool column = Sel.Left == Sel.Right;
    const std::string A = Cells(RealColIndex(Sel.Left), Sel.Top);
    const std::string B = column ? Cells(RealColIndex(Sel.Left), Sel.Top + 1)
                                 : Cells(RealColIndex(Sel.Left + 1), Sel.Top);
    const std::string decimal = CurrentFormatSettings().DecimalSeparator;
    TSeries series;
    int64_t wholeA = 0;
    int64_t wholeB = 0;
    double a = 0;
    double b = 0;
    if (DateSeries(A, B, series)) {
    } else if (A.find(decimal) != std::string::npos || B.find(decimal) != std::string::npos) {
        if (!TryStrToFloat(A, a, decimal) || !TryStrToFloat(B, b, decimal))
            return true;
        const std::string format = FloatFormat;
        series.Start = a;
        series.Next = [step = b - a](double value) { return value + step; };
        series.Text = [format, decimal](double value) {
            return FormatValues(format, {value}, decimal,
                                CurrentFormatSettings().ThousandSeparator);
        };
    } else if (TryStrToInt64(A, wholeA) && TryStrToInt64(B, wholeB)) {
        series.Start = static_cast<double>(wholeA);
        series.Next = [step = static_cast<double>(wholeB - wholeA)](double value) {
            return value + step;
        };
        series.Text = [](double value) { return IntToStr(static_cast<int64_t>(value)); };
    } else {
        return false;
    }

    double value = series.Start;
    try {
        for (int c = Sel.Left; c <= Sel.Right; ++c) {
            for (int r = Sel.Top; r <= Sel.Bottom; ++r) {
                if (IsEditable(c, r)) {
                    const bool topLeft = c == Sel.Left && r == Sel.Top;
                    std::string text = series.Text(value);
                    bool allow = true;
                    if (!topLeft)
                        FireEvent(OnClipboardBeforePasteCell, this, c, r, text, allow);
                    if (allow) {
                        SetPastedCell(c, r, text);
                        if (!topLeft)
                            FireEvent(OnClipboardAfterPasteCell, this, c, r, text);
                        RowsPasted({Sel.Left, Sel.Top}, {c, r, c, r}, FClipLastOp);
                    }
                }
                value = series.Next(value);
            }
        }
    } catch (const Exception&) {
        // A step that leaves the dates ends the series; the cells filled stay.
    }
    NotifyCellsChanged(TRect{RealColIndex(Sel.Left), Sel.Top, RealColIndex(Sel.Right), Sel.Bottom});
    return true;
}

void TExStringGrid::RepeatBlock(const TGridRect& Sel, int RowsOut, int ColsOut) {
    const bool column = Sel.Left == Sel.Right;
    const bool row = Sel.Top == Sel.Bottom;
    if (column && RowsOut > 0) {
        const int real = RealColIndex(Sel.Left);
        for (int r = Sel.Top + RowsOut; r <= Sel.Bottom; ++r)
            if (PasteTargetEditable(Sel.Left, r))
                SetPastedCell(Sel.Left, r, Cells(real, r - RowsOut));
        RowsPasted({Sel.Left, Sel.Top}, Sel, FClipLastOp);
        return;
    }
    if (row && ColsOut > 0) {
        for (int c = Sel.Left + ColsOut; c <= Sel.Right; ++c)
            if (PasteTargetEditable(c, Sel.Top))
                SetPastedCell(c, Sel.Top, Cells(RealColIndex(c - ColsOut), Sel.Top));
        RowsPasted({Sel.Left, Sel.Top}, Sel, FClipLastOp);
        return;
    }
    // A one-line block goes down every row of the selection, a one-column block across every
    // column.
    int rows = 0;
    int cols = 0;
    if (RowsOut == 1)
        for (int r = Sel.Top + 1; r <= Sel.Bottom; ++r)
            PasteRange(Sel.Left, r, rows, cols);
    else if (ColsOut == 1)
        for (int c = Sel.Left + 1; c <= Sel.Right; ++c)
            PasteRange(c, Sel.Top, rows, cols);
    SetSelection(Sel);
}
