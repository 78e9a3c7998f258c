#include "platform/ui/ActnList.h"

#include "RecordingControl.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Counts the action changes that reach it.
class ActionControl : public RecordingControl {
public:
    using RecordingControl::RecordingControl;
    using TControl::ExecuteLinkedAction;
    int ActionChanges = 0;

protected:
    void ActionChange(TObject* Sender, bool CheckDefaults) override {
        ++ActionChanges;
        RecordingControl::ActionChange(Sender, CheckDefaults);
    }
};

class ActnListTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TestForm>(nullptr);
        Form->Show();
        Control = new ActionControl(Form.get(), Form.get());
        Action = new TAction(Form.get());
        Action->SetCaption("Open");
        Action->SetHint("Opens a project");
        Action->OnExecute = [this](TObject* sender) {
            EXPECT_EQ(sender, Action);
            ++Executed;
        };
    }

    std::unique_ptr<TestForm> Form;
    ActionControl* Control = nullptr;
    TAction* Action = nullptr;
    int Executed = 0;
};

TEST_F(ActnListTest, ALinkedControlTakesTheActionsProperties) {
    Action->SetEnabled(false);
    Action->SetVisible(false);
    Control->SetCaption("before");
    Control->SetAction(Action);
    EXPECT_EQ(Control->Action(), Action);
    EXPECT_EQ(Control->Caption(), "Open");
    EXPECT_EQ(Control->Hint(), "Opens a project");
    EXPECT_FALSE(Control->Enabled());
    EXPECT_FALSE(Control->Visible());
}

TEST_F(ActnListTest, ALinkedControlFollowsEveryChange) {
    Control->SetAction(Action);
    struct Case {
        const char* Name;
        std::function<void(TAction&)> Change;
        std::function<bool(const TControl&)> Taken;
    };
    const Case cases[] = {
        {"caption", [](TAction& a) { a.SetCaption("Save"); },
         [](const TControl& c) { return c.Caption() == "Save"; }},
        {"hint", [](TAction& a) { a.SetHint("Saves"); },
         [](const TControl& c) { return c.Hint() == "Saves"; }},
        {"disabled", [](TAction& a) { a.SetEnabled(false); },
         [](const TControl& c) { return !c.Enabled(); }},
        {"enabled", [](TAction& a) { a.SetEnabled(true); },
         [](const TControl& c) { return c.Enabled(); }},
        {"hidden", [](TAction& a) { a.SetVisible(false); },
         [](const TControl& c) { return !c.Visible(); }},
        {"shown", [](TAction& a) { a.SetVisible(true); },
         [](const TControl& c) { return c.Visible(); }},
    };
    for (const Case& c : cases) {
        c.Change(*Action);
        EXPECT_TRUE(c.Taken(*Control)) << c.Name;
    }
}

TEST_F(ActnListTest, WritingAnUnchangedValueTellsNobody) {
    Control->SetAction(Action);
    const int before = Control->ActionChanges;
    Action->SetCaption("Open");
    Action->SetEnabled(true);
    Action->SetImageIndex(-1);
    EXPECT_EQ(Control->ActionChanges, before);
}

TEST_F(ActnListTest, ClickingExecutesTheActionOnce) {
    Control->SetAction(Action);
    InputSimulation::Click(Control, {5, 5});
    EXPECT_EQ(Executed, 1);
    Control->Click();
    EXPECT_EQ(Executed, 2);
}

TEST_F(ActnListTest, AnOnClickOfTheControlsOwnTakesThePlaceOfTheAction) {
    int clicked = 0;
    Control->OnClick = [&](TObject*) { ++clicked; };
    Control->SetAction(Action);
    Control->Click();
    EXPECT_EQ(clicked, 1);
    EXPECT_EQ(Executed, 0);
}

TEST_F(ActnListTest, ADisabledActionDoesNotRun) {
    Control->SetAction(Action);
    Action->SetEnabled(false);
    EXPECT_FALSE(Control->ExecuteLinkedAction());
    EXPECT_FALSE(Action->Execute());
    EXPECT_EQ(Executed, 0);
}

TEST_F(ActnListTest, AnActionWithoutHandlerReportsThatItDidNothing) {
    TAction idle(nullptr);
    EXPECT_FALSE(idle.Execute());
    EXPECT_TRUE(Action->Execute());
}

TEST_F(ActnListTest, FreeingTheActionFirstUnlinksTheControl) {
    Control->SetAction(Action);
    delete Action;
    EXPECT_EQ(Control->Action(), nullptr);
    Control->Click();
    EXPECT_EQ(Executed, 0);
}

TEST_F(ActnListTest, FreeingTheControlFirstUnlinksItFromTheAction) {
    Control->SetAction(Action);
    EXPECT_EQ(Action->ClientCount(), 1);
    delete Control;
    EXPECT_EQ(Action->ClientCount(), 0);
    // A change now must not reach the freed control.
    Action->SetCaption("Later");
}

TEST_F(ActnListTest, RelinkingMovesTheControlToTheNewAction) {
    Control->SetAction(Action);
    TAction other(nullptr);
    other.SetCaption("Other");
    Control->SetAction(&other);
    EXPECT_EQ(Action->ClientCount(), 0);
    EXPECT_EQ(Control->Caption(), "Other");
    Control->SetAction(nullptr);
    EXPECT_EQ(other.ClientCount(), 0);
    EXPECT_EQ(Control->Caption(), "Other");
}

TEST_F(ActnListTest, TheActionListKnowsItsActionsBothWays) {
    auto list = std::make_unique<TActionList>(nullptr);
    TAction second(nullptr);
    Action->SetActionList(list.get());
    second.SetActionList(list.get());
    ASSERT_EQ(list->ActionCount(), 2);
    EXPECT_EQ(list->Actions(1), &second);
    EXPECT_EQ(second.Index(), 1);
    delete Action;
    ASSERT_EQ(list->ActionCount(), 1);
    EXPECT_EQ(second.Index(), 0);
    list.reset();
    EXPECT_EQ(second.ActionList(), nullptr);
    EXPECT_EQ(second.Index(), -1);
}

TEST_F(ActnListTest, ImagesOfTheListAreForgottenWhenFreedAndTheirChangesReachControls) {
    TActionList list(nullptr);
    auto images = std::make_unique<TImageList>(nullptr);
    Action->SetActionList(&list);
    Control->SetAction(Action);
    list.SetImages(images.get());
    EXPECT_EQ(list.Images(), images.get());
    const int before = Control->ActionChanges;
    TBitmap picture(16, 16);
    images->Add(&picture, clNone);
    EXPECT_EQ(Control->ActionChanges, before + 1);
    images.reset();
    EXPECT_EQ(list.Images(), nullptr);
}

} // namespace
