#include "grid/dropdown/ExCustomGridDropDown.h"

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExGridDropDownGrid.h"
#include "grid/foundation/Bands.h"
#include "grid/foundation/ExUtil.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SearchFooter.h"
#include "grid/stringgrid/FooterAppearance.h"
#include "grid/stringgrid/HeaderAppearance.h"
#include "platform/core/StringList.h"
#include "platform/ui/Font.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Screen.h"

#include <algorithm>
#include <cmath>

namespace GridDropDown {

namespace {
constexpr int GridHeight = 180;
constexpr int GridPopupHeight = 200;
constexpr int DesignColumns = 3;
} // namespace

// --- construction --------------------------------------------------------------------------------

TCustomExGridDropDown::TCustomExGridDropDown(TComponent* AOwner)
    : TExColumnListDropDown(AOwner, false), FLookupItems(std::make_unique<TStringList>()) {
    const TComponentState owner = AOwner ? AOwner->ComponentState() : TComponentState{};
    FDesignTime = ComponentState().Contains(csDesigning) && !owner.Contains(csReading) &&
                  !owner.Contains(csLoading);
    FItems = CreateItems(this);
    SetDropDownColor(0xFFFFFF);
    SetDropDownHeight(GridPopupHeight);
    SetAutoSelect(true);
    SetEditorEnabled(true);
    SetDropDownEnabled(true);
    FSearchFooter = std::make_unique<TSearchFooter>(this, FDesignTime);
    FBands = std::make_unique<TBands>();
    FNavigation = std::make_unique<TNavigation>();
    FNavigation->HomeEndKey = heFirstLastRow;
    FMouseActions = std::make_unique<TMouseActions>(this);
    // The base's construction could not reach this class: the grid and the looks come now.
    CreateControls();
    SetComponentStyle(tsOffice2007Luna);
    SetSelectionColorStyle(scOffice2007);
    if (FDesignTime) {
        FColumns->Clear();
        for (int i = 0; i < DesignColumns; ++i)
            FColumns->Add();
    }
}

TCustomExGridDropDown::~TCustomExGridDropDown() {
    // Freed while the items and columns its event handlers reach are still there.
    TExColGrid* grid = FExColGrid;
    FExColGrid = nullptr;
    SetControl(nullptr);
    delete grid;
}

std::unique_ptr<TDropDownItems> TCustomExGridDropDown::CreateItems(TComponent* AOwner) {
    return std::make_unique<TDropDownItems>(AOwner);
}

void TCustomExGridDropDown::Loaded() {
    UpdateLookupItems();
    if (FExColGrid)
        FExColGrid->LoadFromItems();
}

void TCustomExGridDropDown::Notification(TComponent* component, bool removing) {
    TExCustomDropDown::Notification(component, removing);
    if (removing && FGridImages && component == FGridImages) {
        FGridImages = nullptr;
        if (FExColGrid)
            FExColGrid->GridImages = nullptr;
    }
    if (removing && component == FExColGrid)
        FExColGrid = nullptr;
}

// --- properties ----------------------------------------------------------------------------------

void TCustomExGridDropDown::SetSearchFooter(const TSearchFooter& Value) {
    FSearchFooter->Assign(&Value);
}

void TCustomExGridDropDown::SetBands(const TBands& Value) {
    FBands->Assign(&Value);
}

void TCustomExGridDropDown::SetNavigation(const TNavigation& Value) {
    FNavigation->Assign(&Value);
}

void TCustomExGridDropDown::SetMouseActions(const TMouseActions& Value) {
    FMouseActions->Assign(&Value);
}

void TCustomExGridDropDown::SetGridImages(TImageList* Value) {
    FGridImages = Value;
    if (FExColGrid)
        FExColGrid->GridImages = Value;
}

void TCustomExGridDropDown::SetStyle(TDropDownStyle Value) {
    FStyle = Value;
    SetEditorEnabled(Value == dsDropDown);
}

void TCustomExGridDropDown::SetDropDownRowHeight(int Value) {
    if (Value >= 1)
        FDropDownRowHeight = Value;
}

// --- items and rows ------------------------------------------------------------------------------

std::string TCustomExGridDropDown::GridCell(int ACol, int ARow) const {
    return FExColGrid ? FExColGrid->TStringGrid::Cells(ACol, ARow) : std::string();
}

int TCustomExGridDropDown::ItemOfRow(int Row) const {
    return FExColGrid ? FExColGrid->ItemOfRow(Row) : Row;
}

int TCustomExGridDropDown::RowOfItem(int Item) const {
    if (FExColGrid && Item >= 0)
        for (int r = FExColGrid->FixedRows(); r < FExColGrid->RowCount(); ++r)
            if (FExColGrid->ItemOfRow(r) == Item)
                return r;
    return FItemIndex;
}

int TCustomExGridDropDown::GetItemCount() const {
    if (FUseItems)
        return FItems->Count();
    return FExColGrid ? FExColGrid->RowCount() - FExColGrid->FixedRows() : 0;
}

void TCustomExGridDropDown::SetItemIndex(int Value) {
    const bool completing = FCompleting;
    FCompleting = true;
    if (FUseItems) {
        if (Value < FItems->Count()) {
            FItemIndex = std::max(Value, -1);
            SetText(FItemIndex >= 0 ? FItems->GetItem(FItemIndex)->TextAt(FLookupColumn) : "");
        }
    } else if (!FExColGrid) {
        FItemIndex = Value;
    } else if (Value != FItemIndex && Value + FExColGrid->FixedRows() < FExColGrid->RowCount()) {
        // Only a row of the grid can be chosen: the cell below the last row holds no choice.
        FItemIndex = std::max(Value, -1);
        SetText(FItemIndex < 0 ? ""
                               : GridCell(FLookupColumn, FItemIndex + FExColGrid->FixedRows()));
    }
    FCompleting = completing;
}

void TCustomExGridDropDown::SetText(const std::string& Value) {
    const bool completing = FCompleting;
    FCompleting = true;
    TExCustomDropDown::SetText(Value);
    FCompleting = completing;
}

bool TCustomExGridDropDown::FindLookupRow(const std::string& Text, std::string& Found,
                                          int& Row) const {
    Row = -1;
    Found.clear();
    if (Text.empty())
        return false;
    const auto forMatch = [this](const std::string& S) {
        return FCaseSensitive ? S : UpperCaseFull(S);
    };
    const std::string key = forMatch(Text);
    if (FUseItems) {
        for (int i = 0; i < FItems->Count(); ++i) {
            const TDropDownItem& item = *FItems->GetItem(i);
            if (item.HasTextAt(FLookupColumn) &&
                forMatch(item.TextAt(FLookupColumn)).starts_with(key)) {
                Found = item.TextAt(FLookupColumn);
                Row = i;
                return true;
            }
        }
        return false;
    }
    if (!FExColGrid)
        return false;
    for (int r = FExColGrid->FixedRows(); r < FExColGrid->RowCount(); ++r) {
        const std::string cell = GridCell(FLookupColumn, r);
        if (forMatch(cell).starts_with(key)) {
            Found = cell;
            Row = r;
            return true;
        }
    }
    return false;
}

void TCustomExGridDropDown::UpdateLookupItems() {
    FLookupItems->Clear();
    if (FLookupColumn < 0)
        return;
    for (int i = 0; i < FItems->Count(); ++i)
        FLookupItems->Add(FItems->GetItem(i)->TextAt(FLookupColumn));
}

// --- the popup -----------------------------------------------------------------------------------

void TCustomExGridDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    if (!DropDownForm())
        return;
    if (!FExColGrid) {
        FExColGrid = new TExColGrid(this);
        FExColGrid->SetParent(DropDownForm()->ClientArea());
    }
    FExColGrid->AttachDropDown(this);
    FExColGrid->SetBounds(0, 0, FExColGrid->Width(), GridHeight);
    FExColGrid->SetColor(DropDownColor());
    FExColGrid->SetDoubleBuffered(true);
    FExColGrid->Navigation()->HomeEndKey = heFirstLastRow;
    SetControl(FExColGrid);
}

void TCustomExGridDropDown::DoBeforeDropDown() {
    if (DropDownForm())
        DropDownForm()->SetCancelOnDeActivate(false);
    if (TExColGrid* grid = FExColGrid) {
        grid->LoadFromDropDown(this);
        grid->SetColor(DropDownColor());
        TSortSettings& sort = *grid->SortSettings();
        sort.SetShow(FSorting != gsNone);
        sort.SetIndexShow(FSorting == gsMultiColumn);
        FBalloonInit = false;
        grid->FOnStartBlockFocus = [](TObject*) {};
        grid->FOnEndBlockFocus = [this](TObject*) {
            if (DropDownForm())
                DropDownForm()->SetBlockActivate(false);
        };
        grid->OnSelectCell = nullptr;
        grid->OnSelect = [this](TObject*) { GridSelect(); };
        BindGridEvents();
        grid->SearchFooter()->Assign(FSearchFooter.get());
        grid->MouseActions()->Assign(FMouseActions.get());
        grid->Navigation()->Assign(FNavigation.get());
        grid->Bands()->Assign(FBands.get());
        TGridOptions options = grid->Options();
        options << goThumbTracking;
        if (FRowSelect)
            options << goRowSelect;
        else
            options >> goRowSelect;
        if (FGridEditable)
            options << goEditing;
        else
            options >> goEditing;
        grid->SetOptions(options);
        grid->GridImages = FGridImages;
        grid->OnCanSort = [this](TObject*, int, bool&) { GridCanSort(); };
        grid->OnClickSort = [this](TObject*, int) { GridClickSort(); };
        grid->OnSelectCell = [this](TObject*, int ACol, int ARow, bool&) {
            GridSelectCell(ACol, ARow);
        };
        grid->SetComponentStyle(GetComponentStyle());
        const int item = FItemIndex;
        if (FUseItems) {
            TExCustomDropDown::DoBeforeDropDown();
            grid->SetRowCount(FItems->Count() + 1);
            grid->SetFixedRows(1);
            grid->LoadFromItems();
        }
        // Sorting moves the rows: the row of the value is looked for in the sorted list.
        if (sort.Column >= 0 && sort.Show())
            grid->QSort();
        if (FUseItems) {
            const int row = RowOfItem(item);
            if (row >= grid->FixedRows() && row < grid->RowCount())
                grid->SetRow(row);
        } else {
            std::string found;
            int row = -1;
            if (FindLookupRow(Text(), found, row))
                grid->SetRow(row);
            else if (grid->RowCount() > grid->FixedRows())
                grid->SetRow(grid->FixedRows());
        }
    }
    FOldItemIndex = FItemIndex;
    if (!FUseItems || !FExColGrid)
        TExCustomDropDown::DoBeforeDropDown();
}

void TCustomExGridDropDown::AdjustDropDownHeight(int& Height) {
    int bars = 0;
    if (DropDownHeader()->Visible())
        bars += DropDownHeader()->Height();
    if (DropDownFooter()->Visible())
        bars += DropDownFooter()->Height();
    const int rows = Height - bars - FHeaderHeight - 2;
    Height = bars + FHeaderHeight + (rows / FDropDownRowHeight) * FDropDownRowHeight + 6;
}

void TCustomExGridDropDown::PlaceDropDownControl() {
    SetControl(FExColGrid);
    TExCustomDropDown::PlaceDropDownControl();
}

void TCustomExGridDropDown::SizeDropDownForm() {
    TExCustomDropDown::SizeDropDownForm();
    if (!FDropDownAutoWidth || !DropDownForm() || !FExColGrid)
        return;
    const int width = FExColGrid->RequiredWidth();
    FExColGrid->SetAlign(alNone);
    FExColGrid->SetWidth(width);
    DropDownForm()->SetWidth(FExColGrid->Width() + 2 * DropDownBorderWidth());
    FExColGrid->SetAlign(alClient);
}

void TCustomExGridDropDown::DoDropDown() {
    TExCustomDropDown::DoDropDown();
    if (!FUseItems && FExColGrid)
        while (FColumns->Count() < FExColGrid->ColCount())
            FColumns->Add();
    if (!DroppedDown() || !FExColGrid)
        return;
    SizeColumnsToDropDown();
    TExColGrid& grid = *FExColGrid;
    if (grid.VisibleRowCount() + grid.FixedRows() < grid.RowCount()) {
        if (grid.VisibleRowCount() + grid.TopRow() <= grid.Row() || grid.Row() < grid.TopRow())
            grid.SetTopRow(grid.Row());
    }
    // The row the opening made current is the one a confirmed closing takes until the user
    // moves: Enter at once keeps the chosen item.
    FSelRow = grid.Row();
    grid.SetTabStop(true);
    if (grid.CanFocus())
        grid.SetFocus();
}

void TCustomExGridDropDown::SizeColumnsToDropDown() {
    if (!FColumnSizeWithDropDown || !FExColGrid || !DropDownForm())
        return;
    TExColGrid& grid = *FExColGrid;
    grid.SetScrollBars(ssVertical);
    if (FColumns->Count() == 0)
        return;
    int total = 1;
    for (int i = 0; i < FColumns->Count(); ++i)
        total += FColumns->GetItem(i)->Width();
    int available = DropDownForm()->Width();
    if (grid.VisibleRowCount() < grid.RowCount() - grid.FixedRows())
        available -= GetSystemMetrics(SM_CXVSCROLL);
    const double ratio = static_cast<double>(available) / total;
    double carry = 0;
    for (int i = 0; i < FColumns->Count() && i < grid.ColCount(); ++i) {
        const double exact = FColumns->GetItem(i)->Width() * ratio;
        const int rounded = static_cast<int>(std::nearbyint(exact));
        carry += exact - rounded;
        if (carry > 1.0) {
            grid.SetColWidths(i, rounded + 1);
            carry -= 1.0;
        } else {
            grid.SetColWidths(i, rounded);
        }
    }
}

void TCustomExGridDropDown::DoHideDropDown(bool Cancelled) {
    if (DropDownForm() && DropDownForm()->Visible()) {
        if (Cancelled) {
            SetItemIndex(FOldItemIndex);
        } else if (FExColGrid && FExColGrid->ConfirmSelection()) {
            SetItemIndex(FUseItems ? ItemOfRow(FSelRow) : FSelRow - FExColGrid->FixedRows());
            FOldItemIndex = FItemIndex;
            FExColGrid->SetConfirmSelection(false);
        }
    }
    TExCustomDropDown::DoHideDropDown(Cancelled);
}

// --- choosing in the grid ------------------------------------------------------------------------

void TCustomExGridDropDown::GridSelectCell(int ACol, int ARow) {
    if (!FExColGrid)
        return;
    FSelRow = ARow;
    if (FExColGrid->MouseWheelSelection())
        return;
    if (FUseItems) {
        SetItemIndex(ItemOfRow(ARow));
        return;
    }
    const bool completing = FCompleting;
    FCompleting = true;
    SetText(GridCell(FLookupColumn, ARow));
    FCompleting = completing;
    SetItemIndex(ARow - FExColGrid->FixedRows());
}

void TCustomExGridDropDown::GridSelect() {
    if (!FExColGrid)
        return;
    if (FExColGrid->ConfirmSelection())
        SetItemIndex(FUseItems ? ItemOfRow(FExColGrid->Row())
                               : FExColGrid->Row() - FExColGrid->FixedRows());
    if (!FGridEditable)
        DoHideDropDown(false);
    FireEvent(OnSelect, static_cast<TObject*>(this));
}

void TCustomExGridDropDown::GridCanSort() {
    FTempItemIndex = FItemIndex;
}

void TCustomExGridDropDown::GridClickSort() {
    if (!FExColGrid)
        return;
    const int row = RowOfItem(FTempItemIndex);
    if (row >= 0 && row < FExColGrid->RowCount())
        FExColGrid->SetRow(row);
}

} // namespace GridDropDown
