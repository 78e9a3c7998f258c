#pragma once

// What a button on a popup's footer may ask of the drop-down it belongs to: to close the popup.
class TDropDownCloser {
public:
    virtual ~TDropDownCloser() = default;
    virtual void DoHideDropDown(bool Cancelled) = 0;
};
