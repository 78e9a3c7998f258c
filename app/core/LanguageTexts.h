#pragma once

#include <span>

// One built-in English text of the language list.
struct TLanguageText {
    int Slot;
    const char* Text;
};

// Number of slots of the language list.
inline constexpr int Language_Slot_Count = 2800;

// The built-in English texts, in ascending slot order, each slot at most once. Slots missing here
// hold a single blank.
std::span<const TLanguageText> Built_In_Language_Texts();
