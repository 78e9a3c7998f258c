#pragma once

#include "grid/dropdown/DropDownBar.h"

#include <memory>

class THeaderAppearance;

// The bar above a popup's hosted control. Its buttons report clicks through the drop-down's
// header-button event and never close the popup.
class TExHeader : public TDropDownBar {
public:
    explicit TExHeader(TComponent* AOwner);
    ~TExHeader() override;

    THeaderAppearance* Appearance() const { return FAppearance.get(); }
    // Copies the value; Visible and Height follow at once.
    void SetAppearance(const THeaderAppearance& Value);
    TButtonCollectionBase* Buttons() const override;
    // Inset by 2 at the left, top and right and by 3 at the bottom.
    TRect GetButtonArea() const override;

protected:
    TDropDownStripAppearance& StripAppearance() const override;
    void CopyAppearanceFrom(TDropDownBarHost& DropDown) override;
    const THeaderButton* ButtonItem(int Index) const override;
    void FireButtonClick(int ButtonIndex) override;
    // Along the bottom; with the whole frame also left, top and right.
    void DrawBorderLines(const TRect& R, bool WholeFrame) override;
    TRect InnerEdgeRect(const TRect& R) const override;

private:
    std::unique_ptr<THeaderAppearance> FAppearance;
};
