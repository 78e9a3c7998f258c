#include "RecordingControl.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Messages.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct MouseInput : ::testing::Test {
    std::unique_ptr<TestForm> form = std::make_unique<TestForm>(nullptr);
    RecordingControl* control = new RecordingControl(form.get(), form.get());
    std::string log;

    void SetUp() override {
        control->OnMouseDown = [this](TObject*, TMouseButton b, TShiftState s, int x, int y) {
            log += "down" + std::to_string(b) + (s.Contains(ssDouble) ? "d" : "") + "@" +
                   std::to_string(x) + "," + std::to_string(y) + " ";
        };
        control->OnMouseUp = [this](TObject*, TMouseButton b, TShiftState, int x, int y) {
            log +=
                "up" + std::to_string(b) + "@" + std::to_string(x) + "," + std::to_string(y) + " ";
        };
        control->OnClick = [this](TObject*) { log += "click "; };
        control->OnDblClick = [this](TObject*) { log += "dbl "; };
    }
};

} // namespace

TEST_F(MouseInput, PressAndReleaseInsideClickBeforeMouseUp) {
    InputSimulation::Click(control, {5, 6});
    EXPECT_EQ(log, "down0@5,6 click up0@5,6 ");
}

TEST_F(MouseInput, ReleaseOutsideTheControlDoesNotClick) {
    InputSimulation::MouseDown(control, mbLeft, {5, 6});
    InputSimulation::MouseUp(control, mbLeft, {50, 6});
    EXPECT_EQ(log, "down0@5,6 up0@50,6 ");
}

TEST_F(MouseInput, RightButtonDoesNotClick) {
    InputSimulation::Click(control, {1, 1}, mbRight);
    EXPECT_EQ(log, "down1@1,1 up1@1,1 ");
}

TEST_F(MouseInput, DoubleClickFiresDblClickAndADoubleMouseDown) {
    InputSimulation::DoubleClick(control, {2, 3});
    EXPECT_EQ(log, "down0@2,3 click up0@2,3 dbl down0d@2,3 up0@2,3 ");
}

TEST_F(MouseInput, WithoutDoubleClicksTheSecondPressIsAPlainClick) {
    TControlStyle style = control->ControlStyle();
    control->SetControlStyle(style >> csDoubleClicks);
    InputSimulation::DoubleClick(control, {2, 3});
    EXPECT_EQ(log, "down0@2,3 click up0@2,3 down0@2,3 click up0@2,3 ");
}

TEST_F(MouseInput, EnterLeaveMoveAndWheel) {
    control->OnMouseEnter = [this](TObject*) { log += "enter "; };
    control->OnMouseLeave = [this](TObject*) { log += "leave"; };
    control->OnMouseMove = [this](TObject*, TShiftState s, int x, int y) {
        log += "move" + std::string(s.Contains(ssLeft) ? "L" : "") + "@" + std::to_string(x) + "," +
               std::to_string(y) + " ";
    };
    control->OnMouseWheel = [this](TObject*, TShiftState, int delta, TPoint, bool& handled) {
        log += "wheel" + std::to_string(delta) + " ";
        handled = true;
    };

    InputSimulation::MouseEnter(control);
    InputSimulation::MouseMove(control, {3, 4}, {ssLeft});
    InputSimulation::Wheel(control, {3, 4}, -120);
    InputSimulation::MouseLeave(control);

    EXPECT_EQ(log, "enter moveL@3,4 wheel-120 leave");
}

TEST_F(MouseInput, AnUnhandledWheelGoesToTheParent) {
    int parentDelta = 0;
    auto* panel = new RecordingControl(form.get(), form.get());
    panel->SetBounds(0, 0, 100, 50);
    control->SetParent(panel);
    panel->OnMouseWheel = [&](TObject*, TShiftState, int delta, TPoint, bool& handled) {
        parentDelta = delta;
        handled = true;
    };

    InputSimulation::Wheel(control, {1, 1}, 240);

    EXPECT_EQ(parentDelta, 240);
}

// Takes the wheel in its window procedure, as a control with its own wheel steps does.
struct WheelTakingControl : RecordingControl {
    using RecordingControl::RecordingControl;
    int Steps = 0;
    void WndProc(TMessage& message) override {
        if (message.Msg != WM_MOUSEWHEEL)
            return RecordingControl::WndProc(message);
        ++Steps;
        message.Result = 0;
    }
};

TEST_F(MouseInput, AWheelTheControlTookGoesNoFurther) {
    int parentWheels = 0;
    form->OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool&) { ++parentWheels; };
    auto* taker = new WheelTakingControl(form.get(), form.get());
    InputSimulation::Wheel(taker, {1, 1}, -120);
    EXPECT_EQ(taker->Steps, 1);
    EXPECT_EQ(parentWheels, 0);
}

TEST_F(MouseInput, AWheelNoControlTookReachesTheNativeWidgetLast) {
    auto* combo = new TComboBox(form.get());
    combo->SetParent(form.get());
    combo->SetStyle(csDropDownList);
    for (const char* item : {"a", "b", "c"})
        combo->Items()->Add(item);
    combo->SetItemIndex(1);
    form->Show();
    std::vector<int> seenAt;
    form->OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool&) {
        seenAt.push_back(combo->ItemIndex());
    };
    InputSimulation::Wheel(combo, {5, 5}, -120);
    EXPECT_EQ(seenAt, std::vector<int>{1}) << "the parent is asked first, once";
    EXPECT_EQ(combo->ItemIndex(), 2);
}

TEST_F(MouseInput, AClickHandlerMayFreeItsOwnControl) {
    control->OnClick = [this](TObject* sender) {
        delete static_cast<TControl*>(sender);
        log += "freed ";
    };
    InputSimulation::Click(control, {1, 1});
    EXPECT_EQ(log, "down0@1,1 freed ") << "nothing reaches the freed control afterwards";
    EXPECT_EQ(form->ControlCount(), 0);
}
