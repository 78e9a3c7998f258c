// Keys and mouse of a drop-down edit.
#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExCustomDropDown.h"
#include "grid/dropdown/ExDropDownSpeedButton.h"
#include "platform/ui/Form.h"
#include "platform/ui/Label.h"

#include <algorithm>

namespace {

bool IsToggleKey(WORD Key, TShiftState Shift) {
    return Shift.Contains(ssAlt) && (Key == VK_UP || Key == VK_DOWN);
}

// The clipboard keys of an edit, as the message the edit handles them with; 0 for others.
UINT ClipboardMessage(WORD Key, TShiftState Shift) {
    const bool ctrl = Shift.Contains(ssCtrl);
    const bool shift = Shift.Contains(ssShift);
    if ((ctrl && Key == 'V') || (shift && !ctrl && Key == VK_INSERT))
        return WM_PASTE;
    if ((ctrl && Key == 'X') || (shift && !ctrl && Key == VK_DELETE))
        return WM_CUT;
    if (ctrl && (Key == 'C' || Key == VK_INSERT))
        return WM_COPY;
    return 0;
}

} // namespace

void TExCustomDropDown::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_KEYDOWN:
        HandleKeyDownMessage(Message);
        return;
    case WM_CHAR:
        if (!FilterChar(Message)) {
            Message.Result = 1;
            return;
        }
        break;
    case CM_WANTSPECIALKEY:
        Message.Result = WantSpecialKey(Message) ? 1 : 0;
        return;
    case WM_PASTE:
        PasteValue();
        return;
    case WM_CUT:
        CutValue();
        return;
    case WM_COPY:
        CopyValue();
        return;
    case CM_VISIBLECHANGED:
        TCustomMaskEdit::WndProc(Message);
        if (FLabel && !FLabel->Caption().empty())
            FLabel->SetVisible(Visible());
        return;
    case CM_PARENTFONTCHANGED:
        TCustomMaskEdit::WndProc(Message);
        if (FLabel && ParentFont())
            UpdateLabelPosition();
        return;
    case WM_LBUTTONDOWN:
        // A press inside the selection keeps it, so that it can be dragged away.
        if (PressInSelection(Message)) {
            FButtonDown = true;
            Message.Result = 1;
            return;
        }
        break;
    case WM_MOUSEMOVE:
        TCustomMaskEdit::WndProc(Message);
        // The edit did not see that press: it must not stretch a selection of its own.
        if (FButtonDown)
            Message.Result = 1;
        return;
    case WM_LBUTTONUP:
        if (FButtonDown) {
            FButtonDown = false;
            SetSelStart(CharFromPos({GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)}));
            SetSelLength(0);
        }
        break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TCustomMaskEdit::WndProc(Message);
        if (Enabled() && FMouseInControl != (Message.Msg == CM_MOUSEENTER)) {
            FMouseInControl = Message.Msg == CM_MOUSEENTER;
            Invalidate();
        }
        return;
    default:
        break;
    }
    TCustomMaskEdit::WndProc(Message);
}

bool TExCustomDropDown::PressInSelection(const TMessage& Message) const {
    if (!FEditorEnabled || ComponentState().Contains(csDesigning) || SelLength() == 0 || !Focused())
        return false;
    const int at = CharFromPos({GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
    return at >= SelStart() && at <= SelStart() + SelLength();
}

void TExCustomDropDown::HandleKeyDownMessage(TMessage& Message) {
    if (ComponentState().Contains(csDesigning))
        return TCustomMaskEdit::WndProc(Message);
    WORD key = static_cast<WORD>(Message.WParam);
    const TShiftState shift = KeyDataToShiftState(Message.LParam) + CurrentShiftState();
    auto platformKey = [&] {
        Message.WParam = key;
        TCustomMaskEdit::WndProc(Message);
        key = static_cast<WORD>(Message.WParam);
        return Message.Result == 0;
    };
    auto swallow = [&] { Message.Result = 1; };
    auto openOrClose = [&] {
        if (FDropDownForm && FDropDownForm->Visible())
            DoHideDropDown(false);
        else
            DoDropDown();
    };
    if (IsToggleKey(key, shift)) {
        openOrClose();
        return swallow();
    }
    if (!FEditorEnabled) {
        // The value is only chosen from the popup: the keys that open, close or cancel it.
        if (Enabled() && !ReadOnly()) {
            if (key == VK_RETURN)
                DoHideDropDown(false);
            else if (key == VK_ESCAPE)
                DoHideDropDown(true);
            else if (key == VK_F4)
                openOrClose();
        }
        if (key == VK_RETURN || key == VK_ESCAPE)
            platformKey();
        return swallow();
    }
    if (shift.Contains(ssCtrl) && (key == VK_TAB || key == VK_RETURN)) {
        platformKey();
        return;
    }
    if (const UINT clipboard = ClipboardMessage(key, shift)) {
        Perform(clipboard);
        return swallow();
    }
    if (key == VK_RETURN && FReturnIsTab) {
        key = VK_TAB;
        // The form moves the focus on as for a typed Tab, once this key is handled.
        if (TForm* form = GetParentForm(this); form && Visible())
            ::PostMessage(form, CM_DIALOGKEY, VK_TAB);
    }
    if (!FilterEditKey(key, shift))
        return swallow();
    if (!platformKey())
        return;
    if (key == VK_DELETE && FEditType == etMoney) {
        // The edit deletes only after this handler; do it here so the regrouping sees it.
        const int caret = SelStart();
        if (SelLength() == 0)
            SetCaret(caret, 1);
        InsertTyped(8);
        FormatMoney();
        swallow();
    }
    if (key == VK_RETURN) {
        DoHideDropDown(false);
    } else if (key == VK_ESCAPE) {
        DoHideDropDown(true);
    } else if (key == VK_F4) {
        openOrClose();
    }
}

void TExCustomDropDown::KeyDown(WORD& Key, TShiftState Shift) {
    HandleKeyDown(Key, Shift);
}

void TExCustomDropDown::HandleKeyDown(WORD& Key, TShiftState Shift) {
    TCustomMaskEdit::KeyDown(Key, Shift);
    if (IsToggleKey(Key, Shift)) {
        if (FDroppedDown)
            DoHideDropDown(false);
        else
            DoDropDown();
        Key = 0;
    }
}

void TExCustomDropDown::KeyPress(TChar& Key) {
    HandleKeyPress(Key);
}

void TExCustomDropDown::HandleKeyPress(TChar& Key) {
    TCustomMaskEdit::KeyPress(Key);
    if (Key == VK_RETURN)
        Key = 0;
}

bool TExCustomDropDown::FilterEditKey(WORD& Key, TShiftState Shift) {
    const TValueSpan span = Span();
    // The value ends where the suffix starts, measured from after the prefix.
    const int valueEnd = span.P + span.L;
    const int caret = SelStart();
    const int length = SelLength();
    const int end = caret + length;
    const bool hasPrefix = !FPrefix.empty();
    const bool hasSuffix = !FSuffix.empty();
    switch (Key) {
    case VK_RIGHT:
        return !(hasSuffix && end >= valueEnd);
    case VK_LEFT:
        return !(hasPrefix && end <= span.P);
    case VK_END:
        if (!hasSuffix)
            return true;
        if (Shift.Contains(ssShift))
            SetCaret(caret, valueEnd - caret);
        else
            SetCaret(valueEnd);
        return false;
    case VK_HOME:
        if (!hasPrefix)
            return true;
        if (Shift.Contains(ssShift))
            SetCaret(span.P, caret + length - span.P);
        else
            SetCaret(span.P);
        return false;
    case VK_BACK:
        if (hasPrefix && length == 0 && caret <= span.P)
            return false;
        SetModified(true);
        return true;
    case VK_DELETE: {
        if (hasSuffix && length == 0 && end >= valueEnd)
            return false;
        if (caret >= span.P && FLengthLimit > 0) {
            std::u16string expected = span.Value();
            const int at = caret - span.P;
            expected.erase(static_cast<size_t>(std::min(at, static_cast<int>(expected.size()))),
                           static_cast<size_t>(std::max(length, 1)));
            if (DigitsBeforeDecimal(expected) - 1 > FLengthLimit)
                return false;
        }
        SetModified(true);
        return true;
    }
    default:
        return true;
    }
}

bool TExCustomDropDown::WantSpecialKey(TMessage& Message) {
    TForm* form = GetParentForm(this);
    if (!form)
        return false;
    const WORD key = static_cast<WORD>(Message.WParam);
    TWinControl* parent = Parent();
    bool wanted = false;
    if (key == VK_ESCAPE && FCanUndo && !form->KeyPreview()) {
        SelectAll();
        SetModified(false);
        wanted = true;
        if (FDefaultHandling && parent && !FDroppedDown) {
            ::PostMessage(parent, WM_KEYDOWN, VK_ESCAPE);
            ::PostMessage(parent, WM_KEYUP, VK_ESCAPE);
        }
    }
    if (key == VK_RETURN && FDefaultHandling && !form->KeyPreview() && parent &&
        parent->Focused()) {
        ::PostMessage(parent, WM_KEYDOWN, VK_RETURN);
        ::PostMessage(parent, WM_KEYUP, VK_RETURN);
    }
    TCustomMaskEdit::WndProc(Message);
    wanted = wanted || Message.Result != 0;
    if (key == VK_ESCAPE && FDroppedDown)
        wanted = true;
    return wanted;
}

void TExCustomDropDown::DoEnter() {
    TCustomMaskEdit::DoEnter();
    SetEditRect();
    // The border shows the focus.
    Invalidate();
    if (!FEditorEnabled) {
        Invalidate();
        return;
    }
    if (AutoSelect() && GetKeyState(VK_LBUTTON) >= 0)
        SelectAll();
    else if (FEditType == etFloat || FEditType == etMoney)
        SelectBeforeDecimal();
}

void TExCustomDropDown::DoExit() {
    FormatOnExit();
    TCustomMaskEdit::DoExit();
    Invalidate();
}

void TExCustomDropDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomMaskEdit::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && !FEditorEnabled)
        DropDownButtonClick();
}

void TExCustomDropDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomMaskEdit::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft)
        KeepCaretInValue();
}

void TExCustomDropDown::KeepCaretInValue() {
    const TValueSpan span = Span();
    const int valueEnd = span.P + span.L;
    const int caret = SelStart();
    const int length = SelLength();
    if (!FPrefix.empty() && caret < span.P) {
        SetCaret(span.P, span.L);
        return;
    }
    if (!FSuffix.empty()) {
        if (caret > valueEnd)
            SetCaret(valueEnd);
        else if (caret + length > valueEnd)
            SetCaret(caret, valueEnd - caret);
    }
}

bool TExCustomDropDown::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    const bool handled = TCustomMaskEdit::DoMouseWheel(Shift, WheelDelta, MousePos);
    if (WheelDelta < 0)
        DoWheelDown();
    else
        DoWheelUp();
    return handled;
}
