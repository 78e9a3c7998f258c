#pragma once

#include "platform/ui/Edit.h"

#include <string>

// A one-line edit whose input can follow an edit mask. Without a mask it is a plain edit.
//
// The mask is "characters;save-literals;blank" as in the framework: the characters are
//   L letter, l optional letter, A letter or digit, a optional letter or digit, C any character,
//   c optional any character, 0 digit, 9 optional digit, # optional digit or sign,
//   : time separator, / date separator, > upper case from here, < lower case, <> neither,
//   \ the next character as it is; any other character is shown as it is (a literal).
// save-literals 0 leaves the literals out of Text (EditText always shows them); the blank
// character (default '_') stands for positions not typed yet. The user can only type what the
// mask allows at each position; text set by the program is fitted into the mask.
class TCustomMaskEdit : public TEdit {
public:
    explicit TCustomMaskEdit(TComponent* AOwner);
    ~TCustomMaskEdit() override;

    const std::string& EditMask() const { return FEditMask; }
    void SetEditMask(const std::string& value);
    bool IsMasked() const { return !FEditMask.empty(); }
    // The text as shown, literals and blank characters included.
    std::string EditText() const;
    // The typed characters; with a mask that saves its literals, the literals too.
    std::string Text() const override;
    // Every position of the mask holds a character: no blank shows.
    bool MaskFilled() const;

protected:
    // A character the mask does not allow at the caret (after any literals there) is refused.
    void KeyPress(TChar& Key) override;

private:
    bool FitsMask(TChar ch) const;

    std::string FEditMask;
    bool FSaveLiterals = true;
};

// The published form.
class TMaskEdit : public TCustomMaskEdit {
public:
    explicit TMaskEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {}
};

// The platform's input mask for an edit mask in the framework's syntax, with whether literals
// are kept in the text; exposed for tests. Unknown mask characters are literals.
struct TTranslatedMask {
    std::string InputMask;
    bool SaveLiterals = true;
};
TTranslatedMask TranslateEditMask(const std::string& editMask, const std::string& timeSeparator,
                                  const std::string& dateSeparator);
