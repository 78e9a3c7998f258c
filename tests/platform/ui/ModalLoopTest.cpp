// The real modal loop (the test seam off): it must serve posted messages and synchronised calls
// while it waits, and return once the modal result is set.

#include "RecordingControl.h"

#include "platform/ui/Application.h"
#include "platform/ui/Thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace {

const UINT WM_FINISH = WM_USER + 10;

// Ends its modal run when it receives WM_FINISH with the result in WParam.
class SelfClosingForm : public TestForm {
public:
    using TestForm::TestForm;
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_FINISH) {
            SetModalResult(static_cast<TModalResult>(m.WParam));
            return;
        }
        TestForm::WndProc(m);
    }
};

class Messenger : public TThread {
public:
    Messenger(TForm* form, std::atomic<bool>& synchronized)
        : TThread(true), Form(form), Synchronized(synchronized) {}
    ~Messenger() override {
        Terminate();
        WaitFor();
    }

protected:
    void Execute() override {
        Synchronize([this] { Synchronized = true; });
        PostMessage(Form, WM_FINISH, mrYes);
    }

private:
    TForm* Form;
    std::atomic<bool>& Synchronized;
};

} // namespace

TEST(ModalLoop, ServesSynchronizedCallsAndPostedMessagesUntilTheResultIsSet) {
    Application->TestSeam().SetActive(false);
    auto form = std::make_unique<SelfClosingForm>(nullptr);
    std::atomic<bool> synchronized{false};
    Messenger messenger(form.get(), synchronized);
    form->OnShow = [&](TObject*) { messenger.Start(); };

    TModalResult result = form->ShowModal();

    Application->TestSeam().SetActive(true);
    EXPECT_EQ(result, mrYes);
    EXPECT_TRUE(synchronized);
    EXPECT_FALSE(form->Visible());
}
