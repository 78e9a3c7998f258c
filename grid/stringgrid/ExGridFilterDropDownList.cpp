// The filter button of the filter row: a click on it opens the list of the column's values (or
// the check list of them) under the button; choosing in it filters (ExGridFiltering.cpp).
#include "grid/stringgrid/ExGrid.h"

#include "grid/stringgrid/DropCheckList.h"
#include "grid/stringgrid/DropList.h"
#include "grid/stringgrid/Filter.h"
#include "grid/stringgrid/FilterDropDown.h"
#include "platform/core/StringList.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

#include <algorithm>

namespace {

// Whether the column's one check-list condition takes the entry, so that a list opened again
// shows the marks it was left with.
bool FilterListEntryTicked(const TFilterData* Item, bool CellText, const std::string& Name,
                           const std::string& Condition) {
    if (Item == nullptr)
        return false;
    if (Item->Method != fmOneOf)
        return Item->Condition == Condition;
    if (CellText)
        return std::find(Item->Values.begin(), Item->Values.end(), Name) != Item->Values.end();
    return !Condition.empty() && (Item->Condition == "(" + Condition + ")" ||
                                  Item->Condition.find("(" + Condition + ")|") == 0 ||
                                  Item->Condition.find("|(" + Condition + ")") !=
                                      std::string::npos);
}

} // namespace

void TExStringGrid::ReleaseOnFilterButton(int X, int Y) {
    int displCol = -1;
    int row = -1;
    MouseToCell(X, Y, displCol, row);
    if (displCol >= 0 && row >= 0 && row == FFilterDropDownRow && row < FixedRows()) {
        const int realCol = RealColIndex(displCol);
        const TRect cellR = CellRect(displCol, row);
        const bool onButton = X > cellR.Right - 16 && X < cellR.Right - 3 && Y < cellR.Top + 19;
        const bool ownListWasOpen = realCol == FFilterColAtPress;
        FFilterColAtPress = -1;
        if (!ownListWasOpen && onButton && GetColumnFilter(realCol)) {
            OpenFilterList(displCol, realCol);
            return;
        }
    }
    FFilterColAtPress = -1;
    CloseFilterLists();
}

void TExStringGrid::NoteFilterListAtPress() {
    const bool open = FDropList->Visible() || FDropCheckList->Visible();
    FFilterColAtPress = open ? FFilterCol : FFilterColClosedByFocus;
}

void TExStringGrid::FilterListClosedWithoutChoice() {
    // Closed because the grid took the focus: a press on the grid is on its way.
    FFilterColClosedByFocus = Focused() ? FFilterCol : -1;
    FFilterCol = -1;
}

void TExStringGrid::CloseFilterLists() {
    FFilterCol = -1;
    for (TListBox* list : {static_cast<TListBox*>(FDropList),
                           static_cast<TListBox*>(FDropCheckList)})
        if (list->Visible())
            list->Hide();
}

void TExStringGrid::OpenFilterList(int DisplCol, int RealCol) {
    CloseFilterLists();
    FFilterCol = RealCol;
    TListBox* list = FilterDropDownCheck ? static_cast<TListBox*>(FDropCheckList)
                                         : static_cast<TListBox*>(FDropList);
    list->SetColor(FFilterDropDown->Color);
    list->SetFont(FFilterDropDown->Font());
    list->Items()->Clear();
    TCanvas* canvas = Canvas();
    TFont savedFont;
    savedFont.Assign(*canvas->Font());
    canvas->Font()->Assign(*FFilterDropDown->Font());
    const TFilterData* columnCondition = nullptr;
    for (int i = 0; i < FFilter->Count(); ++i)
        if (FFilter->Items(i)->Column == RealCol) {
            columnCondition = FFilter->Items(i);
            break;
        }
    int widest = 0;
    FilterCheckMarks.assign(static_cast<size_t>(FFilterList->Count()), false);
    for (int i = 0; i < FFilterList->Count(); ++i) {
        std::string name;
        std::string condition;
        const bool cellText = FilterListEntry(i, name, condition);
        list->Items()->Add(name);
        widest = std::max(widest, canvas->TextWidth(name) + 8);
        if (list == FDropCheckList) {
            const bool ticked = FilterListEntryTicked(columnCondition, cellText, name, condition);
            FDropCheckList->SetChecked(i, ticked);
            FilterCheckMarks[static_cast<size_t>(i)] = ticked;
        }
    }
    canvas->Font()->Assign(savedFont);
    if (list == FDropList && list->Count() > 0)
        list->SetItemIndex(0);
    PlaceFilterList(list, DisplCol, widest);
    list->Show();
    list->BringToFront();
    if (list->CanFocus())
        list->SetFocus();
}

void TExStringGrid::PlaceFilterList(TListBox* List, int DisplCol, int Widest) {
    const TRect cellR = CellRect(DisplCol, FFilterDropDownRow);
    int width = FFilterDropDown->Width;
    int height = FFilterDropDown->Height;
    if (FFilterDropDown->AutoSize) {
        TCanvas* canvas = Canvas();
        const int itemHeight = canvas->TextHeight("hg") + 2;
        height = List->Count() * itemHeight + 4;
        width = Widest + 4 + (List == FDropCheckList ? 20 : 0);
    }
    int left = cellR.Right - 16;
    if (FFilterDropDown->ColumnWidth) {
        left = cellR.Left;
        width = cellR.Right - cellR.Left;
    }
    // A list that would pass the grid's right edge ends at the column's right edge instead.
    if (left + width > Width())
        left = std::max(0, CellRect(DisplCol, 0).Right - width);
    List->SetBounds(left, cellR.Top + 16, width, height);
}
