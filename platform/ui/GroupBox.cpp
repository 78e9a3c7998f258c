#include "platform/ui/GroupBox.h"

#include "platform/ui/Canvas.h"

TGroupBox::TGroupBox(TComponent* AOwner) : TCustomControl(AOwner) {
    SetControlStyle(ControlStyle() << csAcceptsControls);
    SetBounds(0, 0, 185, 105);
}

void TGroupBox::WndProc(TMessage& Message) {
    TCustomControl::WndProc(Message);
    if (Message.Msg == CM_FONTCHANGED)
        Realign();
}

int TGroupBox::CaptionHeight() const {
    Canvas()->Font()->Assign(*Font());
    return Canvas()->TextHeight("0");
}

void TGroupBox::AlignControls(TControl* control, TRect& rect) {
    rect.Top += CaptionHeight();
    InflateRect(rect, -2, -2);
    TCustomControl::AlignControls(control, rect);
}

void TGroupBox::Paint() {
    TCanvas* canvas = Canvas();
    const int textHeight = CaptionHeight();
    // An etched frame: a light line offset by one under a shadow line.
    TRect frame = Rect(1, textHeight / 2, Width(), Height());
    canvas->Brush()->SetColor(clBtnHighlight);
    canvas->FrameRect(frame);
    OffsetRect(frame, -1, -1);
    canvas->Brush()->SetColor(clBtnShadow);
    canvas->FrameRect(frame);
    const std::string caption = Caption();
    if (caption.empty())
        return;
    TRect textRect = Rect(8, 0, 8, textHeight);
    canvas->DrawText(caption, textRect, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(textRect);
    canvas->Brush()->SetStyle(bsClear);
    canvas->DrawText(caption, textRect, DT_LEFT | DT_SINGLELINE);
}
