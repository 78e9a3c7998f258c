// The column grid: its life cycle and the column operations that carry the items along.
#include "grid/stringgrid/ExCGrid.h"

#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/GridStrings.h"
#include "platform/ui/Menus.h"

#include <algorithm>

namespace {

// Value * M / D rounded half away from zero.
int MulDiv(int Value, int M, int D) {
    const long long product = static_cast<long long>(Value) * M;
    const long long half = (D > 0 ? D : -D) / 2;
    return static_cast<int>(((product < 0) != (D < 0) ? product - half : product + half) / D);
}

} // namespace

TExColumnGrid::TExColumnGrid(TComponent* AOwner) : TExStringGrid(AOwner) {
    FColumnCollection = CreateColumns();
    {
        TNoRecursiveUpdate guard(*FColumnCollection);
        SynchronizeItems();
    }
    FColumnCellGraphic = std::make_unique<TCellGraphic>();
    FSaveCol = std::make_unique<TGridColumnItem>(nullptr);
}

TExColumnGrid::~TExColumnGrid() {
    // The string grid's destructor still asks the hooks; they must find no items by then.
    FColumnCollection->FNoRecursiveUpdate = true;
    FColumnCollection->Clear();
}

std::unique_ptr<TGridColumnCollection> TExColumnGrid::CreateColumns() {
    return std::make_unique<TGridColumnCollection>(this);
}

void TExColumnGrid::SynchronizeItems() {
    while (FColumnCollection->Count() < TotalColCount())
        FColumnCollection->Add();
    while (FColumnCollection->Count() > TotalColCount())
        FColumnCollection->Delete(FColumnCollection->Count() - 1);
}

void TExColumnGrid::RebuildHeaderList() {
    TStringList headers;
    for (int i = 0; i < FColumnCollection->Count(); ++i)
        headers.Add(FColumnCollection->GetItem(i)->Header());
    ColumnHeaders()->Assign(headers);
}

void TExColumnGrid::Loaded() {
    TExStringGrid::Loaded();
    SynchronizeItems();
    FColumnCollection->SetOrganization();
}

void TExColumnGrid::SetColCount(int Value) {
    TExStringGrid::SetColCount(Value);
    if (FPlacingColumnItems)
        return;
    TNoRecursiveUpdate guard(*FColumnCollection);
    SynchronizeItems();
}

void TExColumnGrid::BulkCellsChanged() {
    TExStringGrid::BulkCellsChanged();
    TNoRecursiveUpdate guard(*FColumnCollection);
    SynchronizeItems();
}

TGridColumnItem* TExColumnGrid::GetColumnByName(const std::string& Value) const {
    for (int i = 0; i < FColumnCollection->Count(); ++i)
        if (FColumnCollection->GetItem(i)->Name == Value)
            return FColumnCollection->GetItem(i);
    return nullptr;
}

TGridColumnItem* TExColumnGrid::ColumnItem(int ARealCol) const {
    if (!FColumnCollection || ARealCol < 0 || ARealCol >= FColumnCollection->Count())
        return nullptr;
    return FColumnCollection->GetItem(ARealCol);
}

TGridColumnItem* TExColumnGrid::ItemOfDisplayColumn(int ACol) const {
    return ACol >= FixedCols() ? ColumnItem(RealColIndex(ACol)) : nullptr;
}

bool TExColumnGrid::IsDataCell(int ARealCol, int ARow) {
    return ARealCol >= FixedCols() && ARealCol < TotalColCount() - FixedRightCols() &&
           ARow >= FixedRows() && ARow < RowCount() - FixedFooters();
}

// The grid may clip the count: the items follow the columns it really inserted or removed, at
// their place, instead of being added or cut at the end.
void TExColumnGrid::InsertCols(int ColIndex, int CCount) {
    TNoRecursiveUpdate guard(*FColumnCollection);
    const int before = TotalColCount();
    FPlacingColumnItems = true;
    TExStringGrid::InsertCols(ColIndex, CCount);
    FPlacingColumnItems = false;
    const int inserted = TotalColCount() - before;
    for (int i = 0; i < inserted; ++i)
        FColumnCollection->Insert(std::min(ColIndex, FColumnCollection->Count()));
    SynchronizeItems();
}

void TExColumnGrid::RemoveCols(int ColIndex, int CCount) {
    const int before = TotalColCount();
    {
        TNoRecursiveUpdate guard(*FColumnCollection);
        FPlacingColumnItems = true;
        TExStringGrid::RemoveCols(ColIndex, CCount);
        FPlacingColumnItems = false;
    }
    const int removed = before - TotalColCount();
    for (int i = 0; i < removed && ColIndex < FColumnCollection->Count(); ++i)
        FColumnCollection->Delete(ColIndex);
}

// The string grid swaps the cells, widths and hidden marks without a column move of its own; the
// items change places the same way.
void TExColumnGrid::SwapColumns(int ACol1, int ACol2) {
    const int low = std::min(ACol1, ACol2);
    const int high = std::max(ACol1, ACol2);
    if (low == high || low < 0 || high >= TotalColCount())
        return;
    TNoRecursiveUpdate guard(*FColumnCollection);
    TExStringGrid::SwapColumns(ACol1, ACol2);
    if (high < FColumnCollection->Count()) {
        FColumnCollection->Move(low, high);
        FColumnCollection->Move(high - 1, low);
    }
}

void TExColumnGrid::Group(int ColIndex) {
    if (TGridColumnItem* item = ColumnItem(ColIndex))
        FSaveCol->Assign(item);
    TExStringGrid::Group(ColIndex);
}

void TExColumnGrid::UnGroup() {
    const int groupColumn = FGroupColumn;
    TExStringGrid::UnGroup();
    if (groupColumn != -1)
        if (TGridColumnItem* item = ColumnItem(groupColumn))
            item->Assign(FSaveCol.get());
}

uint32_t TExColumnGrid::GetVersionNr() {
    return 0x03010301;
}

std::string TExColumnGrid::GetVersionString() {
    const uint32_t nr = GetVersionNr();
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8)
        text += std::to_string((nr >> shift) & 0xFF) + (shift ? "." : "");
    return text + " Aug, 2012";
}

// A user's column move takes the item of the real column along; the grid's own structural
// operations (insert, remove) carry the items themselves and move no item here.
void TExColumnGrid::ColumnMoved(int FromIndex, int ToIndex) {
    if (FColumnCollection->FNoRecursiveUpdate) {
        TExStringGrid::ColumnMoved(FromIndex, ToIndex);
        return;
    }
    int from = 0;
    int to = 0;
    {
        TNoRecursiveUpdate guard(*FColumnCollection);
        const int topRow = TopRow();
        from = RealColIndex(FromIndex);
        to = RealColIndex(ToIndex);
        TExStringGrid::ColumnMoved(FromIndex, ToIndex);
        BeginUpdate();
        FColMoving = true;
        FColumnCollection->Move(from, to);
        SetTopRow(topRow);
        FColMoving = false;
        EndUpdate();
    }
    FireEvent(OnAfterColumnMoved, this, from, to);
}

void TExColumnGrid::ColWidthsChanged() {
    TExStringGrid::ColWidthsChanged();
    if (Loading() || Destroying())
        return;
    for (int c = 0; c < ColCount(); ++c)
        if (TGridColumnItem* item = ColumnItem(RealColIndex(c)))
            item->SetStoredWidth(ColWidths(c));
}

void TExColumnGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExStringGrid::MouseDown(Button, Shift, X, Y);
    int col = -1;
    int row = -1;
    MouseToCell(X, Y, col, row);
    if (col >= 0 && row >= 0)
        ShowColumnPopup(Button, col, row);
}

// The menu belongs to the item of the column under the mouse: hidden columns before it shift
// display and real indexes apart.
void TExColumnGrid::ShowColumnPopup(TMouseButton Button, int ACol, int ARow) {
    const TGridColumnItem* item = ColumnItem(RealColIndex(ACol));
    if (!item || !item->ColumnPopup)
        return;
    const bool left = Button == mbLeft;
    if (!left && Button != mbRight)
        return;
    const TColumnPopupType type = item->ColumnPopupType;
    const TColumnPopupType fixedType = left ? cpFixedCellsLClick : cpFixedCellsRClick;
    const TColumnPopupType normalType = left ? cpNormalCellsLClick : cpNormalCellsRClick;
    const TColumnPopupType allType = left ? cpAllCellsLClick : cpAllCellsRClick;
    if (type != fixedType && type != normalType && type != allType)
        return;
    TPopupMenu* menu = item->ColumnPopup;
    FireEvent(OnColumnPopup, this, ACol, ARow, menu);
    const bool fixedRow = ARow < FixedRows();
    const bool shows = type == allType || (fixedRow ? type == fixedType : type == normalType);
    if (!shows || !menu)
        return;
    const TRect r = CellRect(ACol, ARow);
    const TPoint p = ClientToScreen(TPoint{r.Left, r.Bottom});
    menu->SetPopupComponent(this);
    menu->Popup(p.X, p.Y);
}

int TExColumnGrid::CellEditLimit() {
    if (const TGridColumnItem* item = ItemOfDisplayColumn(Col()))
        return item->EditLength;
    return MaxEditLength();
}

std::string TExColumnGrid::CellEditMask(int ACol, int ARow) {
    std::string mask;
    if (const TGridColumnItem* item = ItemOfDisplayColumn(ACol))
        mask = item->EditMask;
    if (std::string own = TExStringGrid::CellEditMask(ACol, ARow); !own.empty())
        mask = own;
    return mask;
}

void TExColumnGrid::Notification(TComponent* AComponent, bool removing) {
    TExStringGrid::Notification(AComponent, removing);
    if (!removing || !FColumnCollection)
        return;
    for (int i = 0; i < FColumnCollection->Count(); ++i) {
        TGridColumnItem* item = FColumnCollection->GetItem(i);
        if (item->EditLink == AComponent)
            item->EditLink = nullptr;
        if (item->ColumnPopup == AComponent)
            item->ColumnPopup = nullptr;
    }
}

void TExColumnGrid::HandleScaleChange(int M, int D) {
    TExStringGrid::HandleScaleChange(M, D);
    if (Designing() || M == D || D == 0)
        return;
    const int count = std::min(ColCount(), FColumnCollection->Count());
    for (int i = 0; i < count; ++i) {
        TGridColumnItem* item = FColumnCollection->GetItem(i);
        item->Font()->SetSize(MulDiv(item->Font()->Size(), M, D));
        item->HeaderFont()->SetSize(MulDiv(item->HeaderFont()->Size(), M, D));
    }
}
