#include "grid/foundation/ExGridUndoRedo.h"
#include "grid/foundation/BaseGrid.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class UndoRedoTest : public ::testing::Test {
protected:
    void SetUp() override {
        Grid = std::make_unique<TBaseGrid>(nullptr);
        Grid->SetColCount(5);
        Grid->SetRowCount(5);
        Undo.SetGrid(Grid.get());
    }

    // Writes the cell and records the change, as the string grid does on a committed edit.
    void Edit(int col, int row, const std::string& text) {
        std::string old = Grid->Cells(col, row);
        Grid->SetCells(col, row, text);
        Undo.RegisterChange(col, row, old, text);
    }

    std::string Cell(int col, int row) const { return Grid->Cells(col, row); }

    std::unique_ptr<TBaseGrid> Grid;
    TExGridUndoRedo Undo{nullptr};
};

} // namespace

TEST_F(UndoRedoTest, UndoesAndRedoesSingleChanges) {
    Grid->SetCells(1, 1, "x");
    Edit(1, 1, "y");
    Edit(2, 1, "z");

    Undo.Undo();
    EXPECT_EQ(Cell(2, 1), "");
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Row(), 1);
    Undo.Undo();
    EXPECT_EQ(Cell(1, 1), "x");
    EXPECT_FALSE(Undo.CanUndo());
    EXPECT_TRUE(Undo.CanRedo());

    Undo.Undo(); // at the start: nothing happens
    EXPECT_EQ(Undo.Level(), 0);

    Undo.Redo();
    EXPECT_EQ(Cell(1, 1), "y");
    EXPECT_EQ(Cell(2, 1), "");
    Undo.Redo();
    EXPECT_EQ(Cell(2, 1), "z");
    EXPECT_FALSE(Undo.CanRedo());
}

TEST_F(UndoRedoTest, SequenceUndoesAndRedoesAsOneStep) {
    Grid->SetCells(1, 1, "a0");
    std::vector<std::pair<std::string, std::string>> undone;
    Undo.OnUndo = [&](TObject*, TBaseGrid* grid, int, int, const std::string& orig,
                      const std::string& restored) { undone.emplace_back(orig, restored); };

    Undo.StartSequence();
    Edit(1, 1, "a1");
    Edit(2, 2, "b1");
    Edit(3, 3, "c1");
    Undo.StopSequence();
    EXPECT_EQ(Undo.Items().Count(), 5);

    Undo.Undo();
    EXPECT_EQ(Cell(1, 1), "a0");
    EXPECT_EQ(Cell(2, 2), "");
    EXPECT_EQ(Cell(3, 3), "");
    EXPECT_EQ(Undo.Level(), 0);
    // Newest first; each call sees the text before the restore and the text restored.
    EXPECT_EQ(undone, (std::vector<std::pair<std::string, std::string>>{
                          {"c1", ""}, {"b1", ""}, {"a1", "a0"}}));

    Undo.Redo();
    EXPECT_EQ(Cell(1, 1), "a1");
    EXPECT_EQ(Cell(2, 2), "b1");
    EXPECT_EQ(Cell(3, 3), "c1");
    EXPECT_EQ(Undo.Level(), 5);
    EXPECT_FALSE(Undo.CanRedo());
}

TEST_F(UndoRedoTest, NewChangeAfterUndoDiscardsTheRedoTail) {
    Edit(1, 1, "first");
    Edit(1, 2, "second");
    Undo.Undo();
    Edit(1, 3, "third");

    EXPECT_FALSE(Undo.CanRedo());
    EXPECT_EQ(Undo.Items().Count(), 2);
    Undo.Undo();
    Undo.Undo();
    EXPECT_EQ(Cell(1, 1), "");
    EXPECT_EQ(Cell(1, 2), ""); // the undone change is not re-applied on the way back
    EXPECT_EQ(Cell(1, 3), "");
}

TEST_F(UndoRedoTest, MaxLevelDropsTheOldestEntry) {
    Undo.SetMaxLevel(2);
    Edit(1, 1, "a");
    Edit(1, 2, "b");
    Edit(1, 3, "c");
    EXPECT_EQ(Undo.Items().Count(), 2);
    EXPECT_EQ(Undo.Level(), 2);
    EXPECT_EQ(Undo.Items().Items(0)->Value, "b");
}

TEST_F(UndoRedoTest, SequenceWhoseStartWasDroppedStopsAtTheOldestEntry) {
    Undo.SetMaxLevel(3);
    Undo.StartSequence();
    Edit(1, 1, "a");
    Edit(1, 2, "b");
    Edit(1, 3, "c"); // drops the start marker
    Undo.StopSequence();
    Undo.Undo();
    EXPECT_EQ(Undo.Level(), 0);
    EXPECT_EQ(Cell(1, 2), "");
    EXPECT_EQ(Cell(1, 3), "");
}

TEST_F(UndoRedoTest, OpenSequenceRedoesEveryEntry) {
    Undo.StartSequence();
    Edit(1, 1, "a");
    Edit(1, 2, "b");
    Undo.Undo(); // undoes "b" alone: no stop marker yet
    Undo.Undo();
    Undo.Undo(); // steps back over the start marker as a plain entry
    Undo.Redo();
    EXPECT_EQ(Cell(1, 1), "a");
    EXPECT_EQ(Cell(1, 2), "b");
    EXPECT_EQ(Undo.Level(), 3);
}

TEST_F(UndoRedoTest, ResetAndLostGridDoNothingHarmful) {
    Edit(1, 1, "a");
    Undo.Reset();
    EXPECT_FALSE(Undo.CanUndo());
    EXPECT_FALSE(Undo.CanRedo());

    Edit(1, 1, "b");
    Undo.Notification(Grid.get(), true);
    EXPECT_EQ(Undo.Grid(), nullptr);
    Undo.Undo(); // no grid: nothing happens
    EXPECT_EQ(Undo.Level(), 1);
}

TEST_F(UndoRedoTest, UndoIntoARowThatNoLongerExistsKeepsTheCurrentCell) {
    Edit(2, 4, "x");
    Grid->FocusCell(1, 1, true);
    Grid->SetRowCount(3);
    Undo.Undo();
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_EQ(Grid->GridCells(2, 4), "");
}

TEST(UndoRedoLink, GridAndComponentKnowEachOtherUntilOneGoes) {
    TBaseGrid grid(nullptr);
    {
        TExGridUndoRedo undo(nullptr);
        grid.SetUndoRedo(&undo);
        EXPECT_EQ(undo.Grid(), &grid);
    }
    EXPECT_EQ(grid.UndoRedo(), nullptr);
}

TEST(UndoRedoLink, AnUndoComponentOutlivingItsGridIsLetGo) {
    TExGridUndoRedo undo(nullptr);
    {
        TBaseGrid grid(nullptr);
        grid.SetUndoRedo(&undo);
    }
    EXPECT_EQ(undo.Grid(), nullptr);
    undo.Undo(); // nothing to undo and no grid: must not touch freed memory
}

TEST(UndoRedoLink, LinkingAnotherComponentLetsTheFirstGo) {
    TBaseGrid grid(nullptr);
    TExGridUndoRedo first(nullptr), second(nullptr);
    grid.SetUndoRedo(&first);
    grid.SetUndoRedo(&second);
    EXPECT_EQ(first.Grid(), nullptr);
    EXPECT_EQ(second.Grid(), &grid);
}

TEST_F(UndoRedoTest, LoweredMaxLevelIsMetByTheNextChange) {
    for (const char* text : {"a", "b", "c", "d", "e"})
        Edit(1, 1, text);
    Undo.SetMaxLevel(2);
    Edit(1, 1, "f");
    ASSERT_EQ(Undo.Items().Count(), 2);
    EXPECT_EQ(Undo.Level(), 2);
    EXPECT_EQ(Undo.Items().Items(0)->Value, "e");
    EXPECT_EQ(Undo.Items().Items(1)->Value, "f");
}

TEST(UndoRedoLink, AComponentServesOneGridAtATime) {
    // Whichever side makes the link, the grid it leaves no longer records into the component,
    // so nothing recorded for one grid is undone into another, and no grid outlives the link.
    struct Case {
        const char* name;
        bool linkFromGrid;
    };
    for (const Case& c : {Case{"grid's UndoRedo", true}, Case{"component's Grid", false}}) {
        TBaseGrid first(nullptr), second(nullptr);
        {
            TExGridUndoRedo undo(nullptr);
            first.SetUndoRedo(&undo);
            if (c.linkFromGrid)
                second.SetUndoRedo(&undo);
            else
                undo.SetGrid(&second);
            EXPECT_EQ(first.UndoRedo(), nullptr) << c.name;
            EXPECT_EQ(second.UndoRedo(), &undo) << c.name;
            EXPECT_EQ(undo.Grid(), &second) << c.name;
        }
        EXPECT_EQ(first.UndoRedo(), nullptr) << c.name;
        EXPECT_EQ(second.UndoRedo(), nullptr) << c.name << ": the freed component is let go";
    }
}
