// The cell decisions of a column grid come from the item of the column asked about, with the
// string grid's events still running after it.
#include "grid/stringgrid/ExCGrid.h"

#include "grid/foundation/Bands.h"
#include "grid/foundation/CellProperties.h"
#include "grid/stringgrid/CellGraphic.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class TTestColumnGrid : public TExColumnGrid {
public:
    using TExColumnGrid::CellEditLimit;
    using TExColumnGrid::CellEditMask;
    using TExColumnGrid::GetDefaultCellProperties;
    using TExColumnGrid::SetComponentState;

    TTestColumnGrid() : TExColumnGrid(nullptr) {
        SetColCount(4);
        SetRowCount(6);
    }
    TGridColumnItem* Item(int i) { return Columns()->GetItem(i); }
};

TEST(ExCGridHooks, TheColumnsEditorKindComesBeforeTheWindowsHandler) {
    TTestColumnGrid grid;
    grid.Item(2)->SetEditor(edComboList);
    grid.Item(3)->SetEditor(edDataCheckBox);
    TEditorType seenByHandler = edNone;
    grid.OnGetEditorType = [&](TObject*, int, int, TEditorType& editor) { seenByHandler = editor; };
    struct Case {
        int col, row;
        TEditorType expected;
    } cases[] = {
        {2, 1, edComboList}, {3, 4, edDataCheckBox},
        {1, 1, edNormal},    {2, 0, edNormal}, // fixed row: the column's editor does not apply
        {0, 2, edNormal},                      // fixed column
        {9, 2, edNormal},                      // no item
    };
    for (const Case& c : cases) {
        TEditorType editor = edNormal;
        grid.GetEditorType(c.col, c.row, editor);
        EXPECT_EQ(editor, c.expected) << c.col << "," << c.row;
        EXPECT_EQ(seenByHandler, c.expected) << c.col << "," << c.row;
    }
}

TEST(ExCGridHooks, TheEditorKindQueryHandsTheColumnsEditorSettingsOn) {
    TTestColumnGrid grid;
    TGridColumnItem* item = grid.Item(2);
    item->SetEditor(edSpinEdit);
    item->SpinMin = -5;
    item->SpinMax = 20;
    item->SpinStep = 5;
    item->DropDownCount = 12;
    item->ComboItems()->Add("one");
    item->ComboItems()->Add("two");
    item->SetFloatFormat("%.3f");
    TEditorType editor = edNormal;
    grid.GetEditorType(2, 3, editor);
    EXPECT_EQ(grid.ColumnEditor.SpinMin, -5);
    EXPECT_EQ(grid.ColumnEditor.SpinMax, 20);
    EXPECT_EQ(grid.ColumnEditor.SpinStep, 5);
    EXPECT_EQ(grid.ColumnEditor.DropDownCount, 12);
    EXPECT_EQ(grid.ColumnEditor.ComboItems.Text(), "one\ntwo");
    EXPECT_EQ(grid.FloatFormat, "%.3f");
}

TEST(ExCGridHooks, DataCellsTakeTheColumnsCheckTextsEvenOverTheWindowsHandler) {
    TTestColumnGrid grid;
    grid.Item(2)->CheckTrue = "on";
    grid.Item(2)->CheckFalse = "off";
    grid.OnGetCheckTrue = [](TObject*, int, int, std::string& value) { value = "handler"; };
    struct Case {
        int col, row;
        std::string checkTrue, checkFalse;
    } cases[] = {
        {2, 3, "on", "off"},
        {1, 3, "Y", "N"},       // the initial texts of a column also replace the handler's
        {2, 0, "handler", "N"}, // header row: the grid's texts and events
    };
    for (const Case& c : cases) {
        std::string value;
        grid.GetCheckTrue(c.col, c.row, value);
        EXPECT_EQ(value, c.checkTrue) << c.col << "," << c.row;
        grid.GetCheckFalse(c.col, c.row, value);
        EXPECT_EQ(value, c.checkFalse) << c.col << "," << c.row;
    }
}

TEST(ExCGridHooks, EmptyCellsOfADataCheckBoxColumnAreVirtualCheckBoxes) {
    TTestColumnGrid grid;
    grid.Item(2)->SetEditor(edDataCheckBox);
    EXPECT_EQ(grid.GetCellType(2, 3), ctDataCheckBox);
    EXPECT_EQ(grid.GetCellType(2, 0), ctEmpty) << "header cell";
    EXPECT_EQ(grid.GetCellType(1, 3), ctEmpty) << "other column";

    TCellGraphic* shared = grid.GetCellGraphic(2, 3);
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared->CellType, ctVirtCheckBox);
    EXPECT_EQ(grid.GetCellGraphic(2, 4), shared) << "one graphic for every such cell";
    EXPECT_EQ(grid.GetCellGraphic(2, 0), nullptr);
    EXPECT_EQ(grid.GetCellGraphic(1, 3), nullptr);
}

TEST(ExCGridHooks, ReadOnlyAndFixedColumnsRefuseEditingAndTheHandlerDecidesLast) {
    struct Case {
        const char* name;
        bool readOnly, fixed, cellReadOnly;
        int handler; // -1 no handler, else the handler's answer
        int col, row;
        bool expected;
    } cases[] = {
        {"plain column", false, false, false, -1, 2, 3, true},
        {"read-only column", true, false, false, -1, 2, 3, false},
        {"fixed column", false, true, false, -1, 2, 3, false},
        {"read-only cell", false, false, true, -1, 2, 3, false},
        {"handler allows a read-only column", true, false, false, 1, 2, 3, true},
        {"handler refuses", false, false, false, 0, 2, 3, false},
        {"header row", false, false, false, -1, 2, 0, false},
        {"fixed column of the grid", false, false, false, -1, 0, 3, false},
    };
    for (const Case& c : cases) {
        TTestColumnGrid grid;
        grid.Item(c.col)->ReadOnly = c.readOnly;
        grid.Item(c.col)->SetFixed(c.fixed);
        if (c.cellReadOnly)
            grid.GetCellProperties(c.col, c.row)->SetReadOnly(true);
        if (c.handler >= 0)
            grid.OnCanEditCell = [&](TObject*, int, int, bool& canEdit) {
                canEdit = c.handler == 1;
            };
        bool canEdit = !c.expected; // the incoming value plays no part
        grid.QueryCanEdit(c.col, c.row, canEdit);
        EXPECT_EQ(canEdit, c.expected) << c.name;
    }
}

TEST(ExCGridHooks, NothingIsEditableWhileLoading) {
    TTestColumnGrid grid;
    grid.SetComponentState(csLoading, true);
    bool canEdit = true;
    grid.QueryCanEdit(2, 3, canEdit);
    EXPECT_FALSE(canEdit);
    grid.SetComponentState(csLoading, false);
}

TEST(ExCGridHooks, FixedPasswordAndComboColumns) {
    TTestColumnGrid grid;
    grid.Item(1)->SetFixed(true);
    grid.Item(2)->SetPassword(true);
    grid.Item(3)->SetEditor(edComboEdit);

    bool isFixed = false;
    grid.IsFixedCell(1, 3, isFixed);
    EXPECT_TRUE(isFixed);
    isFixed = false;
    grid.IsFixedCell(2, 3, isFixed);
    EXPECT_FALSE(isFixed);

    bool isPassword = false;
    grid.CheckPasswordCell(2, 3, isPassword);
    EXPECT_TRUE(isPassword);

    EXPECT_TRUE(grid.HasComboBox(3, 2));
    EXPECT_FALSE(grid.HasComboBox(3, 0));
    EXPECT_FALSE(grid.HasComboBox(2, 2));
    grid.OnHasComboBox = [](TObject*, int, int, bool& has) { has = !has; };
    EXPECT_FALSE(grid.HasComboBox(3, 2)) << "the handler has the last word";
}

TEST(ExCGridHooks, AlignmentComesFromTheColumnUnlessTheCellHasItsOwn) {
    TTestColumnGrid grid;
    grid.Item(2)->SetAlignment(taRightJustify);
    grid.Item(2)->SetHeaderAlignment(taCenter);
    grid.GetCellProperties(2, 4)->SetAlignment(taLeftJustify);
    struct Case {
        int row;
        TAlignment expected;
    } cases[] = {{0, taCenter}, {3, taRightJustify}, {4, taLeftJustify}};
    for (const Case& c : cases) {
        TAlignment h = taCenter;
        TVAlignment v = vtaTop;
        grid.GetAlignment(2, c.row, h, v);
        EXPECT_EQ(h, c.expected) << c.row;
    }
}

TEST(ExCGridHooks, ColoursAndFontsComeFromTheColumnAndACellsOwnColourWins) {
    TTestColumnGrid grid;
    TGridColumnItem* item = grid.Item(2);
    item->SetColor(clYellow);
    item->Font()->SetColor(clRed);
    item->HeaderFont()->SetColor(clBlue);
    grid.GetCellProperties(2, 4)->SetBrushColor(clLime);
    struct Case {
        int row;
        TColor brush, font;
    } cases[] = {{0, clWhite, clBlue}, {3, clYellow, clRed}, {4, clLime, clRed}};
    for (const Case& c : cases) {
        TBrush brush;
        brush.SetColor(clWhite);
        TFont font;
        grid.GetCellColor(2, c.row, TGridDrawState{}, &brush, &font);
        EXPECT_EQ(brush.Color(), c.brush) << c.row;
        EXPECT_EQ(font.Color(), c.font) << c.row;
    }
    item->SetFixed(true);
    TBrush brush;
    TFont font;
    grid.GetCellColor(2, 3, TGridDrawState{}, &brush, &font);
    EXPECT_EQ(brush.Color(), grid.FixedColor());
}

TEST(ExCGridHooks, BordersSortFormatAndSizeLimitsComeFromTheColumn) {
    TTestColumnGrid grid;
    TGridColumnItem* item = grid.Item(2);
    item->SetBorders(TCellBorders{cbLeft});
    TPen pen;
    pen.SetWidth(3);
    pen.SetColor(clMaroon);
    item->SetBorderPen(pen);
    item->SortStyle = ssNumeric;
    item->SortPrefix = "$";
    item->MinSize = 40;
    item->MaxSize = 90;

    TCellBorders borders;
    TPen cellPen;
    grid.GetCellBorder(2, 3, &cellPen, borders);
    EXPECT_EQ(borders, TCellBorders{cbLeft});
    EXPECT_EQ(cellPen.Width(), 3);
    EXPECT_EQ(cellPen.Color(), clMaroon);

    TSortStyle style = ssAutomatic;
    std::string prefix, suffix;
    grid.GetFormat(2, style, prefix, suffix);
    EXPECT_EQ(style, ssNumeric);
    EXPECT_EQ(prefix, "$");

    for (auto [asked, expected] : {std::pair{10, 40}, {60, 60}, {200, 90}}) {
        int width = asked;
        grid.UpdateColumnSize(2, width);
        EXPECT_EQ(width, expected) << asked;
    }
}

TEST(ExCGridHooks, NumbersAreShownInTheColumnsFloatFormat) {
    TTestColumnGrid grid;
    grid.Item(2)->SetFloatFormat("%.1f");
    grid.SetCells(2, 3, "2.25");
    grid.SetCells(2, 4, "abc");
    EXPECT_EQ(grid.GetFormattedCell(2, 3), "2.2");
    EXPECT_EQ(grid.GetFormattedCell(2, 4), "abc");
    EXPECT_EQ(grid.GetColumnFloatFormat(2, 3), "%.1f");
    EXPECT_EQ(grid.GetColumnFloatFormat(1, 3), grid.FloatFormat);
    grid.OnGetFloatFormat = [](TObject*, int, int, bool&, std::string& format) { format = "%.3f"; };
    EXPECT_EQ(grid.GetFormattedCell(2, 3), "2.250");
    // A format that does not fit the value shows the text, as the string grid's cells do.
    grid.OnGetFloatFormat = nullptr;
    grid.Item(2)->SetFloatFormat("%d");
    EXPECT_EQ(grid.GetFormattedCell(2, 3), "2.25");
    grid.SetCells(2, 3, "7");
    EXPECT_EQ(grid.GetFormattedCell(2, 3), "7");
}

TEST(ExCGridHooks, NewCellPropertiesStartFromTheColumnsLook) {
    TTestColumnGrid grid;
    grid.Item(2)->SetColor(clAqua);
    grid.Item(2)->SetAlignment(taRightJustify);
    TFont font;
    TBrush brush;
    TColor colorTo = clRed, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaBottom;
    bool ww = false;
    TCellGradientDirection gd = GradientHorizontal;
    grid.GetDefaultCellProperties(2, 3, &font, &brush, colorTo, mirror, mirrorTo, ha, va, ww, gd);
    EXPECT_EQ(brush.Color(), clAqua);
    EXPECT_EQ(colorTo, clNone);
    EXPECT_EQ(ha, taRightJustify);
    EXPECT_EQ(va, grid.VAlignment());
    EXPECT_EQ(gd, GradientVertical);
    grid.Item(2)->SetShowBands(true);
    grid.Bands()->SetActive(true);
    grid.GetDefaultCellProperties(2, 3, &font, &brush, colorTo, mirror, mirrorTo, ha, va, ww, gd);
    EXPECT_EQ(brush.Color(), clNone) << "banded columns take their colour from the bands";
}

TEST(ExCGridHooks, TheEditLimitAndMaskComeFromTheCurrentColumn) {
    TTestColumnGrid grid;
    grid.Item(2)->EditLength = 8;
    grid.Item(2)->EditMask = "999";
    grid.SetMaxEditLength(30);
    grid.SetCol(2);
    EXPECT_EQ(grid.CellEditLimit(), 8);
    EXPECT_EQ(grid.CellEditMask(2, 3), "999");
    grid.SetCol(1);
    EXPECT_EQ(grid.CellEditLimit(), 0) << "the column's own 0: no limit";
    EXPECT_EQ(grid.CellEditMask(1, 3), "");
    grid.SetCol(0);
    EXPECT_EQ(grid.CellEditLimit(), 30) << "a fixed column keeps the grid's limit";
}

} // namespace
