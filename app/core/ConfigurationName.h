#pragma once

#include <string_view>

// Whether the text may name a configuration folder inside PROJECTS: not empty, not "." or "..",
// and free of separators and control characters, so it can neither leave PROJECTS nor hide
// characters the user cannot see.
bool Is_Valid_Configuration_Name(std::string_view name);
