#include "platform/ui/TestSeam.h"

#include "platform/ui/Form.h"

void TTestSeam::Reset() {
    FAnswers.clear();
    FMessages.clear();
    FFileAnswers.clear();
    FFileDialogs.clear();
    FModalResults.clear();
    FModalForms.clear();
    FPopupChoices.clear();
    FPopups.clear();
    OnModalShow = nullptr;
}

namespace {
// Unscripted boxes take the answer that changes nothing.
int UnscriptedAnswer(TMsgDlgButtons buttons) {
    if (buttons == TMsgDlgButtons{mbOK})
        return mrOk;
    if (buttons.Contains(mbCancel))
        return mrCancel;
    if (buttons.Contains(mbNo))
        return mrNo;
    return mrCancel;
}
} // namespace

int TTestSeam::AnswerMessage(TShownMessage message) {
    if (!FAnswers.empty()) {
        message.Answer = FAnswers.front();
        FAnswers.pop_front();
    } else {
        message.Answer = UnscriptedAnswer(message.Buttons);
    }
    FMessages.push_back(message);
    return message.Answer;
}

std::optional<std::string> TTestSeam::AnswerFileDialog(const TFileDialogRequest& request) {
    FFileDialogs.push_back(request);
    if (FFileAnswers.empty())
        return std::nullopt;
    std::optional<std::string> answer = FFileAnswers.front();
    FFileAnswers.pop_front();
    return answer;
}

void TTestSeam::RunModal(TForm* form) {
    FModalForms.push_back(form->Name().empty() ? form->ClassName() : form->Name());
    if (OnModalShow)
        OnModalShow(form);
    if (form->ModalResult() != mrNone)
        return;
    if (!FModalResults.empty()) {
        form->SetModalResult(FModalResults.front());
        FModalResults.pop_front();
    } else {
        form->SetModalResult(mrCancel);
    }
}

TMenuItem* TTestSeam::AnswerPopup(TPopupMenu* menu, TPoint point) {
    TMenuItem* choice = nullptr;
    if (!FPopupChoices.empty()) {
        choice = FPopupChoices.front();
        FPopupChoices.pop_front();
    }
    FPopups.push_back({menu, point, choice});
    return choice;
}
