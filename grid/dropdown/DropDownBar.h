#pragma once

#include "grid/dropdown/DbgList.h"
#include "platform/ui/Control.h"

#include <functional>
#include <string>

class TButtonCollectionBase;
class TDropDownBarHost;
class TDropDownStripAppearance;
class TExButton;
class THeaderButton;
class TImageList;

using TDrawBackGroundEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect)>;
using TGetTextEvent = std::function<void(TObject* Sender, std::string& Text)>;

// What the header and the footer bar of a popup share: a background, an optional border, image
// and mini-HTML caption, and one flat button per item of the drop-down's button collection.
class TDropDownBar : public TCustomControl {
public:
    ~TDropDownBar() override;

    // Takes the drop-down's images and a copy of its bar appearance; nullptr detaches.
    void SetExDropDown(TDropDownBarHost* DropDown);
    TDropDownBarHost* ExDropDown() const { return FExDropDown; }
    void BuildButtons();
    // Rebuilds the buttons from the drop-down's collection as it is now.
    virtual void CreateButtons();
    virtual void ClearButtons();
    virtual void ArrangeButtons();
    // Takes captions, images and enabled states of the items again without rebuilding.
    virtual void RefreshButtons();
    // Visible and Height from the appearance copy.
    void AppearanceChanged();

    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* Value) { FImages = Value; }
    // The drop-down's button collection; nullptr while none is attached.
    virtual TButtonCollectionBase* Buttons() const = 0;
    int ButtonCount() const { return FButtonList.Count(); }
    TExButton* Button(int Index) const;
    virtual TRect GetButtonArea() const = 0;
    // The width that shows the image, the whole caption and every button; 0 while hidden.
    int ContentWidth();

    // Replaces the whole painting when assigned.
    TDrawBackGroundEvent OnDrawBackGround;
    // May change the caption before it is drawn.
    TGetTextEvent OnGetText;

protected:
    explicit TDropDownBar(TComponent* AOwner);
    virtual TDropDownStripAppearance& StripAppearance() const = 0;
    virtual void CopyAppearanceFrom(TDropDownBarHost& DropDown) = 0;
    virtual const THeaderButton* ButtonItem(int Index) const = 0;
    // Footer buttons close the popup with their modal result; header buttons do not.
    virtual void PrepareButton(TExButton* Button, const THeaderButton& Item) {}
    virtual void FireButtonClick(int ButtonIndex) = 0;
    // The border lines around R; WholeFrame when the popup draws no frame of its own.
    virtual void DrawBorderLines(const TRect& R, bool WholeFrame) = 0;
    virtual TRect InnerEdgeRect(const TRect& R) const = 0;
    // Drawn last, whether or not there was a caption.
    virtual void PaintExtras(const TRect& R) {}
    void Line(int X1, int Y1, int X2, int Y2);
    void Paint() override;
    void Resize() override;

private:
    void ButtonClick(TObject* Sender);
    void PaintCaption(TRect T);

    TImageList* FImages = nullptr;
    TDropDownBarHost* FExDropDown = nullptr;
    TDbgList FButtonList;
};
