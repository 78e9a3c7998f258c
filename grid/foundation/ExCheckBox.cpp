#include "grid/foundation/ExCheckBox.h"

#include "grid/foundation/ExStyleIF.h"
#include "grid/foundation/ThemedXP.h"
#include "grid/foundation/VisualStyleTable.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Panel.h"

#include <cwctype>

namespace {

// The strip at the box's side that a change of its look repaints.
constexpr int BoxAreaWidth = 20;
constexpr int ThemedBoxSize = 14;
constexpr int ClassicBoxSize = 13;

int ThemeStateBase(TCheckBoxState state) {
    switch (state) {
    case cbChecked:
        return CBS_CHECKEDNORMAL;
    case cbGrayed:
        return CBS_MIXEDNORMAL;
    default:
        return CBS_UNCHECKEDNORMAL;
    }
}

// The look of the platform's classic check box: a sunken white square with a tick.
void DrawClassicCheckBox(TCanvas* canvas, TRect r, bool checked, bool inactive) {
    Frame3D(canvas, r, clBtnShadow, clBtnHighlight, 1);
    Frame3D(canvas, r, cl3DDkShadow, clBtnFace, 1);
    canvas->Brush()->SetColor(inactive ? clBtnFace : clWindow);
    canvas->FillRect(r);
    if (!checked)
        return;
    canvas->Pen()->SetColor(inactive ? clGrayText : clWindowText);
    canvas->Pen()->SetWidth(1);
    const int x = r.Left + 1;
    const int y = r.Top + 3;
    for (int i = 0; i < 3; ++i) {
        canvas->MoveTo(x, y + i + 1);
        canvas->LineTo(x + 2, y + i + 3);
        canvas->LineTo(x + 7, y + i - 2);
    }
}

} // namespace

int CheckBoxThemeState(TCheckBoxState State, bool Enabled, bool Down, bool Hot) {
    int condition = 0;
    if (!Enabled)
        condition = 3;
    else if (Down)
        condition = 2;
    else if (Hot)
        condition = 1;
    return ThemeStateBase(State) + condition;
}

TExCheckBox::TExCheckBox(TComponent* AOwner)
    : TCustomControl(AOwner), FBkgBmp(std::make_unique<TBitmap>()) {
    // The box fires its clicks itself, after toggling.
    SetControlStyle(ControlStyle() >> csClickEvents);
    SetBounds(Left(), Top(), 98, 20);
    SetColor(clWindow);
    SetParentColor(true);
    SetTabStop(false);
    SetText("TExCheckBox");
    FIsWinXP = IsWinXPOrLater();
}

TExCheckBox::~TExCheckBox() = default;

void TExCheckBox::SetAlignment(TAlignment value) {
    if (value == FAlignment)
        return;
    FAlignment = value;
    Invalidate();
}

void TExCheckBox::SetButtonVertAlign(TTextLayout value) {
    if (value == FBtnVAlign)
        return;
    FBtnVAlign = value;
    Invalidate();
}

void TExCheckBox::SetChecked(bool value) {
    FState = value ? cbChecked : cbUnchecked;
    Invalidate();
}

void TExCheckBox::SetState(TCheckBoxState value) {
    if (value == FState)
        return;
    FState = value;
    InvalidateBox();
}

void TExCheckBox::SetDown(bool value) {
    FDown = value;
}

void TExCheckBox::SetEllipsis(bool value) {
    if (value == FEllipsis)
        return;
    FEllipsis = value;
    Invalidate();
}

void TExCheckBox::SetTransparent(bool value) {
    if (value != FTransparent) {
        FTransparent = value;
        FBkgCache = false;
        // A transparent box skips erasing, so the parent shows through.
        SetControlStyle(value ? ControlStyle() << csOpaque : ControlStyle() >> csOpaque);
    }
    Invalidate();
}

void TExCheckBox::SetText(const std::string& value) {
    FCaption = value;
    TCustomControl::SetText(value);
    Invalidate();
}

void TExCheckBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FTransparent) {
        FBkgCache = false;
        Invalidate();
    }
}

void TExCheckBox::Toggle() {
    if (!FReadOnly)
        SetChecked(!Checked());
}

void TExCheckBox::ToggleAndClick() {
    Toggle();
    Click();
}

TRect TExCheckBox::BoxRect() const {
    const bool themed = IsThemedXP();
    const int size = themed ? ThemedBoxSize : ClassicBoxSize;
    const int left = FAlignment == taRightJustify ? ClientWidth() - (themed ? 15 : 13) : 0;
    int top = 4;
    if (FBtnVAlign == tlCenter)
        top = ClientHeight() / 2 - 6;
    else if (FBtnVAlign == tlBottom)
        top = ClientHeight() - (themed ? 14 : 17);
    return Bounds(left, top, size, size);
}

// The whole height at the box's side: a hot or pressed box on the right or at the bottom is
// repainted as well as one at the top left.
TRect TExCheckBox::BoxArea() const {
    if (FAlignment == taRightJustify)
        return Rect(ClientWidth() - BoxAreaWidth, 0, ClientWidth(), ClientHeight());
    return Rect(0, 0, BoxAreaWidth, ClientHeight());
}

void TExCheckBox::InvalidateBox() {
    InvalidateRect(BoxArea());
}

void TExCheckBox::Paint() {
    Canvas()->Font()->Assign(*Font());
    PaintBackground();
    PaintBox();
    PaintCaption();
}

// What lies under the box shows through: the parent's own drawing, kept in the cache while
// the box neither moves nor changes when caching is on.
void TExCheckBox::PaintBackground() {
    TWinControl* parent = Parent();
    if (!FTransparent || !parent)
        return;
    if (!FTransparentCaching) {
        TBitmap under(Width(), Height());
        parent->PaintOwnTo(under.Canvas(), -Left(), -Top());
        Canvas()->Draw(0, 0, &under);
        return;
    }
    if (!FBkgCache) {
        FBkgBmp->SetSize(Width(), Height());
        parent->PaintOwnTo(FBkgBmp->Canvas(), -Left(), -Top());
        FBkgCache = true;
    }
    Canvas()->Draw(0, 0, FBkgBmp.get());
}

void TExCheckBox::PaintBox() {
    const TRect box = BoxRect();
    if (IsThemedXP()) {
        HTHEME theme = ExXPVS().OpenThemeData(this, "button");
        ExXPVS().DrawThemeBackground(theme, Canvas(), BP_CHECKBOX,
                                     CheckBoxThemeState(FState, Enabled(), FDown, FHot), box);
        ExXPVS().CloseThemeData(theme);
        return;
    }
    DrawClassicCheckBox(Canvas(), box, FState == cbChecked, FState == cbGrayed || !Enabled());
}

void TExCheckBox::PaintCaption() {
    TRect r = ClientRect();
    if (FAlignment == taRightJustify) {
        r.Left = 6;
        r.Right -= 9;
    } else {
        r.Left = 15;
    }
    r.Top += 4;
    Canvas()->Brush()->SetStyle(bsClear);
    const unsigned format = DT_LEFT | DT_TOP | (FEllipsis ? DT_END_ELLIPSIS : 0u);
    if (Enabled()) {
        Canvas()->DrawText(FCaption, r, format);
    } else {
        TRect raised = r;
        OffsetRect(raised, 1, 1);
        Canvas()->Font()->SetColor(clWhite);
        Canvas()->DrawText(FCaption, raised, format);
        Canvas()->Font()->SetColor(static_cast<TColor>(0x808080));
        Canvas()->DrawText(FCaption, r, format);
    }
    if (FFocused) {
        TRect extent = r;
        Canvas()->DrawText(FCaption, extent, format | DT_CALCRECT);
        Canvas()->Brush()->SetStyle(bsSolid);
        Canvas()->DrawFocusRect(
            Rect(r.Left - 2, r.Top, r.Left + extent.Width() + 1, r.Top + extent.Height() + 1));
    }
}

void TExCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        FMouseDown = true;
        if (!Focused() && CanFocus())
            SetFocus();
        SetMouseCapture(true);
        FDown = true;
        if (FIsWinXP)
            InvalidateBox();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TExCheckBox::MouseMove(TShiftState Shift, int X, int Y) {
    if (MouseCapture()) {
        const bool inside = X >= 0 && X < Width() && Y >= 0 && Y < Height();
        if (inside != FDown) {
            FDown = inside;
            InvalidateBox();
        }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TExCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        SetMouseCapture(false);
        FDown = false;
        const bool inside = X >= 0 && X < Width() && Y >= 0 && Y < Height();
        if (inside && Focused() && FMouseDown)
            ToggleAndClick();
        FMouseDown = false;
        if (FIsWinXP)
            InvalidateBox();
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TExCheckBox::MouseEnter() {
    FHot = true;
    InvalidateBox();
    TCustomControl::MouseEnter();
}

void TExCheckBox::MouseLeave() {
    FHot = false;
    InvalidateBox();
    TCustomControl::MouseLeave();
}

void TExCheckBox::KeyDown(WORD& Key, TShiftState Shift) {
    if (Key == VK_RETURN && FReturnIsTab) {
        Key = VK_TAB;
        // Moves the focus on as a typed Tab does, once this key is done.
        PostMessage(CN_KEYDOWN, VK_TAB);
    }
    if (Key == VK_SPACE) {
        FDown = true;
        InvalidateBox();
    }
    TCustomControl::KeyDown(Key, Shift);
}

void TExCheckBox::KeyUp(WORD& Key, TShiftState Shift) {
    if (Key == VK_SPACE) {
        FDown = false;
        ToggleAndClick();
    }
    TCustomControl::KeyUp(Key, Shift);
}

bool TExCheckBox::IsAccelerator(TChar Key) const {
    for (size_t i = 0; i + 1 < FCaption.size(); ++i) {
        if (FCaption[i] != '&')
            continue;
        if (FCaption[i + 1] == '&') {
            ++i;
            continue;
        }
        const auto accelerator = static_cast<unsigned char>(FCaption[i + 1]);
        return accelerator < 0x80 &&
               std::towupper(accelerator) == std::towupper(static_cast<wint_t>(Key));
    }
    return false;
}

void TExCheckBox::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CM_WANTSPECIALKEY:
        if (Message.WParam == VK_RETURN && FReturnIsTab) {
            Message.Result = 1;
            return;
        }
        break;
    case CM_DIALOGCHAR:
        if (IsAccelerator(static_cast<TChar>(Message.WParam)) && CanFocus()) {
            Toggle();
            if (TabStop())
                SetFocus();
            Message.Result = 1;
            return;
        }
        break;
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        FFocused = Message.Msg == WM_SETFOCUS;
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::WndProc(Message);
}
