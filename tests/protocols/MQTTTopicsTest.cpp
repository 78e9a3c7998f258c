// The MQTT topic tables: two tables on two pages, hidden columns that keep the file's values,
// the checks of each page, the file with one section per table and its multi-line templates.
#include "protocols/mqtt/UMQTT_Set_Topic.h"
#include "protocols/mqtt/UTopicTemplate.h"

#include "platform/core/Files.h"
#include "platform/ui/Label.h"
#include "platform/ui/RichEdit.h"
#include "tests/protocols/ProtocolWindowFixture.h"

namespace {

using TMQTT = TFMQTT_Set_Topic;

class MQTTTopicsTest : public ProtocolWindowFixture<TMQTT, &TAppState::MQTT_Set_Topic_File> {
protected:
    std::string File_Name() const override { return "MQTT_Set_Topic.xml"; }

    void Show_Table(int table) { Window->Show_Table(table); }
    TExStringGrid* Pub() const { return Window->Table_Grid(TMQTT::Table_Pub); }
    TExStringGrid* Sub() const { return Window->Table_Grid(TMQTT::Table_Sub); }
    // The display column that shows a real column.
    static int Display_Col(TExStringGrid* grid, int real) {
        for (int c = 0; c < grid->ColCount(); ++c)
            if (grid->RealColIndex(c) == real)
                return c;
        return -1;
    }
};

// Publish: Topic|Retained|QoS|DataType|Dimension|Position|IP|InputTemplate|Template|OnChange|
// OnCMD|OnTimer|Time|Channel|Swap|SwapWord|Mnemonic.
// Subscribe: Topic|Retained|QoS|DataType|Dimension|Position|IP|Port|EthType|InputTemplate|
// Template|Swap|SwapWord|Mnemonic.
const char* const Good_Pub = "a/b|N|0|Int|4|0|||$VALUE$|N||N|||||m";
const char* const Good_Sub = "c/d|N|1|Float|8|10|||||$VALUE$|||n";

TEST_F(MQTTTopicsTest, AShowingStartsFromTwoEmptyTablesOfTopicsOnThePublishPage) {
    Show([&] {
        EXPECT_EQ(Window->Active_Table(), TMQTT::Table_Pub);
        EXPECT_EQ(Pub()->RowCount(), 1025);
        EXPECT_EQ(Sub()->RowCount(), 1025);
        EXPECT_EQ(Pub()->Cells(0, 1024), "1024");
        EXPECT_EQ(Row(1), "||||||||||||||||");
        EXPECT_EQ(Window->Byte_IN, 1500);
        EXPECT_EQ(Window->Byte_OUT, 1500);
    });
    for (int c : {TMQTT::Pub_IPAddress, TMQTT::Pub_InputTemplate, TMQTT::Pub_OnCMD,
                  TMQTT::Pub_Channel, TMQTT::Pub_Swap, TMQTT::Pub_Swap_Word})
        EXPECT_TRUE(Pub()->IsHiddenColumn(c)) << c;
    for (int c : {TMQTT::Sub_Retained, TMQTT::Sub_IPAddress, TMQTT::Sub_Port, TMQTT::Sub_EthType,
                  TMQTT::Sub_InputTemplate, TMQTT::Sub_Swap, TMQTT::Sub_Swap_Word})
        EXPECT_TRUE(Sub()->IsHiddenColumn(c)) << c;
    EXPECT_EQ(Pub()->ColCount(), 12);
    EXPECT_EQ(Sub()->ColCount(), 8);
    EXPECT_FALSE(Pub()->IsHiddenColumn(TMQTT::Pub_Template));
    EXPECT_FALSE(Sub()->IsHiddenColumn(TMQTT::Sub_Template));
}

TEST_F(MQTTTopicsTest, SetLangGivesEveryCaptionHeaderPageAndHintAText) {
    Expect_All_Texts_Set();
    Expect_Editable_Through_Column_Editors();
    EXPECT_EQ(Window->Caption(), "Set MQTT Topics");
    EXPECT_EQ(Window->Table_Page(TMQTT::Table_Pub)->Text(), "MQTT Publish");
    EXPECT_EQ(Window->Table_Page(TMQTT::Table_Sub)->Text(), "MQTT Subscribe");
    EXPECT_EQ(Window->Btn_Cancel->Hint(), "Exit without save the MQTT Set Topics List");
    EXPECT_EQ(Pub()->Cells(TMQTT::Pub_Time, 0), "Time(ms)");
    EXPECT_EQ(Sub()->Cells(TMQTT::Sub_EthType, 0), "Type");
    // Hints follow the real column under the mouse, past the hidden ones; other cells keep the
    // hint the grid proposes.
    const struct {
        TExStringGrid* Grid;
        int Real;
        const char* Hint;
    } hints[] = {
        {Pub(), TMQTT::Pub_Topic, "Insert the MQTT Topic"},
        {Pub(), TMQTT::Pub_Template, "Insert the Template"},
        {Pub(), TMQTT::Pub_Time, "Insert then Timer in milliseconds between two Publish"},
        {Sub(), TMQTT::Sub_Position, "Insert the Index of Internal Data Array"},
        {Sub(), TMQTT::Sub_Template, "Insert the Template"},
    };
    for (const auto& h : hints) {
        std::string text = "proposed";
        h.Grid->OnGridHint(h.Grid, 0, Display_Col(h.Grid, h.Real), text);
        EXPECT_EQ(text, h.Hint);
        text = "proposed";
        h.Grid->OnGridHint(h.Grid, 1, Display_Col(h.Grid, h.Real), text);
        EXPECT_EQ(text, "proposed");
    }
    std::string text = "proposed";
    Pub()->OnGridHint(Pub(), 0, 0, text);
    EXPECT_EQ(text, "proposed");
    EXPECT_EQ(Window->Description().Tables[0].Columns[TMQTT::Pub_Template].Items,
              std::vector<std::string>{"$VALUE$"});
}

struct TTopicCheckCase {
    int Table;
    const char* Row;
    const char* Error;
};

TEST_F(MQTTTopicsTest, EachCheckReportsTheFirstFailureOfItsPageWithItsRowNumber) {
    const TTopicCheckCase cases[] = {
        {TMQTT::Table_Pub, Good_Pub, ""},
        {TMQTT::Table_Pub, "a|N|0||4|0", "Error row 2!! [MQTT Publish] Data Type must be selected"},
        {TMQTT::Table_Pub, "a|N|0|  |4|0",
         "Error row 2!! [MQTT Publish] Data Type must be selected"},
        {TMQTT::Table_Pub, "a|N|0|int|3|0",
         "Error row 2!! [MQTT Publish] Dimension must be equal to 1 or 2 or 4 or 8"},
        {TMQTT::Table_Pub, "a|N|0|Int|8|0", ""},
        {TMQTT::Table_Pub, "a|N|0|Float|2|0",
         "Error row 2!! [MQTT Publish] Dimension must be equal to 4 or 8"},
        {TMQTT::Table_Pub, "a|N|0|String|100|0", ""},
        {TMQTT::Table_Pub, "a|N|0|String|0|0",
         "Error row 2!! [MQTT Publish] Dimension must be major of 0"},
        {TMQTT::Table_Pub, "a|N|0|Base64||0",
         "Error row 2!! [MQTT Publish] Dimension must be major of 0"},
        {TMQTT::Table_Pub, "a|N|0|Int|1|1499", ""},
        {TMQTT::Table_Pub, "a|N|0|Int|1|1500",
         "Error row 2!! [MQTT Publish] Position must be beetween 0 and 1499"},
        {TMQTT::Table_Pub, "a|N|0|Int|1|",
         "Error row 2!! [MQTT Publish] Position must be beetween 0 and 1499"},
        {TMQTT::Table_Pub, "a|N|0|Int|1|0|||$VALUE",
         "Error row 2!! [MQTT Publish] Template not Correct, Check the Keywords"},
        {TMQTT::Table_Pub, "a|N|0|Int|1|0|||plain text", ""},
        {TMQTT::Table_Pub, "a|N|0|Int|1|0|||{\"v\":$VALUE$,\n\"t\":$TIME$}", ""},
        // Hidden columns are not checked.
        {TMQTT::Table_Pub, "a|N|0|Int|1|0|x|$open", ""},
        {TMQTT::Table_Pub, "a|N|0|Int|1|0||||N||N|", ""},
        {TMQTT::Table_Pub, "a|N|0|Int|1|0||||N||Y|0",
         "Error row 2!! [MQTT Publish] Time(ms) must be between 1 and 1000000000"},
        {TMQTT::Table_Pub, "a|N|0|Int|1|0||||N||y |1", ""},
        // The bound the message names is the bound accepted.
        {TMQTT::Table_Pub, "a|N|0|Int|1|0||||N||Y|1000000000", ""},
        {TMQTT::Table_Pub, "a|N|0|Int|1|0||||N||Y|1000000001",
         "Error row 2!! [MQTT Publish] Time(ms) must be between 1 and 1000000000"},
        {TMQTT::Table_Sub, Good_Sub, ""},
        {TMQTT::Table_Sub, "c|N|0||4|0",
         "Error row 2!! [MQTT Subscribe] Data Type must be selected"},
        {TMQTT::Table_Sub, "c|N|0|Int|5|0",
         "Error row 2!! [MQTT Subscribe] Dimension must be equal to 1 or 2 or 4 or 8"},
        {TMQTT::Table_Sub, "c|N|0|FLOAT|1|0",
         "Error row 2!! [MQTT Subscribe] Dimension must be equal to 4 or 8"},
        {TMQTT::Table_Sub, "c|N|0|String|-1|0",
         "Error row 2!! [MQTT Subscribe] Dimension must be major of 0"},
        {TMQTT::Table_Sub, "c|N|0|Int|1|0x5DC",
         "Error row 2!! [MQTT Subscribe] Position must be beetween 0 and 1499"},
        {TMQTT::Table_Sub, "c|N|0|Int|1|0|||||$VALUE",
         "Error row 2!! [MQTT Subscribe] Template not Correct, Check the Keywords"},
    };
    Show([&] {
        for (const TTopicCheckCase& c : cases) {
            for (int t : {TMQTT::Table_Pub, TMQTT::Table_Sub}) {
                Show_Table(t);
                Set_Row(1, t == TMQTT::Table_Pub ? Good_Pub : Good_Sub);
                Set_Row(2, "");
            }
            Show_Table(c.Table);
            Set_Row(2, c.Row);
            EXPECT_EQ(Validation_Error(), c.Error) << c.Row;
        }
    });
}

TEST_F(MQTTTopicsTest, ThePublishTableIsCheckedFirstAndATableEndsAtItsFirstEmptyTopic) {
    Show([&] {
        Show_Table(TMQTT::Table_Sub);
        Set_Row(1, "c|N|0|Int|3|0");
        Show_Table(TMQTT::Table_Pub);
        Set_Row(1, "a|N|0|Float|2|0");
        Set_Row(2, "   |N|0||0|9999");
        Set_Row(3, "below the end|N|0||0|9999");
        EXPECT_EQ(Validation_Error(),
                  "Error row 1!! [MQTT Publish] Dimension must be equal to 4 or 8");
        Set_Row(1, Good_Pub);
        EXPECT_EQ(Validation_Error(),
                  "Error row 1!! [MQTT Subscribe] Dimension must be equal to 1 or 2 or 4 or 8");
        // OK refuses and writes nothing.
        Window->Btn_OKClick(Window->Btn_OK);
        EXPECT_EQ(Window->ModalResult(), mrNone);
        Window->Btn_Cancel->Click();
    });
    EXPECT_FALSE(FileExists(File()));
}

TEST_F(MQTTTopicsTest, AnEmptyWindowWritesTheRootBothSectionsAndTheComment) {
    EXPECT_EQ(Show([&] { Window->Btn_OKClick(Window->Btn_OK); }), mrOk);
    EXPECT_EQ(Read(), Golden("MQTT_Set_Topic_Empty.xml"));
}

TEST_F(MQTTTopicsTest, HiddenValuesAndMultiLineTemplatesRoundTripAndUnstoredColumnsDoNot) {
    const TModalResult saved = Show([&] {
        Set_Row(1, "plant/temp|Y|1|Float|4|10|10.0.0.1|in $A$|{\n\"t\": $VALUE$\r\n}|Y|Y|Y|500|7|"
                   "Y|Y|temperature");
        Set_Row(2, "plant/pump|N|0|Int|2|14||||N||N|||||pump");
        Set_Row(3, "");
        Set_Row(4, "not saved|N|0|Int|2|0");
        Show_Table(TMQTT::Table_Sub);
        Set_Row(1, "plant/set|Y|2|String|20|100|10.0.0.2|502|TCP|line1\nline2|$VALUE$|Y|Y|set");
        Window->Btn_OKClick(Window->Btn_OK);
    });
    EXPECT_EQ(saved, mrOk);
    EXPECT_EQ(Read(), Golden("MQTT_Set_Topic.xml"));
    // Line breaks are character references in the attribute, so no reader blanks them.
    EXPECT_NE(Read().find("&#10;"), std::string::npos);
    EXPECT_NE(Read().find("&#13;"), std::string::npos);
    Show([&] {
        EXPECT_EQ(Row(1), "plant/temp|Y|1|Float|4|10|10.0.0.1|in $A$|{\n\"t\": $VALUE$\r\n}|Y||Y|"
                          "500||N|N|temperature");
        EXPECT_EQ(Row(2), "plant/pump|N|0|Int|2|14||||N||N|||N|N|pump");
        EXPECT_EQ(Row(3), "||||||||||||||||");
        EXPECT_EQ(Row(4), "||||||||||||||||");
        Show_Table(TMQTT::Table_Sub);
        EXPECT_EQ(Row(1),
                  "plant/set|Y|2|String|20|100|10.0.0.2|502|TCP|line1\nline2|$VALUE$|N|N|set");
        // Unchanged, the file is written again byte for byte.
        Window->Btn_OKClick(Window->Btn_OK);
    });
    EXPECT_EQ(Read(), Golden("MQTT_Set_Topic.xml"));
}

TEST_F(MQTTTopicsTest, MissingAttributesAndSectionsTakeTheirOutcomes) {
    Write("<MQTT_Set_Topic><MQTT_Publish><row Topic=\"a\" Retained=\"Y\" Time=\"5\"/>"
          "<row Topic=\"b\" OnChange=\"Y\" OnTimer=\"Y\" Template=\"$X$\" DataType=\"Int\"/>"
          "</MQTT_Publish><MQTT_Subscribe><row Topic=\"s\" Port=\"1\"/></MQTT_Subscribe>"
          "</MQTT_Set_Topic>");
    Show([&] {
        EXPECT_EQ(Row(1), "a|Y||||||||N||N|5||N|N|");
        EXPECT_EQ(Row(2), "b|N||Int|||||$X$|Y||Y|||N|N|");
        Show_Table(TMQTT::Table_Sub);
        EXPECT_EQ(Row(1), "s|N||||||1||||N|N|");
        EXPECT_EQ(Row(2), "|||||||||||||");
    });
    // A file without its subscribe section loads its publish rows only.
    Write("<MQTT_Set_Topic><MQTT_Publish><row Topic=\"a\"/></MQTT_Publish></MQTT_Set_Topic>");
    Show([&] {
        EXPECT_EQ(Pub()->Cells(TMQTT::Pub_Topic, 1), "a");
        EXPECT_EQ(Sub()->Cells(TMQTT::Sub_Topic, 1), "");
    });
    EXPECT_TRUE(Shown_Messages().empty());
}

TEST_F(MQTTTopicsTest, TopicsAFileRowWithoutANameWouldDropAreReportedAndKeptUntilTheUserAgrees) {
    const std::string valid = " DataType=\"Int\" Dimension=\"1\" Position=\"0\"/>";
    const std::string file = "<MQTT_Set_Topic><MQTT_Publish><row Topic=\"a\"" + valid +
                             "<row Topic=\"\"/></MQTT_Publish><MQTT_Subscribe><row Topic=\"s\"" +
                             valid + "<row Mnemonic=\"no topic\"/><row Topic=\"t\"" + valid +
                             "<row Topic=\"u\"" + valid + "</MQTT_Subscribe></MQTT_Set_Topic>";
    Write(file);
    Seam().QueueAnswer(mrOk);
    Seam().QueueAnswer(mrNo);
    Show([&] {
        EXPECT_EQ(Sub()->Cells(TMQTT::Sub_Topic, 3), "t");
        Window->Btn_OKClick(Window->Btn_OK);
        EXPECT_EQ(Window->ModalResult(), mrNone);
        Window->Btn_Cancel->Click();
    });
    EXPECT_EQ(Read(), file);
    // The publish table's nameless last row loses nothing: only the subscribe table is reported.
    EXPECT_EQ(Shown_Messages(),
              (std::vector<std::string>{
                  "The table file holds a topic without a name in row 2: the topics after it "
                  "are not saved",
                  "The table file was not read completely. Do you want to overwrite it?"}));
}

TEST_F(MQTTTopicsTest, ASectionWithMoreTopicsThanItsTableIsReported) {
    std::string file = "<MQTT_Set_Topic><MQTT_Publish/><MQTT_Subscribe>";
    for (int r = 1; r <= 1025; ++r)
        file += "<row Topic=\"t" + std::to_string(r) + "\"/>";
    file += "</MQTT_Subscribe></MQTT_Set_Topic>";
    Write(file);
    Show([&] {
        EXPECT_EQ(Sub()->Cells(TMQTT::Sub_Topic, 1024), "t1024");
        EXPECT_TRUE(Window->Load_Incomplete);
    });
    EXPECT_EQ(Shown_Messages(),
              std::vector<std::string>{"The table file holds more rows than the table: the rows "
                                       "after row 1024 were not read"});
}

TEST_F(MQTTTopicsTest, RowButtonsActOnTheTableOfThePageShown) {
    Seam().QueueAnswer(mrYes);
    Show([&] {
        Set_Row(1, "pub1");
        Show_Table(TMQTT::Table_Sub);
        Set_Row(1, "sub1");
        Set_Row(2, "sub2");
        Sub()->SetRow(1);
        Window->Btn_InsRowClick(Window->Btn_InsRow);
        EXPECT_EQ(Row(1), "|||||||||||||");
        EXPECT_EQ(Row(2), "sub1|||||||||||||");
        EXPECT_EQ(Pub()->Cells(TMQTT::Pub_Topic, 1), "pub1");
        Sub()->SetRow(3);
        Window->Btn_DelRowClick(Window->Btn_DelRow);
        EXPECT_EQ(Row(3), "|||||||||||||");
        // A row copied on the publish page is not pasted on the subscribe page.
        Show_Table(TMQTT::Table_Pub);
        Pub()->SetRow(1);
        Window->Btn_CopyRowClick(Window->Btn_CopyRow);
        Show_Table(TMQTT::Table_Sub);
        Sub()->SetRow(4);
        Window->Btn_PasteRowClick(Window->Btn_PasteRow);
        EXPECT_EQ(Row(4), "|||||||||||||");
        // Copied on its own page, it is.
        Sub()->SetRow(2);
        Window->Btn_CopyRowClick(Window->Btn_CopyRow);
        Sub()->SetRow(4);
        Window->Btn_PasteRowClick(Window->Btn_PasteRow);
        EXPECT_EQ(Row(4), "sub1|||||||||||||");
    });
    EXPECT_EQ(Shown_Messages(), (std::vector<std::string>{
                                    "Are you sure to delete the Row number 3",
                                    "Error!!! Copy a valid row before Paste it",
                                }));
}

TEST_F(MQTTTopicsTest, InsertOnAFullTableAsksBeforeTheLastTopicFallsOff) {
    Seam().QueueAnswer(mrNo);
    Seam().QueueAnswer(mrYes);
    Show([&] {
        Show_Table(TMQTT::Table_Sub);
        Set_Row(1024, "last");
        Sub()->SetRow(1);
        Window->Btn_InsRowClick(Window->Btn_InsRow);
        EXPECT_EQ(Sub()->Cells(TMQTT::Sub_Topic, 1024), "last");
        Window->Btn_InsRowClick(Window->Btn_InsRow);
        EXPECT_EQ(Sub()->Cells(TMQTT::Sub_Topic, 1024), "");
    });
    ASSERT_EQ(Shown_Messages().size(), 2u);
    EXPECT_EQ(Shown_Messages()[0],
              "The values of the last Row number 1024 will be lost. Do you want to insert a Row?");
}

// The template editor opened by a double-click on a Template cell of either table.
class MQTTTemplateCellTest : public MQTTTopicsTest {
protected:
    void SetUp() override {
        MQTTTopicsTest::SetUp();
        Editor = std::make_unique<TFTopicTemplate>(nullptr);
        Editor->DoCreate();
        FTopicTemplate = Editor.get();
    }
    void TearDown() override {
        FTopicTemplate = nullptr;
        Editor.reset();
        MQTTTopicsTest::TearDown();
    }

    // Shows the window; in it, double-clicks the cell and plays the editor with `in_editor`,
    // which returns the editor's modal result.
    void Double_Click(int table, int real_col, int row,
                      const std::function<TModalResult(TFTopicTemplate*)>& in_editor,
                      const std::function<void()>& before, const std::function<void()>& after) {
        Seam().OnModalShow = [&](TForm* form) {
            if (form == Editor.get()) {
                Editor_Shown = true;
                form->SetModalResult(in_editor(Editor.get()));
                return;
            }
            before();
            Show_Table(table);
            TExStringGrid* grid = Window->Table_Grid(table);
            const int col = Display_Col(grid, real_col);
            grid->FocusCell(col, row);
            grid->OnDblClickCell(grid, row, col);
            after();
        };
        Window->ShowModal();
        Seam().OnModalShow = nullptr;
    }

    std::unique_ptr<TFTopicTemplate> Editor;
    bool Editor_Shown = false;
};

TEST_F(MQTTTemplateCellTest, OKWritesTheEditedLinesIntoTheCellAndCancelLeavesIt) {
    std::string caption;
    Double_Click(
        TMQTT::Table_Pub, TMQTT::Pub_Template, 3,
        [&](TFTopicTemplate* editor) {
            caption = editor->Caption();
            EXPECT_EQ(editor->RE_TopicTemplate->Text(), "$VALUE$");
            editor->RE_TopicTemplate->SetText("{\n\"v\": $VALUE$\n}");
            return mrOk;
        },
        [&] { Pub()->SetCells(TMQTT::Pub_Template, 3, "$VALUE$"); },
        [&] { EXPECT_EQ(Pub()->Cells(TMQTT::Pub_Template, 3), "{\n\"v\": $VALUE$\n}"); });
    EXPECT_TRUE(Editor_Shown);
    EXPECT_EQ(caption, "Set Template");
    EXPECT_EQ(Editor->L_SW_Desc->Caption(), "Set Template");

    Double_Click(
        TMQTT::Table_Sub, TMQTT::Sub_Template, 2,
        [&](TFTopicTemplate* editor) {
            editor->RE_TopicTemplate->SetText("changed");
            return mrCancel;
        },
        [&] { Sub()->SetCells(TMQTT::Sub_Template, 2, "$VALUE$"); },
        [&] { EXPECT_EQ(Sub()->Cells(TMQTT::Sub_Template, 2), "$VALUE$"); });
}

TEST_F(MQTTTemplateCellTest, OtherCellsAndTheHeaderDoNotOpenTheEditor) {
    const auto never = [](TFTopicTemplate*) { return mrOk; };
    Double_Click(
        TMQTT::Table_Pub, TMQTT::Pub_Mnemonic, 1, never, [] {}, [] {});
    Double_Click(
        TMQTT::Table_Sub, TMQTT::Sub_Topic, 1, never, [] {}, [] {});
    Double_Click(
        TMQTT::Table_Pub, TMQTT::Pub_Template, 1, never, [] {},
        [&] {
            TExStringGrid* grid = Pub();
            grid->OnDblClickCell(grid, 0, Display_Col(grid, TMQTT::Pub_Template));
        });
    // The last one opened it once, from its data cell, not from the header.
    EXPECT_EQ(Seam().ModalForms().size(), 4u);
}

TEST(MQTTTopicTemplateText, AnOddNumberOfDollarsLeavesAKeywordOpen) {
    const struct {
        const char* Text;
        bool Error;
    } cases[] = {{"", false},      {"$VALUE$", false}, {"$VALUE", true},
                 {"plain", false}, {"$A$ $B", true},   {"$A$\n$B$", false}};
    for (const auto& c : cases)
        EXPECT_EQ(TMQTT::Error_In_Topic_Template(c.Text), c.Error) << c.Text;
}

} // namespace
