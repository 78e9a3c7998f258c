#pragma once

// The building blocks every editor control of the string grid assembles its keys from: the
// commit through the grid's validation, Tab navigation, leaving with a key, the cursor walk
// into the neighbouring cell and the lookup completion of typed text.

#include "platform/ui/Keys.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Types.h"

#include <string>
#include <vector>

class TComboBox;
class TComponent;
class TObject;
class TExStringGrid;
class TWinControl;

class TGridEditorKeys {
public:
    // The grid an editor control belongs to: its owner, which must be a string grid (anything
    // else throws, as an invalid type cast does).
    static TExStringGrid* GridOwner(TComponent* AOwner);
    // Whether an editor control receives the key instead of the form: Enter, Escape, and Tab
    // when the grid takes it.
    static bool ClaimsSpecialKey(TExStringGrid* Grid, WPARAM Key);
    // The grid keeps Tab (its own options or a validation handler) instead of letting the form
    // move the focus.
    static bool GridTakesTab(TExStringGrid* Grid);
    // The current cell takes the text and the grid validates it; true when it was accepted.
    static bool Commit(TExStringGrid* Grid, const std::string& Text);
    // The value as the last refused validation left it.
    static std::string NewCellText(TExStringGrid* Grid);
    // The key that ended editing must not advance the grid.
    static void BlockAdvance(TExStringGrid* Grid);
    // Hides the editor, gives the grid the focus and moves on as Tab (Shift+Tab) does.
    static void TabNavigate(TExStringGrid* Grid);
    // Ends editing with a leaving key; with advance-and-edit the next cell's editor opens.
    static void Leave(TExStringGrid* Grid, WORD& Key, TShiftState Shift);
    // The grid's own key handling, as though the key had been pressed in the grid.
    static void GridKeyDown(TExStringGrid* Grid, WORD& Key, TShiftState Shift);
    static void FocusGrid(TExStringGrid* Grid);
    // Whether Shift is held at this moment (not as the key arrived).
    static bool ShiftDown();
    // OnEditChange for the current cell.
    static void EditChanged(TExStringGrid* Grid, const std::string& Text);
    static std::string CellCache(TExStringGrid* Grid);
    // The key that opened an editor, typed into its control as if the user had typed it there:
    // it starts a new value over the whole text of an edit. The control's own character
    // handling sees it first (a filter, a mask, a picker's digits); an edit then takes what
    // that handling passed on.
    static void TypeStartKey(TExStringGrid* Grid, TWinControl* Control, char16_t Key);
    // A start key's text typed into a combo: an editable one starts its text with it, a list
    // picks the first item starting with it (letter case ignored).
    static void TypeIntoCombo(TComboBox* Combo, const std::string& Text);
    // While the start key is typed: the grid's OnKeyPress had it when it was typed on the grid,
    // and an editor must not offer it a second time.
    static bool TypingStartKey(TExStringGrid* Grid);
    // A character typed into an editor, offered to the grid's OnKeyPress unless it is the start
    // key the grid already offered.
    static void OfferKeyPress(TExStringGrid* Grid, TObject* Sender, TChar& Key);
    // Whether the editor was opened by a left click; ClearLeftClick forgets it.
    static bool OpenedByLeftClick(TExStringGrid* Grid);
    static void ClearLeftClick(TExStringGrid* Grid);

    // What the editors whose files cannot include the grid ask of it.
    static TWinControl* AsControl(TExStringGrid* Grid);
    static void HideEditor(TExStringGrid* Grid);
    static int Col(TExStringGrid* Grid);
    static int Row(TExStringGrid* Grid);
    static std::string CurrentCell(TExStringGrid* Grid);
    static void SetCurrentCell(TExStringGrid* Grid, const std::string& Text);
    static std::string StoredText(TExStringGrid* Grid, int ACol, int ARow);
    static bool AdvanceOnEnter(TExStringGrid* Grid);
    // The advance after Enter from the current cell, opening the next cell's editor.
    static void AdvanceFromCurrentCell(TExStringGrid* Grid);
    static void NavigateFromEditor(TExStringGrid* Grid);
    static double OriginalDateTime(TExStringGrid* Grid);
    static void SetOriginalDateTime(TExStringGrid* Grid, double Value);
    static void DatePickerClosed(TExStringGrid* Grid, TObject* Sender);
    static void DateTimeChanged(TExStringGrid* Grid, TObject* Sender, double Value);
    static std::string ShortTimeFormat();

    // Left or Right at the text's edge moves editing into the neighbouring cell. AtEdge: the
    // caret stands at the start (Left) or after the end (Right). True when it did; Key is then
    // 0.
    static bool CursorWalk(TExStringGrid* Grid, WORD& Key, TShiftState Shift, bool AtEdge,
                           const std::string& Text);

    // Completes typed text from a list: Prefix is the first SelStart characters (UTF-16
    // units) of Text. The first candidate that starts with it gives the completion. Answers
    // the candidate's index (-1: none) and the completed text; the completed tail is selected
    // from SelStart to the end.
    static int LookupCompletion(const std::string& Text, int SelStart,
                                const std::vector<std::string>& Candidates, bool CaseSensitive,
                                std::string& Completed);

    // Character filters of the numeric and float edit kinds. Text and SelText are the edit's
    // text and selected text, SelStart the caret. Answer whether Key may pass; Beep whether a
    // refusal is to be heard.
    static bool NumericCharAllowed(TChar Key, const std::string& Text, int SelStart, bool& Beep);
    static bool FloatCharAllowed(TChar Key, const std::string& Text, const std::string& SelText,
                                 int SelStart, bool CtrlDown, bool& Beep);
};
