#pragma once

#include "grid/dropdown/ColorSelectorPanel.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Types.h"

#include <array>

// A honeycomb of 127 hexagonal colour cells in 13 rows; a click picks a cell's colour.
class TExColorCubePanel : public TExCustomColorSelectorPanel {
public:
    static constexpr int CellCount = 127;
    struct TCubeCell {
        TPoint Centre;
        TColor Color;
    };

    explicit TExColorCubePanel(TComponent* AOwner);

    // Sets the cells' geometry and colours; the same cells every time.
    void BuildCells();
    // Clears the hot cell and gives the panel its size (before each showing).
    void ResetHotCell();

    // Cells are numbered 1 to CellCount.
    const TCubeCell& Cell(int Number) const { return FCubeCells.at(Number - 1); }
    TPoint CubeSize() const { return FCubeSize; }
    // The lowest-numbered cell whose centre lies within the cell's half width of the point,
    // -1 for none.
    int CellAtPos(int X, int Y) const;

    TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(TColor Value);
    int SelectedIndex() const { return FSelectedIndex; }
    int HotIndex() const { return FHotIndex; }
    bool ShowRGBHint() const { return FShowRGBHint; }
    void SetShowRGBHint(bool Value);

    // Fired after a click chose a cell.
    TNotifyEvent OnSelect;

protected:
    void Paint() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void DrawCell(int Number, TCanvas* ACanvas);
    void InvalidateCell(int Number);

    std::array<TCubeCell, CellCount> FCubeCells{};
    TPoint FCubeSize{6, 3};
    TColor FSelectedColor = clNone;
    int FSelectedIndex = -1;
    int FHotIndex = -1;
    bool FShowRGBHint = true;
};
