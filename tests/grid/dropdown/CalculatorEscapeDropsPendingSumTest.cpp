// A sum begun in the calculator's popup and left with Escape is given up with the value it
// restored: opening the popup again and pressing Enter keeps the value the edit shows.
#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExCalculatorDropdown.h"
#include "grid/foundation/ScopedFormatSettings.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Keys.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TGivenUpSum {
    const char* Name;
    // Typed in the open popup before Escape.
    const char* Typed;
};

void PrintTo(const TGivenUpSum& Sum, std::ostream* Out) {
    *Out << Sum.Name;
}

WORD CalculatorKeyOf(char Ch) {
    switch (Ch) {
    case '+':
        return VK_ADD;
    case '-':
        return VK_SUBTRACT;
    case '*':
        return VK_MULTIPLY;
    case '/':
        return VK_DIVIDE;
    default:
        return static_cast<WORD>(Ch);
    }
}

class CalculatorEscape : public ::testing::TestWithParam<TGivenUpSum> {};

} // namespace

TEST_P(CalculatorEscape, ReopenedAndEnteredTheRestoredValueStays) {
    const ScopedFormatSettings english(ScopedFormatSettings::English());
    TForm form(nullptr);
    form.SetBounds(100, 100, 400, 300);
    auto* calc = new TExCalculatorDropdown(&form);
    calc->SetParent(&form);
    calc->SetBounds(10, 40, 200, 21);
    calc->SetText("7.00");
    form.Show();
    calc->SetFocus();
    TControl* button = calc->Button();
    const TPoint middle{button->Width() / 2, button->Height() / 2};

    InputSimulation::Click(button, middle);
    ASSERT_TRUE(calc->DroppedDown());
    for (const char* c = GetParam().Typed; *c; ++c)
        InputSimulation::KeyPressFocused(CalculatorKeyOf(*c), static_cast<TChar>(*c));
    InputSimulation::KeyPressFocused(VK_ESCAPE);
    ASSERT_FALSE(calc->DroppedDown());
    ASSERT_EQ(calc->Text(), "7.00");

    InputSimulation::Click(button, middle);
    ASSERT_TRUE(calc->DroppedDown());
    InputSimulation::KeyPressFocused(VK_RETURN, '\r');
    EXPECT_FALSE(calc->DroppedDown());
    EXPECT_EQ(calc->Text(), "7.00");
}

INSTANTIATE_TEST_SUITE_P(Sums, CalculatorEscape,
                         ::testing::Values(TGivenUpSum{"PendingAdd", "5+1"},
                                           TGivenUpSum{"PendingMultiply", "3*"},
                                           TGivenUpSum{"PendingDivideByZero", "9/0"}),
                         [](const auto& Info) { return std::string(Info.param.Name); });
