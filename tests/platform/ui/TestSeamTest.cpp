#include "RecordingControl.h"

#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {
TTestSeam& Seam() {
    return Application->TestSeam();
}
} // namespace

TEST(TestSeamMessages, QueuedAnswersAreGivenAndEveryBoxIsRecorded) {
    Seam().QueueAnswer(mrNo);
    Seam().QueueAnswer(mrYes);

    EXPECT_EQ(MessageDlg("Delete row?", mtConfirmation, mbYesNo), mrNo);
    EXPECT_EQ(Application->MessageBox("Overwrite?", "Save", MB_YESNO | MB_ICONQUESTION), IDYES);

    const auto& shown = Seam().Messages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].Text, "Delete row?");
    EXPECT_EQ(shown[0].Kind, mtConfirmation);
    EXPECT_EQ(shown[0].Buttons, mbYesNo);
    EXPECT_EQ(shown[0].Answer, mrNo);
    EXPECT_EQ(shown[1].Caption, "Save");
    EXPECT_EQ(shown[1].Kind, mtConfirmation);
}

TEST(TestSeamMessages, UnscriptedBoxesTakeTheAnswerThatChangesNothing) {
    struct Case {
        TMsgDlgButtons Buttons;
        int Answer;
    };
    const Case cases[] = {
        {{mbOK}, mrOk},
        {mbYesNo, mrNo},
        {mbYesNoCancel, mrCancel},
        {mbOKCancel, mrCancel},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MessageDlg("?", mtWarning, c.Buttons), c.Answer);
}

TEST(TestSeamMessages, MessageBoxFlagsBecomeKindsAndButtons) {
    struct Case {
        int Flags;
        TMsgDlgType Kind;
        TMsgDlgButtons Buttons;
    };
    const Case cases[] = {
        {MB_OK | MB_ICONERROR, mtError, {mbOK}},
        {MB_OK | MB_ICONWARNING, mtWarning, {mbOK}},
        {MB_OK | MB_ICONINFORMATION, mtInformation, {mbOK}},
        {MB_YESNOCANCEL | MB_ICONQUESTION, mtConfirmation, mbYesNoCancel},
        {MB_OKCANCEL, mtCustom, mbOKCancel},
    };
    for (const Case& c : cases) {
        Application->MessageBox("text", "caption", c.Flags);
        ASSERT_FALSE(Seam().Messages().empty());
        EXPECT_EQ(Seam().Messages().back().Kind, c.Kind) << c.Flags;
        EXPECT_EQ(Seam().Messages().back().Buttons, c.Buttons) << c.Flags;
    }
}

TEST(TestSeamFiles, FileDialogsTakeTheQueuedPathOrAreCancelled) {
    TSaveDialog dialog(nullptr);
    dialog.SetTitle("Save GSD");
    dialog.SetFilter("GSD files|*.gsd|All files|*.*");
    dialog.SetDefaultExt("gsd");
    dialog.SetInitialDir("/tmp/projects");
    Seam().QueueFileName("/tmp/projects/out");
    Seam().QueueFileCancel();

    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "/tmp/projects/out.gsd") << "the default extension is added";
    EXPECT_FALSE(dialog.Execute());
    EXPECT_FALSE(dialog.Execute()) << "unscripted dialogs are cancelled";

    const auto& asked = Seam().FileDialogs();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_TRUE(asked[0].Save);
    EXPECT_EQ(asked[0].Title, "Save GSD");
    EXPECT_EQ(asked[0].Filter, "GSD files|*.gsd|All files|*.*");
    EXPECT_EQ(asked[0].InitialDir, "/tmp/projects");
    EXPECT_EQ(asked[1].FileName, "/tmp/projects/out.gsd");
}

TEST(TestSeamFiles, DefaultExtensionOnlyForNamesWithoutOne) {
    EXPECT_EQ(ApplyDefaultExt("a/b.txt", "gsd"), "a/b.txt");
    EXPECT_EQ(ApplyDefaultExt("a/b", ".gsd"), "a/b.gsd");
    EXPECT_EQ(ApplyDefaultExt("a/b", ""), "a/b");
    EXPECT_EQ(ApplyDefaultExt("a/b", "*.eds"), "a/b.eds");
    EXPECT_EQ(ApplyDefaultExt("", "gsd"), "");
}

namespace {

// A dialog that accepts only when its field is filled in.
class AskForm : public TestForm {
public:
    explicit AskForm(TComponent* owner) : TestForm(owner) {
        SetName("AskForm");
        OnCloseQuery = [this](TObject*, bool& canClose) {
            canClose = ModalResult() != mrOk || !Field.empty();
        };
        OnShow = [this](TObject*) {
            ++Shows;
            VisibleInOnShow = Visible();
        };
    }
    void Ok() { SetModalResult(mrOk); }
    std::string Field;
    int Shows = 0;
    bool VisibleInOnShow = false;
};

} // namespace

TEST(TestSeamModal, TheHookDrivesTheFormAndItsResultIsReturned) {
    auto form = std::make_unique<AskForm>(nullptr);
    Seam().OnModalShow = [&](TForm* shown) {
        EXPECT_EQ(shown, form.get());
        EXPECT_TRUE(shown->Visible());
        form->Field = "value";
        form->Ok();
    };

    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(form->Modal());
    EXPECT_EQ(form->Shows, 1);
    EXPECT_TRUE(form->VisibleInOnShow);
    EXPECT_EQ(Seam().ModalForms(), (std::vector<std::string>{"AskForm"}));
}

TEST(TestSeamModal, QueuedResultsAndTheCancelOfAnUnscriptedForm) {
    auto form = std::make_unique<AskForm>(nullptr);
    form->Field = "x";
    Seam().QueueModalResult(mrOk);
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_EQ(form->ShowModal(), mrCancel);
}

TEST(TestSeamModal, AFormThatRefusesToCloseReturnsNoResult) {
    auto form = std::make_unique<AskForm>(nullptr);
    Seam().OnModalShow = [&](TForm*) { form->Ok(); };
    EXPECT_EQ(form->ShowModal(), mrNone);
    EXPECT_FALSE(form->Visible());
}

TEST(TestSeamModal, AFailingHookLeavesTheFormClosed) {
    auto form = std::make_unique<AskForm>(nullptr);
    Seam().OnModalShow = [](TForm*) { throw std::runtime_error("test failed inside the form"); };
    EXPECT_THROW(form->ShowModal(), std::runtime_error);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(form->Modal());
}
