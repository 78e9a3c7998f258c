// A press of the mouse moves the activation and the keyboard focus as a person's press does, and
// a press beside an open list closes the list first.
#include "RecordingControl.h"

#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Edit.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// Notes which widgets took the focus, and why.
struct FocusReasonLog : QObject {
    FocusReasonLog() { qApp->installEventFilter(this); }
    ~FocusReasonLog() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            Reasons.push_back({watched, static_cast<QFocusEvent*>(event)->reason()});
        return false;
    }
    std::vector<Qt::FocusReason> ReasonsOf(const QObject* widget) const {
        std::vector<Qt::FocusReason> reasons;
        for (const auto& [receiver, reason] : Reasons)
            if (receiver == widget)
                reasons.push_back(reason);
        return reasons;
    }
    std::vector<std::pair<const QObject*, Qt::FocusReason>> Reasons;
};

struct MousePressFocus : ::testing::Test {
    std::unique_ptr<TestForm> Form = std::make_unique<TestForm>(nullptr);
    TEdit* First = new TEdit(Form.get());
    TEdit* Second = new TEdit(Form.get());

    void SetUp() override {
        Form->SetBounds(40, 40, 320, 200);
        First->SetParent(Form.get());
        First->SetBounds(10, 10, 100, 21);
        Second->SetParent(Form.get());
        Second->SetBounds(10, 40, 100, 21);
        Form->Show();
        First->SetFocus();
        ASSERT_EQ(InputSimulation::FocusedControl(), First);
    }
};

TEST_F(MousePressFocus, APressOnAnEditOfAnInactiveFormActivatesItAndFocusesTheEdit) {
    TestForm other(nullptr);
    other.SetBounds(400, 40, 200, 100);
    std::vector<std::string> heard;
    Form->OnActivate = [&](TObject*) { heard.push_back("activate"); };
    Second->OnEnter = [&](TObject*) { heard.push_back("enter"); };
    other.Show();
    Application->ProcessMessages();
    ASSERT_FALSE(Form->Active());
    FocusReasonLog reasons;

    InputSimulation::Click(Second, {5, 5});

    EXPECT_TRUE(Form->Active());
    EXPECT_FALSE(other.Active());
    EXPECT_EQ(InputSimulation::FocusedControl(), Second);
    EXPECT_EQ(Form->ActiveControl(), Second);
    EXPECT_EQ(heard, (std::vector<std::string>{"activate", "enter"}));
    EXPECT_EQ(reasons.ReasonsOf(QApplication::focusWidget()),
              std::vector<Qt::FocusReason>{Qt::MouseFocusReason});
}

TEST_F(MousePressFocus, APressGoesToTheFirstWidgetThatTakesClickFocus) {
    auto* panel = new TPanel(Form.get());
    panel->SetParent(Form.get());
    panel->SetBounds(150, 10, 150, 150);
    auto* label = new TLabel(Form.get());
    label->SetParent(panel);
    label->SetBounds(5, 5, 60, 15);
    label->SetCaption("Label");
    auto* disabled = new TEdit(Form.get());
    disabled->SetParent(panel);
    disabled->SetBounds(5, 30, 100, 21);
    disabled->SetEnabled(false);
    auto* check = new TCheckBox(Form.get());
    check->SetParent(panel);
    check->SetBounds(5, 60, 100, 21);
    auto* drawn = new RecordingControl(Form.get(), panel);
    drawn->SetBounds(5, 90, 40, 20);

    struct Case {
        const char* Name;
        TControl* Pressed;
        TWinControl* Focused;
    };
    const Case cases[] = {
        {"another edit", Second, Second},
        {"the edit that has the focus", First, First},
        {"a panel", panel, First},
        {"a label", label, First},
        {"a disabled edit", disabled, First},
        {"a check box", check, check},
        {"a control that takes no click focus", drawn, First},
    };
    for (const Case& c : cases) {
        First->SetFocus();
        ASSERT_EQ(InputSimulation::FocusedControl(), First);
        InputSimulation::Click(c.Pressed, {3, 3});
        EXPECT_EQ(InputSimulation::FocusedControl(), c.Focused) << c.Name;
    }
}

struct PressBesideAnOpenList : MousePressFocus {
    TComboBox* Combo = new TComboBox(Form.get());
    std::vector<std::string> Events;

    void SetUp() override {
        MousePressFocus::SetUp();
        Combo->SetParent(Form.get());
        Combo->SetBounds(150, 10, 120, 21);
        // An editable combo drops its list below itself, leaving its arrow free to press.
        Combo->SetStyle(csDropDown);
        for (const char* item : {"Primary Master", "Secondary Master", "Third"})
            Combo->Items()->Add(item);
        Combo->SetItemIndex(0);
        Combo->OnCloseUp = [this](TObject*) { Events.push_back("closeup"); };
        Combo->OnChange = [this](TObject*) { Events.push_back("change"); };
        Second->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) {
            Events.push_back("edit pressed");
        };
        Combo->SetFocus();
        InputSimulation::KeyPress(Combo, VK_F4);
        ASSERT_TRUE(Combo->DroppedDown());
    }
};

TEST_F(PressBesideAnOpenList, ClosesTheListAndThePressGoesOnToTheEdit) {
    InputSimulation::Click(Second, {5, 5});
    Application->ProcessMessages();

    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Events, (std::vector<std::string>{"closeup", "edit pressed"}));
    EXPECT_EQ(InputSimulation::FocusedControl(), Second);
    EXPECT_EQ(Combo->ItemIndex(), 0);
}

TEST_F(PressBesideAnOpenList, APressOnTheComboItselfClosesTheListWithoutOpeningItAgain) {
    InputSimulation::Click(Combo, {Combo->Width() - 5, 10});
    Application->ProcessMessages();

    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Events, std::vector<std::string>{"closeup"});
    EXPECT_EQ(InputSimulation::FocusedControl(), Combo);
}

TEST_F(MousePressFocus, APressBesideAnOpenCalendarClosesItAndAPressOnItsButtonOpensItNoMore) {
    auto* picker = new TDateTimePicker(Form.get());
    picker->SetParent(Form.get());
    picker->SetBounds(150, 10, 150, 21);
    const TPoint button{picker->Width() - 5, 10};

    InputSimulation::Click(picker, button);
    ASSERT_TRUE(picker->DroppedDown());
    InputSimulation::Click(Second, {5, 5});
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(InputSimulation::FocusedControl(), Second) << "the press went on to the edit";

    InputSimulation::Click(picker, button);
    ASSERT_TRUE(picker->DroppedDown());
    InputSimulation::Click(picker, button);
    Application->ProcessMessages();
    EXPECT_FALSE(picker->DroppedDown());
}

} // namespace

namespace {

// A control that was pressed keeps the mouse until the button is up: the moves and the release
// beyond its edge reach it, in its own coordinates, and none reaches the control under the mouse.
TEST(MouseHeldDown, TheMovesAndTheReleaseGoToTheControlThatWasPressed) {
    TestForm form(nullptr);
    form.SetBounds(40, 40, 320, 200);
    auto* pressed = new RecordingControl(&form, &form);
    pressed->SetBounds(10, 10, 40, 20);
    auto* beside = new RecordingControl(&form, &form);
    beside->SetBounds(100, 10, 40, 20);
    form.Show();
    Application->ProcessMessages();

    InputSimulation::MouseDown(pressed, mbLeft, {5, 5});
    beside->Received.clear();
    InputSimulation::MouseMove(&form, {115, 20}, TShiftState{ssLeft});
    InputSimulation::MouseUp(&form, mbLeft, {115, 20});
    EXPECT_TRUE(pressed->Saw(WM_MOUSEMOVE));
    EXPECT_TRUE(pressed->Saw(WM_LBUTTONUP));
    EXPECT_FALSE(beside->Saw(WM_MOUSEMOVE));
    EXPECT_FALSE(beside->Saw(WM_LBUTTONUP));

    // With the button up, the mouse belongs to what lies under it again.
    InputSimulation::MouseMove(&form, {115, 20});
    EXPECT_TRUE(beside->Saw(WM_MOUSEMOVE));
}

} // namespace
