// The topic template editor: its captions by what it edits, its keyword table, its texts.
#include "protocols/mqtt/UTopicTemplate.h"

#include "app/controls/GlyphButton.h"
#include "app/core/AppState.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Application.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/Splitter.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class TopicTemplateEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        Seam().Reset();
        Editor = std::make_unique<TFTopicTemplate>(nullptr);
        Editor->DoCreate();
    }
    void TearDown() override {
        Editor.reset();
        Seam().Reset();
    }
    static TTestSeam& Seam() { return Application->TestSeam(); }

    std::unique_ptr<TFTopicTemplate> Editor;
};

TEST_F(TopicTemplateEditorTest, TheCaptionsSayWhetherATopicOrATemplateIsEdited) {
    const struct {
        int TopicTemplate;
        const char* Caption;
    } cases[] = {{0, "Set Topic"}, {1, "Set Template"}, {2, "Set Template"}, {0, "Set Topic"}};
    for (const auto& c : cases) {
        Editor->TopicTemplate = c.TopicTemplate;
        Seam().OnModalShow = [&](TForm*) {
            EXPECT_EQ(Editor->Caption(), c.Caption);
            EXPECT_EQ(Editor->L_SW_Desc->Caption(), c.Caption);
        };
        EXPECT_EQ(Editor->ShowModal(), mrCancel);
    }
}

TEST_F(TopicTemplateEditorTest, SetLangFillsEveryTextAndTheKeywordHeaders) {
    EXPECT_EQ(Editor->Caption(), "Set Topic");
    EXPECT_EQ(Editor->L_List_Keywords->Caption(), "List of keywords");
    EXPECT_EQ(Editor->ESG_Keywords->Cells(0, 0), "Keyword");
    EXPECT_EQ(Editor->ESG_Keywords->Cells(1, 0), "Description of Keyword");
    EXPECT_EQ(Editor->Btn_OK->Caption(), "OK");
    EXPECT_EQ(Editor->Btn_Cancel->Caption(), "Cancel");
    EXPECT_EQ(Editor->ClientWidth(), 635);
    EXPECT_EQ(Editor->ClientHeight(), 396);
}

TEST_F(TopicTemplateEditorTest, TheEditFillsWhatTheKeywordsAndButtonsLeaveAbove) {
    EXPECT_EQ(Editor->P_Button->Top() + Editor->P_Button->Height(), Editor->ClientHeight());
    EXPECT_EQ(Editor->P_Legend->Top() + Editor->P_Legend->Height(), Editor->P_Button->Top());
    EXPECT_EQ(Editor->Splitter1->Top() + Editor->Splitter1->Height(), Editor->P_Legend->Top());
    EXPECT_EQ(Editor->Panel1->Top() + Editor->Panel1->Height(), Editor->Splitter1->Top());
    EXPECT_EQ(Editor->P_Legend->Height(), 108);
}

// Dragging the bar between the text and the keywords shares their room; the keywords keep at
// least the splitter's least size.
TEST_F(TopicTemplateEditorTest, TheSplitterSharesTheRoomOfTextAndKeywords) {
    TSplitter* splitter = Editor->Splitter1;
    const int text = Editor->Panel1->Height();
    InputSimulation::MouseDown(splitter, mbLeft, {100, 1});
    InputSimulation::MouseMove(splitter, {100, 1 - 50}, TShiftState{ssLeft});
    EXPECT_EQ(Editor->P_Legend->Height(), 108 + 50);
    EXPECT_EQ(Editor->Panel1->Height(), text - 50);
    EXPECT_EQ(splitter->Top() + splitter->Height(), Editor->P_Legend->Top());
    // Coordinates stay relative to the bar, which moved with the drag.
    InputSimulation::MouseMove(splitter, {100, 1 + 50 + 500}, TShiftState{ssLeft});
    InputSimulation::MouseUp(splitter, mbLeft, {100, 1});
    EXPECT_EQ(Editor->P_Legend->Height(), splitter->MinSize());
    EXPECT_EQ(Editor->Panel1->Top() + Editor->Panel1->Height(), splitter->Top());
}

TEST_F(TopicTemplateEditorTest, TheKeywordTableIsRebuiltEmptyWithOnlyItsKeywordCellEditable) {
    Editor->ESG_Keywords->SetRowCount(5);
    Editor->ESG_Keywords->SetCells(1, 1, "left over");
    Seam().OnModalShow = [&](TForm*) {
        TExStringGrid* keywords = Editor->ESG_Keywords;
        EXPECT_EQ(keywords->RowCount(), 2);
        EXPECT_EQ(keywords->Cells(0, 1), "");
        EXPECT_EQ(keywords->Cells(1, 1), "");
        EXPECT_TRUE(keywords->Options().Contains(goEditing));
        EXPECT_FALSE(keywords->ReadOnly(0, 1));
        EXPECT_TRUE(keywords->ReadOnly(1, 1));
    };
    Editor->ShowModal();
}

TEST_F(TopicTemplateEditorTest, TheTextComesBackWithItsLineBreaksAndTheButtonsCloseByResult) {
    Editor->RE_TopicTemplate->SetText("first\nsecond\n\nfourth");
    Seam().OnModalShow = [&](TForm*) { Editor->Btn_OK->Click(); };
    EXPECT_EQ(Editor->ShowModal(), mrOk);
    EXPECT_EQ(Editor->RE_TopicTemplate->Text(), "first\nsecond\n\nfourth");
    Seam().OnModalShow = [&](TForm*) { Editor->Btn_Cancel->Click(); };
    EXPECT_EQ(Editor->ShowModal(), mrCancel);
}

} // namespace
