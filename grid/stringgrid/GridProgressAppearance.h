#pragma once

#include "platform/ui/Colors.h"
#include "platform/ui/Object.h"

enum TProgressStyle { psXP, psClassic };

// The look of the level progress bars of a grid. A setter that changes a value fires OnChange,
// which repaints the grid.
class TGridProgressAppearance : public TObject {
public:
    // Copies every value and fires OnChange once.
    void Assign(const TObject* Source);

    TColor CompleteColor() const { return FCompleteColor; }
    void SetCompleteColor(TColor Value) { Set(FCompleteColor, Value); }
    TColor CompleteFontColor() const { return FCompleteFontColor; }
    void SetCompleteFontColor(TColor Value) { Set(FCompleteFontColor, Value); }
    TColor UnCompleteColor() const { return FUnCompleteColor; }
    void SetUnCompleteColor(TColor Value) { Set(FUnCompleteColor, Value); }
    TColor UnCompleteFontColor() const { return FUnCompleteFontColor; }
    void SetUnCompleteFontColor(TColor Value) { Set(FUnCompleteFontColor, Value); }
    TColor Level0Color() const { return FLevel0Color; }
    void SetLevel0Color(TColor Value) { Set(FLevel0Color, Value); }
    TColor Level0ColorTo() const { return FLevel0ColorTo; }
    void SetLevel0ColorTo(TColor Value) { Set(FLevel0ColorTo, Value); }
    TColor Level1Color() const { return FLevel1Color; }
    void SetLevel1Color(TColor Value) { Set(FLevel1Color, Value); }
    TColor Level1ColorTo() const { return FLevel1ColorTo; }
    void SetLevel1ColorTo(TColor Value) { Set(FLevel1ColorTo, Value); }
    TColor Level2Color() const { return FLevel2Color; }
    void SetLevel2Color(TColor Value) { Set(FLevel2Color, Value); }
    TColor Level2ColorTo() const { return FLevel2ColorTo; }
    void SetLevel2ColorTo(TColor Value) { Set(FLevel2ColorTo, Value); }
    TColor Level3Color() const { return FLevel3Color; }
    void SetLevel3Color(TColor Value) { Set(FLevel3Color, Value); }
    TColor Level3ColorTo() const { return FLevel3ColorTo; }
    void SetLevel3ColorTo(TColor Value) { Set(FLevel3ColorTo, Value); }
    int Level1Perc() const { return FLevel1Perc; }
    void SetLevel1Perc(int Value) { Set(FLevel1Perc, Value); }
    int Level2Perc() const { return FLevel2Perc; }
    void SetLevel2Perc(int Value) { Set(FLevel2Perc, Value); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { Set(FBorderColor, Value); }
    bool ShowBorder() const { return FShowBorder; }
    void SetShowBorder(bool Value) { Set(FShowBorder, Value); }
    bool Stacked() const { return FStacked; }
    void SetStacked(bool Value) { Set(FStacked, Value); }
    bool ShowPercentage() const { return FShowPercentage; }
    void SetShowPercentage(bool Value) { Set(FShowPercentage, Value); }
    bool CompletionSmooth() const { return FCompletionSmooth; }
    void SetCompletionSmooth(bool Value) { Set(FCompletionSmooth, Value); }
    bool ShowGradient() const { return FShowGradient; }
    void SetShowGradient(bool Value) { Set(FShowGradient, Value); }
    int Steps() const { return FSteps; }
    void SetSteps(int Value) { Set(FSteps, Value); }
    TProgressStyle Style() const { return FStyle; }
    void SetStyle(TProgressStyle Value) { Set(FStyle, Value); }

    TNotifyEvent OnChange;

private:
    template <typename T> void Set(T& Field, T Value) {
        if (Field == Value)
            return;
        Field = Value;
        FireEvent(OnChange, this);
    }

    TColor FCompleteColor = clRed;
    TColor FCompleteFontColor = clBlue;
    TColor FUnCompleteColor = clNone;
    TColor FUnCompleteFontColor = clWindowText;
    TColor FLevel0Color = 0x00FF00;
    TColor FLevel0ColorTo = 0xE1FFE1;
    TColor FLevel1Color = 0x00FFFF;
    TColor FLevel1ColorTo = 0xCAFFFF;
    TColor FLevel2Color = 0x53A9FF;
    TColor FLevel2ColorTo = 0xA8D3FF;
    TColor FLevel3Color = 0x0000FF;
    TColor FLevel3ColorTo = 0xCACAFF;
    int FLevel1Perc = 70;
    int FLevel2Perc = 90;
    TColor FBorderColor = clBlack;
    bool FShowBorder = false;
    bool FStacked = false;
    bool FShowPercentage = true;
    bool FCompletionSmooth = true;
    bool FShowGradient = true;
    int FSteps = 11;
    TProgressStyle FStyle = psXP;
};
