#pragma once

#include "grid/foundation/GridTypes.h"
#include "grid/stringgrid/ExGridTypes.h"
#include "platform/ui/InplaceEdit.h"

#include <memory>
#include <string>

class TBalloonWindow;
class TExStringGrid;

// What typing one character into the text editor does, by the editor kind.
enum class TTypedCharVerdict {
    Accept, // the character (possibly converted) goes into the text
    Beep,   // refused with a beep
    Drop    // refused silently
};

// The text and caret a typed character meets, and the locale it is judged by.
struct TTypedCharContext {
    std::u16string Text;
    int SelStart = 0;
    int SelLength = 0;
    int LengthLimit = 0; // 0 or less: none
    bool Ctrl = false;
    char16_t DecimalSeparator = u'.';
    char16_t ThousandSeparator = u',';
    std::u16string ValidChars; // edValidChars; empty accepts nothing but Backspace and Enter
};

// The character filter of the text kinds. Key may come back converted (upper or lower case).
TTypedCharVerdict FilterTypedChar(TEditorType Kind, char16_t& Key, const TTypedCharContext& Ctx);
// Whether a whole pasted text may stand in the editor of a kind; the converted text in Text.
bool FilterPastedText(TEditorType Kind, std::string& Text, const std::u16string& ValidChars);

// The editor after a paste: its text, and the pasted part selected (when it replaced a
// selection) or the caret after it. Positions count UTF-16 units.
struct TPasteResult {
    bool Pasted = false; // false: a paste too long for the limit, dropped whole
    std::string Text;
    int SelStart = 0;
    int SelLength = 0;
};
// Pastes clipboard text into an editor of a kind holding Text with the selection given
// (clamped to the text). A text that the kind refuses leaves Text as it was.
TPasteResult PasteIntoEditorText(TEditorType Kind, const std::string& Text, int SelStart,
                                 int SelLength, std::string Pasted, int LengthLimit,
                                 const std::u16string& ValidChars);

// The string grid's own text editor over a cell, for the text kinds (edNormal, edNumeric, ...).
// It filters what is typed and pasted by the kind, keeps the length limit, and validates the
// value before any key or focus change takes the user out of the cell: a refused value keeps the
// editor open on the value the validation chose.
class TExInplaceEdit : public TInplaceEdit {
public:
    explicit TExInplaceEdit(TExStringGrid* AGrid);
    ~TExInplaceEdit() override;

    TExStringGrid* ExGrid() const { return FGrid; }
    // Right-aligned text (set from the cell's alignment when the text is read).
    bool VAlign() const { return FValign; }
    void SetVAlign(bool Value);
    // Wrapped lines; with the grid's Multilinecells the editor shows several lines without it.
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    int LengthLimit() const { return FLengthLimit; }
    void SetLengthLimit(int Value) { FLengthLimit = Value; }
    // The cell being edited (display column, row).
    int ColE() const { return FColE; }
    int RowE() const { return FRowE; }
    // Completes the text from the grid's lookup items (after each key-up).
    void DoChange();
    // A refused value's balloon; shown only when a title or text is set.
    void ShowInvalidEntry(const std::string& Title, const std::string& Text,
                          TInvalidEntryIcon Icon);
    TBalloonWindow* InvalidEntryBalloon() const { return FBalloon; }

    void BeginCellEdit(int ACol, int ARow) override;
    void PlaceCellEditor(const TRect& ARect, TColor Background) override;
    void LoadCellText(const std::string& Text) override;
    void WndProc(TMessage& Message) override;

protected:
    void Change() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void KeyPress(TChar& Key) override;
    void DoEnter() override;
    void DoExit() override;
    void DblClick() override;

private:
    // The editor lays its lines out as the cell shows them (display column).
    void FollowCellLayout(int ACol, int ARow);
    void ApplyLines();
    // The typing context of the filter for the text as it stands.
    TTypedCharContext TypingContext(bool Ctrl) const;
    // Ctrl+Enter types a line feed: it breaks the line where the editor kind takes it.
    void TypeLineFeed();
    // Left at the start or Right at the end of the text with cursor walking on.
    bool WalksOutOfTheText(WORD Key, TShiftState Shift) const;
    // Shift+Left at the start or Shift+Right at the end of the text with cursor walking on.
    bool ShiftLeavesTheText(WORD Key, TShiftState Shift) const;
    // The text goes into the cell and through validation; accepted, the grid takes the keys.
    void LeaveToTheGrid();
    // Validates the text; a refused value leaves the editor open with the caret placed.
    bool ValidateText();
    // The cell's column or row grows to the text as it is typed, when the grid asks for it.
    void GrowWithText();
    // A line break entered with Ctrl or Shift held gives the row room for the new line at once.
    void GrowForNewLine(int LinesBefore);
    // A full editor (MaxEditLength characters, caret at the end) advances to the next cell.
    void AdvanceWhenFull();
    // The editor is left with a key that moves the current cell or ends the edit.
    void LeaveWithKey(WORD& Key, TShiftState Shift);
    void Paste();
    void SetTextQuietly(const std::string& Value);

    TExStringGrid* FGrid;
    TBalloonWindow* FBalloon = nullptr; // owned as a component
    int FSelKeyDown = 0;                // caret when the last key went down
    bool FCharTyped = false;            // a character was typed since the last key came up
    int FLengthLimit = 0;
    int FColE = -1;
    int FRowE = -1;
    bool FValign = false;
    bool FWordWrap = false;
    bool FGotFocus = false;
    bool FAltBack = false;
    bool FWorkmode = true;
};
