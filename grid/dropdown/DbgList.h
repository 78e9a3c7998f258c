#pragma once

#include <vector>

// A list of pointers whose indexed access is checked: a bad index raises an exception naming
// whether it was a read or a write.
class TDbgList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    void Add(void* Item) { FItems.push_back(Item); }
    void Clear() { FItems.clear(); }
    void Delete(int Index);
    void* GetItemsEx(int Index) const;
    void SetItemsEx(int Index, void* Value);
    // Becomes a copy of ListA, in its order.
    void AssignList(const TDbgList& ListA);

private:
    std::vector<void*> FItems;
};
