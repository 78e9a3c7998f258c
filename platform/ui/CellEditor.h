#pragma once

#include "platform/ui/Colors.h"
#include "platform/ui/Types.h"

#include <string>

// What a grid asks of every editor it shows over a cell: its own text editor and each editor
// control. One edit runs Begin -> Place -> Load -> (the user edits) -> Veto? -> Apply -> End,
// or Cancel instead of Apply; the grid stores what Apply answers.
class TCellEditor {
public:
    virtual ~TCellEditor() = default;

    // The editor is about to edit the cell (ACol a real column).
    virtual void BeginCellEdit(int ACol, int ARow) = 0;
    // Over ARect (grid client coordinates) in the cell's background colour, shown; it takes the
    // focus when the grid has it.
    virtual void PlaceCellEditor(const TRect& ARect, TColor Background) = 0;
    // The cell's stored text, read into the editor's own value.
    virtual void LoadCellText(const std::string& Text) = 0;
    // The key that opened the editor, typed into it as if the user had typed it there.
    virtual void TypeStartKey(char16_t Key) {}
    // True keeps the editor open: the value it holds cannot be stored as it stands.
    virtual bool VetoCellText() { return false; }
    // The editor's value as the text to store.
    virtual std::string ApplyCellText() = 0;
    // Drops what was typed; the cell keeps its text.
    virtual void CancelCellEdit() = 0;
    // Hidden and disabled; the grid has taken the value or dropped it.
    virtual void EndCellEdit() = 0;
};
