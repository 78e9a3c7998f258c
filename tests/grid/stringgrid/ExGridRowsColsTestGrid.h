#pragma once

#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridChangeNotifier.h"

#include <cctype>
#include <string>
#include <vector>

using Texts = std::vector<std::string>;

// A grid of 3 columns and 6 rows (one fixed row and column); column 1 holds the row's name
// ("h" in the fixed row, "a" to "e" below), column 2 the name in capitals.
class RowsColsGrid : public TExStringGrid {
public:
    using TExStringGrid::ClearRows;
    using TExStringGrid::FHasCellProps;

    explicit RowsColsGrid(int Rows = 6) : TExStringGrid(nullptr) {
        SetColCount(3);
        SetRowCount(Rows);
        const std::string names = "habcdefghijklmnop";
        for (int r = 0; r < Rows; ++r) {
            SetCells(1, r, std::string(1, names[r]));
            SetCells(2, r, std::string(1, static_cast<char>(std::toupper(names[r]))));
        }
    }

    Texts ColumnTexts(int ACol) const {
        Texts texts;
        for (int r = 0; r < RowCount(); ++r)
            texts.push_back(GetGridCell(ACol, r));
        return texts;
    }
    Texts RowTexts(int ARow) const {
        Texts texts;
        for (int c = 0; c < ColCount(); ++c)
            texts.push_back(GetGridCell(c, ARow));
        return texts;
    }
};

class RecordingNotifier : public TGridChangeNotifier {
public:
    using TGridChangeNotifier::TGridChangeNotifier;
    void CellsChanged(const TRect& R) override { Changes.push_back(R); }
    std::vector<TRect> Changes;
};
