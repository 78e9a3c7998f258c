#pragma once

#include "platform/ui/Control.h"

#include <functional>
#include <memory>

enum TUDBtnType { btNext, btPrev };
enum TUDOrientation { udHorizontal, udVertical };
using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;
using TUDChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

// A pair of arrow buttons that step Position between Min and Max; with an associated control
// it sits at that control's right edge and shows Position as its text. A click steps by
// Increment (the upper or right button up, the other down), stopping at the limits or, with
// Wrap, going round; OnChanging may refuse a step, OnClick follows one. The arrow keys step too
// while the buttons have the focus. Before a step the position is read back from the associated
// control's text when that holds a number, so a typed value is where the step starts.
class TUpDown : public TCustomControl {
public:
    explicit TUpDown(TComponent* AOwner);
    ~TUpDown() override;

    TWinControl* Associate() const;
    void SetAssociate(TWinControl* value);
    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int Position() const { return FPosition; }
    // Clamped to Min..Max; shown in the associated control.
    void SetPosition(int value);
    int Increment() const { return FIncrement; }
    void SetIncrement(int value) { FIncrement = value; }
    bool Wrap() const { return FWrap; }
    void SetWrap(bool value) { FWrap = value; }
    // Groups thousands with ',' in the associated control's text.
    bool Thousands() const { return FThousands; }
    void SetThousands(bool value);
    TUDOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TUDOrientation value);

    // Steps as a click on that button does.
    void Step(TUDBtnType button);

    TUDClickEvent OnClick;
    TUDChangingEvent OnChanging;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;

private:
    void ShowPosition();
    void ReadAssociate();
    void PlaceBesideAssociate();

    struct Impl;
    std::unique_ptr<Impl> FImpl;
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FIncrement = 1;
    bool FWrap = false;
    bool FThousands = true;
    TUDOrientation FOrientation = udVertical;
};
