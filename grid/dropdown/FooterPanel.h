#pragma once

#include "grid/dropdown/DropDownBar.h"

#include <memory>

class TDropDownForm;
class TFooterAppearance;

// The bar below a popup's hosted control. A button with a closing modal result closes the popup;
// a size grip in the bottom-right corner resizes the popup it stands in.
class TExFooter : public TDropDownBar {
public:
    explicit TExFooter(TComponent* AOwner);
    ~TExFooter() override;

    TFooterAppearance* Appearance() const { return FAppearance.get(); }
    // Copies the value; Visible and Height follow at once.
    void SetAppearance(const TFooterAppearance& Value);
    TButtonCollectionBase* Buttons() const override;
    // Inset by 2 on every side, and 12 more on the right beside a visible size grip.
    TRect GetButtonArea() const override;
    // The appearance asks for a grip, and the attached drop-down's popup can be sized.
    bool SizeGripVisible() const;
    void DrawSizeGrip(const TRect& G);

protected:
    TDropDownStripAppearance& StripAppearance() const override;
    void CopyAppearanceFrom(TDropDownBarHost& DropDown) override;
    const THeaderButton* ButtonItem(int Index) const override;
    void PrepareButton(TExButton* Button, const THeaderButton& Item) override;
    void FireButtonClick(int ButtonIndex) override;
    // Along the top; with the whole frame also left, bottom and right.
    void DrawBorderLines(const TRect& R, bool WholeFrame) override;
    TRect InnerEdgeRect(const TRect& R) const override;
    void PaintExtras(const TRect& R) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    bool InGripCorner(int X, int Y) const;
    void RestoreCursor();
    // The popup the footer sizes; nullptr outside one.
    TDropDownForm* Popup() const;
    bool Sizing() const;

    std::unique_ptr<TFooterAppearance> FAppearance;
    TCursor FOldCursor = crDefault;
};
