#pragma once

#include "grid/dropdown/CollectionItem.h"
#include "grid/dropdown/ColorSelectorPanel.h"
#include "grid/dropdown/SelectionColorStyle.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Types.h"

#include <memory>

// How a box joins the boxes above and below it in a column of shades.
enum TItemPos { ipStandAlone, ipTop, ipMiddle, ipBottom };

class TColorBoxItem : public TCollectionItemBase {
public:
    explicit TColorBoxItem(TButtonCollectionBase* Collection) : TCollectionItemBase(Collection) {}

    // From another colour box item; anything else is ignored.
    void Assign(const TObject* Source);

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TItemPos ColorBoxPos() const { return FColorBoxPos; }
    void SetColorBoxPos(TItemPos Value) { FColorBoxPos = Value; }
    // A disabled box can be neither hot nor selected.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    // Set by the grid's layout.
    const TRect& ItemRect() const { return FRect; }
    void SetItemRect(const TRect& Value) { FRect = Value; }

private:
    TColor FColor = clNone;
    bool FEnabled = true;
    TRect FRect{};
    TItemPos FColorBoxPos = ipStandAlone;
};

using TColorBoxItems = TButtonCollection<TColorBoxItem>;

// Frame colours of the boxes.
class TColorBoxAppearance : public TObject {
public:
    void Assign(const TColorBoxAppearance& Source);

    TColor BorderColor = 0xC5C5C5;
    TColor OuterBorderColorHot = 0x3694F2;
    TColor InnerBorderColorHot = 0x94E2FF;
    TColor OuterBorderColorSelected = 0x0000FF;
    TColor InnerBorderColorSelected = 0x94E2FF;
    TNotifyEvent OnChange;
};

// A grid of small colour boxes in rows, stand-alone or joined into columns of shades, with a hot
// and a selected box; the popup control of the colour picker's discrete style.
class TCustomColorSelector : public TExCustomColorSelectorPanel {
public:
    explicit TCustomColorSelector(TComponent* AOwner);
    ~TCustomColorSelector() override;

    TColorBoxAppearance* ColorBoxAppearance() const { return FColorBoxAppearance.get(); }
    void SetColorBoxAppearance(const TColorBoxAppearance& Value) {
        FColorBoxAppearance->Assign(Value);
    }
    TColorBoxItems* Items() const { return FItems.get(); }
    void SetItems(const TColorBoxItems& Value) { FItems->Assign(&Value); }

    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Index);
    int ItemHot() const { return FItemHot; }
    void SetItemHot(int Index);

    int Columns() const { return FColumns; }
    // Below 1 is refused: a row holds at least one box.
    void SetColumns(int Value);
    int ColumnGap() const { return FColumnGap; }
    void SetColumnGap(int Value);
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int Value);
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int Value);

    TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
    void SetItemColorStyle(TSelectionColorStyle Value);
    TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(TColor Value);

    virtual void GetContentRect(TRect& R) const;
    virtual void GetItemSize(TSize& Size) const;
    // Lays out the boxes and sizes the control to them; clears the hot box.
    virtual void UpdateItems();
    virtual void DrawItem(int Index, TCanvas* ACanvas);
    virtual void InvalidateItem(int Index);

    TRect GetItemRect(int Index) const;
    // Lowest box whose rectangle holds the point, -1 for none.
    int ItemAtPos(int X, int Y) const;
    void DrawItems(TCanvas* ACanvas);

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // Navigation keys of the picker; EditorEnabled and DroppedDown describe the picker.
    void ProcessKey(WORD Key, bool EditorEnabled, bool DroppedDown);
    // Fills the grid with the built-in palette: six rows of ten.
    void SetDefaultColorBoxes();

    TNotifyEvent OnItemSelect;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;

private:
    bool IsValidIndex(int Index) const { return Index >= 0 && Index < FItems->Count(); }
    bool IsSelectable(int Index) const;
    void SetLayoutValue(int& Field, int Value);

    int FItemIndex = -1;
    int FItemHot = -1;
    int FOffSetX = 4;
    int FOffSetY = 4;
    int FColumns = 10;
    int FColumnGap = 4;
    int FColorBoxHeight = 12;
    int FColorBoxWidth = 12;
    std::unique_ptr<TColorBoxAppearance> FColorBoxAppearance;
    std::unique_ptr<TColorBoxItems> FItems;
    TSelectionColorStyle FItemColorStyle = scOffice2007;
    TColor FSelectedColor = clNone;
};
