// Filtering: conditions per column decide which normal rows stay on show; the rows that fail
// leave for the hidden-row store as one filter level, so filters stack and come off newest first.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/ExUtil.h"
#include "grid/foundation/FilterCondition.h"
#include "grid/foundation/IntList.h"
#include "grid/stringgrid/Filter.h"
#include "platform/core/CodePage.h"
#include "platform/core/StringList.h"
#include "platform/core/Text.h"
#include "platform/core/Utf8.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// The text a condition tests, before trimming and unpacking.
std::string RawFilterText(TExStringGrid& Grid, const TFilterData& Item, int ARow) {
    if (Item.Data == fcRow) {
        std::string text;
        for (int c = 0; c < Grid.TotalColCount(); ++c)
            text += Grid.Cells(c, ARow) + "\n";
        return text;
    }
    const int col = Item.Column;
    if (col < 0 || col >= Grid.TotalColCount())
        return {};
    switch (Item.Data) {
    case fcNormal:
        return Grid.GetGridCell(col, ARow);
    case fcStripHTML:
        return Grid.GetStrippedCell(col, ARow);
    case fcCalculated: {
        std::string text;
        Grid.GetCalculatedCell(col, ARow, text);
        return text;
    }
    default:
        return Grid.Cells(col, ARow);
    }
}

// Blanks and control characters off both ends, as Trim does, without a copy.
std::string_view Trimmed(std::string_view Text) {
    while (!Text.empty() && static_cast<unsigned char>(Text.front()) <= ' ')
        Text.remove_prefix(1);
    while (!Text.empty() && static_cast<unsigned char>(Text.back()) <= ' ')
        Text.remove_suffix(1);
    return Text;
}

bool MatchOne(const TFilterData& Item, const TPreparedCondition& Prepared, std::string_view Text) {
    if (Item.Data == fcRow)
        return UpperCaseFull(Text).find(UpperCaseFull(Item.Condition)) != std::string::npos;
    if (!Item.Prefix.empty() && StartsWith(Text, Item.Prefix))
        Text.remove_prefix(Item.Prefix.size());
    if (!Item.Suffix.empty() && Text.size() >= Item.Suffix.size() &&
        Text.find(Item.Suffix) == Text.size() - Item.Suffix.size())
        Text.remove_suffix(Item.Suffix.size());
    if (Item.Method == fmLiteral)
        return Item.Condition == Text;
    if (Item.Method == fmContains)
        return UpperCaseFull(Text).find(UpperCaseFull(Item.Condition)) != std::string::npos;
    if (Item.Method == fmOneOf) {
        if (std::find(Item.Values.begin(), Item.Values.end(), Text) != Item.Values.end())
            return true;
        if (Item.Condition.empty())
            return false;
    }
    if (Item.Condition.empty())
        return true;
    try {
        return Prepared.Matches(Text);
    } catch (...) {
        return false; // a condition the matcher cannot evaluate accepts nothing
    }
}

std::vector<TPreparedCondition> Prepare(const TFilter& Filter) {
    std::vector<TPreparedCondition> prepared;
    for (int i = 0; i < Filter.Count(); ++i)
        prepared.emplace_back(Filter.Items(i)->Condition, Filter.Items(i)->CaseSensitive);
    return prepared;
}

// Whether Longer is Shorter followed by exactly one (UTF-8) character.
bool AddsOneCharacter(std::string_view Longer, std::string_view Shorter) {
    if (Longer.size() <= Shorter.size() || Longer.substr(0, Shorter.size()) != Shorter)
        return false;
    char32_t ignored = 0;
    const std::string_view rest = Longer.substr(Shorter.size());
    return DecodeUtf8Character(rest, ignored) == rest.size();
}

// Blanks outside double quotes mean nothing to the matcher, so a value with blanks is quoted.
std::string QuotedIfBlank(const std::string& Text) {
    return Text.find(' ') == std::string::npos ? Text : "\"" + Text + "\"";
}

int16_t Percentage(int Part, int Total) {
    return static_cast<int16_t>(std::nearbyint(100.0 * Part / Total));
}

} // namespace

bool TExStringGrid::MatchFilter(int ARow) {
    // Outside ApplyFilter, or when a handler changed the conditions meanwhile, they are made
    // ready here.
    const auto current = [this] {
        if (static_cast<int>(FPreparedConditions.size()) != FFilter->Count())
            return false;
        for (int i = 0; i < FFilter->Count(); ++i)
            if (!FPreparedConditions[static_cast<size_t>(i)].IsFor(*FFilter->Items(i)))
                return false;
        return true;
    };
    const bool prepared = current();
    const std::vector<TPreparedCondition> local =
        prepared ? std::vector<TPreparedCondition>() : Prepare(*FFilter);
    const std::vector<TPreparedCondition>& conditions = prepared ? FPreparedConditions : local;
    bool result = true;
    for (int i = 0; i < FFilter->Count(); ++i) {
        const TFilterData& item = *FFilter->Items(i);
        const std::string raw = RawFilterText(*this, item, ARow);
        std::string_view text = Trimmed(raw);
        std::string unpacked;
        if (text.find("|\\") != std::string_view::npos) {
            unpacked = Utf16ToUtf8(UnpackWideText(text));
            text = unpacked;
        }
        const bool match = MatchOne(item, conditions[static_cast<size_t>(i)], text);
        switch (item.Operation) {
        case foSHORT:
        case foNONE:
            result = match;
            break;
        case foAND:
            result = result && match;
            break;
        case foXOR:
            result = result != match;
            break;
        case foOR:
            result = result || match;
            break;
        }
        if (item.Operation == foSHORT && !match)
            break;
    }
    if (OnCustomFilter)
        FireEvent(OnCustomFilter, this, ARow, result);
    return result;
}

void TExStringGrid::ApplyFilter() {
    FFilterFixedRows = FixedRows();
    const int first = FixedRows();
    const int last = RowCount() - 1 - FixedFooters();
    const int total = RowCount() - FixedRows() - FixedFooters();
    TIntList failing(-1, -1);
    FPreparedConditions = Prepare(*FFilter);
    struct TForget {
        std::vector<TPreparedCondition>& Conditions;
        ~TForget() { Conditions.clear(); }
    } forget{FPreparedConditions};
    int examined = 0;
    int16_t reported = -1;
    for (int r = first; r <= last; ++r) {
        if (FilterNormalCellsOnly && (IsNode(r) || IsSummary(r)))
            continue;
        if (!MatchFilter(r))
            failing.Add(r);
        ++examined;
        // Reported when the percentage moves, not once per row of a large grid.
        if (OnFilterProgress && total > 0 && Percentage(examined, total) != reported) {
            reported = Percentage(examined, total);
            FireEvent(OnFilterProgress, this, reported);
        }
    }
    HideRowList(failing);
    if (OnFilterProgress && total > 0)
        FireEvent(OnFilterProgress, this, Percentage(examined, total));
}

void TExStringGrid::FilterRow(int ARow) {
    if (!MatchFilter(ARow))
        HideRow(RealRowIndex(ARow));
}

void TExStringGrid::SetFilterActive(bool Value) {
    if (Value != FFilterActive) {
        FFilterActive = Value;
        if (Value) {
            if (Row() >= RowCount() || Col() >= ColCount()) {
                SetCol(FixedCols());
                SetRow(FixedRows());
            }
            BeginUpdate();
            ApplyFilter();
            EndUpdate();
        } else {
            UnHideRowList();
            SetFixedRows(FFilterFixedRows);
        }
        SetTopRow(FixedRows());
    }
    CalcFooter(-1);
}

bool TExStringGrid::RemoveLastFilter() {
    if (FilterLevel() <= 0)
        return false;
    UnHideRowList();
    SetFixedRows(FFilterFixedRows);
    CalcFooter(-1);
    SetFilterLevel(FilterLevel() - 1);
    // With no level left nothing is filtered: switching the filter off later must not show the
    // rows that were hidden by other means.
    if (FilterLevel() == 0)
        FFilterActive = false;
    return FilterLevel() > 1;
}

void TExStringGrid::RemoveAllFilters() {
    if (FilterLevel() == 0) {
        FFilter->Clear();
        return;
    }
    while (FilterLevel() > 0)
        RemoveLastFilter();
}

void TExStringGrid::NarrowDown(const std::string& ACondition, int AColumn) {
    SetFixedRowAlways(true);
    const auto narrowTo = [&] {
        FFilter->Clear();
        TFilterData* item = FFilter->Add();
        item->CaseSensitive = false;
        item->Column = static_cast<int16_t>(AColumn);
        if (AColumn == -1) {
            item->Data = fcRow;
            item->Condition = ACondition;
        } else {
            // What is typed is text to find, not a condition: "a&b" finds "a&b".
            item->Data = fcNormal;
            item->Method = fmContains;
            item->Condition = ACondition;
        }
        ApplyFilter();
    };
    if (AddsOneCharacter(ACondition, FLastFilter)) {
        narrowTo();
        ++FNarrowLevels;
    } else if (!ACondition.empty() && AddsOneCharacter(FLastFilter, ACondition) &&
               FNarrowLevels > 1) {
        // Only a level that a narrowing step put on top of this text's own level can simply
        // come off; otherwise the rows it shows would not have passed this text.
        RemoveLastFilter();
        --FNarrowLevels;
    } else {
        RemoveAllFilters();
        FNarrowLevels = 0;
        if (!ACondition.empty()) {
            narrowTo();
            FNarrowLevels = 1;
        }
    }
    FLastFilter = ACondition;
    if (ACondition.empty())
        UnHideRowsAll();
}

void TExStringGrid::SetFilterDropDownAuto(bool Value) {
    FFilterDropDownAuto = Value;
    Invalidate();
}

void TExStringGrid::SetFilterDropDownRow(int Value) {
    if (Value < 0 || Value >= FixedRows())
        return;
    FFilterDropDownRow = Value;
    Invalidate();
}

bool TExStringGrid::GetColumnFilter(int ACol) {
    FFilterList->Clear();
    FFilterList->SetSorted(false); // the values come in sorted, the clear entry goes first
    FFilterValueTexts.clear();
    if (FFilterDropDownAuto && (ACol >= FixedCols() || FilterDropDownColumns == fdAll)) {
        // Sorted without regard to case; of texts equal but for case the first one stays.
        std::map<std::string, std::string> values;
        const auto add = [&](const std::string& Text) {
            std::string entry = Text;
            if (Text.find('=') == std::string::npos && Text.find(' ') != std::string::npos)
                entry = Text + "=" + QuotedIfBlank(Text);
            if (values.emplace(UpperCaseFull(entry), entry).second)
                FFilterValueTexts.emplace_back(std::move(entry), Text);
        };
        for (int r = FixedRows(); r <= RowCount() - 1 - FixedFooters(); ++r)
            add(Trim(Cells(ACol, r)));
        if (!FilterIncremental)
            for (int r = 0; r < TotalRowCount(); ++r)
                if (IsHiddenRow(r))
                    add(AllCells(ACol, r));
        for (const auto& value : values)
            FFilterList->Add(value.second);
        if (!FilterDropDownClear.empty())
            FFilterList->Insert(0, FilterDropDownClear);
    }
    if (OnGetColumnFilter)
        FireEvent(OnGetColumnFilter, this, ACol, FFilterList.get());
    return FFilterList->Count() > 0;
}

bool TExStringGrid::FilterListEntry(int Index, std::string& FriendlyName,
                                    std::string& Condition) const {
    const std::string& entry = (*FFilterList)[Index];
    const auto value =
        std::find_if(FFilterValueTexts.begin(), FFilterValueTexts.end(),
                     [&](const auto& entryAndText) { return entryAndText.first == entry; });
    if (value != FFilterValueTexts.end() && entry != FilterDropDownClear) {
        FriendlyName = value->second;
        Condition = QuotedIfBlank(value->second);
        return true;
    }
    const size_t equals = entry.find('=');
    if (equals == std::string::npos) {
        FriendlyName = entry;
        Condition = entry;
    } else {
        FriendlyName = entry.substr(0, equals);
        Condition = entry.substr(equals + 1);
    }
    return false;
}

void TExStringGrid::FilterSelect(int ItemIndex) {
    if (CanFocus())
        SetFocus();
    const int col = FFilterCol;
    FFilterCol = -1;
    if (col < 0 || col >= TotalColCount())
        return;
    GetColumnFilter(col);
    if (ItemIndex < 0 || ItemIndex >= FFilterList->Count())
        return;
    std::string friendlyName;
    std::string condition;
    const bool cellText = FilterListEntry(ItemIndex, friendlyName, condition);
    if (AutoFilterUpdate)
        SetFilterActive(false);
    if (!cellText && condition == FilterDropDownClear)
        condition.clear();
    const std::string picked = condition;
    const std::string cellValue = friendlyName;
    FireEvent(OnFilterSelect, this, col, ItemIndex, friendlyName, condition);
    // A cell text is matched as it is (the empty text too); a condition a handler gave is read
    // as a condition.
    const bool literal = cellText && condition == picked;
    if (literal || !condition.empty()) {
        TFilterData* item = FFilter->ColumnFilter(col);
        item->Condition = literal ? cellValue : condition;
        item->Method = literal ? fmLiteral : fmExpression;
    } else {
        FFilter->RemoveColumnFilter(col);
    }
    Invalidate(); // the filter button shows whether its column has a condition
    if (AutoFilterUpdate) {
        SetFixedRowAlways(true);
        SetFilterActive(true);
        if (RowCount() != FixedRows() && RowCount() != 1)
            SetRow(FixedRows());
        FilterDone();
    }
}

void TExStringGrid::FilterCheck() {
    const int col = FFilterCol;
    if (col < 0 || col >= TotalColCount())
        return;
    GetColumnFilter(col);
    if (AutoFilterUpdate)
        SetFilterActive(false);
    // The ticked entries of this column are one condition of alternatives, so that they join
    // the other columns' conditions as one term: several separate conditions evaluated left
    // to right could not say "this column is one of these values and that column is ...".
    // Ticked cell texts are matched as they stand; conditions (list entries given as such, or
    // changed by the handler) as expressions.
    std::vector<std::string> values;
    std::string expressions;
    bool acceptsAll = false;
    for (int i = 0; i < FFilterList->Count(); ++i) {
        if (i >= static_cast<int>(FilterCheckMarks.size()) || !FilterCheckMarks[i])
            continue;
        std::string friendlyName;
        std::string condition;
        const bool cellText = FilterListEntry(i, friendlyName, condition);
        if (!cellText && condition == FilterDropDownClear)
            condition.clear();
        const std::string picked = condition;
        FireEvent(OnFilterCheck, this, col, i, friendlyName, condition, FilterCheckMarks);
        if (cellText && condition == picked)
            values.push_back(friendlyName);
        else if (condition.empty())
            acceptsAll = true;
        else
            expressions += (expressions.empty() ? "(" : "|(") + condition + ")";
    }
    FFilter->RemoveColumnFilter(col);
    if ((!values.empty() || !expressions.empty()) && !acceptsAll) {
        TFilterData* item = FFilter->ColumnFilter(col);
        item->Method = fmOneOf;
        item->Values = std::move(values);
        item->Condition = std::move(expressions);
    }
    SetFilterActive(true);
    Invalidate();
}
