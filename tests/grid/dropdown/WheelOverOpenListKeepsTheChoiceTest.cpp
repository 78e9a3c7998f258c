// The wheel over the open list of a multi-column or grid drop-down moves the highlight only: the
// edit keeps the chosen item, and a click elsewhere, which closes the popup without cancelling,
// does not take the highlighted row either.
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExCustomGridDropDown.h"
#include "grid/dropdown/ExGridDropDownGrid.h"
#include "grid/dropdown/ExMultiColumnDropDown.h"
#include "grid/dropdown/ExMultiColumnDropDownColGrid.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"

#include "grid/dropdown/DropDownInForm.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

struct TWheelList {
    const char* Name;
    // Makes the drop-down with six fruit, Banana chosen.
    std::function<TExCustomDropDown*(TForm*)> Make;
    std::function<TControl*(TExCustomDropDown*)> List;
};

void PrintTo(const TWheelList& List, std::ostream* Out) {
    *Out << List.Name;
}

template <class TList> TExCustomDropDown* MakeWheelFruitList(TForm* Form) {
    auto* list = new TList(Form);
    list->Columns()->Add()->SetHeader("Fruit");
    list->BeginUpdate();
    for (const char* fruit : {"Apple", "Banana", "Cherry", "Mango", "Kiwi", "Lime"})
        list->Items()->Add()->Text().Add(fruit);
    list->EndUpdate();
    list->SetItemIndex(1);
    return list;
}

class WheelOverOpenList : public ::testing::TestWithParam<TWheelList> {};

} // namespace

TEST_P(WheelOverOpenList, KeepsTheChosenItemThroughAClickElsewhere) {
    const TDropDownInForm shown(GetParam().Make);
    TExCustomDropDown* drop = shown.Drop;
    shown.ClickButton();
    ASSERT_TRUE(drop->DroppedDown());

    TControl* list = GetParam().List(drop);
    for (int step = 0; step < 2; ++step)
        InputSimulation::Wheel(list, {20, list->Height() / 2}, -120);
    EXPECT_TRUE(drop->DroppedDown());
    EXPECT_EQ(drop->Text(), "Banana") << "while open";

    InputSimulation::Click(shown.Form.get(), {400, 350});
    Application->ProcessMessages();
    EXPECT_FALSE(drop->DroppedDown());
    EXPECT_EQ(drop->Text(), "Banana") << "after the click elsewhere";
}

INSTANTIATE_TEST_SUITE_P(
    Lists, WheelOverOpenList,
    ::testing::Values(
        TWheelList{"MultiColumn", MakeWheelFruitList<TExMultiColumnDropDown>,
                   [](TExCustomDropDown* D) -> TControl* {
                       return static_cast<TExMultiColumnDropDown*>(D)->ListGrid();
                   }},
        TWheelList{"Grid", MakeWheelFruitList<GridDropDown::TCustomExGridDropDown>,
                   [](TExCustomDropDown* D) -> TControl* {
                       return static_cast<GridDropDown::TCustomExGridDropDown*>(D)->GetGrid();
                   }}),
    [](const auto& Info) { return std::string(Info.param.Name); });
