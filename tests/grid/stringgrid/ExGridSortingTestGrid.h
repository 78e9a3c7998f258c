#pragma once

#include "grid/stringgrid/ExGrid.h"
#include "platform/core/FormatSettings.h"

#include <string>
#include <vector>

using SortTexts = std::vector<std::string>;

// A grid with one fixed row and one fixed column whose normal rows are filled column by column;
// column 0 numbers the rows as they were filled ("1", "2", ...), so an order reads off it.
class SortGrid : public TExStringGrid {
public:
    using TExStringGrid::GetExpandHeight;
    using TExStringGrid::GetNodeLevel;
    using TExStringGrid::GetNodeSpan;
    using TExStringGrid::GetNodeState;
    using TExStringGrid::GetParentRow;
    using TExStringGrid::GetRowIndent;
    using TExStringGrid::HasNodes;
    using TExStringGrid::InsertChildRow;
    using TExStringGrid::IsNode;
    using TExStringGrid::IsSummary;
    using TExStringGrid::RemoveChildRow;

    // Columns[c] fills column c + 1 from row 1 down.
    explicit SortGrid(const std::vector<SortTexts>& Columns) : TExStringGrid(nullptr) {
        const int rows = Columns.empty() ? 1 : static_cast<int>(Columns[0].size());
        SetColCount(static_cast<int>(Columns.size()) + 1);
        SetRowCount(rows + 1);
        for (int r = 1; r <= rows; ++r)
            SetCells(0, r, std::to_string(r));
        for (size_t c = 0; c < Columns.size(); ++c)
            for (size_t r = 0; r < Columns[c].size(); ++r)
                SetCells(static_cast<int>(c) + 1, static_cast<int>(r) + 1, Columns[c][r]);
    }

    SortTexts Column(int ACol) const {
        SortTexts texts;
        for (int r = FixedRows(); r < RowCount(); ++r)
            texts.push_back(GetGridCell(ACol, r));
        return texts;
    }
    SortTexts Order() const { return Column(0); }
};

// Makes the grid's locale conventions those given for the test's lifetime.
class ScopedFormat {
public:
    explicit ScopedFormat(const TFormatSettings& Settings) : FSettings(Settings) {
        OverrideFormatSettings(&FSettings);
    }
    ~ScopedFormat() { OverrideFormatSettings(nullptr); }

private:
    TFormatSettings FSettings;
};
