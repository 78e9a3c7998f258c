#include "grid/dropdown/DbgList.h"

#include "platform/core/Exception.h"

namespace {

void CheckIndex(int index, int count, const char* access) {
    if (index < 0 || index >= count)
        throw Exception(std::string("Index out of bounds in list ") + access + " access");
}

} // namespace

void TDbgList::Delete(int Index) {
    CheckIndex(Index, Count(), "write");
    FItems.erase(FItems.begin() + Index);
}

void* TDbgList::GetItemsEx(int Index) const {
    CheckIndex(Index, Count(), "read");
    return FItems[static_cast<size_t>(Index)];
}

void TDbgList::SetItemsEx(int Index, void* Value) {
    CheckIndex(Index, Count(), "write");
    FItems[static_cast<size_t>(Index)] = Value;
}

void TDbgList::AssignList(const TDbgList& ListA) {
    if (&ListA != this)
        FItems = ListA.FItems;
}
