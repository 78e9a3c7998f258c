#pragma once

#include <string>
#include <string_view>
#include <vector>

// The state of a grid's columns as one string: "N#widths#order#visibility", the last three
// comma-separated lists. Widths are those of display columns 0..N-1, the order list says for
// each position the column it held before any move (empty: never moved), and one flag per real
// column says whether it is on show ("1") or hidden ("0").
struct TColumnStates {
    int Count = 0;
    std::vector<int> Widths;
    std::vector<int> Order;
    std::vector<bool> Visible;
};

std::string FormatColumnStates(const TColumnStates& States);

// Reads a column state string completely before anything uses it. False, with Why saying what
// is wrong, for a string that does not describe Count columns: fields missing, a count below 1,
// fewer widths or flags than columns, a value that is no integer, a negative width, an order
// list that is not a permutation of the columns (entries of -1 are passed over), or no column
// left on show.
bool ParseColumnStates(std::string_view Text, TColumnStates& States, std::string& Why);
