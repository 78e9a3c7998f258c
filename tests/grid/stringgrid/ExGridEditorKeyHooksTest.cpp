// A descendant grid sees the keys typed into the grid's text editor through its two editor key
// hooks: the key message first, then the key itself before the editor acts on it.
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "tests/support/EditableGridForm.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class TKeyWatchingGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    std::vector<WORD> Messages;
    std::vector<WORD> Keys;

protected:
    void EditorKeyMessage(TMessage& Message) override {
        Messages.push_back(static_cast<WORD>(Message.WParam));
    }
    void EditorKeyDown(WORD& Key, TShiftState) override { Keys.push_back(Key); }
};

TEST(ExGridEditorKeyHooks, TheTextEditorReportsItsKeysToTheGrid) {
    TForm form(nullptr);
    TEdit* other = nullptr;
    auto* grid = PlaceEditableGrid<TKeyWatchingGrid>(form, 5, edNormal, other);
    ShowWithCellFocused(form, grid);
    Application->ProcessMessages();

    InputSimulation::KeyPressFocused(VK_F2);
    Application->ProcessMessages();
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_TRUE(grid->Messages.empty()) << "F2 went to the grid, not to its editor";
    InputSimulation::KeyPressFocused('Q', 'q');
    InputSimulation::KeyPressFocused(VK_HOME);
    Application->ProcessMessages();
    const std::vector<WORD> typed{'Q', VK_HOME};
    EXPECT_EQ(grid->Messages, typed);
    EXPECT_EQ(grid->Keys, typed);
}

} // namespace
