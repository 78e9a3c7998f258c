#pragma once

#include <string>

// Opens a link with the desktop's opener; a link that cannot be opened says so in a message box
// instead of doing nothing.
void Open_Link_Or_Tell(const std::string& link);
