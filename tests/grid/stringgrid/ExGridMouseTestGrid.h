#pragma once

#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/InputSimulation.h"

#include <string>
#include <vector>

// A string grid for the mouse tests: 6 columns of 64 pixels and 8 rows of 24, one fixed row and
// column, no scroll bars, 500 x 300 pixels; the calls it makes into other features' hooks are
// recorded, and mouse input goes through the platform's input simulation.
class TMouseTestGrid : public TExStringGrid {
public:
    using TExStringGrid::FCellSelectorMode;
    using TExStringGrid::FCtrlDown;
    using TExStringGrid::FScrollBar;
    using TExStringGrid::FSizeFixed;
    using TExStringGrid::FSpinDnClick;
    using TExStringGrid::FSpinUpClick;
    using TExStringGrid::SizingHintWindow;

    explicit TMouseTestGrid(TComponent* AOwner = nullptr) : TExStringGrid(AOwner) {
        SetScrollBars(ssNone);
        SetColCount(6);
        SetRowCount(8);
        SetDefaultColWidth(64);
        SetDefaultRowHeight(24);
        SetBounds(0, 0, 500, 300);
    }

    std::vector<std::string> Calls;
    bool SpinCells = false;

    void AutoSizeCol(int ACol, int Padding) override {
        Calls.push_back("AutoSizeCol " + std::to_string(ACol));
    }
    bool HasSpinEdit(int ACol, int ARow) override { return SpinCells; }
    void HeaderClickSort(int ACol, int ARow, TShiftState Shift) override {
        Calls.push_back("HeaderClickSort " + std::to_string(ACol));
    }
    int HoverRowIndex() const { return FHoverRowIdx; }

    // Client points of a cell: its centre, or an offset from its top-left corner.
    TPoint Centre(int ACol, int ARow) const {
        const TRect r = CellRect(ACol, ARow);
        return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    TPoint At(int ACol, int ARow, int DX, int DY) const {
        const TRect r = CellRect(ACol, ARow);
        return TPoint{r.Left + DX, r.Top + DY};
    }
    void Move(TPoint p, TShiftState Shift = {}) { InputSimulation::MouseMove(this, p, Shift); }
    void Press(TPoint p, TShiftState Shift = {}) {
        InputSimulation::MouseDown(this, mbLeft, p, Shift);
    }
    void Release(TPoint p, TShiftState Shift = {}) {
        InputSimulation::MouseUp(this, mbLeft, p, Shift);
    }
    // A click as a user makes it: the mouse arrives, is pressed and released.
    void ClickAt(TPoint p, TShiftState Shift = {}) {
        Move(p);
        Press(p, Shift);
        Release(p, Shift);
    }
    // Press at From, move to To with the button held, release there.
    void Drag(TPoint From, TPoint To) {
        Move(From);
        Press(From);
        Move(To, TShiftState{ssLeft});
        Release(To);
    }
};
