#pragma once

#include "platform/ui/Colors.h"
#include "platform/ui/Object.h"

#include <memory>
#include <string>

class TButtonCollectionBase;
class TComponent;
class TFont;

enum TGradientDirection { gdHorizontal, gdVertical };
enum TButtonAlignment { baLeft, baRight };

// What the header and footer strips of a drop-down popup share: colours, caption, font, size,
// border, image and a button collection of the strip's own class. Only a change of Visible fires
// OnChange; a change reported by the buttons fires OnButtonsChanged.
class TDropDownStripAppearance : public TObject {
public:
    ~TDropDownStripAppearance() override;

    TComponent* GetOwner() const { return FOwner; }

    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value) { FColorTo = Value; }
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value) { FCaption = Value; }
    TFont* Font() const { return FFont.get(); }
    // Copies the font into the strip's own.
    void SetFont(const TFont* Value);
    TGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TGradientDirection Value) { FGradientDirection = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    int Height() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { FBorderColor = Value; }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value) { FBorderWidth = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    TButtonAlignment ButtonAlignment() const { return FButtonAlignment; }
    void SetButtonAlignment(TButtonAlignment Value) { FButtonAlignment = Value; }

    TNotifyEvent OnChange;
    TNotifyEvent OnButtonsChanged;

protected:
    // FontName empty: the platform's default font.
    TDropDownStripAppearance(TComponent* AOwner, std::unique_ptr<TButtonCollectionBase> Buttons,
                             const std::string& FontName);
    TButtonCollectionBase* ButtonCollection() const { return FButtons.get(); }
    // Every shared property (Visible through its setter, so OnChange fires on a change) and the
    // buttons.
    void CopyFrom(const TDropDownStripAppearance& Source);
    void CopyColorsFrom(const TDropDownStripAppearance& Source);

private:
    TComponent* FOwner;
    std::unique_ptr<TButtonCollectionBase> FButtons;
    TColor FColor = clSilver;
    TColor FColorTo = clWhite;
    std::string FCaption;
    std::unique_ptr<TFont> FFont;
    TGradientDirection FGradientDirection = gdVertical;
    bool FVisible = true;
    int FHeight = 22;
    TColor FBorderColor = clBlack;
    int FBorderWidth = 1;
    int FImageIndex = -1;
    TButtonAlignment FButtonAlignment = baRight;
};
