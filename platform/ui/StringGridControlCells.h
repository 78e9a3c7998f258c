#pragma once

#include "platform/core/BackgroundPopulate.h"
#include "platform/ui/StringGridControlText.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

// Cell texts and object slots of a grid, kept apart from its row and column counts: a cell
// never written reads as empty text and a null object, whatever its coordinates, and cells past
// the counts (hidden columns) keep their contents. Rows are allocated on first write, so a long
// grid costs one pointer per row until its cells are filled; access is O(1).
//
// A row is one block: a small header followed by its 16-byte cell texts, so a filled row of
// short texts costs one allocation and about 16 bytes a cell. Object slots are rare and get a
// separate array once the row receives its first object. Bulk loads reserve room for the rows
// they will create first: those rows are then carved from one large block that is faulted in
// at once, because first touches of fresh pages one row at a time cost more than the load itself.
class TGridCellStore {
public:
    // Writes past these limits are refused; they guard against a runaway index eating memory.
    static constexpr int MaxCols = 1 << 16;
    static constexpr int MaxRows = 1 << 28;

    std::string_view Text(int col, int row) const {
        const TRow* cells = FindRow(row);
        if (!cells || static_cast<unsigned>(col) >= cells->Size)
            return {};
        return cells->Texts()[col].View();
    }
    void SetText(int col, int row, std::string_view text) {
        // Rewriting a cell of an existing row: no allocation, no call.
        if (TRow* cells = FindRow(row); cells && static_cast<unsigned>(col) < cells->Capacity) {
            cells->Texts()[col].Assign(text);
            if (static_cast<unsigned>(col) >= cells->Size)
                cells->Size = col + 1;
            return;
        }
        SetTextInNewSpace(col, row, text);
    }
    void* Object(int col, int row) const {
        const TRow* cells = FindRow(row);
        if (!cells || !cells->Objects || static_cast<std::size_t>(col) >= cells->Objects->size())
            return nullptr;
        return (*cells->Objects)[col];
    }
    void SetObject(int col, int row, void* object);

    // Rows and columns shift their contents with them; objects are moved, never freed.
    void InsertRows(int at, int count);
    void DeleteRows(int at, int count);
    void MoveRow(int from, int to);
    // Row first + k takes the whole former row order[k] (texts, objects, cells past the column
    // count), by pointer. `order` must be a permutation of [first, first + order.size()); anything
    // else is refused with Exception, and nothing moves.
    void PermuteRows(int first, const std::vector<int>& order);
    void InsertCols(int at, int count);
    void DeleteCols(int at, int count);
    void MoveCol(int from, int to);
    void Clear() {
        FRows.clear();
        FWidestRow = 0;
    }

    // Rows of [first, first + count) not created yet get room for `width` texts each in one
    // block, taken by the rows as they are first written; ReleaseReservedRows gives back the
    // part no row took. Nothing observable changes, only where the rows live.
    void ReserveRows(int first, int count, int width);
    void ReleaseReservedRows();

    // Calls `visit` for every cell whose object slot is set, row by row.
    void ForEachObject(const std::function<void(int col, int row, void* object)>& visit) const;

    // One past the highest row that was ever written (an upper bound of the used rows).
    int RowExtent() const { return static_cast<int>(FRows.size()); }

private:
    // Texts [0, Size) are in use; the rest up to Capacity are kept empty, so a write there
    // only moves Size.
    // Memory many rows are carved from; it goes when its last holder does: every row in it and
    // the store while it may still carve from it.
    struct TRowBlock;
    struct TRowBlockRelease {
        void operator()(TRowBlock* block) const;
    };
    using TRowBlockPtr = std::unique_ptr<TRowBlock, TRowBlockRelease>;

    struct TRow {
        std::uint32_t Size = 0;
        std::uint32_t Capacity = 0;
        std::unique_ptr<std::vector<void*>> Objects; // nullptr until the row's first object
        TRowBlock* Block = nullptr;                  // nullptr for a row of its own

        TGridCellText* Texts() { return reinterpret_cast<TGridCellText*>(this + 1); }
        const TGridCellText* Texts() const {
            return reinterpret_cast<const TGridCellText*>(this + 1);
        }
        static TRow* Allocate(std::uint32_t capacity);
        static TRow* Construct(void* memory, std::uint32_t capacity);
        static void Free(TRow* row);
        static std::size_t Bytes(std::uint32_t capacity);
    };
    static_assert(sizeof(TRow) % alignof(TGridCellText) == 0);
    struct TRowFree {
        void operator()(TRow* row) const { TRow::Free(row); }
    };
    using TRowPtr = std::unique_ptr<TRow, TRowFree>;

    static void CheckIndex(int col, int row);
    const TRow* FindRow(int row) const {
        return static_cast<unsigned>(row) < FRows.size() ? FRows[row].get() : nullptr;
    }
    TRow* FindRow(int row) {
        return static_cast<unsigned>(row) < FRows.size() ? FRows[row].get() : nullptr;
    }
    // The row, created or grown to hold at least `capacity` texts.
    TRow& NeedRow(int row, std::uint32_t capacity);
    // Makes room for `capacity` texts in a row, moving it to a larger block when needed.
    static void Reserve(TRowPtr& row, std::uint32_t capacity);
    void SetTextInNewSpace(int col, int row, std::string_view text);
    // A new row, from the reserved block when it has room.
    TRow* NewRow(std::uint32_t capacity);

    std::vector<TRowPtr> FRows;
    int FWidestRow = 0;         // widest row written so far, in cells
    TRowBlockPtr FReservedRows; // what ReserveRows set aside, while some of it is left
    // Faults the reserved block in while the rows are written; it ends before the block does.
    std::unique_ptr<TBackgroundPopulate> FReservedRowsFaulting;
};
