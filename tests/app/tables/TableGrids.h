#pragma once

#include "app/core/AppState.h"
#include "grid/stringgrid/ExCGrid.h"
#include "platform/core/Text.h"

#include <memory>
#include <string>
#include <vector>

// Small tables for the row helpers: column 0 holds the row numbers, column 1 is Enable, column 3
// is a second Y/N column and the others are texts. A row is written and read as one text, its
// cells joined with "|" ("Y|0x01|N|x"); in the check-box grid "Y"/"N" in columns 1 and 3 are the
// ticked states of their boxes, in the column grid plain texts.
struct TTableGrid {
    virtual ~TTableGrid() = default;
    virtual TExStringGrid* Grid() = 0;
    virtual bool Check_Box_Variant() const = 0;

    bool Is_Check_Column(int col) const { return col == 1 || col == 3; }

    void Set_Rows(const std::vector<std::string>& rows) {
        TExStringGrid* g = Grid();
        for (int r = 1; r <= static_cast<int>(rows.size()); ++r) {
            const std::vector<std::string> cells = Split(rows[static_cast<size_t>(r - 1)]);
            for (int c = 1; c < g->ColCount(); ++c) {
                const std::string text = c - 1 < static_cast<int>(cells.size()) ? cells[c - 1] : "";
                if (Check_Box_Variant() && Is_Check_Column(c))
                    g->SetCheckBoxState(c, r, text == "Y");
                else
                    g->SetCells(c, r, text);
            }
        }
    }

    std::vector<std::string> Rows() {
        TExStringGrid* g = Grid();
        std::vector<std::string> rows;
        for (int r = 1; r < g->RowCount(); ++r) {
            std::string row;
            for (int c = 1; c < g->ColCount(); ++c) {
                if (c > 1)
                    row += "|";
                bool ticked = false;
                if (Check_Box_Variant() && Is_Check_Column(c))
                    row += g->GetCheckBoxState(c, r, ticked) && ticked ? "Y" : "N";
                else
                    row += g->Cells(c, r);
            }
            rows.push_back(row);
        }
        return rows;
    }

    static std::vector<std::string> Split(const std::string& text) {
        std::vector<std::string> parts{""};
        for (char ch : text) {
            if (ch == '|')
                parts.emplace_back();
            else
                parts.back() += ch;
        }
        return parts;
    }
};

// The check-box variant: a string grid with plain check boxes in columns 1 and 3.
struct TCheckBoxTable : TTableGrid {
    explicit TCheckBoxTable(int columns = 5, int dataRows = 3) {
        FGrid->SetColCount(columns);
        FGrid->SetRowCount(dataRows + 1);
        FGrid->SetFixedCols(1);
        FGrid->SetFixedRows(1);
        for (int r = 1; r <= dataRows; ++r) {
            FGrid->SetCells(0, r, std::to_string(r));
            FGrid->AddCheckBox(1, r, false, false);
            if (columns > 3)
                FGrid->AddCheckBox(3, r, false, false);
        }
    }
    TExStringGrid* Grid() override { return FGrid.get(); }
    bool Check_Box_Variant() const override { return true; }
    std::unique_ptr<TExStringGrid> FGrid = std::make_unique<TExStringGrid>(nullptr);
};

// The column-grid variant: columns 1 and 3 are data check boxes, their state the cell text.
struct TColumnTable : TTableGrid {
    explicit TColumnTable(int columns = 5, int dataRows = 3) {
        FGrid->SetColCount(columns);
        FGrid->SetRowCount(dataRows + 1);
        FGrid->SetFixedCols(1);
        FGrid->SetFixedRows(1);
        FGrid->Columns()->Items(1)->SetEditor(edDataCheckBox);
        if (columns > 3)
            FGrid->Columns()->Items(3)->SetEditor(edDataCheckBox);
        for (int r = 1; r <= dataRows; ++r)
            FGrid->SetCells(0, r, std::to_string(r));
    }
    TExStringGrid* Grid() override { return FGrid.get(); }
    TExColumnGrid* Columns() { return FGrid.get(); }
    bool Check_Box_Variant() const override { return false; }
    std::unique_ptr<TExColumnGrid> FGrid = std::make_unique<TExColumnGrid>(nullptr);
};
