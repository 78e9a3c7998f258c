// Grid settings persistence: column widths and order in an INI file (or the INI file that
// stands in for a registry key), and the whole column state as one string. Everything read is
// checked before it is applied, so damaged settings change nothing and say why.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/stringgrid/ColumnSize.h"
#include "grid/stringgrid/ColumnStates.h"
#include "platform/core/Exception.h"
#include "platform/core/IniFile.h"
#include "platform/core/IntegerConversion.h"

#include <algorithm>
#include <numeric>

namespace {

bool IsPermutation(std::vector<int> Values, int Count) {
    if (static_cast<int>(Values.size()) != Count)
        return false;
    std::sort(Values.begin(), Values.end());
    for (int i = 0; i < Count; ++i)
        if (Values[static_cast<size_t>(i)] != i)
            return false;
    return true;
}

std::vector<int> Entries(const TIntList& List) {
    std::vector<int> values;
    for (int i = 0; i < List.Count(); ++i)
        values.push_back(List[i]);
    return values;
}

// A value that is present must be an integer; an absent one reads as Default.
int CheckedInteger(const TIniFile& Ini, const std::string& Section, const std::string& Name,
                   int Default) {
    if (!Ini.ValueExists(Section, Name))
        return Default;
    const std::string text = Ini.ReadString(Section, Name, "");
    int32_t value = 0;
    if (!TryStrToInt(text, value))
        throw Exception("Invalid value \"" + text + "\" of " + Name + " in " + Ini.FileName());
    return value;
}

} // namespace

std::unique_ptr<TIniFile> TExStringGrid::OpenColumnStore() const {
    const TColumnSizeStorage& storage = ColumnSizeStorage;
    if (storage.Key.empty() || storage.Section.empty() || Designing())
        return nullptr;
    return std::make_unique<TIniFile>(
        storage.Location == clIniFile ? storage.Key : RegistryIniFileName(storage.Key));
}

void TExStringGrid::ArrangeColumns(const std::vector<int>& Order) {
    const int count = ColCount();
    std::vector<int> current = Entries(*FColumnOrder);
    // Columns added since the order was taken stand after the others, unmoved.
    if (IsPermutation(current, static_cast<int>(current.size())))
        for (int c = static_cast<int>(current.size()); c < count; ++c)
            FColumnOrder->Add(c);
    if (!IsPermutation(Entries(*FColumnOrder), count))
        SetColumnOrder();
    for (int p = 0; p < count && p < static_cast<int>(Order.size()); ++p) {
        int q = p;
        while (q < count && (*FColumnOrder)[q] != Order[static_cast<size_t>(p)])
            ++q;
        if (q < count && q != p)
            MoveColumn(q, p);
    }
}

// --- the column state string ---------------------------------------------------------------------

std::string TExStringGrid::ColumnStatesToString() {
    TColumnStates states;
    states.Count = AllColCount();
    for (int n = 0; n < states.Count; ++n) {
        states.Widths.push_back(n < ColCount() ? ColWidths(n) : DefaultColWidth());
        states.Visible.push_back(!IsHiddenColumn(n));
    }
    // An order list that no longer covers the columns would make the string unreadable: such
    // a string leaves the order as it is instead.
    const std::vector<int> order = Entries(*FColumnOrder);
    if (order.empty()) {
        states.Order.resize(static_cast<size_t>(states.Count));
        std::iota(states.Order.begin(), states.Order.end(), 0);
    } else if (IsPermutation(order, states.Count)) {
        states.Order = order;
    }
    return FormatColumnStates(states);
}

void TExStringGrid::StringToColumnStates(const std::string& Value) {
    if (Value.find('#') == std::string::npos)
        return;
    TColumnStates states;
    std::string why;
    if (!ParseColumnStates(Value, states, why))
        throw Exception("Invalid column states: " + why);
    BeginUpdate();
    UnHideColumnsAll();
    SetColCount(states.Count);
    // The order list still describes the present arrangement, so the saved one is reached from
    // it (taking the present arrangement as the original would move columns twice).
    if (!states.Order.empty())
        ArrangeColumns(states.Order);
    for (int c = states.Count - 1; c >= 0; --c)
        if (!states.Visible[static_cast<size_t>(c)])
            HideColumn(c);
    const bool stretch = FColumnSize->Stretch;
    FColumnSize->Stretch = false;
    if (stretch) {
        const int column =
            FColumnSize->StretchColumn == -1 ? ColCount() - 1 : FColumnSize->StretchColumn;
        if (column >= 0 && column < ColCount())
            SetDefaultColWidth(ColWidths(column));
    }
    for (int n = 0; n < ColCount(); ++n)
        SetColWidths(n, states.Widths[static_cast<size_t>(n)]);
    FColumnSize->Stretch = stretch;
    EndUpdate();
}

// --- column sizes and positions in a settings file ---------------------------------------------

void TExStringGrid::SaveColSizes() {
    const auto save = [this] {
        std::unique_ptr<TIniFile> ini = OpenColumnStore();
        if (!ini)
            return;
        for (int n = 0; n < ColCount(); ++n)
            ini->WriteInteger(ColumnSizeStorage.Section, "Col" + IntToStr(n), ColWidths(n));
        ini->UpdateFile();
    };
    if (!Destroying()) {
        save();
        return;
    }
    // The grid saves its sizes as it is freed, where an error could only end the program: the
    // sizes are then kept if they can be, and the previous file stays if they cannot.
    try {
        save();
    } catch (const std::exception&) {
    }
}

void TExStringGrid::LoadColSizes() {
    std::unique_ptr<TIniFile> ini = OpenColumnStore();
    if (!ini)
        return;
    std::vector<int> widths;
    for (int n = 0; n < ColCount(); ++n) {
        const std::string name = "Col" + IntToStr(n);
        widths.push_back(CheckedInteger(*ini, ColumnSizeStorage.Section, name, ColWidths(n)));
        if (widths.back() < 0)
            throw Exception("Invalid width " + IntToStr(widths.back()) + " of " + name + " in " +
                            ini->FileName());
    }
    for (int n = 0; n < ColCount(); ++n)
        if (widths[static_cast<size_t>(n)] != ColWidths(n))
            SetColWidths(n, widths[static_cast<size_t>(n)]);
}

void TExStringGrid::SaveColPositions() {
    std::unique_ptr<TIniFile> ini = OpenColumnStore();
    if (!ini)
        return;
    for (int n = 0; n < FColumnOrder->Count(); ++n)
        ini->WriteInteger(ColumnSizeStorage.Section, "Pos" + IntToStr(n), (*FColumnOrder)[n]);
    ini->UpdateFile();
}

void TExStringGrid::LoadColPositions() {
    std::unique_ptr<TIniFile> ini = OpenColumnStore();
    if (!ini)
        return;
    const std::string& section = ColumnSizeStorage.Section;
    if (CheckedInteger(*ini, section, "Pos0", -1) == -1)
        return;
    const int count = AllColCount();
    std::vector<int> order;
    for (int n = 0; n < count; ++n)
        if (const int value = CheckedInteger(*ini, section, "Pos" + IntToStr(n), -1); value != -1)
            order.push_back(value);
    if (!IsPermutation(order, count))
        throw Exception("The column positions in " + ini->FileName() +
                        " are not a permutation of the " + IntToStr(count) + " columns");
    // Hidden columns are remembered by the column they are, not by the place they stand in,
    // so that they are hidden again wherever the new order puts them.
    std::vector<int> current = Entries(*FColumnOrder);
    const bool known = IsPermutation(current, count);
    std::vector<int> hidden;
    for (int c = 0; c < count; ++c)
        if (IsHiddenColumn(c))
            hidden.push_back(known ? current[static_cast<size_t>(c)] : c);
    BeginUpdate();
    UnHideColumnsAll();
    if (!known)
        SetColumnOrder();
    ArrangeColumns(order);
    for (int origin : hidden)
        for (int p = 0; p < FColumnOrder->Count(); ++p)
            if ((*FColumnOrder)[p] == origin)
                HideColumn(p);
    EndUpdate();
}
