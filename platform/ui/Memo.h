#pragma once

#include "platform/ui/Form.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Types.h"

#include <memory>
#include <string>

// A text edit of several lines. Lines and Text are two views of one text: a change through
// either (or typed by the user) shows in the other at once. OnChange fires after every change
// of the text, typed or set by the program. With WantReturns (the default) Enter starts a new
// line instead of pressing the form's default button.
class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* AOwner);
    ~TMemo() override;

    TItemStrings* Lines() const { return FLines.get(); }
    // The lines joined with "\n".
    std::string Text() const override;
    void SetText(const std::string& value) override;
    void Clear() { SetText(""); }
    void SelectAll();
    // Selection positions count UTF-16 units, as the framework's do.
    int SelStart() const;
    int SelLength() const;
    // Limits what the user types or pastes (UTF-16 units, line breaks counted; 0 = no limit);
    // text the program sets is kept whole.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value) { FMaxLength = value < 0 ? 0 : value; }
    // bsNone draws no frame round the text.
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);

    bool ReadOnly() const;
    void SetReadOnly(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool value) { FWantReturns = value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool value);

    void WndProc(TMessage& Message) override;

    TNotifyEvent OnChange;

protected:
    virtual void Change();

private:
    struct Impl;
    std::unique_ptr<Impl> FImpl;
    std::unique_ptr<TItemStrings> FLines;
    bool FWordWrap = true;
    TScrollStyle FScrollBars = ssNone;
    bool FWantReturns = true;
    bool FWantTabs = false;
    int FMaxLength = 0;
    TBorderStyle FBorderStyle = bsSingle;
};
