#include "RecordingControl.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/RichEdit.h"

#include "tests/platform/core/RtfRunDescription.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// The editor's own font (Tahoma, 8 points) is left out.
std::vector<std::string> Describe(const TRtfRuns& runs) {
    TRtfCharFormat editorFont;
    editorFont.FontName = "Tahoma";
    editorFont.SizeHalfPoints = 16;
    return DescribeRtfRuns(runs, editorFont);
}

class RichEditTest : public ::testing::Test {
protected:
    RichEditTest() : Form(std::make_unique<TestForm>(nullptr)), Edit(new TRichEdit(Form.get())) {
        Edit->SetParent(Form.get());
        Edit->OnChange = [this](TObject* sender) {
            EXPECT_EQ(sender, Edit);
            Changes.push_back(Edit->Text());
        };
        Edit->OnResizeRequest = [this](TObject*, TRect rect) { Requests.push_back(rect); };
    }

    void Select(int start, int length) {
        Edit->SetSelStart(start);
        Edit->SetSelLength(length);
    }

    std::unique_ptr<TestForm> Form;
    TRichEdit* Edit;
    // Text as OnChange saw it, once per event.
    std::vector<std::string> Changes;
    std::vector<TRect> Requests;
};

TEST_F(RichEditTest, TextIsThePlainTextAndEachSetIsOneChange) {
    Edit->SetText("first\nsecond\tline");
    EXPECT_EQ(Edit->Text(), "first\nsecond\tline");
    EXPECT_EQ(Changes, std::vector<std::string>{"first\nsecond\tline"});
    Edit->SetText("first\nsecond\tline");
    EXPECT_EQ(Changes.size(), 1u) << "the same text again changes nothing";
    Edit->Clear();
    EXPECT_EQ(Changes, (std::vector<std::string>{"first\nsecond\tline", ""}));
    EXPECT_EQ(Requests.size(), Changes.size()) << "each change asks for its size";
}

TEST_F(RichEditTest, TypingChangesOncePerCharacterAndMarksModified) {
    Edit->SetText("ab");
    EXPECT_FALSE(Edit->Modified());
    Changes.clear();
    Edit->SelectAll();
    for (char16_t ch : std::u16string(u"x\ry"))
        InputSimulation::TypeChar(Edit, ch);
    EXPECT_EQ(Edit->Text(), "x\ny");
    EXPECT_EQ(Changes, (std::vector<std::string>{"x", "x\n", "x\ny"}));
    EXPECT_TRUE(Edit->Modified());
    Edit->SetText("z");
    EXPECT_FALSE(Edit->Modified()) << "the program's text is not the user's modification";
}

TEST_F(RichEditTest, ReadOnlyKeepsTypingOutButNotTheProgram) {
    Edit->SetReadOnly(true);
    InputSimulation::TypeChar(Edit, 'a');
    EXPECT_EQ(Edit->Text(), "");
    Edit->SetText("set");
    EXPECT_EQ(Edit->Text(), "set");
}

TEST_F(RichEditTest, WantsReturnsAndTabsAsSet) {
    EXPECT_NE(Edit->Perform(WM_GETDLGCODE) & DLGC_WANTALLKEYS, 0);
    EXPECT_EQ(Edit->Perform(WM_GETDLGCODE) & DLGC_WANTTAB, 0);
    Edit->SetWantReturns(false);
    Edit->SetWantTabs(true);
    EXPECT_EQ(Edit->Perform(WM_GETDLGCODE) & DLGC_WANTALLKEYS, 0);
    EXPECT_NE(Edit->Perform(WM_GETDLGCODE) & DLGC_WANTTAB, 0);
}

struct LoadCase {
    const char* Name;
    std::string Bytes;
    std::string Text;
    std::vector<std::string> Runs;
};

class RichEditLoadTest : public RichEditTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(RichEditLoadTest, ShowsTheFormattedContentAsOneChange) {
    Edit->LoadFromRtf(GetParam().Bytes);
    EXPECT_EQ(Edit->Text(), GetParam().Text);
    EXPECT_EQ(Describe(Edit->Runs()), GetParam().Runs);
    EXPECT_EQ(Changes, std::vector<std::string>{GetParam().Text});
    EXPECT_EQ(Requests.size(), 1u);

    // What is saved loads back to the same content.
    const std::string saved = Edit->SaveToRtf();
    const TRtfRuns before = Edit->Runs();
    Edit->LoadFromRtf(saved);
    EXPECT_EQ(Edit->Runs(), before) << saved;
    EXPECT_EQ(ReadRtf(saved), before) << "the saved bytes hold the runs themselves";
}

INSTANTIATE_TEST_SUITE_P(
    Documents, RichEditLoadTest,
    ::testing::Values(
        LoadCase{"Formatted",
                 "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}{\\colortbl ;\\red255\\green0"
                 "\\blue0;}\\f0\\fs24 plain \\b bold\\b0  \\cf1 red\\cf0\\par\\f1\\i\\ul\\strike "
                 "x\\up4 y}",
                 "plain bold red\nxy",
                 // The paragraph end takes the format of the text before it.
                 {"f=Arial fs=24:plain ", "b f=Arial fs=24:bold",
                  "f=Arial fs=24: ", "f=Arial fs=24 c=0000FF:red\n", "i u s f=Courier New fs=24:x",
                  "i u s f=Courier New fs=24 up=4:y"}},
        LoadCase{"UnsetFontAndSizeAreTheEditors", "{\\rtf1 a\\b b}", "ab", {":a", "b:b"}},
        LoadCase{"BeyondAscii",
                 "{\\rtf1 caf\\'e9 \\u8364? \\u-10179?\\u-8704?}",
                 "café € \xF0\x9F\x98\x80",
                 {":café € \xF0\x9F\x98\x80"}},
        LoadCase{"EmptyParagraphs", "{\\rtf1 a\\par\\par b\\par}", "a\n\nb\n", {":a\n\nb\n"}},
        LoadCase{"MalformedRtf", "{\\rtf1 {{{\\b x\\'4", "x", {"b:x"}},
        LoadCase{"BytesThatAreNotRtf",
                 "plain caf\xe9\r\ntext",
                 "plain café\ntext",
                 {":plain café\ntext"}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(RichEditTest, SavedRtfIsSevenBitAndCarriesTheEditorsFont) {
    Edit->SetText("caf\u00e9");
    const std::string saved = Edit->SaveToRtf();
    for (unsigned char c : saved)
        ASSERT_LT(c, 0x80);
    EXPECT_NE(saved.find("Tahoma;"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\\fs16"), std::string::npos) << saved;
}

TEST_F(RichEditTest, SelectionPositionsCountUtf16UnitsAndParagraphEnds) {
    Edit->SetText("a\u00e9\xF0\x9F\x98\x80"
                  "b\ncd");
    Select(2, 2);
    EXPECT_EQ(Edit->SelText(), "\xF0\x9F\x98\x80");
    Select(4, 3);
    EXPECT_EQ(Edit->SelText(), "b\nc");
    EXPECT_EQ(Edit->SelStart(), 4);
    EXPECT_EQ(Edit->SelLength(), 3);
    Select(6, 100);
    EXPECT_EQ(Edit->SelText(), "cd") << "a selection ends with the text";
}

TEST_F(RichEditTest, SelTextReplacesTheSelectionAsOneChange) {
    Edit->SetText("hello world");
    Changes.clear();
    Select(6, 5);
    Edit->SetSelText("there\nnow");
    EXPECT_EQ(Edit->Text(), "hello there\nnow");
    EXPECT_EQ(Changes.size(), 1u);
}

TEST_F(RichEditTest, SelAttributesChangeOnlyTheSelection) {
    Edit->SetText("one two three");
    Changes.clear();
    Select(4, 3);
    Edit->SelAttributes()->SetStyle(TFontStyles() << fsBold << fsUnderline);
    Edit->SelAttributes()->SetName("Courier New");
    Edit->SelAttributes()->SetSize(12);
    Edit->SelAttributes()->SetColor(clRed);
    EXPECT_EQ(
        Describe(Edit->Runs()),
        (std::vector<std::string>{":one ", "b u f=Courier New fs=24 c=0000FF:two", ": three"}));
    EXPECT_EQ(Changes.size(), 4u) << "one change per attribute written";

    EXPECT_EQ(Edit->SelAttributes()->Name(), "Courier New");
    EXPECT_EQ(Edit->SelAttributes()->Size(), 12);
    EXPECT_EQ(Edit->SelAttributes()->Color(), clRed);
    EXPECT_EQ(Edit->SelAttributes()->Style(), TFontStyles() << fsBold << fsUnderline);
    Select(0, 2);
    EXPECT_EQ(Edit->SelAttributes()->Name(), "Tahoma");
    EXPECT_EQ(Edit->SelAttributes()->Size(), 8);
    EXPECT_EQ(Edit->SelAttributes()->Color(), Edit->Font()->Color()) << "no colour of its own";
    EXPECT_TRUE(Edit->SelAttributes()->Style().Empty());
}

TEST_F(RichEditTest, AssigningAFontSetsEveryAttribute) {
    Edit->SetText("xy");
    Select(1, 1);
    TFont font;
    font.SetName("Verdana");
    font.SetSize(10);
    font.SetColor(clBlue);
    font.SetStyle(TFontStyles() << fsItalic);
    Edit->SelAttributes()->Assign(font);
    EXPECT_EQ(Describe(Edit->Runs()),
              (std::vector<std::string>{":x", "i f=Verdana fs=20 c=FF0000:y"}));
}

struct OffsetCase {
    const char* Name;
    int Twips;
};

class RichEditOffsetTest : public RichEditTest, public ::testing::WithParamInterface<OffsetCase> {};

TEST_P(RichEditOffsetTest, SelectionOffsetIsSetReportedAndSaved) {
    Edit->SetText("H2O");
    Select(1, 1);
    Edit->SetSelOffset(GetParam().Twips);
    EXPECT_EQ(Edit->SelOffset(), GetParam().Twips);
    Select(0, 1);
    EXPECT_EQ(Edit->SelOffset(), 0) << "the characters around keep their place";

    Edit->LoadFromRtf(Edit->SaveToRtf());
    Select(1, 1);
    EXPECT_EQ(Edit->SelOffset(), GetParam().Twips) << "a saved offset loads back";
}

INSTANTIATE_TEST_SUITE_P(Offsets, RichEditOffsetTest,
                         ::testing::Values(OffsetCase{"Subscript", -40},
                                           OffsetCase{"Superscript", 40}, OffsetCase{"Normal", 0},
                                           OffsetCase{"Large", 200}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(RichEditTest, OffsetWithoutSelectionAppliesToWhatIsTypedNext) {
    Edit->SetSelOffset(40);
    EXPECT_EQ(Edit->SelOffset(), 40);
    InputSimulation::TypeChar(Edit, 'x');
    EXPECT_EQ(Describe(Edit->Runs()), std::vector<std::string>{"up=4:x"});
}

TEST_F(RichEditTest, ResizeRequestGivesTheContentsSize) {
    Edit->SetWordWrap(false);
    Edit->SetText("a");
    const TRect one = Requests.back();
    Edit->SetText("a\nb\nc");
    const TRect three = Requests.back();
    Edit->SetText("a much longer line of text\nb\nc");
    const TRect wide = Requests.back();
    EXPECT_EQ(one.Left, 0);
    EXPECT_EQ(one.Top, 0);
    EXPECT_GT(three.Height(), 2 * one.Height() - one.Height() / 2) << "three lines are higher";
    EXPECT_EQ(wide.Height(), three.Height());
    EXPECT_GT(wide.Width(), three.Width()) << "without wrapping the longest line sets the width";
}

TEST_F(RichEditTest, SelectionChangeFiresOncePerMove) {
    int moves = 0;
    Edit->OnSelectionChange = [&](TObject*) { ++moves; };
    Edit->SetText("abc");
    Edit->SetSelStart(0);
    moves = 0;
    InputSimulation::KeyPress(Edit, VK_RIGHT);
    EXPECT_EQ(moves, 1);
    InputSimulation::KeyPress(Edit, VK_RIGHT, 0, TShiftState() << ssShift);
    EXPECT_EQ(moves, 2);
    EXPECT_EQ(Edit->SelLength(), 1);
    Edit->SetSelStart(Edit->SelStart());
    EXPECT_EQ(moves, 3) << "the selection collapsed";
    Edit->SetSelStart(Edit->SelStart());
    EXPECT_EQ(moves, 3) << "the same place again is no move";
}

TEST_F(RichEditTest, PaintsIntoItsRectangleOnly) {
    Edit->LoadFromRtf("{\\rtf1\\fs40\\b WWWWWWWWWWWWWWWWWWWW}");
    TBitmap bitmap(200, 60);
    bitmap.Canvas()->Brush()->SetColor(clWhite);
    bitmap.Canvas()->FillRect(Rect(0, 0, 200, 60));
    const TRect area = Rect(20, 10, 120, 40);
    Edit->PaintTo(bitmap.Canvas(), area);
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x)
            if (bitmap.Pixel(x, y) != clWhite)
                ++(PtInRect(area, Point(x, y)) ? inside : outside);
    EXPECT_GT(inside, 50);
    EXPECT_EQ(outside, 0);
}

TEST_F(RichEditTest, ANewFontIsNoChangeOfTheContent) {
    Edit->SetText("text");
    Changes.clear();
    Edit->Font()->SetSize(14);
    Edit->Font()->SetStyle(TFontStyles() << fsBold);
    EXPECT_TRUE(Changes.empty());
    Select(0, 1);
    EXPECT_EQ(Edit->SelAttributes()->Size(), 14) << "text without a size of its own follows it";
    EXPECT_EQ(Edit->SelAttributes()->Style(), TFontStyles() << fsBold);
}

} // namespace
