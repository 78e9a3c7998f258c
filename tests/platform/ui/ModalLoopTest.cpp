// The real modal loop (the test seam off): it must serve posted messages and synchronised calls
// while it waits, and return once the modal result is set.

#include "RecordingControl.h"

#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Thread.h"
#include "platform/ui/internal/ControlImpl.h"
#include "platform/ui/internal/ControlWidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

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

TEST(ModalLoop, ClosedDialogGivesTheKeyboardBackToTheWindowThatWasActive) {
    // After a dialog closes, keys must reach the window it was opened from again, with the
    // control that window shows as focused.
    struct Case {
        const char* Name;
        void (*Run)();
    };
    const Case cases[] = {
        {"modal form",
         [] {
             auto dialog = std::make_unique<SelfClosingForm>(nullptr);
             dialog->OnShow = [&](TObject*) { dialog->PostMessage(WM_FINISH, mrOk); };
             EXPECT_EQ(dialog->ShowModal(), mrOk);
         }},
        {"message box",
         [] {
             // Answers the box as soon as it is up.
             QTimer answer;
             QObject::connect(&answer, &QTimer::timeout, [] {
                 if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                     box->button(QMessageBox::Ok)->click();
             });
             answer.start(5);
             EXPECT_EQ(MessageDlg("Saved.", mtInformation, {mbOK}, 0), mrOk);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TestForm owner(nullptr);
        auto* control = new RecordingControl(&owner, &owner);
        owner.Show();
        owner.SetActiveControl(control);
        TControlAccess::Widget(&owner)->activateWindow();
        QCoreApplication::processEvents();
        ASSERT_TRUE(owner.Active());

        Application->TestSeam().SetActive(false);
        c.Run();
        Application->TestSeam().SetActive(true);
        QCoreApplication::processEvents();

        EXPECT_TRUE(owner.Active());
        EXPECT_EQ(QApplication::focusWidget(), TControlAccess::FocusWidget(control));
    }
}
