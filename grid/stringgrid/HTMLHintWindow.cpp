#include "grid/stringgrid/HTMLHintWindow.h"

#include "grid/foundation/ExUtil.h"
#include "grid/stringgrid/DropDownUtil.h"
#include "platform/core/CodePage.h"
#include "platform/ui/Canvas.h"

namespace {
constexpr int AvailableWidth = 1008;
constexpr int WideMargin = 8;
constexpr int HTMLMargin = 16;
constexpr int TextInset = 4;
} // namespace

THTMLHintWindow::THTMLHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}

void THTMLHintWindow::TakeData(TObject* AData) {
    if (const auto* data = dynamic_cast<const THTMLHintData*>(AData)) {
        Images = data->Images;
        PictureContainer = data->PictureContainer;
        FontName = data->FontName;
    }
}

void THTMLHintWindow::ActivateHintData(TRect R, const std::string& AHint, TObject* AData) {
    TakeData(AData);
    ActivateHint(R, AHint);
}

TRect THTMLHintWindow::CalcHintRect(int MaxWidth, const std::string& AHint, TObject* AData) {
    TakeData(AData);
    const TSize size = Measure(AHint, MaxWidth > 0 ? MaxWidth : AvailableWidth);
    return Rect(0, 0, size.cx, size.cy);
}

void THTMLHintWindow::ActivateHint(TRect R, const std::string& AHint) {
    SetCaption(AHint);
    const TSize size = Measure(AHint, AvailableWidth);
    ShowAt(KeepOnMonitor(Bounds(R.Left, R.Top, size.cx, size.cy), 2));
}

TSize THTMLHintWindow::Measure(const std::string& AHint, int MaxWidth) {
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(*Font());
    FPackedWide = GetTextKind(AHint, true) == tkPackedWide;
    int margin = HTMLMargin;
    if (FPackedWide) {
        if (!FontName.empty())
            canvas->Font()->SetName(FontName);
        FUnpacked = Utf16ToUtf8(UnpackWideText(AHint));
        TRect r = Rect(0, 0, MaxWidth, 0);
        canvas->DrawText(FUnpacked, r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        FTextWidth = r.Width();
        FTextHeight = r.Height();
        margin = WideMargin;
    } else {
        FUnpacked.clear();
        const TSize size = RenderHTMLText(canvas, AHint, Rect(0, 0, MaxWidth, 4096), Images,
                                          PictureContainer, false, this);
        FTextWidth = size.cx;
        FTextHeight = size.cy;
    }
    return {FTextWidth + margin, FTextHeight + 4};
}

void THTMLHintWindow::Paint() {
    TCanvas* canvas = Canvas();
    const TRect client = ClientRect();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(client);
    // A raised frame: light at the left (down to the second-last row) and top, dark at the
    // bottom and right. Lines run down and right, each leaving out its end point.
    canvas->Pen()->SetWidth(1);
    canvas->Pen()->SetColor(cl3DLight);
    canvas->MoveTo(client.Left, client.Top);
    canvas->LineTo(client.Left, client.Bottom - 1);
    canvas->MoveTo(client.Left, client.Top);
    canvas->LineTo(client.Right - 1, client.Top);
    canvas->Pen()->SetColor(cl3DDkShadow);
    canvas->MoveTo(client.Right - 1, client.Top);
    canvas->LineTo(client.Right - 1, client.Bottom - 1);
    canvas->MoveTo(client.Left, client.Bottom - 1);
    canvas->LineTo(client.Right, client.Bottom - 1);

    TRect text = client;
    text.Left += TextInset;
    text.Right -= TextInset;
    text.Top = (client.Height() - FTextHeight) / 2;
    text.Bottom = text.Top + FTextHeight;
    canvas->Font()->Assign(*Font());
    canvas->Brush()->SetStyle(bsClear);
    if (FPackedWide) {
        if (!FontName.empty())
            canvas->Font()->SetName(FontName);
        canvas->DrawText(FUnpacked, text, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    } else {
        RenderHTMLText(canvas, Caption(), text, Images, PictureContainer, true, this);
    }
}
