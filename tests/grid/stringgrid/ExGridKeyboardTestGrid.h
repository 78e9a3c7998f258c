#pragma once

#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/InplaceEdit.h"
#include "platform/ui/InputSimulation.h"

#include <string>
#include <vector>

// A string grid of 5 columns and 10 rows (one fixed row and column) in a 400 x 300 window
// without scroll bars, cells 60 x 20; cell (c, r) holds "c:r". It records what it asks of the
// features it calls (validation, search, clipboard, zoom).
class KeysGrid : public TExStringGrid {
public:
    using TExStringGrid::HandleTimer;
    using TExStringGrid::SearchInc;
    using TExStringGrid::SearchTics;
    using TExStringGrid::wheelscrl;

    explicit KeysGrid(int Cols = 5, int Rows = 10) : TExStringGrid(nullptr) {
        SetScrollBars(ssNone);
        SetColCount(Cols);
        SetRowCount(Rows);
        SetDefaultColWidth(60);
        SetDefaultRowHeight(20);
        SetBounds(0, 0, 400, 300);
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                SetCells(c, r, std::to_string(c) + ":" + std::to_string(r));
        wheelscrl = 3;
        SetRow(1);
        SetCol(1);
    }

    TGridCoord Current() const { return TGridCoord{Col(), Row()}; }
    void Key(WORD key, TShiftState shift = {}) { InputSimulation::KeyDown(this, key, shift); }
    void Type(TChar ch) { InputSimulation::TypeChar(this, ch); }
    std::string EditorText() const { return InplaceEditor() ? InplaceEditor()->Text() : "-"; }

    bool AcceptValues = true;
    std::vector<std::string> Validated;
    std::vector<std::string> Searched;
    int SearchAnswer = -1;
    std::vector<std::string> Clipboard;
    std::vector<int> Zooms;

    bool ValidateCell(const std::string& NewValue) override {
        Validated.push_back(NewValue);
        return AcceptValues;
    }

protected:
    int IncrementalSearchRow(const std::string& Text) override {
        Searched.push_back(Text);
        return SearchAnswer;
    }
    void CopySelectionToClipboard() override { Clipboard.push_back("copy"); }
    void CutSelectionToClipboard() override { Clipboard.push_back("cut"); }
    void PasteSelectionFromClipboard() override { Clipboard.push_back("paste"); }
    void ZoomByWheel(int Lines) override { Zooms.push_back(Lines); }
};
