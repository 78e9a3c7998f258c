// Alt+Up and Alt+Down typed while a drop-down's popup is open (the focus in the popup, where the
// user's keys go) close it and keep the value the popup showed: the key is the drop-down's
// closing key, never also a step of the hosted list or slider.
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExCalculatorDropdown.h"
#include "grid/dropdown/ExCustomGridDropDown.h"
#include "grid/dropdown/ExDetailDropDown.h"
#include "grid/dropdown/ExMultiColumnDropDown.h"
#include "grid/dropdown/ExTimePickerDropDown.h"
#include "grid/dropdown/ExTrackBarDropDown.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Keys.h"

#include "grid/dropdown/DropDownInForm.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

template <class TList> TExCustomDropDown* MakeAltArrowFruitList(TForm* Form) {
    auto* list = new TList(Form);
    list->Columns()->Add()->SetHeader("Fruit");
    list->BeginUpdate();
    for (const char* fruit : {"Apple", "Banana", "Cherry", "Mango"})
        list->Items()->Add()->Text().Add(fruit);
    list->EndUpdate();
    return list;
}

struct TAltArrowCase {
    const char* Name;
    std::function<TExCustomDropDown*(TForm*)> Make;
    // Typed in the open popup before the closing key.
    std::vector<std::pair<WORD, TChar>> Keys;
    // What the edit shows once the popup closed.
    std::string Value;
};

void PrintTo(const TAltArrowCase& Case, std::ostream* Out) {
    *Out << Case.Name;
}

TExCustomDropDown* MakeAltArrowTrackBar(TForm* Form) {
    auto* track = new TExTrackBarDropDown(Form);
    track->SetMax(20);
    track->SetPosition(7);
    return track;
}

TExCustomDropDown* MakeAltArrowDetail(TForm* Form) {
    auto* detail = new TExDetailDropDown(Form);
    for (const char* caption : {"Plum", "Peach", "Pear"})
        detail->Items()->Add()->SetCaption(caption);
    return detail;
}

TExCustomDropDown* MakeAltArrowClock(TForm* Form) {
    auto* clock = new TExTimePickerDropDown(Form);
    clock->SetAnimation(false);
    clock->SetText("08:45:00");
    return clock;
}

std::vector<TAltArrowCase> AltArrowCases() {
    using GridDropDown::TCustomExGridDropDown;
    return {
        {"Grid", MakeAltArrowFruitList<TCustomExGridDropDown>, {{VK_DOWN, 0}}, "Banana"},
        {"MultiColumn", MakeAltArrowFruitList<TExMultiColumnDropDown>, {{VK_DOWN, 0}}, "Banana"},
        {"TrackBar", MakeAltArrowTrackBar, {{VK_RIGHT, 0}}, "8"},
        {"Detail", MakeAltArrowDetail, {{VK_DOWN, 0}, {VK_DOWN, 0}}, "Peach"},
        {"Calculator", [](TForm* F) { return new TExCalculatorDropdown(F); }, {{'5', '5'}}, "5"},
        {"TimePicker", MakeAltArrowClock, {{VK_PRIOR, 0}}, "09:45:00"},
    };
}

class AltArrowInOpenPopup : public ::testing::TestWithParam<TAltArrowCase> {};

} // namespace

TEST_P(AltArrowInOpenPopup, ClosesThePopupKeepingTheValueItShowed) {
    for (const WORD arrow : {VK_UP, VK_DOWN}) {
        const TDropDownInForm shown(GetParam().Make);
        TExCustomDropDown* drop = shown.Drop;
        shown.ClickButton();
        ASSERT_TRUE(drop->DropDownForm()->Visible());
        for (const auto& [key, ch] : GetParam().Keys)
            InputSimulation::KeyPressFocused(key, ch);

        InputSimulation::KeyPressFocused(arrow, 0, {ssAlt});
        EXPECT_FALSE(drop->DropDownForm()->Visible()) << "Alt+" << (arrow == VK_UP ? "Up" : "Down");
        EXPECT_EQ(drop->Text(), GetParam().Value) << "Alt+" << (arrow == VK_UP ? "Up" : "Down");
        drop->HideDropDown(true);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, AltArrowInOpenPopup, ::testing::ValuesIn(AltArrowCases()),
                         [](const auto& Info) { return std::string(Info.param.Name); });
