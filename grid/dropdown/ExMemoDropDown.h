#pragma once

#include "grid/dropdown/ExCustomDropDown.h"
#include "platform/core/StringList.h"
#include "platform/ui/Types.h"

#include <memory>

class TMemo;
class TPopupMenu;

// A drop-down edit whose value is a list of lines, edited in a memo in the popup. While the edit
// is typed into it shows all the lines; otherwise only the first, cut to the edit's width, with
// "..." when more lines follow. Closing the popup takes the memo's lines, unless cancelled.
class TExMemoDropDown : public TExCustomDropDown {
public:
    explicit TExMemoDropDown(TComponent* AOwner);
    ~TExMemoDropDown() override;

    const TStringList& MemoText() const { return FMemoText; }
    // The lines reach the edit and, when it exists, the memo.
    void SetMemoText(const TStringList& Value);
    // The same, from the lines joined with line breaks.
    void SetMemoLines(const std::string& Text);
    TMemo* Memo() const { return FMemo; }
    // Popup menu and scroll bars reach the memo at the next opening; read-only at once.
    TPopupMenu* MemoPopup() const { return FMemoPopup; }
    void SetMemoPopup(TPopupMenu* Value) { FMemoPopup = Value; }
    TScrollStyle MemoScrollBars() const { return FMemoScrollBars; }
    void SetMemoScrollBars(TScrollStyle Value) { FMemoScrollBars = Value; }
    bool MemoReadOnly() const { return FMemoReadOnly; }
    void SetMemoReadOnly(bool Value);
    // The popup opens whenever the edit receives the focus.
    bool AutoDrop() const { return FAutoDrop; }
    void SetAutoDrop(bool Value) { FAutoDrop = Value; }

    TNotifyEvent OnMemoChange;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void DoHideDropDown(bool Cancelled) override;
    void DropDownFormHide() override;
    // In the popup the memo keeps every key but Escape, F4 and those with Alt held.
    void ControlKeyDown(WORD& Key, TShiftState Shift) override;
    void ControlKeyUp(WORD& Key, TShiftState Shift) override;
    void ControlKeyPress(TChar& Key) override;
    void DoEnter() override;
    void Change() override;
    // Every change of the memo's text in the popup; fires OnMemoChange.
    virtual void MemoChanged();
    // The memo's text becomes the value and the edit shows it.
    void TakeMemoText();
    // The memo is being given the value's lines: its changes are no typing.
    bool WritingMemo() const { return FWritingMemo; }

private:
    // Shows MemoText in the edit: see the class comment.
    void UpdateEditText();
    void WriteMemoLines();

    TPopupMenu* FMemoPopup = nullptr;
    TStringList FMemoText;
    TMemo* FMemo = nullptr; // owned as a component
    TScrollStyle FMemoScrollBars = ssNone;
    bool FMemoReadOnly = false;
    bool FInternalUpdate = false;
    bool FWritingMemo = false;
    bool FAutoDrop = false;
};
