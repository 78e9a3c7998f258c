#pragma once

#include "platform/ui/CellEditor.h"
#include "platform/ui/Component.h"
#include "platform/ui/Keys.h"

#include <string>

class TExStringGrid;
class TFont;
class TForm;
class TWinControl;

enum TEditStyle { esInplace, esPopup };

class TEditLink;

// Ties a link to the grid that shows it: owned by the grid, it goes with the grid and lets the
// link know; the link takes it away when it goes first.
class TEditLinkBinding : public TComponent {
public:
    TEditLinkBinding(TExStringGrid* AGrid, TEditLink* ALink);
    ~TEditLinkBinding() override;

    TEditLink* Link;
};

// The base of application-defined cell editors (edCustom). A descendant creates its control in
// CreateEditor, moves values in and out with SetEditorValue and GetEditorValue, and calls
// EditKeyDown from its control's key-down event; the link does the rest: it lies over the cell
// or in a popup form, and leaves the cell through the grid's validation with the keys it does
// not keep.
class TEditLink : public TComponent, public TCellEditor {
public:
    explicit TEditLink(TComponent* AOwner);
    ~TEditLink() override;

    // The leaving keys: Tab, Enter, Escape, the page keys, End, the arrows, and any key with Alt,
    // unless a Want setting keeps the key for the control.
    virtual void EditKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
    virtual TWinControl* GetEditControl() { return nullptr; }
    virtual void CreateEditor(TWinControl* AParent) {}
    virtual void DestroyEditor() {}
    virtual void SetFocus(bool Value);
    virtual void SetRect(TRect R);
    virtual void SetVisible(bool Value);
    virtual void SetProperties() {}
    virtual void SetCellProps(TColor AColor, TFont* AFont) {}
    virtual std::string GetEditorValue() { return ""; }
    virtual void SetEditorValue(const std::string& s) {}

    // The grid's side of a leave: the value into the cell, the control hidden.
    void HideEditor();
    void EditExit(TObject* Sender);
    // The popup form lost the activation: the value goes into the cell.
    void FormExit(TObject* Sender);
    TWinControl* GetParent();
    std::string GetCellValue();
    void SetCellValue(const std::string& s);

    // The grid the link is given to (nullptr when none, or when that grid has gone).
    TExStringGrid* Grid() const { return FOwner; }
    // Called by the grid the link is given to, and with nullptr when it takes the link away.
    void SetGrid(TExStringGrid* AGrid);
    // (real column, row) of the cell being edited.
    TPoint EditCell() const { return FEditCell; }
    TForm* PopupForm();

    TEditStyle EditStyle = esInplace;
    int PopupWidth = 0;
    int PopupHeight = 0;
    int PopupLeft = -1;
    int PopupTop = -1;
    bool AutoPopupWidth = false;
    bool WantKeyLeftRight = false;
    bool WantKeyUpDown = false;
    bool WantKeyHomeEnd = false;
    bool WantKeyPriorNext = false;
    bool WantKeyReturn = false;
    bool WantKeyEscape = false;
    bool WantTabs = false;
    bool WantReturns = false;

    void BeginCellEdit(int ACol, int ARow) override;
    void PlaceCellEditor(const TRect& ARect, TColor Background) override;
    void LoadCellText(const std::string& Text) override;
    std::string ApplyCellText() override;
    void CancelCellEdit() override {}
    void EndCellEdit() override;
    // The key that opened the editor goes to the control as a typed character.
    void TypeStartKey(char16_t Key) override;

    // The control's own window procedure again in place of the grid's, an in-place control
    // hidden.
    void RestoreWinProc();
    // The keyboard focus left the control (the grid's window procedure for it tells).
    void ControlExit();

private:
    bool KeepsKey(WORD Key, TShiftState Shift) const;
    void Leave();
    // The grid is editing a cell with this link.
    bool EditingHere() const;
    void ClosePopup();

    friend class TEditLinkBinding;
    TExStringGrid* FOwner = nullptr;
    TEditLinkBinding* FBinding = nullptr;
    TPoint FEditCell{0, 0};
    TForm* FPopupForm = nullptr;
    bool FForcedExit = false;
    bool FSubClassed = false;
};
