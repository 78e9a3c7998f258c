#include "app/core/HartVariablesValidation.h"

#include "app/core/ULanguage.h"
#include "platform/core/CodePage.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"

#include <algorithm>

namespace {

bool Int_In_Range(const std::string& text, int64_t low, int64_t high) {
    int32_t value = 0;
    return TryStrToInt(text, value) && value >= low && value <= high;
}

// Invalid text counts as -1, which no range admits.
bool Int64_In_Range(const std::string& text, int64_t low, int64_t high) {
    const int64_t value = StrToInt64Def(text, -1);
    return value >= low && value <= high;
}

bool Is_Hex_Digit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

// The language slot of the first check the row fails, or 0.
int First_Failed_Check(const THartVariableRow& row, int Num_Byte_Max) {
    const bool command = Trim(row.Var_Cmd_Type) == "Command";
    if (!Int64_In_Range(row.Device_Address, 0, 0xFFFFFFFFFF))
        return 1238;
    if (!Int_In_Range(row.Preamble_Count, 5, 20))
        return 1239;
    if (Trim(row.Var_Cmd_Type).empty())
        return 1240;
    if (command && !Int_In_Range(row.Var_Cmd_Number, 0, 65535))
        return 1241;
    if (!command && !Int_In_Range(row.Var_Cmd_Number, 0, 250))
        return 1242;
    // Characters count as the table's cells count them, in UTF-16 units.
    const std::u16string params = Utf8ToUtf16(Trim(row.Cmd_Params));
    if (command && !params.empty()) {
        if (params.size() % 2 != 0)
            return 1243;
        if (params.size() > 500)
            return 1244;
        if (!std::all_of(params.begin(), params.end(), Is_Hex_Digit))
            return 1245;
    }
    if (!Int_In_Range(row.Position, 0, Num_Byte_Max - 1))
        return 1246;
    if (!command && Trim(row.Var_Operation).empty())
        return 1247;
    if (!Int64_In_Range(row.TimeOut, 0, 0xFFFFFFFF))
        return 1252;
    return 0;
}

} // namespace

THartVariablesCheck Check_Hart_Variables(const std::vector<THartVariableRow>& rows,
                                         int Num_Byte_Max) {
    for (size_t i = 0; i < rows.size(); ++i) {
        const THartVariableRow& row = rows[i];
        if (Trim(row.Device_Address).empty() || !row.Enable)
            continue;
        const int failed = First_Failed_Check(row, Num_Byte_Max);
        if (failed == 0)
            continue;
        const int number = static_cast<int>(i) + 1;
        std::string message = Lang_Str(1237) + IntToStr(number) + Lang_Str(failed);
        // The message names the last position allowed.
        if (failed == 1246)
            message += IntToStr(Num_Byte_Max - 1);
        return {false, number, failed, message};
    }
    return {};
}
