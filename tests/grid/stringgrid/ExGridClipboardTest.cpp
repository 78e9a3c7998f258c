// Copy, cut and paste of cells through the platform clipboard.
#include "ExGridTestGrid.h"

#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ClipboardText.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/Clipboard.h"

#include <gtest/gtest.h>

namespace {

// Every kind of text a cell may hold that a clipboard text could lose.
const std::vector<std::string> ClipboardHardTexts = {
    "plain",    "",     "say \"hi\"", "\"quoted\"", "a\tb",     "x\r\ny",      "bare\rcr",
    "bare\nlf", "\r\n", "Grüße €",    "\"",         "tail\r\n", " lead blank", "\"a\"\r\n\"b\"",
};

class ExGridClipboard : public ::testing::Test {
protected:
    void SetUp() override {
        for (TTestExGrid* grid : {&Source, &Target}) {
            grid->SetFixedRows(0);
            grid->SetFixedCols(0);
            grid->SetOptions(grid->Options() << goEditing);
        }
    }
    TTestExGrid Source{nullptr};
    TTestExGrid Target{nullptr};
};

TEST(ClipboardText, EveryHardTextReadsBackAsOneField) {
    for (bool excel : {false, true}) {
        for (const std::string& text : ClipboardHardTexts) {
            const TClipboardBlock block =
                ParseClipboardText(ClipboardField(text, excel) + "\tz", excel);
            ASSERT_EQ(block.Lines.size(), 1u) << text;
            ASSERT_EQ(block.Lines[0].size(), 2u) << text;
            EXPECT_EQ(block.Lines[0][0], text);
            EXPECT_EQ(block.Lines[0][1], "z");
        }
    }
}

TEST(ClipboardText, ReadsOtherProgramsLineEnds) {
    struct Case {
        std::string Text;
        std::vector<std::vector<std::string>> Lines;
        bool EndsWithBreak;
    };
    const std::vector<Case> cases = {
        {"a\tb\r\nc\td\r\n", {{"a", "b"}, {"c", "d"}}, true},
        {"a\nb\n", {{"a"}, {"b"}}, true},
        {"a\rb", {{"a"}, {"b"}}, false},
        {"\"open\tx", {{"\"open", "x"}}, false}, // a quote never closed is plain text
        {"\"two\nlines\"\tx", {{"two\nlines", "x"}}, false},
        {"", {}, false},
        {"\t", {{"", ""}}, false},
    };
    for (const Case& c : cases) {
        const TClipboardBlock block = ParseClipboardText(c.Text, false);
        EXPECT_EQ(block.Lines, c.Lines) << c.Text;
        EXPECT_EQ(block.EndsWithLineBreak, c.EndsWithBreak) << c.Text;
    }
}

TEST_F(ExGridClipboard, SingleCellHasNoLineEndAndRowsEndWithCrLf) {
    Source.SetColCount(2);
    Source.SetRowCount(2);
    Source.SetCells(0, 0, "abc");
    Source.SetCells(1, 0, "d");
    Source.SetCells(0, 1, "e");
    EXPECT_EQ(Source.BuildSelectionText({0, 0, 0, 0}, false), "abc");
    EXPECT_EQ(Source.BuildSelectionText({0, 0, 1, 1}, false), "abc\td\r\ne\t\r\n");
}

TEST_F(ExGridClipboard, CopyAndPasteRoundTripEveryTextThroughThePlatformClipboard) {
    const int cols = 3;
    const int rows = static_cast<int>(ClipboardHardTexts.size());
    Source.SetColCount(cols);
    Source.SetRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            Source.SetCells(c, r, ClipboardHardTexts[(r + c) % ClipboardHardTexts.size()]);
    Source.SetSelection({0, 0, cols - 1, rows - 1});
    Source.CopySelectionToClipboard();

    // A target smaller than the block grows before anything is written.
    Target.SetColCount(1);
    Target.SetRowCount(1);
    Target.SetSelection({0, 0, 0, 0});
    Target.PasteSelectionFromClipboard();
    ASSERT_EQ(Target.ColCount(), cols);
    ASSERT_EQ(Target.RowCount(), rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            EXPECT_EQ(Target.Cells(c, r), Source.Cells(c, r)) << c << "," << r;
}

TEST_F(ExGridClipboard, CellsCopiedBetweenGridsKeepTheirPropertiesThroughTheCellStream) {
    Source.Navigation()->AllowFmtClipboard = true;
    Target.Navigation()->AllowFmtClipboard = true;
    Source.SetColCount(2);
    Source.SetRowCount(2);
    Source.SetCells(1, 1, "red");
    Source.SetColors(1, 1, clRed);
    Source.SetSelection({0, 0, 1, 1});
    Source.CopySelectionToClipboard();
    ASSERT_TRUE(Clipboard()->HasFormat(GridCellsClipboardFormat));

    Target.SetColCount(4);
    Target.SetRowCount(4);
    Target.SetSelection({2, 2, 2, 2});
    Target.PasteSelectionFromClipboard();
    EXPECT_EQ(Target.Cells(3, 3), "red");
    EXPECT_EQ(Target.Colors(3, 3), clRed) << "only the cell stream carries the colour";
}

TEST_F(ExGridClipboard, PasteWithoutGrowingNeverWritesPastTheLastRowOrColumn) {
    Target.Navigation()->AllowClipboardColGrow = false;
    Target.Navigation()->AllowClipboardRowGrow = false;
    Target.SetColCount(2);
    Target.SetRowCount(2);
    EXPECT_EQ(Target.PasteText(1, 1, "a\tb\tc\r\nd\te\r\n"), 6);
    EXPECT_EQ(Target.ColCount(), 2);
    EXPECT_EQ(Target.RowCount(), 2);
    EXPECT_EQ(Target.Cells(1, 1), "a");
    EXPECT_EQ(Target.Cells(0, 0), "");
}

TEST_F(ExGridClipboard, PasteSkipsReadOnlyCellsUnlessAlwaysAllowed) {
    Target.SetColCount(2);
    Target.SetRowCount(1);
    Target.OnCanEditCell = [](TObject*, int, int ACol, bool& CanEdit) { CanEdit = ACol != 1; };
    Target.PasteText(0, 0, "a\tb");
    EXPECT_EQ(Target.Cells(0, 0), "a");
    EXPECT_EQ(Target.Cells(1, 0), "");
    Target.Navigation()->AllowClipboardAlways = true;
    Target.PasteText(0, 0, "a\tb");
    EXPECT_EQ(Target.Cells(1, 0), "b");
}

TEST_F(ExGridClipboard, CutEmptiesTheSelectionAfterCopying) {
    Source.SetColCount(2);
    Source.SetRowCount(2);
    Source.SetCells(0, 0, "x\r\ny");
    Source.SetCells(1, 1, "z");
    Source.SetSelection({0, 0, 1, 1});
    Source.CutSelectionToClipboard();
    EXPECT_EQ(Source.Cells(0, 0), "");
    EXPECT_EQ(Source.Cells(1, 1), "");
    EXPECT_EQ(Clipboard()->AsText(), "\"x\r\ny\"\t\r\n\tz\r\n");
}

TEST_F(ExGridClipboard, SmartPasteRepeatsAValueOrContinuesASeries) {
    struct Case {
        std::string Text;
        std::vector<std::string> Expected;
    };
    const std::vector<Case> cases = {
        {"1\r\n2\r\n", {"1", "2", "3", "4"}},
        {"a\r\nb\r\n", {"a", "b", "a", "b"}},
        {"7", {"7", "7", "7", "7"}},
        {"1.5\r\n2\r\n", {"1.50", "2.00", "2.50", "3.00"}},
    };
    const TFormatSettings pointDecimals; // the series' numbers do not depend on the machine
    OverrideFormatSettings(&pointDecimals);
    for (const Case& c : cases) {
        TTestExGrid grid(nullptr);
        grid.SetFixedRows(0);
        grid.SetFixedCols(0);
        grid.SetOptions(grid.Options() << goEditing);
        grid.Navigation()->AllowSmartClipboard = true;
        grid.SetColCount(1);
        grid.SetRowCount(4);
        Clipboard()->SetAsText(c.Text);
        grid.SetSelection({0, 0, 0, 3});
        grid.PasteSelectionFromClipboard();
        for (int r = 0; r < 4; ++r)
            EXPECT_EQ(grid.Cells(0, r), c.Expected[r]) << c.Text << " row " << r;
    }
    OverrideFormatSettings(nullptr);
}

TEST_F(ExGridClipboard, ASingleValueFillsTheSelectionFiringTheEventsForTheOtherCells) {
    Target.Navigation()->AllowSmartClipboard = true;
    Target.SetColCount(3);
    Target.SetRowCount(2);
    int before = 0;
    int after = 0;
    Target.OnClipboardBeforePasteCell = [&](TObject*, int, int, std::string&, bool&) { ++before; };
    Target.OnClipboardAfterPasteCell = [&](TObject*, int, int, const std::string&) { ++after; };
    Clipboard()->SetAsText("v");
    Target.SetSelection({0, 0, 2, 1});
    Target.PasteSelectionFromClipboard();
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 2; ++r)
            EXPECT_EQ(Target.Cells(c, r), "v");
    // One for the pasted cell itself, five for the repeated value.
    EXPECT_EQ(before, 6);
    EXPECT_EQ(after, 6);
}

TEST_F(ExGridClipboard, HTMLCopyPutsTheFragmentAsHTMLFormatAndText) {
    Source.SetColCount(1);
    Source.SetRowCount(1);
    Source.SetCells(0, 0, "cell");
    Source.CopyToClipBoardAsHTML();
    const std::string html = Clipboard()->FormatData(TClipboard::RegisterFormat("HTML Format"));
    EXPECT_TRUE(html.starts_with("Version:1.0\r\n"));
    EXPECT_NE(html.find(">cell</td>"), std::string::npos);
    EXPECT_EQ(Clipboard()->AsText(), html);
}

TEST_F(ExGridClipboard, SelectionAsTextWritesRawCellsAndGrows) {
    Target.SetColCount(1);
    Target.SetRowCount(1);
    Target.SetSelection({0, 0, 0, 0});
    Target.SetSelectionAsText("a\t\"b\r\nc\"\r\nd\r\n");
    EXPECT_EQ(Target.ColCount(), 2);
    EXPECT_EQ(Target.RowCount(), 2);
    EXPECT_EQ(Target.Cells(1, 0), "b\r\nc");
    EXPECT_EQ(Target.Cells(0, 1), "d");
}

} // namespace
