#include "platform/ui/PageControl.h"

#include "platform/core/Exception.h"
#include "platform/ui/Canvas.h"

#include <algorithm>

namespace {

constexpr int TabPadding = 8;
constexpr int TabsLeft = 2;
constexpr int TabsTop = 2;

} // namespace

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {
    SetControlStyle(ControlStyle() << csAcceptsControls);
    SetVisible(false);
}

TTabSheet::~TTabSheet() {
    if (FPageControl != nullptr)
        FPageControl->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* value) {
    SetParent(value);
}

void TTabSheet::SetParent(TWinControl* AParent) {
    if (FPageControl != nullptr && AParent != FPageControl)
        FPageControl->RemovePage(this);
    TWinControl::SetParent(AParent);
    auto* pageControl = dynamic_cast<TPageControl*>(AParent);
    if (pageControl != nullptr && pageControl != FPageControl)
        pageControl->InsertPage(this);
}

int TTabSheet::PageIndex() const {
    if (FPageControl == nullptr)
        return -1;
    const auto& pages = FPageControl->FPages;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int value) {
    if (FPageControl != nullptr)
        FPageControl->MovePage(this, value);
}

int TTabSheet::TabIndex() const {
    if (FPageControl == nullptr || !FTabVisible)
        return -1;
    const std::vector<TTabSheet*> shown = FPageControl->ShownTabs();
    return static_cast<int>(std::find(shown.begin(), shown.end(), this) - shown.begin());
}

void TTabSheet::SetTabVisible(bool value) {
    if (value == FTabVisible)
        return;
    FTabVisible = value;
    if (FPageControl != nullptr)
        FPageControl->TabVisibilityChanged(this);
}

void TTabSheet::SetText(const std::string& value) {
    TWinControl::SetText(value);
    if (FPageControl != nullptr)
        FPageControl->Invalidate();
}

TPageControl::TPageControl(TComponent* AOwner) : TCustomControl(AOwner) {
    SetControlStyle(ControlStyle() << csAcceptsControls);
    SetTabStop(true);
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl() {
    // The pages go with their parent after this; they need not leave it one by one.
    for (TTabSheet* page : FPages)
        page->FPageControl = nullptr;
    FPages.clear();
    FActivePage = nullptr;
}

TTabSheet* TPageControl::Pages(int index) const {
    if (index < 0 || index >= PageCount())
        throw Exception("Page index out of bounds (" + std::to_string(index) + ")");
    return FPages[static_cast<size_t>(index)];
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page != nullptr && page->FPageControl != this)
        return;
    ChangeActivePage(page);
}

int TPageControl::ActivePageIndex() const {
    return FActivePage != nullptr ? FActivePage->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int value) {
    SetActivePage(value >= 0 && value < PageCount() ? FPages[static_cast<size_t>(value)] : nullptr);
}

int TPageControl::TabIndex() const {
    return FActivePage != nullptr ? FActivePage->TabIndex() : -1;
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward,
                                      bool checkTabVisible) const {
    const int count = PageCount();
    if (count == 0)
        return nullptr;
    int start = current != nullptr ? current->PageIndex() : -1;
    if (start < 0 || start >= count)
        start = goForward ? count - 1 : 0;
    int i = start;
    do {
        i = goForward ? (i + 1) % count : (i + count - 1) % count;
        TTabSheet* page = FPages[static_cast<size_t>(i)];
        if (!checkTabVisible || page->TabVisible())
            return page;
    } while (i != start);
    return nullptr;
}

void TPageControl::SelectNextPage(bool goForward, bool checkTabVisible) {
    UserSelect(FindNextPage(FActivePage, goForward, checkTabVisible));
}

int TPageControl::TabHeight() const {
    Canvas()->Font()->Assign(*Font());
    return Canvas()->TextHeight("Ag") + 6;
}

std::vector<TTabSheet*> TPageControl::ShownTabs() const {
    std::vector<TTabSheet*> shown;
    for (TTabSheet* page : FPages)
        if (page->TabVisible())
            shown.push_back(page);
    return shown;
}

TRect TPageControl::TabRect(int tabIndex) const {
    const std::vector<TTabSheet*> shown = ShownTabs();
    if (tabIndex < 0 || tabIndex >= static_cast<int>(shown.size()))
        return {};
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(*Font());
    int left = TabsLeft;
    for (int i = 0;; ++i) {
        const int width =
            canvas->TextWidth(shown[static_cast<size_t>(i)]->Caption()) + 2 * TabPadding;
        if (i == tabIndex)
            return Bounds(left, TabsTop, width, TabHeight());
        left += width;
    }
}

int TPageControl::IndexOfTabAt(int X, int Y) const {
    const int count = static_cast<int>(ShownTabs().size());
    for (int i = 0; i < count; ++i)
        if (TabRect(i).Contains(Point(X, Y)))
            return i;
    return -1;
}

TRect TPageControl::DisplayRect() const {
    const int frameTop = TabsTop + TabHeight();
    return Rect(4, frameTop + 4, std::max(Width() - 4, 4), std::max(Height() - 4, frameTop + 4));
}

void TPageControl::Paint() {
    TCanvas* canvas = Canvas();
    const int frameTop = TabsTop + TabHeight();
    canvas->Pen()->SetColor(clBtnShadow);
    canvas->Brush()->SetColor(Color());
    canvas->Rectangle(0, frameTop, Width(), Height());
    canvas->Font()->Assign(*Font());
    const std::vector<TTabSheet*> shown = ShownTabs();
    int activeTab = -1;
    for (int i = 0; i < static_cast<int>(shown.size()); ++i) {
        if (shown[static_cast<size_t>(i)] == FActivePage) {
            activeTab = i;
            continue;
        }
        TRect r = TabRect(i);
        r.Top += 2;
        canvas->Brush()->SetColor(clBtnFace);
        canvas->Rectangle(r.Left, r.Top, r.Right, r.Bottom + 1);
        canvas->Brush()->SetStyle(bsClear);
        canvas->DrawText(shown[static_cast<size_t>(i)]->Caption(), r,
                         DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    if (activeTab < 0)
        return;
    // The active tab stands out and merges with the page below it.
    TRect r = TabRect(activeTab);
    InflateRect(r, 2, 0);
    canvas->Brush()->SetColor(Color());
    canvas->Rectangle(r.Left, r.Top, r.Right, r.Bottom + 1);
    canvas->Pen()->SetColor(Color());
    canvas->MoveTo(r.Left + 1, r.Bottom);
    canvas->LineTo(r.Right - 1, r.Bottom);
    canvas->Brush()->SetStyle(bsClear);
    canvas->DrawText(FActivePage->Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    // Shows keyboard users that the arrow keys now turn the pages.
    if (Focused())
        canvas->DrawFocusRect(Rect(r.Left + 3, r.Top + 3, r.Right - 3, r.Bottom - 2));
}

void TPageControl::WndProc(TMessage& Message) {
    TCustomControl::WndProc(Message);
    if (Message.Msg == WM_GETDLGCODE)
        Message.Result |= DLGC_WANTARROWS;
    else if (Message.Msg == CM_FONTCHANGED)
        Realign(); // the tab row's height follows the font
    else if (Message.Msg == CM_ENTER || Message.Msg == CM_EXIT)
        Invalidate(); // the focus mark on the active tab
}

void TPageControl::AlignControls(TControl* control, TRect& rect) {
    rect = DisplayRect();
    for (TTabSheet* page : FPages)
        page->SetBoundsRect(rect);
    TCustomControl::AlignControls(control, rect);
}

void TPageControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        const int tab = IndexOfTabAt(X, Y);
        if (tab >= 0) {
            if (CanFocus())
                SetFocus();
            UserSelect(ShownTabs()[static_cast<size_t>(tab)]);
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TPageControl::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == VK_LEFT || Key == VK_UP) {
        SelectNextPage(false);
        Key = 0;
    } else if (Key == VK_RIGHT || Key == VK_DOWN) {
        SelectNextPage(true);
        Key = 0;
    }
}

bool TPageControl::CanChange() {
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    return allow;
}

void TPageControl::Change() {
    if (OnChange)
        OnChange(this);
}

void TPageControl::UserSelect(TTabSheet* page) {
    if (page == nullptr || page == FActivePage || !CanChange())
        return;
    ChangeActivePage(page);
    Change();
}

void TPageControl::ChangeActivePage(TTabSheet* page) {
    if (page == FActivePage)
        return;
    TTabSheet* previous = FActivePage;
    FActivePage = page;
    if (page != nullptr) {
        page->SetBoundsRect(DisplayRect());
        page->SetVisible(true);
        page->BringToFront();
        if (page->OnShow)
            page->OnShow(page);
    }
    if (previous != nullptr) {
        previous->SetVisible(false);
        if (previous->OnHide)
            previous->OnHide(previous);
    }
    Invalidate();
}

void TPageControl::InsertPage(TTabSheet* page) {
    FPages.push_back(page);
    page->FPageControl = this;
    page->SetBoundsRect(DisplayRect());
    // A page control always shows a page when it has one with a tab.
    if (FActivePage == nullptr && page->TabVisible())
        ChangeActivePage(page);
    Invalidate();
}

void TPageControl::RemovePage(TTabSheet* page) {
    TTabSheet* next = nullptr;
    if (page == FActivePage) {
        next = FindNextPage(page, true, true);
        if (next == page)
            next = nullptr;
    }
    std::erase(FPages, page);
    page->FPageControl = nullptr;
    if (page == FActivePage) {
        FActivePage = nullptr;
        page->SetVisible(false);
        ChangeActivePage(next);
    }
    Invalidate();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
    std::erase(FPages, page);
    index = std::clamp(index, 0, PageCount());
    FPages.insert(FPages.begin() + index, page);
    Invalidate();
}

void TPageControl::TabVisibilityChanged(TTabSheet* page) {
    if (page == FActivePage && !page->TabVisible()) {
        TTabSheet* next = FindNextPage(page, true, true);
        ChangeActivePage(next == page ? nullptr : next);
    } else if (FActivePage == nullptr && page->TabVisible()) {
        ChangeActivePage(page);
    }
    Invalidate();
}
