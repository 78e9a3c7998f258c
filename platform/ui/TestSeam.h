#pragma once

#include "platform/ui/Dialogs.h"
#include "platform/ui/Types.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class TForm;
class TMenuItem;
class TPopupMenu;

// A message box as it was shown.
struct TShownMessage {
    std::string Text;
    std::string Caption;
    TMsgDlgType Kind = mtInformation;
    TMsgDlgButtons Buttons;
    int Answer = 0;
};

// A file dialog as it was asked for.
struct TFileDialogRequest {
    bool Save = false;
    std::string Title;
    std::string InitialDir;
    std::string Filter;
    int FilterIndex = 1;
    std::string FileName;
    std::string DefaultExt;
};

// A popup menu as it was opened, and the item the seam chose (nullptr: dismissed).
struct TShownPopup {
    TPopupMenu* Menu = nullptr;
    TPoint Point;
    TMenuItem* Choice = nullptr;
};

// Lets tests script the application's dialogs. While Active (the UI test main turns it on),
// no message box, file dialog or modal form waits for a person:
// - a message box takes the next queued answer; unscripted, an OK-only box answers mrOk and any
//   other mrCancel (mrNo when it has no Cancel button);
// - a file dialog takes the next queued path (or cancel); unscripted, it is cancelled;
// - ShowModal runs OnModalShow (which may set controls, click buttons, set ModalResult) and then,
//   when ModalResult is still mrNone, takes the next queued result; unscripted, mrCancel. The
//   hook runs for every modal form, nested ones included, so it looks at the form it is given.
//   A form that refuses to close (OnCloseQuery, OnClose) makes ShowModal return mrNone.
// - a popup menu takes the next queued item (or dismissal); unscripted, it is dismissed. An
//   item that is not an enabled entry of the menu shown is not clicked.
// Everything shown is recorded for reading back.
class TTestSeam {
public:
    bool Active() const { return FActive; }
    void SetActive(bool value) { FActive = value; }
    // Clears queues, records and the hook.
    void Reset();

    void QueueAnswer(int modalResult) { FAnswers.push_back(modalResult); }
    const std::vector<TShownMessage>& Messages() const { return FMessages; }

    void QueueFileName(const std::string& path) { FFileAnswers.emplace_back(path); }
    void QueueFileCancel() { FFileAnswers.emplace_back(std::nullopt); }
    const std::vector<TFileDialogRequest>& FileDialogs() const { return FFileDialogs; }

    std::function<void(TForm* form)> OnModalShow;
    void QueueModalResult(TModalResult result) { FModalResults.push_back(result); }
    // Names of the forms shown modally, in order.
    const std::vector<std::string>& ModalForms() const { return FModalForms; }

    void QueuePopupChoice(TMenuItem* item) { FPopupChoices.push_back(item); }
    void QueuePopupDismiss() { FPopupChoices.push_back(nullptr); }
    const std::vector<TShownPopup>& Popups() const { return FPopups; }

    // Used by the platform's dialogs and menus.
    int AnswerMessage(TShownMessage message);
    std::optional<std::string> AnswerFileDialog(const TFileDialogRequest& request);
    void RunModal(TForm* form);
    TMenuItem* AnswerPopup(TPopupMenu* menu, TPoint point);

private:
    bool FActive = false;
    std::deque<int> FAnswers;
    std::vector<TShownMessage> FMessages;
    std::deque<std::optional<std::string>> FFileAnswers;
    std::vector<TFileDialogRequest> FFileDialogs;
    std::deque<TModalResult> FModalResults;
    std::vector<std::string> FModalForms;
    std::deque<TMenuItem*> FPopupChoices;
    std::vector<TShownPopup> FPopups;
};
