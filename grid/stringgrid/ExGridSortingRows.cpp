// Sorting: moving sorted rows to their places, each row once, with all it carries.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/stringgrid/ShowModified.h"

#include <algorithm>

namespace {

// What travels with a row besides its cells: its height and its entries in the per-row lists.
struct TRowExtras {
    int Height = 0;
    int XRef = 0;
    int Modified = 0;
};

} // namespace

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
    const bool withXRef = First + count <= FSortRowXRef->Count();
    const bool withModified = FShowModified->Enabled && First + count <= FModifiedRows->Count();

    std::vector<std::string> texts(toCol - fromCol + 1);
    std::vector<TObject*> objects(texts.size());
    const auto readRow = [&](int r, std::vector<std::string>& Texts, std::vector<TObject*>& Objects,
                             TRowExtras& Extras) {
        for (int c = fromCol; c <= toCol; ++c) {
            Texts[c - fromCol] = GetGridCell(c, r);
            Objects[c - fromCol] = GetGridObject(c, r);
        }
        Extras.Height = RowHeights(r);
        Extras.XRef = withXRef ? (*FSortRowXRef)[r] : 0;
        Extras.Modified = withModified ? (*FModifiedRows)[r] : 0;
    };
    const auto writeRow = [&](int r, const std::vector<std::string>& Texts,
                              const std::vector<TObject*>& Objects, const TRowExtras& Extras) {
        for (int c = fromCol; c <= toCol; ++c) {
            SetGridCell(c, r, Texts[c - fromCol]);
            TObject* object = Objects[c - fromCol];
            SetGridObject(c, r, object);
            // Properties know their cell (they repaint it).
            if (auto* props = dynamic_cast<TCellProperties*>(object))
                props->SetOwnerRow(r);
        }
        if (wholeRows && RowHeights(r) != Extras.Height)
            SetRowHeights(r, Extras.Height);
        if (withXRef)
            FSortRowXRef->SetItems(r, Extras.XRef);
        if (withModified)
            FModifiedRows->SetItems(r, Extras.Modified);
    };

    // Follow each cycle of the permutation: one row is held aside, every other row of the cycle
    // is copied straight into its place.
    std::vector<bool> placed(count, false);
    std::vector<std::string> heldTexts(texts.size());
    std::vector<TObject*> heldObjects(texts.size());
    TRowExtras held, extras;
    int newSortRow = SortRow;
    for (int start = 0; start < count; ++start) {
        if (placed[start])
            continue;
        if (Order[start] == First + start) {
            placed[start] = true;
            continue;
        }
        readRow(First + start, heldTexts, heldObjects, held);
        for (int at = start;;) {
            placed[at] = true;
            const int from = Order[at] - First;
            if (Order[at] == SortRow)
                newSortRow = First + at;
            ++Swaps;
            if (from == start) {
                writeRow(First + at, heldTexts, heldObjects, held);
                break;
            }
            readRow(First + from, texts, objects, extras);
            writeRow(First + at, texts, objects, extras);
            at = from;
        }
    }
    SortRow = newSortRow;
}
