// The detail drop-down: the selected index and the edit's caption, completion of typed text,
// Enter on a caption, the popup's list by keyboard, mouse and key search, and cancel bringing
// back the selection of the opening.
#include "grid/dropdown/ExDetailDropDown.h"
#include "grid/dropdown/DropDownForm.h"

#include "platform/core/CodePage.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Keys.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class DetailDropDown : public ::testing::Test {
protected:
    DetailDropDown()
        : Form(std::make_unique<TForm>(nullptr)), Detail(new TExDetailDropDown(Form.get())) {
        Form->SetBounds(100, 100, 400, 300);
        Detail->SetParent(Form.get());
        Detail->SetBounds(10, 40, 200, 21);
        Form->Show();
        Detail->SetFocus();
        for (const char* caption : {"Apple", "Apricot", "Banana"}) {
            TDetailItem* item = Detail->Items()->Add();
            item->SetCaption(caption);
            item->SetNotes(std::string("<i>about</i> ") + caption);
        }
        Detail->OnSelect = [this](TObject*) { ++Selects; };
    }
    void Key(WORD K) { InputSimulation::KeyPress(Detail, K); }
    void Type(const std::string& Keys) {
        for (char key : Keys)
            InputSimulation::TypeChar(Detail, static_cast<TChar>(key));
    }
    std::string Selected() const {
        const std::u16string text = Utf8ToUtf16(Detail->Text());
        return Utf16ToUtf8(text.substr(Detail->SelStart(), Detail->SelLength()));
    }
    bool PopupShown() const { return Detail->DropDownForm()->Visible(); }

    std::unique_ptr<TForm> Form;
    TExDetailDropDown* Detail;
    int Selects = 0;
};

} // namespace

TEST_F(DetailDropDown, ItemIndexShowsTheCaptionAndRefusesIndexesOutsideTheItems) {
    Detail->SetItemIndex(2);
    EXPECT_EQ(Detail->Text(), "Banana");
    EXPECT_EQ(Selects, 1);
    for (const int outside : {3, 5, -2}) {
        Detail->SetItemIndex(outside);
        EXPECT_EQ(Detail->ItemIndex(), 2) << outside;
    }
    Detail->SetItemIndex(-1);
    EXPECT_EQ(Detail->Text(), "");
    EXPECT_EQ(Selects, 1) << "clearing fires nothing";
    EXPECT_EQ(Detail->Items()->IndexOf("Apricot"), 1);
    EXPECT_EQ(Detail->Items()->IndexOf("apricot"), -1);
}

TEST_F(DetailDropDown, TypingCompletesTheFirstCaptionStartingWithTheTypedText) {
    const struct {
        const char* Typed;
        const char* Text;
        const char* Completed;
        int Index;
    } steps[] = {
        {"a", "apple", "pple", 0},
        {"p", "apple", "ple", 0},
        {"r", "apricot", "icot", 1},
        {"x", "aprx", "", 1},
    };
    for (const auto& step : steps) {
        Type(step.Typed);
        EXPECT_EQ(Detail->Text(), step.Text) << step.Typed;
        EXPECT_EQ(Selected(), step.Completed) << step.Typed;
        EXPECT_EQ(Detail->ItemIndex(), step.Index) << step.Typed;
    }
}

TEST_F(DetailDropDown, BackspaceAfterACompletionDoesNotCompleteAgain) {
    Type("b");
    ASSERT_EQ(Detail->Text(), "banana");
    Key(VK_BACK);
    EXPECT_EQ(Detail->Text(), "b");
}

TEST_F(DetailDropDown, EnterOnAnExactCaptionSelectsIt) {
    Detail->SetText("Banana");
    Key(VK_RETURN);
    EXPECT_EQ(Detail->ItemIndex(), 2);
    EXPECT_EQ(Selects, 1);
    Detail->SetText("Cherry");
    Key(VK_RETURN);
    EXPECT_EQ(Detail->ItemIndex(), 2);
    EXPECT_EQ(Selects, 1);
}

TEST_F(DetailDropDown, ArrowsInTheOpenListMoveTheSelectionAndEscapeRestoresTheOpening) {
    Detail->SetItemIndex(0);
    Detail->ShowDropDown();
    ASSERT_TRUE(PopupShown());
    EXPECT_EQ(Detail->ItemSelector()->Items()->Count(), 3);
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_TRUE(PopupShown());
    EXPECT_EQ(Detail->ItemIndex(), 2);
    EXPECT_EQ(Detail->Text(), "Banana");
    Key(VK_ESCAPE);
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Detail->ItemIndex(), 0);
    EXPECT_EQ(Detail->Text(), "Apple");
}

TEST_F(DetailDropDown, CancelRestoresNoSelectionToo) {
    Detail->ShowDropDown();
    Key(VK_DOWN);
    EXPECT_EQ(Detail->ItemIndex(), 0) << "down with nothing selected takes the first";
    Key(VK_UP);
    EXPECT_EQ(Detail->ItemIndex(), 0) << "up at the first does nothing";
    Detail->HideDropDown(true);
    EXPECT_EQ(Detail->ItemIndex(), -1);
    EXPECT_EQ(Detail->Text(), "");
}

TEST_F(DetailDropDown, AClickOnAnItemChoosesItAndCloses) {
    Detail->ShowDropDown();
    TCustomItemSelector* panel = Detail->ItemSelector()->SelectorPanel();
    const TRect cell = panel->GetItemRect(1);
    InputSimulation::Click(panel, {cell.Left + 5, cell.Top + 5});
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Detail->ItemIndex(), 1);
    EXPECT_EQ(Detail->Text(), "Apricot");
}

TEST_F(DetailDropDown, KeySearchInTheOpenPopupUsesTheTypedCharactersOnly) {
    Detail->ShowDropDown();
    for (const WORD key : {WORD(VK_SHIFT), WORD('B'), WORD(VK_CONTROL)})
        Key(key);
    EXPECT_EQ(Detail->CurrentSearch(), "B");
    EXPECT_EQ(Detail->ItemIndex(), 2);
    EXPECT_TRUE(PopupShown());
    Detail->KeyTimerTick();
    Key('A');
    Key('P');
    Key('R');
    EXPECT_EQ(Detail->CurrentSearch(), "APR");
    EXPECT_EQ(Detail->ItemIndex(), 1);
}

TEST_F(DetailDropDown, ZeroItemHeightDividesNothingByZero) {
    Detail->SetItemHeight(0);
    Detail->ShowDropDown();
    Key(VK_NEXT);
    Key(VK_PRIOR);
    EXPECT_EQ(Detail->ItemSelector()->GetVisibleItemCount(), 0);
    EXPECT_EQ(Detail->ItemIndex(), -1);
}

TEST_F(DetailDropDown, TheWheelStepsTheClosedEditAndTheOpenList) {
    InputSimulation::Wheel(Detail, {5, 5}, -120);
    EXPECT_EQ(Detail->ItemIndex(), 0);
    Detail->ShowDropDown();
    InputSimulation::Wheel(Detail->DropDownForm(), {5, 5}, -120);
    EXPECT_EQ(Detail->ItemIndex(), 1);
    EXPECT_TRUE(PopupShown());
    // Over the list itself too: the selection moves, the list does not scroll instead.
    TControl* list = Detail->ItemSelector()->SelectorPanel();
    InputSimulation::Wheel(list, {10, 10}, -120);
    EXPECT_EQ(Detail->ItemIndex(), 2);
    InputSimulation::Wheel(list, {10, 10}, 120);
    EXPECT_EQ(Detail->ItemIndex(), 1);
    EXPECT_TRUE(PopupShown());
}
