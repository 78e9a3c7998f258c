#include "grid/foundation/EsgUnitEditBtn.h"

#include "grid/foundation/EsgEditButton.h"
#include "grid/foundation/ExSpeedButton.h"
#include "platform/core/StringList.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Menus.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Records the unit menu as shown and picks the item the test asks for (0: none).
class ScriptedUnitEdit : public TEsgUnitEditBtn {
public:
    using TEsgUnitEditBtn::TEsgUnitEditBtn;

    int Pick = 0;
    std::vector<std::string> Shown;
    TPoint ShownAt;

protected:
    void PopupUnitMenu(TPopupMenu* Menu, TPoint At) override {
        ShownAt = At;
        Shown.clear();
        for (int i = 0; i < Menu->Items()->Count(); ++i)
            Shown.push_back(Menu->Items()->Items(i)->Caption());
        if (Pick > 0)
            Menu->Items()->Items(Pick - 1)->Click();
    }
};

void SetUnits(TEsgUnitEditBtn* edit, const std::vector<std::string>& units) {
    TStringList list;
    for (const std::string& unit : units)
        list.Add(unit);
    edit->SetUnits(&list);
}

class EsgUnitEditBtnTest : public ::testing::Test {
protected:
    EsgUnitEditBtnTest()
        : Form(std::make_unique<TForm>(nullptr)), Edit(new ScriptedUnitEdit(Form.get())) {
        Form->SetClientWidth(300);
        Form->SetClientHeight(100);
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 40, 150, 21);
        Edit->OnClickBtn = [this](TObject* sender) {
            Events.push_back(sender == Edit ? "click by edit" : "click by other");
        };
        Edit->OnUnitChanged = [this](TObject* sender, const std::string& unit) {
            EXPECT_EQ(sender, Edit);
            EXPECT_EQ(Edit->UnitID(), unit) << "the unit has changed before the event";
            Events.push_back("unit " + unit);
        };
    }

    std::unique_ptr<TForm> Form;
    ScriptedUnitEdit* Edit;
    std::vector<std::string> Events;
};

TEST_F(EsgUnitEditBtnTest, StartsWithItsDocumentedValues) {
    EXPECT_EQ(Edit->UnitSpace(), 20);
    EXPECT_TRUE(Edit->RightAlign());
    EXPECT_EQ(Edit->Alignment(), taRightJustify);
    EXPECT_EQ(Edit->Units()->Count(), 0);
    EXPECT_EQ(Edit->UnitID(), "");
    EXPECT_EQ(Edit->Text(), "0");
    EXPECT_EQ(Edit->EditRect().Right, Edit->ClientWidth() - 18 - 5 - 20 - 3)
        << "room for the unit between text and button";
}

struct SplitCase {
    const char* Name;
    std::vector<std::string> Units;
    std::string Value;
    std::string Text;
    std::string UnitID;
};

class EsgUnitEditBtnSplit : public EsgUnitEditBtnTest,
                            public ::testing::WithParamInterface<SplitCase> {};

TEST_P(EsgUnitEditBtnSplit, TextAndUnitWriteTakesTheFirstUnitEndingTheValue) {
    SetUnits(Edit, GetParam().Units);
    Edit->SetText("was");
    Edit->SetUnitID("old");

    Edit->SetTextAndUnit(GetParam().Value);

    EXPECT_EQ(Edit->Text(), GetParam().Text);
    EXPECT_EQ(Edit->UnitID(), GetParam().UnitID);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EsgUnitEditBtnSplit,
    ::testing::Values(SplitCase{"FirstUnitInListOrderWins", {"m", "mm", "km"}, "12km", "12k", "m"},
                      SplitCase{"LongerUnitListedFirst", {"km", "mm", "m"}, "12km", "12", "km"},
                      SplitCase{"FirstOccurrenceMustEndTheValue", {"m"}, "m5m", "was", "old"},
                      SplitCase{"NoUnitEndsTheValue", {"V", "mV"}, "12A", "was", "old"},
                      SplitCase{"EmptyValue", {"V"}, "", "was", "old"},
                      SplitCase{"NoUnits", {}, "5V", "was", "old"},
                      SplitCase{"ValueIsTheUnitAlone", {"km"}, "km", "", "km"},
                      SplitCase{"EmptyUnitLineIsNoUnit", {"", "bar"}, "3bar", "3", "bar"},
                      SplitCase{"MultiByteUnit",
                                {"\xC2\xB0"
                                 "C"},
                                "21.5\xC2\xB0"
                                "C",
                                "21.5",
                                "\xC2\xB0"
                                "C"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(EsgUnitEditBtnTest, TextAndUnitReadJoinsTextAndUnit) {
    Edit->SetText("5");
    Edit->SetUnitID("V");
    EXPECT_EQ(Edit->TextAndUnit(), "5V");
}

TEST_F(EsgUnitEditBtnTest, UnitsAreCopiedAndNothingLeavesThemAlone) {
    TStringList list;
    list.Add("bar");
    list.Add("psi");
    Edit->SetUnits(&list);
    list.Add("Pa");
    EXPECT_EQ(Edit->Units()->Count(), 2);
    Edit->SetUnits(nullptr);
    EXPECT_EQ(Edit->Units()->Count(), 2);
}

struct MenuCase {
    const char* Name;
    int Pick;
    std::vector<std::string> Events;
    std::string UnitID;
};

class EsgUnitEditBtnMenu : public EsgUnitEditBtnTest,
                           public ::testing::WithParamInterface<MenuCase> {};

TEST_P(EsgUnitEditBtnMenu, ButtonClicksThenOffersTheUnits) {
    SetUnits(Edit, {"mbar", "bar", "psi"});
    Edit->SetUnitID("bar");
    Edit->Pick = GetParam().Pick;

    InputSimulation::Click(Edit->Button()->Button(), {4, 4});

    EXPECT_EQ(Edit->Shown, (std::vector<std::string>{"mbar", "bar", "psi"}));
    EXPECT_EQ(Edit->ShownAt,
              Edit->ClientToScreen({Edit->ClientWidth() - 15, Edit->ClientHeight()}));
    EXPECT_EQ(Events, GetParam().Events);
    EXPECT_EQ(Edit->UnitID(), GetParam().UnitID);
}

INSTANTIATE_TEST_SUITE_P(
    Picks, EsgUnitEditBtnMenu,
    ::testing::Values(MenuCase{"Dismissed", 0, {"click by edit"}, "bar"},
                      MenuCase{"SameUnit", 2, {"click by edit"}, "bar"},
                      MenuCase{"OtherUnit", 3, {"click by edit", "unit psi"}, "psi"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(EsgUnitEditBtnTest, F4OpensTheMenuToo) {
    SetUnits(Edit, {"A", "mA"});
    Edit->Pick = 2;
    Form->Show();
    Edit->SetFocus();
    InputSimulation::KeyPress(Edit, VK_F4);
    EXPECT_EQ(Events, (std::vector<std::string>{"click by edit", "unit mA"}));
}

struct CommandCase {
    const char* Name;
    WPARAM WParam;
    std::string UnitID;
};

class EsgUnitEditBtnCommand : public EsgUnitEditBtnTest,
                              public ::testing::WithParamInterface<CommandCase> {};

TEST_P(EsgUnitEditBtnCommand, PicksOnlyItemsOfTheMenu) {
    SetUnits(Edit, {"s", "min", "h"});
    Edit->SetUnitID("s");
    Edit->Perform(WM_COMMAND, GetParam().WParam);
    EXPECT_EQ(Edit->UnitID(), GetParam().UnitID);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, EsgUnitEditBtnCommand,
    ::testing::Values(CommandCase{"First", 1, "s"}, CommandCase{"Last", 3, "h"},
                      CommandCase{"Zero", 0, "s"}, CommandCase{"BeyondTheList", 4, "s"},
                      CommandCase{"EditChangeNotification", (0x0300u << 16) | 2u, "s"},
                      CommandCase{"OtherNotification", (0x0100u << 16) | 2u, "min"}),
    [](const auto& info) { return std::string(info.param.Name); });

// Dark pixels in the unit's place between text and button.
int DarkPixelsOfUnit(TEsgUnitEditBtn* edit) {
    TBitmap bitmap(edit->Width(), edit->Height());
    edit->PaintTo(bitmap.Canvas(), 0, 0);
    const int right = edit->ClientWidth() - (edit->Button()->Width() + 3);
    int dark = 0;
    for (int x = right - edit->UnitSpace(); x < right; ++x)
        for (int y = 2; y < edit->ClientHeight() - 2; ++y)
            if ((bitmap.Pixel(x, y) & 0xFF) < 0x60)
                ++dark;
    return dark;
}

TEST_F(EsgUnitEditBtnTest, UnitIsDrawnBetweenTextAndButton) {
    Edit->SetText("");
    Edit->SetUnitID("");
    EXPECT_EQ(DarkPixelsOfUnit(Edit), 0);
    Edit->SetUnitID("kW");
    EXPECT_GT(DarkPixelsOfUnit(Edit), 0);
}

TEST_F(EsgUnitEditBtnTest, UnitSpaceMovesTheTextsRightEdge) {
    Edit->SetUnitSpace(40);
    EXPECT_EQ(Edit->UnitSpace(), 40);
    EXPECT_EQ(Edit->EditRect().Right, Edit->ClientWidth() - 18 - 5 - 40 - 3);
    Edit->SetUnitSpace(0);
    EXPECT_EQ(Edit->EditRect().Right, Edit->ClientWidth() - 18 - 5);
}

} // namespace
