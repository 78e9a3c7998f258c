#pragma once

#include "grid/dropdown/DropDownListGrid.h"
#include "grid/dropdown/ExCustomGridDropDownItems.h"
#include "grid/stringgrid/ExGrid.h"

#include <memory>

class TFont;

namespace GridDropDown {

class TCustomExGridDropDown;

// The string grid in the popup of a grid drop-down. It shows the drop-down's items (or whatever
// the program put into it), sizes its columns to their texts and tells the drop-down when a row
// is chosen: Enter, or the left button released over a data row.
class TExColGrid : public TExStringGrid, public TDropDownListGrid {
public:
    explicit TExColGrid(TComponent* AOwner);
    ~TExColGrid() override;

    void AttachDropDown(TCustomExGridDropDown* D) { FExDropDown = D; }
    TCustomExGridDropDown* ExDropDown() const { return FExDropDown; }
    // Takes the columns, counts, sizes, options and colours of D.
    void LoadFromDropDown(TCustomExGridDropDown* D);
    // Header row from the columns, one row per item; the object of an item row's first cell is
    // the item's index, so the item is found again after sorting, filtering or moving rows.
    void LoadFromItems();
    // The width that shows every column without clipping.
    int RequiredWidth();
    void AutoSizeColumn(int Index);
    void ApplyColumnAutoSize();
    void UpdateRowHeights();

    int OwnGridLineWidth() const { return FGridLineWidth; }
    // The string grid then draws no lines of its own.
    void SetOwnGridLineWidth(int Value);

    // Set by a key or mouse press in the grid (and Enter in the edit), cleared by wheel steps
    // and by a confirmed closing: whether the current row may become the chosen one.
    void SetConfirmSelection(bool Value) { FConfirmSelection = Value; }

    // The item index kept in a row's first cell; Row itself when the grid has no such row.
    int ItemOfRow(int Row) const;

    TNotifyEvent OnSelect;

protected:
    virtual void DoSelect();

    void HandleWindowMessage(TMessage& Message) override;
    void HandleKeyDown(WORD& Key, TShiftState Shift) override;
    void HandleMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void HandleMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool HandleWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool HandleWheelUp(TShiftState Shift, TPoint MousePos) override;
    void Notification(TComponent* AComponent, bool removing) override;

private:
    bool IsDataRow(int ARow) const { return ARow >= FixedRows() && ARow < RowCount(); }
    // The canvas texts are measured on; none while the grid is not in its popup.
    TCanvas* MeasureCanvas() const;

    TCustomExGridDropDown* FExDropDown = nullptr;
    int FGridLineWidth = 1;
    int FOldRow = 0;
};

} // namespace GridDropDown
