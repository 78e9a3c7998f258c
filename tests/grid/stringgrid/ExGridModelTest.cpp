// The string grid against a plain model: random sequences of the public row and column
// operations (hiding, inserting, removing, moving, swapping, widths, sorting, paste, cut, undo
// and redo) leave every cell, width, hidden mark, index mapping and the sort column where the
// model has them.
#include "grid/foundation/ExGridUndoRedo.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/SortSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

struct TModelColumn {
    int Width;
    bool Hidden;
};

struct TModelRow {
    std::vector<std::string> Cells; // by real column
    bool Hidden = false;
};

struct TCellChange {
    int Col; // real
    int Row; // display
    std::string Old;
    std::string New;
};

// Real rows and columns, each with what the grid keeps of it.
class TGridModel {
public:
    std::vector<TModelColumn> Columns;
    std::vector<TModelRow> Rows;
    int SortColumn = -1;
    std::vector<std::vector<TCellChange>> Undo;
    int UndoLevel = 0;

    int TotalCols() const { return static_cast<int>(Columns.size()); }
    int TotalRows() const { return static_cast<int>(Rows.size()); }
    std::vector<int> ShownCols() const {
        std::vector<int> shown;
        for (int c = 0; c < TotalCols(); ++c)
            if (!Columns[c].Hidden)
                shown.push_back(c);
        return shown;
    }
    std::vector<int> ShownRows() const {
        std::vector<int> shown;
        for (int r = 0; r < TotalRows(); ++r)
            if (!Rows[r].Hidden)
                shown.push_back(r);
        return shown;
    }
    std::string& Cell(int realCol, int displayRow) {
        return Rows[ShownRows()[displayRow]].Cells[realCol];
    }
    // The shown rows take the given order of themselves; hidden rows keep their places.
    void PlaceShownRows(const std::vector<int>& order) {
        const std::vector<int> slots = ShownRows();
        std::vector<TModelRow> moved;
        for (int d : order)
            moved.push_back(Rows[slots[d]]);
        for (size_t k = 0; k < slots.size(); ++k)
            Rows[slots[k]] = moved[k];
    }
    void MoveColumn(int from, int to) {
        const auto rotate = [&](auto& list) {
            if (from < to)
                std::rotate(list.begin() + from, list.begin() + from + 1, list.begin() + to + 1);
            else
                std::rotate(list.begin() + to, list.begin() + from, list.begin() + from + 1);
        };
        rotate(Columns);
        for (TModelRow& row : Rows)
            rotate(row.Cells);
        const auto follow = [&](int c) {
            if (c == from)
                return to;
            if (from < to && c > from && c <= to)
                return c - 1;
            if (to < from && c >= to && c < from)
                return c + 1;
            return c;
        };
        SortColumn = follow(SortColumn);
        FollowColumns(follow);
    }
    // Recorded changes follow their columns; those of a removed column (-1) restore nothing.
    template <class F>
    void FollowColumns(F newColumn) {
        for (std::vector<TCellChange>& changes : Undo)
            for (TCellChange& change : changes)
                if (change.Col >= 0)
                    change.Col = newColumn(change.Col);
    }
    void Record(std::vector<TCellChange> changes) {
        Undo.resize(UndoLevel);
        Undo.push_back(std::move(changes));
        UndoLevel = static_cast<int>(Undo.size());
    }
};

constexpr int FixedCount = 1;

class TModelledGrid {
public:
    TExStringGrid Grid{nullptr};
    TExGridUndoRedo UndoRedo{nullptr};
    TGridModel Model;
    std::mt19937 Random;

    explicit TModelledGrid(unsigned seed) : Random(seed) {
        Grid.SetColCount(6);
        Grid.SetRowCount(8);
        Grid.SetFixedCols(FixedCount);
        Grid.SetFixedRows(FixedCount);
        UndoRedo.SetMaxLevel(0);
        Grid.SetUndoRedo(&UndoRedo);
        Grid.Navigation()->AllowClipboardAlways = true;
        Grid.Navigation()->AllowClipboardColGrow = false;
        Grid.Navigation()->AllowClipboardRowGrow = false;
        for (int c = 0; c < 6; ++c) {
            Grid.SetColWidths(c, 30 + c);
            Model.Columns.push_back({30 + c, false});
        }
        for (int r = 0; r < 8; ++r) {
            TModelRow row;
            for (int c = 0; c < 6; ++c) {
                row.Cells.push_back(Word());
                Grid.SetCells(c, r, row.Cells.back());
            }
            Model.Rows.push_back(row);
        }
    }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(Random); }
    // Three small letters: texts every comparison orders alike.
    std::string Word() {
        std::string word;
        for (int k = 0; k < 3; ++k)
            word += static_cast<char>('a' + Pick(0, 25));
        return word;
    }

    // One random operation on the grid and the model; its name for the failure message.
    std::string Step() {
        TGridModel& m = Model;
        const int shownCols = static_cast<int>(m.ShownCols().size());
        const int shownRows = static_cast<int>(m.ShownRows().size());
        switch (Pick(0, 17)) {
        case 0: {
            const int c = Pick(0, m.TotalCols() - 1);
            Grid.HideColumn(c);
            if (!m.Columns[c].Hidden && shownCols >= 2)
                m.Columns[c].Hidden = true;
            return "HideColumn " + std::to_string(c);
        }
        case 1: {
            const int c = Pick(0, m.TotalCols() - 1);
            Grid.UnHideColumn(c);
            m.Columns[c].Hidden = false;
            return "UnHideColumn " + std::to_string(c);
        }
        case 2: {
            if (m.TotalCols() > 10)
                return "";
            const int at = Pick(0, m.TotalCols());
            const int count = Pick(1, 2);
            Grid.InsertCols(at, count);
            m.Columns.insert(m.Columns.begin() + at, count, {Grid.DefaultColWidth(), false});
            for (TModelRow& row : m.Rows)
                row.Cells.insert(row.Cells.begin() + at, count, "");
            m.FollowColumns([&](int c) { return c >= at ? c + count : c; });
            return "InsertCols " + std::to_string(at) + " " + std::to_string(count);
        }
        case 3: {
            const int at = Pick(0, m.TotalCols() - 1);
            const int asked = Pick(1, 2);
            // With one column on show the grid has no fixed column left.
            const int fixedCols = Grid.FixedCols();
            Grid.RemoveCols(at, asked);
            const int count =
                std::max(0, std::min({asked, m.TotalCols() - at, shownCols - fixedCols - 1}));
            m.Columns.erase(m.Columns.begin() + at, m.Columns.begin() + at + count);
            for (TModelRow& row : m.Rows)
                row.Cells.erase(row.Cells.begin() + at, row.Cells.begin() + at + count);
            m.FollowColumns([&](int c) { return c < at ? c : c < at + count ? -1 : c - count; });
            return "RemoveCols " + std::to_string(at) + " " + std::to_string(asked);
        }
        case 4: {
            const int from = Pick(0, shownCols - 1);
            const int to = Pick(0, shownCols - 1);
            Grid.MoveColumn(from, to);
            if (from != to)
                m.MoveColumn(m.ShownCols()[from], m.ShownCols()[to]);
            return "MoveColumn " + std::to_string(from) + " " + std::to_string(to);
        }
        case 5: {
            const int a = Pick(0, m.TotalCols() - 1);
            const int b = Pick(0, m.TotalCols() - 1);
            Grid.SwapColumns(a, b);
            if (a != b) {
                std::swap(m.Columns[a], m.Columns[b]);
                for (TModelRow& row : m.Rows)
                    std::swap(row.Cells[a], row.Cells[b]);
                if (m.SortColumn == a || m.SortColumn == b)
                    m.SortColumn = m.SortColumn == a ? b : a;
                m.FollowColumns([&](int c) { return c == a ? b : c == b ? a : c; });
            }
            return "SwapColumns " + std::to_string(a) + " " + std::to_string(b);
        }
        case 6: {
            const int width = Pick(5, 90);
            if (Pick(0, 1) == 0) {
                const int d = Pick(0, shownCols - 1);
                Grid.SetColWidths(d, width);
                m.Columns[m.ShownCols()[d]].Width = width;
                return "SetColWidths " + std::to_string(d);
            }
            const int c = Pick(0, m.TotalCols() - 1);
            Grid.SetAllColWidths(c, width);
            m.Columns[c].Width = width;
            return "SetAllColWidths " + std::to_string(c);
        }
        case 7: {
            const int r = Pick(FixedCount, m.TotalRows() - 1);
            if (m.Rows[r].Hidden || shownRows - FixedCount < 2)
                return "";
            Grid.HideRow(r);
            m.Rows[r].Hidden = true;
            ResetUndo();
            return "HideRow " + std::to_string(r);
        }
        case 8: {
            const int r = Pick(0, m.TotalRows() - 1);
            Grid.UnHideRow(r);
            m.Rows[r].Hidden = false;
            ResetUndo();
            return "UnHideRow " + std::to_string(r);
        }
        case 9: {
            if (m.TotalRows() > 14)
                return "";
            const int at = Pick(FixedCount, shownRows);
            const int count = Pick(1, 2);
            Grid.InsertRows(at, count, true);
            const std::vector<int> shown = m.ShownRows();
            const int real = at < shownRows ? shown[at] : m.TotalRows();
            TModelRow empty;
            empty.Cells.assign(m.TotalCols(), "");
            m.Rows.insert(m.Rows.begin() + real, count, empty);
            ResetUndo();
            return "InsertRows " + std::to_string(at) + " " + std::to_string(count);
        }
        case 10: {
            const int at = Pick(FixedCount, shownRows - 1);
            const int asked = Pick(1, 4);
            Grid.RemoveRows(at, asked);
            const int requested = std::min(asked, shownRows - at);
            const int count = std::min(requested, shownRows - FixedCount - 1);
            if (requested > count)
                for (std::string& cell : m.Rows[m.ShownRows()[at + count]].Cells)
                    cell.clear();
            const std::vector<int> shown = m.ShownRows();
            for (int k = count - 1; k >= 0; --k)
                m.Rows.erase(m.Rows.begin() + shown[at + k]);
            ResetUndo();
            return "RemoveRows " + std::to_string(at) + " " + std::to_string(asked);
        }
        case 11:
        case 12: {
            const int a = Pick(FixedCount, shownRows - 1);
            const int b = Pick(FixedCount, shownRows - 1);
            std::vector<int> order(shownRows);
            for (int d = 0; d < shownRows; ++d)
                order[d] = d;
            const bool move = Pick(0, 1) == 0;
            if (move) {
                Grid.MoveRow(a, b);
                const int moved = order[a];
                order.erase(order.begin() + a);
                order.insert(order.begin() + b, moved);
            } else {
                Grid.SwapRows(a, b);
                std::swap(order[a], order[b]);
            }
            m.PlaceShownRows(order);
            ResetUndo();
            return std::string(move ? "MoveRow " : "SwapRows ") + std::to_string(a) + " " +
                   std::to_string(b);
        }
        case 13: {
            // Only distinct, non-empty keys: then every comparison and any stability agree.
            const int c = Pick(0, m.TotalCols() - 1);
            std::set<std::string> keys;
            for (int d = FixedCount; d < shownRows; ++d)
                keys.insert(m.Cell(c, d));
            if (keys.count("") > 0 || static_cast<int>(keys.size()) != shownRows - FixedCount)
                return "";
            Grid.Sort(c, sdAscending);
            std::vector<int> order(shownRows);
            for (int d = 0; d < shownRows; ++d)
                order[d] = d;
            std::sort(order.begin() + FixedCount, order.end(),
                      [&](int x, int y) { return m.Cell(c, x) < m.Cell(c, y); });
            m.PlaceShownRows(order);
            m.SortColumn = c;
            ResetUndo();
            return "Sort " + std::to_string(c);
        }
        case 14: {
            const int col = Pick(0, shownCols - 1);
            const int row = Pick(0, shownRows - 1);
            const int width = Pick(1, 2);
            const int height = Pick(1, 2);
            std::string text;
            std::vector<TCellChange> changes;
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    const std::string word = Word();
                    text += (x > 0 ? "\t" : "") + word;
                    if (col + x < shownCols && row + y < shownRows) {
                        const int real = m.ShownCols()[col + x];
                        changes.push_back({real, row + y, m.Cell(real, row + y), word});
                        m.Cell(real, row + y) = word;
                    }
                }
                text += "\r\n";
            }
            Grid.PasteText(col, row, text);
            m.Record(changes);
            return "PasteText " + std::to_string(col) + " " + std::to_string(row);
        }
        case 15: {
            if (Pick(0, 3) != 0 || shownCols <= FixedCount) // the clipboard is slow: fewer cuts
                return "";
            const int left = Pick(FixedCount, shownCols - 1);
            const int top = Pick(FixedCount, shownRows - 1);
            const int right = std::min(left + Pick(0, 1), shownCols - 1);
            const int bottom = std::min(top + Pick(0, 1), shownRows - 1);
            Grid.SetSelection(TGridRect{left, top, right, bottom});
            Grid.CutSelectionToClipboard();
            std::vector<TCellChange> changes;
            for (int y = top; y <= bottom; ++y)
                for (int x = left; x <= right; ++x) {
                    const int real = m.ShownCols()[x];
                    changes.push_back({real, y, m.Cell(real, y), ""});
                    m.Cell(real, y).clear();
                }
            m.Record(changes);
            return "Cut " + std::to_string(left) + " " + std::to_string(top);
        }
        case 16: {
            Grid.UndoRedo()->Undo();
            if (m.UndoLevel > 0) {
                const std::vector<TCellChange>& changes = m.Undo[--m.UndoLevel];
                for (auto it = changes.rbegin(); it != changes.rend(); ++it)
                    if (it->Col >= 0)
                        m.Cell(it->Col, it->Row) = it->Old;
            }
            return "Undo";
        }
        default: {
            Grid.UndoRedo()->Redo();
            if (m.UndoLevel < static_cast<int>(m.Undo.size()))
                for (const TCellChange& change : m.Undo[m.UndoLevel++])
                    if (change.Col >= 0)
                        m.Cell(change.Col, change.Row) = change.New;
            return "Redo";
        }
        }
    }

    // Undo entries name display rows: after rows change, the grid and the model start over.
    void ResetUndo() {
        UndoRedo.Reset();
        Model.Undo.clear();
        Model.UndoLevel = 0;
    }

    void ExpectEqual(const std::string& history) {
        const TGridModel& m = Model;
        const std::vector<int> shownCols = m.ShownCols();
        const std::vector<int> shownRows = m.ShownRows();
        ASSERT_EQ(Grid.ColCount(), static_cast<int>(shownCols.size())) << history;
        ASSERT_EQ(Grid.TotalColCount(), m.TotalCols()) << history;
        ASSERT_EQ(Grid.RowCount(), static_cast<int>(shownRows.size())) << history;
        ASSERT_EQ(Grid.TotalRowCount(), m.TotalRows()) << history;
        ASSERT_EQ(Grid.SortSettings()->Column, m.SortColumn) << history;
        for (int c = 0; c < m.TotalCols(); ++c) {
            ASSERT_EQ(Grid.IsHiddenColumn(c), m.Columns[c].Hidden) << c << history;
            ASSERT_EQ(Grid.AllColWidths(c), m.Columns[c].Width) << c << history;
        }
        for (int d = 0; d < static_cast<int>(shownCols.size()); ++d) {
            ASSERT_EQ(Grid.RealColIndex(d), shownCols[d]) << d << history;
            ASSERT_EQ(Grid.DisplColIndex(shownCols[d]), d) << d << history;
            ASSERT_EQ(Grid.ColWidths(d), m.Columns[shownCols[d]].Width) << d << history;
        }
        for (int d = 0; d < static_cast<int>(shownRows.size()); ++d) {
            ASSERT_EQ(Grid.RealRowIndex(d), shownRows[d]) << d << history;
            ASSERT_EQ(Grid.DisplRowIndex(shownRows[d]), d) << d << history;
        }
        for (int r = 0; r < m.TotalRows(); ++r) {
            ASSERT_EQ(Grid.IsHiddenRow(r), m.Rows[r].Hidden) << r << history;
            for (int c = 0; c < m.TotalCols(); ++c)
                ASSERT_EQ(Grid.AllCells(c, r), m.Rows[r].Cells[c])
                    << "cell " << c << "," << r << history;
        }
    }
};

TEST(ExGridModel, RandomRowAndColumnOperationsKeepEveryCellWidthAndMark) {
    constexpr int Steps = 1000;
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        TModelledGrid grid(seed);
        std::string history = "\nseed " + std::to_string(seed);
        for (int step = 0; step < Steps; ++step) {
            const std::string done = grid.Step();
            if (done.empty())
                continue;
            history += "\n" + done;
            grid.ExpectEqual(history);
            if (::testing::Test::HasFatalFailure())
                return;
        }
    }
}

} // namespace
