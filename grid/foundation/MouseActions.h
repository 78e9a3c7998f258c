#pragma once

#include "grid/foundation/GridEvents.h"
#include "grid/foundation/GridTypes.h"
#include "platform/core/StringList.h"
#include "platform/ui/Object.h"

class TComponent;

// Mouse selection, editing and sizing options of a grid. The options the grid only reads are
// plain fields; those with side effects have accessors. The owning grid assigns the events.
class TMouseActions : public TObject {
public:
    explicit TMouseActions(TComponent* AOwner) : FOwner(AOwner) {}

    // Copies from another mouse-actions group only, without notifying; EditOnDblClickOnly,
    // HotmailRowSelect, SizeFixedRow, DisjunctRowSelectDirect and FixedComboValues stay.
    void Assign(const TObject* Source);

    TComponent* Owner() const { return FOwner; }

    // Notifies OnChange when it changes.
    TWheelAction WheelAction() const { return FWheelAction; }
    void SetWheelAction(TWheelAction Value);
    // Turning it on selects disjunct rows with check boxes; always notifies OnInvalidate.
    bool HotmailRowSelect() const { return FHotmailRowSelect; }
    void SetHotmailRowSelect(bool Value);
    // Turning it on notifies OnDisableEdit.
    bool EditOnDblClickOnly() const { return FEditOnDblClickOnly; }
    void SetEditOnDblClickOnly(bool Value);
    // The three disjunct selection modes exclude each other while the grid is being designed.
    bool DisjunctRowSelect() const { return FDisjunctRowSelect; }
    void SetDisjunctRowSelect(bool Value);
    bool DisjunctColSelect() const { return FDisjunctColSelect; }
    void SetDisjunctColSelect(bool Value);
    bool DisjunctCellSelect() const { return FDisjunctCellSelect; }
    void SetDisjunctCellSelect(bool Value);
    const TStringList& FixedComboValues() const { return FFixedComboValues; }
    // Copies the strings.
    void SetFixedComboValues(const TStringList& Value) { FFixedComboValues = Value; }

    bool AllColumnSize = false;
    bool AllRowSize = false;
    bool AllSelect = false;
    bool AutoSizeColOnDblClick = true;
    bool CaretPositioning = false;
    bool CheckAllCheck = false;
    bool ColSelect = false;
    bool DirectComboClose = false;
    bool DirectComboDrop = false;
    bool DirectDateClose = false;
    bool DirectDateDrop = false;
    bool DirectEdit = false;
    bool DisjunctRowSelectNoCtrl = false;
    bool DisjunctRowSelectDirect = false;
    TGridFixedCellEdit FixedRowsEdit = fceNone;
    TGridFixedCellEditor FixedRowsEditor = fceEdit;
    TGridFixedCellEditor FixedColsEditor = fceEdit;
    TGridFixedCellEdit FixedColsEdit = fceNone;
    bool MoveRowOnNodeClick = false;
    bool NoAutoRangeScroll = false;
    bool NodeAllExpandContract = false;
    bool NoScrollOnPartialRow = false;
    bool PreciseCheckBoxCheck = false;
    bool PreciseNodeClick = true;
    bool RangeSelectAndEdit = false;
    bool RowSelect = false;
    bool RowSelectPersistent = false;
    bool SelectOnRightClick = false;
    bool SizeFixedCol = false;
    bool SizeFixedRow = false;
    int WheelIncrement = 0;

    TNotifyEvent OnChange;
    TNotifyEvent OnInvalidate;
    TNotifyEvent OnDisableEdit;
    TIsDesigningEvent OnIsDesigning;

private:
    bool IsDesigning();
    void SetDisjunct(bool& field, bool Value);

    TComponent* FOwner;
    TWheelAction FWheelAction = waMoveSelection;
    bool FHotmailRowSelect = false;
    bool FEditOnDblClickOnly = false;
    bool FDisjunctRowSelect = false;
    bool FDisjunctColSelect = false;
    bool FDisjunctCellSelect = false;
    TStringList FFixedComboValues;
};
