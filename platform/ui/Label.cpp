#include "platform/ui/Label.h"

#include "platform/ui/Canvas.h"

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetParentColor(true);
    SetBounds(0, 0, 65, 17);
    AdjustBounds();
}

void TLabel::SetAutoSize(bool value) {
    FAutoSize = value;
    AdjustBounds();
}

void TLabel::SetWordWrap(bool value) {
    FWordWrap = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetAlignment(TAlignment value) {
    FAlignment = value;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout value) {
    FLayout = value;
    Invalidate();
}

void TLabel::SetTransparent(bool value) {
    FTransparent = value;
    Invalidate();
}

void TLabel::SetShowAccelChar(bool value) {
    FShowAccelChar = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetText(const std::string& value) {
    TGraphicControl::SetText(value);
    AdjustBounds();
    Invalidate();
}

void TLabel::WndProc(TMessage& Message) {
    TGraphicControl::WndProc(Message);
    if (Message.Msg == CM_FONTCHANGED) {
        AdjustBounds();
        Invalidate();
    }
}

unsigned TLabel::TextFlags() const {
    unsigned flags = DT_EXPANDTABS;
    if (FWordWrap)
        flags |= DT_WORDBREAK;
    if (FAlignment == taCenter)
        flags |= DT_CENTER;
    else if (FAlignment == taRightJustify)
        flags |= DT_RIGHT;
    return flags;
}

void TLabel::DoDrawText(TRect& r, unsigned flags) {
    std::string text = Caption();
    // An empty label keeps the height of one line.
    if ((flags & DT_CALCRECT) != 0 && (text.empty() || (FShowAccelChar && text == "&")))
        text += ' ';
    if (!FShowAccelChar)
        flags |= DT_NOPREFIX;
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(*Font());
    if (!Enabled() && (flags & DT_CALCRECT) == 0) {
        // The framework's engraved look of a disabled text.
        OffsetRect(r, 1, 1);
        canvas->Font()->SetColor(clBtnHighlight);
        canvas->DrawText(text, r, flags);
        OffsetRect(r, -1, -1);
        canvas->Font()->SetColor(clBtnShadow);
    }
    canvas->DrawText(text, r, flags);
}

void TLabel::Paint() {
    TCanvas* canvas = Canvas();
    if (!FTransparent) {
        canvas->Brush()->SetColor(Color());
        canvas->Brush()->SetStyle(bsSolid);
        canvas->FillRect(ClientRect());
    }
    canvas->Brush()->SetStyle(bsClear);
    TRect r = ClientRect();
    const unsigned flags = TextFlags();
    if (FLayout != tlTop) {
        TRect measured = r;
        DoDrawText(measured, flags | DT_CALCRECT);
        const int free = Height() - measured.Bottom;
        OffsetRect(r, 0, FLayout == tlBottom ? free : free / 2);
    }
    DoDrawText(r, flags);
}

void TLabel::AdjustBounds() {
    if (!FAutoSize || ComponentState().Contains(csLoading))
        return;
    TRect r = ClientRect();
    DoDrawText(r, DT_EXPANDTABS | DT_CALCRECT | (FWordWrap ? DT_WORDBREAK : 0));
    int left = Left();
    if (FAlignment == taRightJustify)
        left += Width() - r.Right;
    SetBounds(left, Top(), r.Right, r.Bottom);
}
