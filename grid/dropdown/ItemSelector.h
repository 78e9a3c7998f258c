#pragma once

#include "grid/dropdown/CollectionItem.h"
#include "grid/dropdown/SelectionColorStyle.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Control.h"
#include "platform/ui/ScrollBox.h"
#include "platform/ui/Types.h"

#include <functional>
#include <memory>
#include <string>

class TExCustomItemSelector;
class TFont;
class TImageList;
class TPicture;

// Keys whose code types a character of an item's caption into a key search: letters (as upper
// case), digits and the space; navigation and control keys type nothing.
bool IsItemSearchKey(WORD Key);

// The steps through a list of items: to the first or the last item, to the next or the previous.
enum class TListStep { First, Last, Next, Previous };
// The index Step reaches from Current (-1 for none) among Count items: from none, Next and
// Previous reach the first item; -1 when the step cannot move (no items, or at the end).
int ListStepTarget(TListStep Step, int Current, int Count);
// Moves a picker's ItemIndex by one list step; nothing when the step leads nowhere.
template <class TPicker> void StepItemIndex(TPicker& Picker, TListStep Step, int Count) {
    if (const int target = ListStepTarget(Step, Picker.ItemIndex(), Count); target >= 0)
        Picker.SetItemIndex(target);
}

// What the items of a selector show beside their caption.
enum TSelectorType { stImage, stColor };

using TDrawItemEvent =
    std::function<void(TObject* Sender, TCanvas* Canvas, const TRect& R, int Index)>;
// Paints the selected item in a picker's edit, or a popup cell, instead of the picker.
using TOnDrawSelectedItem = std::function<void(TObject* Sender, TCanvas* Canvas, const TRect& R)>;
using TItemSizeEvent = std::function<void(TObject* Sender, TSize& ASize)>;

// One item of a selector: a caption (mini-HTML) with a picture of its own, an image of the
// host's list or a colour box.
class TSelectorItem : public TCollectionItemBase {
public:
    explicit TSelectorItem(TButtonCollectionBase* Collection);
    ~TSelectorItem() override;

    // From another selector item; anything else is ignored.
    void Assign(const TObject* Source);

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    // Preferred over the image index when not empty.
    TPicture* Image() const { return FImage.get(); }
    void SetImage(const TPicture* Value);
    // A disabled item can be neither hot nor selected.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    // The item's cell in panel coordinates, set by the layout.
    const TRect& ItemRect() const { return FRect; }
    void SetItemRect(const TRect& Value) { FRect = Value; }

private:
    std::string FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    TColor FColor = clNone;
    std::unique_ptr<TPicture> FImage;
    TRect FRect{};
    std::string FHint;
};

using TSelectorItems = TButtonCollection<TSelectorItem>;

// The colours and font of the hot and the selected item, with presets per selection style.
class TItemAppearance : public TObject {
public:
    TItemAppearance();
    ~TItemAppearance() override;

    // The colours, the font and the style; a different style loads its preset over the copied
    // colours, the text and hot/selected border colours are copied last.
    void Assign(const TItemAppearance& Source);
    TSelectionColorStyle ColorStyle() const { return FColorStyle; }
    // Loads the style's twelve colours; scCustom keeps them.
    void SetColorStyle(TSelectionColorStyle Value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont& Value);

    TColor ColorMirrorHotTo = clNone;
    TColor BorderColor = clNone;
    TColor ColorMirrorHot = clNone;
    TColor ColorSelectedTo = clNone;
    TColor ColorSelected = clNone;
    TColor EdgeColor = clNone;
    TColor ColorHotTo = clNone;
    TColor BorderColorBottom = clNone;
    TColor ColorHot = clNone;
    TColor BorderColorTop = clNone;
    TColor ColorMirrorSelectedTo = clNone;
    TColor ColorMirrorSelected = clNone;
    TColor ColorSelectedText = 0;
    TColor ColorHotText = 0;
    TColor BorderColorHot = clNone;
    TColor BorderColorSelected = clNone;
    TNotifyEvent OnChange;

private:
    void LoadPreset(TSelectionColorStyle Style);

    TSelectionColorStyle FColorStyle = scCustom;
    std::unique_ptr<TFont> FFont;
};

// The panel inside a selector host: lays the host's items out in its columns, paints them and
// tracks the hot and the selected item. Everything but the state comes from the host.
class TCustomItemSelector : public TCustomControl {
public:
    // AOwner must be a TExCustomItemSelector: throws Exception "Invalid parent".
    explicit TCustomItemSelector(TComponent* AOwner);

    int ItemIndex() const { return FItemIndex; }
    // Indexes outside the items other than -1, and disabled items, are refused. Selecting fires
    // OnItemSelect, also when the index is the selected one.
    void SetItemIndex(int Value);
    int ItemHot() const { return FItemHot; }
    void SetItemHot(int Index);
    TExCustomItemSelector* ExItemSelector() const { return FExItemSelector; }

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // Selects the first item whose plain, trimmed, upper-cased caption starts with S (which the
    // caller passes in upper case); false leaves the selection.
    bool LookupItem(const std::string& S);

    TRect GetItemRect(int Index) const;
    // First item whose cell holds the point, -1 for none.
    int ItemAtPos(int X, int Y) const;

    virtual void DrawItem(int Index, TCanvas* Canvas);
    virtual void GetContentRect(TRect& R) const;
    virtual void GetItemSize(TSize& Size);
    virtual void InvalidateItem(int Index);
    // Lays the cells out and sizes the panel to them; clears the hot item, keeps the selection.
    virtual void UpdateItems();
    void DrawItems(TCanvas* Canvas);

    TNotifyEvent OnItemSelect;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;

private:
    bool IsValidIndex(int Index) const;
    bool IsDisabled(int Index) const;
    TSelectorItem* Item(int Index) const;
    // The size of the image or colour box an item shows.
    TSize GraphicSize(const TSelectorItem& Item) const;
    void DrawCellBackground(int Index, TCanvas* Canvas, const TRect& R);
    void DrawGraphic(const TSelectorItem& Item, TCanvas* Canvas, int X, int Y);
    TSize MeasureCaption(TCanvas* Canvas, const std::string& Caption, const TRect& R) const;

    int FItemIndex = -1;
    int FItemHot = -1;
    int FOffSetX = 2;
    int FOffSetY = 2;
    int FItemOffSetX = 4;
    int FItemOffSetY = 4;
    int FCaptionGap = 4;
    TExCustomItemSelector* FExItemSelector;
};

// The scrolling host of an item selector: owns the items, their appearance and the panel that
// shows them, and keeps the selected or hot item in view. The picker drop-downs put it into
// their popup.
class TExCustomItemSelector : public TScrollingWinControl {
public:
    explicit TExCustomItemSelector(TComponent* AOwner);
    ~TExCustomItemSelector() override;

    TSelectorItems* Items() const { return FItems.get(); }
    void SetItems(const TSelectorItems& Value) { FItems->Assign(&Value); }
    int ItemIndex() const;
    void SetItemIndex(int Value);
    int ItemHot() const;
    TSelectorType SelectorType() const { return FSelectorType; }
    void SetSelectorType(TSelectorType Value);
    // Takes effect at the next UpdateSelectorPanel.
    TItemLayout ItemLayout() const { return FItemLayout; }
    void SetItemLayout(TItemLayout Value) { FItemLayout = Value; }
    int Columns() const { return FColumns; }
    // Below 1 is refused.
    void SetColumns(int Value);
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int Value);
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int Value);
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* Value);
    TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
    void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance->Assign(Value); }
    TCustomItemSelector* SelectorPanel() const { return FItemSelectorPanel; }

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    bool LookupItem(const std::string& S);
    void UpdateSelectorPanel();
    void ScrollItemInView(int Index);
    // Items a page shows: the rows that fit times the columns; 0 when cells have no height.
    int GetVisibleItemCount() const;
    // The index a page down (Down) or up from the selected item reaches, clamped to 0 and
    // LastIndex; -1 when a page holds no whole item.
    int PageStepTarget(bool Down, int LastIndex) const;
    // The panel's size, (100, 50) without one.
    TSize GetPanelSize() const;

    TNotifyEvent OnItemSelect;
    TDrawItemEvent OnDrawItem;
    TItemSizeEvent OnItemSize;

    // Keeps the arrows and every other key: the drop-down that hosts it steps and searches
    // the items with them, and the popup has no other control to move the focus to.
    void WndProc(TMessage& Message) override;

protected:
    void CreateSelectorPanel();
    void Notification(TComponent* AComponent, bool Removing) override;

private:
    // Items added or removed: a selection that no longer names an item is dropped.
    void ItemsChanged();
    void SetLayoutValue(int& Field, int Value);

    std::unique_ptr<TSelectorItems> FItems;
    TSelectorType FSelectorType = stImage;
    TItemLayout FItemLayout = ilCaptionRight;
    int FColumns = 1;
    int FColorBoxWidth = 14;
    int FColorBoxHeight = 14;
    TImageList* FImages = nullptr;
    TCustomItemSelector* FItemSelectorPanel = nullptr; // owned as a component
    std::unique_ptr<TItemAppearance> FItemAppearance;
};
