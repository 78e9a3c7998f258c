#pragma once

#include "platform/ui/CellEditor.h"
#include "platform/ui/MaskEdit.h"

#include <memory>

class TStringGrid;

// How the in-place editor lays out its text: one line, several lines kept as they are broken,
// or several lines wrapped at the editor's width as well.
enum TEditLines { elSingleLine, elMultiLine, elWordWrap };

// The grid's in-place text editor: one edit that the grid moves over the cell being edited.
// Navigation keys go to the grid, so arrows and Tab leave the cell as on the grid itself;
// every change of the text is handed to the grid at once. Over a cell that shows several lines
// it edits several lines; Up and Down then move the caret between them and leave the cell only
// from the first or the last line. A cell edited on one line can follow an edit mask.
class TInplaceEdit : public TCustomMaskEdit, public TCellEditor {
public:
    explicit TInplaceEdit(TStringGrid* AGrid);
    ~TInplaceEdit() override;

    TStringGrid* Grid() const { return FGrid; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // The cell being edited (as the grid gave it to BeginCellEdit).
    int EditCol() const { return FEditCol; }
    int EditRow() const { return FEditRow; }

    // The text is kept when the layout changes. Several lines join with the line break the
    // text set last used ("\r\n" when it had none), so a stored text comes back as it was.
    TEditLines Lines() const { return FLines; }
    void SetLines(TEditLines value);
    // Right-to-left reading: the text runs from the right and left and right alignment swap.
    bool RightToLeftReading() const { return FRightToLeft; }
    void SetRightToLeftReading(bool value);
    // Whether the caret stands on the first or the last line shown (wrapped lines count).
    bool CaretOnFirstLine() const;
    bool CaretOnLastLine() const;
    // Puts a line break in place of the selection (or at the caret).
    void InsertLineBreak();

    // The text and the selection of whichever layout is in use; positions count UTF-16 units
    // of Text, a line break as the units it is stored with.
    std::string Text() const override;
    void SetText(const std::string& value) override;
    // The character boundary nearest a point of the client area; -1 outside it.
    int CharFromPos(TPoint ClientPoint) const;
    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    std::string SelText() const;
    void SetSelText(const std::string& value);
    void SelectAll();

    // The grid drives the editor through these.
    void BeginCellEdit(int ACol, int ARow) override;
    void PlaceCellEditor(const TRect& ARect, TColor Background) override;
    void LoadCellText(const std::string& Text) override;
    void TypeStartKey(char16_t Key) override;
    std::string ApplyCellText() override { return Text(); }
    void CancelCellEdit() override {}
    void EndCellEdit() override { Hide(); }

    void WndProc(TMessage& Message) override;

protected:
    void Change() override;
    void DoEnter() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(TChar& Key) override;
    // Keys the grid handles while the editor is open (Up and Down only where they leave the
    // text).
    bool IsGridKey(WORD Key, TShiftState Shift) const;

private:
    friend class TStringGrid;
    struct Impl;

    std::unique_ptr<Impl> FImpl;
    TStringGrid* FGrid;
    TAlignment FAlignment = taLeftJustify;
    TEditLines FLines = elSingleLine;
    bool FRightToLeft = false;
    int FEditCol = -1;
    int FEditRow = -1;
};
