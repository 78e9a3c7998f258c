#pragma once

#include "platform/ui/Form.h"

#include <cstdint>

class TDropDownFormClient;
class TExCustomDropDown;
class TExFooter;
class TExHeader;

// The borderless top-most popup of a drop-down edit. It paints the edit's popup colours and
// border, hosts the header and footer bars, closes the drop-down when the user leaves it (a click
// elsewhere, another window or application activated; not when a window the popup owns takes
// over), and can be sized from the footer's size grip.
class TDropDownForm : public TForm {
public:
    explicit TDropDownForm(TComponent* AOwner);
    ~TDropDownForm() override;

    // Milliseconds on a steady clock when the popup last lost the user while visible; 0 before.
    uint64_t DeActivateTime() const { return FDeActivate; }
    bool Shadow() const { return FShadow; }
    void SetShadow(bool Value) { FShadow = Value; }
    TExCustomDropDown* ExDropDown() const { return FExDropDown; }
    void SetExDropDown(TExCustomDropDown* Value) { FExDropDown = Value; }
    bool Sizeable() const { return FSizeable; }
    void SetSizeable(bool Value) { FSizeable = Value; }
    bool CancelOnDeActivate() const { return FCancelOnDeActivate; }
    void SetCancelOnDeActivate(bool Value) { FCancelOnDeActivate = Value; }
    bool BlockActivate() const { return FBlockActivate; }
    void SetBlockActivate(bool Value) { FBlockActivate = Value; }

    // Where the hosted control, header and footer go: the popup inside its border.
    TWinControl* ClientArea() const;
    // Makes or refreshes the header and footer bars.
    void InitializeAndUpdate();
    // nullptr until the first opening that shows the bar.
    TExHeader* Header() const { return FHeader; }
    TExFooter* Footer() const { return FFooter; }
    // The width that shows both bars' captions and buttons whole.
    int BarsWidth() const;
    void UpdateSize() {}
    // The user left the popup: hides it, through the drop-down when there is one.
    void DeActivated();
    // Starts sizing the popup from a mouse press at the screen point on the footer's size grip;
    // mouse moves of the pressed grip go on with SizeTo.
    void BeginSizing(TPoint ScreenPoint);
    void SizeTo(TPoint ScreenPoint);
    void EndSizing() { FSizing = false; }
    bool Sizing() const { return FSizing; }

    // Fired while the user sizes the popup.
    TNotifyEvent OnSizing;

protected:
    void WndProc(TMessage& Message) override;

private:
    TDropDownFormClient* FClient = nullptr;
    TExHeader* FHeader = nullptr; // owned as components
    TExFooter* FFooter = nullptr;
    uint64_t FDeActivate = 0;
    bool FShadow = true;
    TExCustomDropDown* FExDropDown = nullptr;
    bool FSizeable = false;
    bool FCancelOnDeActivate = true;
    bool FBlockActivate = false;
    bool FSizing = false;
    TPoint FSizingFrom{};
    TSize FSizingStart{};
};

// Milliseconds on a steady clock, the time base of DeActivateTime.
uint64_t DropDownTickCount();
