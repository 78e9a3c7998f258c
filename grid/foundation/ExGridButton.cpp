#include "grid/foundation/ExGridButton.h"

#include "grid/foundation/ExStyleIF.h"
#include "grid/foundation/VisualStyleTable.h"
#include "platform/core/CodePage.h"
#include "platform/ui/ActnList.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Menus.h"

#include <cctype>

namespace {

// Sent to the parent's controls when a grouped button goes down or its group settings change:
// WParam the group index, LParam the sender.
constexpr UINT CM_GROUPNOTIFY = CM_BUTTONPRESSED;
constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 36;
constexpr UINT CM_SYSFONTCHANGED = CM_BASE + 53;

struct TLook {
    TColor Color, ColorTo, ColorHot, ColorHotTo, ColorDown, ColorDownTo, ColorChecked,
        ColorCheckedTo, BorderDownColor, BorderHotColor;
};

constexpr TLook Looks[TExGridButton::LookCount] = {
    {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, clNone, 0xAF987A,
     0xC3CECE},
    {clBtnFace, clNone, 0xEED2C1, clNone, 0xE2B598, clNone, 0xE8E6E1, clNone, 0xC56A31, 0xC56A31},
    {0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000,
     0x000000},
    {0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000,
     0x000000},
    {0xECE2E1, 0xB39698, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000,
     0x000000},
    {clBtnFace, clNone, clBtnFace, clNone, 0xD8D3D2, clNone, 0xCAC7C7, clNone, clNone, clNone},
    {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, 0x808080,
     0x808080},
};

// The grey of a disabled glyph pixel: the channels' mean, halved, lifted by 96.
TColor DisabledGrey(TColor color) {
    int r = color & 0xFF;
    int g = (color >> 8) & 0xFF;
    int b = (color >> 16) & 0xFF;
    int grey = (r + g + b) / 3 / 2 + 96;
    return static_cast<TColor>(grey | (grey << 8) | (grey << 16));
}

// Whether the caption marks ch as its accelerator ("&x"; "&&" is a plain '&').
bool IsAccelerator(TChar ch, const std::string& caption) {
    std::u16string text = Utf8ToUtf16(caption);
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        auto fold = [](char16_t c) { return c < 128 ? static_cast<char16_t>(std::toupper(c)) : c; };
        return fold(text[i + 1]) == fold(ch);
    }
    return false;
}

} // namespace

TExGridButton::TExGridButton(TComponent* AOwner)
    : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>()),
      FGlyphHot(std::make_unique<TBitmap>()), FGlyphDown(std::make_unique<TBitmap>()),
      FGlyphDisabled(std::make_unique<TBitmap>()), FGlyphShade(std::make_unique<TBitmap>()) {
    // Clicks are decided by this button's own press and release rules.
    TControlStyle style = ControlStyle();
    style >> csClickEvents;
    style << csCaptureMouse << csDoubleClicks;
    SetControlStyle(style);
    SetBounds(0, 0, 22, 23);
    SetParentFont(true);
    SetColor(clBtnFace);
    FIsComCtl6 = IsComCtl6();
}

TExGridButton::~TExGridButton() = default;

template <typename T> void TExGridButton::Store(T& field, const T& value) {
    if (field == value)
        return;
    field = value;
    Invalidate();
}

void TExGridButton::SetBorderColor(TColor value) {
    Store(FBorderColor, value);
}
void TExGridButton::SetColorTo(TColor value) {
    Store(FColorTo, value);
}
void TExGridButton::SetColorChecked(TColor value) {
    Store(FColorChecked, value);
}
void TExGridButton::SetColorCheckedTo(TColor value) {
    Store(FColorCheckedTo, value);
}
void TExGridButton::SetDropDownButton(bool value) {
    Store(FDropDownButton, value);
}
void TExGridButton::SetFlat(bool value) {
    Store(FFlat, value);
}
void TExGridButton::SetLayout(TExGridButtonLayout value) {
    Store(FLayout, value);
}
void TExGridButton::SetRounded(bool value) {
    Store(FRounded, value);
}
void TExGridButton::SetShowCaption(bool value) {
    Store(FShowCaption, value);
}
void TExGridButton::SetSpacing(int value) {
    Store(FSpacing, value);
}
void TExGridButton::SetStyle(TExGridButtonStyle value) {
    Store(FStyle, value);
}
void TExGridButton::SetRightToLeft(bool value) {
    Store(FRightToLeft, value);
}

void TExGridButton::SetMargin(int value) {
    if (value >= -1)
        Store(FMargin, value);
}

void TExGridButton::SetGlyph(const TBitmap* value) {
    FGlyph->Assign(value);
    if (FGlyphDisabled->Empty() && !FGlyph->Empty()) {
        FGlyphDisabled->Assign(FGlyph.get());
        for (int y = 0; y < FGlyph->Height(); ++y)
            for (int x = 0; x < FGlyph->Width(); ++x)
                FGlyphDisabled->Canvas()->SetPixel(x, y, DisabledGrey(FGlyph->Pixel(x, y)));
    }
    if (FShaded)
        BuildShade();
    Invalidate();
}

void TExGridButton::SetGlyphHot(const TBitmap* value) {
    FGlyphHot->Assign(value);
}
void TExGridButton::SetGlyphDown(const TBitmap* value) {
    FGlyphDown->Assign(value);
}
void TExGridButton::SetGlyphDisabled(const TBitmap* value) {
    FGlyphDisabled->Assign(value);
}

void TExGridButton::SetShaded(bool value) {
    FShaded = value;
    if (FShaded && !ComponentState().Contains(csLoading))
        BuildShade();
}

void TExGridButton::BuildShade() {
    if (FGlyph->Empty()) {
        FGlyphShade->Assign(nullptr);
        return;
    }
    const int w = FGlyph->Width();
    const int h = FGlyph->Height();
    const TColor background = FGlyph->Pixel(0, h - 1);
    FGlyphShade->SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            FGlyphShade->Canvas()->SetPixel(
                x, y, FGlyph->Pixel(x, y) == background ? background : TColor{0x808080});
}

void TExGridButton::SetAllowAllUp(bool value) {
    if (value == FAllowAllUp)
        return;
    FAllowAllUp = value;
    SendGroupNotification();
}

void TExGridButton::SetGroupIndex(int value) {
    if (value == FGroupIndex)
        return;
    FGroupIndex = value;
    SendGroupNotification();
}

void TExGridButton::SetDown(bool value) {
    if (FGroupIndex == 0 && FStyle != tasCheck)
        value = false;
    if (FStyle == tasCheck) {
        FDown = value;
        Repaint();
        return;
    }
    if (value == FDown || (FDown && !FAllowAllUp))
        return;
    FDown = value;
    if (value) {
        if (FState == dsUp)
            Invalidate();
        FState = dsExclusive;
    } else {
        FState = dsUp;
        Repaint();
    }
    if (value)
        SendGroupNotification();
}

void TExGridButton::SendGroupNotification() {
    TWinControl* parent = Parent();
    if (!parent)
        return;
    TMessage message{CM_GROUPNOTIFY, static_cast<WPARAM>(FGroupIndex),
                     reinterpret_cast<LPARAM>(this), 0};
    for (int i = 0; i < parent->ControlCount(); ++i)
        parent->Controls(i)->WndProc(message);
}

void TExGridButton::GroupNotified(int groupIndex, TExGridButton* sender) {
    if (sender == this || groupIndex != FGroupIndex || groupIndex == 0)
        return;
    if (sender->Down() && FDown) {
        FDown = false;
        FState = dsUp;
        if (auto* action = dynamic_cast<TCustomAction*>(Action()))
            action->SetChecked(false);
        Invalidate();
    }
    FAllowAllUp = sender->AllowAllUp();
}

void TExGridButton::SetLook(int value) {
    if (value < 0 || value >= LookCount)
        return;
    const TLook& look = Looks[value];
    SetColor(look.Color);
    FColorTo = look.ColorTo;
    ColorHot = look.ColorHot;
    ColorHotTo = look.ColorHotTo;
    ColorDown = look.ColorDown;
    ColorDownTo = look.ColorDownTo;
    FColorChecked = look.ColorChecked;
    FColorCheckedTo = look.ColorCheckedTo;
    BorderDownColor = look.BorderDownColor;
    BorderHotColor = look.BorderHotColor;
    FBorderColor = clNone;
    FFlat = true;
    FRounded = value == 0;
    Invalidate();
}

void TExGridButton::ThemeAdapt() {
    int look = 1;
    if (IsWinXPOrLater() && ExXPVS().IsThemeActive()) {
        switch (GetXPColorScheme()) {
        case 1:
            look = 2;
            break;
        case 2:
            look = 3;
            break;
        case 3:
            look = 4;
            break;
        default:
            break;
        }
    }
    SetLook(look);
}

void TExGridButton::SetAutoThemeAdapt(bool value) {
    FAutoThemeAdapt = value;
    if (value)
        ThemeAdapt();
}

void TExGridButton::Loaded() {
    if (FShaded)
        BuildShade();
    if (FAutoThemeAdapt)
        ThemeAdapt();
}

void TExGridButton::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_THEMECHANGED:
    case CM_SYSFONTCHANGED:
        if (FAutoThemeAdapt)
            ThemeAdapt();
        TGraphicControl::WndProc(Message);
        break;
    case CM_GROUPNOTIFY:
        if (auto* sender = reinterpret_cast<TExGridButton*>(Message.LParam))
            GroupNotified(static_cast<int>(Message.WParam), sender);
        break;
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
    case CM_SYSCOLORCHANGE:
        TGraphicControl::WndProc(Message);
        Invalidate();
        break;
    case CM_ENABLEDCHANGED:
        TGraphicControl::WndProc(Message);
        UpdateHover(FMouseInControl && Enabled());
        Repaint();
        break;
    case CM_DIALOGCHAR:
        if (HandleAccelerator(static_cast<TChar>(Message.WParam)))
            Message.Result = 1;
        else
            TGraphicControl::WndProc(Message);
        break;
    case WM_LBUTTONDBLCLK:
        TGraphicControl::WndProc(Message);
        if (FDown && OnDblClick)
            OnDblClick(this);
        break;
    default:
        TGraphicControl::WndProc(Message);
        break;
    }
}

bool TExGridButton::HandleAccelerator(TChar ch) {
    if (!Enabled() || !Visible() || !Parent() || !Parent()->Showing() ||
        !IsAccelerator(ch, Caption()))
        return false;
    Click();
    return true;
}

bool TExGridButton::Inside(int X, int Y) const {
    return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
}

// The pointer's place is known from the last mouse message, not asked of the desktop.
void TExGridButton::UpdateHover(bool pointerInside) {
    if (!FFlat || !Enabled()) {
        if (FMouseInControl && !Enabled()) {
            FMouseInControl = false;
            Invalidate();
        }
        return;
    }
    if (pointerInside && !FMouseInControl)
        MouseEnter();
    else if (!pointerInside && FMouseInControl)
        MouseLeave();
}

void TExGridButton::MouseEnter() {
    if (!FMouseInControl && Enabled() && !FDragging) {
        FMouseInControl = true;
        Repaint();
    }
    TGraphicControl::MouseEnter();
}

void TExGridButton::MouseLeave() {
    if (FMouseInControl && Enabled() && !FDragging) {
        FMouseInControl = false;
        Invalidate();
    }
    TGraphicControl::MouseLeave();
}

void TExGridButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled())
        return;
    if (FDropDownButton && X > ClientWidth() - DropDownWidth) {
        FState = dsUp;
        if (OnDropDown)
            OnDropDown(this);
        if (FDropDownMenu) {
            TPoint corner = ClientToScreen({0, Height()});
            FDropDownMenu->SetPopupComponent(this);
            FDropDownMenu->Popup(corner.X, corner.Y);
        }
        return;
    }
    if (!FDown) {
        FState = dsPressed;
        Invalidate();
    }
    if (FStyle == tasCheck) {
        FState = dsPressed;
        Repaint();
    }
    FDragging = true;
}

void TExGridButton::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging) {
        if (!FMouseInControl)
            UpdateHover(Inside(X, Y));
        return;
    }
    TDrawState state = FDown ? dsExclusive : dsUp;
    if (Inside(X, Y))
        state = FDown ? dsExclusive : dsPressed;
    if (FStyle == tasCheck && FDown)
        state = dsPressed;
    if (state != FState) {
        FState = state;
        Invalidate();
    }
}

void TExGridButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || !FDragging)
        return;
    FDragging = false;
    const bool inside = Inside(X, Y);
    if (FGroupIndex == 0) {
        FState = dsUp;
        if (FStyle == tasCheck && inside) {
            FDown = !FDown;
            FState = dsUp;
        }
        if (inside)
            Invalidate();
    } else if (inside) {
        bool wasDown = FDown;
        SetDown(!FDown);
        if (!wasDown && FDown)
            Repaint();
    } else if (FDown) {
        FState = dsExclusive;
        Repaint();
    } else {
        FState = dsUp;
        Invalidate();
    }
    if (inside)
        Click();
    UpdateHover(inside);
}
