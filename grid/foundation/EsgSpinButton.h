#pragma once

#include "grid/foundation/ExTimerSpeedButton.h"
#include "platform/ui/Control.h"

class TBitmap;

enum TSpinDirection { spVertical, spHorizontal };

// A pair of arrow buttons, up above down (spVertical) or down left of up (spHorizontal). A click
// of an arrow fires OnUpClick or OnDownClick; a held arrow repeats. Pressing an arrow gives the
// focus to FocusControl (the edit the buttons step); with TabStop the pair takes the focus
// itself, marks the focused arrow, and answers Space, Up and Down.
class TEsgSpinButton : public TWinControl {
public:
    explicit TEsgSpinButton(TComponent* AOwner);
    ~TEsgSpinButton() override;

    TExTimerSpeedButton* UpButton() const { return FUpButton; }
    TExTimerSpeedButton* DownButton() const { return FDownButton; }
    // The arrow with the keyboard mark.
    TExTimerSpeedButton* FocusedButton() const { return FFocusedButton; }

    TSpinDirection Direction() const { return FDirection; }
    void SetDirection(TSpinDirection value);
    // nullptr gives the arrow its built-in glyph back.
    TBitmap* UpGlyph() const { return FUpButton->Glyph(); }
    void SetUpGlyph(const TBitmap* value);
    TBitmap* DownGlyph() const { return FDownButton->Glyph(); }
    void SetDownGlyph(const TBitmap* value);
    int UpNumGlyphs() const { return FUpButton->NumGlyphs(); }
    void SetUpNumGlyphs(int value) { FUpButton->SetNumGlyphs(value); }
    int DownNumGlyphs() const { return FDownButton->NumGlyphs(); }
    void SetDownNumGlyphs(int value) { FDownButton->SetNumGlyphs(value); }
    // The control must outlive the buttons or be cleared first.
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* value) { FFocusControl = value; }
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value);

    // Arrow colours; clNone (the default) leaves the arrows to the style.
    TColor ButtonColor = clNone;
    TColor ButtonColorHot = clNone;
    TColor ButtonColorDown = clNone;
    TColor ButtonBorderColor = clNone;
    TColor ButtonTextColor = clNone;
    TColor ButtonTextColorHot = clNone;
    TColor ButtonTextColorDown = clNone;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void WndProc(TMessage& Message) override;

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;

private:
    void ArrowClick(TObject* Sender);
    void ArrowMouseDown(TObject* Sender, TMouseButton Button);
    void SetFocusedButton(TExTimerSpeedButton* button);
    void MarkFocusedButton(bool focused);

    TExTimerSpeedButton* FUpButton = nullptr;
    TExTimerSpeedButton* FDownButton = nullptr;
    TExTimerSpeedButton* FFocusedButton = nullptr;
    TWinControl* FFocusControl = nullptr;
    TSpinDirection FDirection = spVertical;
    bool FIsWinXP = false;
};

// The built-in 9 x 6 arrow glyphs: a black triangle on a background taken as transparent.
void LoadSpinGlyph(TBitmap* glyph, bool up);
