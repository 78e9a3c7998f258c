#include "grid/dropdown/ExMultiColumnDropDown.h"

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExMultiColumnDropDownColGrid.h"
#include "grid/dropdown/ItemSelector.h"
#include "grid/stringgrid/FooterAppearance.h"
#include "grid/stringgrid/HeaderAppearance.h"
#include "platform/core/CodePage.h"
#include "platform/ui/Font.h"
#include "platform/ui/Screen.h"

#include <cmath>

using MultiColumnDropDown::TDropDownColumns;
using MultiColumnDropDown::TDropDownItems;
using MultiColumnDropDown::TExColGrid;

namespace {
constexpr int ColumnListHeight = 180;
constexpr int MultiColumnPopupHeight = 200;
} // namespace

TExMultiColumnDropDown::TExMultiColumnDropDown(TComponent* AOwner)
    : TExColumnListDropDown(AOwner, true) {
    FItems = std::make_unique<TDropDownItems>(this);
    CreateControls();
    // The base applied its style before this object existed: the preset's header font now; the
    // header colours and lines then take the values of a new control.
    ApplyListStyle(tsOffice2007Luna);
    FHeaderColorTo = 0x808080;
    FHeaderColor = 0xFFFFFF;
    FLineColor = 0xC0C0C0;
    SetDropDownColor(0xFFFFFF);
    SetDropDownHeight(MultiColumnPopupHeight);
    SetAutoSelect(true);
    SetSelectionColorStyle(scOffice2007);
    FSelectionTextColor = 0;
}

TExMultiColumnDropDown::~TExMultiColumnDropDown() = default;

int TExMultiColumnDropDown::RowCount() const {
    return FItems->Count();
}

std::string TExMultiColumnDropDown::LookupEntry() const {
    return Utf16ToUtf8(FLookupEntry);
}

int TExMultiColumnDropDown::GetItemIndex(const std::string& Value) const {
    return FItems->IndexInColumn(FLookupColumn, Value);
}

void TExMultiColumnDropDown::UpdateLookupItems() {
    FLookupItems.Clear();
    if (FLookupColumn < 0)
        return;
    for (int i = 0; i < FItems->Count(); ++i)
        FLookupItems.Add(FItems->GetItem(i)->TextAt(FLookupColumn));
}

void TExMultiColumnDropDown::SetText(const std::string& Value) {
    const bool programWrite = FProgramWrite;
    FProgramWrite = true;
    TExCustomDropDown::SetText(Value);
    FProgramWrite = programWrite;
}

void TExMultiColumnDropDown::SetItemIndex(int Value) {
    if (Value >= FItems->Count())
        return;
    FItemIndex = Value < 0 ? -1 : Value;
    if (FItemIndex >= 0)
        SetText(FItems->GetItem(FItemIndex)->TextAt(FLookupColumn));
    else
        SetText("");
}

void TExMultiColumnDropDown::Assign(const TObject* Source) {
    TExCustomDropDown::Assign(Source);
    const auto* source = dynamic_cast<const TExMultiColumnDropDown*>(Source);
    if (!source || source == this)
        return;
    FCaseSensitive = source->FCaseSensitive;
    FDropDownAutoWidth = source->FDropDownAutoWidth;
    FDropDownRowHeight = source->FDropDownRowHeight;
    FColumnSizing = source->FColumnSizing;
    FColumnSizeWithDropDown = source->FColumnSizeWithDropDown;
    FColumns->Assign(source->FColumns.get());
    AssignListLook(*source);
    FLookupColumn = source->FLookupColumn;
    FSelectionTextColor = source->FSelectionTextColor;
    FItems->Assign(source->FItems.get());
    FItemIndex = source->FItemIndex;
}

// --- the popup -----------------------------------------------------------------------------------

void TExMultiColumnDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    if (!DropDownForm() || FExColGrid)
        return;
    FExColGrid = new TExColGrid(this);
    FExColGrid->SetParent(DropDownForm()->ClientArea());
    FExColGrid->AttachDropDown(this);
    FExColGrid->SetBounds(0, 0, FExColGrid->Width(), ColumnListHeight);
    FExColGrid->SetColor(DropDownColor());
    FExColGrid->SetDoubleBuffered(true);
}

void TExMultiColumnDropDown::DoBeforeDropDown() {
    TExCustomDropDown::DoBeforeDropDown();
    if (DropDownForm())
        DropDownForm()->SetCancelOnDeActivate(false);
    FShowing = true;
    if (FExColGrid) {
        FExColGrid->LoadFromDropDown(this);
        FExColGrid->SetOptions(FExColGrid->Options() << goThumbTracking);
        FExColGrid->SetColor(DropDownColor());
        FExColGrid->OnSelectCell = [this](TObject*, int, int ARow, bool&) { ListSelectCell(ARow); };
        FExColGrid->OnSelect = [this](TObject*) { ListSelect(); };
        if (FExColGrid->RowCount() > FExColGrid->FixedRows())
            FExColGrid->SetRow(std::max(ListRowOfItem(), FExColGrid->FixedRows()));
    }
    FOldItemIndex = FItemIndex;
}

void TExMultiColumnDropDown::SizeDropDownForm() {
    TExCustomDropDown::SizeDropDownForm();
    if (!FDropDownAutoWidth || !DropDownForm() || !FExColGrid)
        return;
    FExColGrid->SetWidth(FExColGrid->RequiredWidth());
    DropDownForm()->SetWidth(FExColGrid->Width() + 2 * DropDownBorderWidth());
}

void TExMultiColumnDropDown::AdjustDropDownHeight(int& Height) {
    int bars = 0;
    if (DropDownHeader()->Visible())
        bars += DropDownHeader()->Height();
    if (DropDownFooter()->Visible())
        bars += DropDownFooter()->Height();
    const int rows = (Height - bars - FHeaderHeight - 2) / FDropDownRowHeight;
    Height = bars + FHeaderHeight + rows * FDropDownRowHeight + 2;
}

void TExMultiColumnDropDown::PlaceDropDownControl() {
    SetControl(FExColGrid);
    TExCustomDropDown::PlaceDropDownControl();
}

void TExMultiColumnDropDown::DoDropDown() {
    TExCustomDropDown::DoDropDown();
    SizeColumnsToDropDown();
    if (FExColGrid && FExColGrid->RowCount() > 1) {
        const int row = std::max(ListRowOfItem(), 1);
        if (row < FExColGrid->RowCount()) {
            FExColGrid->SetRow(row);
            const TRect cell = FExColGrid->CellRect(FExColGrid->FixedCols(), row);
            if (cell.Left <= 0 && cell.Top <= 0)
                FExColGrid->SetTopRow(row - FExColGrid->VisibleRowCount() + 1);
        }
    }
    FShowing = false;
}

void TExMultiColumnDropDown::DoHideDropDown(bool Cancelled) {
    if (!DropDownForm() || !DropDownForm()->Visible()) {
        TExCustomDropDown::DoHideDropDown(Cancelled);
        return;
    }
    TExCustomDropDown::DoHideDropDown(Cancelled);
    if (Cancelled) {
        // The base brought back the text of the opening; the index follows it, also to none
        // (writing -1 would empty a text typed before the opening).
        if (FOldItemIndex >= 0)
            SetItemIndex(FOldItemIndex);
        else
            FItemIndex = -1;
        return;
    }
    if (FExColGrid && FExColGrid->ConfirmSelection())
        ChooseRow(FExColGrid->Row());
    FOldItemIndex = FItemIndex;
}

int TExMultiColumnDropDown::ListRowOfItem() const {
    // Items reloaded shorter than the selection leave the index behind: it shows no row then.
    return FItemIndex >= 0 && FItemIndex < FItems->Count() ? FItemIndex + 1 : 0;
}

void TExMultiColumnDropDown::SizeColumnsToDropDown() {
    if (!FColumnSizeWithDropDown || !FExColGrid || !DropDownForm())
        return;
    FExColGrid->SetScrollBars(ssVertical);
    if (FColumns->Count() == 0)
        return;
    double total = 1;
    for (int i = 0; i < FColumns->Count(); ++i)
        total += FColumns->GetItem(i)->Width();
    double available = DropDownForm()->Width();
    if (FExColGrid->VisibleRowCount() < FExColGrid->RowCount() - FExColGrid->FixedRows())
        available -= GetSystemMetrics(SM_CXVSCROLL);
    const double ratio = available / total;
    double carry = 0;
    for (int i = 0; i < FColumns->Count() && i < FExColGrid->ColCount(); ++i) {
        const double exact = FColumns->GetItem(i)->Width() * ratio;
        // Halves to the even neighbour, as the default rounding mode does.
        const double rounded = std::nearbyint(exact);
        carry += exact - rounded;
        int width = static_cast<int>(rounded);
        if (carry > 1.0) {
            ++width;
            carry -= 1.0;
        }
        FExColGrid->SetColWidths(i, width);
    }
}

void TExMultiColumnDropDown::ChooseRow(int ARow) {
    // A list without items keeps one row, which is no item.
    if (ARow >= 1 && ARow - 1 < FItems->Count())
        SetItemIndex(ARow - 1);
}

void TExMultiColumnDropDown::ListSelectCell(int ARow) {
    if (FExColGrid && !FExColGrid->MouseWheelSelection() && !FShowing)
        ChooseRow(ARow);
}

void TExMultiColumnDropDown::ListSelect() {
    if (!FExColGrid)
        return;
    if (FExColGrid->ConfirmSelection())
        ChooseRow(FExColGrid->Row());
    DoHideDropDown(false);
    FireEvent(OnSelect, static_cast<TObject*>(this));
}
