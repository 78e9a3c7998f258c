#include "RecordingControl.h"

#include "platform/ui/Edit.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/UpDown.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class UpDownTest : public ::testing::Test {
protected:
    UpDownTest()
        : Form(std::make_unique<TestForm>(nullptr)), Edit(new TEdit(Form.get())),
          Arrows(new TUpDown(Form.get())) {
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 10, 60, 21);
        Arrows->SetMin(2);
        Arrows->SetMax(5);
        Arrows->SetAssociate(Edit);
    }

    TPoint Upper() const { return Point(5, 2); }
    TPoint Lower() const { return Point(5, Arrows->Height() - 2); }

    std::unique_ptr<TestForm> Form;
    TEdit* Edit;
    TUpDown* Arrows;
};

TEST_F(UpDownTest, SitsBesideItsEditAndShowsThePosition) {
    EXPECT_EQ(Arrows->Parent(), Form.get());
    EXPECT_EQ(Arrows->Left(), 70);
    EXPECT_EQ(Arrows->Height(), 21);
    EXPECT_EQ(Arrows->Position(), 2) << "clamped to Min";
    EXPECT_EQ(Edit->Text(), "2");
}

TEST_F(UpDownTest, ClicksStepAndStopAtTheLimits) {
    for (int i = 0; i < 5; ++i)
        InputSimulation::Click(Arrows, Upper());
    EXPECT_EQ(Edit->Text(), "5");
    InputSimulation::Click(Arrows, Lower());
    EXPECT_EQ(Edit->Text(), "4");
}

TEST_F(UpDownTest, WrapGoesRound) {
    Arrows->SetWrap(true);
    Arrows->SetPosition(5);
    Arrows->Step(btNext);
    EXPECT_EQ(Arrows->Position(), 2);
    Arrows->Step(btPrev);
    EXPECT_EQ(Arrows->Position(), 5);
}

TEST_F(UpDownTest, StepStartsFromTheTypedValue) {
    Edit->SetText("4");
    Arrows->Step(btNext);
    EXPECT_EQ(Edit->Text(), "5");
    Edit->SetText("not a number");
    Arrows->Step(btPrev);
    EXPECT_EQ(Edit->Text(), "4") << "text that is no number leaves the position as it was";
}

TEST_F(UpDownTest, OnChangingCanRefuseAStep) {
    Arrows->OnChanging = [](TObject*, bool& allow) { allow = false; };
    Arrows->Step(btNext);
    EXPECT_EQ(Arrows->Position(), 2);
}

TEST_F(UpDownTest, ThousandsAreGroupedAndReadBack) {
    Arrows->SetMax(5000);
    Arrows->SetPosition(1234);
    EXPECT_EQ(Edit->Text(), "1,234");
    Arrows->Step(btNext);
    EXPECT_EQ(Arrows->Position(), 1235);
}

TEST_F(UpDownTest, ThousandsGroupEveryThreeDigitsFromTheRight) {
    Arrows->SetMin(-2000000);
    Arrows->SetMax(2000000);
    const std::pair<int, const char*> cases[] = {
        {0, "0"},
        {999, "999"},
        {1000, "1,000"},
        {123456, "123,456"},
        {1234567, "1,234,567"},
        {-1234, "-1,234"},
    };
    for (const auto& [position, shown] : cases) {
        Arrows->SetPosition(position);
        EXPECT_EQ(Edit->Text(), shown) << position;
    }
}

TEST_F(UpDownTest, FreedAssociateIsLetGo) {
    delete Edit;
    EXPECT_EQ(Arrows->Associate(), nullptr);
    Arrows->Step(btNext);
    EXPECT_EQ(Arrows->Position(), 3);
}

} // namespace
