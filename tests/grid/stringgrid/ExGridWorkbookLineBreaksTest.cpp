// Every line break of a cell reaches the workbook as a line break: a lone CR, as the grid's
// editor and its other exchange formats treat it, is not dropped.
#include "ExGridTestGrid.h"
#include "support/TempFolder.h"

#include "platform/office/Workbook.h"

#include <gtest/gtest.h>

namespace {

TEST(ExGridWorkbookLineBreaks, EveryBreakOfACellReachesTheWorkbook) {
    struct Case {
        std::string Cell;
        std::string Sheet; // a workbook cell's line break is one LF
    };
    const Case cases[] = {
        {"cr\rend", "cr\nend"},
        {"crlf\r\nend", "crlf\nend"},
        {"lf\nend", "lf\nend"},
        {"two\r\rbreaks", "two\n\nbreaks"},
    };
    TTempFolder folder;
    TTestExGrid grid(nullptr);
    grid.SetFixedRows(0);
    grid.SetFixedCols(0);
    grid.SetColCount(1);
    grid.SetRowCount(static_cast<int>(std::size(cases)));
    for (size_t r = 0; r < std::size(cases); ++r)
        grid.SetCells(0, static_cast<int>(r), cases[r].Cell);
    grid.SaveToXLS(folder.File("breaks.xlsx"));
    const auto workbook = TWorkbook::Open(folder.File("breaks.xlsx"));
    for (size_t r = 0; r < std::size(cases); ++r)
        EXPECT_EQ(workbook->Sheet(1).Cell(static_cast<int>(r) + 1, 1).Text, cases[r].Sheet)
            << r;
}

} // namespace
