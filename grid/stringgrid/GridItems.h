#pragma once

#include "platform/ui/Object.h"

#include <memory>
#include <string>
#include <vector>

// The cells of a row taken out of the grid: one text and one object slot per real column.
struct TGridRowCells {
    std::vector<std::string> Texts;
    std::vector<TObject*> Objects;

    int Count() const { return static_cast<int>(Texts.size()); }
    // Grows the row with empty cells so that Index exists.
    void Reach(int Index) {
        if (Index >= Count()) {
            Texts.resize(Index + 1);
            Objects.resize(Index + 1, nullptr);
        }
    }
};

// A hidden row: its real index, its height when it was hidden, its cells and the filter level
// that hid it.
class TGridItem : public TObject {
public:
    int Idx = 0;
    int Height = 0;
    int Level = 0;
    TGridRowCells Items;
};

// The store of hidden rows.
class TGridItems : public TObject {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TGridItem* Items(int Index) const { return FItems.at(static_cast<size_t>(Index)).get(); }
    TGridItem* Add() { return FItems.emplace_back(std::make_unique<TGridItem>()).get(); }
    // The item of the hidden real row ARealRow, or nullptr.
    TGridItem* FindRow(int ARealRow) const {
        for (const auto& item : FItems)
            if (item->Idx == ARealRow)
                return item.get();
        return nullptr;
    }

private:
    std::vector<std::unique_ptr<TGridItem>> FItems;
};
