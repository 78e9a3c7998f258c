// What the grid's child controls tell it in WM_COMMAND: the combo editor's selection changes,
// typing, drop-down and close-up, and the typing in a custom editor's combo box.
#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/EditLink.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridCombo.h"
#include "grid/stringgrid/ScopedValue.h"
#include "platform/ui/ComboBox.h"

bool TExStringGrid::HandleChildNotification(const TMessage& Message) {
    const uint16_t code = HIWORD(Message.WParam);
    if (code != CBN_SELCHANGE && code != CBN_EDITCHANGE && code != CBN_DROPDOWN &&
        code != CBN_CLOSEUP)
        return false;
    const auto* source = reinterpret_cast<const TControl*>(Message.LParam);
    if (source == nullptr || source->Parent() != this)
        return false;
    const bool changed = code == CBN_SELCHANGE || code == CBN_EDITCHANGE;
    bool reported = false;
    if (source == FEditCombo) {
        if (changed && EditMode) {
            FEditCombo->FireComboChange();
            FComboChangeReported = true;
            reported = true;
        } else if (code == CBN_CLOSEUP) {
            ComboEditorClosedUp();
        } else if (code == CBN_DROPDOWN) {
            FComboChangeReported = false;
            ComboDropDown(Row(), RealColIndex(Col()));
        }
    } else if (changed && EditMode && FEditLink != nullptr && OnComboChange &&
               FEditLink->GetEditControl() == source) {
        if (const auto* combo = dynamic_cast<const TComboBox*>(source)) {
            const int index = combo->ItemIndex();
            OnComboChange(this, Col(), Row(), index,
                          index >= 0 ? (*combo->Items())[index] : std::string());
            reported = true;
        }
    }
    // Typing in any other child combo is told as a change of no item; a change told above is
    // not told twice.
    if (code == CBN_EDITCHANGE && !reported && OnComboChange)
        OnComboChange(this, Col(), Row(), -1, Combobox()->Text());
    return true;
}

void TExStringGrid::ComboEditorClosedUp() {
    if (FMouseActions->DirectComboClose && EditMode) {
        TGridCombo* combo = FEditCombo;
        const int index = combo->ItemIndex();
        if (index >= 0)
            combo->SetText((*combo->Items())[index]);
        // The pick that closed the list has been told already.
        if (!std::exchange(FComboChangeReported, false))
            combo->FireComboChange();
        EditControl = edComboEdit;
        EditMode = true;
        {
            TScopedValue<bool> directEdit(FMouseActions->DirectEdit, false);
            HideInplaceEdit();
        }
        if (CanFocus())
            SetFocus();
    }
    ComboCloseUp(Row(), RealColIndex(Col()));
}
