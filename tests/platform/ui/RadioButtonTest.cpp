#include "RecordingControl.h"

#include "platform/ui/InputSimulation.h"
#include "platform/ui/RadioButton.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class RadioButtonTest : public ::testing::Test {
protected:
    RadioButtonTest() : Form(std::make_unique<TestForm>(nullptr)) {
        for (const char* caption : {"Ethernet", "Serial", "USB"}) {
            auto* button = new TRadioButton(Form.get());
            button->SetParent(Form.get());
            button->SetCaption(caption);
            button->OnClick = [this, button](TObject*) { Clicks.push_back(button->Caption()); };
            Buttons.push_back(button);
        }
    }

    std::vector<bool> States() const {
        std::vector<bool> states;
        for (const TRadioButton* button : Buttons)
            states.push_back(button->Checked());
        return states;
    }

    std::unique_ptr<TestForm> Form;
    std::vector<TRadioButton*> Buttons;
    std::vector<std::string> Clicks;
};

TEST_F(RadioButtonTest, CheckingOneUnchecksItsSiblings) {
    Buttons[0]->SetChecked(true);
    InputSimulation::Click(Buttons[2], Point(5, 5));
    EXPECT_EQ(States(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(Clicks, (std::vector<std::string>{"Ethernet", "USB"}));
}

TEST_F(RadioButtonTest, ClickOnTheCheckedButtonKeepsIt) {
    Buttons[1]->SetChecked(true);
    InputSimulation::Click(Buttons[1], Point(5, 5));
    EXPECT_EQ(States(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(Clicks, std::vector<std::string>{"Serial"});
}

TEST_F(RadioButtonTest, ButtonsOfAnotherParentAreAnotherGroup) {
    auto* other = new TestForm(Form.get());
    auto* lone = new TRadioButton(other);
    lone->SetParent(other);
    lone->SetChecked(true);
    Buttons[0]->SetChecked(true);
    EXPECT_TRUE(lone->Checked());
}

} // namespace
