#pragma once

#include "grid/dropdown/ExCustomDropDown.h"

class TTrackBar;

// A whole-number edit whose popup holds a track bar. The edit shows Position in decimal; it is
// not typed into by default: the value moves with the track bar, with Up (lower) and Down
// (higher) by Frequency, and by dragging the mouse sideways over the edit, one step for every
// PageSize pixels of one move.
class TExTrackBarDropDown : public TExCustomDropDown {
public:
    explicit TExTrackBarDropDown(TComponent* AOwner);
    ~TExTrackBarDropDown() override;

    int Min() const { return FMin; }
    // Min and Max take back what the track bar makes of them (it keeps Min <= Max and the
    // position between them).
    void SetMin(int Value);
    int Max() const { return FMax; }
    void SetMax(int Value);
    int Position() const { return FPosition; }
    // Clamped to Min..Max by the track bar.
    void SetPosition(int Value);
    int Frequency() const { return FFrequency; }
    void SetFrequency(int Value);
    int PageSize() const { return FPageSize; }
    void SetPageSize(int Value);
    TTrackBar* TrackBar() const { return FTrackBar; }

    void WndProc(TMessage& Message) override;

    TNotifyEvent OnTrackChange;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    // The track bar moves itself with its own keys; only the others reach the edit.
    void ControlKeyDown(WORD& Key, TShiftState Shift) override;
    void ControlKeyUp(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // A text that is no whole number leaves Position as it is.
    void Change() override;

private:
    void TrackBarChange();
    // Fields back from the track bar after it applied a range or position.
    void TakeTrackBarValues();
    bool DragAllowed() const { return DropDownEnabled() && !EditorEnabled(); }

    TTrackBar* FTrackBar = nullptr; // owned as a component
    int FMin = 0;
    int FFrequency = 1;
    int FPageSize = 2;
    int FMax = 10;
    int FPosition = 0;
    bool FMouseDraging = false;
    int FMouseX = 0;
};
