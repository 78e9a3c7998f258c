// The grid's side of a custom editor's control: the window procedure it runs under while it lies
// over a cell.
#include "grid/stringgrid/EditLink.h"
#include "grid/stringgrid/ExGrid.h"

namespace {
// Posted to the control when it lost the focus: the focus move has ended when it arrives.
const UINT EditLinkExitMessage = RegisterWindowMessage("EditLinkControlExit");
} // namespace

void TExStringGrid::EditLinkWindowProc(TMessage& Message) {
    TWinControl* control = FEditLink != nullptr ? FEditLink->GetEditControl() : nullptr;
    if (Message.Msg == EditLinkExitMessage) {
        if (FEditLink != nullptr)
            FEditLink->ControlExit();
        return;
    }
    // With goTabs the control takes Tab, the arrows and the characters, so that they reach the
    // link's leaving keys instead of moving the window's focus.
    if (Message.Msg == WM_GETDLGCODE && Options().Contains(goTabs)) {
        Message.Result |= DLGC_WANTCHARS | DLGC_WANTTAB | DLGC_WANTARROWS;
        return;
    }
    if (FGridControlWndProc)
        FGridControlWndProc(Message);
    else if (control != nullptr)
        control->WndProc(Message);
    // Hiding the control while the focus leaves it would send the focus on along the window's
    // chain: the value is stored once the move has ended.
    if (Message.Msg == CM_EXIT && control != nullptr)
        control->PostMessage(EditLinkExitMessage);
}
