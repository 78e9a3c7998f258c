// Rich-text cells: RTF between cells and rich editors, 7-bit both ways, other text kept whole.
#include "EditorControlTestGrid.h"

#include "grid/stringgrid/ExRichEdit.h"
#include "grid/stringgrid/RtfCellText.h"
#include "grid/stringgrid/SizeWhileTyping.h"
#include "platform/core/RtfText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool IsSevenBit(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

TEST(RtfCellToAscii, EscapesEveryCharacterBeyondAscii) {
    struct Case {
        const char* Cell;
        const char* Ascii;
    };
    const Case cases[] = {
        {"{\\rtf1 plain}", "{\\rtf1 plain}"},
        {"Z\xC3\xBCrich", "Z\\u252?rich"},
        {"\xE2\x82\xAC", "\\u8364?"},
        {"\xF0\x9F\x98\x80", "\\u-10179?\\u-8704?"},
        {"caf\xE9!", "caf\\'e9!"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RtfCellToAscii(c.Cell), c.Ascii) << c.Cell;
}

// Each byte 10 pixels wide: where the lines break is plain to see.
std::vector<std::string> WrappedAt(const TRtfRuns& Line, int Width) {
    std::vector<std::string> shown;
    const auto tenPerByte = [](const TRtfCharFormat&, std::string_view text) {
        return static_cast<int>(text.size()) * 10;
    };
    for (const TRtfRuns& line : WrapRtfCellLine(Line, Width, tenPerByte)) {
        std::string text;
        for (const TRtfRun& run : line)
            text += (run.Format.Bold ? "*" : "") + run.Text + (run.Format.Bold ? "*" : "");
        shown.push_back(text);
    }
    return shown;
}

TEST(WrapRtfCellLine, BreaksBetweenWordsAndKeepsTheFormats) {
    TRtfCharFormat bold;
    bold.Bold = true;
    struct Case {
        const char* Name;
        TRtfRuns Line;
        int Width;
        std::vector<std::string> Lines;
    };
    const Case cases[] = {
        {"words that fit stay together", {{"ab cd", {}}}, 50, {"ab cd"}},
        {"the blank at a break is dropped", {{"ab cd ef", {}}}, 50, {"ab cd", "ef"}},
        {"a word keeps its formats across the break",
         {{"ab c", {}}, {"d", bold}, {" ef", {}}},
         30,
         {"ab", "c*d*", "ef"}},
        {"a word too long for a line breaks between characters",
         {{"abcdefg hi", {}}},
         30,
         {"abc", "def", "g", "hi"}},
        {"blanks that open the paragraph indent it", {{"  ab", {}}}, 40, {"  ab"}},
        {"blanks at the end stay when they fit", {{"ab  ", {}}}, 40, {"ab  "}},
        {"characters beyond ASCII stay whole",
         {{"\xC3\xBC\xC3\xBC", {}}},
         20,
         {"\xC3\xBC", "\xC3\xBC"}},
        {"no width leaves the line whole", {{"ab cd", {}}}, 0, {"ab cd"}},
        {"an empty line stays one line", {}, 30, {""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WrappedAt(c.Line, c.Width), c.Lines) << c.Name;
}

class ExGridRichTextTest : public EditorControlFixture, public ::testing::Test {
protected:
    TExRichEdit* Hidden() { return Grid->RichEdit(); }
};

TEST_F(ExGridRichTextTest, EmptyCellClearsTheEditor) {
    Hidden()->SetText("left over");
    Grid->CellToRich(1, 1, Hidden());
    EXPECT_EQ(Hidden()->Text(), "");
}

TEST_F(ExGridRichTextTest, RtfCellRoundTripsThroughTheEditorAs7BitRtf) {
    TRtfRuns runs;
    TRtfCharFormat bold;
    bold.Bold = true;
    AppendRtfRun(runs, "Grüße ", {});
    AppendRtfRun(runs, "€ 5", bold);
    Grid->SetCells(1, 1, WriteRtf(runs));
    Grid->CellToRich(1, 1, Hidden());
    EXPECT_EQ(Hidden()->Text(), "Grüße € 5");
    Grid->RichToCell(2, 2, Hidden());
    const std::string stored = Grid->Cells(2, 2);
    EXPECT_TRUE(IsRtf(stored));
    EXPECT_TRUE(IsSevenBit(stored));
    EXPECT_EQ(RtfPlainText(ReadRtf(stored)), "Grüße € 5");
}

TEST_F(ExGridRichTextTest, CharactersTypedIntoCellRtfAreReadAsShown) {
    Grid->SetCells(1, 1, "{\\rtf1\\ansi Z\xC3\xBCrich \xE2\x82\xAC}");
    Grid->CellToRich(1, 1, Hidden());
    EXPECT_EQ(Hidden()->Text(), "Zürich €");
}

TEST_F(ExGridRichTextTest, TextThatIsNoRtfKeepsAllItsCharacters) {
    Grid->SetCells(1, 1, "Grüße € 日本");
    Grid->CellToRich(1, 1, Hidden());
    EXPECT_EQ(Hidden()->Text(), "Grüße € 日本");
}

TEST_F(ExGridRichTextTest, InPlaceEditorLoadsTheStoredRtfAndAppliesRtf) {
    TRtfRuns runs;
    AppendRtfRun(runs, "x", {});
    Grid->SetCells(1, 1, WriteRtf(runs));
    TCellEditor* editor = Open(edRichEdit, 1, 1, "x");
    EXPECT_EQ(Grid->InplaceRichEdit()->Text(), "x");
    EXPECT_FALSE(Grid->InplaceRichEdit()->Locked());
    EXPECT_EQ(RtfPlainText(ReadRtf(editor->ApplyCellText())), "x");
}

TEST_F(ExGridRichTextTest, SelectionOffsetsAreFortyTwips) {
    TExRichEdit* editor = Grid->InplaceRichEdit();
    editor->SetText("H2O");
    editor->SetSelStart(1);
    editor->SetSelLength(1);
    editor->SelSubscript();
    EXPECT_TRUE(editor->IsSelSubscript());
    EXPECT_FALSE(editor->IsSelNormal());
    editor->SelSuperscript();
    EXPECT_TRUE(editor->IsSelSuperscript());
    EXPECT_EQ(editor->SelOffset(), 40);
    editor->SelNormal();
    EXPECT_TRUE(editor->IsSelNormal());
    EXPECT_FALSE(editor->IsSelSuperscript());
}

TEST_F(ExGridRichTextTest, InPlaceEditorGrowsItsRowOnlyWhenAskedAndNotWhileLoading) {
    struct Case {
        bool SizeWhileTyping;
        bool Grows;
    };
    for (const Case c : {Case{false, false}, Case{true, true}}) {
        Grid->SizeWhileTyping()->Height = c.SizeWhileTyping;
        Grid->SetRowHeights(1, 20);
        Grid->SetCells(1, 1, "one\ntwo\nthree\nfour");
        Open(edRichEdit, 1, 1, "");
        EXPECT_EQ(Grid->RowHeights(1), 20) << "loading never grows the row";
        int sized = -1;
        Grid->OnEndRowSize = [&](TObject*, int ARow) { sized = ARow; };
        Grid->InplaceRichEdit()->SetText("one\ntwo\nthree\nfour\nfive");
        EXPECT_EQ(Grid->RowHeights(1) > 20, c.Grows) << c.SizeWhileTyping;
        EXPECT_EQ(sized, c.Grows ? 1 : -1);
        Grid->OnEndRowSize = nullptr;
    }
}

} // namespace
