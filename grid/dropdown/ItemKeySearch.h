#pragma once

#include "platform/ui/Keys.h"

#include <string>

class TComponent;
class TExCustomItemSelector;
class TTimer;

// The key search of the pickers' item lists: the characters typed within half a second of the
// first one are looked up as the start of an item's caption.
class TItemKeySearch {
public:
    // The timer that ends a search is owned by Owner.
    explicit TItemKeySearch(TComponent* Owner);
    ~TItemKeySearch();
    TItemKeySearch(const TItemKeySearch&) = delete;
    TItemKeySearch& operator=(const TItemKeySearch&) = delete;

    // Adds the character of a search key and selects the first item starting with the search;
    // false (and nothing searched) for keys that type no character.
    bool Type(WORD Key, TExCustomItemSelector& Selector);
    // Ends the search, as the timer does.
    void Clear();
    const std::string& Text() const { return FText; }

private:
    TTimer* FTimer; // owned by the owner component
    std::string FText;
};
