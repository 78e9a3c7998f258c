// The aligned text report.
#include "ExGridTestGrid.h"

#include <gtest/gtest.h>

namespace {

TEST(ExGridASCII, ColumnsAreAsWideAsTheirLongestLinePlusOneBlank) {
    TTestExGrid grid(nullptr);
    grid.SetFixedRows(0);
    grid.SetFixedCols(0);
    grid.SetColCount(2);
    grid.SetRowCount(2);
    grid.SetCells(0, 0, "abc");
    grid.SetCells(0, 1, "de");
    grid.SetCells(1, 0, "x");
    grid.SetCells(1, 1, "Grüße");
    EXPECT_EQ(grid.ASCIILines(), (std::vector<std::string>{"abc x     ", "de  Grüße "}));
}

TEST(ExGridASCII, WideColumnsKeepTheirWholeWidth) {
    TTestExGrid grid(nullptr);
    grid.SetFixedRows(0);
    grid.SetFixedCols(0);
    grid.SetColCount(2);
    grid.SetRowCount(1);
    grid.SetCells(0, 0, std::string(300, 'w'));
    grid.SetCells(1, 0, "z");
    EXPECT_EQ(grid.ASCIILines()[0], std::string(300, 'w') + " z ");
}

TEST(ExGridASCII, RightAlignedTextIsPaddedInFrontAndExtraLinesFollowTheRow) {
    TTestExGrid grid(nullptr);
    grid.SetFixedRows(0);
    grid.SetFixedCols(0);
    grid.Multilinecells = true;
    grid.SetColCount(2);
    grid.SetRowCount(1);
    grid.SetCells(0, 0, "ab");
    grid.SetCells(1, 0, "1\r\n22\n333");
    grid.SetDefaultAlignment(taRightJustify);
    EXPECT_EQ(grid.ASCIILines(), (std::vector<std::string>{"ab   1 ", "    22", "   333"}));
}

} // namespace
