// Clicks on the controls drawn in cells (check boxes, radio groups, ratings, buttons, expand
// glyphs, spin buttons) and on links.
#include "ExGridMouseTestGrid.h"

#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/CellAnchor.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/GridLinkOpener.h"
#include "grid/stringgrid/SortSettings.h"
#include "platform/core/StringList.h"
#include "platform/ui/Application.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/TestSeam.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// A point of the cell where IsInCheckBox answers Inside.
std::optional<TPoint> CheckBoxPoint(TMouseTestGrid& grid, int ACol, int ARow, bool Inside) {
    const TRect r = grid.CellRect(ACol, ARow);
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (grid.IsInCheckBox(ACol, ARow, x, y) == Inside)
                return TPoint{x, y};
    return std::nullopt;
}

TEST(ExGridCellClicks, ACheckBoxTogglesWhereTheCellMayBeEdited) {
    struct Case {
        const char* name;
        bool editing, alwaysActive, precise, onTheBox;
        bool toggles;
    } cases[] = {
        {"editable cell", true, false, false, true, true},
        {"read-only grid", false, false, false, true, false},
        {"always active", false, true, false, true, true},
        {"precise, on the box", true, false, true, true, true},
        {"precise, beside the box", true, false, true, false, false},
    };
    for (const Case& c : cases) {
        TMouseTestGrid grid;
        if (c.editing)
            grid.SetOptions(grid.Options() << goEditing);
        grid.ControlLook()->CheckAlwaysActive = c.alwaysActive;
        grid.MouseActions()->PreciseCheckBoxCheck = c.precise;
        grid.AddCheckBox(2, 3, false, false);
        std::vector<bool> changes;
        grid.OnCheckBoxChange = [&](TObject*, int, int, bool State) { changes.push_back(State); };
        const std::optional<TPoint> p = CheckBoxPoint(grid, 2, 3, c.onTheBox);
        ASSERT_TRUE(p) << c.name;
        grid.ClickAt(*p);
        EXPECT_EQ(grid.IsChecked(2, 3), c.toggles) << c.name;
        EXPECT_EQ(changes.size(), c.toggles ? 1u : 0u) << c.name;
    }
}

TEST(ExGridCellClicks, AHeaderCheckBoxWithCheckAllCheckSetsTheWholeColumn) {
    TMouseTestGrid grid;
    grid.SetOptions(grid.Options() << goEditing);
    grid.MouseActions()->CheckAllCheck = true;
    grid.AddCheckBoxColumn(2);
    grid.AddCheckBox(2, 0, false, false);
    grid.ClickAt(grid.Centre(2, 0));
    for (int row = 1; row < grid.RowCount(); ++row)
        EXPECT_TRUE(grid.IsChecked(2, row)) << "row " << row;
    grid.ClickAt(grid.Centre(2, 0));
    EXPECT_FALSE(grid.IsChecked(2, 5));
}

TEST(ExGridCellClicks, CheckBoxReleaseReportsTheState) {
    TMouseTestGrid grid;
    grid.SetOptions(grid.Options() << goEditing);
    grid.AddCheckBox(2, 3, false, false);
    std::vector<bool> ups;
    grid.OnCheckBoxMouseUp = [&](TObject*, int ACol, int ARow, bool State) {
        EXPECT_EQ(ACol, 2);
        EXPECT_EQ(ARow, 3);
        ups.push_back(State);
    };
    grid.ClickAt(grid.Centre(2, 3));
    EXPECT_EQ(ups, std::vector<bool>{true});
}

TEST(ExGridCellClicks, AFixedColumnReleaseCountsWhenSortingTakesFixedColumns) {
    struct Case {
        const char* name;
        bool sortFixedCols, alwaysActive;
        std::vector<bool> ups;
    } cases[] = {
        {"fixed columns left to themselves", false, true, {}},
        {"sorting takes fixed columns", true, false, {false}},
        {"and the box toggled by the press", true, true, {true}},
    };
    for (const Case& c : cases) {
        TMouseTestGrid grid;
        grid.SortSettings()->FixedCols = c.sortFixedCols;
        grid.ControlLook()->CheckAlwaysActive = c.alwaysActive;
        grid.AddCheckBox(0, 3, false, false);
        std::vector<std::string> cells;
        std::vector<bool> ups;
        grid.OnCheckBoxMouseUp = [&](TObject*, int ACol, int ARow, bool State) {
            cells.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
            ups.push_back(State);
        };
        const std::optional<TPoint> box = CheckBoxPoint(grid, 0, 3, true);
        ASSERT_TRUE(box) << c.name;
        grid.ClickAt(*box);
        EXPECT_EQ(ups, c.ups) << c.name;
        if (!c.ups.empty())
            EXPECT_EQ(cells, std::vector<std::string>{"0,3"}) << c.name;
        // The header of the fixed column sorts by the same rule.
        grid.ClickAt(grid.Centre(0, 0));
        EXPECT_EQ(grid.Calls, c.sortFixedCols ? std::vector<std::string>{"HeaderClickSort 0"}
                                              : std::vector<std::string>{})
            << c.name;
    }
}

TEST(ExGridCellClicks, ARatingIsSetInHalfStepsOfNinePixels) {
    struct Case {
        int offset;
        bool allow;
        double expected;
    } cases[] = {
        {40, true, 2.0}, {8, true, 0.0}, {9, true, 0.5}, {89, true, 4.5}, {40, false, 1.0}};
    for (const Case& c : cases) {
        TMouseTestGrid grid;
        grid.SetOptions(grid.Options() << goEditing);
        grid.SetColWidths(2, 90);
        grid.AddRating(2, 3, 5, clYellow, clGray);
        grid.SetFloats(2, 3, 1.0);
        grid.OnRatingChange = [&](TObject*, int, int, double&, bool& Allow) { Allow = c.allow; };
        grid.ClickAt(grid.At(2, 3, c.offset, 5));
        EXPECT_DOUBLE_EQ(grid.Floats(2, 3), c.expected) << "offset " << c.offset;
    }
}

TEST(ExGridCellClicks, ARadioGroupItemIsHitStrictlyInsideItsSpan) {
    TMouseTestGrid grid;
    grid.SetOptions(grid.Options() << goEditing);
    grid.SetColWidths(2, 200);
    TStringList* items = grid.CreateRadio(2, 3, 1, 0);
    items->Add("A");
    items->Add("BB");
    std::vector<int> clicked;
    grid.OnRadioClick = [&](TObject*, int, int, int AIdx) { clicked.push_back(AIdx); };
    grid.ClickAt(grid.At(2, 3, 199, 5)); // beyond the items: nothing, but the font is set
    EXPECT_TRUE(clicked.empty());
    const int end0 = grid.Canvas()->TextWidth("A") + 16;
    grid.ClickAt(grid.At(2, 3, end0, 5));
    EXPECT_TRUE(clicked.empty()) << "exactly on the boundary of two items";
    grid.ClickAt(grid.At(2, 3, end0 + 2, 5));
    EXPECT_EQ(clicked, std::vector<int>{1});
    int index = -1;
    grid.GetRadioIdx(2, 3, index);
    EXPECT_EQ(index, 1);
}

class ExGridCellButtons : public ::testing::Test {
protected:
    void SetUp() override {
        grid.SetOptions(grid.Options() << goEditing);
        grid.AddButton(2, 3, 40, 18, "Go", haLeft, vaTop);
        grid.AddButton(4, 3, 40, 18, "Other", haLeft, vaTop);
        grid.OnButtonClick = [this](TObject*, int ACol, int ARow) {
            clicks.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
        };
    }
    TPoint OnButton(int ACol) {
        const TRect r = grid.GetCellButtonRect(ACol, 3);
        return TPoint{r.Left + 5, r.Top + 5};
    }
    bool Pushed(int ACol) { return grid.GetCellGraphic(ACol, 3)->CellBoolean; }
    TMouseTestGrid grid;
    std::vector<std::string> clicks;
};

TEST_F(ExGridCellButtons, AButtonClicksOnceWhenReleasedOverItself) {
    grid.Press(OnButton(2));
    EXPECT_TRUE(Pushed(2));
    grid.Release(OnButton(2));
    EXPECT_FALSE(Pushed(2));
    EXPECT_EQ(clicks, std::vector<std::string>{"2,3"});
}

TEST_F(ExGridCellButtons, ReleasedElsewhereTheButtonComesUpWithoutAClick) {
    for (const TPoint away : {grid.Centre(3, 5), OnButton(4), TPoint{480, 280}}) {
        grid.Press(OnButton(2));
        grid.Move(away, TShiftState{ssLeft});
        grid.Release(away);
        EXPECT_FALSE(Pushed(2));
    }
    EXPECT_TRUE(clicks.empty()) << "not even the button released over";
}

TEST_F(ExGridCellButtons, ADisabledButtonComesUpWithoutAClick) {
    grid.SetOptions(grid.Options() >> goEditing);
    grid.Press(OnButton(2));
    grid.Release(OnButton(2));
    EXPECT_FALSE(Pushed(2));
    EXPECT_TRUE(clicks.empty());
}

TEST(ExGridCellClicks, FixedCellsAsButtonsClickWhenReleasedOverThemselves) {
    TMouseTestGrid grid;
    grid.FixedAsButtons = true;
    std::vector<std::string> clicks;
    grid.OnButtonClick = [&](TObject*, int ACol, int ARow) {
        clicks.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
    };
    grid.ClickAt(grid.Centre(3, 0));
    grid.ClickAt(grid.Centre(0, 4));
    grid.Drag(grid.Centre(2, 0), grid.Centre(4, 0));
    EXPECT_EQ(clicks, (std::vector<std::string>{"3,0", "0,4"}));
    grid.FixedAsButtons = false;
    grid.ClickAt(grid.Centre(3, 0));
    EXPECT_EQ(clicks.size(), 2u);
}

TEST(ExGridCellClicks, AnExpandGlyphTogglesOnRelease) {
    TMouseTestGrid grid;
    grid.SetOptions(grid.Options() << goEditing);
    grid.CreateCellGraphic(2, 3)->CellType = ctExpand;
    std::vector<bool> states;
    grid.OnExpandClick = [&](TObject*, int, int, bool Expanded) { states.push_back(Expanded); };
    const TRect glyph = grid.GetExpandGlyphRect(2, 3);
    const TPoint p{glyph.Left + 3, glyph.Top + 3};
    grid.ClickAt(p);
    grid.ClickAt(p);
    EXPECT_EQ(states, (std::vector<bool>{true, false}));
}

TEST(ExGridCellClicks, AlwaysVisibleSpinButtonsTakeTheStepFromTheHalfPressed) {
    struct Case {
        int dx, dy;
        bool up, down;
    } cases[] = {{60, 3, true, false}, {60, 20, false, true}, {30, 3, false, false}};
    for (const Case& c : cases) {
        TMouseTestGrid grid;
        grid.SpinCells = true;
        grid.ControlLook()->SetSpinButtonsAlwaysVisible(true);
        grid.Press(grid.At(2, 3, c.dx, c.dy));
        EXPECT_EQ(grid.FSpinUpClick, c.up) << c.dx << "," << c.dy;
        EXPECT_EQ(grid.FSpinDnClick, c.down) << c.dx << "," << c.dy;
        grid.Release(grid.At(2, 3, c.dx, c.dy));
    }
}

// Row 2 is a node whose glyph covers the first 12 pixels of column 0.
class TNodeGrid : public TMouseTestGrid {
public:
    bool Contracted = true;
    bool HasNodes() override { return true; }
    bool IsNode(int ARow) override { return ARow == 2; }
    bool IsOnNodeGlyph(int ARow, int X) override { return X < 12; }
    bool GetNodeState(int ARow) override { return Contracted; }
    void ExpandNode(int ARow) override {
        Calls.push_back("ExpandNode " + std::to_string(ARow));
        Contracted = false;
    }
    void ContractNode(int ARow) override {
        Calls.push_back("ContractNode " + std::to_string(ARow));
        Contracted = true;
    }
};

TEST(ExGridCellClicks, ANodeGlyphExpandsOrContractsAsTheEventsAllow) {
    struct Case {
        const char* name;
        bool contracted, allow;
        int dx;
        std::vector<std::string> expected;
    } cases[] = {
        {"expand", true, true, 5, {"before expand", "ExpandNode 2", "expanded"}},
        {"contract", false, true, 5, {"before contract", "ContractNode 2", "contracted"}},
        {"refused", true, false, 5, {"before expand"}},
        {"beside the glyph", true, true, 30, {}},
    };
    for (const Case& c : cases) {
        TNodeGrid grid;
        grid.Contracted = c.contracted;
        grid.MouseActions()->MoveRowOnNodeClick = true;
        grid.OnBeforeExpandNode = [&](TObject*, int, int, bool& Allow) {
            grid.Calls.push_back("before expand");
            Allow = c.allow;
        };
        grid.OnBeforeContractNode = [&](TObject*, int, int, bool& Allow) {
            grid.Calls.push_back("before contract");
            Allow = c.allow;
        };
        grid.OnExpandNode = [&](TObject*, int, int) { grid.Calls.push_back("expanded"); };
        grid.OnContractNode = [&](TObject*, int, int) { grid.Calls.push_back("contracted"); };
        grid.ClickAt(grid.At(0, 2, c.dx, 5));
        EXPECT_EQ(grid.Calls, c.expected) << c.name;
        EXPECT_EQ(grid.Row(), c.expected.empty() ? 1 : 2) << c.name;
    }
}

TEST(CellAnchor, OnlyCellReferencesAndWebAddressesLeadAnywhere) {
    struct Case {
        const char* anchor;
        TCellAnchorTarget target;
        TPoint cell;
    } cases[] = {
        {"CELL://R3C2", TCellAnchorTarget::Cell, {2, 3}},
        {"cell://r10c4", TCellAnchorTarget::Cell, {4, 10}},
        {"CELL://R-1C2", TCellAnchorTarget::None, {}},
        {"CELL://R3", TCellAnchorTarget::None, {}},
        {"xCELL://R3C2", TCellAnchorTarget::None, {}},
        {"http://example.com", TCellAnchorTarget::WebLink, {}},
        {"HTTPS://example.com/a?b=c", TCellAnchorTarget::WebLink, {}},
        {"mailto:someone@example.com", TCellAnchorTarget::WebLink, {}},
        {"https://", TCellAnchorTarget::None, {}},
        {"https://exa mple.com", TCellAnchorTarget::None, {}},
        {"file:///etc/passwd", TCellAnchorTarget::None, {}},
        {"javascript:alert(1)", TCellAnchorTarget::None, {}},
        {"/usr/bin/xterm", TCellAnchorTarget::None, {}},
        {"-x http://example.com", TCellAnchorTarget::None, {}},
        {"", TCellAnchorTarget::None, {}},
    };
    for (const Case& c : cases) {
        TPoint cell{-7, -7};
        EXPECT_EQ(ClassifyCellAnchor(c.anchor, cell), c.target) << c.anchor;
        if (c.target == TCellAnchorTarget::Cell)
            EXPECT_EQ(cell, c.cell) << c.anchor;
    }
}

class ExGridLinks : public ::testing::Test {
protected:
    void SetUp() override {
        saved = GridLinkOpener();
        GridLinkOpener() = [this](const std::string& Url) {
            opened.push_back(Url);
            return result;
        };
        Application->TestSeam().Reset();
        grid.SetColWidths(2, 200);
        grid.OnAnchorClick = [this](TObject*, int, int, const std::string& Anchor, bool& Auto) {
            anchors.push_back(Anchor);
            Auto = autoHandle;
        };
    }
    void TearDown() override {
        GridLinkOpener() = saved;
        Application->TestSeam().Reset();
    }
    // A point over the first letters of the cell's link.
    TPoint OnLink() const { return grid.At(2, 3, 8, 8); }
    void SetAnchor(const std::string& Href) {
        grid.SetCells(2, 3, "<a href=\"" + Href + "\">a long link</a>");
    }

    TGridLinkOpener saved;
    TMouseTestGrid grid;
    std::vector<std::string> opened;
    std::vector<std::string> anchors;
    TOpenLinkResult result;
    bool autoHandle = true;
};

TEST_F(ExGridLinks, AnAnchorGoesToACellTheDesktopOrOnlyTheEvent) {
    struct Case {
        const char* href;
        bool opens;
        TGridCoord current;
    } cases[] = {
        {"CELL://R5C4", false, {4, 5}},
        {"cell://r6c3", false, {3, 6}},
        {"CELL://R99C2", false, {1, 1}},
        {"xCELL://R5C4", false, {1, 1}},
        {"https://example.com/page", true, {1, 1}},
        {"mailto:someone@example.com", true, {1, 1}},
        {"file:///etc/passwd", false, {1, 1}},
        {"javascript:alert(1)", false, {1, 1}},
    };
    for (const Case& c : cases) {
        opened.clear();
        anchors.clear();
        grid.FocusCell(1, 1, true);
        SetAnchor(c.href);
        grid.ClickAt(OnLink());
        EXPECT_EQ(anchors, std::vector<std::string>{c.href}) << c.href;
        EXPECT_EQ(opened.size(), c.opens ? 1u : 0u) << c.href;
        if (c.opens)
            EXPECT_EQ(opened[0], c.href);
        EXPECT_EQ((TGridCoord{grid.Col(), grid.Row()}), c.current) << c.href;
    }
}

TEST_F(ExGridLinks, AHandlerThatTakesTheClickStopsTheGrid) {
    autoHandle = false;
    SetAnchor("https://example.com");
    grid.ClickAt(OnLink());
    EXPECT_TRUE(opened.empty());
}

TEST_F(ExGridLinks, APlainURLCellIsALinkWithURLShow) {
    grid.SetCells(2, 3, "http://example.com");
    grid.ClickAt(grid.Centre(2, 3));
    EXPECT_TRUE(opened.empty()) << "URLShow is off";
    grid.SetURLShow(true);
    grid.ClickAt(grid.Centre(2, 3));
    EXPECT_EQ(opened, std::vector<std::string>{"http://example.com"});
}

TEST_F(ExGridLinks, ALinkThatCannotBeOpenedIsReported) {
    result = TOpenLinkResult{TOpenLinkFailure::NoOpener};
    SetAnchor("https://example.com");
    grid.ClickAt(OnLink());
    ASSERT_EQ(Application->TestSeam().Messages().size(), 1u);
    EXPECT_NE(Application->TestSeam().Messages()[0].Text.find("https://example.com"),
              std::string::npos);
}

TEST_F(ExGridLinks, MovingOverAndOffAnAnchorFiresEnterAndExit) {
    std::vector<std::string> fired;
    grid.OnAnchorEnter = [&](TObject*, int, int, const std::string& A) {
        fired.push_back("enter " + A);
    };
    grid.OnAnchorExit = [&](TObject*, int, int, const std::string& A) {
        fired.push_back("exit " + A);
    };
    SetAnchor("CELL://R5C4");
    grid.Move(OnLink());
    EXPECT_EQ(grid.Cursor(), crHandPoint);
    grid.Move(grid.At(2, 3, 8, 9));
    grid.Move(grid.Centre(4, 6));
    EXPECT_EQ(fired, (std::vector<std::string>{"enter CELL://R5C4", "exit CELL://R5C4"}));
    EXPECT_NE(grid.Cursor(), crHandPoint);
}

TEST_F(ExGridLinks, AnHTMLCheckControlTogglesWhereTheCellMayBeEdited) {
    for (const bool editing : {false, true}) {
        TMouseTestGrid g;
        if (editing)
            g.SetOptions(g.Options() << goEditing);
        g.SetCells(2, 3, "<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"FALSE\" WIDTH=\"16\">");
        std::vector<std::string> clicked;
        g.OnControlClick = [&](TObject*, int, int, const std::string& ID, const std::string& Type,
                               const std::string& Value) {
            clicked.push_back(ID + " " + Type + " " + Value);
        };
        g.ClickAt(g.At(2, 3, 8, 8));
        EXPECT_EQ(g.ControlValues(2, 3, "c1"), editing ? "TRUE" : "FALSE") << "editing " << editing;
        EXPECT_EQ(clicked.size(), editing ? 1u : 0u) << "editing " << editing;
        if (editing)
            EXPECT_EQ(clicked[0], "c1 CHECK TRUE");
    }
}

} // namespace
