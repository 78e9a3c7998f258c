#pragma once

#include "platform/ui/CellEditor.h"
#include "platform/ui/Control.h"

class TExStringGrid;

// The push-button editor of the string grid (edButton), captioned with the cell's text. A click
// or Space asks the grid's ellipsis handler for a new caption, which becomes the cell's text;
// every press (Enter too) fires the grid's OnButtonClick and leaves the editor open; the arrows
// and Escape hand the keyboard back to the grid.
class TGridButton : public TCustomControl, public TCellEditor {
public:
    explicit TGridButton(TComponent* AOwner);

    // The caption.
    std::string Text() const override { return TCustomControl::Text(); }
    void Click() override;
    // Back to the state of a newly made button: nothing held down.
    void ReCreate();

    // Each edit starts on a button in the state of a newly made one: not pressed.
    void BeginCellEdit(int ACol, int ARow) override { ReCreate(); }
    // The button covers the cell's grid lines.
    void PlaceCellEditor(const TRect& ARect, TColor Background) override;
    void LoadCellText(const std::string& Text) override;
    std::string ApplyCellText() override;
    void CancelCellEdit() override {}
    void EndCellEdit() override;

    void WndProc(TMessage& Message) override;

protected:
    void Paint() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoExit() override;

private:
    // Hidden, disabled, out of edit mode, the grid focused.
    void GiveBackToGrid();
    // The grid's ellipsis handler gives the caption, which becomes the cell's text.
    void TakeEllipsisAnswer();

    TExStringGrid* FGrid;
    bool FDown = false;
};
