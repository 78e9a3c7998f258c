// The track-bar drop-down: value and text both ways, keys, the mouse drag and the popup.
#include "grid/dropdown/ExTrackBarDropDown.h"
#include "grid/dropdown/DropDownForm.h"

#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Keys.h"
#include "platform/ui/TrackBar.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class TrackBarDropDown : public ::testing::Test {
protected:
    TrackBarDropDown()
        : Form(std::make_unique<TForm>(nullptr)), Track(new TExTrackBarDropDown(Form.get())) {
        Form->SetBounds(100, 100, 400, 300);
        Track->SetParent(Form.get());
        Track->SetBounds(10, 40, 200, 21);
        Form->Show();
        Track->SetFocus();
        Track->OnTrackChange = [this](TObject*) { ++TrackChanges; };
    }
    void Key(WORD K) { InputSimulation::KeyPress(Track, K); }

    std::unique_ptr<TForm> Form;
    TExTrackBarDropDown* Track;
    int TrackChanges = 0;
};

} // namespace

TEST_F(TrackBarDropDown, StartsAsDesignedAndShowsItsValue) {
    EXPECT_EQ(Track->Min(), 0);
    EXPECT_EQ(Track->Max(), 10);
    EXPECT_EQ(Track->Position(), 0);
    EXPECT_EQ(Track->PageSize(), 2);
    EXPECT_EQ(Track->Frequency(), 1);
    EXPECT_FALSE(Track->EditorEnabled());
    EXPECT_TRUE(Track->DropDownEnabled());
    EXPECT_EQ(Track->EditType(), etNumeric);
    EXPECT_TRUE(Track->ForceShadow());
    EXPECT_EQ(Track->Text(), "0");
    ASSERT_NE(Track->TrackBar(), nullptr);
}

TEST_F(TrackBarDropDown, PositionReachesTheTextAndTextReachesThePosition) {
    Track->SetPosition(7);
    EXPECT_EQ(Track->Text(), "7");
    EXPECT_EQ(Track->TrackBar()->Position(), 7);
    EXPECT_EQ(TrackChanges, 1);

    const struct {
        const char* Text;
        int Position;
    } texts[] = {
        {"4", 4},  {"abc", 4},             // no number: no change
        {"", 4},   {"6.5", 4}, {"50", 10}, // the track bar clamps
        {"-3", 0}, {"6", 6},
    };
    for (const auto& c : texts) {
        // The edit's text as typed, without the formatting of a written value.
        Track->SetTextDirect(c.Text);
        EXPECT_EQ(Track->Position(), c.Position) << c.Text;
        EXPECT_EQ(Track->TrackBar()->Position(), c.Position) << c.Text;
    }
}

TEST_F(TrackBarDropDown, PositionOutsideTheRangeIsClamped) {
    Track->SetPosition(50);
    EXPECT_EQ(Track->Position(), 10);
    Track->SetMin(20);
    EXPECT_EQ(Track->Min(), 20);
    EXPECT_EQ(Track->Max(), 20) << "the track bar keeps Min <= Max";
    EXPECT_EQ(Track->Position(), 20);
    EXPECT_EQ(Track->Text(), "20");
}

TEST_F(TrackBarDropDown, UpLowersAndDownRaisesByFrequencyWithinTheRange) {
    const struct {
        int Start;
        int Frequency;
        WORD Key;
        int Expected;
    } cases[] = {
        {9, 2, VK_DOWN, 9}, // 11 > Max
        {1, 2, VK_UP, 1},   // -1 < Min
        {8, 2, VK_DOWN, 10}, {2, 2, VK_UP, 0}, {5, 1, VK_UP, 4}, {5, 1, VK_DOWN, 6},
    };
    for (const auto& c : cases) {
        Track->SetPosition(c.Start);
        Track->SetFrequency(c.Frequency);
        Key(c.Key);
        EXPECT_EQ(Track->Position(), c.Expected) << c.Start << " " << c.Key;
        EXPECT_EQ(Track->Text(), std::to_string(c.Expected));
    }
}

TEST_F(TrackBarDropDown, KeysDoNothingWhileTheEditIsTypedInto) {
    Track->SetEditorEnabled(true);
    Track->SetPosition(5);
    Key(VK_DOWN);
    Key(VK_UP);
    EXPECT_EQ(Track->Position(), 5);
}

TEST_F(TrackBarDropDown, DraggingMovesOneStepPerPageOfOneMove) {
    const struct {
        int PageSize;
        std::vector<int> Moves;
        int Expected;
    } cases[] = {
        {2, {7}, 3},
        {2, {1, 1, 1, 1, 1, 1, 1}, 0}, // moves shorter than a page are lost
        {2, {6, -4}, 1},
        {0, {30}, 0}, // no page: no drag, and no division by zero
    };
    for (const auto& c : cases) {
        Track->SetPosition(0);
        Track->SetPageSize(c.PageSize);
        int x = 20;
        InputSimulation::MouseDown(Track, mbLeft, {x, 5});
        for (const int move : c.Moves) {
            x += move;
            InputSimulation::MouseMove(Track, {x, 5}, {ssLeft});
        }
        InputSimulation::MouseUp(Track, mbLeft, {x, 5});
        Track->HideDropDown(false);
        EXPECT_EQ(Track->Position(), c.Expected) << c.PageSize << " " << c.Moves.size();
    }
    InputSimulation::MouseMove(Track, {100, 5});
    EXPECT_EQ(Track->Position(), 0) << "no drag after the release";
}

TEST_F(TrackBarDropDown, TheDragNeedsTheDropDownAndNoTyping) {
    for (const bool editor : {true, false}) {
        Track->SetEditorEnabled(editor);
        Track->SetDropDownEnabled(editor);
        Track->SetPosition(0);
        InputSimulation::MouseDown(Track, mbLeft, {10, 5});
        InputSimulation::MouseMove(Track, {30, 5}, {ssLeft});
        InputSimulation::MouseUp(Track, mbLeft, {30, 5});
        Track->HideDropDown(false);
        EXPECT_EQ(Track->Position(), 0) << editor;
    }
}

TEST_F(TrackBarDropDown, ThePopupCarriesTheSettingsAndEscapeBringsBackTheValue) {
    Track->SetMax(40);
    Track->SetPosition(12);
    Track->SetPageSize(5);
    Track->SetFrequency(4);
    Track->ShowDropDown();
    ASSERT_TRUE(Track->DroppedDown());
    TTrackBar* bar = Track->TrackBar();
    EXPECT_FALSE(Track->DropDownForm()->CancelOnDeActivate());
    EXPECT_EQ(bar->Max(), 40);
    EXPECT_EQ(bar->Position(), 12);
    EXPECT_EQ(bar->PageSize(), 5);
    EXPECT_EQ(bar->Frequency(), 4);
    EXPECT_EQ(bar->Width(), Track->Width());

    bar->SetPosition(30);
    EXPECT_EQ(Track->Position(), 30);
    EXPECT_EQ(Track->Text(), "30");
    EXPECT_EQ(TrackChanges, 2);
    Track->HideDropDown(true);
    EXPECT_EQ(Track->Position(), 12);
    EXPECT_EQ(Track->Text(), "12");

    Track->ShowDropDown();
    bar->SetPosition(25);
    Track->HideDropDown(false);
    EXPECT_EQ(Track->Position(), 25);
}
