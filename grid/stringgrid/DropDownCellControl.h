#pragma once

#include "grid/foundation/ExStyleIF.h"
#include "platform/ui/Control.h"

#include <functional>
#include <string>

// What a drop-down cell editor asks of the control it edits with, and tells it in return.
class TDropDownCellEditorHooks {
public:
    // Asked before the control's own key handling; a key set to 0 is consumed.
    virtual void DropDownKeyDown(WORD& Key, TShiftState Shift) = 0;
    virtual void DropDownKeyPress(TChar& Key) = 0;
    virtual void DropDownTextChanged() = 0;
    // Whether the control receives the key instead of the form.
    virtual bool DropDownWantsKey(WPARAM Key) = 0;
    virtual void DropDownExit() = 0;
    // The control goes: the editor must not reach it any more.
    virtual void DropDownControlDestroyed() = 0;

protected:
    ~TDropDownCellEditorHooks() = default;
};

using TDropDownButtonEvent = std::function<void(TObject* Sender, int ButtonIndex)>;

// A drop-down control (an edit with a button that opens a popup: track bar, memo, calculator,
// time picker, detail list, multi-column list, grid) as the grid's drop-down cell editors use
// it. Text is the value without prefix and suffix. A control of this family routes its keys,
// text changes and focus loss through the editor attached to it before handling them itself.
class TDropDownCellControl : public TWinControl {
public:
    explicit TDropDownCellControl(TComponent* AOwner) : TWinControl(AOwner) {}
    ~TDropDownCellControl() override;

    virtual bool DroppedDown() const = 0;
    // The grid's look (the popup's header and footer bars, the style) before each cell edit.
    virtual void TakeGridLook() {}
    // Opens the popup.
    virtual void DoDropDown() = 0;
    // The calculator finishes its pending operation; other controls have none.
    virtual void CalcResult() {}
    virtual void SelectAllText() {}
    virtual void CaretToEnd() {}
    // The value as a cell stores it (the memo: each line followed by a line break).
    virtual std::string CellValue() const { return Text(); }
    // What the edit shows, as the user reads it; the grid's edit-change event reports it. Only
    // a control whose value is no text (the image picker's caption of an image) differs here.
    virtual std::string EditText() const { return Text(); }
    // The colour a colour cell holds, for a control that edits one; others ignore it.
    virtual void SetCellColor(TColor Value) {}
    virtual TColor CellColor() const { return clNone; }
    // The image an image picker holds; -1 for the others.
    virtual int CellImageIndex() const { return -1; }
    virtual void SetCellImageIndex(int Value) {}

    // The grid's style preset and colour tones, for a control that takes them.
    virtual void ApplyComponentStyle(TULKStyle AStyle) {}
    virtual void ApplyColorTones(const TColorTones& ATones) {}

    void AttachEditor(TDropDownCellEditorHooks* Editor) { FEditor = Editor; }
    // The window the user types into: the control itself, or the one it stands for; nullptr
    // once that is gone.
    virtual TWinControl* EditWindow() { return this; }
    // The control the grid's events name as their sender.
    virtual TObject* EventSender() { return this; }

    TDropDownButtonEvent OnHeaderButtonClick;
    TDropDownButtonEvent OnFooterButtonClick;

    void WndProc(TMessage& Message) override;

protected:
    // The control's own handling, after the editor's.
    virtual void DropDownKeyDown(WORD& Key, TShiftState Shift) { TWinControl::KeyDown(Key, Shift); }
    virtual void DropDownKeyPress(TChar& Key) { TWinControl::KeyPress(Key); }
    // Descendants call it after each change of their text.
    void TextChanged();

    void KeyDown(WORD& Key, TShiftState Shift) final;
    void KeyPress(TChar& Key) final;
    void DoExit() override;

private:
    TDropDownCellEditorHooks* FEditor = nullptr;
};
