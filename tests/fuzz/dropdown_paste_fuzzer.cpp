// What a drop-down edit does with pasted clipboard text: the value read out of the shown text,
// the paste rules of every edit type and the number text they lead to. Input: one byte of
// options, then the value shown before the paste, a line break, and the pasted text.
#include "FuzzSupport.h"

#include "grid/dropdown/DropDownValueText.h"
#include "grid/stringgrid/DropDownUtil.h"

#include <cmath>
#include <string>

namespace {

void Check_Value_Between_Prefix_And_Suffix(std::string_view shown, std::string_view prefix,
                                           std::string_view suffix) {
    const std::string edit = std::string(prefix) + std::string(shown) + std::string(suffix);
    FUZZ_CHECK(ValueOfEditText(edit, prefix, suffix) == shown);
    const std::string value = ValueOfEditText(shown, prefix, suffix);
    FUZZ_CHECK(value.size() <= shown.size());
    FUZZ_CHECK(shown.find(value) != std::string_view::npos);
}

void Check_Paste(const TPasteRules& rules, std::string_view composed, std::string_view pasted) {
    const TPasteOutcome outcome = ApplyPasteRules(rules, composed, pasted);
    if (outcome.Action == paRefuse)
        return;
    switch (rules.EditType) {
    case etNumeric:
        FUZZ_CHECK(ClassifyNumberText(outcome.Value) == ntInteger);
        break;
    case etHex:
    case etAlphaNumeric:
        FUZZ_CHECK(outcome.Value == composed);
        break;
    case etFloat:
    case etMoney: {
        FUZZ_CHECK(outcome.Action == paSetNumber);
        const std::string shown =
            FormatWrittenValue(outcome.Value, rules.EditType, rules.Precision);
        FUZZ_CHECK(!shown.empty());
        FUZZ_CHECK(std::isfinite(StrToFloatSafe(shown)));
        break;
    }
    default:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const uint8_t options = data[0];
    const std::string_view text = FuzzText(data + 1, size - 1);
    const size_t line = text.find('\n');
    const std::string_view shown = text.substr(0, line);
    const std::string_view pasted = line == std::string_view::npos ? "" : text.substr(line + 1);

    Check_Value_Between_Prefix_And_Suffix(shown, "$ ", " EUR");
    Check_Value_Between_Prefix_And_Suffix(shown, "", shown.substr(0, options % 4));

    TPasteRules rules;
    rules.EditType = static_cast<TDropDownEditType>(options % 12);
    rules.Precision = (options >> 4) % 4;
    rules.Signed = (options & 0x80) != 0;
    rules.ValidChars = "0123456789abc";
    const std::string composed = std::string(shown) + std::string(pasted);
    Check_Paste(rules, composed, pasted);
    (void)FormatWrittenValue(shown, rules.EditType, rules.Precision);
    return 0;
}
