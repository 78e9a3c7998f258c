// Editing a formatted rich-text cell keeps the format of the text the user did not touch, and
// the in-place editor shows that format while the cell is edited.
#include "ExGridEditingTestGrid.h"

#include "grid/stringgrid/ExRichEdit.h"
#include "platform/core/RtfText.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using EditingTest::TEditingForm;

struct KeptFormatCase {
    const char* Name;
    TRtfCharFormat Format;
};

class RichEditKeepsFormatting : public ::testing::TestWithParam<KeptFormatCase> {};

TEST_P(RichEditKeepsFormatting, TypingAtTheEndKeepsTheFormatOfTheRest) {
    const KeptFormatCase& c = GetParam();
    TEditingForm f{edRichEdit};
    f.Grid->OfferFake = false;
    f.Grid->SetCells(1, 1, WriteRtf({{"Alarm", c.Format}}));
    InputSimulation::KeyPress(f.Grid, VK_F2);
    TExRichEdit* editor = f.Grid->InplaceRichEdit();
    ASSERT_TRUE(editor->Visible());
    InputSimulation::KeyPress(editor, VK_END, 0, TShiftState{ssCtrl});
    InputSimulation::TypeChar(editor, '!');
    f.ClickCell(3, 3);
    ASSERT_FALSE(editor->Visible());
    const TRtfRuns runs = ReadRtf(f.Grid->Cells(1, 1));
    EXPECT_EQ(RtfPlainText(runs), "Alarm!");
    ASSERT_FALSE(runs.empty());
    EXPECT_EQ(runs.front().Text.substr(0, 5), "Alarm");
    TRtfCharFormat stored = runs.front().Format;
    stored.FontName.clear(); // the editor may name the font it showed the text in
    TRtfCharFormat expected = c.Format;
    if (expected.SizeHalfPoints == 0)
        stored.SizeHalfPoints = 0;
    EXPECT_EQ(stored.Bold, expected.Bold);
    EXPECT_EQ(stored.Italic, expected.Italic);
    EXPECT_EQ(stored.Color, expected.Color);
    EXPECT_EQ(stored.SizeHalfPoints, expected.SizeHalfPoints);
    EXPECT_EQ(stored.OffsetHalfPoints, expected.OffsetHalfPoints);
}

KeptFormatCase Kept(const char* Name, bool Bold, bool Italic, std::optional<uint32_t> Color,
                    int Size, int Offset) {
    TRtfCharFormat format;
    format.Bold = Bold;
    format.Italic = Italic;
    format.Color = Color;
    format.SizeHalfPoints = Size;
    format.OffsetHalfPoints = Offset;
    return {Name, format};
}

INSTANTIATE_TEST_SUITE_P(ExGridEditing, RichEditKeepsFormatting,
                         ::testing::Values(Kept("Bold", true, false, std::nullopt, 0, 0),
                                           Kept("ItalicRed", false, true, 0x0000FF, 0, 0),
                                           Kept("Large", false, false, std::nullopt, 36, 0),
                                           Kept("Raised", false, false, std::nullopt, 0, 4)),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
