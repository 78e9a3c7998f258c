// The base grid control drives its in-place editor through the cell-editor interface, in the
// order every editor over a cell goes through.
#include "StringGridControlTestGrid.h"

#include "platform/ui/InplaceEdit.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace StringGridTest;

namespace {
class TRecordingEditor : public TInplaceEdit {
public:
    explicit TRecordingEditor(TStringGrid* AGrid, std::vector<std::string>& Calls)
        : TInplaceEdit(AGrid), FCalls(Calls) {}

    void BeginCellEdit(int ACol, int ARow) override {
        FCalls.push_back("Begin " + std::to_string(ACol) + "," + std::to_string(ARow));
        TInplaceEdit::BeginCellEdit(ACol, ARow);
    }
    void PlaceCellEditor(const TRect& ARect, TColor Background) override {
        FCalls.push_back("Place");
        TInplaceEdit::PlaceCellEditor(ARect, Background);
    }
    void LoadCellText(const std::string& Text) override {
        FCalls.push_back("Load " + Text);
        TInplaceEdit::LoadCellText(Text);
    }
    void TypeStartKey(char16_t Key) override {
        FCalls.push_back("Key");
        TInplaceEdit::TypeStartKey(Key);
    }
    void CancelCellEdit() override {
        FCalls.push_back("Cancel");
        TInplaceEdit::CancelCellEdit();
    }
    void EndCellEdit() override {
        FCalls.push_back("End");
        TInplaceEdit::EndCellEdit();
    }

private:
    std::vector<std::string>& FCalls;
};

class TCellEditorGrid : public TRecordingGrid {
public:
    using TRecordingGrid::TRecordingGrid;
    std::vector<std::string> Calls;

protected:
    TInplaceEdit* CreateEditor() override { return new TRecordingEditor(this, Calls); }
};
} // namespace

TEST(StringGridControlCellEditor, AnEditRunsBeginPlaceLoadAndEnd) {
    TCellEditorGrid grid(nullptr);
    grid.SetOptions(grid.Options() << goEditing);
    grid.SetCells(2, 3, "text");
    grid.FocusCell(2, 3, true);
    grid.ShowEditor();
    EXPECT_EQ(grid.Calls, (std::vector<std::string>{"Begin 2,3", "Load text", "Place"}));
    EXPECT_EQ(grid.InplaceEditor()->BoundsRect(), grid.CellRect(2, 3));
    EXPECT_TRUE(grid.InplaceEditor()->Visible());
    grid.HideEditor();
    EXPECT_EQ(grid.Calls.back(), "End");
    EXPECT_FALSE(grid.InplaceEditor()->Visible());
}

TEST(StringGridControlCellEditor, EscapeCancelsAndLoadsTheTextBack) {
    TCellEditorGrid grid(nullptr);
    grid.SetOptions(grid.Options() << goEditing);
    grid.SetCells(1, 1, "before");
    grid.ShowEditor();
    grid.InplaceEditor()->SetText("after");
    grid.Calls.clear();
    InputSimulation::KeyDown(grid.InplaceEditor(), VK_ESCAPE);
    EXPECT_EQ(grid.Calls, (std::vector<std::string>{"Cancel", "Load before", "End"}));
    EXPECT_EQ(grid.Cells(1, 1), "before");
}

TEST(StringGridControlCellEditor, ACharacterTypedOnTheGridStartsTheEdit) {
    TCellEditorGrid grid(nullptr);
    grid.SetOptions(grid.Options() << goEditing);
    grid.SetCells(1, 1, "old");
    InputSimulation::TypeChar(&grid, u'n');
    ASSERT_TRUE(grid.EditorMode());
    EXPECT_EQ(grid.Calls.back(), "Key");
    EXPECT_EQ(grid.InplaceEditor()->Text(), "n");
    EXPECT_EQ(grid.Cells(1, 1), "n");
}
