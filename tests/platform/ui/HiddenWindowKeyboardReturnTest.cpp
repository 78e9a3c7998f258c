// Where the keys go once a popup hides: a press on a field opens the popup, the release closes
// it, and the next key the user types must reach the field again, whichever kind of popup it was
// and however far the popup's activation had come by then.
#include "RecordingControl.h"

#include "platform/ui/Application.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/OwnedPopup.h"
#include "platform/ui/PopupWindow.h"
#include "platform/ui/internal/NativeHost.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

enum class PopupKind {
    // A borderless form owned through the window system, shown with the activation (the
    // drop-down editors' lists and panels).
    Owned,
    // A child control's window, shown without the activation and taking no input (the grids'
    // drop arrows and drag images), which a window system may still activate.
    Window
};

// An owner window with a focused field, and a popup the field opens on a left press and closes
// on the release.
struct PopupOverField {
    explicit PopupOverField(PopupKind kind)
        : Kind(kind), Owner(std::make_unique<TestForm>(nullptr)) {
        Owner->SetBounds(50, 50, 300, 200);
        Field = new RecordingControl(Owner.get(), Owner.get());
        if (kind == PopupKind::Owned) {
            auto* form = new TForm(Owner.get());
            form->SetBorderStyle(bsNone);
            new RecordingControl(form, form);
            MakeOwnedPopup(form, Field, false);
            Popup = form;
        } else {
            auto* window = new RecordingControl(Owner.get(), Owner.get());
            window->Hide();
            window->SetBounds(60, 100, 40, 20);
            MakePopupWindow(window, {pwoToolWindow, pwoTopMost, pwoDisabled});
            Popup = window;
        }
        Field->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { Open(); };
        Field->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { Popup->Hide(); };
        Owner->Show();
        Owner->SetActiveControl(Field);
    }

    void Open() {
        if (Kind == PopupKind::Owned)
            ShowOwnedPopup(Popup, Bounds(60, 100, 120, 80));
        else
            Popup->Show();
    }
    bool PopupActive() const { return QApplication::activeWindow() == NativeHost::Widget(Popup); }
    static void Pump() { Application->ProcessMessages(); }

    PopupKind Kind;
    std::unique_ptr<TestForm> Owner;
    RecordingControl* Field;
    TWinControl* Popup;
};

// How far the activations had come when the popup closed.
enum class ActivationState {
    // The popup had the activation.
    ReachedThePopup,
    // The owner window had it; the popup's was still on its way.
    StillOnItsWay,
    // The window had just opened: neither its activation nor the popup's had arrived.
    NoneArrivedYet
};

TEST(HiddenWindowKeyboardReturn, TheKeysGoBackToTheFieldAfterThePopupCloses) {
    const struct Case {
        const char* Name;
        PopupKind Kind;
        ActivationState State;
    } cases[] = {
        {"owned popup with the activation", PopupKind::Owned, ActivationState::ReachedThePopup},
        {"owned popup closed before its activation came", PopupKind::Owned,
         ActivationState::StillOnItsWay},
        {"owned popup of a window just opened", PopupKind::Owned, ActivationState::NoneArrivedYet},
        {"popup window activated anyway", PopupKind::Window, ActivationState::ReachedThePopup},
        {"popup window closed before the activation came", PopupKind::Window,
         ActivationState::StillOnItsWay},
        {"popup window of a window just opened", PopupKind::Window,
         ActivationState::NoneArrivedYet},
    };
    for (const Case& c : cases) {
        PopupOverField t(c.Kind);
        if (c.State != ActivationState::NoneArrivedYet) {
            t.Pump();
            ASSERT_TRUE(t.Owner->Active()) << c.Name;
        }
        InputSimulation::MouseDown(t.Field, mbLeft, {5, 5});
        ASSERT_TRUE(t.Popup->Visible()) << c.Name;
        if (c.State == ActivationState::ReachedThePopup) {
            t.Pump();
            ASSERT_TRUE(t.PopupActive()) << c.Name;
        }
        InputSimulation::MouseUp(t.Field, mbLeft, {5, 5});
        ASSERT_FALSE(t.Popup->Visible()) << c.Name;
        t.Pump();

        EXPECT_TRUE(t.Owner->Active()) << c.Name;
        EXPECT_EQ(InputSimulation::FocusedControl(), t.Field) << c.Name;
        t.Field->Received.clear();
        InputSimulation::KeyPressFocused('A', 'a');
        EXPECT_TRUE(t.Field->Saw(WM_KEYDOWN)) << c.Name;
    }
}

TEST(HiddenWindowKeyboardReturn, AnotherWindowThatTookTheKeysKeepsThem) {
    // The user went on to another window while the popup was open: closing the popup must not
    // pull the keys back to the popup's owner.
    for (PopupKind kind : {PopupKind::Owned, PopupKind::Window}) {
        PopupOverField t(kind);
        TestForm other(nullptr);
        other.SetBounds(400, 50, 100, 100);
        other.Show();
        t.Pump();
        InputSimulation::MouseDown(t.Field, mbLeft, {5, 5});
        t.Pump();
        NativeHost::Widget(&other)->activateWindow();
        t.Pump();
        ASSERT_TRUE(other.Active());

        InputSimulation::MouseUp(t.Field, mbLeft, {5, 5});
        t.Pump();

        EXPECT_TRUE(other.Active()) << static_cast<int>(kind);
        EXPECT_FALSE(t.Owner->Active()) << static_cast<int>(kind);
    }
}

TEST(HiddenWindowKeyboardReturn, APopupOpenedRightAfterAnotherClosedKeepsTheActivation) {
    // Closed before its activation came, the first popup still receives it later; the owner's
    // window asked behind it, so the keys must end with the second popup, opened in between.
    PopupOverField t(PopupKind::Owned);
    auto* second = new TForm(t.Owner.get());
    second->SetBorderStyle(bsNone);
    auto* secondField = new RecordingControl(second, second);
    MakeOwnedPopup(second, t.Field, false);
    t.Field->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) {
        t.Popup->Hide();
        ShowOwnedPopup(second, Bounds(200, 100, 80, 80));
    };
    t.Pump();

    InputSimulation::MouseDown(t.Field, mbLeft, {5, 5});
    InputSimulation::MouseUp(t.Field, mbLeft, {5, 5});
    t.Pump();

    EXPECT_TRUE(second->Active());
    EXPECT_EQ(InputSimulation::FocusedControl(), secondField);
}

} // namespace

namespace {

// A window of its own (no owner, not the main window) that hides with the keys gives them back to
// the window they came from when it opened; when that one hid in the meantime, to the window it
// came from in turn.
TEST(HiddenWindowKeyboardReturn, AWindowOfItsOwnGivesTheKeysBackToTheWindowItOpenedFrom) {
    for (const bool middleHidFirst : {false, true}) {
        SCOPED_TRACE(middleHidFirst ? "through a window that hid meanwhile" : "directly");
        TestForm first(nullptr);
        first.SetBounds(50, 50, 200, 100);
        auto* field = new RecordingControl(&first, &first);
        first.Show();
        first.SetActiveControl(field);
        Application->ProcessMessages();
        TestForm middle(nullptr);
        middle.SetBounds(300, 50, 100, 100);
        new RecordingControl(&middle, &middle);
        TestForm last(nullptr);
        last.SetBounds(450, 50, 100, 100);
        new RecordingControl(&last, &last);
        if (middleHidFirst) {
            middle.Show();
            Application->ProcessMessages();
            ASSERT_TRUE(middle.Active());
        }
        last.Show();
        Application->ProcessMessages();
        ASSERT_TRUE(last.Active());
        if (middleHidFirst) {
            middle.Hide();
            Application->ProcessMessages();
            ASSERT_TRUE(last.Active()) << "the window with the keys keeps them";
        }

        last.Hide();
        Application->ProcessMessages();

        EXPECT_TRUE(first.Active());
        EXPECT_EQ(InputSimulation::FocusedControl(), field);
        field->Received.clear();
        InputSimulation::KeyPressFocused('A', 'a');
        EXPECT_TRUE(field->Saw(WM_KEYDOWN));
    }
}

} // namespace
