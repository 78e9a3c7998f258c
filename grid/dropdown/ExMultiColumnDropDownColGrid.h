#pragma once

#include "grid/dropdown/DropDownListGrid.h"
#include "grid/dropdown/ExMultiColumnDropDownItems.h"
#include "platform/ui/StringGridControl.h"

#include <memory>

class TExMultiColumnDropDown;

namespace MultiColumnDropDown {

// The list in the popup of the multi-column drop-down. It keeps no cell texts: every cell is
// drawn from the items and columns of the drop-down it is attached to, under a header row with a
// gradient. It sizes columns to their texts, grows rows for wrapped texts, and raises OnSelect
// when a row is chosen by Enter or a mouse release on it.
class TExColGrid : public TStringGrid, public TDropDownListGrid {
public:
    explicit TExColGrid(TComponent* AOwner);
    ~TExColGrid() override;

    TExMultiColumnDropDown* ExDropDown() const { return FExDropDown; }
    void AttachDropDown(TExMultiColumnDropDown* D) { FExDropDown = D; }
    // Takes columns, row count, sizes, colours, fonts and images from D (nothing for none).
    void LoadFromDropDown(TExMultiColumnDropDown* D);
    // Border, columns and, when not every row shows, a vertical scroll bar.
    int RequiredWidth() const;
    // Widest item text of the column (the header is not measured); only while in the popup.
    void AutoSizeColumn(int Index);
    void ApplyColumnAutoSize();
    // Rows as high as their wrapped texts need, at least 24; only while some column wraps.
    void UpdateRowHeights();
    TRect CellBounds(int ACol, int ARow) const;

    // The list draws its lines itself, this wide; the string grid draws none.
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int Value);

    void WndProc(TMessage& Message) override;

    // Kept for the designer; the list raises none of them.
    TGetCellTextEvent OnGetCellText;
    TDrawCellEvent OnDrawCell;
    TGetCellPropEvent OnGetCellProp;
    TNotifyEvent OnSelect;

protected:
    virtual void DoSelect();
    void DrawGridCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool HandleWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool HandleWheelUp(TShiftState Shift, TPoint MousePos) override;
    void Notification(TComponent* component, bool removing) override;

private:
    bool InPopup() const;
    // The text and image of a data row's item in Column; empty and -1 when it has none.
    void ItemCell(int Column, int ARow, std::string& Text, int& ImageIndex) const;
    void DrawCellBackground(const TRect& R, bool Fixed, bool Selected, int ACol, TColor BackColor,
                            uint8_t Position);
    void DrawCellLines(const TRect& R, bool Fixed);

    TExMultiColumnDropDown* FExDropDown = nullptr;
    int FGridLineWidth = 1;
    int FOldRow = 0;
};

} // namespace MultiColumnDropDown
