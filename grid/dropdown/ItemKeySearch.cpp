#include "grid/dropdown/ItemKeySearch.h"

#include "grid/dropdown/ItemSelector.h"
#include "platform/ui/Timer.h"

namespace {
constexpr unsigned SearchClearMs = 500;
} // namespace

TItemKeySearch::TItemKeySearch(TComponent* Owner) : FTimer(new TTimer(Owner)) {
    FTimer->SetEnabled(false);
    FTimer->SetInterval(SearchClearMs);
    FTimer->SetOnTimer([this](TObject*) { Clear(); });
}

TItemKeySearch::~TItemKeySearch() {
    // The owner frees the timer after this object; it must not tick into it.
    FTimer->SetEnabled(false);
    FTimer->SetOnTimer(nullptr);
}

bool TItemKeySearch::Type(WORD Key, TExCustomItemSelector& Selector) {
    if (!IsItemSearchKey(Key))
        return false;
    FText += static_cast<char>(Key);
    Selector.LookupItem(FText);
    // A running timer is not restarted: the search ends half a second after its first key.
    if (!FTimer->Enabled())
        FTimer->SetEnabled(true);
    return true;
}

void TItemKeySearch::Clear() {
    FTimer->SetEnabled(false);
    FText.clear();
}
