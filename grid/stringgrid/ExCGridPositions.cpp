// Column positions: each item remembers in DefIdx where its column stood when the grid was
// loaded, so that a saved order can be put back by moving columns.
#include "grid/stringgrid/ExCGrid.h"

#include "platform/core/Exception.h"
#include "platform/core/IniFile.h"
#include "platform/core/IntegerConversion.h"

#include <vector>

std::vector<int> TExColumnGrid::ColumnPositions() const {
    std::vector<int> positions;
    for (int i = 0; i < FColumnCollection->Count(); ++i)
        positions.push_back(FColumnCollection->GetItem(i)->DefIdx);
    return positions;
}

namespace {

bool IsPositionList(const std::vector<int>& Positions, int Count) {
    if (static_cast<int>(Positions.size()) != Count)
        return false;
    std::vector<bool> seen(static_cast<size_t>(Count), false);
    for (int origin : Positions) {
        if (origin < 0 || origin >= Count || seen[static_cast<size_t>(origin)])
            return false;
        seen[static_cast<size_t>(origin)] = true;
    }
    return true;
}

} // namespace

// Positions come from a file: only a permutation of the item positions is applied, so that a
// damaged or foreign list can neither lose a column nor move columns without end.
bool TExColumnGrid::RestoreColumnPositions(const std::vector<int>& Positions) {
    const int count = FColumnCollection->Count();
    if (!IsPositionList(Positions, count))
        return false;
    // Positions name load-time places: the columns go back to those first, or a grid already
    // rearranged would be moved from its present order instead.
    if (IsPositionList(ColumnPositions(), count))
        FColumnCollection->ResetOrganization();
    for (int j = 0; j < count; ++j)
        FColumnCollection->GetItem(Positions[static_cast<size_t>(j)])->DefIdx = j;
    FColumnCollection->ResetOrganization();
    for (int j = 0; j < count; ++j)
        FColumnCollection->GetItem(j)->DefIdx = Positions[static_cast<size_t>(j)];
    return true;
}

void TExColumnGrid::SaveColumnPositions(const std::string& Key, const std::string& Section) {
    TIniFile ini(Key);
    const std::vector<int> positions = ColumnPositions();
    for (size_t i = 0; i < positions.size(); ++i)
        ini.WriteInteger(Section, "CP" + IntToStr(static_cast<int64_t>(i)), positions[i]);
    ini.UpdateFile();
}

void TExColumnGrid::LoadColumnPositions(const std::string& Key, const std::string& Section) {
    const TIniFile ini(Key);
    std::vector<int> positions;
    for (int i = 0; i < FColumnCollection->Count(); ++i) {
        const std::string name = "CP" + IntToStr(i);
        if (!ini.ValueExists(Section, name))
            return;
        int32_t value = 0;
        if (!TryStrToInt(ini.ReadString(Section, name, ""), value))
            throw Exception("Invalid value of " + name + " in " + Key);
        positions.push_back(value);
    }
    if (!RestoreColumnPositions(positions))
        throw Exception("The column positions in " + Key + " are not one per column");
}

void TExColumnGrid::SaveColPositions() {
    const TColumnSizeStorage& storage = ColumnSizeStorage;
    if (storage.Location != clIniFile) {
        TExStringGrid::SaveColPositions();
        return;
    }
    if (!storage.Key.empty() && !storage.Section.empty() && !Designing())
        SaveColumnPositions(storage.Key, storage.Section);
}

void TExColumnGrid::LoadColPositions() {
    const TColumnSizeStorage& storage = ColumnSizeStorage;
    if (storage.Location != clIniFile) {
        TExStringGrid::LoadColPositions();
        return;
    }
    if (!storage.Key.empty() && !storage.Section.empty() && !Designing())
        LoadColumnPositions(storage.Key, storage.Section);
}
