#include "app/core/HartVariablesValidation.h"

#include "app/core/ULanguage.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// A row that passes every check.
THartVariableRow Valid_Row(std::string_view type = "Var") {
    THartVariableRow row;
    row.Device_Address = "0x1A2B3C4D5E";
    row.Preamble_Count = "5";
    row.Var_Cmd_Type = std::string(type);
    row.Var_Cmd_Number = "246";
    row.Position = "0";
    row.Var_Operation = "None";
    row.TimeOut = "1000";
    return row;
}

class HartVariablesValidationTest : public ::testing::Test {
protected:
    void SetUp() override { Load_Default_Language(); }
};

} // namespace

TEST_F(HartVariablesValidationTest, EachCheckOfAnEnabledRow) {
    struct Case {
        const char* Description;
        const char* Type;
        std::function<void(THartVariableRow&)> Change;
        int Lang_Index; // 0 when the row passes
        const char* Text;
    };
    const Case cases[] = {
        {"valid Var row", "Var", [](auto&) {}, 0, ""},
        {"largest address", "Var", [](auto& r) { r.Device_Address = "0xFFFFFFFFFF"; }, 0, ""},
        {"address one larger", "Var", [](auto& r) { r.Device_Address = "1099511627776"; }, 1238,
         "!! Device Address Must be Between 0 and 0xFFFFFFFFFF"},
        {"negative address", "Var", [](auto& r) { r.Device_Address = "-1"; }, 1238,
         "!! Device Address Must be Between 0 and 0xFFFFFFFFFF"},
        {"address not a number", "Var", [](auto& r) { r.Device_Address = "dev"; }, 1238,
         "!! Device Address Must be Between 0 and 0xFFFFFFFFFF"},
        {"preamble 4", "Var", [](auto& r) { r.Preamble_Count = "4"; }, 1239,
         "!! Preamble Count Must be Between 5 and 20"},
        {"preamble 20", "Var", [](auto& r) { r.Preamble_Count = "20"; }, 0, ""},
        {"no type", "Var", [](auto& r) { r.Var_Cmd_Type = " "; }, 1240, "!! Type Must be selected"},
        {"Var number 251", "Var", [](auto& r) { r.Var_Cmd_Number = "251"; }, 1242,
         "!! Variable Number Must be Between 0 and 250"},
        {"Command number 251", "Command", [](auto& r) { r.Var_Cmd_Number = "251"; }, 0, ""},
        {"Command number 65536", "Command", [](auto& r) { r.Var_Cmd_Number = "65536"; }, 1241,
         "!! Command Number Must be Between 0 and 65535"},
        {"three parameter characters", "Command", [](auto& r) { r.Cmd_Params = "ABC"; }, 1243,
         "!! Params length of the Characters Must be even"},
        {"502 parameter characters", "Command",
         [](auto& r) { r.Cmd_Params = std::string(502, 'A'); }, 1244,
         "!! Params must contain less or egua to 250 bytes (500 Characters)"},
        {"500 parameter characters", "Command",
         [](auto& r) { r.Cmd_Params = std::string(500, 'f'); }, 0, ""},
        {"a G among the parameters", "Command", [](auto& r) { r.Cmd_Params = "1G"; }, 1245,
         "!! Params must contain only numbers (from 0 to 9) and Letters (form A to F)"},
        {"parameters are trimmed", "Command", [](auto& r) { r.Cmd_Params = " 0A1b "; }, 0, ""},
        {"empty parameters", "Command", [](auto& r) { r.Cmd_Params = "  "; }, 0, ""},
        {"parameters of a Var row are not checked", "Var", [](auto& r) { r.Cmd_Params = "xyz"; }, 0,
         ""},
        {"position 1439", "Var", [](auto& r) { r.Position = "1439"; }, 0, ""},
        {"position 1440", "Var", [](auto& r) { r.Position = "1440"; }, 1246,
         "!! Position Must be Between 0 and 1439"},
        {"no operation in a Var Burst row", "Var Burst", [](auto& r) { r.Var_Operation = ""; },
         1247, "!! Operations Must be selected"},
        {"no operation in a Command row", "Command", [](auto& r) { r.Var_Operation = ""; }, 0, ""},
        {"empty time-out", "Var", [](auto& r) { r.TimeOut = ""; }, 1252,
         "!! TimeOut Must be Between 0 and 0xFFFFFFFF"},
        {"time-out 0xFFFFFFFF", "Var", [](auto& r) { r.TimeOut = "0xFFFFFFFF"; }, 0, ""},
        {"time-out 4294967296", "Var", [](auto& r) { r.TimeOut = "4294967296"; }, 1252,
         "!! TimeOut Must be Between 0 and 0xFFFFFFFF"},
        {"first failing check wins", "Var",
         [](auto& r) {
             r.TimeOut = "";
             r.Preamble_Count = "1";
         },
         1239, "!! Preamble Count Must be Between 5 and 20"},
    };
    for (const Case& c : cases) {
        THartVariableRow row = Valid_Row(c.Type);
        c.Change(row);
        const THartVariablesCheck check = Check_Hart_Variables({Valid_Row(), row});
        EXPECT_EQ(check.Passed, c.Lang_Index == 0) << c.Description;
        EXPECT_EQ(check.Lang_Index, c.Lang_Index) << c.Description;
        EXPECT_EQ(check.Row, c.Lang_Index == 0 ? 0 : 2) << c.Description;
        EXPECT_EQ(check.Message, c.Lang_Index == 0 ? "" : std::string("Error row 2") + c.Text)
            << c.Description;
    }
}

TEST_F(HartVariablesValidationTest, DisabledAndBlankRowsAreSkipped) {
    THartVariableRow disabled = Valid_Row();
    disabled.Enable = false;
    disabled.Preamble_Count = "99";
    THartVariableRow blank;
    blank.Device_Address = "  ";
    blank.Preamble_Count = "x";
    THartVariableRow invalid = Valid_Row();
    invalid.Position = "-1";
    // The row after the blank one is checked: it is saved too.
    const THartVariablesCheck check = Check_Hart_Variables({disabled, blank, invalid});
    EXPECT_EQ(check.Row, 3);
    EXPECT_EQ(check.Lang_Index, 1246);
    EXPECT_TRUE(Check_Hart_Variables({disabled, blank}).Passed);
}

TEST_F(HartVariablesValidationTest, FullTableIsCheckedToItsLastRow) {
    std::vector<THartVariableRow> rows(Hart_Variables_Max_Rows, Valid_Row("Command"));
    EXPECT_TRUE(Check_Hart_Variables(rows).Passed);
    rows.back().Device_Address = "0x10000000000";
    const THartVariablesCheck check = Check_Hart_Variables(rows);
    EXPECT_EQ(check.Row, 100);
    EXPECT_EQ(check.Message, "Error row 100!! Device Address Must be Between 0 and 0xFFFFFFFFFF");
}
