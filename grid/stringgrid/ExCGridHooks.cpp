// The column grid's answers to the string grid's cell decisions: the item of the real column
// asked about prepares the answer, then the string grid's own hook (with its event) runs on it,
// unless a decision belongs to the item alone.
#include "grid/stringgrid/ExCGrid.h"

#include "grid/foundation/Bands.h"
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/ExUtil.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/GridFormat.h"
#include "grid/stringgrid/GridStrings.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/StringList.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

#include <algorithm>

namespace {

const TCellProperties* CellPropertiesOf(const TBaseGrid& Grid, int ACol, int ARow) {
    if (ACol < 0 || ARow < 0 || !Grid.HasCellProperties(ACol, ARow))
        return nullptr;
    return dynamic_cast<const TCellProperties*>(Grid.GetGridObject(ACol, ARow));
}

void ClampWidth(int MinWidth, int MaxWidth, int& Width) {
    if (MinWidth > 0)
        Width = std::max(Width, MinWidth);
    if (MaxWidth > 0)
        Width = std::min(Width, MaxWidth);
}

} // namespace

void TExColumnGrid::GetDefaultCellProperties(int ACol, int ARow, TFont* AFont, TBrush* ABrush,
                                             TColor& AColorTo, TColor& AMirrorColor,
                                             TColor& AMirrorColorTo, TAlignment& HA,
                                             TVAlignment& VA, bool& WW,
                                             TCellGradientDirection& GD) {
    const TGridColumnItem* item = ColumnItem(ACol);
    if (!item) {
        TExStringGrid::GetDefaultCellProperties(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor,
                                                AMirrorColorTo, HA, VA, WW, GD);
        return;
    }
    AFont->Assign(*item->Font());
    ABrush->SetColor(item->Color());
    AColorTo = clNone;
    HA = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
    VA = VAlignment();
    WW = WordWrap();
    GD = GradientVertical;
    if (IsFixed(ACol, ARow) || (Bands()->Active() && item->ShowBands())) {
        ABrush->SetColor(clNone);
        AColorTo = clNone;
    }
}

std::string TExColumnGrid::GetFormattedCell(int ACol, int ARow) {
    const TGridColumnItem* item = ColumnItem(ACol);
    if (!item)
        return TExStringGrid::GetFormattedCell(ACol, ARow);
    const std::string text = Cells(ACol, ARow);
    std::string format = item->FloatFormat();
    bool isFloat = GetNumberKind(text) < 2;
    FireEvent(OnGetFloatFormat, this, ACol, ARow, isFloat, format);
    if (format.empty() || !isFloat)
        return text;
    return FormatCellValue(ACol, ARow, format, text);
}

std::string TExColumnGrid::GetColumnFloatFormat(int ACol, int ARow) {
    const TGridColumnItem* item = ColumnItem(ACol);
    return item && !item->FloatFormat().empty() ? item->FloatFormat() : FloatFormat;
}

TCellType TExColumnGrid::GetCellType(int ACol, int ARow) {
    TCellType kind = TExStringGrid::GetCellType(ACol, ARow);
    // The shared check-box graphic answered below is no graphic of the cell's own.
    if (kind == ctVirtCheckBox && TExStringGrid::GetCellGraphic(ACol, ARow) == nullptr)
        kind = ctEmpty;
    if (kind == ctEmpty && !Destroying() && IsDataCell(ACol, ARow))
        if (const TGridColumnItem* item = ColumnItem(ACol);
            item && item->Editor() == edDataCheckBox)
            kind = ctDataCheckBox;
    return kind;
}

// Data check-box columns need no graphic object per cell: they all answer with one shared
// graphic.
TCellGraphic* TExColumnGrid::GetCellGraphic(int ACol, int ARow) {
    TCellGraphic* graphic = TExStringGrid::GetCellGraphic(ACol, ARow);
    if (graphic || Destroying() || !IsDataCell(ACol, ARow))
        return graphic;
    const TGridColumnItem* item = ColumnItem(ACol);
    if (!item || item->Editor() != edDataCheckBox)
        return nullptr;
    FColumnCellGraphic->CellType = ctVirtCheckBox;
    FColumnCellGraphic->CellTransparent = ControlLook()->ControlStyle() == csFlat;
    return FColumnCellGraphic.get();
}

void TExColumnGrid::UpdateColumnSize(int ACol, int& Width) {
    if (const TGridColumnItem* item = ColumnItem(ACol))
        ClampWidth(item->MinSize, item->MaxSize, Width);
    TExStringGrid::UpdateColumnSize(ACol, Width);
}

void TExColumnGrid::UpdateAutoColumnSize(int ACol, int& Width) {
    if (const TGridColumnItem* item = ColumnItem(ACol))
        ClampWidth(item->AutoMinSize, item->AutoMaxSize, Width);
    TExStringGrid::UpdateAutoColumnSize(ACol, Width);
}

void TExColumnGrid::ColumnHeadersChanged() {
    if (!FColumnCollection)
        return;
    const int count = std::min(FColumnCollection->Count(), ColumnHeaders()->Count());
    for (int i = 0; i < count; ++i)
        FColumnCollection->GetItem(i)->SetHeaderField((*ColumnHeaders())[i]);
}

void TExColumnGrid::GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush,
                                 TFont* AFont) {
    const TGridColumnItem* item = ColumnItem(ACol);
    if (item && ACol >= FixedCols() && ACol < TotalColCount() - FixedRightCols() &&
        ARow < RowCount() - FixedFooters()) {
        if (item->Fixed())
            ABrush->SetColor(FixedColor());
        else if (!(item->ShowBands() && Bands()->Active()) && ARow >= FixedRows())
            ABrush->SetColor(item->Color());
        AFont->Assign(ARow < FixedRows() ? *item->HeaderFont() : *item->Font());
        if (const TCellProperties* props = CellPropertiesOf(*this, ACol, ARow)) {
            if (props->BrushColor() != clNone)
                ABrush->SetColor(props->BrushColor());
            if (props->FontColor() != clNone)
                AFont->SetColor(props->FontColor());
        }
    }
    TExStringGrid::GetCellColor(ACol, ARow, AState, ABrush, AFont);
}

void TExColumnGrid::GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush,
                                      TFont* AFont) {
    const TGridColumnItem* item = ColumnItem(ACol);
    const bool fixedCell = ACol < FixedCols() || ARow < FixedRows() ||
                           ACol >= TotalColCount() - FixedRightCols() ||
                           ARow >= RowCount() - FixedFooters();
    if (item && !fixedCell) {
        const TCellProperties* props = CellPropertiesOf(*this, ACol, ARow);
        if (item->Fixed()) {
            ABrush->SetColor(FixedColor());
        } else if (!(item->ShowBands() && Bands()->Active() && Bands()->Print)) {
            ABrush->SetColor(item->PrintColor);
            if (props && props->BrushColor() != clNone)
                ABrush->SetColor(props->BrushColor());
        }
        if (item->PrintFontCustom) {
            AFont->Assign(item->PrintFont);
            if (props) {
                if (props->FontColor() != clNone)
                    AFont->SetColor(props->FontColor());
                if (!props->FontStyle().Empty())
                    AFont->SetStyle(props->FontStyle());
                if (props->FontSize() != 0)
                    AFont->SetSize(props->FontSize());
                if (!props->FontName().empty())
                    AFont->SetName(props->FontName());
            }
        }
    }
    TExStringGrid::GetCellPrintColor(ACol, ARow, AState, ABrush, AFont);
}

void TExColumnGrid::GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) {
    if (const TGridColumnItem* item = ColumnItem(ACol); item && IsDataCell(ACol, ARow)) {
        Borders = item->Borders();
        APen->Assign(*item->BorderPen());
    }
    TExStringGrid::GetCellBorder(ACol, ARow, APen, Borders);
}

void TExColumnGrid::GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) {
    if (const TGridColumnItem* item = ColumnItem(ACol);
        item && item->PrintBorderCustom && IsDataCell(ACol, ARow)) {
        Borders = item->PrintBorders;
        APen->Assign(item->PrintBorderPen);
    }
    TExStringGrid::GetCellPrintBorder(ACol, ARow, APen, Borders);
}

void TExColumnGrid::GetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) {
    if (const TGridColumnItem* item = ColumnItem(ACol)) {
        HAlign = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
        if (const TCellProperties* props = CellPropertiesOf(*this, ACol, ARow))
            HAlign = props->Alignment();
    }
    TExStringGrid::GetAlignment(ACol, ARow, HAlign, VAlign);
}

void TExColumnGrid::GetFormat(int ACol, TSortStyle& AStyle, std::string& APrefix,
                              std::string& ASuffix) {
    if (const TGridColumnItem* item = ColumnItem(ACol)) {
        AStyle = item->SortStyle;
        APrefix = item->SortPrefix;
        ASuffix = item->SortSuffix;
    }
    TExStringGrid::GetFormat(ACol, AStyle, APrefix, ASuffix);
}

void TExColumnGrid::GetEditorType(int ACol, int ARow, TEditorType& AEditor) {
    if (const TGridColumnItem* item = ColumnItem(ACol)) {
        if (ACol >= FixedCols() && ARow >= FixedRows()) {
            AEditor = item->Editor();
            ColumnEditor.ComboItems = *item->ComboItems();
            ColumnEditor.DropDownCount = item->DropDownCount;
            ColumnEditor.SpinMin = item->SpinMin;
            ColumnEditor.SpinMax = item->SpinMax;
            ColumnEditor.SpinStep = item->SpinStep;
            ColumnEditor.EditLink = item->EditLink;
        }
        if (!item->FloatFormat().empty())
            FloatFormat = item->FloatFormat();
    }
    TExStringGrid::GetEditorType(ACol, ARow, AEditor);
}

void TExColumnGrid::IsFixedCell(int ACol, int ARow, bool& IsFixed) {
    if (ARow >= FixedRows())
        if (const TGridColumnItem* item = ItemOfDisplayColumn(ACol))
            IsFixed = item->Fixed();
    TExStringGrid::IsFixedCell(ACol, ARow, IsFixed);
}

// The column decides whether its cells can be edited; goEditing and the incoming value play no
// part. A cell's own read-only flag and then the window's handler may still refuse.
void TExColumnGrid::QueryCanEdit(int ACol, int ARow, bool& CanEdit) {
    CanEdit = false;
    if (!Loading() && ACol >= FixedCols() && ARow >= FixedRows())
        if (const TGridColumnItem* item = ColumnItem(ACol))
            CanEdit = !(item->ReadOnly || item->Fixed());
    const TPoint base = BaseCell(ACol, ARow);
    if (const TCellProperties* props = CellPropertiesOf(*this, base.X, base.Y); props && CanEdit)
        CanEdit = !props->ReadOnly();
    CanEditCell(base.X, base.Y, CanEdit);
}

void TExColumnGrid::CheckPasswordCell(int ACol, int ARow, bool& IsPassword) {
    if (const TGridColumnItem* item = ColumnItem(ACol))
        IsPassword = item->Password();
    TExStringGrid::CheckPasswordCell(ACol, ARow, IsPassword);
}

bool TExColumnGrid::HasComboBox(int ACol, int ARow) {
    bool hasCombo = false;
    if (ACol >= FixedCols() && ARow >= FixedRows())
        if (const TGridColumnItem* item = ColumnItem(ACol))
            hasCombo = item->Editor() == edComboEdit || item->Editor() == edComboList;
    FireEvent(OnHasComboBox, this, ACol, ARow, hasCombo);
    return hasCombo;
}

void TExColumnGrid::GetCheckTrue(int ACol, int ARow, std::string& Value) {
    TExStringGrid::GetCheckTrue(ACol, ARow, Value);
    if (const TGridColumnItem* item = ColumnItem(ACol); item && IsDataCell(ACol, ARow))
        Value = item->CheckTrue;
}

void TExColumnGrid::GetCheckFalse(int ACol, int ARow, std::string& Value) {
    TExStringGrid::GetCheckFalse(ACol, ARow, Value);
    if (const TGridColumnItem* item = ColumnItem(ACol); item && IsDataCell(ACol, ARow))
        Value = item->CheckFalse;
}
