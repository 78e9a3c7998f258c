#include "grid/dropdown/DropDownBar.h"

#include "grid/dropdown/DropDownBarHost.h"
#include "grid/dropdown/FlatButton.h"
#include "grid/stringgrid/ButtonCollection.h"
#include "grid/stringgrid/DropDownStripAppearance.h"
#include "grid/stringgrid/DropDownUtil.h"
#include "grid/stringgrid/HeaderButton.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ImgList.h"

#include <algorithm>

TDropDownBar::TDropDownBar(TComponent* AOwner) : TCustomControl(AOwner) {
    SetDoubleBuffered(true);
}

TDropDownBar::~TDropDownBar() = default;

TExButton* TDropDownBar::Button(int Index) const {
    return static_cast<TExButton*>(FButtonList.GetItemsEx(Index));
}

void TDropDownBar::SetExDropDown(TDropDownBarHost* DropDown) {
    FExDropDown = DropDown;
    if (!DropDown) {
        FImages = nullptr;
        return;
    }
    FImages = DropDown->Images();
    CopyAppearanceFrom(*DropDown);
}

void TDropDownBar::BuildButtons() {
    if (FExDropDown)
        CreateButtons();
}

void TDropDownBar::ClearButtons() {
    for (int i = FButtonList.Count() - 1; i >= 0; --i)
        delete Button(i);
    FButtonList.Clear();
}

void TDropDownBar::CreateButtons() {
    if (!FExDropDown || !Buttons())
        return;
    ClearButtons();
    const int maxHeight = GetButtonArea().Height();
    for (int i = 0; i < Buttons()->Count(); ++i) {
        const THeaderButton& item = *ButtonItem(i);
        auto* button = new TExButton(this);
        button->SetParent(this);
        button->SetAppearance(FExDropDown->ButtonAppearance());
        button->SetCaption(item.Caption());
        button->SetImages(FImages);
        button->SetImageIndex(item.ImageIndex());
        button->SetEnabled(item.Enabled());
        PrepareButton(button, item);
        button->SizeToContent();
        if (item.Width() > 0)
            button->SetWidth(item.Width());
        if (item.Height() > 0)
            button->SetHeight(item.Height());
        // A button never reaches beyond the bar's button area.
        if (button->Height() > maxHeight)
            button->SetHeight(maxHeight);
        button->SetTag(i);
        button->OnClick = [this](TObject* Sender) { ButtonClick(Sender); };
        FButtonList.Add(button);
    }
    ArrangeButtons();
}

void TDropDownBar::ArrangeButtons() {
    if (FButtonList.Count() == 0)
        return;
    const TRect area = GetButtonArea();
    const bool fromRight = StripAppearance().ButtonAlignment() == baRight;
    int edge = fromRight ? area.Right : area.Left;
    for (int i = 0; i < FButtonList.Count(); ++i) {
        TExButton* button = Button(i);
        const int top = std::max(area.Top, (area.Bottom - button->Height()) / 2);
        const int left = fromRight ? edge - button->Width() : edge;
        button->SetBounds(left, top, button->Width(), button->Height());
        edge = fromRight ? left : left + button->Width();
    }
}

void TDropDownBar::RefreshButtons() {
    if (!FExDropDown || !Buttons())
        return;
    for (int i = 0; i < FButtonList.Count(); ++i) {
        TExButton* button = Button(i);
        button->SetAppearance(FExDropDown->ButtonAppearance());
        button->SetImages(FImages);
        if (i < Buttons()->Count()) {
            const THeaderButton& item = *ButtonItem(i);
            button->SetCaption(item.Caption());
            button->SetImageIndex(item.ImageIndex());
            button->SetEnabled(item.Enabled());
        }
        button->SizeToContent();
    }
    ArrangeButtons();
}

void TDropDownBar::AppearanceChanged() {
    SetVisible(StripAppearance().Visible());
    SetHeight(StripAppearance().Height());
}

void TDropDownBar::ButtonClick(TObject* Sender) {
    if (auto* button = dynamic_cast<TExButton*>(Sender); button && FExDropDown)
        FireButtonClick(static_cast<int>(button->Tag()));
}

void TDropDownBar::Resize() {
    TCustomControl::Resize();
    ArrangeButtons();
}

void TDropDownBar::Line(int X1, int Y1, int X2, int Y2) {
    Canvas()->MoveTo(X1, Y1);
    Canvas()->LineTo(X2, Y2);
}

void TDropDownBar::Paint() {
    const TRect r = ClientRect();
    if (OnDrawBackGround) {
        FireEvent(OnDrawBackGround, static_cast<TObject*>(this), Canvas(), r);
        return;
    }
    const TDropDownStripAppearance& look = StripAppearance();
    TCanvas* canvas = Canvas();
    if (look.ColorTo() == clNone) {
        if (look.Color() != clNone) {
            canvas->Brush()->SetStyle(bsSolid);
            canvas->Brush()->SetColor(look.Color());
            canvas->FillRect(r);
        }
    } else {
        DrawGradientBands(canvas, look.Color(), look.ColorTo(), 80, r,
                          look.GradientDirection() == gdHorizontal);
    }
    if (look.BorderColor() != clNone && look.BorderWidth() > 0) {
        canvas->Pen()->SetWidth(look.BorderWidth());
        canvas->Pen()->SetColor(look.BorderColor());
        const bool popupFramed = FExDropDown && FExDropDown->DropDownBorderWidth() > 0 &&
                                 FExDropDown->DropDownBorderColor() != clNone;
        DrawBorderLines(r, !popupFramed);
        canvas->Pen()->SetWidth(1);
        canvas->Brush()->SetStyle(bsClear);
        // A light inner edge along the border.
        canvas->Pen()->SetColor(MixColors(look.BorderColor(), clWhite, 20));
        canvas->Rectangle(InnerEdgeRect(r));
    }
    TRect t = r;
    InflateRect(t, -look.BorderWidth(), -look.BorderWidth());
    if (look.ImageIndex() >= 0 && FImages) {
        FImages->Draw(canvas, t.Left + 4, t.Top + (t.Height() - FImages->Height()) / 2,
                      look.ImageIndex());
        t.Left += FImages->Width() + 8;
    }
    PaintCaption(t);
    PaintExtras(r);
}

int TDropDownBar::ContentWidth() {
    if (!Visible())
        return 0;
    const TDropDownStripAppearance& look = StripAppearance();
    const TRect area = GetButtonArea();
    // The button area's margins, with the footer's grip.
    int width = Width() - (area.Right - area.Left);
    for (int i = 0; i < FButtonList.Count(); ++i)
        width += Button(i)->Width();
    if (look.ImageIndex() >= 0 && FImages)
        width += FImages->Width() + 8;
    if (const std::string& caption = look.Caption(); !caption.empty()) {
        TCanvas* canvas = Canvas();
        canvas->Font()->Assign(*look.Font());
        const TRect unbounded{0, 0, 0x7FFF, Height()};
        // The gap the caption keeps to the buttons, and a pixel of its own at each end.
        width += RenderHTMLText(canvas, caption, unbounded, FImages, nullptr, false, this).cx +
                 2 * look.BorderWidth() + 4;
    }
    return width;
}

void TDropDownBar::PaintCaption(TRect T) {
    const TDropDownStripAppearance& look = StripAppearance();
    std::string text = look.Caption();
    FireEvent(OnGetText, static_cast<TObject*>(this), text);
    if (text.empty())
        return;
    // The caption stops short of the buttons; the last in the list stands furthest inside.
    if (FButtonList.Count() > 0)
        T.Right = Button(FButtonList.Count() - 1)->Left() - 2;
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(*look.Font());
    canvas->Brush()->SetStyle(bsClear);
    const TSize extent = RenderHTMLText(canvas, text, T, FImages, nullptr, false, this);
    if (extent.cy < T.Height())
        T.Top += (T.Height() - extent.cy) / 2;
    RenderHTMLText(canvas, text, T, FImages, nullptr, true, this);
}
