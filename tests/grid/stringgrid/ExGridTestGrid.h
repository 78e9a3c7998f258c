#pragma once

#include "grid/stringgrid/ExGrid.h"

#include <string>
#include <vector>

// A string grid whose frame state and protected hooks tests can reach, recording the calls the
// frame makes to the hooks of other features.
class TTestExGrid : public TExStringGrid {
public:
    using TExStringGrid::FFixedColsMin;
    using TExStringGrid::FFixedRowsMin;
    using TExStringGrid::FGroupColumn;
    using TExStringGrid::FNormalRowCount;
    using TExStringGrid::GetDefaultCellProperties;
    using TExStringGrid::HiddenRowsFollowInsert;
    using TExStringGrid::HiddenRowsFollowRemove;
    using TExStringGrid::SetComponentState;
    using TExStringGrid::TExStringGrid;

    std::vector<std::string> Calls;
    int Paints = 0;
    int Timer111Ticks = 0;
    TCellType KindOfEveryCell = ctEmpty;
    bool UseKindOfEveryCell = false;
    bool Nodes = false;
    int ParentRow = -1;
    bool CheckState = false;

    bool HasNodes() override { return Nodes; }
    int GetParentRow(int ARow) override {
        Calls.push_back("GetParentRow " + std::to_string(ARow));
        return ParentRow;
    }
    TCellType GetCellType(int ACol, int ARow) override {
        return UseKindOfEveryCell ? KindOfEveryCell : TExStringGrid::GetCellType(ACol, ARow);
    }
    bool GetCheckBoxState(int ACol, int ARealRow, bool& State) override {
        State = CheckState;
        return true;
    }
    void InsertRows(int RowIndex, int RCount, bool Update) override {
        Calls.push_back("InsertRows " + std::to_string(RowIndex) + " " + std::to_string(RCount));
    }
    void RemoveRowRange(int RowIndex, int RCount) override {
        Calls.push_back("RemoveRowRange " + std::to_string(RowIndex) + " " +
                        std::to_string(RCount));
    }
    void ClearRows(int RowIndex, int RCount) override {
        Calls.push_back("ClearRows " + std::to_string(RowIndex) + " " + std::to_string(RCount));
    }
    void InsertNormalRow(int ARow) override {
        Calls.push_back("InsertNormalRow " + std::to_string(ARow));
    }
    void InsertChildRow(int ARow, int Level) override {
        Calls.push_back("InsertChildRow " + std::to_string(ARow));
    }
    void RemoveNormalRow(int ARow) override {
        Calls.push_back("RemoveNormalRow " + std::to_string(ARow));
    }
    void RemoveChildRow(int ARow) override {
        Calls.push_back("RemoveChildRow " + std::to_string(ARow));
    }
    int GetExpandHeight(int ACol, int ARow, bool Expanded) override { return Expanded ? 60 : 20; }
    bool IsNode(int ARow) override { return ARow == 3; }
    bool IsSummary(int ARow) override { return ARow == 4; }

protected:
    void Paint() override {
        ++Paints;
        TExStringGrid::Paint();
    }
    void HandleWindowMessage(TMessage& Message) override {
        if (Message.Msg == WM_TIMER && Message.WParam == GridTimerIdentifier)
            ++Timer111Ticks;
        TExStringGrid::HandleWindowMessage(Message);
    }
};
