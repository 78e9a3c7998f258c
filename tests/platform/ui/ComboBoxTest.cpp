#include "RecordingControl.h"

#include "platform/core/Exception.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class ComboBoxTest : public ::testing::Test {
protected:
    ComboBoxTest() : Form(std::make_unique<TestForm>(nullptr)), Combo(new TComboBox(Form.get())) {
        Combo->SetParent(Form.get());
        Combo->SetStyle(csDropDownList);
        for (const char* item : {"Primary Master", "Secondary Master", "Third"})
            Combo->Items()->Add(item);
        Combo->OnChange = [this](TObject*) { Events.push_back("change " + Combo->Text()); };
        Combo->OnClick = [this](TObject*) { Events.push_back("click"); };
    }

    std::unique_ptr<TestForm> Form;
    TComboBox* Combo;
    std::vector<std::string> Events;
};

TEST_F(ComboBoxTest, ItemsStartUnselected) {
    EXPECT_EQ(Combo->ItemIndex(), -1);
    EXPECT_EQ(Combo->Text(), "");
}

TEST_F(ComboBoxTest, ProgramSelectionSetsTextAndFiresNothing) {
    Combo->SetItemIndex(1);
    EXPECT_EQ(Combo->Text(), "Secondary Master");
    Combo->SetItemIndex(0);
    EXPECT_EQ(Combo->Text(), "Primary Master");

    Combo->SetText("third");
    EXPECT_EQ(Combo->ItemIndex(), 2) << "a drop-down list matches its items ignoring case";

    Combo->SetText("Tertiary");
    EXPECT_EQ(Combo->ItemIndex(), -1) << "a text no item has selects nothing";

    Combo->SetItemIndex(7);
    EXPECT_EQ(Combo->ItemIndex(), -1);
    EXPECT_TRUE(Events.empty());
}

TEST_F(ComboBoxTest, UserChoiceFiresClickThenChange) {
    Combo->SetItemIndex(0);

    InputSimulation::KeyPress(Combo, VK_DOWN);

    EXPECT_EQ(Combo->ItemIndex(), 1);
    EXPECT_EQ(Events, (std::vector<std::string>{"click", "change Secondary Master"}));
}

TEST_F(ComboBoxTest, OnSelectTakesThePlaceOfOnChangeWhenAssigned) {
    Combo->SetItemIndex(0);
    int selects = 0;
    Combo->OnSelect = [&](TObject*) { ++selects; };

    InputSimulation::KeyPress(Combo, VK_DOWN);

    EXPECT_EQ(selects, 1);
    EXPECT_EQ(Events, std::vector<std::string>{"click"});
}

TEST_F(ComboBoxTest, SelectionStaysOnItsItemWhileTheListChanges) {
    Combo->SetItemIndex(1);

    Combo->Items()->Insert(0, "First");
    EXPECT_EQ(Combo->Text(), "Secondary Master");
    Combo->Items()->Delete(0);
    EXPECT_EQ(Combo->Text(), "Secondary Master");
    Combo->Items()->Put(1, "Secondary");
    EXPECT_EQ(Combo->Text(), "Secondary");

    Combo->Items()->Delete(1);
    EXPECT_EQ(Combo->ItemIndex(), -1) << "deleting the chosen item leaves nothing chosen";
    EXPECT_TRUE(Events.empty());
}

TEST_F(ComboBoxTest, FirstItemAddedToAnEmptyListIsNotChosen) {
    Combo->Items()->Clear();
    Combo->Items()->Add("only");
    EXPECT_EQ(Combo->ItemIndex(), -1);
}

TEST_F(ComboBoxTest, EditableComboReportsTyping) {
    Combo->SetStyle(csDropDown);
    Combo->SetText("2");
    EXPECT_TRUE(Events.empty()) << "the program's text fires nothing";

    InputSimulation::TypeChar(Combo, u'5');

    EXPECT_EQ(Combo->Text(), "25");
    EXPECT_EQ(Events, std::vector<std::string>{"change 25"});
}

// MaxLength limits typing only: a longer text from the program or from an item stays whole.
TEST_F(ComboBoxTest, MaxLengthLimitsTypingButKeepsTheProgramsText) {
    Combo->SetStyle(csDropDown);
    Combo->SetMaxLength(4);
    Combo->SetText("Secondary Master");
    EXPECT_EQ(Combo->Text(), "Secondary Master");

    Combo->SetText("ab");
    for (char16_t ch : std::u16string(u"cdef"))
        InputSimulation::TypeChar(Combo, ch);
    EXPECT_EQ(Combo->Text(), "abcd");

    Combo->SetMaxLength(2);
    EXPECT_EQ(Combo->Text(), "abcd") << "a lower limit leaves the shown text alone";

    Combo->SetItemIndex(0);
    InputSimulation::KeyPress(Combo, VK_DOWN);
    EXPECT_EQ(Combo->Text(), "Secondary Master") << "an item the user picks is shown whole";
}

TEST_F(ComboBoxTest, OpeningAndClosingTheListAreReported) {
    Combo->OnDropDown = [this](TObject*) { Events.push_back("drop down"); };
    Combo->OnCloseUp = [this](TObject*) { Events.push_back("close up"); };
    Combo->SetDroppedDown(true);
    EXPECT_TRUE(Combo->DroppedDown());
    Combo->SetDroppedDown(false);
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Events, (std::vector<std::string>{"drop down", "close up"}));
}

// A parent that notes the combo notifications its children send it.
class TCommandPanel : public TWinControl {
public:
    using TWinControl::TWinControl;
    std::vector<std::string> Heard;

    void WndProc(TMessage& Message) override {
        if (Message.Msg == WM_COMMAND) {
            const auto* source = reinterpret_cast<TComboBox*>(Message.LParam);
            Heard.push_back(std::to_string(HIWORD(Message.WParam)) + " " + source->Text());
        }
        TWinControl::WndProc(Message);
    }
};

TEST_F(ComboBoxTest, TheParentHearsPicksTypingOpeningAndClosing) {
    auto* panel = new TCommandPanel(Form.get());
    panel->SetParent(Form.get());
    panel->SetBounds(0, 0, 200, 100);
    Combo->SetParent(panel);
    Combo->SetItemIndex(0);
    Form->Show();
    const auto told = [](uint16_t code, const std::string& text) {
        return std::to_string(code) + " " + text;
    };

    InputSimulation::KeyPress(Combo, VK_DOWN);
    InputSimulation::TypeChar(Combo, u't');
    InputSimulation::Wheel(Combo, {10, 10}, WHEEL_DELTA);
    EXPECT_EQ(panel->Heard, (std::vector<std::string>{told(CBN_SELCHANGE, "Secondary Master"),
                                                      told(CBN_SELCHANGE, "Third"),
                                                      told(CBN_SELCHANGE, "Secondary Master")}));
    panel->Heard.clear();
    Combo->SetItemIndex(2);
    EXPECT_TRUE(panel->Heard.empty()) << "what the program sets is not told";

    InputSimulation::KeyPress(Combo, VK_F4);
    ASSERT_TRUE(Combo->DroppedDown());
    InputSimulation::ClickListItem(Combo, 0);
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(panel->Heard, (std::vector<std::string>{told(CBN_DROPDOWN, "Third"),
                                                      told(CBN_SELCHANGE, "Primary Master"),
                                                      told(CBN_CLOSEUP, "Primary Master")}))
        << "the close-up comes after the pick that closed the list";
    panel->Heard.clear();

    InputSimulation::KeyPress(Combo, VK_F4);
    InputSimulation::ClickListItem(Combo, 0);
    EXPECT_EQ(panel->Heard, (std::vector<std::string>{told(CBN_DROPDOWN, "Primary Master"),
                                                      told(CBN_CLOSEUP, "Primary Master")}))
        << "the item picked again is no change";
    panel->Heard.clear();

    Combo->SetStyle(csDropDown);
    InputSimulation::TypeChar(Combo, u'x');
    EXPECT_EQ(panel->Heard, std::vector<std::string>{told(CBN_EDITCHANGE, Combo->Text())});
}

TEST(ItemStrings, RefusesIndexesOutsideTheList) {
    TComboBox combo(nullptr);
    combo.Items()->Add("a");
    EXPECT_THROW(combo.Items()->Insert(2, "x"), Exception);
    EXPECT_THROW(combo.Items()->Delete(1), Exception);
    EXPECT_THROW((*combo.Items())[-1], Exception);
    EXPECT_EQ(combo.Items()->Count(), 1);
}

TEST(ItemStrings, TextRoundTripsThroughLines) {
    TComboBox combo(nullptr);
    combo.Items()->SetText("01\r\n02\n03\n");
    EXPECT_EQ(combo.Items()->Count(), 3);
    EXPECT_EQ(combo.Items()->Text(), "01\n02\n03");
    EXPECT_EQ(combo.Items()->IndexOf("02"), 1);
    EXPECT_EQ(combo.Items()->IndexOf("04"), -1);
}

} // namespace
