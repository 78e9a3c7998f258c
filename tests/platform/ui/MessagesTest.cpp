#include "RecordingControl.h"

#include "platform/ui/Application.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const UINT WM_TEST_FIRST = WM_USER + 1;
const UINT WM_TEST_SECOND = WM_USER + 2;

// Answers its own messages and notes the order they came in.
class Listener : public RecordingControl {
public:
    using RecordingControl::RecordingControl;
    std::vector<std::string> Log;
    // Also notes what arrived here, for a test that outlives the control.
    std::vector<std::string>* Journal = nullptr;

    void WndProc(TMessage& m) override {
        if (m.Msg == WM_TEST_FIRST || m.Msg == WM_TEST_SECOND) {
            Log.push_back(std::to_string(m.Msg - WM_USER) + ":" + std::to_string(m.WParam));
            if (Journal)
                Journal->push_back(Log.back());
            m.Result = static_cast<LRESULT>(m.WParam * 2);
            if (m.Msg == WM_TEST_FIRST && m.LParam == 1)
                PostMessage(WM_TEST_SECOND, 99);
            return;
        }
        RecordingControl::WndProc(m);
    }
};

struct Messages : ::testing::Test {
    std::unique_ptr<TestForm> form = std::make_unique<TestForm>(nullptr);
    Listener* listener = new Listener(form.get(), form.get());
};

} // namespace

TEST_F(Messages, PerformRunsTheHandlerAtOnceAndReturnsItsResult) {
    EXPECT_EQ(listener->Perform(WM_TEST_FIRST, 21), 42);
    EXPECT_EQ(listener->Log, (std::vector<std::string>{"1:21"}));
}

TEST_F(Messages, PostedMessagesArriveAfterTheCurrentHandlerInOrder) {
    listener->Perform(WM_TEST_FIRST, 1, 1);
    listener->PostMessage(WM_TEST_FIRST, 2);
    EXPECT_EQ(listener->Log.size(), 1u) << "nothing posted runs before the loop does";

    Application->ProcessMessages();

    EXPECT_EQ(listener->Log, (std::vector<std::string>{"1:1", "2:99", "1:2"}));
}

TEST_F(Messages, MessagesPostedToAFreedControlAreDropped) {
    std::vector<std::string> journal;
    auto* freed = new Listener(form.get(), form.get());
    freed->Journal = &journal;
    listener->Journal = &journal;
    freed->PostMessage(WM_TEST_FIRST, 5);
    listener->PostMessage(WM_TEST_FIRST, 6);
    delete freed;

    Application->ProcessMessages();

    EXPECT_EQ(journal, (std::vector<std::string>{"1:6"}))
        << "the queue went on past the freed control's message without delivering it";
}

TEST_F(Messages, PostMessageToNothingFails) {
    EXPECT_FALSE(PostMessage(nullptr, WM_TEST_FIRST));
    EXPECT_TRUE(PostMessage(listener, WM_TEST_FIRST, 3));
    Application->ProcessMessages();
    EXPECT_EQ(listener->Log, (std::vector<std::string>{"1:3"}));
}

TEST(RegisterWindowMessage, GivesOneNumberPerName) {
    UINT first = RegisterWindowMessage("VelmaroTestMessageA");
    UINT second = RegisterWindowMessage("VelmaroTestMessageB");
    EXPECT_GE(first, 0xC000u);
    EXPECT_NE(first, second);
    EXPECT_EQ(RegisterWindowMessage("VelmaroTestMessageA"), first);
    EXPECT_NE(RegisterWindowMessage("velmarotestmessagea"), first) << "names compare exactly";
    EXPECT_EQ(RegisterWindowMessage(""), 0u);
}
