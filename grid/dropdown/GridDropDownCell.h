#pragma once

#include "grid/foundation/GridTypes.h"
#include "grid/stringgrid/DropDownCellControl.h"

#include <functional>
#include <string>

class TExCustomDropDown;
class TExStringGrid;
class TGridDropDownEditor;

// What the cell adapter asks of a grid wrapper beyond the drop-down's own operations.
class TGridDropDownWrapped {
public:
    virtual TExCustomDropDown* DropDown() = 0;
    // A cell's text into the edit, with the writer that suits the control.
    virtual void WriteCellText(const std::string& Value) = 0;
    // Runs after each cell text was written.
    virtual void CellTextWritten() {}
    // The calculator folds its pending operation into the value; the others have none.
    virtual void FinishPendingResult() {}
    // The value as the cell stores it.
    virtual std::string CellValue();
    // The value the grid validates, takes on a leaving key and reports as edited: what the
    // edit shows, unless the control says otherwise.
    virtual std::string EditedValue();
    // The colour picker edits the cell's colour; the others have none.
    virtual void WriteCellColor(TColor Value) {}
    virtual TColor CellColorValue() { return clNone; }
    // The image picker's chosen image; -1 for the others.
    virtual int CellImageIndexValue() { return -1; }
    virtual void WriteCellImageIndex(int Value) {}
    // The adapter goes first: the wrapper must not reach it any more.
    virtual void CellDetached() = 0;

protected:
    ~TGridDropDownWrapped() = default;
};

// Presents a grid wrapper to the grid's drop-down editor: the editor places, fills, reads and
// opens the wrapper through it, and the wrapper hands its keys, text changes and focus loss to
// the editor through it before its own handling. The adapter never shows a window of its own;
// the wrapper is the control on the grid. Owned by the grid; the wrapper frees it with itself.
class TGridDropDownCell : public TDropDownCellControl {
public:
    TGridDropDownCell(TExStringGrid* Grid, TEditorType Kind, TGridDropDownWrapped* Wrapper);
    ~TGridDropDownCell() override;

    // nullptr once the wrapper is gone.
    TExCustomDropDown* DropDown() const;
    void WrapperDestroyed() { FWrapper = nullptr; }
    // The grid's editor working through this adapter; nullptr when another control replaced it.
    TGridDropDownEditor* Editor() const;

    // The wrapper's messages, offered to the editor before the wrapper handles them: key-down
    // and typed characters. True when the editor consumed the message.
    bool EditorTakesMessage(TMessage& Message);
    bool EditorWantsKey(WPARAM Key);
    void EditorTextChanged() {
        if (!FClosingPopup && !FWritingText)
            TextChanged();
    }
    void EditorExit() { DoExit(); }

    std::string Text() const override;
    void SetText(const std::string& Value) override;
    void SetParent(TWinControl* AParent) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetVisible(bool Value) override;
    void SetEnabled(bool Value) override;
    bool CanFocus() const override;
    void SetFocus() override;
    bool DroppedDown() const override;
    void TakeGridLook() override;
    void DoDropDown() override;
    void CalcResult() override;
    void SelectAllText() override;
    void CaretToEnd() override;
    std::string CellValue() const override;
    std::string EditText() const override;
    void SetCellColor(TColor Value) override;
    TColor CellColor() const override;
    int CellImageIndex() const override;
    void SetCellImageIndex(int Value) override;
    TObject* EventSender() override;
    TWinControl* EditWindow() override;
    void ApplyComponentStyle(TULKStyle AStyle) override;
    void ApplyColorTones(const TColorTones& ATones) override;
    void WndProc(TMessage& Message) override;

protected:
    // The wrapper's own handling follows in its message handler.
    void DropDownKeyDown(WORD& Key, TShiftState Shift) override {}
    void DropDownKeyPress(TChar& Key) override {}

private:
    // Runs a writing of the cell's value into the wrapper.
    void WriteReportingTheShownText(const std::function<void()>& Write);

    TExStringGrid* FGrid;
    TEditorType FKind;
    TGridDropDownWrapped* FWrapper;
    bool FClosingPopup = false;
    // A cell's text being written, maybe in steps (an item chosen, then the text).
    bool FWritingText = false;
};
