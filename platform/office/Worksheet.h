#pragma once

#include "platform/office/CellAddress.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

// One cell's value as a spreadsheet holds it. Text is the value as text: the string, the number
// in the shortest form that reads back the same (a date's too), "True"/"False", or the error's
// name ("#DIV/0!"). A date is a number shown as a date: days since 30 December 1899, the time
// of day as the fraction.
struct TSheetValue {
    enum TKind { skEmpty, skString, skNumber, skBoolean, skError, skDate };
    TKind Kind = skEmpty;
    std::string Text;
    double Number = 0;

    static TSheetValue FromString(std::string text);
    static TSheetValue FromNumber(double number);
    static TSheetValue FromBoolean(bool value);
    static TSheetValue FromDate(double days);
    static TSheetValue FromError(std::string name);
    bool operator==(const TSheetValue&) const = default;
};

using TSheetValues = std::vector<std::vector<TSheetValue>>; // [row][column] of a range

// A worksheet: a name and its cells, addressed from row 1 and column 1.
class TWorksheet {
public:
    explicit TWorksheet(std::string name) : Name(std::move(name)) {}

    std::string Name;
    // The row of the active cell, where a running application's user left it.
    int ActiveCellRow = 1;

    TSheetValue Cell(int row, int column) const;
    // An empty value removes the cell.
    void SetCell(int row, int column, TSheetValue value);
    // The smallest range holding every cell with a value, absolute ("$B$3:$D$7", or "$A$1"
    // for an empty sheet, as a spreadsheet answers).
    std::string UsedRangeAddress() const;
    TCellRange UsedRange() const;
    // The range's values, row by row; an invalid address throws EOfficeError.
    TSheetValues RangeValue(const std::string& address) const;
    // Texts put as strings from the range's top left corner, as far as the range reaches; an
    // invalid address throws EOfficeError.
    void SetRangeValue(const std::string& address,
                       const std::vector<std::vector<std::string>>& texts);
    // Cells in row, then column order.
    const std::map<std::pair<int, int>, TSheetValue>& Cells() const { return FCells; }

private:
    std::map<std::pair<int, int>, TSheetValue> FCells;
};
