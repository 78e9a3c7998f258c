// The per-cell decisions: each hook applies the grid's own rule, then fires its one event, so
// that a window (through the event) and a descendant (by overriding the hook) can change the
// answer. Each event keeps its own argument order.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/Bands.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExUtil.h"
#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/BackGround.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/Grouping.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Screen.h"

void TExStringGrid::FixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor,
                              TStringList* Values) {
    FireEvent(OnFixedEdit, this, ACol, ARow, AEditor, Values);
}

void TExStringGrid::SelectionChanged(int ALeft, int ATop, int ARight, int ABottom) {
    if (FLook == glVista || FLook == glWin7 || FLook == glOffice2007)
        RepaintRect(Rect(Selection().Left, Selection().Top, Selection().Right, Selection().Bottom));
    FSelectionChanged = true;
    FireEvent(OnSelectionChanged, this, ALeft, ATop, ARight, ABottom);
}

void TExStringGrid::UserInsertRow(int ARow) {
    if (!HasNodes())
        InsertRows(ARow, 1, true);
    else if (GetParentRow(DisplRowIndex(ARow)) == -1)
        InsertNormalRow(ARow);
    else
        InsertChildRow(ARow, 0);
}

void TExStringGrid::UserDeleteRow(int ARow) {
    if (HasNodes()) {
        if (GetParentRow(ARow) == -1)
            RemoveNormalRow(ARow);
        else
            RemoveChildRow(ARow);
    } else if (RowCount() - FixedRows() - FFixedFooters == 1 && !FFixedRowAlways) {
        ClearRows(ARow, 1); // the last normal row is only emptied
    } else {
        RemoveRowRange(ARow, 1);
    }
    FireEvent(OnAutoDeleteRow, this, ARow);
}

void TExStringGrid::FilterDone() {
    FireEvent(OnFilterDone, this);
}

void TExStringGrid::GetCalculatedCell(int ACol, int ARow, std::string& S) {
    S = GetCellEx(ACol, ARow);
}

void TExStringGrid::SaveCell(int ACol, int ARow, std::string& S) {
    // Most cells show their stored text: savers of millions of cells take it as it lies.
    if (!SaveVirtCells || (!OnGetFloatFormat && ShowsStoredText(ACol, ARow)))
        S.assign(CellTextView(ACol, ARow));
    else
        S = GetFormattedCell(ACol, ARow);
    if (S.empty()) {
        const TCellType kind = GetCellType(ACol, ARow);
        if (kind == ctCheckBox || kind == ctTriStateCheckBox) {
            bool checked = false;
            GetCheckBoxState(ACol, RealRowIndex(ARow), checked);
            if (checked)
                GetCheckTrue(ACol, ARow, S);
            else
                GetCheckFalse(ACol, ARow, S);
        }
    }
    // The text's kind matters only when mark-up is stripped or rich text is joined.
    if (!SaveWithHTML || SaveWithRTF) {
        switch (GetTextKind(S, true)) {
        case tkHTML:
            if (!SaveWithHTML)
                S = StripHTML(S);
            break;
        case tkRTF: // saved as it is, without its line breaks
            if (SaveWithRTF)
                std::erase_if(S, [](char ch) { return ch == '\r' || ch == '\n'; });
            break;
        default:
            break;
        }
    }
    FireEvent(OnSaveCell, this, ACol, ARow, S);
}

void TExStringGrid::LoadCell(int ACol, int ARow, std::string_view S) {
    // Loads store millions of cells: no copy unless a handler may change the text.
    if (!OnLoadCell) {
        SetGridCell(ACol, ARow, S);
        return;
    }
    std::string value(S);
    FireEvent(OnLoadCell, this, ACol, ARow, value);
    SetGridCell(ACol, ARow, value);
}

void TExStringGrid::CanEditCell(int ACol, int ARow, bool& CanEdit) {
    FireEvent(OnCanEditCell, this, ARow, ACol, CanEdit);
}

void TExStringGrid::SearchFooterAction(const std::string& Value, int ACol, int ARow,
                                       TSearchAction SearchAction) {
    FireEvent(OnSearchFooterAction, this, Value, ACol, ARow, SearchAction);
}

void TExStringGrid::ButtonClick(int ACol, int ARow) {
    FireEvent(OnButtonClick, this, ACol, ARow);
}

void TExStringGrid::ExpandClick(int ACol, int ARow, bool Expanded) {
    FireEvent(OnExpandClick, this, ACol, ARow, Expanded);
    if (ARow >= 0 && ARow < RowCount())
        SetRowHeights(ARow, GetExpandHeight(ACol, ARow, Expanded));
}

void TExStringGrid::ComboCloseUp(int ARow, int ACol) {
    FireEvent(OnComboCloseUp, this, ARow, ACol);
}

void TExStringGrid::ComboDropDown(int ARow, int ACol) {
    FireEvent(OnComboDropDown, this, ARow, ACol);
}

void TExStringGrid::GetCellCursor(int ACol, int ARow, int X, int Y) {
    if (!OnGetCellCursor)
        return;
    TCursor cursor = Cursor();
    FireEvent(OnGetCellCursor, this, ACol, ARow, X, Y, cursor);
    SetShownCursor(cursor);
}

void TExStringGrid::GridHint(int ACol, int ARow, std::string& HintStr, std::u16string& WideHint) {
    FireEvent(OnGridHint, this, ARow, ACol, HintStr);
    FireEvent(OnGridWideHint, this, ARow, ACol, WideHint);
    if (!WideHint.empty())
        HintStr = PackWideText(WideHint);
}

void TExStringGrid::GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush,
                                 TFont* AFont) {
    if (FActiveCellShow) {
        const int displCol = DisplColIndex(ACol);
        const bool headsRow = ARow == Row() && FixedCols() > 0 && displCol == FixedCols() - 1;
        const bool headsCol = displCol == Col() && FixedRows() > 0 && ARow == FixedRows() - 1;
        if (headsRow || headsCol) {
            AFont->Assign(*ActiveCellFont());
            ABrush->SetColor(FActiveCellColor);
        }
    }
    if (const TCellProperties* props = ExistingProperties(ACol, ARow)) {
        switch (GetCellType(ACol, ARow)) {
        case ctIcon:
        case ctNone:
        case ctImageList:
        case ctEmpty:
        case ctImages:
        case ctComment:
            if (props->BrushColor() != clNone)
                ABrush->SetColor(props->BrushColor());
            break;
        default:
            break;
        }
        if (props->FontColor() != clNone)
            AFont->SetColor(props->FontColor());
        if (!props->FontStyle().Empty())
            AFont->SetStyle(props->FontStyle());
        if (props->FontSize() != 0)
            AFont->SetSize(props->FontSize());
        if (!props->FontName().empty())
            AFont->SetName(props->FontName());
    }
    FireEvent(OnGetCellColor, this, ARow, ACol, AState, ABrush, AFont);
}

void TExStringGrid::GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush,
                                      TFont* AFont) {
    FireEvent(OnGetCellPrintColor, this, ARow, ACol, AState, ABrush, AFont);
}

void TExStringGrid::GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) {
    if (ACol > 0) {
        if (IsNode(ARow) && FGrouping->HeaderUnderline) {
            Borders = TCellBorders{cbBottom};
            APen->SetColor(FGrouping->HeaderLineColor);
            APen->SetWidth(FGrouping->HeaderLineWidth);
        }
        if (IsSummary(ARow) && FGrouping->SummaryLine) {
            Borders = TCellBorders{cbTop};
            APen->SetColor(FGrouping->SummaryLineColor);
            APen->SetWidth(FGrouping->SummaryLineWidth);
        }
    }
    FireEvent(OnGetCellBorder, this, ARow, ACol, APen, Borders);
}

void TExStringGrid::GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) {
    FireEvent(OnGetCellPrintBorder, this, ARow, ACol, APen, Borders);
}

void TExStringGrid::GetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) {
    if (ACol == 0 && FMouseActions->HotmailRowSelect())
        HAlign = taCenter;
    FireEvent(OnGetAlignment, this, ARow, ACol, HAlign, VAlign);
}

void TExStringGrid::GetFormat(int ACol, TSortStyle& AStyle, std::string& APrefix,
                              std::string& ASuffix) {
    FireEvent(OnGetFormat, this, ACol, AStyle, APrefix, ASuffix);
}

void TExStringGrid::GetEditorTypeEvent(int ACol, int ARow, TEditorType& AEditor) {
    FireEvent(OnGetEditorType, this, ACol, ARow, AEditor);
}

void TExStringGrid::GetEditorType(int ACol, int ARow, TEditorType& AEditor) {
    FireEvent(OnGetEditorType, this, ACol, ARow, AEditor);
}

bool TExStringGrid::HasNoEditor(int ACol, int ARow) {
    if (!OnGetEditorType)
        return false;
    TEditorType editor = edNormal;
    GetEditorTypeEvent(ACol, ARow, editor);
    return editor == edNone;
}

void TExStringGrid::IsFixedCell(int ACol, int ARow, bool& IsFixed) {
    if (IsFixed)
        return;
    IsFixed = (FFixedRowAlways && ARow <= FFixedRowsMin && RowCount() == FFixedRowsMin) ||
              (FFixedColAlways && ACol < FFixedColsMin && ColCount() == FFixedColsMin) ||
              ACol < FixedCols() || ARow < FixedRows();
    if (!IsFixed)
        FireEvent(OnIsFixedCell, this, ARow, ACol, IsFixed);
}

void TExStringGrid::QueryCanEdit(int ACol, int ARow, bool& CanEdit) {
    const TPoint base = BaseCell(ACol, ARow);
    if (const TCellProperties* props = ExistingProperties(base.X, base.Y); props && CanEdit) {
        CanEdit = !props->ReadOnly();
        const bool editable =
            Options().Contains(goEditing) || FEditDisable || FMouseActions->RangeSelectAndEdit;
        if (!editable)
            CanEdit = false;
    }
    if (base.X < TotalColCount())
        CanEditCell(base.X, base.Y, CanEdit);
    else
        CanEdit = true;
}

void TExStringGrid::CheckPasswordCell(int ACol, int ARow, bool& IsPassword) {
    FireEvent(OnIsPasswordCell, this, ARow, ACol, IsPassword);
}

void TExStringGrid::GetWordWrap(int ACol, int ARow, bool& WordWrap) {
    FireEvent(OnGetWordWrap, this, ACol, ARow, WordWrap);
}

bool TExStringGrid::HasComboBox(int ACol, int ARow) {
    bool hasCombo = false;
    if (OnHasComboBox) {
        FireEvent(OnHasComboBox, this, ACol, ARow, hasCombo);
    } else if (FControlLook->DropDownAlwaysVisible()) {
        TEditorType editor = DefaultEditor;
        GetEditorType(ACol, ARow, editor);
        hasCombo = IsComboEditor(editor);
    }
    return hasCombo;
}

bool TExStringGrid::HasSpinEdit(int ACol, int ARow) {
    if (ACol < FixedCols() || ARow < FixedRows())
        return false;
    bool hasSpin = false;
    if (OnHasSpinEdit) {
        FireEvent(OnHasSpinEdit, this, ACol, ARow, hasSpin);
    } else if (FControlLook->SpinButtonsAlwaysVisible()) {
        TEditorType editor = DefaultEditor;
        GetEditorTypeEvent(ACol, ARow, editor);
        hasSpin = IsSpinEditor(editor);
    }
    return hasSpin;
}

void TExStringGrid::GetCheckTrue(int ACol, int ARow, std::string& Value) {
    Value = CheckTrue;
    FireEvent(OnGetCheckTrue, this, ACol, ARow, Value);
}

void TExStringGrid::GetCheckFalse(int ACol, int ARow, std::string& Value) {
    Value = CheckFalse;
    FireEvent(OnGetCheckFalse, this, ACol, ARow, Value);
}

void TExStringGrid::AppendRow() {
    SetRowCount(RowCount() + 1);
}

// New cell properties start from the cell's screen look; cells whose background comes from
// elsewhere (fixed cells, bands, a background gradient, the selection) keep no colour of their
// own.
void TExStringGrid::GetDefaultCellProperties(int ACol, int ARow, TFont* AFont, TBrush* ABrush,
                                             TColor& AColorTo, TColor& AMirrorColor,
                                             TColor& AMirrorColorTo, TAlignment& HA,
                                             TVAlignment& VA, bool& WW,
                                             TCellGradientDirection& GD) {
    TGridDrawState state;
    GetVisualProperties(ACol, ARow, state, false, false, false, ABrush, AColorTo, AMirrorColor,
                        AMirrorColorTo, AFont, HA, VA, WW, GD);
    if (IsFixed(ACol, ARow) || FBands->Active() || FBackGround->IsGradient() ||
        state.Contains(gdSelected)) {
        ABrush->SetColor(clNone);
        AColorTo = clNone;
    }
}
