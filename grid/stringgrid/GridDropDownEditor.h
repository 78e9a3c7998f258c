#pragma once

#include "grid/foundation/GridTypes.h"
#include "grid/stringgrid/DropDownCellControl.h"
#include "platform/ui/CellEditor.h"
#include "platform/ui/Component.h"

class TExStringGrid;

// The cell editor of the drop-down kinds over a drop-down control: loads the cell into it,
// routes Enter, Tab, the vertical and page keys and Escape through the grid's commit, and hands
// the control's header and footer button clicks to the grid. The grid owns it, and the control
// it edits with.
class TGridDropDownEditor : public TComponent,
                            public TCellEditor,
                            private TDropDownCellEditorHooks {
public:
    TGridDropDownEditor(TExStringGrid* Grid, TEditorType Kind, TDropDownCellControl* Control);
    ~TGridDropDownEditor() override;

    // nullptr once the control is gone.
    TDropDownCellControl* Control() const { return FControl; }
    TEditorType Kind() const { return FKind; }

    bool Forced = false;
    bool WorkMode = true;

    void BeginCellEdit(int ACol, int ARow) override {
        FCol = ACol;
        FRow = ARow;
    }
    void PlaceCellEditor(const TRect& ARect, TColor Background) override;
    void LoadCellText(const std::string& Text) override;
    void TypeStartKey(char16_t Key) override;
    std::string ApplyCellText() override;
    void CancelCellEdit() override {}
    void EndCellEdit() override;
    // The value a picker leaves in the cell as it is stored: the colour picker colours the cell,
    // the image picker sets an image cell's index; both tell the grid's handler first, which
    // may change what is taken. Other kinds give Value back as it is.
    std::string TakePick(std::string Value);
    // The image picker holds another image than it was loaded with, and was not escaped.
    bool PickChanged() const;

private:
    bool IsColorPicker() const { return FKind == edColorPickerDropDown; }
    bool IsShapeCell() const;
    void LoadCellColor();
    int CellImage(const std::string& Text) const;
    bool IsImageCell() const;
    bool IsCommitKey(WORD Key, TShiftState Shift) const;
    // Validates and stores what the edit holds; false, with the edit back on the refused value,
    // when the grid refuses it.
    bool CommitShownValue(bool SelectAllOnRefusal);
    void RestoreRefusedValue(bool SelectAll);

    void DropDownKeyDown(WORD& Key, TShiftState Shift) override;
    void DropDownKeyPress(TChar& Key) override;
    void DropDownTextChanged() override;
    bool DropDownWantsKey(WPARAM Key) override;
    void DropDownExit() override;
    void DropDownControlDestroyed() override { FControl = nullptr; }

    TExStringGrid* FGrid;
    TEditorType FKind;
    TDropDownCellControl* FControl;
    // The cell being edited (a real column).
    int FCol = -1;
    int FRow = -1;
    // The image the picker showed when the cell was loaded; Escape leaves the cell as it was.
    int FLoadedImageIndex = -1;
    bool FEscaped = false;
    // While a commit runs, the edit's text changes are reported once at its end.
    bool FHoldingTextChanges = false;
};
