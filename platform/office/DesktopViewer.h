#pragma once

#include <string>

// Opens a file in the desktop's program for its kind. Throws EOfficeError with the opener's
// message when nothing could open it.
void ShowInDesktopProgram(const std::string& fileName);
