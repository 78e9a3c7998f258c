#include "RecordingControl.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Font.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/internal/ControlImpl.h"
#include "platform/ui/internal/ControlWidget.h"
#include <QCoreApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class CheckBoxTest : public ::testing::Test {
protected:
    CheckBoxTest() : Form(std::make_unique<TestForm>(nullptr)), Box(new TCheckBox(Form.get())) {
        Box->SetParent(Form.get());
        Box->SetCaption("Read Back");
        Box->OnClick = [this](TObject* sender) {
            EXPECT_EQ(sender, Box);
            Seen.push_back(Box->State());
        };
    }

    std::unique_ptr<TestForm> Form;
    TCheckBox* Box;
    std::vector<TCheckBoxState> Seen;
};

// Pixels of the caption drawn in exactly the font's colour.
int CaptionPixelsInFontColour(TCheckBox* box) {
    TBitmap shot(box->Width(), box->Height());
    box->PaintTo(shot.Canvas(), 0, 0);
    int count = 0;
    for (int y = 0; y < shot.Height(); ++y)
        for (int x = 20; x < shot.Width(); ++x)
            count += shot.Pixel(x, y) == box->Font()->Color() ? 1 : 0;
    return count;
}

TEST_F(CheckBoxTest, ADisabledBoxGreysItsCaptionWhateverTheFontColour) {
    Box->SetBounds(0, 0, 200, 20);
    Box->Font()->SetColor(clBlack);
    Form->Show();
    EXPECT_GT(CaptionPixelsInFontColour(Box), 0);
    Box->SetEnabled(false);
    EXPECT_EQ(CaptionPixelsInFontColour(Box), 0);
}

TEST_F(CheckBoxTest, ClickTogglesAndFiresOncePerClick) {
    InputSimulation::Click(Box, Point(5, 5));
    InputSimulation::Click(Box, Point(5, 5));
    EXPECT_EQ(Seen, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked}));
}

TEST_F(CheckBoxTest, SpaceTogglesLikeAClick) {
    InputSimulation::KeyPress(Box, VK_SPACE, u' ');
    EXPECT_TRUE(Box->Checked());
    EXPECT_EQ(Seen.size(), 1u);
}

TEST_F(CheckBoxTest, SettingCheckedFiresOnClickOnlyOnAChange) {
    // Handlers that keep dependent controls in step rely on this.
    Box->SetChecked(true);
    Box->SetChecked(true);
    Box->SetChecked(false);
    EXPECT_EQ(Seen, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked}));
}

TEST_F(CheckBoxTest, ClicksCycleThroughGrayedOnlyWhenAllowed) {
    struct Case {
        bool AllowGrayed;
        std::vector<TCheckBoxState> Expected;
    };
    for (const Case& c : {Case{false, {cbChecked, cbUnchecked, cbChecked}},
                          Case{true, {cbGrayed, cbChecked, cbUnchecked}}}) {
        Box->SetState(cbUnchecked);
        Box->SetAllowGrayed(c.AllowGrayed);
        Seen.clear();
        for (int i = 0; i < 3; ++i)
            InputSimulation::Click(Box, Point(5, 5));
        EXPECT_EQ(Seen, c.Expected) << "AllowGrayed " << c.AllowGrayed;
    }
}

TEST_F(CheckBoxTest, GrayedSetByTheProgramLeavesOnTheNextClick) {
    Box->SetState(cbGrayed);
    InputSimulation::Click(Box, Point(5, 5));
    InputSimulation::Click(Box, Point(5, 5));
    EXPECT_EQ(Seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
}

TEST_F(CheckBoxTest, DisabledBoxKeepsItsMark) {
    Box->SetChecked(true);
    Box->SetEnabled(false);
    InputSimulation::Click(Box, Point(5, 5));
    EXPECT_TRUE(Box->Checked());
}

} // namespace

TEST_F(CheckBoxTest, ReachedWithTabItShowsItHasTheKeyboard) {
    // A native box draws its focus mark only once the keyboard has moved the focus.
    auto* before = new RecordingControl(Form.get(), Form.get());
    before->SetTabOrder(0);
    Box->SetBounds(0, 30, 200, 20);
    Form->Show();
    TControlAccess::Widget(Form.get())->activateWindow();
    QCoreApplication::processEvents();
    auto shot = [this] {
        TBitmap bitmap(Box->Width(), Box->Height());
        Box->PaintTo(bitmap.Canvas(), 0, 0);
        std::vector<TColor> pixels;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x)
                pixels.push_back(bitmap.Pixel(x, y));
        return pixels;
    };
    const std::vector<TColor> unfocused = shot();

    InputSimulation::KeyPress(before, VK_TAB, u'\t');
    ASSERT_TRUE(Box->Focused());
    EXPECT_NE(shot(), unfocused);
    Form->Hide();
}
