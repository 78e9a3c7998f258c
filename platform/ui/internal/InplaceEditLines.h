#pragma once

// For the .cpp files of platform/ui only: the several-line native editor of the grid's in-place
// editor, with text and selection in the units of the stored text.

#include <functional>
#include <memory>
#include <string>

class QPlainTextEdit;
class QWidget;

class InplaceEditLines {
public:
    // Changed runs after every change of the text made by the user or by SetText.
    explicit InplaceEditLines(std::function<void()> Changed);
    ~InplaceEditLines();

    // The native editor (its owner embeds it).
    QWidget* Widget() const;
    // Alignment: Qt alignment flags of the horizontal alignment.
    void SetLayout(int Alignment, bool RightToLeft, bool WordWrap);

    // Lines joined with the line break of the text set last ("\r\n" when it had none).
    std::string Text() const;
    // False when the text was that already. Quietly: Changed does not run.
    bool SetText(const std::string& Value, bool Quietly);
    // Positions count UTF-16 units of Text.
    int SelStart() const;
    int SelLength() const;
    void Select(int Start, int Length);
    void SelectAll();
    std::string SelText() const;
    void ReplaceSelection(const std::string& Value);
    void InsertLineBreak();
    // The position of the character boundary nearest a point of the native editor.
    int PositionAt(int X, int Y) const;
    bool CaretOnFirstLine() const;
    bool CaretOnLastLine() const;
    // WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR and WM_UNDO; false for any other message.
    bool HandleClipboardMessage(unsigned Msg);

private:
    struct Impl;
    std::unique_ptr<Impl> FImpl;
};
