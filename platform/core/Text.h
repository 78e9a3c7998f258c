#pragma once

#include <string>
#include <string_view>
#include <vector>

// Trimming removes every character <= ' ' at the ends (control characters too).
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

// ASCII letters only; other bytes, UTF-8 sequences included, pass unchanged.
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
bool SameText(std::string_view a, std::string_view b);

bool StartsWith(std::string_view text, std::string_view prefix);
// Every non-overlapping occurrence, left to right; an empty `from` changes nothing.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// The parts with `separator` between them (none after the last).
std::string Join(const std::vector<std::string>& parts, std::string_view separator);
