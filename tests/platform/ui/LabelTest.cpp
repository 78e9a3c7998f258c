#include "RecordingControl.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Label.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class LabelTest : public ::testing::Test {
protected:
    LabelTest() : Form(std::make_unique<TestForm>(nullptr)), Label(new TLabel(Form.get())) {
        Label->SetParent(Form.get());
        Label->SetLeft(10);
        Label->SetTop(10);
    }

    std::unique_ptr<TestForm> Form;
    TLabel* Label;
};

TEST_F(LabelTest, AutoSizeFollowsTheText) {
    Label->SetCaption("Step 1");
    const int shortWidth = Label->Width();
    Label->SetCaption("Step 1 and a much longer text");
    EXPECT_GT(Label->Width(), shortWidth);
    EXPECT_GT(Label->Height(), 0);

    const int lineHeight = Label->Height();
    Label->SetCaption("");
    EXPECT_EQ(Label->Height(), lineHeight) << "an empty label keeps one line";
}

TEST_F(LabelTest, RightAlignedAutoSizeKeepsTheRightEdge) {
    Label->SetCaption("Address");
    Label->SetAlignment(taRightJustify);
    const int right = Label->Left() + Label->Width();
    Label->SetCaption("Address of the HART master");
    EXPECT_EQ(Label->Left() + Label->Width(), right);
}

TEST_F(LabelTest, WordWrapStaysWithinTheWidthAndGrowsDown) {
    Label->SetCaption("one");
    const int oneLine = Label->Height();
    Label->SetAutoSize(false);
    Label->SetWidth(60);
    Label->SetWordWrap(true);
    Label->SetAutoSize(true);
    Label->SetCaption("one two three four five six seven");
    EXPECT_LE(Label->Width(), 60);
    EXPECT_GT(Label->Height(), 2 * oneLine);
}

TEST_F(LabelTest, FontChangeResizes) {
    Label->SetCaption("Verdana");
    const int width = Label->Width();
    Label->Font()->SetHeight(-32);
    EXPECT_GT(Label->Width(), width);
}

TEST_F(LabelTest, TransparentLabelStillTakesClicks) {
    int clicks = 0;
    Label->SetCaption("www.example.test");
    Label->SetTransparent(true);
    Label->OnClick = [&](TObject*) { ++clicks; };

    InputSimulation::Click(Label, Point(2, 2));

    EXPECT_EQ(clicks, 1);
}

TEST_F(LabelTest, TransparentLabelShowsItsParent) {
    struct Case {
        bool Transparent;
        TColor Expected;
    };
    Form->SetColor(clRed);
    Label->SetCaption("  ");
    Label->SetColor(clBlue);
    for (const Case& c : {Case{false, clBlue}, Case{true, clRed}}) {
        Label->SetTransparent(c.Transparent);
        TBitmap bitmap(Form->Width(), Form->Height());
        Form->PaintTo(bitmap.Canvas(), 0, 0);
        EXPECT_EQ(bitmap.Pixel(11, 11), c.Expected) << "Transparent " << c.Transparent;
    }
}

} // namespace
