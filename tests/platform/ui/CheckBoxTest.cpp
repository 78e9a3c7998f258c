#include "RecordingControl.h"

#include "platform/ui/CheckBox.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class CheckBoxTest : public ::testing::Test {
protected:
    CheckBoxTest() : Form(std::make_unique<TestForm>(nullptr)), Box(new TCheckBox(Form.get())) {
        Box->SetParent(Form.get());
        Box->SetCaption("Read Back");
        Box->OnClick = [this](TObject* sender) {
            EXPECT_EQ(sender, Box);
            Seen.push_back(Box->State());
        };
    }

    std::unique_ptr<TestForm> Form;
    TCheckBox* Box;
    std::vector<TCheckBoxState> Seen;
};

TEST_F(CheckBoxTest, ClickTogglesAndFiresOncePerClick) {
    InputSimulation::Click(Box, Point(5, 5));
    InputSimulation::Click(Box, Point(5, 5));
    EXPECT_EQ(Seen, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked}));
}

TEST_F(CheckBoxTest, SpaceTogglesLikeAClick) {
    InputSimulation::KeyPress(Box, VK_SPACE, u' ');
    EXPECT_TRUE(Box->Checked());
    EXPECT_EQ(Seen.size(), 1u);
}

TEST_F(CheckBoxTest, SettingCheckedFiresOnClickOnlyOnAChange) {
    // Handlers that keep dependent controls in step rely on this.
    Box->SetChecked(true);
    Box->SetChecked(true);
    Box->SetChecked(false);
    EXPECT_EQ(Seen, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked}));
}

TEST_F(CheckBoxTest, ClicksCycleThroughGrayedOnlyWhenAllowed) {
    struct Case {
        bool AllowGrayed;
        std::vector<TCheckBoxState> Expected;
    };
    for (const Case& c : {Case{false, {cbChecked, cbUnchecked, cbChecked}},
                          Case{true, {cbGrayed, cbChecked, cbUnchecked}}}) {
        Box->SetState(cbUnchecked);
        Box->SetAllowGrayed(c.AllowGrayed);
        Seen.clear();
        for (int i = 0; i < 3; ++i)
            InputSimulation::Click(Box, Point(5, 5));
        EXPECT_EQ(Seen, c.Expected) << "AllowGrayed " << c.AllowGrayed;
    }
}

TEST_F(CheckBoxTest, GrayedSetByTheProgramLeavesOnTheNextClick) {
    Box->SetState(cbGrayed);
    InputSimulation::Click(Box, Point(5, 5));
    InputSimulation::Click(Box, Point(5, 5));
    EXPECT_EQ(Seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
}

TEST_F(CheckBoxTest, DisabledBoxKeepsItsMark) {
    Box->SetChecked(true);
    Box->SetEnabled(false);
    InputSimulation::Click(Box, Point(5, 5));
    EXPECT_TRUE(Box->Checked());
}

} // namespace
