// The bridge for standard controls: a native widget inside a control gets its input through the
// control's handlers first.

#include "RecordingControl.h"

#include "platform/ui/InputSimulation.h"
#include "platform/ui/internal/NativeHost.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

namespace {

class HostedEdit : public TWinControl {
public:
    explicit HostedEdit(TComponent* owner) : TWinControl(owner), Edit(new QLineEdit) {
        NativeHost::Embed(this, Edit);
        SetTabStop(true);
    }
    QLineEdit* Edit;
};

struct NativeHosting : ::testing::Test {
    std::unique_ptr<TestForm> form = std::make_unique<TestForm>(nullptr);
    HostedEdit* edit = new HostedEdit(form.get());
    void SetUp() override {
        edit->SetParent(form.get());
        edit->SetBounds(10, 10, 120, 21);
    }
};

} // namespace

TEST_F(NativeHosting, TheNativeWidgetFillsTheControlAndIsFoundBack) {
    EXPECT_EQ(edit->Edit->geometry(), QRect(0, 0, 120, 21));
    EXPECT_EQ(NativeHost::ControlOf(edit->Edit), edit);
    EXPECT_EQ(NativeHost::Embedded(edit), edit->Edit);
    EXPECT_EQ(NativeHost::ControlOf(NativeHost::Widget(edit)), edit);
}

TEST_F(NativeHosting, KeysPassTheHandlersBeforeTheNativeWidget) {
    edit->OnKeyPress = [](TObject*, TChar& key) {
        if (key == u'x')
            key = 0;
        else if (key == u'b')
            key = u'B';
    };
    for (char16_t ch : std::u16string(u"axbc"))
        InputSimulation::TypeChar(edit, ch);
    EXPECT_EQ(edit->Edit->text(), QStringLiteral("aBc"));

    edit->OnKeyDown = [](TObject*, WORD& key, TShiftState) {
        if (key == VK_BACK)
            key = 0;
    };
    InputSimulation::KeyPress(edit, VK_BACK, u'\b');
    EXPECT_EQ(edit->Edit->text(), QStringLiteral("aBc")) << "a swallowed key never arrives";
}

TEST_F(NativeHosting, HostedControlsWantCharactersAndArrowsButNotTab) {
    EXPECT_EQ(edit->Perform(WM_GETDLGCODE), DLGC_WANTARROWS | DLGC_WANTCHARS);
    auto* next = new RecordingControl(form.get(), form.get());
    form->Show();
    edit->SetFocus();
    InputSimulation::KeyPress(edit, VK_TAB, u'\t');
    EXPECT_EQ(form->ActiveControl(), next);
    form->Hide();
}

TEST_F(NativeHosting, FontAndEnabledStateReachTheNativeWidget) {
    edit->Font()->SetSize(12);
    EXPECT_EQ(edit->Edit->font().pixelSize(), 16);
    edit->SetEnabled(false);
    EXPECT_FALSE(edit->Edit->isEnabled());
}

namespace {

// A native widget made of children: an editable combo box (its line edit passes unknown keys up)
// and a label (it passes mouse presses up).
class HostedGroup : public TWinControl {
public:
    explicit HostedGroup(TComponent* owner) : TWinControl(owner) {
        auto* group = new QWidget;
        Combo = new QComboBox(group);
        Combo->setEditable(true);
        Combo->setGeometry(0, 0, 100, 20);
        Label = new QLabel(QStringLiteral("caption"), group);
        Label->setGeometry(0, 30, 100, 20);
        group->setFocusProxy(Combo);
        NativeHost::Embed(this, group);
    }
    QComboBox* Combo;
    QLabel* Label;
};

} // namespace

TEST(NativeHostingChildren, InputPassedUpByChildWidgetsReachesTheControlOnce) {
    auto form = std::make_unique<TestForm>(nullptr);
    auto* group = new HostedGroup(form.get());
    group->SetParent(form.get());
    group->SetBounds(0, 0, 100, 60);
    int keyDowns = 0;
    int mouseDowns = 0;
    group->OnKeyDown = [&](TObject*, WORD& key, TShiftState) { keyDowns += key == VK_F2; };
    group->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
        ++mouseDowns;
        EXPECT_EQ(y, 40) << "in the control's coordinates";
    };

    InputSimulation::KeyDown(group, VK_F2);
    InputSimulation::MouseDown(group, mbLeft, {10, 40});

    EXPECT_EQ(keyDowns, 1);
    EXPECT_EQ(mouseDowns, 1);
}
