#pragma once

#include "platform/ui/Object.h"

#include <memory>
#include <vector>

class TWinControl;

// A control embedded in one cell; the item does not own the control.
class TControlItem : public TObject {
public:
    TControlItem(int X, int Y, TObject* AObject) : FX(X), FY(Y), FObject(AObject) {}

    int X() const { return FX; }
    int Y() const { return FY; }
    TObject* Control() const { return FObject; }

private:
    int FX;
    int FY;
    TObject* FObject;
};

// The controls embedded in a grid's cells. Owns its items, never their controls.
class TControlList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    void AddControl(int X, int Y, TObject* AObject);
    // Index of the first item of that cell, or -1.
    int ControlIndex(int X, int Y) const;
    // Index errors throw Exception.
    TControlItem* Control(int i) const;
    void RemoveControl(int i);
    // On this platform a windowed control is its own window handle.
    bool HasHandle(const TWinControl* Handle) const;

private:
    std::vector<std::unique_ptr<TControlItem>> FItems;
};
