// The HART variables window: its grid, file, checks, row buttons and the import of a scan.
#include "WindowsFixture.h"

#include "app/controls/GlyphButton.h"
#include "app/core/HartVariablesFile.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridCombo.h"
#include "platform/ui/InplaceEdit.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Keys.h"

#include <functional>
#include <sys/stat.h>

namespace {

using TCol = TFHARTVariables::TColumn;

class HARTVariablesWindowTest : public WindowsFixture {
protected:
    void SetUp() override {
        WindowsFixture::SetUp();
        Create_Windows_With_Configuration("Plant");
    }

    TFHARTVariables* Window() { return FHARTVariables; }
    TExStringGrid* Grid() { return FHARTVariables->ESG; }
    const std::string& File() { return AppState().HART_Variables_File; }

    // Shows the window modally; `while_shown` plays the user. Returns the modal result.
    TModalResult Show(const std::function<void()>& while_shown) {
        Seam().OnModalShow = [&](TForm* form) {
            if (form == FHARTVariables)
                while_shown();
        };
        const TModalResult result = FHARTVariables->ShowModal();
        Seam().OnModalShow = nullptr;
        return result;
    }

    // Makes a cell current and opens its editor as a person does: a click on it, then F2.
    void Edit_Cell(int col, int row) {
        const TRect cell = Grid()->CellRect(col, row);
        InputSimulation::Click(Grid(), {cell.Left + 5, cell.Top + 5});
        if (!Grid()->EditMode)
            InputSimulation::KeyPress(Grid(), VK_F2);
        Application->ProcessMessages();
    }

    // Picks item `index` of a combo column's list with the mouse, the edit left open.
    void Pick(int col, int row, int index) {
        Edit_Cell(col, row);
        TGridCombo* combo = Grid()->Combobox();
        ASSERT_TRUE(combo->Visible());
        InputSimulation::KeyPress(combo, VK_F4);
        InputSimulation::ClickListItem(combo, index);
        Application->ProcessMessages();
    }

    // Which of Params, Swap, Conv Int and Operations a row lets the user edit.
    std::vector<bool> Editable(int row) {
        TExStringGrid* g = Grid();
        return {!g->ReadOnly(TCol::Col_Params, row), !g->ReadOnly(TCol::Col_Swap, row),
                !g->ReadOnly(TCol::Col_ConvInt, row), !g->ReadOnly(TCol::Col_Operations, row)};
    }
    const std::vector<bool> Command_Editable = {true, false, false, false};
    const std::vector<bool> Var_Editable = {false, true, true, true};

    bool Ticked(int col, int row) {
        bool ticked = false;
        return Grid()->GetCheckBoxState(col, row, ticked) && ticked;
    }

    // A row that passes every check.
    static THartVariableRow Valid_Row(const std::string& address) {
        THartVariableRow row;
        row.Device_Address = address;
        row.Preamble_Count = "5";
        row.Var_Cmd_Number = "246";
        row.Position = "0";
        row.TimeOut = "1000";
        row.Mnemonic = "TT-101";
        return row;
    }
};

TEST_F(HARTVariablesWindowTest, TheMainWindowsStepOpensIt) {
    FVelmaroFirmWare->Btn_Click(FVelmaroFirmWare->Btn_HART_Variables);
    EXPECT_EQ(Seam().ModalForms(), std::vector<std::string>{"FHARTVariables"});
}

TEST_F(HARTVariablesWindowTest, ALanguageChangeReachesBothHartWindows) {
    AppState().Language_List[1200] = "Variabili HART";
    AppState().Language_List[1216] = "Indirizzo";
    AppState().Language_List[1600] = "Scansione HART";
    FVelmaroFirmWare->Change_Language();
    EXPECT_EQ(FHARTVariables->Caption(), "Variabili HART");
    EXPECT_EQ(Grid()->Cells(TCol::Col_Device_Address, 0), "Indirizzo");
    EXPECT_EQ(FHART_Scan->Caption(), "Scansione HART");
}

TEST_F(HARTVariablesWindowTest, WithoutAFileTheTableIsEmptyWithEnableTicked) {
    Show([&] {
        EXPECT_EQ(Grid()->ColCount(), 13);
        EXPECT_EQ(Grid()->RowCount(), 101);
        const std::vector<std::string> headers = {
            "N",       "Enable",         "Device Address", "Preamble Count",
            "Type",    "Var/Cmd Number", "Params",         "Position",
            "Swap",    "Conv Int",       "Operations",     "TimeOut",
            "Mnemonic"};
        for (int c = 0; c < 13; ++c)
            EXPECT_EQ(Grid()->Cells(c, 0), headers[static_cast<size_t>(c)]);
        for (int r : {1, 100}) {
            EXPECT_EQ(Grid()->Cells(0, r), std::to_string(r));
            EXPECT_TRUE(Ticked(TCol::Col_Enable, r));
            EXPECT_FALSE(Ticked(TCol::Col_Swap, r));
            EXPECT_FALSE(Ticked(TCol::Col_ConvInt, r));
            EXPECT_EQ(Grid()->Cells(TCol::Col_Device_Address, r), "");
        }
        EXPECT_EQ(Grid()->Colors(TCol::Col_Enable, 1), TColor(0x00B0D8FF));
        EXPECT_EQ(Grid()->Colors(TCol::Col_TimeOut, 7), TColor(0x00F4D6FC));
        EXPECT_EQ(Grid()->ColWidths(TCol::Col_Mnemonic), 160);
        std::string hint;
        Window()->GridHint(Grid(), 0, TCol::Col_TimeOut, hint);
        EXPECT_EQ(hint, "TimeOut of the transaction in milliseconds, from 0 to 0xFFFFFFFF");
        Window()->GridHint(Grid(), 3, TCol::Col_TimeOut, hint);
        EXPECT_EQ(hint, "");
    });
    EXPECT_EQ(Window()->ClientWidth(), 1150);
    EXPECT_EQ(Window()->ClientHeight(), 337);
}

TEST_F(HARTVariablesWindowTest, MissingAttributesTakeTheirDefaultsAndOkWritesTheCommonLayout) {
    Write_File(File(), "<HART><HART_Variables>"
                       "<row Device_Address=\"0x01\" Preamble_Count=\"5\" Var_Cmd_Number=\"1\" "
                       "Position=\"3\" TimeOut=\"10\" Mnemonic=\"a&#9;b\"/>"
                       "<row Enable=\"N\" Device_Address=\"0x02\" Var_Cmd_Type=\"var\" "
                       "Var_Operation=\"x 10\" Swap=\"N\"/>"
                       "</HART_Variables></HART><!--SW_VERSION = 1.000-->");
    const TModalResult result = Show([&] {
        // Row 1 lacks Enable, Swap, ConvInt, type and operation: ticked, "Var", "None".
        EXPECT_TRUE(Ticked(TCol::Col_Enable, 1));
        EXPECT_TRUE(Ticked(TCol::Col_Swap, 1));
        EXPECT_TRUE(Ticked(TCol::Col_ConvInt, 1));
        EXPECT_EQ(Grid()->Cells(TCol::Col_Type, 1), "Var");
        EXPECT_EQ(Grid()->Cells(TCol::Col_Operations, 1), "None");
        // No control character reaches a cell.
        EXPECT_EQ(Grid()->Cells(TCol::Col_Mnemonic, 1), "a b");
        // A type that is no entry of the list, exactly, leaves the cell empty.
        EXPECT_FALSE(Ticked(TCol::Col_Enable, 2));
        EXPECT_EQ(Grid()->Cells(TCol::Col_Type, 2), "");
        EXPECT_FALSE(Ticked(TCol::Col_Swap, 2));
        EXPECT_EQ(Grid()->Cells(TCol::Col_Operations, 2), "x 10");
        // Rows the file does not fill keep Swap and Conv Int unticked.
        EXPECT_FALSE(Ticked(TCol::Col_Swap, 3));
        InputSimulation::Click(Window()->Btn_OK, {10, 10});
    });
    EXPECT_EQ(result, mrOk);
    const std::string text = Read_File(File());
    EXPECT_EQ(text.rfind("<HART><HART_Variables><row Enable=\"Y\" Device_Address=\"0x01\"", 0), 0u)
        << text;
    EXPECT_NE(text.find("</HART><!--SW_VERSION = 1.000-->"), std::string::npos);
    const std::vector<THartVariableRow> rows = Read_Hart_Variables_File(File());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Mnemonic, "a b");
    EXPECT_FALSE(rows[1].Enable);
    EXPECT_EQ(rows[1].Var_Cmd_Type, "");
    EXPECT_FALSE(rows[1].Swap);
    EXPECT_TRUE(rows[1].ConvInt);
}

struct TCheckCase {
    const char* Name;
    std::function<void(THartVariableRow&)> Change;
    const char* Message; // nullptr: the row passes
};

void PrintTo(const TCheckCase& c, std::ostream* os) {
    *os << c.Name;
}

class HARTVariablesChecksTest : public HARTVariablesWindowTest,
                                public ::testing::WithParamInterface<TCheckCase> {};

// Row 1 is valid, row 2 gets the case's change; OK either saves and closes or reports the first
// failure of row 2 and writes nothing.
TEST_P(HARTVariablesChecksTest, OkReportsTheFirstFailingCheckOfARow) {
    const TCheckCase& c = GetParam();
    THartVariableRow second = Valid_Row("0x02");
    c.Change(second);
    const TModalResult result = Show([&] {
        Window()->Show_Row(1, Valid_Row("0x01"));
        Window()->Show_Row(2, second);
        InputSimulation::Click(Window()->Btn_OK, {10, 10});
    });
    if (!c.Message) {
        EXPECT_EQ(result, mrOk);
        EXPECT_TRUE(Shown_Messages().empty());
        EXPECT_EQ(Read_Hart_Variables_File(File()).size(), 2u);
        return;
    }
    EXPECT_NE(result, mrOk);
    ASSERT_EQ(Shown_Messages().size(), 1u);
    EXPECT_EQ(Shown_Messages()[0], std::string("Error row 2") + c.Message);
    EXPECT_EQ(Seam().Messages()[0].Kind, mtError);
    EXPECT_FALSE(FileExists(File()));
}

// clang-format off
const TCheckCase Check_Cases[] = {
    {"valid", [](THartVariableRow&) {}, nullptr},
    {"largest_address", [](THartVariableRow& r) { r.Device_Address = "0xFFFFFFFFFF"; }, nullptr},
    {"address_too_large", [](THartVariableRow& r) { r.Device_Address = "0x10000000000"; },
     "!! Device Address Must be Between 0 and 0xFFFFFFFFFF"},
    {"preamble", [](THartVariableRow& r) { r.Preamble_Count = "4"; },
     "!! Preamble Count Must be Between 5 and 20"},
    {"type", [](THartVariableRow& r) { r.Var_Cmd_Type = "var"; }, "!! Type Must be selected"},
    {"command_number", [](THartVariableRow& r) { r.Var_Cmd_Type = "Command"; r.Var_Cmd_Number = "65536"; },
     "!! Command Number Must be Between 0 and 65535"},
    {"command_251_passes", [](THartVariableRow& r) { r.Var_Cmd_Type = "Command"; r.Var_Cmd_Number = "251"; },
     nullptr},
    {"variable_number", [](THartVariableRow& r) { r.Var_Cmd_Number = "251"; },
     "!! Variable Number Must be Between 0 and 250"},
    {"params_odd", [](THartVariableRow& r) { r.Var_Cmd_Type = "Command"; r.Cmd_Params = "ABC"; },
     "!! Params length of the Characters Must be even"},
    {"params_long", [](THartVariableRow& r) { r.Var_Cmd_Type = "Command"; r.Cmd_Params = std::string(502, 'A'); },
     "!! Params must contain less or egua to 250 bytes (500 Characters)"},
    {"params_not_hex", [](THartVariableRow& r) { r.Var_Cmd_Type = "Command"; r.Cmd_Params = "0G"; },
     "!! Params must contain only numbers (from 0 to 9) and Letters (form A to F)"},
    {"position", [](THartVariableRow& r) { r.Position = "1440"; },
     "!! Position Must be Between 0 and 1439"},
    {"operations", [](THartVariableRow& r) { r.Var_Operation = ""; }, "!! Operations Must be selected"},
    {"timeout", [](THartVariableRow& r) { r.TimeOut = ""; }, "!! TimeOut Must be Between 0 and 0xFFFFFFFF"},
    {"disabled_row_is_not_checked", [](THartVariableRow& r) { r.Enable = false; r.Preamble_Count = "x"; },
     nullptr},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, HARTVariablesChecksTest, ::testing::ValuesIn(Check_Cases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(HARTVariablesWindowTest, TheTypePickedInTheListDecidesAtOnceWhichCellsCanBeEdited) {
    Show([&] {
        TExStringGrid* g = Grid();
        Pick(TCol::Col_Type, 1, 2);
        EXPECT_EQ(g->Combobox()->Text(), "Command");
        EXPECT_TRUE(g->EditMode) << "the pick alone decides, the edit is still open";
        EXPECT_EQ(Editable(1), Command_Editable);
        // Params now takes typing.
        Edit_Cell(TCol::Col_Params, 1);
        for (TChar c : {u'0', u'a', u'F', u'F'})
            InputSimulation::TypeChar(g->InplaceEditor(), c);
        InputSimulation::KeyPress(g->InplaceEditor(), VK_RETURN, '\r');
        EXPECT_EQ(g->Cells(TCol::Col_Params, 1), "0aFF");
        EXPECT_EQ(g->Cells(TCol::Col_Type, 1), "Command");

        // Back to "Var" with the arrow key, and an operation chosen by a typed letter.
        Edit_Cell(TCol::Col_Type, 1);
        InputSimulation::KeyPress(g->Combobox(), VK_UP);
        InputSimulation::KeyPress(g->Combobox(), VK_UP);
        EXPECT_EQ(Editable(1), Var_Editable);
        InputSimulation::KeyPress(g->Combobox(), VK_RETURN, '\r');
        EXPECT_EQ(g->Cells(TCol::Col_Type, 1), "Var");
        Edit_Cell(TCol::Col_Operations, 1);
        InputSimulation::TypeChar(g->Combobox(), 'x');
        InputSimulation::KeyPress(g->Combobox(), VK_RETURN, '\r');
        EXPECT_EQ(g->Cells(TCol::Col_Operations, 1), "x 10");

        // A pick undone with Escape gives the row its type's editability back.
        Pick(TCol::Col_Type, 1, 2);
        EXPECT_EQ(Editable(1), Command_Editable);
        InputSimulation::KeyPress(g->Combobox(), VK_ESCAPE, 27);
        Application->ProcessMessages();
        EXPECT_EQ(g->Cells(TCol::Col_Type, 1), "Var");
        EXPECT_EQ(Editable(1), Var_Editable);

        // The editor query: combo lists for type and operation, Params by the row's type.
        g->SetCells(TCol::Col_Type, 2, "Command");
        TEditorType editor = edNormal;
        g->OnGetEditorType(g, TCol::Col_Type, 2, editor);
        EXPECT_EQ(editor, edComboList);
        EXPECT_EQ(g->GetComboCount(), 3);
        g->OnGetEditorType(g, TCol::Col_Operations, 2, editor);
        EXPECT_EQ(g->GetComboCount(), 7);
        g->OnGetEditorType(g, TCol::Col_Params, 2, editor);
        EXPECT_EQ(editor, edNormal);
        EXPECT_FALSE(g->ReadOnly(TCol::Col_Params, 2));
        g->OnGetEditorType(g, TCol::Col_Params, 3, editor);
        EXPECT_TRUE(g->ReadOnly(TCol::Col_Params, 3));
        g->SetCells(TCol::Col_Type, 1, "Command");
        Window()->Set_Editability(1);

        // A deleted row's successor brings its type's editability along.
        g->SetCells(TCol::Col_Device_Address, 1, "0x01");
        g->SetCells(TCol::Col_Device_Address, 2, "0x02");
        Window()->Set_Editability(2);
        g->SetRow(1);
        Seam().QueueAnswer(mrYes);
        Window()->Btn_DelRowClick(Window()->Btn_DelRow);
        EXPECT_EQ(Shown_Messages().back(), "Are you sure to delete the Row number 1");
        EXPECT_EQ(g->Cells(TCol::Col_Device_Address, 1), "0x02");
        EXPECT_EQ(Editable(1), Command_Editable);
    });
}

TEST_F(HARTVariablesWindowTest, EachShowingSetsTheEditabilityOfEveryRowFromItsOwnType) {
    Show([&] {
        for (int r : {2, 5}) {
            THartVariableRow row = Valid_Row("0x0" + std::to_string(r));
            row.Var_Cmd_Type = "Command";
            Window()->Show_Row(r, row);
        }
    });
    THartVariableRow command = Valid_Row("0x01");
    command.Var_Cmd_Type = "Command";
    Write_Hart_Variables_File(File(), {command, Valid_Row("0x02")});
    Show([&] {
        EXPECT_EQ(Editable(1), Command_Editable);
        EXPECT_EQ(Editable(2), Var_Editable);
        EXPECT_EQ(Editable(5), Var_Editable) << "a row the file does not fill keeps no old flags";
    });
}

TEST_F(HARTVariablesWindowTest, OkKeepsEveryFilledRowAfterARowInsertedBetweenThem) {
    const TModalResult result = Show([&] {
        for (int r = 1; r <= 7; ++r)
            Window()->Show_Row(r, Valid_Row("0x0" + std::to_string(r)));
        const TRect cell = Grid()->CellRect(TCol::Col_Mnemonic, 2);
        InputSimulation::Click(Grid(), {cell.Left + 5, cell.Top + 5});
        InputSimulation::Click(Window()->Btn_InsRow, {10, 10});
        EXPECT_EQ(Grid()->Cells(TCol::Col_Device_Address, 2), "");
        InputSimulation::Click(Window()->Btn_OK, {10, 10});
    });
    EXPECT_EQ(result, mrOk);
    const std::vector<THartVariableRow> rows = Read_Hart_Variables_File(File());
    ASSERT_EQ(rows.size(), 7u);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(rows[static_cast<size_t>(i)].Device_Address, "0x0" + std::to_string(i + 1));
}

TEST_F(HARTVariablesWindowTest, AFileOfMoreRowsThanTheTableIsToldAndOverwrittenOnlyOnYes) {
    std::vector<THartVariableRow> rows;
    for (int i = 0; i < 105; ++i)
        rows.push_back(Valid_Row(std::to_string(i + 1)));
    Write_Hart_Variables_File(File(), rows);
    const std::string before = Read_File(File());
    for (int answer : {mrOk, mrNo, mrYes})
        Seam().QueueAnswer(answer);
    const TModalResult result = Show([&] {
        EXPECT_EQ(Grid()->Cells(TCol::Col_Device_Address, 100), "100");
        InputSimulation::Click(Window()->Btn_OK, {10, 10});
        EXPECT_EQ(Window()->ModalResult(), mrNone);
        EXPECT_EQ(Read_File(File()), before) << "No keeps the file";
        InputSimulation::Click(Window()->Btn_OK, {10, 10});
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(Shown_Messages(),
              (std::vector<std::string>{
                  "The table file holds more rows than the table: the rows after row 100 were "
                  "not read",
                  "The table file was not read completely. Do you want to overwrite it?",
                  "The table file was not read completely. Do you want to overwrite it?"}));
    EXPECT_EQ(Read_Hart_Variables_File(File(), 200).size(), 100u);
}

TEST_F(HARTVariablesWindowTest, EnterMovesOnAndADoubleClickedHeaderFitsItsText) {
    AppState().Enable_Jump_Field_Tables = true;
    AppState().Double_Click_Auto_Size = true;
    Show([&] {
        TExStringGrid* g = Grid();
        g->SetCol(TCol::Col_Mnemonic);
        g->SetRow(100);
        InputSimulation::KeyPress(g, VK_RETURN, 13);
        EXPECT_EQ(g->Col(), 1);
        EXPECT_EQ(g->Row(), 1);
        g->SetCells(TCol::Col_Mnemonic, 5, std::string(80, 'M'));
        g->OnDblClickCell(g, 0, TCol::Col_Mnemonic);
        EXPECT_GT(g->ColWidths(TCol::Col_Mnemonic), 160);
        g->OnClickCell(g, 7, 0);
        EXPECT_TRUE(g->GetRowSelect(7));
    });
}

TEST_F(HARTVariablesWindowTest, RowButtonsUseTheSharedHelpersWithThisWindowsCopyFlag) {
    AppState().Row_Clipboard.Add("a row copied in another window");
    Show([&] {
        Grid()->SetCells(TCol::Col_Device_Address, 1, "0x01");
        Grid()->SetRow(2);
        Window()->Btn_PasteRowClick(Window()->Btn_PasteRow);
        EXPECT_EQ(Shown_Messages(),
                  std::vector<std::string>{"Error!!! Copy a valid row before Paste it"});
        Grid()->SetRow(1);
        Window()->Btn_CopyRowClick(Window()->Btn_CopyRow);
        Grid()->SetRow(2);
        Window()->Btn_PasteRowClick(Window()->Btn_PasteRow);
        EXPECT_EQ(Grid()->Cells(TCol::Col_Device_Address, 2), "0x01");
        Window()->Btn_InsRowClick(Window()->Btn_InsRow);
        EXPECT_EQ(Grid()->Cells(TCol::Col_Device_Address, 2), "");
        EXPECT_EQ(Grid()->Cells(TCol::Col_Device_Address, 3), "0x01");
        EXPECT_TRUE(Ticked(TCol::Col_Enable, 2));
    });
}

TEST_F(HARTVariablesWindowTest, AFileThatCannotBeReadIsReportedAndTheTableStartsEmpty) {
    Write_File(File(), "<HART><HART_Variables><row Device_Address=\"1\"");
    Show([&] {
        EXPECT_EQ(Grid()->Cells(TCol::Col_Device_Address, 1), "");
        EXPECT_TRUE(Ticked(TCol::Col_Enable, 1));
    });
    ASSERT_EQ(Shown_Messages().size(), 1u);
    EXPECT_NE(Shown_Messages()[0].find("HART_Variables.xml"), std::string::npos);
    EXPECT_EQ(Read_File(File()), "<HART><HART_Variables><row Device_Address=\"1\"");
}

TEST_F(HARTVariablesWindowTest, AFileThatCannotBeWrittenIsReportedAndTheWindowStaysOpen) {
    // A folder in the file's place: no save can replace it.
    std::filesystem::create_directories(File());
    const TModalResult result = Show([&] {
        Window()->Show_Row(1, Valid_Row("0x01"));
        InputSimulation::Click(Window()->Btn_OK, {10, 10});
        EXPECT_EQ(Window()->ModalResult(), mrNone);
        EXPECT_EQ(Grid()->Cells(TCol::Col_Device_Address, 1), "0x01");
    });
    EXPECT_NE(result, mrOk);
    EXPECT_EQ(Shown_Messages().size(), 1u);
}

// --- the import of a scan -------------------------------------------------------------------

class HARTVariablesImportTest : public HARTVariablesWindowTest {
protected:
    // Scan results as the dialog lists them: address, preamble, name, variable name.
    void Results(const std::vector<std::array<std::string, 4>>& rows, bool ticked = true) {
        TExStringGrid* r = FHART_Scan->ESG;
        r->SetRowCount(static_cast<int>(rows.size()) + 1);
        for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
            r->AddCheckBox(1, i + 1, ticked, false);
            for (int c = 0; c < 4; ++c)
                r->SetCells(c + 2, i + 1, rows[static_cast<size_t>(i)][static_cast<size_t>(c)]);
        }
    }
};

TEST_F(HARTVariablesImportTest, AppendsTheTickedVariablesAfterTheFilledRows) {
    Show([&] {
        for (int r = 1; r <= 5; ++r)
            Window()->Show_Row(r, Valid_Row("0x0" + std::to_string(r)));
        Results({{"0x1234ABCDEF", "5", "TT-101", "Primary Variable"},
                 {"0x1234ABCDEF", "5", "TT-101", "247"}});
        EXPECT_EQ(Window()->HART_Scan_Count_Var(), 2);
        EXPECT_EQ(Window()->Import_Scan(false), 2);
        EXPECT_EQ(Grid()->Cells(TCol::Col_Device_Address, 5), "0x05");
        EXPECT_EQ(Grid()->Cells(TCol::Col_Device_Address, 6), "0x1234ABCDEF");
        EXPECT_EQ(Grid()->Cells(TCol::Col_Preamble_Count, 6), "5");
        EXPECT_EQ(Grid()->Cells(TCol::Col_Type, 6), "Var");
        EXPECT_EQ(Grid()->Cells(TCol::Col_Var_Cmd_Number, 6), "246");
        EXPECT_EQ(Grid()->Cells(TCol::Col_Var_Cmd_Number, 7), "247");
        EXPECT_EQ(Grid()->Cells(TCol::Col_Mnemonic, 6), "TT-101 - Primary Variable");
        EXPECT_EQ(Grid()->Cells(TCol::Col_Operations, 6), "");
        EXPECT_TRUE(Grid()->ReadOnly(TCol::Col_Params, 6));
    });
    EXPECT_TRUE(Shown_Messages().empty());
}

TEST_F(HARTVariablesImportTest, OverwriteEmptiesTheTableFirst) {
    Show([&] {
        for (int r = 1; r <= 3; ++r)
            Window()->Show_Row(r, Valid_Row("0x0" + std::to_string(r)));
        Results({{"0x26A0000001", "7", "PT-202", "Primary Variable"}});
        Window()->Import_Scan(true);
        EXPECT_EQ(Grid()->Cells(TCol::Col_Device_Address, 1), "0x26A0000001");
        EXPECT_EQ(Grid()->Cells(TCol::Col_Device_Address, 2), "");
        EXPECT_EQ(Grid()->Cells(TCol::Col_Mnemonic, 3), "");
    });
}

TEST_F(HARTVariablesImportTest, AFullTableTakesWhatFitsAndSaysSoWithoutOverwriting) {
    Show([&] {
        for (int r = 1; r <= 99; ++r)
            Grid()->SetCells(TCol::Col_Device_Address, r, "0x" + std::to_string(r));
        Results({{"0xA", "5", "A", "Primary Variable"}, {"0xB", "5", "B", "Primary Variable"}});
        EXPECT_EQ(Window()->Import_Scan(false), 1);
        EXPECT_EQ(Grid()->Cells(TCol::Col_Device_Address, 100), "0xA");
        EXPECT_EQ(Grid()->Cells(TCol::Col_Device_Address, 1), "0x1");
    });
    EXPECT_EQ(Shown_Messages(),
              std::vector<std::string>{
                  "Not every selected Variable fits in the table. Variables imported: 1 of 2"});
}

} // namespace
