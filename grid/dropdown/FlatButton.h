#pragma once

#include "grid/dropdown/DropDownCloser.h"
#include "platform/ui/Control.h"
#include "platform/ui/Types.h"

class TExButtonAppearance;
class TImageList;

enum TExButtonState { absUp, absDisabled, absDown, absDropDown, absExclusive };

// The flat push button of a popup's header and footer bars. Its colours come from an appearance
// it shares with its drop-down; a button with a closing modal result closes the popup.
class TExButton : public TCustomControl {
public:
    explicit TExButton(TComponent* AOwner);
    ~TExButton() override;

    // Shared, not owned; without an appearance the button paints nothing and keeps its size.
    TExButtonAppearance* Appearance() const { return FAppearance; }
    void SetAppearance(TExButtonAppearance* Value) { FAppearance = Value; }
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* List) { FImages = List; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    // nullptr for header buttons, which never close the popup.
    void SetExDropDown(TDropDownCloser* DropDown) { FExDropDown = DropDown; }

    // Sizes the button to its caption and image.
    void SizeToContent();
    // Gives the modal result to the form and, for a closing result, closes the popup; fires
    // OnClick unless a key ran it.
    void Click() override;
    virtual void DrawButton(TCanvas* ACanvas);

    TExButtonState State() const { return FState; }
    bool MouseInControl() const { return FMouseInControl; }
    bool MouseDownInControl() const { return FMouseDownInControl; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;

private:
    void SetState(TExButtonState Value);

    bool FDown = false;
    bool FMouseInControl = false;
    bool FHot = false;
    TExButtonState FState = absUp;
    bool FMouseDownInControl = false;
    bool FDragging = false;
    bool FInternalClick = false;
    TExButtonAppearance* FAppearance = nullptr;
    TImageList* FImages = nullptr;
    int FImageIndex = -1;
    TModalResult FModalResult = mrNone;
    TDropDownCloser* FExDropDown = nullptr;
};
