// The in-place rich editor starts each cell afresh: text typed into an empty cell takes no
// format from the cell edited before it.
#include "ExGridEditingTestGrid.h"

#include "grid/stringgrid/ExRichEdit.h"
#include "platform/core/RtfText.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using EditingTest::TEditingForm;

TEST(RichEditFreshForEachCell, TextTypedIntoAnEmptyCellTakesNoFormatFromTheCellBefore) {
    struct Case {
        const char* Name;
        TRtfCharFormat Format;
    };
    TRtfCharFormat bold;
    bold.Bold = true;
    TRtfCharFormat red;
    red.Color = 0x0000FF;
    TRtfCharFormat large;
    large.SizeHalfPoints = 48;
    for (const Case& c : {Case{"bold", bold}, Case{"red", red}, Case{"large", large}}) {
        SCOPED_TRACE(c.Name);
        TEditingForm f{edRichEdit};
        f.Grid->OfferFake = false;
        f.Grid->SetCells(1, 1, WriteRtf({{"Alarm", c.Format}}));
        TExRichEdit* editor = f.Grid->InplaceRichEdit();
        InputSimulation::KeyPress(f.Grid, VK_F2);
        ASSERT_TRUE(editor->Visible());
        InputSimulation::KeyPress(editor, VK_END, 0, TShiftState{ssCtrl});
        f.ClickCell(1, 2);
        ASSERT_EQ(f.Grid->Row(), 2);
        InputSimulation::KeyPress(f.Grid, VK_F2);
        ASSERT_TRUE(editor->Visible());
        InputSimulation::TypeChar(editor, 'x');
        f.ClickCell(3, 4);
        const TRtfRuns runs = ReadRtf(f.Grid->Cells(1, 2));
        ASSERT_EQ(RtfPlainText(runs), "x");
        EXPECT_FALSE(runs.front().Format.Bold);
        EXPECT_FALSE(runs.front().Format.Color.has_value() &&
                     *runs.front().Format.Color == 0x0000FF);
        EXPECT_NE(runs.front().Format.SizeHalfPoints, 48);
    }
}

} // namespace
