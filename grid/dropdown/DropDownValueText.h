#pragma once

#include "grid/dropdown/ExDropDownTypes.h"

#include <string>
#include <string_view>

// The value text of a drop-down edit, without the control: how a value sits between prefix and
// suffix, how numbers are written and read with the locale's separators, and which pasted texts
// an edit type takes. Text is UTF-8; the locale is read at every call.

// The value inside the shown text: the prefix is removed when the text starts with it, the
// suffix when the text ends with it (a text that lost its suffix keeps its last characters).
std::string ValueOfEditText(std::string_view EditText, std::string_view Prefix,
                            std::string_view Suffix);

// X with Precision decimals (negative: as many as needed, "%g"-like), the locale's decimal
// separator, and thousand separators when Grouped.
std::string FormatDropDownNumber(double X, int Precision, bool Grouped);
// The text without thousand separators read as a number with the locale's decimal separator;
// 0 for anything that is no number.
double StrToFloatSafe(std::string_view S);

// What writing V through Text shows between prefix and suffix: numeric types turn the empty
// text into "0", float and money texts get Precision decimals (money with thousand
// separators), hexadecimal text is upper-cased. "Error" is left as it is.
std::string FormatWrittenValue(std::string_view V, TDropDownEditType EditType, int Precision);

// What typing can make of a range value: digits and the separators ',', '-', ';', with no
// separator first and no two side by side.
bool IsRangeValueValid(std::u16string_view Value);

struct TPasteRules {
    TDropDownEditType EditType = etString;
    int Precision = 0;
    bool Signed = false;
    std::string ValidChars;
};
// How a paste ends for the type.
enum TPasteAction {
    paRefuse,
    // Text := the value.
    paSetText,
    // Text := the value, then the number is written again with the edit's precision.
    paSetNumber
};
struct TPasteOutcome {
    TPasteAction Action = paRefuse;
    std::string Value;
};
// Composed: the value with the clipboard text in place of the selection; Pasted: the clipboard
// text alone. The same characters a type lets through when typed are the ones it takes pasted.
TPasteOutcome ApplyPasteRules(const TPasteRules& Rules, std::string_view Composed,
                              std::string_view Pasted);
