#include "BaseGridTestGrid.h"

#include "grid/foundation/ExGridUndoRedo.h"
#include "platform/core/Exception.h"
#include "platform/ui/Font.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {
// Graphic objects that report when they are freed; the grid frees only those whose class is
// named "TCellGraphic".
int gFreedGraphics = 0;

class TCellGraphic : public TObject {
public:
    ~TCellGraphic() override { ++gFreedGraphics; }
};

class TCallerGraphic : public TObject {
public:
    ~TCallerGraphic() override { ++gFreedGraphics; }
};
} // namespace

TEST(BaseGridCells, PropertiesAreCreatedOnFirstUseWithTheGridDefaults) {
    auto grid = MakeBaseGrid();
    grid->Font()->SetName("Arial");
    grid->Font()->SetStyle({fsBold});
    grid->SetColor(clYellow);
    grid->SetWordWrap(false);
    EXPECT_FALSE(grid->FHasCellProps);
    EXPECT_FALSE(grid->HasCellProperties(2, 3));

    TCellProperties* props = grid->CellProperties(2, 3);
    ASSERT_NE(props, nullptr);
    EXPECT_EQ(grid->CellProperties(2, 3), props) << "the same object on every read";
    EXPECT_TRUE(grid->FHasCellProps);
    EXPECT_EQ(props->OwnerCol(), 2);
    EXPECT_EQ(props->OwnerRow(), 3);
    EXPECT_EQ(props->FontName(), "Arial");
    EXPECT_EQ(props->FontStyle(), TFontStyles{fsBold});
    EXPECT_EQ(props->BrushColor(), clYellow);
    EXPECT_EQ(props->BrushColorTo(), clNone);
    EXPECT_FALSE(props->WordWrap());
    EXPECT_EQ(props->Alignment(), taLeftJustify);
    EXPECT_EQ(props->VAlignment(), vtaTop);
    EXPECT_EQ(props->CellSpanX(), -1);
    EXPECT_TRUE(props->IsBaseCell());
    EXPECT_EQ(props->Editor(), edNormal);
    EXPECT_EQ(props->CalcType(), acNONE);
}

TEST(BaseGridCells, HasCellPropertiesOnlyInsideTheGrid) {
    auto grid = MakeBaseGrid();
    grid->CellProperties(9, 3); // a column past ColCount, as hidden columns are
    EXPECT_FALSE(grid->HasCellProperties(9, 3));
    EXPECT_FALSE(grid->HasCellProperties(-1, 3));
    EXPECT_NE(grid->GetGridObject(9, 3), nullptr);
}

TEST(BaseGridCells, ObjectsUseThePropertiesAndKeepTheText) {
    auto grid = MakeBaseGrid();
    EXPECT_EQ(grid->Objects(3, 3), 0u);
    EXPECT_FALSE(grid->HasCellProperties(3, 3)) << "a read creates nothing";
    grid->SetObjects(3, 3, 42);
    EXPECT_EQ(grid->Objects(3, 3), 42u);
    EXPECT_EQ(grid->Cells(3, 3), "") << "an empty cell stays empty";
    grid->SetCells(4, 4, "kept");
    grid->SetObjects(4, 4, 7);
    EXPECT_EQ(grid->Cells(4, 4), "kept");
}

TEST(BaseGridCells, FreeingReleasesOnlyTheGridsOwnGraphics) {
    gFreedGraphics = 0;
    auto grid = MakeBaseGrid();
    auto* callers = new TCallerGraphic;
    grid->SetGraphicObjects(1, 1, new TCellGraphic);
    grid->SetGraphicObjects(2, 1, callers);
    EXPECT_EQ(grid->PropertiesGraphic(grid->CellProperties(2, 1)), callers);
    grid->FreeAllCellProperties();
    EXPECT_EQ(gFreedGraphics, 1) << "the TCellGraphic only";
    EXPECT_FALSE(grid->HasCellProperties(1, 1));
    EXPECT_EQ(grid->GraphicObjects(2, 1), nullptr);
    delete callers;
}

TEST(BaseGridCells, FreeingIsSkippedUntilAPropertyObjectExisted) {
    auto grid = MakeBaseGrid();
    auto* foreign = new TCallerGraphic;
    grid->SetGridObject(1, 1, foreign); // a raw slot write creates no properties
    grid->FreeAllCellProperties();
    EXPECT_EQ(grid->GetGridObject(1, 1), foreign);
    grid->SetGridObject(1, 1, nullptr);
    delete foreign;
}

TEST(BaseGridCells, SettingPropertiesReplacesAndFreesTheOldOnes) {
    auto grid = MakeBaseGrid();
    grid->CellProperties(1, 1)->SetReadOnly(true);
    auto* replacement = new TCellProperties(grid.get(), 1, 1);
    grid->SetCellProperties(1, 1, replacement);
    EXPECT_EQ(grid->CellProperties(1, 1), replacement);
    EXPECT_FALSE(grid->CellProperties(1, 1)->ReadOnly());
}

TEST(BaseGridCells, ResetDetachesWithoutFreeing) {
    auto grid = MakeBaseGrid();
    grid->MergeCells(1, 1, 2, 1);
    grid->SetCells(2, 1, "area");
    TCellProperties* moved = grid->CellProperties(2, 1);
    grid->ResetCell(2, 1);
    EXPECT_EQ(grid->GridCells(1, 1), "") << "the merged cell clears its base first";
    EXPECT_EQ(grid->GetGridObject(2, 1), nullptr);
    grid->SetGridObject(3, 5, moved); // the caller keeps it in another cell
    grid->ResetRow(5);
    grid->SetCellProperties(3, 5, moved);
    EXPECT_EQ(grid->CellProperties(3, 5), moved);
}

TEST(BaseGridCells, DroppedRowsTakeTheirPropertiesAlong) {
    gFreedGraphics = 0;
    auto grid = MakeBaseGrid();
    grid->SetGraphicObjects(5, 11, new TCellGraphic);
    grid->CellProperties(12, 10); // a hidden column of a dropped row
    grid->CellProperties(12, 2);  // a hidden column of a kept row
    grid->SetRowCount(4);
    EXPECT_EQ(gFreedGraphics, 1);
    EXPECT_EQ(grid->GetGridObject(12, 10), nullptr);
    EXPECT_NE(grid->GetGridObject(12, 2), nullptr);
    grid->SetRowCount(12);
    EXPECT_FALSE(grid->HasCellProperties(5, 11)) << "a row added again starts plain";
    grid->SetGraphicObjects(3, 1, new TCellGraphic);
    grid->DeleteColumn(3);
    EXPECT_EQ(gFreedGraphics, 2) << "a deleted column takes them along too";
    // What is left past the counts goes with the grid (the sanitizer build checks for leaks).
}

TEST(BaseGridCells, DisplayHooksApplyBelowTheNormalRowCount) {
    auto grid = MakeBaseGrid();
    grid->OnGetDisplText = [](TObject*, int col, int row, std::string& value) {
        value = "<" + value + ">";
    };
    grid->SetCells(2, 1, "a");
    grid->SetCells(2, 10, "b");
    struct Case {
        int normalRows;
        int row;
        std::string text;
    };
    const Case cases[] = {
        {0, 1, "a"}, // never set: every row raw
        {12, 1, "<a>"},
        {12, 10, "<b>"},
        {9, 10, "b"}, // while sorting the last rows read raw
    };
    for (const Case& c : cases) {
        grid->FNormalRowCount = c.normalRows;
        EXPECT_EQ(grid->Cells(2, c.row), c.text) << c.normalRows << " / " << c.row;
    }
    EXPECT_EQ(grid->GridCells(2, 1), "a") << "raw access skips the hooks";
}

TEST(BaseGridCells, WideHookRunsAfterThePlainOne) {
    auto grid = MakeBaseGrid();
    grid->FNormalRowCount = grid->RowCount();
    grid->OnGetDisplText = [](TObject*, int, int, std::string& value) { value += "1"; };
    grid->OnGetDisplWideText = [](TObject*, int, int, std::string& value) { value += "2"; };
    grid->SetCells(1, 1, "\xC3\xA4"); // a-umlaut, UTF-8
    EXPECT_EQ(grid->Cells(1, 1), "\xC3\xA4"
                                 "12");
}

TEST(BaseGridCells, WritingTheHiddenLastRowRecalculatesIt) {
    auto grid = MakeBaseGrid();
    grid->SetCells(1, 11, "x");
    EXPECT_EQ(grid->LastRowChanges, 0);
    grid->FHideLastRow = true;
    grid->SetCells(1, 11, "y");
    grid->SetCells(1, 10, "z");
    EXPECT_EQ(grid->LastRowChanges, 1);
}

TEST(BaseGridCells, PropertiesAssignCopiesWhatACellCarries) {
    auto grid = MakeBaseGrid();
    TCellProperties* source = grid->CellProperties(1, 1);
    source->SetReadOnly(true);
    source->SetEditor(edComboList);
    source->SetCellObject(9);
    source->SetBrushColorTo(clRed);
    source->SetCalcType(acSUM);
    TCellProperties* target = grid->CellProperties(2, 2);
    target->Assign(*source);
    EXPECT_TRUE(target->ReadOnly());
    EXPECT_EQ(target->Editor(), edComboList);
    EXPECT_EQ(target->CellObject(), 9u);
    EXPECT_EQ(target->OwnerCol(), 1);
    EXPECT_EQ(target->BrushColorTo(), clNone) << "gradient end is not copied";
    EXPECT_EQ(target->CalcType(), acNONE) << "footer calculation is not copied";
}

TEST(BaseGridCells, UndoLinkPointsTheComponentAtTheGrid) {
    auto grid = MakeBaseGrid();
    TExGridUndoRedo undo(nullptr);
    grid->SetUndoRedo(&undo);
    EXPECT_EQ(undo.Grid(), grid.get());
    EXPECT_EQ(grid->UndoRedo(), &undo);
    grid->SetUndoRedo(nullptr);
    EXPECT_EQ(grid->UndoRedo(), nullptr);
}

TEST(BaseGridCells, AFreedGridTakesItsCellGraphicsAlongWhereverTheyLie) {
    struct Case {
        const char* name;
        int col, row;
    };
    // The grid has 8 columns and 12 rows.
    const Case cases[] = {
        {"inside the counts", 3, 3},
        {"a column past the count, as hidden columns are", 12, 2},
    };
    for (const Case& c : cases) {
        gFreedGraphics = 0;
        auto callers = std::make_unique<TCallerGraphic>();
        {
            auto grid = MakeBaseGrid();
            grid->SetGraphicObjects(c.col, c.row, new TCellGraphic);
            grid->SetGraphicObjects(c.col, c.row + 1, callers.get());
        }
        EXPECT_EQ(gFreedGraphics, 1) << c.name << ": the TCellGraphic only";
    }
}

TEST(BaseGridCells, ADefaultsHookThatThrowsLeavesAUsableCell) {
    class TThrowingDefaultsGrid : public TTestBaseGrid {
    public:
        using TTestBaseGrid::TTestBaseGrid;

    protected:
        void GetDefaultCellProperties(int, int, TFont*, TBrush*, TColor&, TColor&, TColor&,
                                      TAlignment&, TVAlignment&, bool&,
                                      TCellGradientDirection&) override {
            throw Exception("no defaults");
        }
    };
    TThrowingDefaultsGrid grid(nullptr);
    EXPECT_THROW(grid.CellProperties(2, 2), Exception);
    TCellProperties* props = grid.CellProperties(2, 2);
    ASSERT_NE(props, nullptr);
    props->SetReadOnly(true);
    EXPECT_TRUE(grid.CellProperties(2, 2)->ReadOnly());
}
