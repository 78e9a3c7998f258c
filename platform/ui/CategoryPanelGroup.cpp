#include "platform/ui/CategoryPanelGroup.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

#include <algorithm>

namespace {

constexpr int DefaultHeaderHeight = 24;

TColor Blend(TColor from, TColor to, int step, int steps) {
    const TColor a = ColorToRGB(from);
    const TColor b = ColorToRGB(to);
    auto mix = [&](int x, int y) { return x + (y - x) * step / std::max(steps, 1); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}

} // namespace

TCategoryPanelSurface::TCategoryPanelSurface(TCategoryPanel* panel) : TWinControl(panel) {
    SetControlStyle(ControlStyle() << csAcceptsControls);
    SetParentColor(true);
    SetParent(panel);
}

TCategoryPanel::TCategoryPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    SetControlStyle(ControlStyle() << csAcceptsControls);
    // The group places its panels; any change of a panel's bounds or visibility asks it to.
    SetAlign(alCustom);
    FSurface = new TCategoryPanelSurface(this);
    SetBounds(0, 0, 185, FExpandedHeight);
}

TCategoryPanelGroup* TCategoryPanel::PanelGroup() const {
    return dynamic_cast<TCategoryPanelGroup*>(Parent());
}

void TCategoryPanel::SetPanelGroup(TCategoryPanelGroup* group) {
    SetParent(group);
}

int TCategoryPanel::HeaderHeight() const {
    const TCategoryPanelGroup* group = PanelGroup();
    return group != nullptr ? group->HeaderHeight() : DefaultHeaderHeight;
}

void TCategoryPanel::SetCollapsed(bool value) {
    if (value == FCollapsed)
        return;
    FCollapsed = value;
    FSurface->SetVisible(!value);
    TCustomControl::SetBounds(Left(), Top(), Width(), value ? HeaderHeight() : FExpandedHeight);
    Invalidate();
    const TNotifyEvent& event = value ? OnCollapse : OnExpand;
    if (event)
        event(this);
}

void TCategoryPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    // Moving or widening a collapsed panel passes on its collapsed height, which is not the
    // height it expands to.
    if (!FCollapsed || AHeight != Height())
        FExpandedHeight = std::max(AHeight, 0);
    if (ATop != Top()) {
        if (TCategoryPanelGroup* group = PanelGroup())
            group->MovePanel(this, ATop);
    }
    TCustomControl::SetBounds(ALeft, ATop, AWidth, FCollapsed ? HeaderHeight() : FExpandedHeight);
    // A collapsed panel keeps its size; its surface still takes the new expanded height.
    Realign();
}

void TCategoryPanel::Place(int left, int top, int width) {
    TCustomControl::SetBounds(left, top, width, FCollapsed ? HeaderHeight() : FExpandedHeight);
}

void TCategoryPanel::AlignControls(TControl* control, TRect& rect) {
    const int header = HeaderHeight();
    FSurface->SetBounds(0, header, ClientWidth(), std::max(FExpandedHeight - header, 0));
    rect.Top += header;
    TCustomControl::AlignControls(control, rect);
}

void TCategoryPanel::Paint() {
    TCanvas* canvas = Canvas();
    const TRect header = HeaderRect();
    const TCategoryPanelGroup* group = PanelGroup();
    const TColor top = group != nullptr ? group->GradientBaseColor() : clBtnFace;
    const TColor bottom = group != nullptr ? group->GradientColor() : clBtnShadow;
    for (int y = header.Top; y < header.Bottom; ++y) {
        canvas->Pen()->SetColor(Blend(top, bottom, y - header.Top, header.Height() - 1));
        canvas->MoveTo(header.Left, y);
        canvas->LineTo(header.Right, y);
    }
    canvas->Font()->Assign(group != nullptr ? *group->HeaderFont() : *Font());
    canvas->Brush()->SetStyle(bsClear);
    TRect textRect = header;
    textRect.Left += 6;
    textRect.Right -= header.Height();
    canvas->DrawText(Caption(), textRect,
                     DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    PaintChevron(header);
}

void TCategoryPanel::PaintChevron(const TRect& header) {
    const TCategoryPanelGroup* group = PanelGroup();
    TColor color = clBlack;
    if (group != nullptr)
        color = FHot ? group->ChevronHotColor() : group->ChevronColor();
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetColor(color);
    canvas->Pen()->SetWidth(2);
    // Two strokes pointing up on an expanded panel (it collapses), down on a collapsed one.
    const int cx = header.Right - header.Height() / 2;
    const int cy = (header.Top + header.Bottom) / 2;
    const int dy = FCollapsed ? 2 : -2;
    for (int offset : {-3, 2}) {
        const int y = cy + (FCollapsed ? offset : -offset);
        canvas->Polyline({{cx - 4, y - dy}, {cx, y + dy}, {cx + 4, y - dy}});
    }
    canvas->Pen()->SetWidth(1);
}

void TCategoryPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && HeaderRect().Contains(Point(X, Y)))
        SetCollapsed(!FCollapsed);
}

void TCategoryPanel::MouseMove(TShiftState Shift, int X, int Y) {
    SetHot(HeaderRect().Contains(Point(X, Y)));
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCategoryPanel::MouseLeave() {
    SetHot(false);
    TCustomControl::MouseLeave();
}

void TCategoryPanel::SetHot(bool value) {
    if (value == FHot)
        return;
    FHot = value;
    InvalidateRect(HeaderRect());
}

TCategoryPanelGroup::TCategoryPanelGroup(TComponent* AOwner)
    : TScrollingWinControl(AOwner), FHeaderFont(std::make_unique<TFont>()) {
    FHeaderFont->Assign(*Font());
    FHeaderFont->SetStyle(FHeaderFont->Style() << fsBold);
    FHeaderFont->OnChange = [this](TObject*) { InvalidatePanels(); };
    HorzScrollBar()->SetVisible(false);
    VertScrollBar()->SetTracking(true);
    SetAutoScroll(false);
    SetBounds(0, 0, 200, 400);
}

TCategoryPanelGroup::~TCategoryPanelGroup() {
    FHeaderFont->OnChange = nullptr;
}

std::vector<TCategoryPanel*> TCategoryPanelGroup::Panels() const {
    SyncOrder();
    return FOrder;
}

void TCategoryPanelGroup::SyncOrder() const {
    std::vector<TCategoryPanel*> children;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* panel = dynamic_cast<TCategoryPanel*>(Controls(i)))
            children.push_back(panel);
    // Compared as pointers only: a panel that left may be gone already.
    std::erase_if(FOrder, [&](TCategoryPanel* panel) {
        return std::find(children.begin(), children.end(), panel) == children.end();
    });
    for (TCategoryPanel* panel : children)
        if (std::find(FOrder.begin(), FOrder.end(), panel) == FOrder.end())
            FOrder.push_back(panel);
}

void TCategoryPanelGroup::MovePanel(TCategoryPanel* panel, int top) {
    SyncOrder();
    std::erase(FOrder, panel);
    auto before = std::find_if(FOrder.begin(), FOrder.end(), [top](const TCategoryPanel* other) {
        return other->Visible() && other->Top() >= top;
    });
    FOrder.insert(before, panel);
}

void TCategoryPanelGroup::SetHeaderHeight(int value) {
    FHeaderHeight = std::max(value, 0);
    // Each panel's collapsed height and surface follow the header.
    for (TCategoryPanel* panel : Panels()) {
        panel->Realign();
        panel->Invalidate();
    }
    Realign();
}

void TCategoryPanelGroup::SetGradientBaseColor(TColor value) {
    FGradientBaseColor = value;
    InvalidatePanels();
}

void TCategoryPanelGroup::SetGradientColor(TColor value) {
    FGradientColor = value;
    InvalidatePanels();
}

void TCategoryPanelGroup::SetChevronColor(TColor value) {
    FChevronColor = value;
    InvalidatePanels();
}

void TCategoryPanelGroup::SetChevronHotColor(TColor value) {
    FChevronHotColor = value;
    InvalidatePanels();
}

void TCategoryPanelGroup::CollapseAll() {
    for (TCategoryPanel* panel : Panels())
        panel->Collapse();
}

void TCategoryPanelGroup::ExpandAll() {
    for (TCategoryPanel* panel : Panels())
        panel->Expand();
}

void TCategoryPanelGroup::InvalidatePanels() {
    for (TCategoryPanel* panel : Panels())
        panel->Invalidate();
}

void TCategoryPanelGroup::AlignControls(TControl* control, TRect& rect) {
    std::vector<TCategoryPanel*> shown = Panels();
    std::erase_if(shown, [](const TCategoryPanel* panel) { return !panel->Visible(); });
    int total = 0;
    for (const TCategoryPanel* panel : shown)
        total += panel->Collapsed() ? HeaderHeight() : panel->ExpandedHeight();
    // The range decides whether the scroll bar shows, which decides the panels' width.
    VertScrollBar()->SetRange(total);
    int top = -VertScrollBar()->Position();
    for (TCategoryPanel* panel : shown) {
        panel->Place(0, top, ClientWidth());
        top += panel->Height();
    }
}

void TCategoryPanelGroup::ScrollBy(int, int) {
    Realign();
}
