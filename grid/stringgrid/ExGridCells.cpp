// Typed and indexed access to the cells: numbers, texts by real row, by the order before sorting
// and before column moves, wide texts, the per-cell settings kept in the cell properties, and
// the current cell.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExUtil.h"
#include "grid/foundation/IntList.h"
#include "grid/stringgrid/GridDateText.h"
#include "grid/stringgrid/GridFormat.h"
#include "grid/stringgrid/GridRowMover.h"
#include "platform/core/CodePage.h"
#include "platform/core/FloatConversion.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"
#include "platform/ui/Font.h"

namespace {

int ReadInteger(std::string_view Text) {
    const std::string trimmed = Trim(std::string(Text));
    if (trimmed.empty() || trimmed == "-")
        return 0;
    int32_t value = 0;
    if (!TryStrToInt(trimmed, value))
        throw ROvoVariRodev("Cell does not contain integer value");
    return value;
}

double ReadFloat(std::string_view Text) {
    const std::string normal = NormalizeNumber(Text);
    if (normal.empty() || normal == "-")
        return 0;
    double value = 0;
    if (!TryStrToFloat(normal, value, "."))
        throw ROvoVariRodev("Cell does not contain a float value");
    return value;
}

std::string FormatFloat(const std::string& Format, double Value) {
    const TFormatSettings settings = CurrentFormatSettings();
    return FormatValues(Format, {Value}, settings.DecimalSeparator, settings.ThousandSeparator);
}

} // namespace

TCellProperties* TExStringGrid::ExistingProperties(int i, int j) const {
    return HasCellProperties(i, j) ? dynamic_cast<TCellProperties*>(GetGridObject(i, j)) : nullptr;
}

void TExStringGrid::RepaintTypedCell(int i, int j) {
    RepaintCell(DisplColIndex(i), j);
}

// --- numbers, dates, times ---------------------------------------------------------------------

int TExStringGrid::Ints(int i, int j) const {
    return ReadInteger(StrippedCells(i, j));
}

void TExStringGrid::SetInts(int i, int j, int Value) {
    SetCells(i, j, IntToStr(Value));
    if (NumHiddenColumns() > 0)
        RepaintTypedCell(i, j);
}

int TExStringGrid::AllInts(int i, int j) const {
    return ReadInteger(AllCells(i, j));
}

void TExStringGrid::SetAllInts(int i, int j, int Value) {
    SetAllCells(i, j, IntToStr(Value));
}

double TExStringGrid::Floats(int i, int j) const {
    return ReadFloat(StrippedCells(i, j));
}

void TExStringGrid::SetFloats(int i, int j, double Value) {
    SetCells(i, j,
             FormatFloat(const_cast<TExStringGrid*>(this)->GetColumnFloatFormat(i, j), Value));
}

double TExStringGrid::AllFloats(int i, int j) const {
    return ReadFloat(AllCells(i, j));
}

void TExStringGrid::SetAllFloats(int i, int j, double Value) {
    SetAllCells(i, j, FormatFloat(FloatFormat, Value));
}

TDateTime TExStringGrid::Dates(int i, int j) const {
    return StrToDateText(Cells(i, j), CurrentFormatSettings());
}

void TExStringGrid::SetDates(int i, int j, TDateTime Value) {
    if (Value > 0 || ShowNullDates)
        SetCells(i, j, DateToText(Value, CurrentFormatSettings()));
    else
        SetCells(i, j, "");
}

TDateTime TExStringGrid::Times(int i, int j) const {
    return StrToTimeText(Cells(i, j), CurrentFormatSettings());
}

void TExStringGrid::SetTimes(int i, int j, TDateTime Value) {
    SetCells(i, j, TimeToText(Value, CurrentFormatSettings()));
}

std::string TExStringGrid::ControlValues(int i, int j, const std::string& ID) const {
    std::string value;
    if (!GetControlValue(Cells(i, j), ID, value))
        return {};
    return value;
}

void TExStringGrid::SetControlValues(int i, int j, const std::string& ID,
                                     const std::string& Value) {
    std::string text = Cells(i, j);
    if (SetControlValue(text, ID, Value))
        SetCells(i, j, text);
}

// --- texts by real row, sort order and column order --------------------------------------------

namespace {
// A cell of a stored row; nullptr past the cells it has.
TStoredCell* StoredCell(TStoredRow* row, int i) {
    return i >= 0 && i < static_cast<int>(row->Cells.size()) ? &row->Cells[i] : nullptr;
}

// A cell of a stored row, which grows with empty cells to reach it.
TStoredCell& GrownStoredCell(TStoredRow* row, int i) {
    if (i >= static_cast<int>(row->Cells.size()))
        row->Cells.resize(i + 1);
    return row->Cells[i];
}
} // namespace

std::string TExStringGrid::AllCells(int i, int j) const {
    if (i < 0 || j < 0)
        return {};
    if (TStoredRow* hidden = HiddenRowItems(j)) {
        const TStoredCell* cell = StoredCell(hidden, i);
        std::string text = cell ? cell->Text : std::string();
        GetDisplText(i, j, text);
        return text;
    }
    return Cells(i, DisplRowIndex(j));
}

void TExStringGrid::SetAllCells(int i, int j, const std::string& Value) {
    if (i < 0 || j < 0)
        return;
    if (TStoredRow* hidden = HiddenRowItems(j)) {
        GrownStoredCell(hidden, i).Text = Value;
        return;
    }
    SetCells(i, DisplRowIndex(j), Value);
    if (DisplColIndex(i) != i)
        RepaintTypedCell(i, DisplRowIndex(j));
}

std::string TExStringGrid::AllGridCells(int i, int j) const {
    if (i < 0 || j < 0)
        return {};
    if (TStoredRow* hidden = HiddenRowItems(j)) {
        const TStoredCell* cell = StoredCell(hidden, i);
        return cell ? cell->Text : std::string();
    }
    return GetGridCell(i, DisplRowIndex(j));
}

void TExStringGrid::SetAllGridCells(int i, int j, const std::string& Value) {
    if (i < 0 || j < 0)
        return;
    if (TStoredRow* hidden = HiddenRowItems(j)) {
        TStoredCell* cell = StoredCell(hidden, i);
        if (!cell)
            throw Exception("List index out of bounds (" + std::to_string(i) + ")");
        cell->Text = Value;
        return;
    }
    SetGridCell(i, DisplRowIndex(j), Value);
    if (DisplColIndex(i) != i)
        RepaintTypedCell(i, DisplRowIndex(j));
}

std::u16string TExStringGrid::AllWideCells(int i, int j) const {
    return Utf8ToUtf16(AllCells(i, j));
}

void TExStringGrid::SetAllWideCells(int i, int j, std::u16string_view Value) {
    SetAllCells(i, j, Utf16ToUtf8(Value));
}

std::u16string TExStringGrid::WideCells(int i, int j) const {
    return Utf8ToUtf16(Cells(i, j));
}

void TExStringGrid::SetWideCells(int i, int j, std::u16string_view Value) {
    SetCells(i, j, Utf16ToUtf8(Value));
}

uintptr_t TExStringGrid::AllObjects(int i, int j) const {
    if (TStoredRow* hidden = HiddenRowItems(j)) {
        const TStoredCell* cell = StoredCell(hidden, i);
        const auto* props = cell ? dynamic_cast<const TCellProperties*>(cell->Object) : nullptr;
        return props ? props->CellObject() : 0;
    }
    return GetObjectEx(i, DisplRowIndex(j));
}

// A user object of a hidden row lives in the cell's properties, as on rows on show, so the
// object slots only ever hold real objects.
void TExStringGrid::SetAllObjects(int i, int j, uintptr_t Value) {
    if (TStoredRow* hidden = HiddenRowItems(j)) {
        if (i < 0)
            return;
        TStoredCell& cell = GrownStoredCell(hidden, i);
        auto* props = dynamic_cast<TCellProperties*>(cell.Object);
        if (!props) {
            props = new TCellProperties(this, i, j);
            cell.Object = props;
        }
        props->SetCellObject(Value);
        return;
    }
    SetObjectEx(i, DisplRowIndex(j), Value);
}

TObject* TExStringGrid::GetGridObjectsEx(int i, int ARealRow) const {
    if (TStoredRow* hidden = HiddenRowItems(ARealRow)) {
        const TStoredCell* cell = StoredCell(hidden, i);
        return cell ? cell->Object : nullptr;
    }
    return GetGridObject(i, DisplRowIndex(ARealRow));
}

int TExStringGrid::UnSortedRowIndex(int ARow) const {
    const int count = FSortRowXRef->Count();
    if (count == 0 || ARow > count)
        return ARow;
    for (int k = 0; k < count; ++k)
        if ((*FSortRowXRef)[k] == ARow)
            return k;
    return count;
}

int TExStringGrid::SortedRowIndex(int ARow) const {
    if (ARow >= 0 && ARow < FSortRowXRef->Count())
        return RealRowIndex((*FSortRowXRef)[ARow]);
    return RealRowIndex(ARow);
}

std::string TExStringGrid::UnSortedCells(int i, int j) const {
    return Cells(i, UnSortedRowIndex(j));
}

void TExStringGrid::SetUnSortedCells(int i, int j, const std::string& Value) {
    SetCells(i, UnSortedRowIndex(j), Value);
}

std::string TExStringGrid::OriginalCells(int i, int j) const {
    const int position = ColumnPosition(i);
    return Cells(position == -1 ? i : position, j);
}

void TExStringGrid::SetOriginalCells(int i, int j, const std::string& Value) {
    const int position = ColumnPosition(i);
    SetCells(position == -1 ? i : position, j, Value);
}

std::string TExStringGrid::StrippedCells(int i, int j) const {
    return StripHTML(Cells(i, j));
}

int TExStringGrid::LinesInCell(int i, int j) const {
    return CountLines(Cells(i, j), true);
}

// --- per-cell settings -------------------------------------------------------------------------
// Readers answer the neutral value for a cell without properties and never create them.

TColor TExStringGrid::Colors(int i, int j) const {
    const TCellProperties* props = ExistingProperties(i, j);
    return props ? props->BrushColor() : clNone;
}

void TExStringGrid::SetColors(int i, int j, TColor Value) {
    GetCellProperties(i, j)->SetBrushColor(Value);
    if (FUpdateCount == 0)
        RepaintTypedCell(i, j);
}

TColor TExStringGrid::ColorsTo(int i, int j) const {
    const TCellProperties* props = ExistingProperties(i, j);
    return props ? props->BrushColorTo() : clNone;
}

void TExStringGrid::SetColorsTo(int i, int j, TColor Value) {
    GetCellProperties(i, j)->SetBrushColorTo(Value);
    RepaintTypedCell(i, j);
}

TCellGradientDirection TExStringGrid::Gradients(int i, int j) const {
    const TCellProperties* props = ExistingProperties(i, j);
    return props ? props->GradientDirection() : GradientVertical;
}

void TExStringGrid::SetGradients(int i, int j, TCellGradientDirection Value) {
    GetCellProperties(i, j)->SetGradientDirection(Value);
    RepaintTypedCell(i, j);
}

void TExStringGrid::SetCellFont(int i, int j, const TFont* Value) {
    if (!Value)
        return;
    TCellProperties* props = GetCellProperties(i, j);
    props->SetFontName(Value->Name());
    props->SetFontSize(Value->Size());
    props->SetFontStyle(Value->Style());
    props->SetFontColor(Value->Color());
    if (FUpdateCount == 0)
        RepaintTypedCell(i, j);
}

TColor TExStringGrid::FontColors(int i, int j) const {
    const TCellProperties* props = ExistingProperties(i, j);
    return props ? props->FontColor() : clNone;
}

void TExStringGrid::SetFontColors(int i, int j, TColor Value) {
    GetCellProperties(i, j)->SetFontColor(Value);
    RepaintTypedCell(i, j);
}

TFontStyles TExStringGrid::FontStyles(int i, int j) const {
    const TCellProperties* props = ExistingProperties(i, j);
    return props ? props->FontStyle() : TFontStyles{};
}

void TExStringGrid::SetFontStyles(int i, int j, TFontStyles Value) {
    GetCellProperties(i, j)->SetFontStyle(Value);
    RepaintTypedCell(i, j);
}

int TExStringGrid::FontSizes(int i, int j) const {
    const TCellProperties* props = ExistingProperties(i, j);
    return props ? props->FontSize() : 0;
}

void TExStringGrid::SetFontSizes(int i, int j, int Value) {
    GetCellProperties(i, j)->SetFontSize(Value);
    RepaintTypedCell(i, j);
}

std::string TExStringGrid::FontNames(int i, int j) const {
    const TCellProperties* props = ExistingProperties(i, j);
    return props ? props->FontName() : std::string();
}

void TExStringGrid::SetFontNames(int i, int j, const std::string& Value) {
    GetCellProperties(i, j)->SetFontName(Value);
    RepaintTypedCell(i, j);
}

TAlignment TExStringGrid::Alignments(int i, int j) const {
    const TCellProperties* props = ExistingProperties(i, j);
    return props ? props->Alignment() : taLeftJustify;
}

void TExStringGrid::SetAlignments(int i, int j, TAlignment Value) {
    GetCellProperties(i, j)->SetAlignment(Value);
    RepaintTypedCell(i, j);
}

bool TExStringGrid::ReadOnly(int i, int j) const {
    const TCellProperties* props = ExistingProperties(i, j);
    return props && props->ReadOnly();
}

void TExStringGrid::SetReadOnly(int i, int j, bool Value) {
    GetCellProperties(i, j)->SetReadOnly(Value);
    RepaintTypedCell(i, j);
}

bool TExStringGrid::WordWraps(int i, int j) {
    return GetCellProperties(i, j)->WordWrap();
}

void TExStringGrid::SetWordWraps(int i, int j, bool Value) {
    GetCellProperties(i, j)->SetWordWrap(Value);
    RepaintTypedCell(i, j);
}

template <typename Apply> void TExStringGrid::ForRowCells(int j, Apply apply) {
    for (int c = FixedCols(); c < AllColCount(); ++c)
        apply(c);
    RepaintRow(j);
}

// Taking a colour away frees what no longer carries anything: a cell without a graphic loses
// its properties (a fresh graphic goes with them). A cell that never had properties gets none.
void TExStringGrid::SetRowColor(int j, TColor Value) {
    ForRowCells(j, [&](int c) {
        if (Value != clNone) {
            GetCellProperties(c, j)->SetBrushColor(Value);
        } else if (TCellProperties* props = ExistingProperties(c, j)) {
            if (GetCellType(c, j) == ctNone)
                FreeCellPropertiesRange(c, j, c, j);
            else
                props->SetBrushColor(clNone);
        }
    });
}

void TExStringGrid::SetRowColorTo(int j, TColor Value) {
    ForRowCells(j, [&](int c) {
        // clNone only takes the second colour off: the cell keeps its other properties.
        if (Value != clNone)
            GetCellProperties(c, j)->SetBrushColorTo(Value);
        else if (TCellProperties* props = ExistingProperties(c, j))
            props->SetBrushColorTo(clNone);
    });
}

void TExStringGrid::SetRowFontColor(int j, TColor Value) {
    ForRowCells(j, [&](int c) {
        if (Value != clNone)
            GetCellProperties(c, j)->SetFontColor(Value);
        else if (ExistingProperties(c, j) && Colors(c, j) == clNone)
            FreeCellPropertiesRange(c, j, c, j);
    });
}

// --- the current cell --------------------------------------------------------------------------

std::string TExStringGrid::GetCurrentCell() {
    const TPoint base = BaseCell(RealCol(), Row());
    return GetGridCell(base.X, base.Y);
}

void TExStringGrid::SetCurrentCellValue(const std::string& Value) {
    const TPoint base = BaseCell(RealCol(), Row());
    SetCells(base.X, base.Y, Value);
}

void TExStringGrid::GetCurrentCellText(std::string& S) {
    const TPoint base = BaseCell(RealCol(), Row());
    S = Cells(base.X, base.Y);
}

// Through the grid's edit-text step, so that the editing hooks see the change.
void TExStringGrid::SetCurrentCellText(const std::string& S) {
    const TPoint base = BaseCell(RealCol(), Row());
    SetEditorText(RealToDisplCol(base.X), base.Y, S);
}

std::string TExStringGrid::GetColumnFloatFormat(int ACol, int ARow) {
    return FloatFormat;
}

// --- swapping ----------------------------------------------------------------------------------

void TExStringGrid::SwapCells(TGridCoord FromCell, TGridCoord ToCell) {
    const std::string fromText = GetGridCell(FromCell.X, FromCell.Y);
    TObject* fromObject = GetGridObject(FromCell.X, FromCell.Y);
    SetGridCell(FromCell.X, FromCell.Y, GetGridCell(ToCell.X, ToCell.Y));
    SetGridObject(FromCell.X, FromCell.Y, GetGridObject(ToCell.X, ToCell.Y));
    SetGridCell(ToCell.X, ToCell.Y, fromText);
    SetGridObject(ToCell.X, ToCell.Y, fromObject);
    // Properties know their cell (they repaint it); they now belong to the other one.
    for (TGridCoord cell : {FromCell, ToCell})
        if (auto* props = dynamic_cast<TCellProperties*>(GetGridObject(cell.X, cell.Y))) {
            props->SetOwnerCol(cell.X);
            props->SetOwnerRow(cell.Y);
        }
}
