#include "grid/foundation/EsgEditBtn.h"

#include "grid/foundation/EsgEditButton.h"
#include "grid/foundation/ExSpeedButton.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

class EsgEditBtnTest : public ::testing::Test {
protected:
    EsgEditBtnTest() : Form(std::make_unique<TForm>(nullptr)), Edit(new TEsgEditBtn(Form.get())) {
        Form->SetClientWidth(300);
        Form->SetClientHeight(100);
        Other = new TEdit(Form.get());
        Other->SetParent(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 40, 150, 21);
        Edit->OnClickBtn = [this](TObject* sender) { Clicks.push_back(sender); };
        Form->Show();
        Edit->SetFocus();
    }

    TExSpeedButton* SpeedButton() const { return Edit->Button()->Button(); }

    std::unique_ptr<TForm> Form;
    TEsgEditBtn* Edit;
    TEdit* Other;
    std::vector<TObject*> Clicks;
};

TEST_F(EsgEditBtnTest, StartsWithItsDocumentedValues) {
    EXPECT_EQ(Edit->Text(), "0");
    EXPECT_TRUE(Edit->EditorEnabled());
    EXPECT_FALSE(Edit->RightAlign());
    EXPECT_FALSE(Edit->IsWinXP());
    EXPECT_EQ(Edit->ButtonCaption(), "");
    EXPECT_EQ(Edit->ButtonWidth(), 0) << "nothing written yet";
    EXPECT_EQ(Edit->Button()->Width(), 18);
    EXPECT_EQ(Edit->Button()->FocusControl(), Edit);
    EXPECT_FALSE(Edit->Button()->TabStop());
    EXPECT_EQ(Edit->Button()->ButtonColor(), clNone);
    EXPECT_EQ(SpeedButton()->BoundsRect(),
              Rect(0, 0, Edit->Button()->Width(), Edit->Button()->Height()));
}

struct F4Case {
    const char* Name;
    TShiftState Shift;
    bool Clicks;
};

class EsgEditBtnF4 : public EsgEditBtnTest, public ::testing::WithParamInterface<F4Case> {};

TEST_P(EsgEditBtnF4, ClicksTheButtonWithoutCtrlOrAlt) {
    InputSimulation::KeyPress(Edit, VK_F4, 0, GetParam().Shift);
    if (GetParam().Clicks)
        EXPECT_EQ(Clicks, std::vector<TObject*>{Edit}) << "the edit is the sender";
    else
        EXPECT_TRUE(Clicks.empty());
}

INSTANTIATE_TEST_SUITE_P(Keys, EsgEditBtnF4,
                         ::testing::Values(F4Case{"Plain", {}, true},
                                           F4Case{"Shift", {ssShift}, true},
                                           F4Case{"Ctrl", {ssCtrl}, false},
                                           F4Case{"Alt", {ssAlt}, false},
                                           F4Case{"CtrlShift", {ssCtrl, ssShift}, false}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(EsgEditBtnTest, ButtonReleaseClicksWithTheButtonPartAsSenderAndFocusesTheEdit) {
    Other->SetFocus();
    InputSimulation::Click(SpeedButton(), {5, 5});

    EXPECT_EQ(Clicks, std::vector<TObject*>{Edit->Button()});
    EXPECT_TRUE(Edit->Focused());
}

TEST_F(EsgEditBtnTest, ReleaseAfterLeavingTheButtonStillClicks) {
    InputSimulation::MouseDown(SpeedButton(), mbLeft, {5, 5});
    InputSimulation::MouseMove(SpeedButton(), {-40, 5}, {ssLeft});
    InputSimulation::MouseUp(SpeedButton(), mbLeft, {-40, 5});

    EXPECT_EQ(Clicks.size(), 1u);
}

TEST_F(EsgEditBtnTest, OnlyALeftReleaseEndingAPressClicks) {
    InputSimulation::Click(SpeedButton(), {5, 5}, mbRight);
    InputSimulation::Click(SpeedButton(), {5, 5}, mbMiddle);
    InputSimulation::MouseUp(SpeedButton(), mbLeft, {5, 5});
    EXPECT_TRUE(Clicks.empty());

    Edit->Button()->SetEnabled(false);
    InputSimulation::Click(SpeedButton(), {5, 5});
    EXPECT_TRUE(Clicks.empty()) << "a disabled button part does not click";
}

// What a user does to the text, and what it gives with the editor on and off.
struct EditingCase {
    const char* Name;
    std::function<void(TEsgEditBtn*)> Act;
    std::string EnabledText;
};

class EsgEditBtnEditing : public EsgEditBtnTest, public ::testing::WithParamInterface<EditingCase> {
protected:
    void SetUp() override {
        Clipboard()->SetAsText("77");
        Edit->SetText("123");
        Edit->SetSelStart(1);
        Edit->SetSelLength(1);
    }
};

TEST_P(EsgEditBtnEditing, ChangesTheTextOnlyWithTheEditorEnabled) {
    GetParam().Act(Edit);
    EXPECT_EQ(Edit->Text(), GetParam().EnabledText);
}

TEST_P(EsgEditBtnEditing, LeavesTheTextAloneWithTheEditorOff) {
    Edit->SetEditorEnabled(false);
    GetParam().Act(Edit);
    EXPECT_EQ(Edit->Text(), "123");

    InputSimulation::KeyPress(Edit, VK_F4);
    EXPECT_EQ(Clicks.size(), 1u) << "F4 still clicks";
}

INSTANTIATE_TEST_SUITE_P(
    Actions, EsgEditBtnEditing,
    ::testing::Values(
        EditingCase{"TypedCharacter", [](TEsgEditBtn* e) { InputSimulation::TypeChar(e, u'9'); },
                    "193"},
        EditingCase{"Backspace",
                    [](TEsgEditBtn* e) { InputSimulation::KeyPress(e, VK_BACK, u'\b'); }, "13"},
        EditingCase{"DeleteKey", [](TEsgEditBtn* e) { InputSimulation::KeyPress(e, VK_DELETE); },
                    "13"},
        EditingCase{"PasteMessage", [](TEsgEditBtn* e) { e->Perform(WM_PASTE); }, "1773"},
        EditingCase{"CutMessage", [](TEsgEditBtn* e) { e->Perform(WM_CUT); }, "13"},
        EditingCase{"CtrlVPastes",
                    [](TEsgEditBtn* e) { InputSimulation::KeyPress(e, 'V', 0x16, {ssCtrl}); },
                    "1773"},
        EditingCase{"CtrlXCuts",
                    [](TEsgEditBtn* e) { InputSimulation::KeyPress(e, 'X', 0x18, {ssCtrl}); },
                    "13"},
        EditingCase{"ShiftDeleteCuts",
                    [](TEsgEditBtn* e) { InputSimulation::KeyPress(e, VK_DELETE, 0, {ssShift}); },
                    "13"},
        EditingCase{"ShiftInsertPastes",
                    [](TEsgEditBtn* e) { InputSimulation::KeyPress(e, VK_INSERT, 0, {ssShift}); },
                    "1773"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(EsgEditBtnTest, ReadOnlyRefusesPasteAndCut) {
    Clipboard()->SetAsText("77");
    Edit->SetText("123");
    Edit->SetReadOnly(true);
    Edit->SelectAll();
    Edit->Perform(WM_PASTE);
    Edit->Perform(WM_CUT);
    EXPECT_EQ(Edit->Text(), "123");
}

TEST_F(EsgEditBtnTest, ButtonButtonCaptionAndXPLookPassThroughToTheSpeedButton) {
    Edit->SetButtonCaption("...");
    Edit->SetIsWinXP(true);
    EXPECT_EQ(SpeedButton()->Caption(), "...");
    EXPECT_TRUE(SpeedButton()->IsWinXP());
    EXPECT_TRUE(Edit->IsWinXP());
}

TEST_F(EsgEditBtnTest, DescendantsOverrideTheClickThroughTheVirtualSlot) {
    struct Counting : TEsgEditBtn {
        using TEsgEditBtn::TEsgEditBtn;
        int Own = 0;
        void DoClickBtn(TObject*) override { ++Own; }
    };
    auto* edit = new Counting(Form.get());
    edit->SetParent(Form.get());
    InputSimulation::Click(edit->Button()->Button(), {3, 3});
    EXPECT_EQ(edit->Own, 1);
}

TEST_F(EsgEditBtnTest, ButtonSitsInsideTheRightEdgeAndTheTextStopsBeforeIt) {
    Edit->SetBorderStyle(bsNone);
    Edit->SetBounds(10, 40, 150, 24);
    EXPECT_EQ(Edit->Button()->BoundsRect(), Rect(150 - 18 - 1, 0, 150 - 1, 24 - 1));
    EXPECT_EQ(Edit->EditRect(), Rect(3, 3, 150 - 18 - 5, 24 + 1));

    Edit->SetButtonWidth(24);
    EXPECT_EQ(Edit->ButtonWidth(), 24);
    EXPECT_EQ(Edit->Button()->BoundsRect(), Rect(150 - 24 - 1, 0, 150 - 1, 24 - 1));
    EXPECT_EQ(Edit->EditRect().Right, 150 - 24 - 5);
    EXPECT_EQ(SpeedButton()->Width(), 24) << "the speed button fills its part";

    Edit->SetBorderStyle(bsSingle);
    EXPECT_EQ(Edit->Button()->BoundsRect(), Rect(150 - 24 - 3, 2, 150 - 3, 2 + 24 - 5))
        << "inside the frame";
    EXPECT_EQ(Edit->EditRect().Left, 1);
}

TEST_F(EsgEditBtnTest, HeightNeverGoesBelowTheFontsMinimum) {
    Edit->SetHeight(4);
    const int minimum = Edit->Height();
    EXPECT_GT(minimum, 4);
    Edit->SetHeight(minimum + 6);
    EXPECT_EQ(Edit->Height(), minimum + 6);
}

TEST_F(EsgEditBtnTest, FocusFromTheKeyboardSelectsTheWholeText) {
    Edit->SetText("4711");
    Other->SetFocus();
    Edit->SetFocus();
    EXPECT_EQ(Edit->SelLength(), 4);
}

struct ButtonColourCase {
    const char* Name;
    bool Hot;
    bool Down;
    TColor Expected;
};

class EsgEditBtnButtonColour : public EsgEditBtnTest,
                               public ::testing::WithParamInterface<ButtonColourCase> {};

TEST_P(EsgEditBtnButtonColour, SpeedButtonTakesItsPartsColours) {
    TEsgEditButton* part = Edit->Button();
    part->SetButtonColor(clAqua);
    part->SetButtonColorHot(clLime);
    part->SetButtonColorDown(clRed);
    if (GetParam().Hot)
        InputSimulation::MouseEnter(SpeedButton());
    if (GetParam().Down)
        InputSimulation::MouseDown(SpeedButton(), mbLeft, {3, 3});

    TBitmap shot(SpeedButton()->Width(), SpeedButton()->Height());
    SpeedButton()->PaintTo(shot.Canvas(), 0, 0);
    EXPECT_EQ(shot.Pixel(1, 1), GetParam().Expected);
    EXPECT_TRUE(SpeedButton()->Flat()) << "custom colours make the button flat";
    InputSimulation::MouseUp(SpeedButton(), mbLeft, {3, 3});
}

INSTANTIATE_TEST_SUITE_P(States, EsgEditBtnButtonColour,
                         ::testing::Values(ButtonColourCase{"Normal", false, false, clAqua},
                                           ButtonColourCase{"Hot", true, false, clLime},
                                           ButtonColourCase{"Down", true, true, clRed}),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
