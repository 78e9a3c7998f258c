#pragma once

#include <string>

// Where saved column widths and positions live: an INI file, or a registry key, which on this
// platform is an INI file of the same name under the user's configuration folder.
enum TColumnSizeLocation { clRegistry, clIniFile };

struct TColumnSizeStorage {
    std::string Key;     // the INI file name, or the registry key below the user's root
    std::string Section; // the section (registry: subkey) that holds the values
    TColumnSizeLocation Location = clRegistry;
};
