// Editing the control elements of a cell's mark-up (edit, password, mask and combo elements).
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ControlCombo.h"
#include "grid/stringgrid/ControlEdit.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridEditorKeys.h"
#include "platform/core/StringList.h"

void TExStringGrid::CellControlKey(TWinControl* Editor, TChar& Key) {
    if (Key != '\r' && Key != '\t')
        return;
    const bool tab = Key == '\t';
    Key = 0;
    CommitCellControlEditor(Editor);
    if (!tab) {
        TGridEditorKeys::FocusGrid(this);
        return;
    }
    if (Navigation()->AdvanceAuto())
        AdvanceCell(Col(), Row(), true, false, true, false, true);
    else
        EditNextCellControl(Col(), Row(), FCtrlID);
}

void TControlEdit::KeyPress(TChar& Key) {
    if (auto* grid = dynamic_cast<TExStringGrid*>(Parent()))
        grid->CellControlKey(this, Key);
    TMaskEdit::KeyPress(Key);
}

void TControlEdit::WndProc(TMessage& Message) {
    TMaskEdit::WndProc(Message);
    if (Message.Msg != CM_WANTSPECIALKEY)
        return;
    if (Message.WParam == VK_RETURN)
        Message.Result = 0;
    else if (Message.WParam == VK_TAB)
        Message.Result = 1;
}

void TControlCombo::KeyPress(TChar& Key) {
    if (auto* grid = dynamic_cast<TExStringGrid*>(Parent()))
        grid->CellControlKey(this, Key);
    TEsgComboBox::KeyPress(Key);
}

void TControlCombo::WndProc(TMessage& Message) {
    TEsgComboBox::WndProc(Message);
    if (Message.Msg == CM_WANTSPECIALKEY && Message.WParam == VK_TAB)
        Message.Result = 1;
}

TControlEdit* TExStringGrid::ControlEditor() {
    if (FEditControl == nullptr) {
        FEditControl = new TControlEdit(this);
        FEditControl->SetVisible(false);
    }
    return FEditControl;
}

TControlCombo* TExStringGrid::ControlComboEditor() {
    if (FComboControl == nullptr) {
        FComboControl = new TControlCombo(this);
        FComboControl->SetVisible(false);
    }
    return FComboControl;
}

void TExStringGrid::ShowCellControlEditor(const std::string& HTML, const std::string& CtrlType,
                                          const std::string& CtrlID, const std::string& CtrlValue,
                                          const TRect& Rect, int ACol, int RealCol, int ARow) {
    const bool edit = CtrlType == "EDIT" || CtrlType == "PASSWORD" || CtrlType == "MASK";
    if (!edit && CtrlType != "COMBO")
        return;
    FCtrlXY = {RealCol, ARow};
    FCtrlID = CtrlID;
    FCtrlType = CtrlType;
    FCtrlEditing = true;
    if (edit) {
        TControlEdit* editor = ControlEditor();
        editor->SetPasswordChar(CtrlType == "PASSWORD" ? u'*' : 0);
        editor->SetEditMask(CtrlType == "MASK" ? GetControlProp(HTML, CtrlID) : "");
        editor->OnExit = [this](TObject* Sender) { CommitCellControlEditor(Sender); };
        editor->SetText(CtrlValue);
        editor->SetBorderStyle(bsNone);
        editor->SetBounds(Rect.Left + 1, Rect.Top + 8, Rect.Right - Rect.Left - 4, 14);
        editor->SetMaxLength(GetControlMaxLen(HTML, CtrlID));
        editor->SetParent(this);
        editor->SetVisible(true);
        if (editor->CanFocus())
            editor->SetFocus();
        return;
    }
    TControlCombo* combo = ControlComboEditor();
    combo->SetIsWinXP(FIsWinXP);
    bool editable = true;
    int dropCount = 8;
    combo->SetFlat(false);
    combo->OnSelect = [this](TObject* Sender) { CellControlComboSelect(Sender); };
    combo->SetParent(this);
    if (OnControlComboList) {
        TStringList values;
        for (const std::string& item : *combo->Items())
            values.Add(item);
        OnControlComboList(this, ARow, ACol, CtrlID, CtrlType, CtrlValue, &values, editable,
                           dropCount);
        combo->Items()->Assign(values);
    }
    combo->SetStyle(editable ? csDropDown : csDropDownList);
    const int index = combo->Items()->IndexOf(CtrlValue);
    if (index >= 0)
        combo->SetItemIndex(index);
    combo->SetText(CtrlValue);
    combo->SetDropDownCount(dropCount);
    combo->OnExit = [this](TObject* Sender) { CommitCellControlEditor(Sender); };
    combo->SetBounds(Rect.Left - 1, Rect.Top + 4, Rect.Right - Rect.Left, combo->Height());
    combo->SetMaxLength(GetControlMaxLen(HTML, CtrlID));
    combo->SetVisible(true);
    if (combo->CanFocus())
        combo->SetFocus();
    combo->SetDroppedDown(true);
}

void TExStringGrid::CommitCellControlEditor(TObject* Sender) {
    if (!FCtrlEditing)
        return;
    FCtrlEditing = false;
    std::string value;
    if (FCtrlType == "COMBO" && FComboControl != nullptr) {
        value = FComboControl->Text();
        FComboControl->SetDroppedDown(false);
        FComboControl->SetVisible(false);
    } else if (FEditControl != nullptr) {
        value = FEditControl->Text();
        FEditControl->SetVisible(false);
    }
    std::string html = Cells(FCtrlXY.X, FCtrlXY.Y);
    if (SetControlValue(html, FCtrlID, value))
        SetCells(FCtrlXY.X, FCtrlXY.Y, html);
    if (OnControlEditDone)
        OnControlEditDone(Sender, FCtrlXY.Y, FCtrlXY.X, FCtrlID, FCtrlType, value);
    FCtrlType.clear();
}

void TExStringGrid::CellControlComboSelect(TObject* Sender) {
    if (!OnControlComboSelect || FComboControl == nullptr)
        return;
    const int index = FComboControl->ItemIndex();
    const std::string item = index >= 0 && index < FComboControl->Items()->Count()
                                 ? (*FComboControl->Items())[index]
                                 : std::string();
    OnControlComboSelect(Sender, FCtrlXY.Y, FCtrlXY.X, index, FCtrlID, item);
}

void TExStringGrid::EditNextCellControl(int ACol, int ARow, const std::string& CtrlID) {
    const int realCol = DisplToRealCol(ACol);
    const std::string text = Cells(realCol, ARow);
    const std::string next = NextEditControlID(text, CtrlID);
    // A point no element covers: only the asked element is reported.
    constexpr int Nowhere = -100000;
    TAnchorHit hit;
    hit.ControlID = next;
    if (next.empty() || !AnchorAt(ACol, ARow, Nowhere, Nowhere, hit)) {
        TGridEditorKeys::FocusGrid(this);
        return;
    }
    ShowCellControlEditor(text, hit.ControlType, next, hit.ControlValue, hit.ControlRect, ACol,
                          realCol, ARow);
}
