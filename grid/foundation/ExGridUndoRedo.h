#pragma once

#include "grid/foundation/GridEvents.h"
#include "platform/ui/Component.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TBaseGrid;

// One recorded change of a cell text, or a marker that opens or closes a sequence (column and
// row -1 then).
class TUndoRedoItem : public TObject {
public:
    int Row = -1;
    int Col = -1;
    std::string Value;     // the text after the change, applied by Redo
    std::string OrigValue; // the text before it, applied by Undo
    bool SequenceStart = false;
    bool SequenceStop = false;
};

// The recorded entries, oldest first; owns them.
class TUndoRedoCollection {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TUndoRedoItem* Items(int Index) const;
    TUndoRedoItem* Add();
    void Delete(int Index);
    // Drops the entries from Index on.
    void Truncate(int Index);
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TUndoRedoItem>> FItems;
};

// Records cell text changes of one grid and undoes and redoes them, singly or as sequences
// that count as one step. Undo and Redo write through the grid's Cells.
class TExGridUndoRedo : public TComponent {
public:
    explicit TExGridUndoRedo(TComponent* AOwner) : TComponent(AOwner) {}
    // Unlinks itself from its grid, so the grid never records into a freed component.
    ~TExGridUndoRedo() override;

    // A change after some Undo steps discards the undone entries: Redo then has nothing to redo.
    virtual void RegisterChange(int ACol, int ARow, const std::string& OldValue,
                                const std::string& NewValue);
    virtual void StartSequence();
    virtual void StopSequence();
    void Undo();
    void Redo();
    bool CanUndo() const { return FLevel > 0; }
    bool CanRedo() const { return FLevel < FItems.Count(); }
    void Reset();
    // Columns were moved, inserted or removed after changes were recorded: every entry's column
    // becomes NewColumn(its column), so that it restores the cell where its column went; -1 for
    // a removed column, whose entries then restore nothing.
    void ColumnsChanged(const std::function<int(int)>& NewColumn);

    const TUndoRedoCollection& Items() const { return FItems; }
    TBaseGrid* Grid() const { return FGrid; }
    // Also links the grid back to this component (and lets go of the previous grid).
    void SetGrid(TBaseGrid* Value);
    int Level() const { return FLevel; }
    // Entries kept at most; 0 or less keeps every entry.
    int MaxLevel() const { return FMaxLevel; }
    void SetMaxLevel(int Value) { FMaxLevel = Value; }

    // Before a cell is restored (OrigValue: its text now, NewValue: the text it gets back).
    TExGridUndoRedoEvent OnUndo;
    // Before a cell is set again.
    TExGridUndoRedoEvent OnRedo;

    // The linked grid calls this as it goes, so that no entry writes into a freed grid.
    void Notification(TComponent* component, bool removing) override;

private:
    TUndoRedoItem* AppendEntry();
    void Apply(const TUndoRedoItem& item, bool undo);
    void InvalidateGrid();

    TUndoRedoCollection FItems;
    TBaseGrid* FGrid = nullptr;
    int FLevel = 0;
    int FMaxLevel = 0;
};
