// Typed and indexed cell access.
#include "ExGridTestGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/GridRowMover.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/Font.h"
#include "platform/ui/Panel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

// Locale settings for one test, put back afterwards.
class ScopedSettings {
public:
    explicit ScopedSettings(const TFormatSettings& settings) : FSettings(settings) {
        OverrideFormatSettings(&FSettings);
    }
    ~ScopedSettings() { OverrideFormatSettings(nullptr); }

private:
    TFormatSettings FSettings;
};

TFormatSettings CommaDecimals() {
    TFormatSettings settings;
    settings.DecimalSeparator = ",";
    settings.ThousandSeparator = ".";
    settings.DateSeparator = ".";
    settings.ShortDateFormat = "dd/mm/yyyy";
    return settings;
}

TEST(ExGridInts, ReadsTheStrippedTrimmedText) {
    struct Case {
        const char* Text;
        int Value;
    };
    const Case cases[] = {{" 42 ", 42}, {"", 0}, {"-", 0}, {"<b>7</b>", 7}, {"-13", -13}};
    TTestExGrid grid(nullptr);
    for (const Case& c : cases) {
        grid.SetCells(1, 1, c.Text);
        EXPECT_EQ(grid.Ints(1, 1), c.Value) << c.Text;
    }
}

TEST(ExGridInts, RefusesTextsThatAreNoWholeNumber) {
    TTestExGrid grid(nullptr);
    for (const char* text : {"4x", "1.5", "twelve", "99999999999"}) {
        grid.SetCells(1, 1, text);
        try {
            (void)grid.Ints(1, 1);
            ADD_FAILURE() << text;
        } catch (const ROvoVariRodev& error) {
            EXPECT_EQ(error.Message, "Cell does not contain integer value");
        }
        EXPECT_EQ(grid.Cells(1, 1), text);
    }
}

TEST(ExGridInts, WritesTheDecimalText) {
    TTestExGrid grid(nullptr);
    grid.SetInts(2, 3, -705);
    EXPECT_EQ(grid.Cells(2, 3), "-705");
    grid.SetAllInts(2, 4, 9);
    EXPECT_EQ(grid.AllInts(2, 4), 9);
}

TEST(ExGridFloats, ReadsLocaleNumbers) {
    ScopedSettings comma(CommaDecimals());
    struct Case {
        const char* Text;
        double Value;
    };
    const Case cases[] = {{"1.234,5", 1234.5}, {"(3)", -3}, {"", 0}, {"-", 0}, {"-0,25", -0.25}};
    TTestExGrid grid(nullptr);
    for (const Case& c : cases) {
        grid.SetCells(1, 1, c.Text);
        EXPECT_DOUBLE_EQ(grid.Floats(1, 1), c.Value) << c.Text;
    }
}

TEST(ExGridFloats, RefusesTextsThatAreNoNumber) {
    TTestExGrid grid(nullptr);
    grid.SetCells(1, 1, "1.2.3");
    EXPECT_THROW((void)grid.Floats(1, 1), ROvoVariRodev);
    grid.SetCells(1, 1, "1e");
    try {
        (void)grid.AllFloats(1, 1);
        ADD_FAILURE();
    } catch (const ROvoVariRodev& error) {
        EXPECT_EQ(error.Message, "Cell does not contain a float value");
    }
    // Characters before the number are no part of it: a text without digits reads as 0.
    grid.SetCells(1, 1, "abc");
    EXPECT_EQ(grid.Floats(1, 1), 0);
}

TEST(ExGridFloats, WritesWithTheFloatFormat) {
    TTestExGrid grid(nullptr);
    grid.SetFloats(1, 1, 3.14159);
    EXPECT_EQ(grid.Cells(1, 1), "3.14");
    grid.FloatFormat = "%.4f";
    grid.SetAllFloats(1, 2, 2.5);
    EXPECT_EQ(grid.Cells(1, 2), "2.5000");
    ScopedSettings comma(CommaDecimals());
    grid.FloatFormat = "%.1f";
    grid.SetFloats(1, 3, 2.25);
    EXPECT_EQ(grid.Cells(1, 3), "2,2");
}

TEST(ExGridFloats, AFloatFormatThatDoesNotTakeANumberIsRefused) {
    TTestExGrid grid(nullptr);
    grid.SetCells(1, 1, "kept");
    for (const char* format : {"%s", "%d", "%n%n%n%f", "%.2f %f", "%999999f", "%*f"}) {
        grid.FloatFormat = format;
        EXPECT_THROW(grid.SetFloats(1, 1, 1.5), EConvertError) << format;
        EXPECT_EQ(grid.Cells(1, 1), "kept");
    }
}

TEST(ExGridDates, NullDatesAreShownOnlyWhenAskedFor) {
    TFormatSettings settings;
    settings.ShortDateFormat = "mm/dd/yyyy";
    ScopedSettings scoped(settings);
    TTestExGrid grid(nullptr);
    grid.SetCells(1, 1, "x");
    grid.ShowNullDates = false;
    grid.SetDates(1, 1, 0);
    EXPECT_EQ(grid.Cells(1, 1), "");
    grid.ShowNullDates = true;
    grid.SetDates(1, 1, 0);
    EXPECT_EQ(grid.Cells(1, 1), "12/30/1899");
}

TEST(ExGridDates, RoundTripInTheLocaleFormat) {
    ScopedSettings comma(CommaDecimals());
    TTestExGrid grid(nullptr);
    const TDateTime date = TGridDate::EncodeDate(2026, 12, 10);
    grid.SetDates(1, 1, date);
    EXPECT_EQ(grid.Cells(1, 1), "10.12.2026");
    EXPECT_EQ(grid.Dates(1, 1), date);
    grid.SetCells(1, 1, "31.02.2026");
    EXPECT_THROW((void)grid.Dates(1, 1), EConvertError);
}

TEST(ExGridTimes, RoundTripInTheLocaleFormat) {
    TTestExGrid grid(nullptr);
    TDateTime time = 0;
    ASSERT_TRUE(TGridDate::TryEncodeTime(14, 5, 9, 0, time));
    grid.SetTimes(1, 1, time);
    EXPECT_EQ(grid.Cells(1, 1), "14:05:09");
    EXPECT_NEAR(grid.Times(1, 1), time, 1e-9);
    grid.SetCells(1, 1, "25:00");
    EXPECT_THROW((void)grid.Times(1, 1), EConvertError);
}

TEST(ExGridAllCells, ReachHiddenRowsByRealIndex) {
    TTestExGrid grid(nullptr);
    grid.SetCells(1, 5, "stored");
    grid.HideRow(5);
    ASSERT_TRUE(grid.IsHiddenRow(5));
    EXPECT_EQ(grid.AllCells(1, 5), "stored");
    EXPECT_EQ(grid.AllCells(40, 5), "");
    grid.SetAllCells(40, 5, "grown");
    EXPECT_EQ(grid.HiddenRowItems(5)->Cells.size(), 41u);
    EXPECT_EQ(grid.AllGridCells(40, 5), "grown");
    EXPECT_THROW(grid.SetAllGridCells(90, 5, "beyond"), Exception);
    grid.SetAllObjects(2, 5, 77);
    EXPECT_EQ(grid.AllObjects(2, 5), 77u);
    // The properties made for the hidden row are freed with the grid (the address sanitizer
    // watches).
}

TEST(ExGridAllCells, RowsOnShowAndNegativeIndexes) {
    TTestExGrid grid(nullptr);
    grid.SetAllCells(2, 3, "on show");
    EXPECT_EQ(grid.Cells(2, 3), "on show");
    EXPECT_EQ(grid.AllCells(-1, 0), "");
    EXPECT_EQ(grid.AllCells(0, -1), "");
    grid.SetAllObjects(1, 1, 5);
    EXPECT_EQ(grid.Objects(1, 1), 5u);
    grid.SetAllWideCells(1, 2, u"\u00e9t\u00e9");
    EXPECT_EQ(grid.Cells(1, 2), "\xc3\xa9t\xc3\xa9");
    EXPECT_EQ(grid.WideCells(1, 2), u"\u00e9t\u00e9");
}

TEST(ExGridSortOrder, UnSortedRowIndexOfANeverSortedGridIsItsArgument) {
    TTestExGrid grid(nullptr);
    for (int row : {0, 1, 7})
        EXPECT_EQ(grid.UnSortedRowIndex(row), row);
    EXPECT_EQ(grid.SortedRowIndex(4), 4);
}

TEST(ExGridSortOrder, UnSortedCellsFollowTheCrossReference) {
    TTestExGrid grid(nullptr);
    for (int k : {3, 1, 2})
        grid.SortRowXRef()->Add(k);
    EXPECT_EQ(grid.UnSortedRowIndex(1), 1);
    EXPECT_EQ(grid.UnSortedRowIndex(3), 0);
    EXPECT_EQ(grid.UnSortedRowIndex(0), 3); // not in the list
    EXPECT_EQ(grid.UnSortedRowIndex(9), 9); // past the list
    EXPECT_EQ(grid.SortedRowIndex(0), 3);
    grid.SetCells(1, 0, "first");
    EXPECT_EQ(grid.UnSortedCells(1, 3), "first");
}

TEST(ExGridColumnOrder, OriginalCellsFollowTheRecordedOrder) {
    TTestExGrid grid(nullptr);
    for (int c : {0, 2, 1, 3, 4})
        grid.ColumnOrder()->Add(c);
    grid.SetCells(2, 1, "moved");
    EXPECT_EQ(grid.OriginalCells(1, 1), "moved");
    EXPECT_EQ(grid.ColumnPosition(9), 9);
}

TEST(ExGridCellProperties, ReadersNeverCreateProperties) {
    TTestExGrid grid(nullptr);
    EXPECT_EQ(grid.Colors(1, 1), clNone);
    EXPECT_EQ(grid.ColorsTo(1, 1), clNone);
    EXPECT_EQ(grid.FontColors(1, 1), clNone);
    EXPECT_EQ(grid.FontSizes(1, 1), 0);
    EXPECT_EQ(grid.FontNames(1, 1), "");
    EXPECT_TRUE(grid.FontStyles(1, 1).Empty());
    EXPECT_EQ(grid.Alignments(1, 1), taLeftJustify);
    EXPECT_FALSE(grid.ReadOnly(1, 1));
    EXPECT_EQ(grid.Gradients(1, 1), GradientVertical);
    EXPECT_EQ(grid.CellControls(1, 1), nullptr);
    EXPECT_EQ(grid.GetCellFont(1, 1), grid.Font());
    EXPECT_FALSE(grid.HasCellProperties(1, 1));
    // Outside the grid too.
    EXPECT_EQ(grid.Colors(-1, 400), clNone);
    // WordWraps alone creates them, starting from the grid's word wrap.
    EXPECT_TRUE(grid.WordWraps(1, 1));
    EXPECT_TRUE(grid.HasCellProperties(1, 1));
}

TEST(ExGridCellProperties, WritersKeepTheirValue) {
    TTestExGrid grid(nullptr);
    grid.SetColors(1, 1, clRed);
    grid.SetColorsTo(1, 1, clBlue);
    grid.SetFontColors(1, 1, clGreen);
    grid.SetFontSizes(1, 1, 14);
    grid.SetFontNames(1, 1, "Courier");
    grid.SetFontStyles(1, 1, TFontStyles{fsItalic});
    grid.SetAlignments(1, 1, taCenter);
    grid.SetReadOnly(1, 1, true);
    grid.SetWordWraps(1, 1, false);
    grid.SetGradients(1, 1, GradientHorizontal);
    EXPECT_EQ(grid.Colors(1, 1), clRed);
    EXPECT_EQ(grid.ColorsTo(1, 1), clBlue);
    EXPECT_EQ(grid.FontColors(1, 1), clGreen);
    EXPECT_EQ(grid.FontSizes(1, 1), 14);
    EXPECT_EQ(grid.FontNames(1, 1), "Courier");
    EXPECT_TRUE(grid.FontStyles(1, 1).Contains(fsItalic));
    EXPECT_EQ(grid.Alignments(1, 1), taCenter);
    EXPECT_TRUE(grid.ReadOnly(1, 1));
    EXPECT_FALSE(grid.WordWraps(1, 1));
    EXPECT_EQ(grid.Gradients(1, 1), GradientHorizontal);
    TFont* font = grid.GetCellFont(1, 1);
    EXPECT_NE(font, grid.Font());
    EXPECT_EQ(font->Name(), "Courier");
    EXPECT_EQ(font->Color(), clGreen);
    TFont copied;
    copied.SetName("Serif");
    copied.SetColor(clMaroon);
    grid.SetCellFont(2, 2, &copied);
    EXPECT_EQ(grid.FontNames(2, 2), "Serif");
    EXPECT_EQ(grid.FontColors(2, 2), clMaroon);
}

TEST(ExGridRowColours, ClearingARowColourFreesPropertiesWithoutGraphics) {
    TTestExGrid grid(nullptr);
    grid.SetRowColor(2, clYellow);
    for (int c = 1; c < grid.AllColCount(); ++c)
        EXPECT_EQ(grid.Colors(c, 2), clYellow) << c;
    EXPECT_FALSE(grid.HasCellProperties(0, 2)) << "fixed columns keep no colour";
    auto* fresh = new TCellGraphic; // a graphic of kind ctNone
    grid.SetGraphicObjects(1, 2, fresh);
    auto* box = new TCellGraphic;
    box->CellType = ctCheckBox;
    grid.SetGraphicObjects(3, 2, box);
    grid.SetRowColor(2, clNone);
    EXPECT_FALSE(grid.HasCellProperties(1, 2));
    EXPECT_TRUE(grid.HasCellProperties(3, 2));
    EXPECT_EQ(grid.Colors(3, 2), clNone);
    EXPECT_FALSE(grid.HasCellProperties(2, 2) && grid.Colors(2, 2) != clNone);
    EXPECT_FALSE(grid.HasCellProperties(4, 3)) << "other rows untouched";
}

TEST(ExGridRowColours, RowColorToAndFontColor) {
    TTestExGrid grid(nullptr);
    grid.SetRowColorTo(1, clAqua);
    EXPECT_EQ(grid.ColorsTo(2, 1), clAqua);
    grid.AddCheckBox(4, 1, true, false);
    grid.SetColors(2, 1, clRed);
    grid.SetRowColorTo(1, clNone); // only the second colour goes
    EXPECT_EQ(grid.ColorsTo(2, 1), clNone);
    EXPECT_EQ(grid.Colors(2, 1), clRed);
    EXPECT_TRUE(grid.HasCheckBox(4, 1));
    grid.SetRowFontColor(1, clRed);
    EXPECT_EQ(grid.FontColors(2, 1), clRed);
    grid.SetColors(3, 1, clNone);
    grid.SetRowFontColor(1, clNone);
    EXPECT_FALSE(grid.HasCellProperties(3, 1));
}

TEST(ExGridFills, LinearFillOfTheNormalCells) {
    TTestExGrid grid(nullptr);
    grid.LinearFill(false);
    EXPECT_EQ(grid.Cells(1, 1), "1:1");
    EXPECT_EQ(grid.Cells(4, 9), "4:9");
    EXPECT_EQ(grid.Cells(0, 0), "");
    EXPECT_EQ(grid.Cells(1, 0), "");
    grid.LinearFill(true);
    EXPECT_EQ(grid.Cells(0, 0), "0:0");
}

TEST(ExGridFills, FillsLeaveRightColumnsAndFooterRowsAlone) {
    TTestExGrid grid(nullptr);
    grid.SetFixedRightCols(1);
    grid.SetFixedFooters(2);
    grid.TextFill(false, "t");
    EXPECT_EQ(grid.Cells(3, 7), "t");
    EXPECT_EQ(grid.Cells(4, 7), "");
    EXPECT_EQ(grid.Cells(3, 8), "");
}

TEST(ExGridFills, FormatAndRandomFills) {
    TTestExGrid grid(nullptr);
    grid.FormatFill(false, "C%dR%d");
    EXPECT_EQ(grid.Cells(2, 5), "C2R5");
    EXPECT_THROW(grid.FormatFill(false, "%s"), EConvertError);
    grid.RandomFill(false, 10);
    for (int r = 1; r < grid.RowCount(); ++r)
        for (int c = 1; c < grid.ColCount(); ++c) {
            const int value = grid.Ints(c, r);
            EXPECT_GE(value, 0);
            EXPECT_LT(value, 10);
        }
    grid.RandomFill(false, 0);
    EXPECT_EQ(grid.Cells(1, 1), "0");
}

TEST(ExGridCurrentCell, ReadsAndWritesTheBaseCellOfAMergedArea) {
    TTestExGrid grid(nullptr);
    ASSERT_TRUE(grid.MergeCells(1, 1, 2, 2));
    grid.SetCells(1, 1, "base");
    grid.SetCol(1);
    grid.SetRow(1);
    EXPECT_EQ(grid.CurrentCell(), "base");
    std::string text;
    grid.GetCurrentCellText(text);
    EXPECT_EQ(text, "base");
    grid.SetCurrentCell("new");
    EXPECT_EQ(grid.GetGridCell(1, 1), "new");
    grid.SetCurrentCellText("edited");
    EXPECT_EQ(grid.Cells(2, 2), "edited");
}

TEST(ExGridSwapCells, ExchangesTextsAndObjects) {
    TTestExGrid grid(nullptr);
    grid.SetCells(1, 1, "a");
    grid.SetColors(1, 1, clRed);
    grid.SetCells(3, 4, "b");
    grid.SwapCells({1, 1}, {3, 4});
    EXPECT_EQ(grid.Cells(1, 1), "b");
    EXPECT_EQ(grid.Cells(3, 4), "a");
    EXPECT_EQ(grid.Colors(3, 4), clRed);
    EXPECT_FALSE(grid.HasCellProperties(1, 1));
    EXPECT_EQ(grid.CellProperties(3, 4)->OwnerCol(), 3);
    EXPECT_EQ(grid.CellProperties(3, 4)->OwnerRow(), 4);
}

TEST(ExGridCellControls, OneItemPerCellAndACount) {
    TTestExGrid grid(nullptr);
    TPanel first(nullptr);
    TPanel second(nullptr);
    grid.SetCellControls(2, 2, &first);
    grid.SetCellControls(2, 2, &second);
    EXPECT_EQ(grid.NumCellControls(), 1);
    EXPECT_EQ(grid.CellControls(2, 2), &second);
    EXPECT_EQ(second.Parent(), &grid);
    grid.SetCellControls(2, 2, nullptr);
    EXPECT_EQ(grid.NumCellControls(), 0);
    EXPECT_EQ(grid.CellControls(2, 2), nullptr);
    first.SetParent(nullptr);
    second.SetParent(nullptr);
}

TEST(ExGridCellText, StrippedTextAndLines) {
    TTestExGrid grid(nullptr);
    grid.SetCells(1, 1, "<b>bold</b> and <i>it</i>");
    EXPECT_EQ(grid.StrippedCells(1, 1), "bold and it");
    grid.SetCells(1, 2, "one\rtwo\rthree");
    EXPECT_EQ(grid.LinesInCell(1, 2), 3);
}

TEST(ExGridCellText, ControlValuesInMiniHTML) {
    TTestExGrid grid(nullptr);
    grid.SetCells(1, 1, "<CONTROL ID=\"ed\" VALUE=\"old\" WIDTH=\"40\" TYPE=\"EDIT\">");
    EXPECT_EQ(grid.ControlValues(1, 1, "ed"), "old");
    EXPECT_EQ(grid.ControlValues(1, 1, "none"), "");
    grid.SetControlValues(1, 1, "ed", "new");
    EXPECT_EQ(grid.ControlValues(1, 1, "ed"), "new");
    const std::string before = grid.Cells(1, 1);
    grid.SetControlValues(1, 1, "none", "x");
    EXPECT_EQ(grid.Cells(1, 1), before);
}

TEST(ExGridAllColWidths, ByRealColumn) {
    TTestExGrid grid(nullptr);
    grid.SetAllColWidths(2, 77);
    EXPECT_EQ(grid.ColWidths(2), 77);
    EXPECT_EQ(grid.AllColWidths(2), 77);
}

} // namespace
