#include "platform/ui/StringGridControlCells.h"

#include "platform/core/Exception.h"

#include <algorithm>
#include <iterator>

namespace {

template <typename T> void InsertAt(std::vector<T>& items, int at, int count) {
    if (at < static_cast<int>(items.size())) {
        // Default-constructed entries, so move-only values (row pointers) work too.
        std::vector<T> blanks(count);
        items.insert(items.begin() + at, std::make_move_iterator(blanks.begin()),
                     std::make_move_iterator(blanks.end()));
    }
}

template <typename T> void EraseAt(std::vector<T>& items, int at, int count) {
    const int size = static_cast<int>(items.size());
    if (at >= size)
        return;
    items.erase(items.begin() + at, items.begin() + std::min(size, at + count));
}

// Moves one entry from `from` to `to`, shifting the ones between; missing entries count as
// default values, so the vector grows only when a non-default entry lands past its end.
template <typename T> void MoveEntry(std::vector<T>& items, int from, int to) {
    const int needed = std::max(from, to) + 1;
    if (static_cast<int>(items.size()) < needed) {
        if (from >= static_cast<int>(items.size()) && to >= static_cast<int>(items.size()))
            return;
        items.resize(needed);
    }
    if (from < to)
        std::rotate(items.begin() + from, items.begin() + from + 1, items.begin() + to + 1);
    else if (to < from)
        std::rotate(items.begin() + to, items.begin() + from, items.begin() + from + 1);
}

} // namespace

void TGridCellStore::CheckIndex(int col, int row) {
    if (col < 0 || row < 0 || col >= MaxCols || row >= MaxRows)
        throw Exception("Grid index out of range");
}

const TGridCellStore::TRow* TGridCellStore::FindRow(int row) const {
    if (row < 0 || row >= static_cast<int>(FRows.size()))
        return nullptr;
    return FRows[row].get();
}

TGridCellStore::TRow& TGridCellStore::NeedRow(int row) {
    if (row >= static_cast<int>(FRows.size()))
        FRows.resize(row + 1);
    if (!FRows[row])
        FRows[row] = std::make_unique<TRow>();
    return *FRows[row];
}

std::string_view TGridCellStore::Text(int col, int row) const {
    const TRow* cells = FindRow(row);
    if (!cells || col < 0 || col >= static_cast<int>(cells->Texts.size()))
        return {};
    return cells->Texts[col].View();
}

void TGridCellStore::SetText(int col, int row, std::string_view text) {
    CheckIndex(col, row);
    if (text.empty() && Text(col, row).empty())
        return; // clearing an empty cell must not allocate its row
    TRow& cells = NeedRow(row);
    if (col >= static_cast<int>(cells.Texts.size())) {
        // Rows tend to be filled to the same width: size a new row for it at once instead of
        // growing it step by step (which would leave up to half of it unused).
        FWidestRow = std::max(FWidestRow, col + 1);
        if (static_cast<int>(cells.Texts.capacity()) <= col)
            cells.Texts.reserve(static_cast<std::size_t>(FWidestRow));
        cells.Texts.resize(col + 1);
    }
    cells.Texts[col].Assign(text);
}

void* TGridCellStore::Object(int col, int row) const {
    const TRow* cells = FindRow(row);
    if (!cells || col < 0 || col >= static_cast<int>(cells->Objects.size()))
        return nullptr;
    return cells->Objects[col];
}

void TGridCellStore::SetObject(int col, int row, void* object) {
    CheckIndex(col, row);
    if (!object && !Object(col, row))
        return;
    TRow& cells = NeedRow(row);
    if (col >= static_cast<int>(cells.Objects.size()))
        cells.Objects.resize(col + 1, nullptr);
    cells.Objects[col] = object;
}

void TGridCellStore::InsertRows(int at, int count) {
    if (at < 0 || count <= 0)
        return;
    InsertAt(FRows, at, count);
}

void TGridCellStore::DeleteRows(int at, int count) {
    if (at < 0 || count <= 0)
        return;
    EraseAt(FRows, at, count);
}

void TGridCellStore::MoveRow(int from, int to) {
    if (from < 0 || to < 0 || from >= MaxRows || to >= MaxRows)
        return;
    MoveEntry(FRows, from, to);
}

void TGridCellStore::InsertCols(int at, int count) {
    if (at < 0 || count <= 0)
        return;
    for (auto& cells : FRows)
        if (cells) {
            InsertAt(cells->Texts, at, count);
            InsertAt(cells->Objects, at, count);
        }
}

void TGridCellStore::DeleteCols(int at, int count) {
    if (at < 0 || count <= 0)
        return;
    for (auto& cells : FRows)
        if (cells) {
            EraseAt(cells->Texts, at, count);
            EraseAt(cells->Objects, at, count);
        }
}

void TGridCellStore::MoveCol(int from, int to) {
    if (from < 0 || to < 0 || from >= MaxCols || to >= MaxCols)
        return;
    for (auto& cells : FRows)
        if (cells) {
            MoveEntry(cells->Texts, from, to);
            MoveEntry(cells->Objects, from, to);
        }
}

void TGridCellStore::ForEachObject(
    const std::function<void(int col, int row, void* object)>& visit) const {
    for (int row = 0; row < static_cast<int>(FRows.size()); ++row) {
        if (!FRows[row])
            continue;
        const std::vector<void*>& objects = FRows[row]->Objects;
        for (int col = 0; col < static_cast<int>(objects.size()); ++col)
            if (objects[col])
                visit(col, row, objects[col]);
    }
}
