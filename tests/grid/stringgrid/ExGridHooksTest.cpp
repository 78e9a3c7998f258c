// The cell decision hooks: the grid's own rule first, then the one event with its own argument
// order.
#include "ExGridTestGrid.h"

#include "grid/foundation/Bands.h"
#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/Grouping.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Screen.h"

#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ExGridEventOrder, CellEventsPassRowOrColumnFirstAsTheirTypeSays) {
    // Each hook is called with column 2, row 5; the event records what it received first.
    TTestExGrid grid(nullptr);
    grid.SetRowCount(8);
    std::vector<std::pair<std::string, std::pair<int, int>>> seen;
    auto record = [&](const char* name, int first, int second) {
        seen.push_back({name, {first, second}});
    };
    grid.OnGetCellColor = [&](TObject*, int a, int b, TGridDrawState, TBrush*, TFont*) {
        record("color", a, b);
    };
    grid.OnGetCellBorder = [&](TObject*, int a, int b, TPen*, TCellBorders&) {
        record("border", a, b);
    };
    grid.OnGetAlignment = [&](TObject*, int a, int b, TAlignment&, TVAlignment&) {
        record("alignment", a, b);
    };
    grid.OnGridHint = [&](TObject*, int a, int b, std::string&) { record("hint", a, b); };
    grid.OnCanEditCell = [&](TObject*, int a, int b, bool&) { record("canedit", a, b); };
    grid.OnIsFixedCell = [&](TObject*, int a, int b, bool&) { record("isfixed", a, b); };
    grid.OnIsPasswordCell = [&](TObject*, int a, int b, bool&) { record("password", a, b); };
    grid.OnGetEditorType = [&](TObject*, int a, int b, TEditorType&) { record("editor", a, b); };
    grid.OnHasComboBox = [&](TObject*, int a, int b, bool&) { record("combo", a, b); };
    grid.OnHasSpinEdit = [&](TObject*, int a, int b, bool&) { record("spin", a, b); };
    grid.OnGetCheckTrue = [&](TObject*, int a, int b, std::string&) { record("checktrue", a, b); };
    grid.OnGetWordWrap = [&](TObject*, int a, int b, bool&) { record("wordwrap", a, b); };
    grid.OnButtonClick = [&](TObject*, int a, int b) { record("button", a, b); };
    grid.OnExpandClick = [&](TObject*, int a, int b, bool) { record("expand", a, b); };
    grid.OnSaveCell = [&](TObject*, int a, int b, std::string&) { record("save", a, b); };
    grid.OnLoadCell = [&](TObject*, int a, int b, std::string&) { record("load", a, b); };
    grid.OnFixedEdit = [&](TObject*, int a, int b, TGridFixedCellEditor&, TStringList*) {
        record("fixededit", a, b);
    };
    grid.OnGetCellCursor = [&](TObject*, int a, int b, int, int, TCursor&) {
        record("cursor", a, b);
    };
    grid.OnComboDropDown = [&](TObject*, int a, int b) { record("dropdown", a, b); };

    TBrush brush;
    TFont font;
    TPen pen;
    TCellBorders borders;
    TAlignment halign = taLeftJustify;
    TVAlignment valign = vtaTop;
    std::string text;
    std::u16string wide;
    bool flag = false;
    TEditorType editor = edNormal;
    TGridFixedCellEditor fixedEditor = fceEdit;
    grid.GetCellColor(2, 5, {}, &brush, &font);
    grid.GetCellBorder(2, 5, &pen, borders);
    grid.GetAlignment(2, 5, halign, valign);
    grid.GridHint(2, 5, text, wide);
    grid.CanEditCell(2, 5, flag);
    grid.IsFixedCell(2, 5, flag);
    grid.CheckPasswordCell(2, 5, flag);
    grid.GetEditorType(2, 5, editor);
    (void)grid.HasComboBox(2, 5);
    (void)grid.HasSpinEdit(2, 5);
    grid.GetCheckTrue(2, 5, text);
    grid.GetWordWrap(2, 5, flag);
    grid.ButtonClick(2, 5);
    grid.ExpandClick(2, 5, true);
    grid.SaveCell(2, 5, text);
    grid.LoadCell(2, 5, "x");
    grid.FixedEdit(2, 5, fixedEditor, nullptr);
    grid.GetCellCursor(2, 5, 0, 0);
    grid.ComboDropDown(5, 2); // the combo hooks take the row first themselves

    const std::vector<std::pair<std::string, std::pair<int, int>>> expected = {
        {"color", {5, 2}},     {"border", {5, 2}},  {"alignment", {5, 2}}, {"hint", {5, 2}},
        {"canedit", {5, 2}},   {"isfixed", {5, 2}}, {"password", {5, 2}},  {"editor", {2, 5}},
        {"combo", {2, 5}},     {"spin", {2, 5}},    {"checktrue", {2, 5}}, {"wordwrap", {2, 5}},
        {"button", {2, 5}},    {"expand", {2, 5}},  {"save", {2, 5}},      {"load", {2, 5}},
        {"fixededit", {2, 5}}, {"cursor", {2, 5}},  {"dropdown", {5, 2}},
    };
    EXPECT_EQ(seen, expected);
}

TEST(ExGridHooks, EventsGetTheGridAsSenderAndTheGridsDefaultToChange) {
    TTestExGrid grid(nullptr);
    TObject* sender = nullptr;
    std::string received;
    grid.OnGetCheckFalse = [&](TObject* Sender, int, int, std::string& Value) {
        sender = Sender;
        received = Value;
        Value = "nein";
    };
    std::string value;
    grid.GetCheckFalse(1, 1, value);
    EXPECT_EQ(sender, &grid);
    EXPECT_EQ(received, "N");
    EXPECT_EQ(value, "nein");
    grid.GetCheckTrue(1, 1, value);
    EXPECT_EQ(value, "Y");
}

TEST(ExGridHooks, HasNoEditorOnlyForAnAnswerOfNone) {
    TTestExGrid grid(nullptr);
    EXPECT_FALSE(grid.HasNoEditor(1, 1));
    grid.OnGetEditorType = [](TObject*, int, int, TEditorType&) {};
    EXPECT_FALSE(grid.HasNoEditor(1, 1));
    grid.OnGetEditorType = [](TObject*, int ACol, int, TEditorType& AEditor) {
        if (ACol == 3)
            AEditor = edNone;
    };
    EXPECT_TRUE(grid.HasNoEditor(3, 1));
    EXPECT_FALSE(grid.HasNoEditor(2, 1));
}

TEST(ExGridHooks, IsFixedCellAsksTheEventOnlyForNormalCells) {
    TTestExGrid grid(nullptr);
    int asked = 0;
    grid.OnIsFixedCell = [&](TObject*, int, int, bool& IsFixed) {
        ++asked;
        IsFixed = true;
    };
    struct Case {
        int Col, Row;
        bool Fixed;
        int AskedAfter;
    };
    const Case cases[] = {{0, 3, true, 0}, {3, 0, true, 0}, {2, 2, true, 1}};
    for (const Case& c : cases) {
        bool fixed = false;
        grid.IsFixedCell(c.Col, c.Row, fixed);
        EXPECT_EQ(fixed, c.Fixed) << c.Col << "," << c.Row;
        EXPECT_EQ(asked, c.AskedAfter) << c.Col << "," << c.Row;
    }
    bool fixed = true;
    grid.IsFixedCell(3, 3, fixed);
    EXPECT_EQ(asked, 1) << "a cell already fixed is not asked about";
}

TEST(ExGridHooks, WithFixedRowAlwaysAndOnlyTheFixedRowsEveryCellIsFixed) {
    TTestExGrid grid(nullptr);
    grid.OnIsFixedCell = [](TObject*, int, int, bool&) { FAIL() << "not asked"; };
    grid.SetFixedRowAlways(true);
    grid.SetRowCount(2);
    grid.SetFixedRows(2);
    ASSERT_EQ(grid.RowCount(), 2);
    bool fixed = false;
    grid.IsFixedCell(3, 1, fixed);
    EXPECT_TRUE(fixed);
}

TEST(ExGridHooks, QueryCanEditWorksOnTheBaseCell) {
    TTestExGrid grid(nullptr);
    grid.SetOptions(grid.Options() + TGridOptions{goEditing});
    ASSERT_TRUE(grid.MergeCells(1, 1, 2, 1));
    grid.SetReadOnly(1, 1, true);
    std::vector<std::pair<int, int>> asked;
    grid.OnCanEditCell = [&](TObject*, int ARow, int ACol, bool&) {
        asked.push_back({ACol, ARow});
    };
    bool canEdit = true;
    grid.QueryCanEdit(2, 1, canEdit);
    EXPECT_FALSE(canEdit);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], std::make_pair(1, 1));
    canEdit = true;
    grid.QueryCanEdit(3, 3, canEdit);
    EXPECT_TRUE(canEdit) << "a cell without properties stays editable";
}

TEST(ExGridHooks, QueryCanEditRefusesCellsOfAGridThatCannotEdit) {
    TTestExGrid grid(nullptr);
    grid.SetOptions(grid.Options() - TGridOptions{goEditing});
    grid.SetColors(2, 2, clRed);
    bool canEdit = true;
    grid.QueryCanEdit(2, 2, canEdit);
    EXPECT_FALSE(canEdit);
    grid.MouseActions()->RangeSelectAndEdit = true;
    canEdit = true;
    grid.QueryCanEdit(2, 2, canEdit);
    EXPECT_TRUE(canEdit);
}

TEST(ExGridHooks, UserDeleteRowEmptiesTheOnlyNormalRowAndStillFires) {
    TTestExGrid grid(nullptr);
    grid.SetRowCount(2);
    std::vector<int> deleted;
    grid.OnAutoDeleteRow = [&](TObject*, int ARow) { deleted.push_back(ARow); };
    grid.UserDeleteRow(1);
    EXPECT_EQ(grid.Calls, std::vector<std::string>{"ClearRows 1 1"});
    EXPECT_EQ(deleted, std::vector<int>{1});
    grid.Calls.clear();
    grid.SetRowCount(5);
    grid.UserDeleteRow(3);
    EXPECT_EQ(grid.Calls, std::vector<std::string>{"RemoveRowRange 3 1"});
    grid.Calls.clear();
    grid.SetRowCount(2);
    grid.SetFixedRowAlways(true);
    grid.UserDeleteRow(1);
    EXPECT_EQ(grid.Calls, std::vector<std::string>{"RemoveRowRange 1 1"});
}

TEST(ExGridHooks, UserRowChangesOfTreeRowsGoToTheirNodes) {
    struct Case {
        int ParentRow;
        const char* Insert;
        const char* Remove;
    };
    const Case cases[] = {{-1, "InsertNormalRow 4", "RemoveNormalRow 4"},
                          {2, "InsertChildRow 4", "RemoveChildRow 4"}};
    for (const Case& c : cases) {
        TTestExGrid grid(nullptr);
        grid.Nodes = true;
        grid.ParentRow = c.ParentRow;
        grid.UserInsertRow(4);
        grid.UserDeleteRow(4);
        const std::vector<std::string> expected = {"GetParentRow 4", c.Insert, "GetParentRow 4",
                                                   c.Remove};
        EXPECT_EQ(grid.Calls, expected);
    }
    TTestExGrid plain(nullptr);
    plain.UserInsertRow(2);
    EXPECT_EQ(plain.Calls, std::vector<std::string>{"InsertRows 2 1"});
}

TEST(ExGridHooks, SaveCellOfAnEmptyCheckBoxCellGivesTheCheckTexts) {
    struct Case {
        TCellType Kind;
        bool Checked;
        const char* Saved;
    };
    const Case cases[] = {{ctCheckBox, true, "Y"},
                          {ctCheckBox, false, "N"},
                          {ctTriStateCheckBox, false, "N"},
                          {ctTriStateCheckBox, true, "Y"},
                          {ctEmpty, true, ""}};
    for (const Case& c : cases) {
        TTestExGrid grid(nullptr);
        grid.UseKindOfEveryCell = true;
        grid.KindOfEveryCell = c.Kind;
        grid.CheckState = c.Checked;
        std::string saved = "stale";
        grid.SaveCell(1, 1, saved);
        EXPECT_EQ(saved, c.Saved) << c.Kind << " " << c.Checked;
    }
}

TEST(ExGridHooks, SaveCellStripsHTMLUnlessAskedToKeepIt) {
    TTestExGrid grid(nullptr);
    grid.SetCells(1, 1, "<b>bold</b>");
    std::string saved;
    grid.SaveCell(1, 1, saved);
    EXPECT_EQ(saved, "<b>bold</b>");
    grid.SaveWithHTML = false;
    grid.SaveCell(1, 1, saved);
    EXPECT_EQ(saved, "bold");
    grid.OnSaveCell = [](TObject*, int, int, std::string& Value) { Value += "!"; };
    grid.SaveCell(1, 1, saved);
    EXPECT_EQ(saved, "bold!") << "the event comes last";
}

TEST(ExGridHooks, LoadCellStoresWhatTheEventLeaves) {
    TTestExGrid grid(nullptr);
    grid.LoadCell(1, 1, "as read");
    EXPECT_EQ(grid.Cells(1, 1), "as read");
    grid.OnLoadCell = [](TObject*, int, int, std::string& Value) { Value = "changed"; };
    grid.LoadCell(1, 2, "as read");
    EXPECT_EQ(grid.Cells(1, 2), "changed");
}

TEST(ExGridHooks, GridHintPacksANonEmptyWideHint) {
    TTestExGrid grid(nullptr);
    grid.OnGridHint = [](TObject*, int, int, std::string& Hint) { Hint = "plain"; };
    std::string hint;
    std::u16string wide;
    grid.GridHint(1, 1, hint, wide);
    EXPECT_EQ(hint, "plain");
    grid.OnGridWideHint = [](TObject*, int, int, std::u16string& Hint) { Hint = u"AB"; };
    grid.GridHint(1, 1, hint, wide);
    EXPECT_EQ(hint, std::string("|\\") + '\0' + 'A' + '\0' + 'B');
}

TEST(ExGridHooks, GetCellColorAppliesThePropertiesThenTheEvent) {
    TTestExGrid grid(nullptr);
    grid.SetColors(2, 2, clRed);
    grid.SetFontColors(2, 2, clBlue);
    grid.SetFontSizes(2, 2, 15);
    TBrush brush;
    brush.SetColor(clWhite);
    TFont font;
    font.SetColor(clBlack);
    grid.GetCellColor(2, 2, {}, &brush, &font);
    EXPECT_EQ(brush.Color(), clRed);
    EXPECT_EQ(font.Color(), clBlue);
    EXPECT_EQ(font.Size(), 15);
    grid.OnGetCellColor = [](TObject*, int, int, TGridDrawState, TBrush* ABrush, TFont*) {
        ABrush->SetColor(clLime);
    };
    grid.GetCellColor(2, 2, {}, &brush, &font);
    EXPECT_EQ(brush.Color(), clLime);
}

TEST(ExGridHooks, ACheckBoxCellKeepsTheDefaultBackground) {
    TTestExGrid grid(nullptr);
    grid.SetColors(2, 2, clRed);
    grid.SetFontColors(2, 2, clBlue);
    grid.UseKindOfEveryCell = true;
    grid.KindOfEveryCell = ctCheckBox;
    TBrush brush;
    brush.SetColor(clWhite);
    TFont font;
    grid.GetCellColor(2, 2, {}, &brush, &font);
    EXPECT_EQ(brush.Color(), clWhite);
    EXPECT_EQ(font.Color(), clBlue);
}

TEST(ExGridHooks, ActiveCellColoursOnlyForTheHeadersOfTheCurrentCell) {
    TTestExGrid grid(nullptr);
    grid.SetActiveCellShow(true);
    grid.SetCol(2);
    grid.SetRow(3);
    struct Case {
        int Col, Row;
        bool Active;
    };
    const Case cases[] = {{0, 3, true}, {2, 0, true}, {0, 4, false}, {3, 0, false}, {2, 3, false}};
    for (const Case& c : cases) {
        TBrush brush;
        brush.SetColor(clWhite);
        TFont font;
        grid.GetCellColor(c.Col, c.Row, {}, &brush, &font);
        EXPECT_EQ(brush.Color() == grid.ActiveCellColor(), c.Active) << c.Col << "," << c.Row;
    }
    grid.SetFixedCols(0);
    grid.SetFixedRows(0);
    TBrush brush;
    brush.SetColor(clWhite);
    TFont font;
    grid.GetCellColor(0, 3, {}, &brush, &font);
    EXPECT_EQ(brush.Color(), clWhite) << "no fixed cells, no active colours";
}

TEST(ExGridHooks, GetCellBorderUnderlinesGroupHeadersAndOverlinesSummaries) {
    TTestExGrid grid(nullptr);
    grid.Grouping()->HeaderUnderline = true;
    grid.Grouping()->SummaryLine = true;
    grid.Grouping()->SummaryLineColor = clRed;
    TPen pen;
    TCellBorders borders;
    grid.GetCellBorder(1, 3, &pen, borders); // a node row
    EXPECT_EQ(borders, TCellBorders{cbBottom});
    EXPECT_EQ(pen.Color(), clBlue);
    EXPECT_EQ(pen.Width(), 2);
    borders = {};
    grid.GetCellBorder(1, 4, &pen, borders); // a summary row
    EXPECT_EQ(borders, TCellBorders{cbTop});
    EXPECT_EQ(pen.Color(), clRed);
    borders = {};
    grid.GetCellBorder(0, 3, &pen, borders);
    EXPECT_TRUE(borders.Empty()) << "column 0 keeps its borders";
}

TEST(ExGridHooks, HotmailRowSelectCentresColumnZero) {
    TTestExGrid grid(nullptr);
    grid.MouseActions()->SetHotmailRowSelect(true);
    TAlignment halign = taLeftJustify;
    TVAlignment valign = vtaTop;
    grid.GetAlignment(0, 2, halign, valign);
    EXPECT_EQ(halign, taCenter);
    halign = taLeftJustify;
    grid.GetAlignment(1, 2, halign, valign);
    EXPECT_EQ(halign, taLeftJustify);
}

TEST(ExGridHooks, ComboAndSpinButtonsFollowTheDefaultEditorWhenAlwaysVisible) {
    TTestExGrid grid(nullptr);
    EXPECT_FALSE(grid.HasComboBox(2, 2));
    grid.ControlLook()->SetDropDownAlwaysVisible(true);
    grid.DefaultEditor = edComboList;
    EXPECT_TRUE(grid.HasComboBox(2, 2));
    grid.ControlLook()->SetSpinButtonsAlwaysVisible(true);
    grid.DefaultEditor = edFloatSpinEdit;
    EXPECT_TRUE(grid.HasSpinEdit(2, 2));
    EXPECT_FALSE(grid.HasSpinEdit(0, 2)) << "never in fixed cells";
    grid.OnHasSpinEdit = [](TObject*, int, int, bool&) {};
    EXPECT_FALSE(grid.HasSpinEdit(2, 2)) << "a handler answers from false";
}

TEST(ExGridHooks, ExpandClickFiresThenSetsTheRowHeight) {
    TTestExGrid grid(nullptr);
    bool fired = false;
    grid.OnExpandClick = [&](TObject*, int, int ARow, bool Expanded) {
        fired = true;
        EXPECT_EQ(grid.RowHeights(ARow), 22) << "the height changes after the event";
    };
    grid.ExpandClick(1, 2, true);
    EXPECT_TRUE(fired);
    EXPECT_EQ(grid.RowHeights(2), 60);
}

TEST(ExGridHooks, SelectionChangedFiresWithTheRange) {
    TTestExGrid grid(nullptr);
    std::vector<int> got;
    grid.OnSelectionChanged = [&](TObject*, int L, int T, int R, int B) { got = {L, T, R, B}; };
    grid.SelectionChanged(1, 2, 3, 4);
    EXPECT_EQ(got, (std::vector<int>{1, 2, 3, 4}));
}

TEST(ExGridHooks, AppendRowAddsOneRow) {
    TTestExGrid grid(nullptr);
    grid.AppendRow();
    EXPECT_EQ(grid.RowCount(), 11);
}

TEST(ExGridHooks, NewCellPropertiesOfFixedOrBandedCellsKeepNoColour) {
    struct Case {
        int Col, Row;
        bool Bands;
        bool Coloured;
    };
    const Case cases[] = {{2, 2, false, true}, {2, 2, true, false}};
    for (const Case& c : cases) {
        TTestExGrid grid(nullptr);
        grid.Bands()->SetActive(c.Bands);
        grid.SetFontColors(c.Col, c.Row, clRed); // creates the properties
        EXPECT_EQ(grid.Colors(c.Col, c.Row) != clNone, c.Coloured) << c.Bands;
    }
}

} // namespace

namespace {

TEST(ExGridHooks, GetCellCursorStartsFromTheGridsCursorAndShowsItOverTheGrid) {
    TTestExGrid grid(nullptr);
    grid.SetCursor(crCross);
    grid.GetCellCursor(1, 1, 5, 5);
    EXPECT_EQ(InputSimulation::CursorShown(&grid), crCross) << "nothing without a handler";
    TCursor received = crDefault;
    grid.OnGetCellCursor = [&](TObject*, int, int, int, int, TCursor& ACursor) {
        received = ACursor;
        ACursor = crHandPoint;
    };
    grid.GetCellCursor(1, 1, 5, 5);
    EXPECT_EQ(received, crCross);
    EXPECT_EQ(InputSimulation::CursorShown(&grid), crHandPoint);
    EXPECT_EQ(Screen->Cursor(), crDefault) << "the rest of the program keeps its cursor";
    EXPECT_EQ(grid.Cursor(), crCross);
}

TEST(ExGridHooks, FloatsTakeTheColumnsFloatFormat) {
    struct ColumnFormats : TTestExGrid {
        using TTestExGrid::TTestExGrid;
        std::string GetColumnFloatFormat(int ACol, int ARow) override {
            return ACol == 2 ? "%.0f" : FloatFormat;
        }
    } grid(nullptr);
    grid.SetFloats(1, 1, 2.5);
    grid.SetFloats(2, 1, 7.25);
    EXPECT_EQ(grid.Cells(1, 1), "2.50");
    EXPECT_EQ(grid.Cells(2, 1), "7");
    grid.SetAllFloats(2, 2, 7.25);
    EXPECT_EQ(grid.Cells(2, 2), "7.25") << "AllFloats keeps the grid's own format";
}

} // namespace
