#include "platform/ui/Dialogs.h"

#include "platform/ui/Application.h"
#include "platform/ui/internal/ActiveWindowReturn.h"
#include "platform/ui/internal/MessageBoxWidget.h"
#include "platform/ui/internal/MessageBoxes.h"
#include "platform/ui/internal/QtConvert.h"
#include "platform/ui/internal/WindowFlags.h"

#include <QMessageBox>

#include <array>
#include <memory>
#include <utility>

namespace {

constexpr std::array<std::pair<TMsgDlgBtn, QMessageBox::StandardButton>, 12> ButtonTable{{
    {mbYes, QMessageBox::Yes},
    {mbNo, QMessageBox::No},
    {mbOK, QMessageBox::Ok},
    {mbCancel, QMessageBox::Cancel},
    {mbAbort, QMessageBox::Abort},
    {mbRetry, QMessageBox::Retry},
    {mbIgnore, QMessageBox::Ignore},
    {mbAll, QMessageBox::YesToAll},
    {mbNoToAll, QMessageBox::NoToAll},
    {mbYesToAll, QMessageBox::YesToAll},
    {mbHelp, QMessageBox::Help},
    {mbClose, QMessageBox::Close},
}};

constexpr std::array<TModalResult, 12> ButtonResults{mrYes,     mrNo,       mrOk,     mrCancel,
                                                     mrAbort,   mrRetry,    mrIgnore, mrAll,
                                                     mrNoToAll, mrYesToAll, mrHelp,   mrClose};

QMessageBox::Icon IconFor(TMsgDlgType kind) {
    switch (kind) {
    case mtWarning:
        return QMessageBox::Warning;
    case mtError:
        return QMessageBox::Critical;
    case mtInformation:
        return QMessageBox::Information;
    case mtConfirmation:
        return QMessageBox::Question;
    default:
        return QMessageBox::NoIcon;
    }
}

const char* TitleFor(TMsgDlgType kind) {
    switch (kind) {
    case mtWarning:
        return "Warning";
    case mtError:
        return "Error";
    case mtInformation:
        return "Information";
    case mtConfirmation:
        return "Confirm";
    default:
        return "";
    }
}

} // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(const std::string& text, const std::string& caption,
                                            TMsgDlgType kind, TMsgDlgButtons buttons) {
    if (buttons.Empty())
        buttons = {mbOK};
    auto box = std::make_unique<QMessageBox>(IconFor(kind), QtConvert::ToQString(caption),
                                             QtConvert::ToQString(text));
    box->setWindowFlags(WindowFlagsFor(bsDialog, TBorderIcons{biSystemMenu}, fsNormal));
    for (const auto& [button, standard] : ButtonTable)
        if (buttons.Contains(button) && !(button == mbAll && buttons.Contains(mbYesToAll)))
            box->addButton(standard);
    return box;
}

int ShowMessageBox(const std::string& text, const std::string& caption, TMsgDlgType kind,
                   TMsgDlgButtons buttons) {
    if (buttons.Empty())
        buttons = {mbOK};
    TTestSeam& seam = Application->TestSeam();
    if (seam.Active())
        return seam.AnswerMessage({text, caption, kind, buttons, 0});
    Application->Initialize();
    ActiveWindowReturn activeWindowReturn;
    const std::unique_ptr<QMessageBox> box = MakeMessageBox(text, caption, kind, buttons);
    int chosen = box->exec();
    for (size_t i = 0; i < ButtonTable.size(); ++i)
        if (ButtonTable[i].second == chosen && buttons.Contains(ButtonTable[i].first))
            return ButtonResults[i];
    return mrCancel;
}

int MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx) {
    std::string caption = TitleFor(DlgType);
    if (caption.empty())
        caption = Application->Title();
    return ShowMessageBox(Msg, caption, DlgType, Buttons);
}

void ShowMessage(const std::string& Msg) {
    ShowMessageBox(Msg, Application->Title(), mtCustom, {mbOK});
}
