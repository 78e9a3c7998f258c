#pragma once

#include <string>

class TCanvas;

// The desktop's icons standing in for the shell's: of an existing file or folder, of a file
// type by its name's extension when no such file exists, or of one of the desktop's standard
// places when the path is a number (an index into the shell's icon list).
namespace ShellIcons {
// Small icons are 16 pixels square, large ones 32.
int IconSize(bool Large);
void Draw(TCanvas* Canvas, int X, int Y, const std::string& Path, bool Large);
} // namespace ShellIcons
