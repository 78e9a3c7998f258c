#pragma once

#include "grid/dropdown/ExDropDownTypes.h"
#include "platform/ui/SpeedButton.h"

class TDropDownEditButton;

// The face of a drop-down edit's button: the combo-box arrow (bsDropDown) or a push button
// (bsButton), drawn by the running style, in the colours the edit button sets, or classic.
class TExDropDownSpeedButton : public TSpeedButton {
public:
    explicit TExDropDownSpeedButton(TComponent* AOwner);

    bool Etched() const { return FEtched; }
    void SetEtched(bool Value);
    bool Focused() const { return FFocused; }
    void SetFocused(bool Value);
    TButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TButtonStyle Value);
    bool Hot() const { return FHot; }
    // Always draws the released state.
    void SetUp() { FUp = true; }

protected:
    void Paint() override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    TDropDownEditButton* EditButton() const;
    bool Pressed() const;
    void PaintDropDown();
    void PaintPushButton();
    // The arrow keeps its place whatever the button's size.
    void DrawArrow(TColor Color);

    bool FEtched = false;
    bool FFocused = false;
    bool FHot = false;
    bool FUp = false;
    TButtonStyle FButtonStyle = bsButton;
};
