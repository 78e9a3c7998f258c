#pragma once

#include "grid/foundation/EsgEditBtn.h"
#include "platform/ui/CellEditor.h"

class TExStringGrid;

// The edit-with-button editor of the string grid (edEditBtn, edNumericEditBtn, edFloatEditBtn,
// edMaskEditBtn): the button asks the grid's ellipsis handler for a new text, the numeric kinds
// filter what is typed, and the leaving keys commit through the grid's validation.
class TGridEditBtn : public TEsgEditBtn, public TCellEditor {
public:
    explicit TGridEditBtn(TComponent* AOwner);

    void ButtonClick(TObject* Sender);
    // Completes the typed text from the grid's lookup items.
    void LookupChange();

    bool WorkMode = true;
    bool StopEditAfterClick = false;

    void BeginCellEdit(int ACol, int ARow) override;
    void PlaceCellEditor(const TRect& ARect, TColor Background) override;
    void LoadCellText(const std::string& Text) override;
    std::string ApplyCellText() override;
    void CancelCellEdit() override {}
    void EndCellEdit() override;
    void TypeStartKey(char16_t Key) override;

    void WndProc(TMessage& Message) override;

protected:
    void HandleKeyDown(WORD& Key, TShiftState Shift) override;
    void HandleKeyPress(TChar& Key) override;
    void HandleChar(TMessage& Message) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void Change() override;
    void DblClick() override;
    void DoExit() override;
    void HandlePaste();

private:
    TExStringGrid* FGrid;
    int FSelKeyDown = 0;
};
