#pragma once

#include <functional>
#include <string>

// Completing what was typed into a drop-down's edit from a list of entries: the first entry that
// starts with the text before the caret (compared in upper case unless MatchCase) gives the rest
// of the text, while the typed part keeps its letters.
struct TTypedCompletion {
    int Index = -1;        // the entry found; -1 for none
    int TypedLength = 0;   // UTF-16 units before the caret
    std::string Typed;     // the text before the caret
    std::string Completed; // the typed part and the entry's rest, at most 255 UTF-16 units
};

TTypedCompletion CompleteTypedText(const std::string& Text, int Caret, int Count,
                                   const std::function<std::string(int)>& Entry, bool MatchCase);
