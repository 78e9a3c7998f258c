// While typing in a rich-text cell with SizeWhileTyping.Height, the row grows only as long as
// it still ends inside the grid: a row near the bottom edge stops at the edge.
#include "ExGridEditingTestGrid.h"

#include "grid/stringgrid/ExRichEdit.h"
#include "grid/stringgrid/SizeWhileTyping.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

namespace {

using EditingTest::TEditingForm;

TEST(RichEditGrowsWithinTheGrid, OnlyARowThatStillEndsInsideTheGridGrows) {
    struct Case {
        int Row;
        int MinGrowth; // at least this much taller after the lines
    };
    for (const Case c : {Case{1, 60}, Case{5, 0}}) {
        SCOPED_TRACE(c.Row);
        TEditingForm f{edRichEdit};
        f.Grid->OfferFake = false;
        f.Grid->SizeWhileTyping()->Height = true;
        f.Grid->FocusCell(1, c.Row, true);
        const int height = f.Grid->RowHeights(c.Row);
        InputSimulation::KeyPress(f.Grid, VK_F2);
        TExRichEdit* editor = f.Grid->InplaceRichEdit();
        ASSERT_TRUE(editor->Visible());
        for (const char* line : {"one", "two", "three", "four", "five", "six"}) {
            for (const char* p = line; *p; ++p)
                InputSimulation::TypeChar(editor, static_cast<TChar>(*p));
            InputSimulation::KeyPress(editor, VK_RETURN, '\r');
        }
        f.Pump();
        const int grown = f.Grid->RowHeights(c.Row);
        EXPECT_GE(grown - height, c.MinGrowth) << height << " -> " << grown;
        EXPECT_LE(f.Grid->CellRect(1, c.Row).Top + grown, f.Grid->Height() + 5)
            << "a grown row still ends inside the grid";
    }
}

} // namespace
