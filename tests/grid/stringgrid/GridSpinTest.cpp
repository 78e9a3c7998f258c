// The spin editor: value keys inside the limits, loading and storing by spin kind, commit keys.
#include "EditorControlTestGrid.h"

#include "grid/stringgrid/GridSpin.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

namespace {

class GridSpinTest : public EditorControlFixture, public ::testing::Test {
protected:
    TGridSpin* Spin() { return Grid->SpinEdit(); }
};

TEST_F(GridSpinTest, StartsWithItsLimits) {
    EXPECT_EQ(Spin()->MinValue(), 0);
    EXPECT_EQ(Spin()->MaxValue(), 100);
    EXPECT_EQ(Spin()->Increment(), 1);
    EXPECT_FALSE(Spin()->Visible());
    EXPECT_EQ(Grid->CellEditorOfKind(edFloatSpinEdit), static_cast<TCellEditor*>(Spin()));
}

TEST_F(GridSpinTest, PageKeysStepOnlyInsideTheLimitsHomeAndEndSetThem) {
    struct Case {
        WORD Key;
        int Start;
        int Expected;
    };
    const Case cases[] = {
        {VK_PRIOR, 99, 99}, {VK_PRIOR, 90, 95}, {VK_NEXT, 12, 7},
        {VK_NEXT, 3, 3},    {VK_HOME, 40, 100}, {VK_END, 40, 2},
    };
    for (const Case& c : cases) {
        Open(edSpinEdit, 1, 1, std::to_string(c.Start));
        Spin()->SetIncrement(5);
        Spin()->SetMinValue(2);
        std::vector<bool> clicks;
        Grid->OnSpinClick = [&](TObject*, int, int, int, bool UpDown) { clicks.push_back(UpDown); };
        InputSimulation::KeyPress(Spin(), c.Key);
        EXPECT_EQ(Spin()->Value(), c.Expected) << c.Key << " from " << c.Start;
        ASSERT_EQ(clicks.size(), 1u);
        EXPECT_EQ(clicks[0], c.Key == VK_PRIOR || c.Key == VK_HOME);
    }
}

TEST_F(GridSpinTest, AppliesTheValueOfItsKind) {
    TFormatSettings settings;
    settings.ShortDateFormat = "dd/mm/yyyy";
    settings.DateSeparator = "/";
    OverrideFormatSettings(&settings);
    struct Case {
        TEditorType Kind;
        const char* Text;
        bool AllowEmpty;
        const char* Stored;
    };
    const Case cases[] = {
        {edSpinEdit, " 42 ", false, "42"},
        {edSpinEdit, "", false, "0"},
        {edFloatSpinEdit, "2.5", false, "2.50"},
        {edTimeSpinEdit, "10:30:00", false, "10:30:00"},
        {edDateSpinEdit, "24/12/2026", false, "24/12/2026"},
    };
    for (const Case& c : cases) {
        Spin()->SetAllowEmptyValue(c.AllowEmpty);
        TCellEditor* editor = Open(c.Kind, 2, 2, c.Text);
        EXPECT_EQ(editor->ApplyCellText(), c.Stored) << c.Text;
    }
    OverrideFormatSettings(nullptr);
}

TEST_F(GridSpinTest, EmptiedTextStoresAnEmptyCellWhenAllowed) {
    for (bool allowEmpty : {true, false}) {
        Spin()->SetAllowEmptyValue(allowEmpty);
        TCellEditor* editor = Open(edSpinEdit, 1, 1, "12");
        Spin()->SetText("  ");
        EXPECT_EQ(editor->ApplyCellText(), allowEmpty ? "" : "0");
    }
}

TEST_F(GridSpinTest, RefusedEnterShowsTheCurrentCellAndBlocksTheAdvance) {
    Open(edSpinEdit, 1, 1, "5");
    Spin()->SetText("70");
    Grid->RefuseWith = "ignored";
    InputSimulation::KeyPress(Spin(), VK_RETURN, '\r');
    EXPECT_EQ(Grid->Validated, std::vector<std::string>{"70"});
    EXPECT_EQ(Spin()->Text(), "70") << "the current cell took the typed text";
    EXPECT_TRUE(Grid->FNoAutoAdvance);
}

TEST_F(GridSpinTest, EscapeBringsBackTheCachedText) {
    Open(edSpinEdit, 1, 1, "5");
    Spin()->SetText("70");
    InputSimulation::KeyPress(Spin(), VK_ESCAPE, 27);
    EXPECT_EQ(Spin()->Value(), 5);
    EXPECT_TRUE(Grid->Validated.empty());
}

} // namespace
