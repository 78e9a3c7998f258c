// Opening and closing the popup of a drop-down edit.
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/DropDownPlacement.h"
#include "grid/dropdown/ExCustomDropDown.h"
#include "grid/stringgrid/FooterAppearance.h"
#include "grid/stringgrid/HeaderAppearance.h"
#include "platform/ui/Application.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Messages.h"
#include "platform/ui/OwnedPopup.h"

#include <algorithm>

namespace {
// A click on the button that closed the popup (by taking the user away from it) must not open
// it again at once.
constexpr uint64_t ReopenDelayMs = 250;
constexpr int MinPopupWidth = 80;
constexpr int MinPopupHeight = 50;
} // namespace

void TExCustomDropDown::CreateDropDownForm() {
    if (FDropDownForm)
        return;
    FDropDownForm = new TDropDownForm(this);
    FDropDownForm->SetExDropDown(this);
    FDropDownForm->SetVisible(false);
    FDropDownForm->SetBounds(0, 0, FDropDownWidth, FDropDownHeight);
    FDropDownForm->OnHide = [this](TObject*) { DropDownFormHide(); };
    FDropDownForm->OnKeyPress = [this](TObject*, TChar& Key) { DropDownFormKeyPress(Key); };
    FDropDownForm->OnKeyDown = [this](TObject*, WORD& Key, TShiftState Shift) {
        DropDownFormKeyDown(Key, Shift);
    };
    FDropDownForm->OnKeyUp = [this](TObject*, WORD& Key, TShiftState Shift) {
        DropDownFormKeyUp(Key, Shift);
    };
    FDropDownForm->OnMouseWheel = [this](TObject*, TShiftState, int WheelDelta, TPoint,
                                         bool& Handled) {
        if (WheelDelta < 0)
            DoWheelDown();
        else
            DoWheelUp();
        Handled = true;
    };
    FDropDownForm->OnDestroy = [this](TObject*) {
        if (!FDestroying)
            DropDownFormDestroy();
    };
    FDropDownForm->OnSizing = [this](TObject*) { DropDownFormSizing(); };
    FDropDownForm->SetDoubleBuffered(true);
}

void TExCustomDropDown::DoBeforeDropDown() {
    if (OnBeforeDropDown)
        OnBeforeDropDown(this);
}

void TExCustomDropDown::SizeDropDownForm() {
    if (!FDropDownForm)
        return;
    int width = Width();
    if (FDropDownWidth > 0)
        width = FDropDownWidth;
    else if (FControl && FControl->Visible())
        // The control sits inside the border, as it does in the height below.
        width = FControl->Width() + 2 * FDropDownBorderWidth;
    int height = FDropDownHeight;
    if (height <= 0) {
        height = PopupFrameHeight();
        if (FControl && FControl->Visible())
            height += FControl->Height();
    }
    FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), width, height);
}

int TExCustomDropDown::PopupFrameHeight() const {
    int height = 2 * FDropDownBorderWidth;
    if (FDropDownHeader->Visible())
        height += FDropDownHeader->Height();
    if (FDropDownFooter->Visible())
        height += FDropDownFooter->Height();
    return height;
}

void TExCustomDropDown::PlaceDropDownControl() {
    if (!FDropDownForm || !FControl)
        return;
    TWinControl* area = FDropDownForm->ClientArea();
    FControl->SetParent(area);
    // The client area already lies inside the border; the bars take their room at the edges.
    const int top = FDropDownHeader->Visible() ? FDropDownHeader->Height() : 0;
    const int bottom = FDropDownFooter->Visible() ? FDropDownFooter->Height() : 0;
    const int border = std::max(FDropDownBorderWidth, 0);
    FControl->SetAlign(alNone);
    FControl->SetBounds(border, border + top, std::max(area->Width() - 2 * border, 0),
                        std::max(area->Height() - 2 * border - top - bottom, 0));
    FControl->SetAnchors({akLeft, akTop, akRight, akBottom});
}

void TExCustomDropDown::HookControlKeys() {
    auto* control = dynamic_cast<TWinControl*>(FControl);
    if (!control)
        return;
    control->OnKeyDown = [this](TObject*, WORD& Key, TShiftState Shift) {
        PopupControlKeyDown(Key, Shift);
    };
    control->OnKeyUp = [this](TObject*, WORD& Key, TShiftState Shift) { ControlKeyUp(Key, Shift); };
    control->OnKeyPress = [this](TObject*, TChar& Key) { ControlKeyPress(Key); };
    if (WheelStepsOverControl())
        control->OnMouseWheel = [this](TObject*, TShiftState, int WheelDelta, TPoint,
                                       bool& Handled) {
            WheelDelta < 0 ? DoWheelDown() : DoWheelUp();
            Handled = true;
        };
}

void TExCustomDropDown::DoDropDown() {
    if (!FDropDownForm || FDropDownForm->Visible() || !Enabled() || ReadOnly())
        return;
    DoBeforeDropDown();
    if (!FDropDownForm)
        return;
    FDropDownForm->SetShadow(FDropDownShadow);
    FDropDownForm->SetSizeable(FDropDownSizeable && FDropDownFooter->Visible() &&
                               FDropDownFooter->SizeGrip());
    MakeOwnedPopup(FDropDownForm, this, FDropDownShadow);
    FDropDownForm->InitializeAndUpdate();
    SizePopupToContent();
    HookControlKeys();

    bool allow = true;
    if (OnDropDown)
        OnDropDown(this, allow);
    if (!allow || !FDropDownForm)
        return;

    const TRect placed = PopupScreenRect();
    FValueAtDropDown = Text();
    FDroppedDown = true;
    WatchOwnedPopup(FDropDownForm, [this] {
        if (FDropDownForm)
            FDropDownForm->DeActivated();
    });
    ShowOwnedPopup(FDropDownForm, placed);
    FocusDropDownControl();
}

void TExCustomDropDown::SizePopupToContent() {
    SizeDropDownForm();
    // A narrow control must not clip the captions and buttons of the bars.
    FDropDownForm->SetWidth(std::max(FDropDownForm->Width(), FDropDownForm->BarsWidth()));
    if (FUserDropDownWidth != -1)
        FDropDownForm->SetWidth(FUserDropDownWidth);
    if (FUserDropDownHeight != -1)
        FDropDownForm->SetHeight(FUserDropDownHeight);
    FDropDownForm->SetWidth(std::max(FDropDownForm->Width(), MinPopupWidth));
    FDropDownForm->SetHeight(std::max(FDropDownForm->Height(), MinPopupHeight));
    PlaceDropDownControl();
}

TRect TExCustomDropDown::PopupScreenRect() {
    int height = FDropDownForm->Height();
    AdjustDropDownHeight(height);
    const TPoint origin = ClientToScreen({0, 0});
    const TRect editRect = Bounds(origin.X, origin.Y, Width(), Height());
    return PlaceDropDownPopup(editRect, {FDropDownForm->Width(), height}, WorkAreaAt(origin),
                              FDropPosition);
}

void TExCustomDropDown::ForgetUserDropDownSize() {
    FUserDropDownWidth = -1;
    FUserDropDownHeight = -1;
}

void TExCustomDropDown::RelayoutOpenPopup() {
    if (!FDroppedDown || !FDropDownForm || !FDropDownForm->Visible())
        return;
    SizePopupToContent();
    const TRect placed = PopupScreenRect();
    FDropDownForm->SetBounds(placed.Left, placed.Top, placed.Right - placed.Left,
                             placed.Bottom - placed.Top);
}

void TExCustomDropDown::FocusDropDownControl() {
    if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() &&
        !FFocusControl->Focused())
        FFocusControl->SetFocus();
}

void TExCustomDropDown::DoHideDropDown(bool Cancelled) {
    if (!FDropDownForm || !FDropDownForm->Visible())
        return;
    if (OnBeforeDropUp)
        OnBeforeDropUp(this);
    if (!FDropDownForm || !FDropDownForm->Visible())
        return;
    // The next opening comes back at the size the popup closed with, however it got it.
    FUserDropDownWidth = FDropDownForm->Width();
    FUserDropDownHeight = FDropDownForm->Height();
    FDropDownForm->EndSizing();
    FDropDownForm->SetVisible(false);
    // A hint of the popup's controls must not outlive the popup.
    if (Application)
        Application->CancelHint();
    if (Cancelled)
        SetText(FValueAtDropDown);
    if (OnDropUp)
        OnDropUp(this, Cancelled);
}

void TExCustomDropDown::DropDownHeaderButtonClick(int ButtonIndex) {
    if (OnDropDownHeaderButtonClick)
        OnDropDownHeaderButtonClick(this, ButtonIndex);
}

void TExCustomDropDown::DropDownFooterButtonClick(int ButtonIndex) {
    if (OnDropDownFooterButtonClick)
        OnDropDownFooterButtonClick(this, ButtonIndex);
}

void TExCustomDropDown::DropDownFormHide() {
    FDroppedDown = false;
    if (!FDestroying && TabStop() && CanFocus() && !Focused())
        SetFocus();
}

void TExCustomDropDown::DropDownButtonClick() {
    if (!FDropDownForm || FDropDownForm->Visible())
        return;
    const uint64_t lost = FDropDownForm->DeActivateTime();
    if (lost != 0 && DropDownTickCount() - lost <= ReopenDelayMs)
        return;
    DoDropDown();
}

void TExCustomDropDown::SendCharToEdit(TChar Key) {
    TMessage message{WM_CHAR, Key, 0, 0};
    WndProc(message);
    // A character the edit lets through is typed into it, as if typed there.
    const auto passed = static_cast<TChar>(message.WParam);
    if (message.Result == 0 && FEditorEnabled && (passed == 8 || passed >= 32))
        InsertTyped(passed);
}

void TExCustomDropDown::DropDownFormKeyPress(TChar& Key) {
    SendCharToEdit(Key);
}

void TExCustomDropDown::DropDownFormKeyDown(WORD& Key, TShiftState Shift) {
    Perform(WM_KEYDOWN, Key);
}

void TExCustomDropDown::DropDownFormKeyUp(WORD& Key, TShiftState Shift) {
    Perform(WM_KEYUP, Key);
}

void TExCustomDropDown::ControlKeyDown(WORD& Key, TShiftState Shift) {
    Perform(WM_KEYDOWN, Key);
    // The popup's closing keys: the hosted control must not also step on them.
    if (Shift.Contains(ssAlt) && (Key == VK_UP || Key == VK_DOWN))
        Key = 0;
}

void TExCustomDropDown::PopupControlKeyDown(WORD& Key, TShiftState Shift) {
    if (Key == VK_TAB && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt) && LeavePopupByTab()) {
        Key = 0;
        return;
    }
    ControlKeyDown(Key, Shift);
}

bool TExCustomDropDown::LeavePopupByTab() {
    if (!FDroppedDown)
        return false;
    HideDropDown(false);
    // The edit's own key step first, where the form takes Tab unless the edit claims it.
    if (Perform(CN_KEYDOWN, VK_TAB) == 0)
        Perform(WM_KEYDOWN, VK_TAB);
    return true;
}

void TExCustomDropDown::ControlKeyUp(WORD& Key, TShiftState Shift) {
    Perform(WM_KEYUP, Key);
}

void TExCustomDropDown::ControlKeyPress(TChar& Key) {
    SendCharToEdit(Key);
}
