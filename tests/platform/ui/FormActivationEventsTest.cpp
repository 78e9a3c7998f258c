// A form hears when its window takes the activation and when another window of the program takes
// it away; a hide is no leave it is told about.
#include "RecordingControl.h"

#include "platform/ui/Application.h"
#include "platform/ui/Form.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct ActivationLog {
    void Listen(TForm& form, const std::string& name) {
        form.OnActivate = [this, name](TObject*) { Events.push_back(name + " activate"); };
        form.OnDeactivate = [this, name](TObject*) { Events.push_back(name + " deactivate"); };
    }
    std::vector<std::string> Events;
};

TEST(FormActivationEvents, ActivateAndDeactivateFollowTheWindowsThatTakeTheKeys) {
    ActivationLog log;
    TestForm first(nullptr);
    first.SetBounds(50, 50, 200, 100);
    TestForm second(nullptr);
    second.SetBounds(300, 50, 200, 100);
    log.Listen(first, "first");
    log.Listen(second, "second");

    first.Show();
    Application->ProcessMessages();
    EXPECT_EQ(log.Events, (std::vector<std::string>{"first activate"}));

    log.Events.clear();
    second.Show();
    Application->ProcessMessages();
    // The window system tells the two in either order.
    std::sort(log.Events.begin(), log.Events.end());
    EXPECT_EQ(log.Events, (std::vector<std::string>{"first deactivate", "second activate"}));

    // Hidden, the second form is past leaving: only the first one hears, taking the keys back.
    log.Events.clear();
    second.Hide();
    Application->ProcessMessages();
    EXPECT_EQ(log.Events, (std::vector<std::string>{"first activate"}));
}

TEST(FormActivationEvents, AnotherProgramTakingTheKeysDeactivatesTheForm) {
    ActivationLog log;
    TestForm form(nullptr);
    form.SetBounds(50, 50, 200, 100);
    log.Listen(form, "form");
    form.Show();
    Application->ProcessMessages();
    log.Events.clear();

    // No window of this program is active any more.
    QApplication::setActiveWindow(nullptr);
    Application->ProcessMessages();

    EXPECT_EQ(log.Events, (std::vector<std::string>{"form deactivate"}));
}

TEST(FormActivationEvents, AFormGoneDuringItsDeactivateIsNotTouchedAgain) {
    auto* first = new TestForm(nullptr);
    first->SetBounds(50, 50, 200, 100);
    TestForm second(nullptr);
    second.SetBounds(300, 50, 200, 100);
    int deactivations = 0;
    first->OnDeactivate = [&](TObject*) {
        ++deactivations;
        first->Release();
    };
    first->Show();
    Application->ProcessMessages();
    second.Show();
    Application->ProcessMessages();
    Application->ProcessMessages();
    EXPECT_EQ(deactivations, 1);
    EXPECT_TRUE(second.Active());
}

} // namespace
