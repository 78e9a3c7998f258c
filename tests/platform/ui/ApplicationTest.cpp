#include "RecordingControl.h"

#include "platform/core/Exception.h"
#include "platform/ui/Application.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

TEST(ErrorReport, AnExceptionEscapingAnEventIsShownAndTheWindowStaysOpen) {
    auto form = std::make_unique<TestForm>(nullptr);
    auto* control = new RecordingControl(form.get(), form.get());
    control->OnClick = [](TObject*) { throw Exception("Error! Project not Valid"); };
    form->Show();

    InputSimulation::Click(control, {1, 1});

    const auto& shown = Application->TestSeam().Messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].Text, "Error! Project not Valid");
    EXPECT_EQ(shown[0].Kind, mtError);
    EXPECT_TRUE(form->Visible());

    control->OnClick = [](TObject*) { throw std::runtime_error("plain failure"); };
    InputSimulation::Click(control, {1, 1});
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].Text, "plain failure");
    form->Hide();
}

TEST(ErrorReport, OnExceptionReplacesTheMessageBox) {
    std::string reported;
    Application->OnException = [&](TObject*, const std::exception& e) { reported = e.what(); };
    RunGuarded(nullptr, [] { throw EConvertError("'x' is not a valid integer value"); });
    Application->OnException = nullptr;

    EXPECT_EQ(reported, "'x' is not a valid integer value");
    EXPECT_TRUE(Application->TestSeam().Messages().empty());
}

namespace {
class FirstForm : public TestForm {
public:
    explicit FirstForm(TComponent* owner) : TestForm(owner) {
        OnCreate = [this](TObject*) { Created = true; };
    }
    bool Created = false;
};
} // namespace

TEST(ApplicationForms, TheFirstCreatedFormIsTheMainFormAndOnCreateFires) {
    FirstForm* first = nullptr;
    TestForm* second = nullptr;
    Application->CreateForm(first);
    Application->CreateForm(second);

    EXPECT_EQ(Application->MainForm(), first);
    EXPECT_TRUE(first->Created);
    EXPECT_EQ(first->Owner(), Application);

    delete first;
    EXPECT_EQ(Application->MainForm(), nullptr) << "a freed main form is forgotten";
    delete second;
}

TEST(ApplicationForms, ClosingTheMainFormEndsRun) {
    FirstForm* main = nullptr;
    Application->CreateForm(main);
    auto* control = new RecordingControl(main, main);
    control->OnClick = [&](TObject*) { main->Close(); };
    control->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    control->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(1, 1));

    bool terminatedInOnClose = false;
    main->OnClose = [&](TObject*, TCloseAction&) { terminatedInOnClose = true; };

    Application->Run();

    EXPECT_TRUE(terminatedInOnClose);
    EXPECT_FALSE(main->Visible());
    EXPECT_FALSE(Application->Terminated()) << "the next run starts afresh";
    delete main;
}

TEST(ApplicationForms, WorkAfterTheMainFormIsShownRunsOnceItHasBeenPainted) {
    FirstForm* main = nullptr;
    Application->CreateForm(main);
    auto* control = new RecordingControl(main, main);
    TestForm* later = nullptr;
    int runs = 0;
    bool paintedBefore = false;
    Application->AfterMainFormShown([&] {
        ++runs;
        paintedBefore = control->Saw(WM_PAINT);
        Application->CreateForm(later);
        main->Close();
    });

    Application->Run();

    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(paintedBefore) << "the main window is on the screen first";
    ASSERT_NE(later, nullptr);
    EXPECT_EQ(Application->MainForm(), main) << "a form created later is not the main form";
    EXPECT_FALSE(later->Visible());
    delete later;
    delete main;
}

TEST(ApplicationForms, WorkAfterTheMainFormIsShownRunsWhenTheRunEndsUnpainted) {
    FirstForm* main = nullptr;
    Application->CreateForm(main);
    main->OnShow = [&](TObject*) { main->Close(); };
    bool ran = false;
    Application->AfterMainFormShown([&] { ran = true; });

    Application->Run();

    EXPECT_TRUE(ran) << "the program never goes on without its start-up work";
    delete main;
}
