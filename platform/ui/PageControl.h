#pragma once

#include "platform/ui/Control.h"

#include <functional>
#include <vector>

class TPageControl;

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

// One page of a page control; its caption is the tab's text. Giving it a page control as
// parent (SetPageControl or SetParent) adds it as the last page.
class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* value);
    void SetParent(TWinControl* AParent) override;
    // The position among all pages; writing it moves the page.
    int PageIndex() const;
    void SetPageIndex(int value);
    // The position among the shown tabs, -1 when the tab is hidden.
    int TabIndex() const;
    bool TabVisible() const { return FTabVisible; }
    // Hiding the active page's tab makes the next page with a tab the active one.
    void SetTabVisible(bool value);

    void SetText(const std::string& value) override;

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

private:
    friend class TPageControl;

    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
};

// Pages with a row of tabs on top; only the active page shows. The user changes pages by
// clicking a tab or with the arrow keys while the control has the focus: OnChanging may refuse,
// then OnChange fires. Changes made by the program fire neither.
class TPageControl : public TCustomControl {
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(FPages.size()); }
    // An index outside the pages throws Exception.
    TTabSheet* Pages(int index) const;
    TTabSheet* ActivePage() const { return FActivePage; }
    // nullptr, or a page of this control.
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int value);
    // The active page's position among the shown tabs, -1 for none.
    int TabIndex() const;
    // The next (or previous) page with a tab after the given one, wrapping around; nullptr when
    // no page has a tab.
    TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const;
    void SelectNextPage(bool goForward, bool checkTabVisible = true);

    int TabHeight() const;
    // A shown tab's rectangle, by its position among the shown tabs.
    TRect TabRect(int tabIndex) const;
    // The shown tab at a point, -1 for none.
    int IndexOfTabAt(int X, int Y) const;
    // Where the pages go.
    TRect DisplayRect() const;

    // The tabs take the arrow keys; the pages follow the tab row's height.
    void WndProc(TMessage& Message) override;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    void Paint() override;
    void AlignControls(TControl* control, TRect& rect) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    virtual bool CanChange();
    virtual void Change();

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void MovePage(TTabSheet* page, int index);
    void TabVisibilityChanged(TTabSheet* page);
    // Activates the page, showing it and hiding the one before.
    void ChangeActivePage(TTabSheet* page);
    // A change asked for by the user: OnChanging may refuse it; OnChange follows.
    void UserSelect(TTabSheet* page);
    std::vector<TTabSheet*> ShownTabs() const;

    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
};
