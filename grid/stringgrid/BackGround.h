#pragma once

#include "platform/ui/Colors.h"
#include "platform/ui/Object.h"

#include <memory>

class TBitmap;

enum TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells { bcNormal, bcFixed, bcAll };

// A picture or gradient behind the cells. Every write fires OnChange, which repaints the grid.
class TBackGround : public TObject {
public:
    TBackGround();
    ~TBackGround() override;
    void Assign(const TObject* Source);
    bool IsGradient() const { return FDisplay == bdGradientHorz || FDisplay == bdGradientVert; }

    // Owned; writing copies the image.
    TBitmap* Bitmap() const { return FBitmap.get(); }
    void SetBitmap(const TBitmap* Value);
    // Where a bdFixed bitmap stands, in client coordinates.
    int Left() const { return FLeft; }
    void SetLeft(int Value) { Set(FLeft, Value); }
    int Top() const { return FTop; }
    void SetTop(int Value) { Set(FTop, Value); }
    TBackGroundDisplay Display() const { return FDisplay; }
    void SetDisplay(TBackGroundDisplay Value) { Set(FDisplay, Value); }
    TBackGroundCells Cells() const { return FCells; }
    void SetCells(TBackGroundCells Value) { Set(FCells, Value); }
    // The gradient runs from Color to ColorTo.
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { Set(FColor, Value); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value) { Set(FColorTo, Value); }

    TNotifyEvent OnChange;

private:
    template <typename T> void Set(T& Field, T Value) {
        Field = Value;
        FireEvent(OnChange, this);
    }

    std::unique_ptr<TBitmap> FBitmap;
    int FLeft = 0;
    int FTop = 0;
    TBackGroundDisplay FDisplay = bdTile;
    TBackGroundCells FCells = bcNormal;
    TColor FColor = clWindow;
    TColor FColorTo = clBtnFace;
};
