#pragma once

#include "platform/ui/MaskEdit.h"

#include <string>

class TBitmap;
class TEsgEditButton;

// A one-line masked edit with a push button inside its right edge. Pressing the button or F4
// raises OnClickBtn; with EditorEnabled off the text cannot be typed, pasted or cut, so it
// changes only through the button's action (or the program).
class TEsgEditBtn : public TCustomMaskEdit {
public:
    explicit TEsgEditBtn(TComponent* AOwner);
    ~TEsgEditBtn() override;

    // Raises OnClickBtn with Sender: the edit for F4, the button part for a click.
    virtual void DoClickBtn(TObject* Sender);

    TEsgEditButton* Button() const { return FButton; }
    std::string ButtonCaption() const;
    void SetButtonCaption(const std::string& value);
    TBitmap* Glyph() const;
    void SetGlyph(const TBitmap* value);
    // The last width written; 0 until written, whatever the button part's own width.
    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int value);
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool value) { FEditorEnabled = value; }
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value);
    bool RightAlign() const { return FRightAlign; }
    void SetRightAlign(bool value);

    void SetBorderStyle(TBorderStyle value) override;
    void WndProc(TMessage& Message) override;

    TNotifyEvent OnClickBtn;

protected:
    // The character message: it reaches the edit only while EditorEnabled is on.
    virtual void HandleChar(TMessage& Message);
    // The masked edit's key-down, then F4 without Ctrl or Alt clicks the button.
    virtual void HandleKeyDown(WORD& Key, TShiftState Shift);
    virtual void HandleKeyPress(TChar& Key);
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(TChar& Key) override;
    void Resize() override;

    // Width kept free for a unit text between the text and the button.
    int FUnitSize = 0;
    bool FRightAlign = false;

    // Places the button part and sets the text rectangle beside it.
    void UpdateLayout();
    void SetEditRectBesideButton();
    int MinHeight() const;

private:
    TEsgEditButton* FButton = nullptr;
    bool FEditorEnabled = true;
    int FButtonWidth = 0;
    bool FIsWinXP = false;
};
