#include "platform/office/Worksheet.h"

#include "platform/core/FloatConversion.h"
#include "platform/office/OfficeError.h"

#include <algorithm>

namespace {

// Worksheets of the file formats end here; a range beyond is a damaged address, not a request
// for billions of cells.

TCellRange CheckedRange(const std::string& address) {
    const TCellRange range = ParseRangeAddress(address);
    if (!range.IsValid() || range.LastRow > MaxSheetRows || range.LastCol > MaxSheetColumns)
        throw EOfficeError("Invalid range address " + address);
    return range;
}

} // namespace

TSheetValue TSheetValue::FromString(std::string text) {
    TSheetValue value;
    value.Kind = skString;
    value.Text = std::move(text);
    return value;
}

TSheetValue TSheetValue::FromNumber(double number) {
    TSheetValue value;
    value.Kind = skNumber;
    value.Number = number;
    value.Text = FloatToStr(number);
    return value;
}

TSheetValue TSheetValue::FromDate(double days) {
    TSheetValue value = FromNumber(days);
    value.Kind = skDate;
    return value;
}

TSheetValue TSheetValue::FromBoolean(bool flag) {
    TSheetValue value;
    value.Kind = skBoolean;
    value.Number = flag ? 1 : 0;
    value.Text = flag ? "True" : "False";
    return value;
}

TSheetValue TSheetValue::FromError(std::string name) {
    TSheetValue value;
    value.Kind = skError;
    value.Text = std::move(name);
    return value;
}

TSheetValue TWorksheet::Cell(int row, int column) const {
    const auto found = FCells.find({row, column});
    return found == FCells.end() ? TSheetValue() : found->second;
}

void TWorksheet::SetCell(int row, int column, TSheetValue value) {
    if (row < 1 || column < 1)
        return;
    if (value.Kind == TSheetValue::skEmpty)
        FCells.erase({row, column});
    else
        FCells[{row, column}] = std::move(value);
}

TCellRange TWorksheet::UsedRange() const {
    TCellRange range{1, 1, 1, 1};
    if (FCells.empty())
        return range;
    range.FirstRow = FCells.begin()->first.first;
    range.LastRow = FCells.rbegin()->first.first;
    range.FirstCol = range.LastCol = FCells.begin()->first.second;
    for (const auto& [position, value] : FCells) {
        range.FirstCol = std::min(range.FirstCol, position.second);
        range.LastCol = std::max(range.LastCol, position.second);
    }
    return range;
}

std::string TWorksheet::UsedRangeAddress() const {
    return RangeAddress(UsedRange(), true);
}

TSheetValues TWorksheet::RangeValue(const std::string& address) const {
    const TCellRange range = CheckedRange(address);
    const int rows = range.LastRow - range.FirstRow + 1;
    const int columns = range.LastCol - range.FirstCol + 1;
    if (rows < 1 || columns < 1)
        throw EOfficeError("Invalid range address " + address);
    TSheetValues values(rows, std::vector<TSheetValue>(columns));
    // Only the stored cells are visited: a large range over a sparse sheet stays cheap.
    for (auto it = FCells.lower_bound({range.FirstRow, 0});
         it != FCells.end() && it->first.first <= range.LastRow; ++it) {
        const auto [row, column] = it->first;
        if (column >= range.FirstCol && column <= range.LastCol)
            values[row - range.FirstRow][column - range.FirstCol] = it->second;
    }
    return values;
}

void TWorksheet::SetRangeValue(const std::string& address,
                               const std::vector<std::vector<std::string>>& texts) {
    const TCellRange range = CheckedRange(address);
    for (int r = 0; r < static_cast<int>(texts.size()) && range.FirstRow + r <= range.LastRow; ++r)
        for (int c = 0;
             c < static_cast<int>(texts[r].size()) && range.FirstCol + c <= range.LastCol; ++c) {
            const std::string& text = texts[r][c];
            SetCell(range.FirstRow + r, range.FirstCol + c,
                    text.empty() ? TSheetValue() : TSheetValue::FromString(text));
        }
}
