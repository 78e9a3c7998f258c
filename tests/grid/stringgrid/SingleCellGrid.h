#pragma once

#include "ExGridTestGrid.h"

#include <cstdlib>
#include <string>

// Exchange tests that hand a file to another program skip when it is not installed.
inline bool HaveProgram(const std::string& program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

// The grid as one normal cell holding `text`: what a file holds is then that cell alone.
inline void MakeSingleCell(TTestExGrid& grid, const std::string& text) {
    grid.SetFixedRows(0);
    grid.SetFixedCols(0);
    grid.SetColCount(1);
    grid.SetRowCount(1);
    grid.SetCells(0, 0, text);
}
