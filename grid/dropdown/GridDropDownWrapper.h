#pragma once

#include "grid/dropdown/GridDropDownCell.h"
#include "grid/stringgrid/GridDropDownEditor.h"
#include "grid/stringgrid/GridEditorKeys.h"
#include "platform/ui/FloatingWindow.h"
#include "platform/ui/Messages.h"

// Where the caret goes when a click on its cell opened the editor: where the focus puts it, or
// at the character under the pointer, as a click into a plain edit would.
enum TClickCaret { caretAsEntered, caretAtClick };

// A drop-down control as a cell editor of its string grid: the grid that owns it (it must be a
// TExStringGrid) shows it over the cell, and Enter, Tab, Escape and the navigation keys go
// through the grid's commit before the control sees them. The keys, typed characters, text
// changes and focus loss go to the grid's drop-down editor first, through the cell adapter the
// wrapper makes for it; the control's own handling follows unless the editor consumed them.
template <typename TDropDownBase, TEditorType TKind, TClickCaret ClickCaret = caretAsEntered>
class TGridDropDownWrapper : public TDropDownBase, private TGridDropDownWrapped {
public:
    static constexpr TEditorType Kind = TKind;

    explicit TGridDropDownWrapper(TComponent* AOwner)
        : TDropDownBase(AOwner), FGrid(TGridEditorKeys::GridOwner(AOwner)),
          FCell(new TGridDropDownCell(FGrid, TKind, this)) {}

    ~TGridDropDownWrapper() override {
        if (FCell == nullptr)
            return;
        FCell->WrapperDestroyed();
        delete FCell;
    }

    TExStringGrid* Grid() const { return FGrid; }
    // What the grid's drop-down editor hands the cell over to.
    TGridDropDownCell* Cell() const { return FCell; }

    // Cleared by every key-down.
    bool Forced() const { return Editor() != nullptr && Editor()->Forced; }
    void SetForced(bool Value) {
        if (Editor() != nullptr)
            Editor()->Forced = Value;
    }
    // False after Backspace or Delete, true after any other key.
    bool WorkMode() const { return Editor() == nullptr || Editor()->WorkMode; }

    bool TabLeavesEveryPopupList() const override { return true; }

    void WndProc(TMessage& Message) override {
        if (Message.Msg == WM_KEYDOWN)
            FClickCaretDue = false;
        if (FCell != nullptr && FCell->EditorTakesMessage(Message)) {
            Message.Result = 1;
            return;
        }
        TDropDownBase::WndProc(Message);
        if (Message.Msg == CM_WANTSPECIALKEY && Message.Result == 0 && FCell != nullptr &&
            FCell->EditorWantsKey(Message.WParam))
            Message.Result = 1;
    }

protected:
    void Change() override {
        TDropDownBase::Change();
        if (FCell != nullptr)
            FCell->EditorTextChanged();
    }

    // The grid focuses its editor before it loads the cell's text, which moves the caret: the
    // click's caret is placed again once the text is in.
    void DoEnter() override {
        TDropDownBase::DoEnter();
        if constexpr (ClickCaret == caretAtClick) {
            if (TGridEditorKeys::OpenedByLeftClick(FGrid) && PlaceCaretAtPointer()) {
                TGridEditorKeys::ClearLeftClick(FGrid);
                FClickCaretDue = true;
            }
        }
    }

    void DoExit() override {
        FClickCaretDue = false;
        if (FCell != nullptr)
            FCell->EditorExit();
        TDropDownBase::DoExit();
    }

    void WriteCellText(const std::string& Value) override { this->SetTextDirect(Value); }
    // Where the caret goes once a cell's text is in, whatever the edit showed before: after the
    // text.
    virtual void PlaceLoadedCaret() {
        if (FCell != nullptr)
            FCell->CaretToEnd();
    }

private:
    void CellTextWritten() override {
        if (!FClickCaretDue) {
            PlaceLoadedCaret();
            return;
        }
        FClickCaretDue = false;
        PlaceCaretAtPointer();
    }

    // False when the mouse pointer is not over the edit: a click elsewhere keeps the caret
    // where the focus put it.
    bool PlaceCaretAtPointer() {
        const int at = this->CharFromPos(this->ScreenToClient(GetCursorPos()));
        if (at < 0)
            return false;
        this->SetSelStart(at);
        this->SetSelLength(0);
        return true;
    }

    TGridDropDownEditor* Editor() const { return FCell != nullptr ? FCell->Editor() : nullptr; }
    TExCustomDropDown* DropDown() override { return this; }
    void CellDetached() override { FCell = nullptr; }

    TExStringGrid* FGrid;
    TGridDropDownCell* FCell;
    // A click placed the caret on focus; the cell text loaded next must not move it.
    bool FClickCaretDue = false;
};
