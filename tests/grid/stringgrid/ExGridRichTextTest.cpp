// Rich-text cells: RTF between cells and rich editors, 7-bit both ways, other text kept whole.
#include "EditorControlTestGrid.h"

#include "grid/stringgrid/ExRichEdit.h"
#include "grid/stringgrid/RtfCellText.h"
#include "grid/stringgrid/SizeWhileTyping.h"
#include "platform/core/RtfText.h"

#include <gtest/gtest.h>

#include <algorithm>

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
