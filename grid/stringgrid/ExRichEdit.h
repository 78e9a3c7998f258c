#pragma once

#include "platform/ui/CellEditor.h"
#include "platform/ui/RichEdit.h"

class TExStringGrid;

// The grid's rich-text editor. Shown over a cell (edRichEdit) it edits the cell's RTF and may
// grow its row while the user types; hidden, it loads rich-text cells so that drawing and
// sizing can measure them (ReqWidth, ReqHeight).
class TExRichEdit : public TRichEdit, public TCellEditor {
public:
    explicit TExRichEdit(TComponent* AOwner);

    // The selection's vertical offset: 0, lowered or raised by 40 twips.
    void SelNormal() { SetSelOffset(0); }
    void SelSubscript() { SetSelOffset(-40); }
    void SelSuperscript() { SetSelOffset(40); }
    bool IsSelNormal() const { return SelOffset() == 0; }
    bool IsSelSubscript() const { return SelOffset() == -40; }
    bool IsSelSuperscript() const { return SelOffset() == 40; }
    // While locked, loading a cell does not grow the row.
    void Lock() { FLocked = true; }
    void Unlock() { FLocked = false; }
    bool Locked() const { return FLocked; }
    int ReqWidth() const { return FReqWidth; }
    int ReqHeight() const { return FReqHeight; }

    void BeginCellEdit(int ACol, int ARow) override;
    void PlaceCellEditor(const TRect& ARect, TColor Background) override;
    void LoadCellText(const std::string& Text) override;
    void TypeStartKey(char16_t Key) override;
    std::string ApplyCellText() override;
    void CancelCellEdit() override {}
    void EndCellEdit() override;

    void WndProc(TMessage& Message) override;

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(TChar& Key) override;
    void DoExit() override;
    void RequestSize(const TRect& rect) override;

private:
    TExStringGrid* FGrid;
    int FCol = 0;
    int FRow = 0;
    int FReqWidth = 0;
    int FReqHeight = 0;
    bool FLocked = false;
    // The Tab just pressed moved editing to another cell: its character is not typed there.
    bool FTabNavigated = false;
};
