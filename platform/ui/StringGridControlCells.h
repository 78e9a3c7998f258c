#pragma once

#include "platform/ui/StringGridControlText.h"

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

// Cell texts and object slots of a grid, kept apart from its row and column counts: a cell
// never written reads as empty text and a null object, whatever its coordinates, and cells past
// the counts (hidden columns) keep their contents. Rows are allocated on first write, so a long
// grid costs one pointer per row until its cells are filled; access is O(1).
class TGridCellStore {
public:
    // Writes past these limits are refused; they guard against a runaway index eating memory.
    static constexpr int MaxCols = 1 << 16;
    static constexpr int MaxRows = 1 << 28;

    std::string_view Text(int col, int row) const;
    void SetText(int col, int row, std::string_view text);
    void* Object(int col, int row) const;
    void SetObject(int col, int row, void* object);

    // Rows and columns shift their contents with them; objects are moved, never freed.
    void InsertRows(int at, int count);
    void DeleteRows(int at, int count);
    void MoveRow(int from, int to);
    void InsertCols(int at, int count);
    void DeleteCols(int at, int count);
    void MoveCol(int from, int to);
    void Clear() {
        FRows.clear();
        FWidestRow = 0;
    }

    // Calls `visit` for every cell whose object slot is set, row by row.
    void ForEachObject(const std::function<void(int col, int row, void* object)>& visit) const;

    // One past the highest row that was ever written (an upper bound of the used rows).
    int RowExtent() const { return static_cast<int>(FRows.size()); }

private:
    struct TRow {
        std::vector<TGridCellText> Texts;
        std::vector<void*> Objects; // empty until the row gets its first object
    };

    static void CheckIndex(int col, int row);
    const TRow* FindRow(int row) const;
    TRow& NeedRow(int row);

    std::vector<std::unique_ptr<TRow>> FRows;
    int FWidestRow = 0; // widest row written so far, in cells
};
