#pragma once

// For the .cpp files of platform/ui only: file dialog filters in the form the dialogs take.

#include <string>
#include <vector>

// One entry per description of a "description|*.a;*.b|..." filter, as "description (*.a *.b)".
// A description that already ends with the same patterns in parentheses keeps them once; an
// entry without patterns takes every file.
std::vector<std::string> FileDialogFilters(const std::string& filter);
