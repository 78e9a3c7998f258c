#include "platform/ui/StringGridControlCells.h"

#include "platform/ui/StringGridControl.h"

#include "platform/core/BackgroundPopulate.h"
#include "platform/core/Exception.h"
#include "platform/core/LargeMemory.h"

#include <unistd.h>

#include <algorithm>
#include <iterator>
#include <new>

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

// Moves one entry from `from` to `to` within [first, first + size), shifting the ones between.
template <typename T> void RotateEntry(T* first, int from, int to) {
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else if (to < from)
        std::rotate(first + to, first + from, first + from + 1);
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
    RotateEntry(items.data(), from, to);
}

// Fewer new rows than this gain nothing from a block of their own.
constexpr int SmallestReservation = 1024;
// A block this large is faulted in on a thread of its own.
constexpr std::size_t BackgroundFaulting = std::size_t(32) << 20;
// A load larger than this takes the rest of its rows one by one.
constexpr std::size_t LargestReservation = std::size_t(1) << 30;

std::size_t RoundUp(std::size_t bytes, std::size_t unit) {
    return (bytes + unit - 1) / unit * unit;
}

} // namespace

struct TGridCellStore::TRowBlock {
    std::size_t Bytes = 0;   // mapped, from the block's first byte
    std::size_t Holders = 1; // the store that reserved it, then each row carved from it
    char* Next = nullptr;    // where the next row goes
    char* End = nullptr;

    // Maps the block; nullptr when the memory is not there, and the rows are then allocated
    // one by one.
    static TRowBlock* Map(std::size_t rowBytes) {
        static_assert(sizeof(TRowBlock) % alignof(TRow) == 0);
        std::size_t bytes = sizeof(TRowBlock) + rowBytes;
        void* memory = LargeMemory::Map(bytes);
        if (!memory)
            return nullptr;
        auto* block = new (memory) TRowBlock;
        block->Bytes = bytes;
        block->Next = static_cast<char*>(memory) + sizeof(TRowBlock);
        block->End = static_cast<char*>(memory) + bytes;
        return block;
    }
};

void TGridCellStore::TRowBlockRelease::operator()(TRowBlock* block) const {
    if (--block->Holders == 0)
        LargeMemory::Unmap(block, block->Bytes);
}

// --- rows --------------------------------------------------------------------------------------

std::size_t TGridCellStore::TRow::Bytes(std::uint32_t capacity) {
    return sizeof(TRow) + std::size_t(capacity) * sizeof(TGridCellText);
}

TGridCellStore::TRow* TGridCellStore::TRow::Construct(void* memory, std::uint32_t capacity) {
    TRow* row = new (memory) TRow;
    row->Capacity = capacity;
    std::uninitialized_default_construct_n(row->Texts(), capacity);
    return row;
}

TGridCellStore::TRow* TGridCellStore::TRow::Allocate(std::uint32_t capacity) {
    return Construct(::operator new(Bytes(capacity)), capacity);
}

void TGridCellStore::TRow::Free(TRow* row) {
    // Texts past Size are empty: nothing of theirs to release.
    std::destroy_n(row->Texts(), row->Size);
    TRowBlock* block = row->Block;
    row->~TRow();
    if (block)
        TRowBlockRelease()(block);
    else
        ::operator delete(row);
}

TGridCellStore::TRow* TGridCellStore::NewRow(std::uint32_t capacity) {
    if (FReservedRows) {
        TRowBlock& block = *FReservedRows;
        const std::size_t bytes = TRow::Bytes(capacity);
        if (static_cast<std::size_t>(block.End - block.Next) >= bytes) {
            TRow* row = TRow::Construct(block.Next, capacity);
            block.Next += bytes;
            ++block.Holders;
            row->Block = &block;
            return row;
        }
    }
    return TRow::Allocate(capacity);
}

void TGridCellStore::ReserveRows(int first, int count, int width) {
    ReleaseReservedRows();
    if (first < 0 || first >= MaxRows || count < SmallestReservation || width <= 0)
        return;
    const int last = first + std::min(count, MaxRows - first);
    std::size_t missing = 0;
    for (int row = first; row < last; ++row)
        missing += FindRow(row) == nullptr;
    if (missing < static_cast<std::size_t>(SmallestReservation))
        return;
    FRows.reserve(static_cast<std::size_t>(last)); // the row table grows once, not by doubling
    // New rows are sized to the widest row: the reserved ones too, from the first on.
    FWidestRow = std::max(FWidestRow, std::min(width, MaxCols));
    const std::size_t rowBytes = TRow::Bytes(static_cast<std::uint32_t>(FWidestRow));
    const std::size_t rows = std::min(missing, LargestReservation / rowBytes);
    if (rows > 0)
        FReservedRows.reset(TRowBlock::Map(rows * rowBytes));
    if (!FReservedRows)
        return;
    // The block is faulted in at once: first touches of fresh pages one row at a time cost more
    // than the load itself. A large block is faulted in beside the load, ahead of its rows.
    if (FReservedRows->Bytes < BackgroundFaulting)
        LargeMemory::Populate(FReservedRows.get(), FReservedRows->Bytes);
    else
        FReservedRowsFaulting =
            std::make_unique<TBackgroundPopulate>(FReservedRows.get(), FReservedRows->Bytes);
}

void TGridCellStore::ReleaseReservedRows() {
    FReservedRowsFaulting.reset(); // before any page of the block goes
    if (!FReservedRows)
        return;
    // The pages no row reached go back now; the rest goes with the last row on it.
    TRowBlock& block = *FReservedRows;
    char* const base = reinterpret_cast<char*>(&block);
    const std::size_t used = RoundUp(static_cast<std::size_t>(block.Next - base),
                                     static_cast<std::size_t>(sysconf(_SC_PAGESIZE)));
    if (used < block.Bytes) {
        LargeMemory::Unmap(base + used, block.Bytes - used);
        block.Bytes = used;
        block.End = base + used;
    }
    FReservedRows.reset();
}

void TGridCellStore::Reserve(TRowPtr& row, std::uint32_t capacity) {
    if (row->Capacity >= capacity)
        return;
    TRowPtr larger(TRow::Allocate(capacity));
    larger->Size = row->Size;
    larger->Objects = std::move(row->Objects);
    std::move(row->Texts(), row->Texts() + row->Size, larger->Texts());
    row = std::move(larger);
}

void TGridCellStore::CheckIndex(int col, int row) {
    if (col < 0 || row < 0 || col >= MaxCols || row >= MaxRows)
        throw Exception("Grid index out of range");
}

TGridCellStore::TRow& TGridCellStore::NeedRow(int row, std::uint32_t capacity) {
    if (row >= static_cast<int>(FRows.size()))
        FRows.resize(row + 1);
    TRowPtr& cells = FRows[row];
    if (!cells)
        cells.reset(NewRow(capacity));
    else
        Reserve(cells, capacity);
    return *cells;
}

// --- cells -------------------------------------------------------------------------------------

void TGridCellStore::SetTextInNewSpace(int col, int row, std::string_view text) {
    CheckIndex(col, row);
    if (text.empty() && Text(col, row).empty())
        return; // clearing an empty cell must not allocate its row
    // Rows tend to be filled to the same width: size a new row for it at once; a row growing
    // past that grows by half, so filling one long row stays linear.
    FWidestRow = std::max(FWidestRow, col + 1);
    const TRow* existing = FindRow(row);
    const std::uint32_t grown = existing ? existing->Capacity + existing->Capacity / 2 : 0;
    const std::uint32_t capacity =
        std::max({static_cast<std::uint32_t>(FWidestRow), grown, std::uint32_t(col) + 1});
    TRow& cells = NeedRow(row, std::min<std::uint32_t>(capacity, MaxCols));
    cells.Texts()[col].Assign(text);
    cells.Size = std::max(cells.Size, std::uint32_t(col) + 1);
}

void TGridCellStore::SetObject(int col, int row, void* object) {
    CheckIndex(col, row);
    if (!object && !Object(col, row))
        return;
    TRow& cells = NeedRow(row, 0);
    if (!cells.Objects)
        cells.Objects = std::make_unique<std::vector<void*>>();
    if (col >= static_cast<int>(cells.Objects->size()))
        cells.Objects->resize(col + 1, nullptr);
    (*cells.Objects)[col] = object;
}

// --- structure ---------------------------------------------------------------------------------

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
    for (TRowPtr& cells : FRows) {
        if (!cells)
            continue;
        if (cells->Objects)
            InsertAt(*cells->Objects, at, count);
        const std::uint32_t size = cells->Size;
        if (static_cast<std::uint32_t>(at) >= size)
            continue;
        Reserve(cells, size + count);
        TGridCellText* texts = cells->Texts();
        // The moved-from texts read empty: they are the inserted cells.
        std::move_backward(texts + at, texts + size, texts + size + count);
        cells->Size = size + count;
    }
}

void TGridCellStore::DeleteCols(int at, int count) {
    if (at < 0 || count <= 0)
        return;
    for (TRowPtr& cells : FRows) {
        if (!cells)
            continue;
        if (cells->Objects)
            EraseAt(*cells->Objects, at, count);
        const std::uint32_t size = cells->Size;
        if (static_cast<std::uint32_t>(at) >= size)
            continue;
        const auto end =
            static_cast<std::uint32_t>(std::min<std::int64_t>(size, std::int64_t(at) + count));
        TGridCellText* texts = cells->Texts();
        std::move(texts + end, texts + size, texts + at);
        const std::uint32_t newSize = size - (end - at);
        for (std::uint32_t i = newSize; i < size; ++i)
            texts[i] = TGridCellText(); // keeps the unused tail empty
        cells->Size = newSize;
    }
}

void TGridCellStore::MoveCol(int from, int to) {
    if (from < 0 || to < 0 || from >= MaxCols || to >= MaxCols)
        return;
    const std::uint32_t needed = std::max(from, to) + 1;
    for (TRowPtr& cells : FRows) {
        if (!cells)
            continue;
        if (cells->Objects)
            MoveEntry(*cells->Objects, from, to);
        if (cells->Size < needed) {
            const std::uint32_t size = cells->Size;
            if (static_cast<std::uint32_t>(from) >= size && static_cast<std::uint32_t>(to) >= size)
                continue; // an empty text moves among empty texts: nothing changes
            Reserve(cells, needed);
            cells->Size = needed;
        }
        RotateEntry(cells->Texts(), from, to);
    }
}

void TGridCellStore::ForEachObject(
    const std::function<void(int col, int row, void* object)>& visit) const {
    for (int row = 0; row < static_cast<int>(FRows.size()); ++row) {
        if (!FRows[row] || !FRows[row]->Objects)
            continue;
        const std::vector<void*>& objects = *FRows[row]->Objects;
        for (int col = 0; col < static_cast<int>(objects.size()); ++col)
            if (objects[col])
                visit(col, row, objects[col]);
    }
}

void TGridCellStore::PermuteRows(int first, const std::vector<int>& order) {
    const std::size_t count = order.size();
    if (count == 0)
        return;
    if (first < 0 || count > static_cast<std::size_t>(MaxRows - first))
        throw Exception("Grid index out of range");
    std::vector<bool> seen(count, false);
    for (const int from : order) {
        const long long k = static_cast<long long>(from) - first;
        if (k < 0 || static_cast<std::size_t>(k) >= count || seen[k])
            throw Exception("Row order is not a permutation");
        seen[k] = true;
    }
    // Rows past the extent were never written: they are null and stay so where they land.
    const std::size_t extent = FRows.size();
    if (static_cast<std::size_t>(first) >= extent)
        return;
    if (first + count > extent)
        FRows.resize(first + count);
    std::vector<TRowPtr> moved(count);
    for (std::size_t k = 0; k < count; ++k)
        moved[k] = std::move(FRows[order[k]]);
    for (std::size_t k = 0; k < count; ++k)
        FRows[first + k] = std::move(moved[k]);
    while (!FRows.empty() && !FRows.back())
        FRows.pop_back();
}

// Kept beside the store's permutation so that a sort's reordering stays one piece of code.
void TStringGrid::PermuteRows(int First, const std::vector<int>& Order) {
    const int count = static_cast<int>(Order.size());
    if (count == 0)
        return;
    if (First < 0 || count > RowCount() - First)
        throw Exception("Grid index out of range");
    HideEditor();
    FCells.PermuteRows(First, Order); // checks Order before anything moves
    std::vector<int> heights(count);
    for (int k = 0; k < count; ++k)
        heights[k] = RowHeights(Order[k]);
    for (int k = 0; k < count; ++k)
        if (RowHeights(First + k) != heights[k])
            SetRowHeights(First + k, heights[k]);
    Invalidate();
}
