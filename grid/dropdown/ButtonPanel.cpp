#include "grid/dropdown/ButtonPanel.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/ThemeServices.h"

#include <algorithm>

TButtonItem::TButtonItem(TButtonCollectionBase* Collection)
    : TCollectionItemBase(Collection), FImage(std::make_unique<TPicture>()) {}

TButtonItem::~TButtonItem() = default;

void TButtonItem::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TButtonItem*>(Source);
    if (!source)
        return;
    SetCaption(source->FCaption);
    SetCaptionColor(source->FCaptionColor);
    FTag = source->FTag;
    FImageIndex = source->FImageIndex;
    FImage->Assign(source->FImage->Empty() ? nullptr : source->FImage->Bitmap());
    FEnabled = source->FEnabled;
    FName = source->FName;
}

void TButtonItem::SetCaption(const std::string& Value) {
    if (FCaption == Value)
        return;
    FCaption = Value;
    Changed();
}

void TButtonItem::SetCaptionColor(TColor Value) {
    if (FCaptionColor == Value)
        return;
    FCaptionColor = Value;
    Changed();
}

void TButtonItem::SetButtonRect(const TRect& R) {
    FLeft = R.Left;
    FTop = R.Top;
    FWidth = R.Width();
    FHeight = R.Height();
}

TCustomButtonPanel::TCustomButtonPanel(TComponent* AOwner)
    : TCustomControl(AOwner), FButtons(std::make_unique<TButtonItems>(this)),
      FImageLink(std::make_unique<TChangeLink>()),
      FButtonAppearance(std::make_unique<TButtonAppearance>()) {
    SetDoubleBuffered(true);
    FButtons->OnChange = [this](TObject*) { RepaintUnlessHosted(); };
    FButtonAppearance->OnChange = [this](TObject*) { RepaintUnlessHosted(); };
    FImageLink->OnChange = [this](TObject*) { RepaintUnlessHosted(); };
}

TCustomButtonPanel::~TCustomButtonPanel() {
    FButtons->OnChange = nullptr;
    FButtonAppearance->OnChange = nullptr;
    SetImages(nullptr);
}

void TCustomButtonPanel::RepaintUnlessHosted() {
    if (!FExDropDown)
        Invalidate();
}

TImageList* TCustomButtonPanel::Images() const {
    return FImageLink->Sender();
}

void TCustomButtonPanel::SetImages(TImageList* Value) {
    if (Images() == Value)
        return;
    if (TImageList* old = Images())
        old->UnRegisterChanges(FImageLink.get());
    if (Value)
        Value->RegisterChanges(FImageLink.get());
    ArrangeButtons();
}

void TCustomButtonPanel::SetButtonPanelType(TButtonPanelType Value) {
    if (FButtonPanelType == Value)
        return;
    FButtonPanelType = Value;
    ArrangeButtons();
}

bool TCustomButtonPanel::IsEnabledButton(int Index) const {
    return IsValidIndex(Index) && FButtons->GetItem(Index)->Enabled();
}

void TCustomButtonPanel::MoveMark(int& Field, int Index) {
    if (Index == Field || (IsValidIndex(Index) && !IsEnabledButton(Index)))
        return;
    if (Field >= 0) {
        const int old = Field;
        Field = -1;
        InvalidateButton(old);
    }
    Field = IsValidIndex(Index) ? Index : -1;
    InvalidateButton(Field);
}

void TCustomButtonPanel::SetButtonHot(int Index) {
    MoveMark(FButtonHot, Index);
}

void TCustomButtonPanel::SetButtonDown(int Index) {
    MoveMark(FButtonDown, Index);
}

void TCustomButtonPanel::GetContentRect(TRect& R) const {
    R = ClientRect();
    R.Left += FOffSetX;
    R.Right -= FOffSetX;
    R.Top += FOffSetY;
    R.Bottom -= FOffSetY;
}

TRect TCustomButtonPanel::GetButtonRect(int Index) const {
    return IsValidIndex(Index) ? FButtons->GetItem(Index)->ButtonRect() : Rect(-1, -1, -1, -1);
}

int TCustomButtonPanel::ButtonAtPos(int X, int Y) const {
    for (int i = 0; i < FButtons->Count(); ++i)
        if (FButtons->GetItem(i)->ButtonRect().Contains({X, Y}))
            return i;
    return -1;
}

void TCustomButtonPanel::ClearButtons() {
    FButtonHot = -1;
    FButtonDown = -1;
    FButtons->Clear();
}

void TCustomButtonPanel::ResetButtons() {
    ClearButtons();
    CreateButtons();
}

void TCustomButtonPanel::CreateButtons() {
    if (FButtons->Count() > 0)
        return;
    if (FButtonPanelType == plCalculator)
        AddCalculatorButtons();
    ArrangeButtons();
}

void TCustomButtonPanel::AddCalculatorButtons() {
    struct Key {
        const char* Caption;
        const char* Name;
        int Tag;
        bool Special;
    };
    static constexpr Key keys[CalculatorButtonCount] = {
        {"", "BTN_ON", 30, false},      {"Back", "BTN_BACK", 31, true}, {"CE", "BTN_CE", 32, true},
        {"C", "BTN_C", 16, true},       {"MC", "BTN_MC", 33, true},     {"MR", "BTN_MR", 34, true},
        {"MS", "BTN_MS", 35, true},     {"M+", "BTN_M+", 36, true},     {"0", "BTN_0", 0, false},
        {"1", "BTN_1", 1, false},       {"4", "BTN_4", 4, false},       {"7", "BTN_7", 7, false},
        {"8", "BTN_8", 8, false},       {"5", "BTN_5", 5, false},       {"2", "BTN_2", 2, false},
        {"+/-", "BTN_+/-", 14, false},  {".", "BTN_.", 15, false},      {"3", "BTN_3", 3, false},
        {"6", "BTN_6", 6, false},       {"9", "BTN_9", 9, false},       {"/", "BTN_/", 13, true},
        {"*", "BTN_*", 12, true},       {"-", "BTN_-", 11, true},       {"+", "BTN_+", 10, true},
        {"=", "BTN_=", 17, true},       {"1/x", "BTN_1/x", 38, false},  {"%", "BTN_%", 18, false},
        {"sqrt", "BTN_sqrt", 37, true},
    };
    for (const Key& key : keys) {
        TButtonItem* item = FButtons->Add();
        item->SetCaption(key.Caption);
        item->SetName(key.Name);
        item->SetTag(key.Tag);
        item->SetSpecial(key.Special);
        if (key.Special)
            item->SetCaptionColor(0x000080);
    }
}

void TCustomButtonPanel::ArrangeButtons() {
    if (FButtonPanelType == plCalculator)
        ArrangeCalculatorButtons();
}

void TCustomButtonPanel::ArrangeCalculatorButtons() {
    // The keypad addresses its keys by index: any other set of buttons is left where it is.
    if (FButtons->Count() != CalculatorButtonCount)
        return;
    TRect r;
    GetContentRect(r);
    constexpr int g = 4;
    const int w = (r.Width() - 2 * g) / 6;
    const int h = (r.Height() - g) / 5;
    // The keypad rows and columns overlap by one pixel; gaps separate the groups.
    const int y[5] = {r.Top, r.Top + h + g, r.Top + 2 * h + g - 1, r.Top + 3 * h + g - 2,
                      r.Top + 4 * h + g - 3};
    const int x0 = r.Left;
    const int x1 = x0 + w + g;
    const int x2 = x1 + w - 1;
    const int x3 = x2 + w - 1;
    const int x4 = x3 + w + g;
    const int x5 = x4 + w - 1;
    const auto place = [this, w, h](int index, int left, int top) {
        FButtons->GetItem(index)->SetButtonRect(Bounds(left, top, w, h));
    };
    place(0, x0, y[0]);
    // Columns from the top keypad row down.
    const int columns[6][4] = {{4, 5, 6, 7},     {11, 10, 9, 8},   {12, 13, 14, 15},
                               {19, 18, 17, 16}, {20, 21, 22, 23}, {27, 26, 25, 24}};
    const int columnLefts[6] = {x0, x1, x2, x3, x4, x5};
    for (int c = 0; c < 6; ++c)
        for (int row = 0; row < 4; ++row)
            place(columns[c][row], columnLefts[c], y[row + 1]);
    // "Back", "CE" and "C" share the top row right of the first key.
    const int right = x5 + w;
    const int left = x0 + w + g;
    const int w3 = (right - left - 2 * g) / 3;
    FButtons->GetItem(1)->SetButtonRect(Bounds(left, y[0], w3, h));
    FButtons->GetItem(2)->SetButtonRect(Bounds(left + w3 + g, y[0], w3, h));
    FButtons->GetItem(3)->SetButtonRect(Rect(left + 2 * (w3 + g), y[0], right, y[0] + h));
    Invalidate();
}

void TCustomButtonPanel::InvalidateButton(int Index) {
    if (!IsValidIndex(Index))
        return;
    TRect r = FButtons->GetItem(Index)->ButtonRect();
    InflateRect(r, 8, 8);
    InvalidateRect(r);
}

void TCustomButtonPanel::DoButtonClick(int Index) {
    FireEvent(OnButtonClick, static_cast<TObject*>(this), Index);
}

TSize TCustomButtonPanel::ImageSize(const TButtonItem& Item) const {
    if (!Item.Image()->Empty())
        return {Item.Image()->Width(), Item.Image()->Height()};
    if (Images() && Item.ImageIndex() >= 0)
        return {Images()->Width(), Images()->Height()};
    return {0, 0};
}

void TCustomButtonPanel::DrawImage(TCanvas* ACanvas, const TButtonItem& Item, int X, int Y) const {
    if (!Item.Image()->Empty())
        ACanvas->Draw(X, Y, Item.Image()->Bitmap());
    else if (Images() && Item.ImageIndex() >= 0)
        Images()->Draw(ACanvas, X, Y, Item.ImageIndex());
}

void TCustomButtonPanel::DrawButton(int Index, TCanvas* ACanvas) {
    if (!IsValidIndex(Index) || !ACanvas)
        return;
    const TButtonItem& item = *FButtons->GetItem(Index);
    const TRect b = item.ButtonRect();
    if (b.Left < 0 && b.Right < 0)
        return;
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Brush()->SetColor(Color());
    ACanvas->FillRect(b);
    const TThemeStates state = !Enabled()             ? tsfDisabled
                               : Index == FButtonDown ? tsfPressed
                               : Index == FButtonHot  ? tsfHot
                                                      : tsfNormal;
    DrawThemePart(ACanvas, TThemePart::PushButton, state, b);

    const TSize image = ImageSize(item);
    const bool hasImage = image.cx > 0 || image.cy > 0;
    TRect c = b;
    c.Left += FButtonOffSetX;
    c.Right -= FButtonOffSetX;
    c.Top += FButtonOffSetY;
    c.Bottom -= FButtonOffSetY;
    ACanvas->Font()->Assign(*FButtonAppearance->Font());
    ACanvas->Font()->SetColor(item.Special() ? FButtonAppearance->SpecialTextColor()
                                             : FButtonAppearance->TextColor());
    ACanvas->Brush()->SetStyle(bsClear);
    const bool sideways = FButtonLayout == ilCaptionLeft || FButtonLayout == ilCaptionRight;
    const unsigned format =
        DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | ((!sideways || !hasImage) ? DT_CENTER : DT_LEFT);
    const std::string& caption = item.Caption();
    const auto drawCaption = [&](TRect r) {
        if (!caption.empty())
            ACanvas->DrawText(caption, r, format);
    };
    const int middleY = c.Top + (c.Height() - image.cy) / 2;
    switch (FButtonLayout) {
    case ilCaptionLeft:
        if (!caption.empty()) {
            c.Right -= image.cx;
            drawCaption(c);
            DrawImage(ACanvas, item, c.Left + ACanvas->TextWidth(caption) + FCaptionGap, middleY);
        } else {
            DrawImage(ACanvas, item, c.Left, middleY);
        }
        break;
    case ilCaptionRight:
        if (hasImage) {
            DrawImage(ACanvas, item, c.Left, middleY);
            c.Left += image.cx + FCaptionGap;
        }
        drawCaption(c);
        break;
    case ilCaptionTop:
        if (!caption.empty()) {
            c.Bottom -= image.cy;
            drawCaption(c);
            DrawImage(ACanvas, item, c.Left, c.Top + ACanvas->TextHeight(caption) + FCaptionGap);
        } else {
            DrawImage(ACanvas, item, c.Left, middleY);
        }
        break;
    case ilCaptionBottom: {
        const int top = caption.empty() ? middleY : c.Top;
        if (hasImage) {
            DrawImage(ACanvas, item, c.Left, top);
            c.Top = top + image.cy + FCaptionGap;
        }
        drawCaption(c);
        break;
    }
    }
}

void TCustomButtonPanel::DrawButtons(TCanvas* ACanvas, bool IncludeHot) {
    for (int i = 0; i < FButtons->Count(); ++i)
        if (IncludeHot || i != FButtonHot)
            DrawButton(i, ACanvas);
    // The hot face may reach over its overlapping neighbours, so it comes last.
    if (!IncludeHot && IsValidIndex(FButtonHot))
        DrawButton(FButtonHot, ACanvas);
}

void TCustomButtonPanel::GetButtonSize(TSize& Size) {
    Canvas()->Font()->Assign(*Font());
    int iw = 0, ih = 0, tw = 0, th = 0;
    for (int i = 0; i < FButtons->Count(); ++i) {
        const TButtonItem& item = *FButtons->GetItem(i);
        const TSize image = ImageSize(item);
        iw = std::max(iw, image.cx);
        ih = std::max(ih, image.cy);
        if (!item.Caption().empty()) {
            tw = std::max(tw, Canvas()->TextWidth(item.Caption()));
            th = std::max(th, Canvas()->TextHeight(item.Caption()));
        }
    }
    if (FButtonLayout == ilCaptionLeft || FButtonLayout == ilCaptionRight) {
        Size.cx = 2 * FButtonOffSetX + iw + (tw > 0 ? (iw > 0 ? FCaptionGap : 0) + tw : 0);
        Size.cy = std::max(ih, th) + 2 * FButtonOffSetY;
    } else {
        Size.cx = std::max(iw, tw) + 2 * FButtonOffSetX;
        Size.cy = 2 * FButtonOffSetY + ih + (th >= 1 ? (ih > 0 ? FCaptionGap : 0) + th : 0);
    }
}

void TCustomButtonPanel::Loaded() {
    if (!FExDropDown)
        CreateButtons();
}

void TCustomButtonPanel::Paint() {
    TCanvas* canvas = Canvas();
    if (!FExDropDown) {
        canvas->Brush()->SetStyle(bsClear);
        canvas->Pen()->SetColor(clBlack);
        canvas->Pen()->SetWidth(1);
        canvas->Rectangle(ClientRect());
    }
    DrawButtons(canvas, false);
}

void TCustomButtonPanel::Resize() {
    TCustomControl::Resize();
    ArrangeButtons();
}

void TCustomButtonPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int i = ButtonAtPos(X, Y);
    if (IsEnabledButton(i))
        SetButtonDown(i);
}

void TCustomButtonPanel::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    const int i = ButtonAtPos(X, Y);
    if (i < 0) {
        if (FButtonHot >= 0)
            SetButtonHot(-1);
    } else if (i != FButtonHot) {
        SetButtonHot(IsEnabledButton(i) ? i : -1);
    }
}

void TCustomButtonPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FButtonDown < 0)
        return;
    // Only a release over the pressed button clicks it.
    const int i = ButtonAtPos(X, Y) == FButtonDown ? FButtonDown : -1;
    SetButtonDown(-1);
    if (i >= 0)
        DoButtonClick(i);
}

void TCustomButtonPanel::MouseLeave() {
    TCustomControl::MouseLeave();
    if (FButtonHot >= 0)
        SetButtonHot(-1);
}
