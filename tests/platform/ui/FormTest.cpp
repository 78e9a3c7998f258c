#include "RecordingControl.h"

#include "platform/ui/Application.h"
#include "platform/ui/Edit.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/internal/ControlImpl.h"
#include "platform/ui/internal/ControlWidget.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <string>

TEST(Form, CloseAsksCloseQueryThenOnCloseDecides) {
    struct Case {
        bool CanClose;
        TCloseAction Action;
        bool VisibleAfter;
        const char* Log;
    };
    const Case cases[] = {
        {true, caHide, false, "query close hide "},
        {true, caNone, true, "query close "},
        {false, caHide, true, "query "},
    };
    for (const Case& c : cases) {
        TestForm form(nullptr);
        std::string log;
        form.OnCloseQuery = [&](TObject*, bool& canClose) {
            log += "query ";
            canClose = c.CanClose;
        };
        form.OnClose = [&](TObject*, TCloseAction& action) {
            log += "close ";
            EXPECT_EQ(action, caHide);
            action = c.Action;
        };
        form.OnHide = [&](TObject*) { log += "hide "; };
        form.Show();

        form.Close();

        EXPECT_EQ(form.Visible(), c.VisibleAfter) << c.Log;
        EXPECT_EQ(log, c.Log);
        form.OnHide = nullptr;
    }
}

TEST(Form, CaFreeReleasesTheFormAfterTheHandler) {
    bool destroyed = false;
    auto* form = new TestForm(nullptr);
    form->OnDestroy = [&](TObject*) { destroyed = true; };
    form->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    form->Show();

    form->Close();
    EXPECT_FALSE(destroyed) << "freed only after the current handler returns";
    Application->ProcessMessages();
    EXPECT_TRUE(destroyed);
}

TEST(Form, ClientSizeExcludesTheFrameUnlessBorderless) {
    TestForm form(nullptr);
    EXPECT_EQ(form.ClientWidth(), 200);
    EXPECT_EQ(form.ClientHeight(), 100);
    EXPECT_EQ(form.Width(), 216);
    EXPECT_EQ(form.Height(), 139);
    form.SetBorderStyle(bsNone);
    EXPECT_EQ(form.ClientWidth(), 200) << "the client area keeps its size";
    EXPECT_EQ(form.Width(), 200);
}

TEST(Form, ParentFormAndFreeingChildrenWithTheirParent) {
    auto form = std::make_unique<TestForm>(nullptr);
    auto* panel = new RecordingControl(form.get(), form.get());
    auto* inner = new RecordingControl(form.get(), panel);
    EXPECT_EQ(GetParentForm(inner), form.get());
    EXPECT_EQ(form->ComponentCount(), 2);

    inner->SetFocus();
    delete panel;

    EXPECT_EQ(form->ComponentCount(), 0) << "the child went with its parent";
    EXPECT_EQ(form->ActiveControl(), nullptr);
    EXPECT_EQ(form->ControlCount(), 0);
}

TEST(Form, CaptionIsTheWindowTitleAndFontFollowsTheParent) {
    TestForm form(nullptr);
    form.SetCaption("Set Communication");
    EXPECT_EQ(form.Caption(), "Set Communication");
    EXPECT_EQ(form.Text(), "Set Communication");

    auto* child = new RecordingControl(&form, &form);
    form.Font()->SetName("Verdana");
    EXPECT_EQ(child->Font()->Name(), "Verdana");
    EXPECT_TRUE(child->ParentFont());

    child->Font()->SetSize(12);
    EXPECT_FALSE(child->ParentFont()) << "a font of its own stops following the parent";
    form.Font()->SetName("Arial");
    EXPECT_EQ(child->Font()->Name(), "Verdana");
}

TEST(Form, EnabledAgainTheFormGivesTheKeyboardBackToItsFocusedControl) {
    // A form is disabled while a started program runs; afterwards Enter must still reach the
    // control that shows the focus.
    TestForm form(nullptr);
    auto* first = new TEdit(&form);
    first->SetParent(&form);
    auto* second = new TEdit(&form);
    second->SetParent(&form);
    second->SetTop(30);
    form.Show();
    form.SetActiveControl(second);
    QWidget* window = TControlAccess::Widget(&form)->window();
    ASSERT_EQ(window->focusWidget(), TControlAccess::FocusWidget(second));

    form.SetEnabled(false);
    form.SetEnabled(true);

    EXPECT_EQ(form.ActiveControl(), second);
    EXPECT_EQ(window->focusWidget(), TControlAccess::FocusWidget(second));
}

TEST(Form, HiddenOrDisabledFocusedControlGivesUpTheFocus) {
    // A control that can no longer be focused must not keep the keyboard: Enter on a hidden
    // button would press it.
    struct Case {
        const char* Name;
        void (*TakeAway)(TWinControl*);
    };
    const Case cases[] = {
        {"hidden", [](TWinControl* c) { c->SetVisible(false); }},
        {"disabled", [](TWinControl* c) { c->SetEnabled(false); }},
        {"parent hidden", [](TWinControl* c) { c->Parent()->SetVisible(false); }},
        {"parent disabled", [](TWinControl* c) { c->Parent()->SetEnabled(false); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TestForm form(nullptr);
        auto* panel = new RecordingControl(&form, &form);
        panel->SetTabStop(false); // a plain container, not a stop of its own
        panel->SetBounds(0, 0, 100, 60);
        auto* focused = new RecordingControl(&form, panel);
        auto* other = new RecordingControl(&form, &form);
        other->SetTop(70);
        form.Show();
        form.SetActiveControl(focused);
        ASSERT_EQ(form.ActiveControl(), focused);
        focused->Received.clear();

        c.TakeAway(focused);

        EXPECT_EQ(form.ActiveControl(), nullptr);
        EXPECT_FALSE(focused->Focused());
        EXPECT_TRUE(focused->Saw(CM_EXIT));
        QWidget* keyboard = TControlAccess::Widget(&form)->window()->focusWidget();
        EXPECT_TRUE(keyboard == nullptr || keyboard == TControlAccess::Widget(&form));

        // The form has the keys now: Tab goes on to a control that can take them.
        InputSimulation::KeyPress(&form, VK_TAB);
        EXPECT_EQ(form.ActiveControl(), other);
    }
}

TEST(Form, HidingTheActiveWindowGivesTheKeyboardToTheMainForm) {
    // A tool window closed by the user must not leave the program without a window that takes
    // keys.
    TestForm* main = nullptr;
    Application->CreateForm(main);
    std::unique_ptr<TestForm> mainOwner(main);
    auto* control = new RecordingControl(main, main);
    main->Show();
    main->SetActiveControl(control);
    TestForm tool(nullptr);
    tool.Show();
    TControlAccess::Widget(&tool)->activateWindow();
    QCoreApplication::processEvents();
    ASSERT_TRUE(tool.Active());

    tool.Hide();
    QCoreApplication::processEvents();

    EXPECT_TRUE(main->Active());
    EXPECT_EQ(QApplication::focusWidget(), TControlAccess::FocusWidget(control));
}

TEST(Form, ReleasedDuringItsModalRunTheFormGoesOnlyAfterTheRun) {
    // Freeing the form while ShowModal still runs on it would pull the form from under the run.
    auto* form = new TestForm(nullptr);
    bool destroyed = false;
    form->OnDestroy = [&](TObject*) { destroyed = true; };
    Application->TestSeam().OnModalShow = [&](TForm* shown) {
        shown->Release();
        Application->ProcessMessages();
        EXPECT_FALSE(destroyed);
        shown->SetModalResult(mrOk);
    };

    TModalResult result = form->ShowModal();
    Application->TestSeam().OnModalShow = nullptr;

    EXPECT_EQ(result, mrOk);
    EXPECT_FALSE(destroyed);
    Application->ProcessMessages();
    EXPECT_TRUE(destroyed);
}

TEST(Form, HidingTheFormTakesTheMouseOffItsControls) {
    // A window closed by a click never sees the mouse leave the button; shown again, the button
    // must not still look hot.
    TestForm form(nullptr);
    auto* hovered = new RecordingControl(&form, &form);
    form.Show();
    InputSimulation::MouseEnter(hovered);
    hovered->Received.clear();

    form.Hide();

    EXPECT_TRUE(hovered->Saw(CM_MOUSELEAVE));
}

// The window manager offers the buttons the form's frame and border icons allow: a frame that
// cannot change size never maximises, a dialog only closes, and no system menu means no buttons.
TEST(Form, WindowHintsFollowTheBorderStyleAndTheBorderIcons) {
    using Flag = Qt::WindowType;
    struct Case {
        TFormBorderStyle Style;
        TBorderIcons Icons;
        bool Menu, Close, Minimise, Maximise, Help;
    };
    const TBorderIcons all{biSystemMenu, biMinimize, biMaximize};
    const Case cases[] = {
        {bsSizeable, all, true, true, true, true, false},
        {bsSingle, all, true, true, true, false, false},
        {bsSingle, TBorderIcons{biSystemMenu}, true, true, false, false, false},
        {bsDialog, all, true, true, false, false, false},
        {bsDialog, TBorderIcons{biSystemMenu, biHelp}, true, true, false, false, true},
        {bsToolWindow, all, true, true, false, false, false},
        {bsSizeable, TBorderIcons{biMinimize, biMaximize}, false, false, false, false, false},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        TestForm form(nullptr);
        form.SetBorderStyle(c.Style);
        form.SetBorderIcons(c.Icons);
        const Qt::WindowFlags flags = TControlAccess::Widget(&form)->windowFlags();
        const std::string label = "case " + std::to_string(i);
        EXPECT_TRUE(flags.testFlag(Flag::CustomizeWindowHint)) << label;
        EXPECT_TRUE(flags.testFlag(Flag::WindowTitleHint)) << label;
        EXPECT_EQ(flags.testFlag(Flag::WindowSystemMenuHint), c.Menu) << label;
        EXPECT_EQ(flags.testFlag(Flag::WindowCloseButtonHint), c.Close) << label;
        EXPECT_EQ(flags.testFlag(Flag::WindowMinimizeButtonHint), c.Minimise) << label;
        EXPECT_EQ(flags.testFlag(Flag::WindowMaximizeButtonHint), c.Maximise) << label;
        EXPECT_EQ(flags.testFlag(Flag::WindowContextHelpButtonHint), c.Help) << label;
    }
}

TEST(Form, ABorderlessFormHasNoFrameAndStayOnTopSurvivesFrameChanges) {
    TestForm form(nullptr);
    form.SetFormStyle(fsStayOnTop);
    form.SetBorderStyle(bsNone);
    Qt::WindowFlags flags = TControlAccess::Widget(&form)->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));

    form.SetBorderStyle(bsSingle);
    form.SetBorderIcons(TBorderIcons{biSystemMenu});
    flags = TControlAccess::Widget(&form)->windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
}

TEST(Form, AShownFormStaysShownWhenItsHintsChange) {
    TestForm form(nullptr);
    form.Show();
    form.SetBorderIcons(TBorderIcons{biSystemMenu});
    EXPECT_TRUE(TControlAccess::Widget(&form)->isVisible());
    form.SetFormStyle(fsStayOnTop);
    EXPECT_TRUE(TControlAccess::Widget(&form)->isVisible());
    EXPECT_TRUE(form.Visible());
}

TEST(Form, FocusMovingInsideAContainerLeavesTheContainerEntered) {
    TestForm form(nullptr);
    auto* outer = new RecordingControl(&form, &form);
    outer->SetBounds(0, 0, 100, 60);
    auto* inner = new RecordingControl(&form, outer);
    auto* other = new RecordingControl(&form, &form);
    other->SetTop(70);
    std::string log;
    for (auto [control, name] : {std::pair<TWinControl*, std::string>{outer, "outer"},
                                 {inner, "inner"},
                                 {other, "other"}}) {
        const std::string label = name;
        control->OnEnter = [&log, label](TObject*) { log += "enter " + label + ", "; };
        control->OnExit = [&log, label](TObject*) { log += "exit " + label + ", "; };
    }
    form.Show();
    other->SetFocus();
    struct Step {
        TWinControl* To;
        const char* Log;
    };
    const Step steps[] = {
        {inner, "exit other, enter outer, enter inner, "},
        {outer, "exit inner, "},
        {inner, "enter inner, "},
        {other, "exit inner, exit outer, enter other, "},
        {outer, "exit other, enter outer, "},
    };
    for (const Step& step : steps) {
        log.clear();
        step.To->SetFocus();
        EXPECT_EQ(log, step.Log);
        EXPECT_EQ(form.ActiveControl(), step.To);
    }
}
