#pragma once

#include "grid/dropdown/DropDownColumn.h"
#include "grid/dropdown/DropDownListLook.h"

#include <memory>

class TComponent;
class TImageList;

// What the lists in the popups of the column-list drop-downs keep besides their grid: the looks,
// columns and images taken from their drop-down, and how the current row was reached.
class TDropDownListGrid : public TDropDownListLook {
public:
    explicit TDropDownListGrid(TComponent* Owner);
    ~TDropDownListGrid() override;

    DropDownList::TDropDownColumns* Columns() const { return FColumns.get(); }
    void SetColumns(const DropDownList::TDropDownColumns& Value) { FColumns->Assign(&Value); }
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* Value) { FImages = Value; }
    // True while a wheel step moves the current row.
    bool MouseWheelSelection() const { return FMouseWheelSelection; }
    // The current row was reached by a key or a mouse press (not the wheel): it may be chosen.
    bool ConfirmSelection() const { return FConfirmSelection; }

protected:
    // Runs the grid's own wheel step (it answers whether it handled the wheel) as a wheel
    // selection, which no closing takes as chosen.
    template <class TGridStep> bool StepByWheel(TGridStep GridStep) {
        const bool outer = FMouseWheelSelection;
        FMouseWheelSelection = true;
        FConfirmSelection = false;
        const bool handled = GridStep();
        FMouseWheelSelection = outer;
        return handled;
    }

    std::unique_ptr<DropDownList::TDropDownColumns> FColumns;
    TImageList* FImages = nullptr;
    bool FMouseWheelSelection = false;
    bool FConfirmSelection = false;
};
