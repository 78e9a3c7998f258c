#include "grid/stringgrid/SortSettings.h"

#include "grid/foundation/SortIndexList.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/core/Exception.h"
#include "platform/core/IntegerConversion.h"
#include "platform/ui/Bitmap.h"

TSortSettings::TSortSettings(TExStringGrid* AOwner)
    : FGrid(AOwner), FUpGlyph(std::make_unique<TBitmap>()), FDownGlyph(std::make_unique<TBitmap>()),
      FIndexUpGlyph(std::make_unique<TBitmap>()), FIndexDownGlyph(std::make_unique<TBitmap>()) {}

TSortSettings::~TSortSettings() = default;

void TSortSettings::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TSortSettings*>(Source);
    if (!source || source == this)
        return;
    FShow = source->FShow;
    FIndexShow = source->FIndexShow;
    Full = source->Full;
    SingleColumn = source->SingleColumn;
    IgnoreBlanks = source->IgnoreBlanks;
    BlankPos = source->BlankPos;
    AutoFormat = source->AutoFormat;
    Direction = source->Direction;
    FUpGlyph->Assign(source->FUpGlyph.get());
    FDownGlyph->Assign(source->FDownGlyph.get());
    FIndexUpGlyph->Assign(source->FIndexUpGlyph.get());
    FIndexDownGlyph->Assign(source->FIndexDownGlyph.get());
    NormalCellsOnly = source->NormalCellsOnly;
    FixedCols = source->FixedCols;
    Column = source->Column;
    FRow = source->FRow;
    AutoColumnMerge = source->AutoColumnMerge;
    IndexColor = source->IndexColor;
    InitSortDirection = source->InitSortDirection;
    UndoSort = source->UndoSort;
    AutoSortForGrouping = source->AutoSortForGrouping;
    FHeaderColor = source->FHeaderColor;
    FHeaderColorTo = source->FHeaderColorTo;
    FHeaderMirrorColor = source->FHeaderMirrorColor;
    FHeaderMirrorColorTo = source->FHeaderMirrorColorTo;
    IndexSortKey = source->IndexSortKey;
}

void TSortSettings::SetShow(bool Value) {
    if (FShow == Value)
        return;
    FShow = Value;
    if (FGrid)
        FGrid->Invalidate();
}

void TSortSettings::SetRow(int Value) {
    if (FGrid && Value > FGrid->FixedRows())
        throw Exception("Sort row should be smaller than number of fixed rows");
    FRow = Value;
}

void TSortSettings::SetHeaderColour(TColor& Field, TColor Value) {
    if (Field == Value)
        return;
    Field = Value;
    RepaintHeaderRow();
}

void TSortSettings::RepaintHeaderRow() {
    if (FGrid && FGrid->FixedRows() > 0)
        FGrid->RepaintRow(FGrid->FixedRows() - 1);
}

void TSortSettings::SetUpGlyph(const TBitmap* Value) {
    FUpGlyph->Assign(Value);
}

void TSortSettings::SetDownGlyph(const TBitmap* Value) {
    FDownGlyph->Assign(Value);
}

void TSortSettings::SetIndexUpGlyph(const TBitmap* Value) {
    FIndexUpGlyph->Assign(Value);
}

void TSortSettings::SetIndexDownGlyph(const TBitmap* Value) {
    FIndexDownGlyph->Assign(Value);
}

std::string TSortSettings::SaveToString() const {
    if (FIndexShow)
        return "i;" + (FGrid ? FGrid->SortIndexes()->SaveToString() : std::string());
    return (Direction == sdAscending ? "u" : "d") + std::to_string(Column);
}

void TSortSettings::LoadFromString(std::string_view Value) {
    if (Value.empty())
        return;
    SetShow(true);
    if (Value.size() < 2)
        throw Exception("Invalid sort settings specifier");
    if (Value.find("i;") != std::string_view::npos) {
        FIndexShow = true;
        const std::string_view index = Value.substr(2);
        if (index.empty() || !FGrid)
            return;
        FGrid->SortIndexes()->LoadFromString(index);
        FGrid->QSortIndexed();
        return;
    }
    FIndexShow = false;
    Direction = Value.find('u') != std::string_view::npos ? sdAscending : sdDescending;
    int32_t column = 0;
    if (!TryStrToInt(Value.substr(1), column))
        return;
    Column = column;
    if (FGrid)
        FGrid->QSort();
}

void TSortSettings::Remove() {
    Column = -1;
    if (FGrid)
        FGrid->SortIndexes()->Clear();
    RepaintHeaderRow();
}
