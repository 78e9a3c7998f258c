#pragma once

#include "grid/foundation/GridTypes.h"
#include "platform/ui/Object.h"

// Keyboard navigation, editing and clipboard options of a grid. The options the grid only reads
// are plain fields; the three with side effects have accessors.
class TNavigation : public TObject {
public:
    // Copies from another navigation only, without notifying; KeepScrollOnSort stays.
    void Assign(const TObject* Source);

    // Both notify OnChange when the value changes.
    TAdvanceDirection AdvanceDirection() const { return FAdvanceDirection; }
    void SetAdvanceDirection(TAdvanceDirection Value);
    bool AdvanceInsert() const { return FAdvanceInsert; }
    void SetAdvanceInsert(bool Value);
    // Turning it on turns AdvanceOnEnter on too.
    bool AdvanceAuto() const { return FAdvanceAuto; }
    void SetAdvanceAuto(bool Value);

    bool AllowInsertRow = false;
    bool AllowDeleteRow = false;
    bool AlwaysEdit = false;
    bool AdvanceOnEnter = false;
    bool AdvanceOnEnterLoop = true;
    bool AdvanceAutoEdit = true;
    bool AdvanceSkipReadOnlyCells = true;
    bool AutoGotoWhenSorted = false;
    bool AutoGotoIncremental = false;
    bool AutoComboDropSize = false;
    bool AllowClipboardShortCuts = false;
    bool AllowCtrlEnter = true;
    bool AllowSmartClipboard = false;
    bool AllowRTFClipboard = false;
    bool AllowFmtClipboard = false;
    bool AllowClipboardAlways = false;
    bool AllowClipboardRowGrow = true;
    bool AllowClipboardColGrow = true;
    bool AppendOnArrowDown = false;
    bool EditSelectAll = true;
    TInsertPosition InsertPosition = pInsertBefore;
    TClipboardPasteAction ClipboardPasteAction = paReplace;
    bool ComboGetUpDown = true;
    TCursorAdvance CursorAdvance = caDefault;
    bool CursorWalkEditor = false;
    bool CursorWalkAlwaysEdit = true;
    bool CursorMoveRows = false;
    bool MoveRowOnSort = false;
    bool KeepScrollOnSort = false;
    bool MoveScrollOnly = false;
    bool ImproveMaskSel = false;
    bool LeftRightRowSelect = true;
    bool CopyHTMLTagsToClipboard = true;
    bool KeepHorizScroll = false;
    bool LineFeedOnEnter = false;
    THomeEndAction HomeEndKey = heFirstLastColumn;
    bool SkipFixedCells = true;
    bool SkipDisabledRows = true;
    bool TabToNextAtEnd = false;
    TAdvanceDirection TabAdvanceDirection = adLeftRight;

    TNotifyEvent OnChange;

private:
    void Changed();

    TAdvanceDirection FAdvanceDirection = adLeftRight;
    bool FAdvanceInsert = false;
    bool FAdvanceAuto = false;
};
