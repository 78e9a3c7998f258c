#include "grid/dropdown/ColorBoxGrid.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/Keys.h"

#include <algorithm>
#include <array>

void TColorBoxItem::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TColorBoxItem*>(Source);
    if (!source)
        return;
    SetColor(source->FColor);
    FEnabled = source->FEnabled;
}

void TColorBoxItem::SetColor(TColor Value) {
    if (FColor == Value)
        return;
    FColor = Value;
    Changed();
}

void TColorBoxAppearance::Assign(const TColorBoxAppearance& Source) {
    BorderColor = Source.BorderColor;
    OuterBorderColorHot = Source.OuterBorderColorHot;
    InnerBorderColorHot = Source.InnerBorderColorHot;
    OuterBorderColorSelected = Source.OuterBorderColorSelected;
    InnerBorderColorSelected = Source.InnerBorderColorSelected;
}

TCustomColorSelector::TCustomColorSelector(TComponent* AOwner)
    : TExCustomColorSelectorPanel(AOwner),
      FColorBoxAppearance(std::make_unique<TColorBoxAppearance>()),
      FItems(std::make_unique<TColorBoxItems>(this)) {
    SetParentColor(true);
}

TCustomColorSelector::~TCustomColorSelector() = default;

bool TCustomColorSelector::IsSelectable(int Index) const {
    return !IsValidIndex(Index) || FItems->GetItem(Index)->Enabled();
}

void TCustomColorSelector::SetItemIndex(int Index) {
    if (!IsSelectable(Index))
        return;
    if (FItemIndex >= 0 && Index != FItemIndex) {
        const int old = FItemIndex;
        FItemIndex = -1;
        InvalidateItem(old);
    }
    // An index past the boxes selects nothing.
    FItemIndex = IsValidIndex(Index) ? Index : -1;
    if (FItemIndex < 0)
        return;
    FSelectedColor = FItems->GetItem(FItemIndex)->Color();
    InvalidateItem(FItemIndex);
    FireEvent(OnItemSelect, static_cast<TObject*>(this));
}

void TCustomColorSelector::SetItemHot(int Index) {
    if (Index == FItemHot || !IsSelectable(Index))
        return;
    if (FItemHot >= 0) {
        const int old = FItemHot;
        FItemHot = -1;
        InvalidateItem(old);
    }
    FItemHot = IsValidIndex(Index) ? Index : -1;
    InvalidateItem(FItemHot);
}

void TCustomColorSelector::SetLayoutValue(int& Field, int Value) {
    if (Field == Value)
        return;
    Field = Value;
    UpdateItems();
}

void TCustomColorSelector::SetColumns(int Value) {
    if (Value >= 1)
        SetLayoutValue(FColumns, Value);
}

void TCustomColorSelector::SetColumnGap(int Value) {
    SetLayoutValue(FColumnGap, Value);
}

void TCustomColorSelector::SetColorBoxHeight(int Value) {
    SetLayoutValue(FColorBoxHeight, Value);
}

void TCustomColorSelector::SetColorBoxWidth(int Value) {
    SetLayoutValue(FColorBoxWidth, Value);
}

void TCustomColorSelector::SetItemColorStyle(TSelectionColorStyle Value) {
    if (FItemColorStyle == Value)
        return;
    FItemColorStyle = Value;
    if (Value == scCustom)
        return;
    TColorBoxAppearance preset;
    FColorBoxAppearance->Assign(preset);
    Invalidate();
}

void TCustomColorSelector::SetSelectedColor(TColor Value) {
    if (FSelectedColor == Value)
        return;
    FSelectedColor = Value;
    if (Value == clNone)
        SetItemIndex(-1);
    int found = -1;
    for (int i = 0; i < FItems->Count() && found < 0; ++i)
        if (FItems->GetItem(i)->Color() == Value)
            found = i;
    SetItemIndex(found);
}

void TCustomColorSelector::GetContentRect(TRect& R) const {
    R = ClientRect();
    R.Left += FOffSetX;
    R.Right -= FOffSetX;
    R.Top += FOffSetY;
    R.Bottom -= FOffSetY;
}

void TCustomColorSelector::GetItemSize(TSize& Size) const {
    Size = {FColorBoxWidth, FColorBoxHeight};
}

void TCustomColorSelector::UpdateItems() {
    if (FItems->Count() == 0) {
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
    bool gap = false;
    const int last = FItems->Count() - 1;
    for (int i = 0; i <= last; ++i) {
        TColorBoxItem* item = FItems->GetItem(i);
        item->SetItemRect(Rect(x, y, x + size.cx, y + size.cy));
        ++col;
        if (i == last)
            break;
        // A row holding a stand-alone box keeps its distance from the row below.
        if (item->ColorBoxPos() == ipStandAlone)
            gap = true;
        if (col >= FColumns) {
            maxX = std::max(maxX, x);
            x = content.Left;
            y += size.cy + (gap ? FColumnGap : 0);
            col = 0;
            gap = false;
        } else {
            x += size.cx + FColumnGap;
        }
    }
    maxX = std::max(maxX, x);
    SetBounds(Left(), Top(), maxX + size.cx + content.Left + 1, y + size.cy + content.Top);
}

void TCustomColorSelector::DrawItem(int Index, TCanvas* ACanvas) {
    if (!IsValidIndex(Index) || !ACanvas)
        return;
    const TColorBoxItem* item = FItems->GetItem(Index);
    TRect b = item->ItemRect();
    if (b.Left < 0 && b.Right < 0)
        return;
    const bool selected = Index == FItemIndex;
    const bool framed = selected || Index == FItemHot;
    const TColorBoxAppearance& look = *FColorBoxAppearance;
    const TColor outer = selected ? look.OuterBorderColorSelected : look.OuterBorderColorHot;
    const TColor inner = selected ? look.InnerBorderColorSelected : look.InnerBorderColorHot;

    if (item->Color() != clNone) {
        ACanvas->Pen()->SetColor(item->Color());
        ACanvas->Brush()->SetStyle(bsSolid);
        ACanvas->Brush()->SetColor(item->Color());
        ACanvas->Rectangle(b);
    }
    if (framed) {
        if (outer != clNone) {
            ACanvas->Pen()->SetColor(outer);
            ACanvas->Brush()->SetStyle(bsClear);
            ACanvas->Rectangle(b);
            InflateRect(b, -1, -1);
        }
        if (inner != clNone) {
            ACanvas->Pen()->SetColor(inner);
            ACanvas->Brush()->SetStyle(bsClear);
            ACanvas->Rectangle(b);
        }
        return;
    }
    ACanvas->Pen()->SetColor(look.BorderColor);
    // Joined boxes share their top and bottom lines with their neighbours.
    const auto polyline = [ACanvas](std::initializer_list<TPoint> points) {
        const TPoint* p = points.begin();
        ACanvas->MoveTo(p->X, p->Y);
        for (++p; p != points.end(); ++p)
            ACanvas->LineTo(p->X, p->Y);
    };
    switch (item->ColorBoxPos()) {
    case ipStandAlone:
        polyline({{b.Left, b.Bottom},
                  {b.Left, b.Top},
                  {b.Right, b.Top},
                  {b.Right, b.Bottom},
                  {b.Left, b.Bottom}});
        break;
    case ipTop:
        polyline({{b.Left, b.Bottom}, {b.Left, b.Top}, {b.Right, b.Top}, {b.Right, b.Bottom}});
        break;
    case ipMiddle:
        polyline({{b.Left, b.Top}, {b.Left, b.Bottom}});
        polyline({{b.Right, b.Top}, {b.Right, b.Bottom}});
        break;
    case ipBottom:
        polyline({{b.Left, b.Top}, {b.Left, b.Bottom}, {b.Right, b.Bottom}});
        polyline({{b.Right, b.Top}, {b.Right, b.Bottom + 1}});
        break;
    }
}

void TCustomColorSelector::InvalidateItem(int Index) {
    if (IsValidIndex(Index))
        InvalidateRect(FItems->GetItem(Index)->ItemRect());
}

TRect TCustomColorSelector::GetItemRect(int Index) const {
    return IsValidIndex(Index) ? FItems->GetItem(Index)->ItemRect() : Rect(-1, -1, -1, -1);
}

int TCustomColorSelector::ItemAtPos(int X, int Y) const {
    for (int i = 0; i < FItems->Count(); ++i)
        if (FItems->GetItem(i)->ItemRect().Contains({X, Y}))
            return i;
    return -1;
}

void TCustomColorSelector::DrawItems(TCanvas* ACanvas) {
    for (int i = 0; i < FItems->Count(); ++i)
        DrawItem(i, ACanvas);
}

void TCustomColorSelector::SelectFirst() {
    if (FItems->Count() > 0)
        SetItemIndex(0);
}

void TCustomColorSelector::SelectLast() {
    if (FItems->Count() > 0)
        SetItemIndex(FItems->Count() - 1);
}

void TCustomColorSelector::SelectNext() {
    if (FItemIndex + 1 < FItems->Count())
        SetItemIndex(FItemIndex + 1);
}

void TCustomColorSelector::SelectPrevious() {
    if (FItemIndex >= 0)
        SetItemIndex(FItemIndex - 1);
}

void TCustomColorSelector::HotNext() {
    if (FItemHot + 1 < FItems->Count())
        SetItemHot(FItemHot + 1);
}

void TCustomColorSelector::HotPrevious() {
    if (FItemHot >= 0)
        SetItemHot(FItemHot - 1);
}

void TCustomColorSelector::ProcessKey(WORD Key, bool EditorEnabled, bool DroppedDown) {
    if (!Enabled() || Key < VK_PRIOR || Key > VK_DOWN)
        return;
    // A closed popup with a typing editor leaves the sideways keys to the editor's caret.
    const bool sidewaysToEditor = EditorEnabled && !DroppedDown;
    const auto moveByRow = [this](int rows) {
        const int target = FItemIndex < 0 ? 0 : FItemIndex + rows * FColumns;
        if (IsValidIndex(target))
            SetItemIndex(target);
    };
    switch (Key) {
    case VK_PRIOR:
    case VK_HOME:
        SelectFirst();
        break;
    case VK_NEXT:
    case VK_END:
        SelectLast();
        break;
    case VK_LEFT:
        if (!sidewaysToEditor)
            SelectPrevious();
        break;
    case VK_RIGHT:
        if (!sidewaysToEditor)
            SelectNext();
        break;
    case VK_UP:
        if (DroppedDown)
            moveByRow(-1);
        else
            SelectPrevious();
        break;
    case VK_DOWN:
        if (DroppedDown)
            moveByRow(1);
        else
            SelectNext();
        break;
    }
}

void TCustomColorSelector::SetDefaultColorBoxes() {
    static constexpr std::array<std::array<unsigned, 10>, 6> palette = {{
        {0xFFFFFF, 0x000000, 0xEEECE1, 0x1F497D, 0x4F81BD, 0xC0504D, 0x9BBB59, 0x8064A2, 0x4BACC6,
         0xF79646},
        {0xF2F2F2, 0x7F7F7F, 0xDDD9C3, 0xC2CEDA, 0xDBE5F1, 0xF2DCDB, 0xEBF1DD, 0xE5E0EC, 0xDBEEF3,
         0xFDEADA},
        {0xD8D8D8, 0x595959, 0xC4BD97, 0x8DB3E2, 0xB8CCE4, 0xE5B9B7, 0xD7E3BC, 0xCCC1D9, 0xB7DDE8,
         0xFBD5B5},
        {0xBFBFBF, 0x3F3F3F, 0x938953, 0x548DD4, 0x95B3D7, 0xD99694, 0xC3D69B, 0xB2A2C7, 0x92CDDC,
         0xFAC08F},
        {0xA5A5A5, 0x262626, 0x494429, 0x17365D, 0x366092, 0x953734, 0x76923C, 0x5F497A, 0x31859B,
         0xE36C09},
        {0x7F7F7F, 0x0C0C0C, 0x1D1B10, 0x0F243E, 0x244061, 0x632423, 0x4F6128, 0x3F3151, 0x205867,
         0x974806},
    }};
    static constexpr std::array<TItemPos, 6> rowPositions = {ipStandAlone, ipTop,    ipMiddle,
                                                             ipMiddle,     ipMiddle, ipBottom};
    FItems->Clear();
    for (size_t row = 0; row < palette.size(); ++row)
        for (unsigned rrggbb : palette[row]) {
            TColorBoxItem* item = FItems->Add();
            item->SetColor(WebColor(rrggbb));
            item->SetColorBoxPos(rowPositions[row]);
        }
}

void TCustomColorSelector::Paint() {
    DrawItems(Canvas());
}

void TCustomColorSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    const int i = ItemAtPos(X, Y);
    if (i >= 0 && FItems->GetItem(i)->Enabled())
        SetItemIndex(i);
}

void TCustomColorSelector::MouseMove(TShiftState Shift, int X, int Y) {
    TExCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    const int i = ItemAtPos(X, Y);
    if (i < 0) {
        if (FItemHot >= 0)
            SetItemHot(-1);
    } else if (i != FItemHot) {
        SetItemHot(FItems->GetItem(i)->Enabled() ? i : -1);
    }
}

void TCustomColorSelector::MouseLeave() {
    TExCustomColorSelectorPanel::MouseLeave();
    if (FItemHot >= 0)
        SetItemHot(-1);
}
