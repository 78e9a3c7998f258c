#include "grid/foundation/ThemeNotifier.h"

#include "grid/foundation/ExStyleIF.h"
#include "grid/foundation/ListIndex.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"

#include <algorithm>

namespace {
TThemeNotifier* ThemeNotifierInstance = nullptr;
}

void THandleList::Insert(int Index, TWinControl* Handle) {
    CheckListIndex(Index, Count() + 1);
    FItems.insert(FItems.begin() + Index, Handle);
}

void THandleList::Delete(int Index) {
    CheckListIndex(Index, Count());
    FItems.erase(FItems.begin() + Index);
}

void THandleList::DeleteValue(const TWinControl* Handle) {
    auto found = std::find(FItems.begin(), FItems.end(), Handle);
    if (found != FItems.end())
        FItems.erase(found);
}

bool THandleList::HasValue(const TWinControl* Handle) const {
    return std::find(FItems.begin(), FItems.end(), Handle) != FItems.end();
}

TWinControl* THandleList::GetInteger(int Index) const {
    CheckListIndex(Index, Count());
    return FItems[static_cast<size_t>(Index)];
}

void THandleList::SetInteger(int Index, TWinControl* Handle) {
    CheckListIndex(Index, Count());
    FItems[static_cast<size_t>(Index)] = Handle;
}

TThemeNotifier::TThemeNotifier(TComponent* AOwner) : TComponent(AOwner) {
    FWatching = !ComponentState().Contains(csDesigning) && GetOfficeVersion() > 0;
}

TThemeNotifier::~TThemeNotifier() {
    if (ThemeNotifierInstance == this)
        ThemeNotifierInstance = nullptr;
}

void TThemeNotifier::RegisterWindow(TWinControl* Handle) {
    if (FWatching && !FWindows.HasValue(Handle))
        FWindows.Add(Handle);
}

void TThemeNotifier::UnRegisterWindow(TWinControl* Handle) {
    if (FWatching)
        FWindows.DeleteValue(Handle);
}

TThemeNotifier* GetThemeNotifier(TComponent* AOwner) {
    if (ThemeNotifierInstance == nullptr) {
        TComponent* owner = AOwner;
        if (Application != nullptr && Application->MainForm() != nullptr)
            owner = Application->MainForm();
        ThemeNotifierInstance = new TThemeNotifier(owner);
    }
    return ThemeNotifierInstance;
}
