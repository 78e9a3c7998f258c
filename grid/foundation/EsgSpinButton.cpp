#include "grid/foundation/EsgSpinButton.h"

#include "grid/foundation/ButtonPartFocus.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <algorithm>

namespace {
constexpr int VerticalMinWidth = 15;
constexpr int HorizontalMinWidth = 20;
} // namespace

void LoadSpinGlyph(TBitmap* glyph, bool up) {
    // Olive is the background the arrow takes as transparent.
    constexpr TColor background = clOlive;
    glyph->SetSize(9, 6);
    TCanvas* canvas = glyph->Canvas();
    canvas->Brush()->SetColor(background);
    canvas->FillRect({0, 0, 9, 6});
    // 7, 5, 3 and 1 pixels wide, from the base to the tip.
    for (int row = 0; row < 4; ++row) {
        int y = up ? 4 - row : 1 + row;
        for (int x = 1 + row; x <= 7 - row; ++x)
            canvas->SetPixel(x, y, clBlack);
    }
    glyph->SetTransparent(true);
    glyph->SetTransparentMode(tmFixed);
    glyph->SetTransparentColor(background);
}

TEsgSpinButton::TEsgSpinButton(TComponent* AOwner) : TWinControl(AOwner) {
    TControlStyle style = ControlStyle();
    style << csOpaque;
    style >> csAcceptsControls;
    SetControlStyle(style);
    auto makeArrow = [this](TButtonDirection direction) {
        auto* arrow = new TExTimerSpeedButton(this);
        arrow->SetTimeBtnState({tbAllowTimer});
        arrow->SetButtonDirection(direction);
        arrow->OnClick = [this](TObject* sender) { ArrowClick(sender); };
        arrow->OnMouseDown = [this](TObject* sender, TMouseButton button, TShiftState, int, int) {
            ArrowMouseDown(sender, button);
        };
        arrow->SetParent(this);
        return arrow;
    };
    FUpButton = makeArrow(bdUp);
    FDownButton = makeArrow(bdDown);
    SetUpGlyph(nullptr);
    SetDownGlyph(nullptr);
    FFocusedButton = FUpButton;
    SetBounds(0, 0, VerticalMinWidth, 25);
}

TEsgSpinButton::~TEsgSpinButton() = default;

void TEsgSpinButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (!FUpButton || !FDownButton || ComponentState().Contains(csLoading)) {
        TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
        return;
    }
    if (FDirection == spVertical) {
        AWidth = std::max(AWidth, VerticalMinWidth);
        int upHeight = AHeight / 2;
        FUpButton->SetBounds(0, 0, AWidth, upHeight);
        // The two arrows share one pixel row.
        FDownButton->SetBounds(0, upHeight - 1, AWidth, AHeight - upHeight + 1);
    } else {
        AWidth = std::max(AWidth, HorizontalMinWidth);
        FDownButton->SetBounds(0, 0, AWidth / 2, AHeight);
        FUpButton->SetBounds(AWidth / 2 + 1, 0, AWidth / 2, AHeight);
    }
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TEsgSpinButton::SetDirection(TSpinDirection value) {
    if (value == FDirection)
        return;
    FDirection = value;
    if (FDirection == spHorizontal) {
        FUpButton->SetButtonDirection(bdRight);
        FDownButton->SetButtonDirection(bdLeft);
        SetWidth(HorizontalMinWidth);
    } else {
        FUpButton->SetButtonDirection(bdUp);
        FDownButton->SetButtonDirection(bdDown);
        SetWidth(VerticalMinWidth);
    }
    SetBounds(Left(), Top(), Width(), Height());
}

void TEsgSpinButton::SetUpGlyph(const TBitmap* value) {
    if (value) {
        FUpButton->SetGlyph(value);
        return;
    }
    TBitmap glyph;
    LoadSpinGlyph(&glyph, true);
    FUpButton->SetGlyph(&glyph);
    FUpButton->SetNumGlyphs(1);
}

void TEsgSpinButton::SetDownGlyph(const TBitmap* value) {
    if (value) {
        FDownButton->SetGlyph(value);
        return;
    }
    TBitmap glyph;
    LoadSpinGlyph(&glyph, false);
    FDownButton->SetGlyph(&glyph);
    FDownButton->SetNumGlyphs(1);
}

void TEsgSpinButton::SetIsWinXP(bool value) {
    FIsWinXP = value;
    FUpButton->SetIsWinXP(value);
    FDownButton->SetIsWinXP(value);
}

void TEsgSpinButton::WndProc(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTARROWS;
        return;
    }
    TWinControl::WndProc(Message);
}

void TEsgSpinButton::KeyDown(WORD& Key, TShiftState Shift) {
    switch (Key) {
    case VK_SPACE:
        FFocusedButton->Click();
        break;
    case VK_UP:
        SetFocusedButton(FUpButton);
        FUpButton->Click();
        break;
    case VK_DOWN:
        SetFocusedButton(FDownButton);
        FDownButton->Click();
        break;
    default:
        break;
    }
    TWinControl::KeyDown(Key, Shift);
}

void TEsgSpinButton::ArrowClick(TObject* Sender) {
    if (Sender == FUpButton && OnUpClick)
        OnUpClick(this);
    else if (Sender == FDownButton && OnDownClick)
        OnDownClick(this);
}

void TEsgSpinButton::ArrowMouseDown(TObject* Sender, TMouseButton Button) {
    if (Button != mbLeft)
        return;
    auto* arrow = static_cast<TExTimerSpeedButton*>(Sender);
    if (TabStop() && CanFocus())
        SetFocusedButton(arrow);
    PassFocusAfterButtonPress(FFocusControl, this);
}

void TEsgSpinButton::SetFocusedButton(TExTimerSpeedButton* button) {
    if (button == FFocusedButton)
        return;
    MarkFocusedButton(false);
    FFocusedButton = button;
    MarkFocusedButton(Focused());
}

void TEsgSpinButton::MarkFocusedButton(bool focused) {
    TTimeBtnState state = FFocusedButton->TimeBtnState();
    if (focused)
        state << tbFocusRect;
    else
        state >> tbFocusRect;
    FFocusedButton->SetTimeBtnState(state);
}

void TEsgSpinButton::DoEnter() {
    MarkFocusedButton(true);
    TWinControl::DoEnter();
}

void TEsgSpinButton::DoExit() {
    MarkFocusedButton(false);
    TWinControl::DoExit();
}
