// Sorting: moving sorted rows to their places, each row once, with all it carries.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/stringgrid/ShowModified.h"

#include <algorithm>

int TExStringGrid::FirstMovedColumn() const {
    return FSortSettings->NormalCellsOnly && FixedCols() > 0 ? 1 : 0;
}

void TExStringGrid::PlaceRowsInOrder(int First, const std::vector<int>& Order) {
    const int count = static_cast<int>(Order.size());
    // With SingleColumn only the sort column's cells change rows (whole rows move when there
    // is no sort column, so the cross-reference stays true to the cells).
    int fromCol = FirstMovedColumn();
    int toCol = std::max(TotalColCount(), MaxColCount()) - 1;
    const int sortCol = FSortSettings->Column;
    const bool wholeRows = !FSortSettings->SingleColumn || sortCol < 0 || sortCol > toCol;
    if (!wholeRows)
        fromCol = toCol = sortCol;

    // What a row carries besides its cells: one pass each, in row order.
    const auto permute = [&](auto read, auto write) {
        std::vector<int> values(count);
        for (int k = 0; k < count; ++k)
            values[k] = read(Order[k]);
        for (int k = 0; k < count; ++k)
            write(First + k, values[k]);
    };
    if (First + count <= FSortRowXRef->Count())
        permute([&](int r) { return (*FSortRowXRef)[r]; },
                [&](int r, int v) { FSortRowXRef->SetItems(r, v); });
    if (FShowModified->Enabled && First + count <= FModifiedRows->Count())
        permute([&](int r) { return (*FModifiedRows)[r]; },
                [&](int r, int v) { FModifiedRows->SetItems(r, v); });
    if (wholeRows && fromCol == 0) {
        // Whole rows from the first column on: the row storage moves by pointer, which
        // carries hidden columns and cell properties along; the properties then learn
        // their new row.
        int newSortRow = SortRow;
        for (int k = 0; k < count; ++k)
            if (Order[k] != First + k) {
                ++Swaps;
                if (Order[k] == SortRow)
                    newSortRow = First + k;
            }
        // The properties are found before the rows move, while the rows are still walked in the
        // order the sort read them.
        std::vector<int> newRowOf(count);
        for (int k = 0; k < count; ++k)
            if (Order[k] >= First && Order[k] < First + count) // PermuteRows refuses the rest
                newRowOf[Order[k] - First] = First + k;
        std::vector<std::pair<TCellProperties*, int>> moving;
        ForEachObject([&](int, int ARow, TObject* Object) {
            if (ARow >= First && ARow < First + count)
                if (auto* props = dynamic_cast<TCellProperties*>(Object))
                    moving.emplace_back(props, newRowOf[ARow - First]);
        });
        PermuteRows(First, Order);
        for (const auto& [props, row] : moving)
            props->SetOwnerRow(row);
        SortRow = newSortRow;
        return;
    }
    if (wholeRows)
        permute([&](int r) { return RowHeights(r); },
                [&](int r, int v) {
                    if (RowHeights(r) != v)
                        SetRowHeights(r, v);
                });

    std::vector<std::string> texts(toCol - fromCol + 1);
    std::vector<TObject*> objects(texts.size());
    const auto readRow = [&](int r, std::vector<std::string>& Texts,
                             std::vector<TObject*>& Objects) {
        for (int c = fromCol; c <= toCol; ++c) {
            Texts[c - fromCol] = GetGridCell(c, r);
            Objects[c - fromCol] = GetGridObject(c, r);
        }
    };
    const auto writeRow = [&](int r, const std::vector<std::string>& Texts,
                              const std::vector<TObject*>& Objects) {
        for (int c = fromCol; c <= toCol; ++c) {
            // An empty text over an empty cell would only make the row's storage grow.
            if (!Texts[c - fromCol].empty() || !GetGridCell(c, r).empty())
                SetGridCell(c, r, Texts[c - fromCol]);
            TObject* object = Objects[c - fromCol];
            SetGridObject(c, r, object);
            // Properties know their cell (they repaint it).
            if (object)
                if (auto* props = dynamic_cast<TCellProperties*>(object))
                    props->SetOwnerRow(r);
        }
    };

    // Follow each cycle of the permutation: one row is held aside, every other row of the cycle
    // is copied straight into its place.
    std::vector<bool> placed(count, false);
    std::vector<std::string> heldTexts(texts.size());
    std::vector<TObject*> heldObjects(texts.size());
    int newSortRow = SortRow;
    for (int start = 0; start < count; ++start) {
        if (placed[start])
            continue;
        if (Order[start] == First + start) {
            placed[start] = true;
            continue;
        }
        readRow(First + start, heldTexts, heldObjects);
        for (int at = start;;) {
            placed[at] = true;
            const int from = Order[at] - First;
            if (Order[at] == SortRow)
                newSortRow = First + at;
            ++Swaps;
            if (from == start) {
                writeRow(First + at, heldTexts, heldObjects);
                break;
            }
            readRow(First + from, texts, objects);
            writeRow(First + at, texts, objects);
            at = from;
        }
    }
    SortRow = newSortRow;
}
