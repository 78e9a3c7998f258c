#include "grid/stringgrid/GridButton.h"

#include "grid/foundation/ExDrawing.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridEditorKeys.h"
#include "grid/stringgrid/ScopedValue.h"
#include "platform/ui/Canvas.h"

TGridButton::TGridButton(TComponent* AOwner)
    : TCustomControl(AOwner), FGrid(TGridEditorKeys::GridOwner(AOwner)) {
    SetTabStop(true);
}

// The press of the button, by the mouse, Space or Enter: the grid hears of it for its current
// cell.
void TGridButton::Click() {
    TCustomControl::Click();
    FGrid->ButtonClick(FGrid->Col(), FGrid->Row());
}

void TGridButton::TakeEllipsisAnswer() {
    std::string caption = Text();
    FGrid->EllipsClick(caption);
    SetText(caption);
    FGrid->SetCurrentCell(caption);
}

// A press the last edit left held (the editor closed before the mouse let go) is not carried to
// the next cell.
void TGridButton::ReCreate() {
    FDown = false;
    Invalidate();
}

// --- the cell edit --------------------------------------------------------------------------

void TGridButton::PlaceCellEditor(const TRect& ARect, TColor Background) {
    SetBounds(ARect.Left - 1, ARect.Top - 1, ARect.Right - ARect.Left + 2,
              ARect.Bottom - ARect.Top + 2);
    SetVisible(true);
    SetEnabled(true);
    if (CanFocus())
        SetFocus();
}

void TGridButton::LoadCellText(const std::string& Text) {
    SetText(Text);
}

std::string TGridButton::ApplyCellText() {
    return FGrid->CurrentCell();
}

void TGridButton::EndCellEdit() {
    SetVisible(false);
    SetEnabled(false);
}

// --- drawing and input ----------------------------------------------------------------------

void TGridButton::Paint() {
    TRect r{0, 0, Width(), Height()};
    DrawButtonFace(Canvas(), this, r, bdsVisualStyle,
                   Enabled() ? (FDown ? bstDown : bstNormal) : bstDisabled, FGrid->Tones);
    Canvas()->Font()->Assign(*Font());
    Canvas()->Brush()->SetStyle(bsClear);
    Canvas()->DrawText(Text(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TGridButton::GiveBackToGrid() {
    // Escape puts back the text from when the edit began, after the grid has the focus again.
    TScopedFlag keepCellCache(FGrid->FEditorHandingBack);
    SetVisible(false);
    SetEnabled(false);
    FGrid->EditMode = false;
    TGridEditorKeys::FocusGrid(FGrid);
}

void TGridButton::KeyDown(WORD& Key, TShiftState Shift) {
    if (Key >= VK_LEFT && Key <= VK_DOWN) {
        const WORD key = Key;
        FGrid->Perform(WM_KEYDOWN, key);
        GiveBackToGrid();
        FGrid->Perform(WM_KEYUP, key);
        Key = 0;
        return;
    }
    if (Key == VK_ESCAPE) {
        GiveBackToGrid();
        FGrid->RestoreCellCache();
        FGrid->Perform(WM_KEYDOWN, VK_ESCAPE);
        Key = 0;
        return;
    }
    // Space held shows the button pressed, as the mouse held does; its release clicks.
    if (Key == VK_SPACE && !FDown) {
        FDown = true;
        Invalidate();
    }
    TCustomControl::KeyDown(Key, Shift);
}

void TGridButton::KeyUp(WORD& Key, TShiftState Shift) {
    if (Key != VK_SPACE)
        return;
    FDown = false;
    TakeEllipsisAnswer();
    Click();
    if (CanFocus())
        SetFocus();
    Invalidate();
}

void TGridButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft) {
        FDown = true;
        Invalidate();
    }
}

// The platform clicks a control when the button is released over it.
void TGridButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FDown = false;
    Invalidate();
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TGridButton::DoExit() {
    FGrid->HideInplaceEdit();
    TCustomControl::DoExit();
}

void TGridButton::WndProc(TMessage& Message) {
    // The release of the left button asks for the new caption before the platform clicks.
    if (Message.Msg == WM_LBUTTONUP)
        TakeEllipsisAnswer();
    // Enter presses the focused push button, as on any form; the editor stays open.
    if (Message.Msg == CM_DIALOGKEY && Message.WParam == VK_RETURN && Focused() && Visible()) {
        Click();
        Message.Result = 1;
        return;
    }
    if (Message.Msg == CM_WANTSPECIALKEY &&
        (Message.WParam == VK_ESCAPE || (Message.WParam >= VK_LEFT && Message.WParam <= VK_DOWN))) {
        Message.Result = 1;
        return;
    }
    TCustomControl::WndProc(Message);
}
