#pragma once

#include <cstddef>
#include <string_view>

// Whether the text may name a configuration folder inside PROJECTS: not empty, not "." or "..",
// and free of separators and control characters, so it can neither leave PROJECTS nor hide
// characters the user cannot see.
bool Is_Valid_Configuration_Name(std::string_view name);

// The longest name a folder can have on the file system, in bytes of its UTF-8 text.
inline constexpr size_t Configuration_Name_Max_Bytes = 255;
