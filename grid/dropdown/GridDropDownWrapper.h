#pragma once

#include "grid/dropdown/GridDropDownCell.h"
#include "grid/stringgrid/GridDropDownEditor.h"
#include "grid/stringgrid/GridEditorKeys.h"
#include "platform/ui/Messages.h"

// A drop-down control as a cell editor of its string grid: the grid that owns it (it must be a
// TExStringGrid) shows it over the cell, and Enter, Tab, Escape and the navigation keys go
// through the grid's commit before the control sees them. The keys, typed characters, text
// changes and focus loss go to the grid's drop-down editor first, through the cell adapter the
// wrapper makes for it; the control's own handling follows unless the editor consumed them.
template <typename TDropDownBase, TEditorType TKind>
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

    void WndProc(TMessage& Message) override {
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

    void DoExit() override {
        if (FCell != nullptr)
            FCell->EditorExit();
        TDropDownBase::DoExit();
    }

    void WriteCellText(const std::string& Value) override { this->SetTextDirect(Value); }

private:
    TGridDropDownEditor* Editor() const { return FCell != nullptr ? FCell->Editor() : nullptr; }
    TExCustomDropDown* DropDown() override { return this; }
    void CellDetached() override { FCell = nullptr; }

    TExStringGrid* FGrid;
    TGridDropDownCell* FCell;
};
