// The caption label beside a drop-down edit, its own border and the focused value of an edit
// that is not typed into.
#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/ExCustomDropDown.h"
#include "grid/dropdown/ExDropDownSpeedButton.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Label.h"

namespace {

// The label's top-left corner for the edit's bounds.
TPoint PlaceLabel(TLabelPosition Position, const TRect& Edit, int TextWidth, TSize Label,
                  int Margin) {
    if (Position == lpTopRight)
        return {Edit.Right - Label.cx, Edit.Top - Label.cy - Margin};
    if (Position == lpBottomRight)
        return {Edit.Right - Label.cx, Edit.Bottom + Margin};
    return LabelPlace(Position, Edit, TextWidth, Label, Margin);
}

} // namespace

std::string TExCustomDropDown::LabelCaption() const {
    return FLabel ? FLabel->Caption() : std::string();
}

void TExCustomDropDown::SetLabelCaption(const std::string& Value) {
    if (!FLabel)
        CreateLabel();
    FLabel->SetCaption(Value);
    UpdateLabelPosition();
}

void TExCustomDropDown::SetLabelFont(const TFont* Value) {
    if (!ParentFont())
        FLabelFont->Assign(*Value);
    UpdateLabelPosition();
}

void TExCustomDropDown::SetLabelMargin(int Value) {
    FLabelMargin = Value;
    UpdateLabelPosition();
}

void TExCustomDropDown::SetLabelPosition(TLabelPosition Value) {
    FLabelPosition = Value;
    UpdateLabelPosition();
}

void TExCustomDropDown::SetLabelTransparent(bool Value) {
    FLabelTransparent = Value;
    UpdateLabelPosition();
}

void TExCustomDropDown::DoLabelClick() {
    if (OnLabelClick)
        OnLabelClick(this);
}

void TExCustomDropDown::DoLabelDblClick() {
    if (OnLabelDblClick)
        OnLabelDblClick(this);
}

void TExCustomDropDown::CreateLabel() {
    FLabel = new TLabel(this);
    FLabel->SetParent(Parent());
    FLabel->SetFont(FLabelFont.get());
    FLabel->SetParentFont(ParentFont());
    FLabel->OnClick = [this](TObject*) { DoLabelClick(); };
    FLabel->OnDblClick = [this](TObject*) { DoLabelDblClick(); };
}

void TExCustomDropDown::UpdateLabelPosition() {
    if (!FLabel)
        return;
    if (FLabel->Parent() != Parent())
        FLabel->SetParent(Parent());
    FLabel->SetTransparent(FLabelTransparent);
    FLabel->SetFont(ParentFont() ? Font() : FLabelFont.get());
    TCanvas measure;
    measure.Font()->Assign(*FLabel->Font());
    const int textWidth = measure.TextWidth(FLabel->Caption());
    const TPoint place = PlaceLabel(FLabelPosition, BoundsRect(), textWidth,
                                    {FLabel->Width(), FLabel->Height()}, FLabelMargin);
    FLabel->SetBounds(place.X, place.Y, FLabel->Width(), FLabel->Height());
    FLabel->SetVisible(Visible());
}

bool TExCustomDropDown::IsHot() const {
    return FMouseInControl || Focused();
}

void TExCustomDropDown::PaintOver() {
    PaintEditContent();
    PaintBorder();
}

void TExCustomDropDown::PaintBorder() {
    const bool colours = FBorderColor != clNone || FFocusBorderColor != clNone;
    if (Enabled() && !FFlat && !colours)
        return;
    TCanvas* canvas = Canvas();
    const TRect r = ClientRect();
    auto frame = [&](const TRect& rect, TColor color) {
        canvas->Brush()->SetColor(color);
        canvas->FrameRect(rect);
    };
    const bool focused = Focused();
    if (!Enabled() && FDisabledBorder) {
        frame(r, clSilver);
    } else if (FBorderColor != clNone) {
        frame(r, focused && FFocusBorderColor != clNone ? FFocusBorderColor : FBorderColor);
    } else if (FFocusBorderColor != clNone) {
        if (focused)
            frame(r, FFocusBorderColor);
    } else if (FFlat && IsHot()) {
        canvas->Pen()->SetColor(clBtnShadow);
        canvas->Polyline({{0, r.Bottom - 1}, {0, 0}, {r.Right - 1, 0}});
        canvas->Pen()->SetColor(clBtnHighlight);
        canvas->Polyline({{r.Right - 1, 0}, {r.Right - 1, r.Bottom - 1}, {0, r.Bottom - 1}});
        frame(Rect(1, 1, r.Right - 1, r.Bottom - 1), clBtnFace);
    } else if (FFlat) {
        const TColor parent = Parent() ? Parent()->Color() : clBtnFace;
        frame(r, parent);
        frame(Rect(1, 1, r.Right - 1, r.Bottom - 1), parent);
    }
    if (FButton)
        FButton->Button()->SetFocused(IsHot());
}

void TExCustomDropDown::PaintEditContent() {
    if (FEditorEnabled || !Focused() || !FFocusDraw)
        return;
    TCanvas* canvas = Canvas();
    TRect r = Rect(2, 2, Width() - FButtonWidth - 1, Height() - 2);
    canvas->Pen()->SetColor(clBlack);
    canvas->Brush()->SetColor(clHighlight);
    canvas->Rectangle(r);
    r = Rect(r.Left + 2, r.Top, r.Right - 3, r.Bottom);
    canvas->Font()->Assign(*Font());
    canvas->Font()->SetColor(clHighlightText);
    canvas->Brush()->SetStyle(bsClear);
    canvas->DrawText(Text(), r, DT_SINGLELINE | DT_VCENTER);
    canvas->Brush()->SetStyle(bsSolid);
}
