// The BACnet engineering units: the names of the codes, the groups and the chooser window.
#include "protocols/bacnet/BACnetUnits.h"
#include "protocols/bacnet/UBACnet_Eng_Unit.h"

#include "app/controls/GlyphButton.h"
#include "app/core/AppState.h"
#include "platform/ui/Application.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>

namespace {

TEST(BACnetUnitsTest, NamesOfCodesAndUnknownOutsideTheTable) {
    const std::pair<int, const char*> cases[] = {
        {0, "square-meters"},
        {51, "housepower"},
        {62, "degrees-Celsius"},
        {77, "feet-per-meters"},
        {95, "no-units"},
        {98, "percent"},
        {103, "radiants"},
        {105, "currency1"},
        {114, "currency10"},
        {128, "btus-per-kilogram-degree-Kelvin"},
        {141, "watts-per-square-meter-degree-kelvin"},
        {190, "microsiemens"},
        {196, "milligrams"},
        {207, "per-mille"},
        {234, "pH"},
        {236, "minutes-per-degree-kelvin"},
        {237, "unknown"},
        {300, "unknown"},
        {-1, "unknown"},
    };
    for (const auto& [code, name] : cases)
        EXPECT_EQ(Desc_Unit(code), name) << code;
}

TEST(BACnetUnitsTest, EveryCodeStandsInExactlyOneOfTheGroups) {
    const auto& groups = BACnet_Unit_Groups();
    ASSERT_EQ(groups.size(), 23u);
    std::multiset<int> codes;
    for (const TBACnetUnitGroup& group : groups)
        codes.insert(group.Codes.begin(), group.Codes.end());
    ASSERT_EQ(codes.size(), static_cast<size_t>(BACnet_Unit_Count));
    for (int code = 0; code < BACnet_Unit_Count; ++code)
        EXPECT_EQ(codes.count(code), 1u) << code;
}

TEST(BACnetUnitsTest, GroupsHoldTheirUnitsInListOrder) {
    struct Case {
        const char* Group;
        size_t Count;
        size_t Position; // from 1
        int Code;
    };
    const Case cases[] = {
        {"Acceleration", 1, 1, 166},      {"Area", 4, 2, 116},    {"Currency", 10, 10, 114},
        {"Electrical", 35, 35, 178},      {"Mass", 5, 1, 196},    {"Power", 8, 7, 51},
        {"Temperature", 9, 3, 181},       {"Other", 59, 30, 207}, {"Other", 59, 59, 236},
        {"Volumetric Flow", 13, 13, 192},
    };
    for (const Case& c : cases) {
        const TBACnetUnitGroup* found = nullptr;
        for (const TBACnetUnitGroup& group : BACnet_Unit_Groups())
            if (std::string(group.Name) == c.Group)
                found = &group;
        ASSERT_NE(found, nullptr) << c.Group;
        EXPECT_EQ(found->Codes.size(), c.Count) << c.Group;
        EXPECT_EQ(found->Codes[c.Position - 1], c.Code) << c.Group << " " << c.Position;
    }
}

class BACnetEngUnitTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application->TestSeam().Reset();
        AppState() = TAppState();
        Window = std::make_unique<TFBACnet_Eng_Unit>(nullptr);
        Window->DoCreate();
    }
    void TearDown() override {
        Window.reset();
        Application->TestSeam().Reset();
    }

    // Shows the chooser as the object tables do; `while_shown` plays the user.
    TModalResult Show(const std::string& code, const std::function<void()>& while_shown) {
        Window->Show_Code(code);
        Application->TestSeam().OnModalShow = [&](TForm*) { while_shown(); };
        const TModalResult result = Window->ShowModal();
        Application->TestSeam().OnModalShow = nullptr;
        return result;
    }
    void Pick(int group, int unit) {
        Window->CB_Select_Type->SetItemIndex(group);
        Window->CB_Select_TypeSelect(Window->CB_Select_Type);
        Window->CB_Select_Unit->SetItemIndex(unit);
        Window->Btn_Select_Eng_UnitClick(Window->Btn_Select_Eng_Unit);
    }

    std::unique_ptr<TFBACnet_Eng_Unit> Window;
};

TEST_F(BACnetEngUnitTest, OpensWithTheCodeAndItsName) {
    const std::pair<const char*, const char*> cases[] = {
        {"0", "-> square-meters"}, {"62", "-> degrees-Celsius"}, {"", "-> unknown"},
        {"abc", "-> unknown"},     {"300", "-> unknown"},        {"$3E", "-> degrees-Celsius"},
    };
    for (const auto& [code, label] : cases) {
        Window->Show_Code(code);
        EXPECT_EQ(Window->E_Selected_EU->Text(), code);
        EXPECT_EQ(Window->Label5->Caption(), label) << code;
    }
}

TEST_F(BACnetEngUnitTest, SelectPutsTheChosenCodeAndOKHandsItBack) {
    const TModalResult result = Show("62", [&] {
        Pick(16, 2);
        EXPECT_EQ(Window->E_Selected_EU->Text(), "181");
        EXPECT_EQ(Window->Label5->Caption(), "-> degrees-Kelvin-per-hour");
        Pick(22, 29);
        Window->SetModalResult(mrOk);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(Window->E_Selected_EU->Text(), "207");
    EXPECT_EQ(Window->Label5->Caption(), "-> per-mille");
}

TEST_F(BACnetEngUnitTest, TypingDoesNotRenameAndCancelReportsCancel) {
    const TModalResult result = Show("abc", [&] {
        Window->E_Selected_EU->SetText("62");
        EXPECT_EQ(Window->Label5->Caption(), "-> unknown");
    });
    EXPECT_EQ(result, mrCancel);
}

TEST_F(BACnetEngUnitTest, TheChosenGroupStaysAndEachShowingStartsAtItsFirstUnit) {
    Show("0", [&] {
        EXPECT_EQ(Window->CB_Select_Type->Text(), "Acceleration");
        EXPECT_EQ(Window->CB_Select_Unit->Text(), "meters-per-second-per-second");
        Pick(12, 3);
    });
    Show("0", [&] {
        EXPECT_EQ(Window->CB_Select_Type->Text(), "Mass");
        EXPECT_EQ(Window->CB_Select_Unit->Items()->Count(), 5);
        EXPECT_EQ(Window->CB_Select_Unit->Text(), "milligrams");
    });
}

TEST_F(BACnetEngUnitTest, SetLangGivesTheTexts) {
    EXPECT_EQ(Window->Caption(), "BACnet Engineering Unit");
    EXPECT_EQ(Window->Label1->Caption(), "Selected BACnet Engineering Unit");
    EXPECT_EQ(Window->Label2->Caption(), "Select a New BACnet Engineering Unit");
    EXPECT_EQ(Window->Label3->Caption(), "Select the Type");
    EXPECT_EQ(Window->Label4->Caption(), "Select Unit");
    EXPECT_EQ(Window->Btn_Select_Eng_Unit->Caption(), "Select Engineering Unit");
    EXPECT_EQ(Window->Btn_OK->Caption(), "OK");
    EXPECT_EQ(Window->Btn_Cancel->Caption(), "Cancel");
    EXPECT_EQ(Window->CB_Select_Type->Items()->Count(), 23);
}

} // namespace
