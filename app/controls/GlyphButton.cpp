#include "app/controls/GlyphButton.h"

#include "app/controls/GlyphButtonGeometry.h"
#include "app/controls/GlyphPictures.h"
#include "platform/ui/ActnList.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Form.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Timer.h"

#include <array>

namespace {

constexpr unsigned FadeIntervalMs = 30;

struct TStockKind {
    TModalResult Result;
    const char* Resource;
    const char* Caption;
};

// Indexed by TGlyphButtonKind; bkCustom has no stock look.
constexpr std::array<TStockKind, 11> StockKinds = {{
    {mrNone, "", ""},
    {mrOk, "LBOK", "OK"},
    {mrCancel, "LBCANCEL", "Abbrechen"},
    {mrNone, "LBHELP", "Hilfe"},
    {mrYes, "LBYES", "Ja"},
    {mrNo, "LBNO", "Nein"},
    {mrNone, "LBCLOSE",
     "Schlie\xC3\x9F"
     "en"},
    {mrAbort, "LBABORT", "Abbrechen"},
    {mrRetry, "LBRETRY", "Wiederholen"},
    {mrIgnore, "LBIGNORE", "Ignorieren"},
    {mrAll, "LBALL", "Alle"},
}};

struct TColorPreset {
    TColor Face, Light, Shadow, WhenDown, HotTrack;
    TGlyphButtonStyle Style;
    bool Flat;
    TColor FontColor;
};

// Indexed by TGlyphColorStyle; lcsCustom changes nothing.
constexpr std::array<TColorPreset, 11> ColorPresets = {{
    {},
    {0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, bsModern, false, clBlack},
    {0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, bsModern, false, clBlack},
    {0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, bsModern, false, clBlack},
    {0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, bsModern, false, clBlack},
    {clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, bsNormal, true, clBlack},
    {clBtnFace, 0x000000, 0x000000, 0x24DABC, 0x8CF6E4, bsNormal, true, clBlack},
    {0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, bsNormal, true, clBlack},
    {0xECCE94, 0xFCE6D4, 0x000000, clNone, clNone, bsModern, false, clBlack},
    {clBtnFace, 0xFFFFFF, 0x808080, clNone, clNone, bsNormal, false, clBlack},
    {0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, bsQuicken, false, clWhite},
}};

} // namespace

TGlyphButton::TGlyphButton(TComponent* AOwner)
    : TCustomControl(AOwner), FGlyph(std::make_unique<TBitmap>()),
      FHotTrackFont(std::make_unique<TFont>()) {
    SetBounds(0, 0, 100, 23);
    SetTabStop(true);
    SetColor(clBtnFace);
    // The face is painted whole (and transparent styles fill in the parent's colour), and the
    // button does not ask for double clicks.
    SetControlStyle((ControlStyle() >> csDoubleClicks) << csOpaque << csCaptureMouse);
    if (auto* window = dynamic_cast<TWinControl*>(AOwner))
        FHotTrackFont->Assign(*window->Font());
}

TGlyphButton::~TGlyphButton() {
    SetComponentState(csDestroying, true);
    FFadeTimer.reset();
}

void TGlyphButton::StopFade() {
    if (FFadeTimer)
        FFadeTimer->SetEnabled(false);
}

void TGlyphButton::SetAlignment(TAlignment value) {
    FAlignment = value;
    Repaint();
}

void TGlyphButton::SetColorStyle(TGlyphColorStyle value) {
    if (value == lcsCustom)
        return;
    const TColorPreset& p = ColorPresets[static_cast<size_t>(value)];
    FFlat = p.Flat;
    Font()->SetColor(p.FontColor);
    FStyle = p.Style;
    SetColor(p.Face);
    FLightColor = p.Light;
    FShadowColor = p.Shadow;
    FColorWhenDown = p.WhenDown;
    FHotTrackColor = p.HotTrack;
    Repaint();
}

void TGlyphButton::SetColorWhenDown(TColor value) {
    FColorWhenDown = value;
    Invalidate();
}

void TGlyphButton::SetEnabled(bool value) {
    TCustomControl::SetEnabled(value);
    bDown = false;
    if (!value) {
        // Disabled under the pointer, it is no longer hot; enabled again, it waits for the
        // pointer to come back.
        bCursorOnButton = false;
        FHotTrackStep = 0;
        StopFade();
    }
    Repaint();
}

void TGlyphButton::SetFlat(bool value) {
    FFlat = value;
    Repaint();
}

void TGlyphButton::SetGlyph(const TBitmap* value) {
    FGlyph->Assign(value);
    FNumGlyphs = (value && value->Height() > 0) ? value->Width() / value->Height() : 0;
    FKind = bkCustom;
    Invalidate();
}

void TGlyphButton::SetHotTrackColor(TColor value) {
    FHotTrackColor = value;
    Invalidate();
}

void TGlyphButton::SetHotTrackFont(const TFont* value) {
    if (value)
        FHotTrackFont->Assign(*value);
}

void TGlyphButton::SetKind(TGlyphButtonKind value) {
    if (value != bkCustom) {
        const TStockKind& stock = StockKinds[static_cast<size_t>(value)];
        FNumGlyphs = 2;
        FModalResult = stock.Result;
        Load_Stock_Glyph(*FGlyph, stock.Resource);
        SetText(stock.Caption);
    }
    FKind = value;
    Invalidate();
}

void TGlyphButton::SetLayout(TGlyphButtonLayout value) {
    FLayout = value;
    Repaint();
}

void TGlyphButton::SetLightColor(TColor value) {
    FLightColor = value;
    Repaint();
}

void TGlyphButton::SetModalResult(TModalResult value) {
    FModalResult = value;
    FKind = bkCustom;
}

void TGlyphButton::SetNumGlyphs(int value) {
    FNumGlyphs = value < 0 ? 0 : value;
    Invalidate();
}

void TGlyphButton::SetShadowColor(TColor value) {
    FShadowColor = value;
    Repaint();
}

void TGlyphButton::SetSlowDecease(bool value) {
    FSlowDecease = value;
    if (value) {
        if (!FFadeTimer) {
            FFadeTimer = std::make_unique<TTimer>(nullptr);
            FFadeTimer->SetEnabled(false);
            FFadeTimer->SetInterval(FadeIntervalMs);
            FFadeTimer->SetOnTimer([this](TObject*) { FadeStep(); });
        }
    } else {
        FHotTrackStep = 0;
        FFadeTimer.reset();
    }
    Invalidate();
}

void TGlyphButton::SetStyle(TGlyphButtonStyle value) {
    FStyle = value;
    FTransparentWindow = IsTransparentStyle(value);
    Invalidate();
}

void TGlyphButton::SetUseHotTrackFont(bool value) {
    FUseHotTrackFont = value;
    Invalidate();
}

void TGlyphButton::SetWordWrap(bool value) {
    FWordWrap = value;
    Repaint();
}

bool TGlyphButton::ParentShowing() const {
    return Parent() && Parent()->Showing();
}

bool TGlyphButton::Hot() const {
    return Enabled() && (bCursorOnButton || Focused());
}

bool TGlyphButton::EnabledWithParents() const {
    if (!Enabled())
        return false;
    for (const TWinControl* parent = Parent(); parent; parent = parent->Parent())
        if (!parent->Enabled())
            return false;
    return true;
}

void TGlyphButton::Click() {
    // Clicked or not, the button is released: a hidden one would otherwise show up held down
    // later.
    bDown = false;
    if (!Visible() || !Enabled())
        return;
    // OnClick fires here: the control's own click would fire it a second time, so only its other
    // half, running the linked action, is left to do.
    const bool ownClick = static_cast<bool>(OnClick);
    if (OnClick)
        OnClick(this);
    if (FModalResult != mrNone) {
        if (TForm* form = GetParentForm(this))
            form->SetModalResult(FModalResult);
    }
    if (TPopupMenu* menu = PopupMenu()) {
        menu->SetPopupComponent(this);
        const TPoint corner = ClientToScreen({0, Height()});
        menu->Popup(corner.X, corner.Y);
    }
    if (!ownClick)
        ExecuteLinkedAction();
}

void TGlyphButton::ActionChange(TObject* Sender, bool CheckDefaults) {
    TCustomControl::ActionChange(Sender, CheckDefaults);
    if (auto* action = dynamic_cast<TCustomAction*>(Sender); action && FGlyph->Empty())
        TakeActionImage(*action);
}

void TGlyphButton::TakeActionImage(const TCustomAction& action) {
    TActionList* list = action.ActionList();
    TImageList* images = list ? list->Images() : nullptr;
    if (!images || action.ImageIndex() < 0 || action.ImageIndex() >= images->Count())
        return;
    FGlyph->SetSize(images->Width(), images->Height());
    TCanvas* canvas = FGlyph->Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Glyph_Transparent_Color);
    canvas->FillRect(Rect(0, 0, images->Width(), images->Height()));
    images->Draw(canvas, 0, 0, action.ImageIndex());
    // The fill is what shows through, even where the picture covers the bottom-left pixel.
    FGlyph->SetTransparentColor(Glyph_Transparent_Color);
    FNumGlyphs = 1;
    Repaint();
}

void TGlyphButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled())
        return;
    bDown = true;
    if (CanFocus())
        SetFocus();
    Repaint();
}

void TGlyphButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    // Released anywhere, even off the button, a press still clicks.
    if (bDown)
        Click();
    bDown = false;
    Repaint();
}

void TGlyphButton::MouseEnter() {
    // The control's own handling would fire OnMouseEnter for a disabled button too, and the
    // pointer reaches buttons of a window that takes no input (while a started program runs).
    if (!EnabledWithParents() || !Visible() || !ParentShowing())
        return;
    bCursorOnButton = true;
    // Back on the button, it stays fully hot until the pointer leaves again.
    StopFade();
    FHotTrackStep = HotTrackSteps;
    Repaint();
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TGlyphButton::MouseLeave() {
    TCustomControl::MouseLeave();
    bCursorOnButton = false;
    if (FFadeTimer && FHotTrackStep > 0) {
        FFadeTimer->SetEnabled(true);
    } else {
        FHotTrackStep = 0;
        Repaint();
    }
    if (Enabled() && Visible() && ParentShowing() && OnMouseExit)
        OnMouseExit(this);
}

void TGlyphButton::FadeStep() {
    if (ComponentState().Contains(csDestroying))
        return;
    --FHotTrackStep;
    if (FHotTrackStep <= 0) {
        StopFade();
        FHotTrackStep = 0;
    }
    Repaint();
}

void TGlyphButton::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Enabled() && (Key == VK_RETURN || Key == VK_SPACE)) {
        bDown = true;
        Repaint();
    }
}

void TGlyphButton::KeyUp(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyUp(Key, Shift);
    // Only a press that went down on this button clicks: the release of the Enter that closed a
    // modal dialog lands on the button that gets the focus back and must not click it again.
    if ((Key == VK_RETURN || Key == VK_SPACE) && bDown)
        Click();
    Repaint();
}

void TGlyphButton::DoEnter() {
    TCustomControl::DoEnter();
    Repaint();
}

void TGlyphButton::DoExit() {
    TCustomControl::DoExit();
    Repaint();
}

bool TGlyphButton::HandleDialogChar(TMessage& Message) {
    const char16_t accelerator = CaptionAccelerator(Text());
    char16_t typed = static_cast<char16_t>(Message.WParam);
    if (typed >= u'a' && typed <= u'z')
        typed = static_cast<char16_t>(typed - u'a' + u'A');
    if (accelerator == 0 || typed != accelerator || !Visible() || !Enabled() || !ParentShowing())
        return false;
    Click();
    Message.Result = 1;
    return true;
}

bool TGlyphButton::HandleDialogKey(TMessage& Message) {
    const WORD key = static_cast<WORD>(Message.WParam);
    const bool shiftHeld = !KeyDataToShiftState(Message.LParam).Empty();
    const bool taken = (key == VK_RETURN && FDefault) ||
                       (key == VK_ESCAPE && !shiftHeld && FCancel && Visible() && Enabled());
    if (!taken)
        return false;
    // The focused control may handle the key itself (a focused push button clicks on Enter).
    if (TForm* form = GetParentForm(this)) {
        TWinControl* active = form->ActiveControl();
        if (active && active->Perform(CM_WANTSPECIALKEY, key) != 0)
            return false;
    }
    Click();
    Message.Result = 1;
    return true;
}

void TGlyphButton::WndProc(TMessage& Message) {
    // Focused, the button clicks on Enter itself (on key up) instead of the window's default
    // button.
    if (Message.Msg == CM_WANTSPECIALKEY && Message.WParam == VK_RETURN) {
        Message.Result = 1;
        return;
    }
    if (Message.Msg == CM_DIALOGKEY && HandleDialogKey(Message))
        return;
    if (Message.Msg == CM_DIALOGCHAR && HandleDialogChar(Message))
        return;
    TCustomControl::WndProc(Message);
}
