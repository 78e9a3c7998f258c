#include "grid/dropdown/ItemSelector.h"

#include "platform/ui/ImgList.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Messages.h"

#include <algorithm>

bool IsItemSearchKey(WORD Key) {
    return Key == VK_SPACE || (Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z');
}

int ListStepTarget(TListStep Step, int Current, int Count) {
    if (Count <= 0)
        return -1;
    switch (Step) {
    case TListStep::First:
        return 0;
    case TListStep::Last:
        return Count - 1;
    case TListStep::Next:
        return Current < 0 ? 0 : (Current + 1 < Count ? Current + 1 : -1);
    case TListStep::Previous:
        return Current < 0 ? 0 : Current - 1;
    }
    return -1;
}

TExCustomItemSelector::TExCustomItemSelector(TComponent* AOwner)
    : TScrollingWinControl(AOwner), FItems(std::make_unique<TSelectorItems>(this)),
      FItemAppearance(std::make_unique<TItemAppearance>()) {
    FItems->OnChange = [this](TObject*) { ItemsChanged(); };
    SetAutoScroll(true);
    CreateSelectorPanel();
    UpdateSelectorPanel();
}

TExCustomItemSelector::~TExCustomItemSelector() {
    // The panel reads the items while it goes.
    delete FItemSelectorPanel;
    FItemSelectorPanel = nullptr;
}

void TExCustomItemSelector::WndProc(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        // Tab too: in a picker's popup it leaves the picker, which the picker decides.
        Message.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS | DLGC_WANTTAB;
        return;
    }
    TScrollingWinControl::WndProc(Message);
}

void TExCustomItemSelector::CreateSelectorPanel() {
    if (FItemSelectorPanel)
        return;
    FItemSelectorPanel = new TCustomItemSelector(this);
    FItemSelectorPanel->SetParent(this);
    FItemSelectorPanel->OnItemSelect = [this](TObject*) {
        FireEvent(OnItemSelect, static_cast<TObject*>(this));
    };
}

void TExCustomItemSelector::ItemsChanged() {
    if (FItemSelectorPanel && FItemSelectorPanel->ItemIndex() >= FItems->Count())
        FItemSelectorPanel->SetItemIndex(-1);
    UpdateSelectorPanel();
}

void TExCustomItemSelector::UpdateSelectorPanel() {
    if (FItemSelectorPanel)
        FItemSelectorPanel->UpdateItems();
}

int TExCustomItemSelector::ItemIndex() const {
    return FItemSelectorPanel ? FItemSelectorPanel->ItemIndex() : -1;
}

void TExCustomItemSelector::SetItemIndex(int Value) {
    if (!FItemSelectorPanel)
        return;
    FItemSelectorPanel->SetItemIndex(Value);
    ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

int TExCustomItemSelector::ItemHot() const {
    return FItemSelectorPanel ? FItemSelectorPanel->ItemHot() : -1;
}

void TExCustomItemSelector::SetLayoutValue(int& Field, int Value) {
    if (Field == Value)
        return;
    Field = Value;
    UpdateSelectorPanel();
}

void TExCustomItemSelector::SetSelectorType(TSelectorType Value) {
    if (FSelectorType == Value)
        return;
    FSelectorType = Value;
    UpdateSelectorPanel();
}

void TExCustomItemSelector::SetColumns(int Value) {
    if (Value > 0)
        SetLayoutValue(FColumns, Value);
}

void TExCustomItemSelector::SetColorBoxWidth(int Value) {
    SetLayoutValue(FColorBoxWidth, Value);
}

void TExCustomItemSelector::SetColorBoxHeight(int Value) {
    SetLayoutValue(FColorBoxHeight, Value);
}

void TExCustomItemSelector::SetImages(TImageList* Value) {
    if (FImages == Value)
        return;
    FImages = Value;
    UpdateSelectorPanel();
}

void TExCustomItemSelector::Notification(TComponent* AComponent, bool Removing) {
    TScrollingWinControl::Notification(AComponent, Removing);
    if (Removing && AComponent && AComponent == FImages)
        FImages = nullptr;
}

// --- stepping, each keeping the item it reaches in view ------------------------------------------

void TExCustomItemSelector::SelectFirst() {
    if (FItemSelectorPanel) {
        FItemSelectorPanel->SelectFirst();
        ScrollItemInView(FItemSelectorPanel->ItemIndex());
    }
}

void TExCustomItemSelector::SelectLast() {
    if (FItemSelectorPanel) {
        FItemSelectorPanel->SelectLast();
        ScrollItemInView(FItemSelectorPanel->ItemIndex());
    }
}

void TExCustomItemSelector::SelectNext() {
    if (FItemSelectorPanel) {
        FItemSelectorPanel->SelectNext();
        ScrollItemInView(FItemSelectorPanel->ItemIndex());
    }
}

void TExCustomItemSelector::SelectPrevious() {
    if (FItemSelectorPanel) {
        FItemSelectorPanel->SelectPrevious();
        ScrollItemInView(FItemSelectorPanel->ItemIndex());
    }
}

void TExCustomItemSelector::HotNext() {
    if (FItemSelectorPanel) {
        FItemSelectorPanel->HotNext();
        ScrollItemInView(FItemSelectorPanel->ItemHot());
    }
}

void TExCustomItemSelector::HotPrevious() {
    if (FItemSelectorPanel) {
        FItemSelectorPanel->HotPrevious();
        ScrollItemInView(FItemSelectorPanel->ItemHot());
    }
}

bool TExCustomItemSelector::LookupItem(const std::string& S) {
    return FItemSelectorPanel && FItemSelectorPanel->LookupItem(S);
}

void TExCustomItemSelector::ScrollItemInView(int Index) {
    if (!FItemSelectorPanel || Index < 0 || Index >= FItems->Count() ||
        !VertScrollBar()->IsScrollBarVisible())
        return;
    TRect r = FItemSelectorPanel->GetItemRect(Index);
    // Panel to host client coordinates.
    OffsetRect(r, FItemSelectorPanel->Left(), FItemSelectorPanel->Top());
    const int clientHeight = ClientHeight();
    if (r.Top < 0) {
        VertScrollBar()->SetPosition(VertScrollBar()->Position() + r.Top);
    } else if (r.Bottom > clientHeight) {
        // A cell taller than the view shows its top.
        if (r.Height() > clientHeight)
            r.Bottom = r.Top + clientHeight;
        VertScrollBar()->SetPosition(VertScrollBar()->Position() + r.Bottom - clientHeight);
    }
}

int TExCustomItemSelector::GetVisibleItemCount() const {
    if (!FItemSelectorPanel || FItems->Count() == 0)
        return 0;
    const int cellHeight = FItemSelectorPanel->GetItemRect(0).Height();
    if (cellHeight <= 0)
        return 0;
    const int height = Height() - (HorzScrollBar()->IsScrollBarVisible() ? 20 : 0);
    return height / cellHeight * FColumns;
}

int TExCustomItemSelector::PageStepTarget(bool Down, int LastIndex) const {
    const int page = GetVisibleItemCount();
    if (page < 1)
        return -1;
    return Down ? std::min(ItemIndex() + page, LastIndex) : std::max(ItemIndex() - page, 0);
}

TSize TExCustomItemSelector::GetPanelSize() const {
    if (!FItemSelectorPanel)
        return {100, 50};
    return {FItemSelectorPanel->Width(), FItemSelectorPanel->Height()};
}
