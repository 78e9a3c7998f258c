#pragma once

#include "platform/ui/Control.h"

#include <memory>

enum TTrackBarOrientation { trHorizontal, trVertical };
// tsAuto marks every Frequency positions, tsManual only the two ends.
enum TTickStyle { tsNone, tsAuto, tsManual };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };

// A thumb moved along a scale from Min to Max. Position always lies in Min..Max; OnChange fires
// once for each change of Position, made by the user or by the program. The keys step as the
// framework's track bar does: Left and Up by -LineSize, Right and Down by +LineSize, Page Up
// and Page Down by PageSize, Home and End to the ends. A click beside the thumb steps PageSize
// towards the click and dragging the thumb moves it. A vertical track bar has Min at the top.
class TTrackBar : public TWinControl {
public:
    explicit TTrackBar(TComponent* AOwner);
    ~TTrackBar() override;

    int Min() const { return FMin; }
    // A Min above Max moves Max up to it (and a Max below Min moves Min down), so the two can
    // be set in either order.
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int Position() const { return FPosition; }
    // Clamped to Min..Max.
    void SetPosition(int value);
    int PageSize() const { return FPageSize; }
    void SetPageSize(int value);
    int LineSize() const { return FLineSize; }
    void SetLineSize(int value);
    int Frequency() const { return FFrequency; }
    void SetFrequency(int value);
    TTrackBarOrientation Orientation() const { return FOrientation; }
    // Turning the bar swaps its width and height.
    void SetOrientation(TTrackBarOrientation value);
    TTickStyle TickStyle() const { return FTickStyle; }
    void SetTickStyle(TTickStyle value);
    TTickMark TickMarks() const { return FTickMarks; }
    void SetTickMarks(TTickMark value);

    TNotifyEvent OnChange;

protected:
    virtual void Changed();
    void KeyDown(WORD& Key, TShiftState Shift) override;

private:
    // Every change of Position, from the program, the keys or the platform slider, ends here.
    void MoveTo(long long value);
    void ApplyRange();
    void ApplyTicks();

    struct Impl;
    std::unique_ptr<Impl> FImpl;
    int FMin = 0;
    int FMax = 10;
    int FPosition = 0;
    int FPageSize = 2;
    int FLineSize = 1;
    int FFrequency = 1;
    TTrackBarOrientation FOrientation = trHorizontal;
    TTickStyle FTickStyle = tsAuto;
    TTickMark FTickMarks = tmBottomRight;
};
