#pragma once

#include "platform/ui/Control.h"
#include "platform/ui/Form.h"

#include <memory>
#include <string>

class TCanvas;

// A one-line text edit. OnChange fires after every change of the text, typed or set by the
// program. MaxLength limits what the user types or pastes (in UTF-16 units, 0 = no limit); text
// set by the program is kept whole, so a longer value read from a file is shown and kept as it
// is. Handles WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR and WM_UNDO as the framework's edits do.
class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* AOwner);
    ~TEdit() override;

    std::string Text() const override;
    void SetText(const std::string& value) override;
    void Clear() { SetText(""); }

    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    bool ReadOnly() const;
    void SetReadOnly(bool value);
    // 0 shows the text; any other character hides it behind the platform's mask character.
    TChar PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(TChar value);
    // Selects everything when the edit gets the focus from the keyboard.
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { FAutoSelect = value; }
    bool Modified() const { return FModified; }
    void SetModified(bool value) { FModified = value; }
    // bsSingle draws the edit's frame, bsNone leaves it out (an editor laid over a grid cell).
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(TBorderStyle value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // The rectangle of the client area the text is laid out in; by default the whole client
    // area. Room outside it stays free for controls placed inside the edit.
    TRect EditRect() const;
    void SetEditRect(const TRect& value);
    // The canvas the edit is painted on: descendants draw on it in PaintOver.
    TCanvas* Canvas() const;

    // Selection positions count UTF-16 units, as the framework's do.
    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    std::string SelText() const;
    // Replaces the selection (or inserts at the caret); MaxLength does not apply.
    void SetSelText(const std::string& value);
    void SelectAll();
    void ClearSelection();
    // The index (UTF-16 units) of the character boundary nearest to a point of the client area:
    // where a click there puts the caret. -1 for a point outside the client area.
    int CharFromPos(TPoint ClientPoint) const;
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    void Undo();

    void WndProc(TMessage& Message) override;

    TNotifyEvent OnChange;

protected:
    virtual void Change();
    void DoEnter() override;
    // Runs each time the platform has painted the edit, with Canvas drawing on that paint, so a
    // descendant can draw beside the text (outside EditRect).
    virtual void PaintOver() {}

private:
    struct Impl;
    std::unique_ptr<Impl> FImpl;
    int FMaxLength = 0;
    TChar FPasswordChar = 0;
    bool FAutoSelect = true;
    bool FModified = false;
    TBorderStyle FBorderStyle = bsSingle;
    TAlignment FAlignment = taLeftJustify;
};
