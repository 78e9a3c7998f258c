#include "grid/dropdown/ItemSelector.h"

#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExDrawing.h"
#include "grid/foundation/ExUtil.h"
#include "grid/stringgrid/DropDownUtil.h"
#include "platform/core/Exception.h"
#include "platform/core/Text.h"
#include "platform/ui/Application.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImgList.h"

#include <algorithm>

namespace {
TExCustomItemSelector* HostOf(TComponent* AOwner) {
    auto* host = dynamic_cast<TExCustomItemSelector*>(AOwner);
    if (!host)
        throw Exception("Invalid parent");
    return host;
}
} // namespace

TCustomItemSelector::TCustomItemSelector(TComponent* AOwner)
    : TCustomControl(AOwner), FExItemSelector(HostOf(AOwner)) {
    SetParentColor(true);
}

TSelectorItem* TCustomItemSelector::Item(int Index) const {
    return FExItemSelector->Items()->GetItem(Index);
}

bool TCustomItemSelector::IsValidIndex(int Index) const {
    return Index >= 0 && Index < FExItemSelector->Items()->Count();
}

bool TCustomItemSelector::IsDisabled(int Index) const {
    return IsValidIndex(Index) && !Item(Index)->Enabled();
}

void TCustomItemSelector::SetItemIndex(int Value) {
    if ((Value != -1 && !IsValidIndex(Value)) || IsDisabled(Value))
        return;
    if (FItemIndex >= 0 && FItemIndex != Value) {
        const int old = FItemIndex;
        FItemIndex = -1;
        InvalidateItem(old);
    }
    FItemIndex = Value;
    if (Value < 0)
        return;
    InvalidateItem(Value);
    FireEvent(OnItemSelect, static_cast<TObject*>(this));
}

void TCustomItemSelector::SetItemHot(int Index) {
    if (Index == FItemHot || IsDisabled(Index))
        return;
    if (FItemHot >= 0) {
        const int old = FItemHot;
        FItemHot = -1;
        InvalidateItem(old);
    }
    FItemHot = IsValidIndex(Index) ? Index : -1;
    InvalidateItem(FItemHot);
}

void TCustomItemSelector::SelectFirst() {
    if (const int target =
            ListStepTarget(TListStep::First, FItemIndex, FExItemSelector->Items()->Count());
        target >= 0)
        SetItemIndex(target);
}

void TCustomItemSelector::SelectLast() {
    if (const int target =
            ListStepTarget(TListStep::Last, FItemIndex, FExItemSelector->Items()->Count());
        target >= 0)
        SetItemIndex(target);
}

void TCustomItemSelector::SelectNext() {
    if (const int target =
            ListStepTarget(TListStep::Next, FItemIndex, FExItemSelector->Items()->Count());
        target >= 0)
        SetItemIndex(target);
}

void TCustomItemSelector::SelectPrevious() {
    if (const int target =
            ListStepTarget(TListStep::Previous, FItemIndex, FExItemSelector->Items()->Count());
        target >= 0)
        SetItemIndex(target);
}

void TCustomItemSelector::HotNext() {
    const int count = FExItemSelector->Items()->Count();
    if (const int target = ListStepTarget(TListStep::Next, FItemHot, count); target >= 0)
        SetItemHot(target);
}

void TCustomItemSelector::HotPrevious() {
    const int count = FExItemSelector->Items()->Count();
    if (const int target = ListStepTarget(TListStep::Previous, FItemHot, count); target >= 0)
        SetItemHot(target);
}

bool TCustomItemSelector::LookupItem(const std::string& S) {
    if (S.empty())
        return false;
    for (int i = 0; i < FExItemSelector->Items()->Count(); ++i) {
        const std::string plain = UpperCaseFull(Trim(StripHTML(Item(i)->Caption())));
        if (plain.starts_with(S)) {
            SetItemIndex(i);
            return true;
        }
    }
    return false;
}

TRect TCustomItemSelector::GetItemRect(int Index) const {
    return IsValidIndex(Index) ? Item(Index)->ItemRect() : Rect(-1, -1, -1, -1);
}

int TCustomItemSelector::ItemAtPos(int X, int Y) const {
    for (int i = 0; i < FExItemSelector->Items()->Count(); ++i)
        if (Item(i)->ItemRect().Contains({X, Y}))
            return i;
    return -1;
}

void TCustomItemSelector::InvalidateItem(int Index) {
    if (IsValidIndex(Index))
        InvalidateRect(Item(Index)->ItemRect());
}

void TCustomItemSelector::GetContentRect(TRect& R) const {
    R = ClientRect();
    InflateRect(R, -FOffSetX, -FOffSetY);
}

TSize TCustomItemSelector::GraphicSize(const TSelectorItem& Item) const {
    if (FExItemSelector->SelectorType() == stColor)
        return {FExItemSelector->ColorBoxWidth(), FExItemSelector->ColorBoxHeight()};
    if (!Item.Image()->Empty())
        return {Item.Image()->Width(), Item.Image()->Height()};
    if (FExItemSelector->Images() && Item.ImageIndex() >= 0)
        return {FExItemSelector->Images()->Width(), FExItemSelector->Images()->Height()};
    return {0, 0};
}

TSize TCustomItemSelector::MeasureCaption(TCanvas* Canvas, const std::string& Caption,
                                          const TRect& R) const {
    return RenderHTMLText(Canvas, Caption, R, FExItemSelector->Images(), nullptr, false, this);
}

void TCustomItemSelector::GetItemSize(TSize& Size) {
    if (FExItemSelector->OnItemSize) {
        Size = {0, 0};
        FExItemSelector->OnItemSize(this, Size);
        return;
    }
    const bool colorBoxes = FExItemSelector->SelectorType() == stColor;
    int w0 = colorBoxes ? FExItemSelector->ColorBoxWidth() : 0;
    int h0 = colorBoxes ? FExItemSelector->ColorBoxHeight() : 0;
    Canvas()->Font()->Assign(*FExItemSelector->ItemAppearance()->Font());
    int cw = 0;
    int ch = 0;
    for (int i = 0; i < FExItemSelector->Items()->Count(); ++i) {
        const TSelectorItem& item = *Item(i);
        if (!colorBoxes) {
            const TSize graphic = GraphicSize(item);
            w0 = std::max(w0, graphic.cx);
            h0 = std::max(h0, graphic.cy);
        }
        const TSize caption = MeasureCaption(Canvas(), item.Caption(), Rect(0, 0, 1000, 500));
        cw = std::max(cw, caption.cx);
        ch = std::max(ch, caption.cy);
    }
    if (cw > 0)
        cw += 4;
    const TItemLayout layout = FExItemSelector->ItemLayout();
    if (layout == ilCaptionLeft || layout == ilCaptionRight) {
        Size.cx = 2 * FItemOffSetX + std::max(w0, 0);
        if (cw > 0)
            Size.cx += (w0 > 0 ? FCaptionGap : 0) + cw;
        Size.cy = std::max(ch, h0) + 2 * FItemOffSetY;
    } else {
        Size.cx = std::max(cw, w0) + 2 * FItemOffSetX;
        Size.cy = 2 * FItemOffSetY + std::max(h0, 0);
        if (ch >= 1)
            Size.cy += (h0 > 0 ? FCaptionGap : 0) + ch;
    }
}

void TCustomItemSelector::UpdateItems() {
    TSelectorItems& items = *FExItemSelector->Items();
    if (items.Count() == 0) {
        SetBounds(Left(), Top(), 100, 50);
        return;
    }
    FItemHot = -1;
    TSize size;
    GetItemSize(size);
    TRect content;
    GetContentRect(content);
    int x = content.Left;
    int y = content.Top;
    int col = 0;
    int maxX = 0;
    const int last = items.Count() - 1;
    for (int i = 0; i <= last; ++i) {
        items.GetItem(i)->SetItemRect(Rect(x, y, x + size.cx, y + size.cy));
        ++col;
        if (i == last)
            break;
        if (col < FExItemSelector->Columns()) {
            x += size.cx;
        } else {
            maxX = std::max(maxX, x);
            y += size.cy;
            x = content.Left;
            col = 0;
        }
    }
    maxX = std::max(maxX, x);
    SetBounds(Left(), Top(), maxX + size.cx + content.Left, y + size.cy + content.Top);
}

void TCustomItemSelector::DrawCellBackground(int Index, TCanvas* Canvas, const TRect& R) {
    const TItemAppearance& look = *FExItemSelector->ItemAppearance();
    const bool selected = Index == FItemIndex;
    const bool hot = Index == FItemHot;
    if (!selected && !hot) {
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(Color());
        Canvas->FillRect(R);
        return;
    }
    // Selected wins over hot.
    const TColor fill = selected ? look.ColorSelected : look.ColorHot;
    const TColor fillTo = selected ? look.ColorSelectedTo : look.ColorHotTo;
    const TColor mirror = selected ? look.ColorMirrorSelected : look.ColorMirrorHot;
    const TColor mirrorTo = selected ? look.ColorMirrorSelectedTo : look.ColorMirrorHotTo;
    const TColor stateBorder = selected ? look.BorderColorSelected : look.BorderColorHot;
    TColor border = look.BorderColor;
    TColor top = look.BorderColorTop;
    TColor bottom = look.BorderColorBottom;
    TColor edge = look.EdgeColor;
    if (stateBorder != clNone) {
        border = stateBorder;
        top = bottom = edge = clNone;
    }
    if (top == clNone)
        DrawAppearanceBackground(Canvas, R, fill, fillTo == clNone ? fill : fillTo, border, 1,
                                 true);
    else
        DrawSelectionFrame(Canvas, fill, fillTo, mirror, mirrorTo, top, bottom, border, edge,
                           Color(), R, sfpSingle);
}

void TCustomItemSelector::DrawGraphic(const TSelectorItem& Item, TCanvas* Canvas, int X, int Y) {
    if (FExItemSelector->SelectorType() == stColor) {
        Canvas->Pen()->SetColor(clBlack);
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(Item.Color());
        Canvas->Rectangle(X, Y, X + FExItemSelector->ColorBoxWidth(),
                          Y + FExItemSelector->ColorBoxHeight());
    } else if (!Item.Image()->Empty()) {
        Canvas->Draw(X, Y, Item.Image()->Bitmap());
    } else if (FExItemSelector->Images() && Item.ImageIndex() >= 0) {
        FExItemSelector->Images()->Draw(Canvas, X, Y, Item.ImageIndex());
    }
}

void TCustomItemSelector::DrawItem(int Index, TCanvas* Canvas) {
    if (!IsValidIndex(Index) || !Canvas)
        return;
    const TSelectorItem& item = *Item(Index);
    const TRect cell = item.ItemRect();
    if (cell.Left < 0 && cell.Right < 0)
        return;
    DrawCellBackground(Index, Canvas, cell);
    if (FExItemSelector->OnDrawItem) {
        FExItemSelector->OnDrawItem(this, Canvas, cell, Index);
        return;
    }
    const TSize graphic = GraphicSize(item);
    TRect t = cell;
    InflateRect(t, -FItemOffSetX, -FItemOffSetY);
    TRect img = t;
    const TItemAppearance& look = *FExItemSelector->ItemAppearance();
    Canvas->Font()->Assign(*look.Font());
    if (Index == FItemIndex)
        Canvas->Font()->SetColor(look.ColorSelectedText);
    else if (Index == FItemHot)
        Canvas->Font()->SetColor(look.ColorHotText);
    Canvas->Brush()->SetStyle(bsClear);
    const std::string& caption = item.Caption();
    const bool hasGraphic = graphic.cx > 0 || graphic.cy > 0;
    const auto centreCaption = [&] {
        const TSize size = MeasureCaption(Canvas, caption, t);
        if (size.cy < t.Height())
            t.Top += (t.Height() - size.cy) / 2;
    };
    const auto drawCaption = [&] {
        return RenderHTMLText(Canvas, caption, t, FExItemSelector->Images(), nullptr, true, this);
    };
    const int centredTop = img.Top + std::max(0, (img.Height() - graphic.cy) / 2);
    switch (FExItemSelector->ItemLayout()) {
    case ilCaptionLeft: {
        if (!caption.empty()) {
            t.Right -= graphic.cx;
            centreCaption();
            img.Left = t.Left + drawCaption().cx + FCaptionGap;
        }
        const bool box = FExItemSelector->SelectorType() == stColor;
        DrawGraphic(item, Canvas, img.Left, box ? img.Top : centredTop);
        break;
    }
    case ilCaptionRight: {
        const bool box = FExItemSelector->SelectorType() == stColor;
        DrawGraphic(item, Canvas, img.Left, box ? img.Top : centredTop);
        if (hasGraphic)
            t.Left = img.Left + graphic.cx + FCaptionGap;
        if (!caption.empty()) {
            centreCaption();
            drawCaption();
        }
        break;
    }
    case ilCaptionTop:
        if (!caption.empty()) {
            t.Bottom -= graphic.cy;
            img.Top = t.Top + drawCaption().cy + FCaptionGap;
        } else {
            img.Top = centredTop;
        }
        img.Left += std::max(0, (img.Width() - graphic.cx) / 2);
        DrawGraphic(item, Canvas, img.Left, img.Top);
        break;
    case ilCaptionBottom:
        if (caption.empty())
            img.Top = centredTop;
        img.Left += std::max(0, (img.Width() - graphic.cx) / 2);
        if (hasGraphic) {
            DrawGraphic(item, Canvas, img.Left, img.Top);
            t.Top = img.Top + graphic.cy + FCaptionGap;
        }
        if (!caption.empty())
            drawCaption();
        break;
    }
}

void TCustomItemSelector::DrawItems(TCanvas* Canvas) {
    for (int i = 0; i < FExItemSelector->Items()->Count(); ++i)
        DrawItem(i, Canvas);
}

void TCustomItemSelector::Paint() {
    DrawItems(Canvas());
}

void TCustomItemSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int index = ItemAtPos(X, Y);
    if (index >= 0 && Item(index)->Enabled())
        SetItemIndex(index);
}

void TCustomItemSelector::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    const int index = ItemAtPos(X, Y);
    if (index >= 0 && index != FItemHot) {
        SetItemHot(Item(index)->Enabled() ? index : -1);
        // The panel shows hints as its host does; the hint of the item left goes at once.
        SetShowHint(FExItemSelector->ShowHint());
        SetHint(Item(index)->Hint());
        if (Application)
            Application->CancelHint();
    } else if (index < 0 && FItemHot >= 0) {
        SetItemHot(-1);
    }
}

void TCustomItemSelector::MouseLeave() {
    TCustomControl::MouseLeave();
    if (FItemHot >= 0)
        SetItemHot(-1);
}
