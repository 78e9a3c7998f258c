#include "grid/foundation/Navigation.h"

void TNavigation::Changed() {
    if (OnChange)
        OnChange(this);
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection Value) {
    if (FAdvanceDirection == Value)
        return;
    FAdvanceDirection = Value;
    Changed();
}

void TNavigation::SetAdvanceInsert(bool Value) {
    if (FAdvanceInsert == Value)
        return;
    FAdvanceInsert = Value;
    Changed();
}

void TNavigation::SetAdvanceAuto(bool Value) {
    FAdvanceAuto = Value;
    if (Value)
        AdvanceOnEnter = true;
}

void TNavigation::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TNavigation*>(Source);
    if (source == nullptr || source == this)
        return;
    FAdvanceDirection = source->FAdvanceDirection;
    FAdvanceInsert = source->FAdvanceInsert;
    FAdvanceAuto = source->FAdvanceAuto;
    AllowInsertRow = source->AllowInsertRow;
    AllowDeleteRow = source->AllowDeleteRow;
    AlwaysEdit = source->AlwaysEdit;
    AdvanceOnEnter = source->AdvanceOnEnter;
    AdvanceOnEnterLoop = source->AdvanceOnEnterLoop;
    AdvanceAutoEdit = source->AdvanceAutoEdit;
    AdvanceSkipReadOnlyCells = source->AdvanceSkipReadOnlyCells;
    AutoGotoWhenSorted = source->AutoGotoWhenSorted;
    AutoGotoIncremental = source->AutoGotoIncremental;
    AutoComboDropSize = source->AutoComboDropSize;
    AllowClipboardShortCuts = source->AllowClipboardShortCuts;
    AllowCtrlEnter = source->AllowCtrlEnter;
    AllowSmartClipboard = source->AllowSmartClipboard;
    AllowRTFClipboard = source->AllowRTFClipboard;
    AllowFmtClipboard = source->AllowFmtClipboard;
    AllowClipboardAlways = source->AllowClipboardAlways;
    AllowClipboardRowGrow = source->AllowClipboardRowGrow;
    AllowClipboardColGrow = source->AllowClipboardColGrow;
    AppendOnArrowDown = source->AppendOnArrowDown;
    EditSelectAll = source->EditSelectAll;
    InsertPosition = source->InsertPosition;
    ClipboardPasteAction = source->ClipboardPasteAction;
    ComboGetUpDown = source->ComboGetUpDown;
    CursorAdvance = source->CursorAdvance;
    CursorWalkEditor = source->CursorWalkEditor;
    CursorWalkAlwaysEdit = source->CursorWalkAlwaysEdit;
    CursorMoveRows = source->CursorMoveRows;
    MoveRowOnSort = source->MoveRowOnSort;
    MoveScrollOnly = source->MoveScrollOnly;
    ImproveMaskSel = source->ImproveMaskSel;
    LeftRightRowSelect = source->LeftRightRowSelect;
    CopyHTMLTagsToClipboard = source->CopyHTMLTagsToClipboard;
    KeepHorizScroll = source->KeepHorizScroll;
    LineFeedOnEnter = source->LineFeedOnEnter;
    HomeEndKey = source->HomeEndKey;
    SkipFixedCells = source->SkipFixedCells;
    SkipDisabledRows = source->SkipDisabledRows;
    TabToNextAtEnd = source->TabToNextAtEnd;
    TabAdvanceDirection = source->TabAdvanceDirection;
}
