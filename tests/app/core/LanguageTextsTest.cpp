#include "app/core/LanguageTexts.h"
#include "app/core/AppState.h"
#include "app/core/ULanguage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string Single_Blank = " ";

// The texts are read as the windows read them, through the application's language list; each
// test leaves the application state as it found it.
class LanguageTextsTest : public ::testing::Test {
protected:
    void SetUp() override { Load_Default_Strings(); }
    void TearDown() override { State = Saved; }

    TAppState& State = AppState();
    const TAppState Saved = AppState();
};

TEST_F(LanguageTextsTest, EverySlotHoldsATextOrASingleBlank) {
    ASSERT_EQ(State.Language_List.Count(), Language_Slot_Count);
    for (int slot = 0; slot < Language_Slot_Count; ++slot)
        EXPECT_FALSE(Lang_Str(slot).empty()) << "slot " << slot;
}

TEST_F(LanguageTextsTest, SpotChecksAcrossTheBlocks) {
    struct SlotText {
        int Slot;
        std::string Text;
    };
    const std::vector<SlotText> cases = {
        {0, "Begin"},
        {8, "Step 8"},
        {9, "None Configuration Opened "},
        {11, "Opened Configuration of the Converter : "},
        {18, "Error! Project not Valid"},
        {39, Single_Blank},
        {106, "Error! Name project is not valid because directory already exists"},
        {202, "List of Avaliable Configurations"},
        {304, "Selected Language : "},
        {305, "Page "},
        {306, " / "},
        {316, "Do you want to change the Language from "},
        {317, " to "},
        {318, "?"},
        {406, "HART Master"},
        {467, "Select the Wi-Fi Type"},
        {800, Single_Blank},
        {540, "11"},
        {804, "Error Ethernet!! IP Address 4 must be between 0 and 255"},
        {882, "Error PROFIBUS!! Number Bytes OutPut must be between 0 and 244"},
        {917, "Insert the Password to access of Web Pages"},
        {1000, "Set HART Gateway"},
        {1099, Single_Blank},
        {1101, "Error in the Copy values!!! Copy a valid row before Paste it"},
        {1105, "File already exists. Do you want to overwrite?"},
        {1219, "Var/Cmd Number"},
        {1237, "Error row "},
        {1246, "!! Position Must be Between 0 and "},
        {1248, "Are you sure to delete the Row number "},
        {1250, "TimeOut"},
        {1502, "Update Device by Ethernet (UDP)"},
        {1536, "Device Not Found!"},
        {1537, "Error!!! Check the Ip Address"},
        {1624, "Init Scan - Waiting..."},
        {1625, "Devices Search Started - Devices Found %d - Waiting..."},
        {1641, "Search Finish with Errors"},
        {2799, Single_Blank},
    };
    for (const SlotText& c : cases)
        EXPECT_EQ(Lang_Str(c.Slot), c.Text) << "slot " << c.Slot;
}

// The scan worker puts the number where "%d" stands; the other status texts carry no number.
TEST_F(LanguageTextsTest, OnlyTheScanStatusTextsWithANumberHoldItsPlace) {
    struct StatusText {
        int Slot;
        size_t Places;
    };
    const std::vector<StatusText> cases = {
        {1624, 0}, {1625, 1}, {1626, 0}, {1627, 1}, {1636, 1},
        {1637, 0}, {1638, 1}, {1639, 0}, {1640, 0}, {1641, 0},
    };
    for (const StatusText& c : cases) {
        const std::string text = Lang_Str(c.Slot);
        size_t places = 0;
        for (size_t at = text.find("%d"); at != std::string::npos; at = text.find("%d", at + 2))
            ++places;
        EXPECT_EQ(places, c.Places) << "slot " << c.Slot;
    }
}

// The captions of the buttons and windows that this build shows, and the titles of its panels.
TEST_F(LanguageTextsTest, EveryVisibleCaptionHasAText) {
    const std::vector<int> slots = {
        0,    1,    5,    15,   16,   17,   20,   27,   53,   100,  103,  104,  200,
        203,  204,  300,  302,  303,  307,  308,  312,  313,  319,  400,  402,  403,
        406,  438,  677,  913,  1200, 1202, 1203, 1204, 1205, 1206, 1207, 1214, 1225,
        1250, 1502, 1519, 1520, 1600, 1615, 1617, 1619, 1621, 1623, 1628, 1635, 1642};
    for (int slot : slots)
        EXPECT_NE(Lang_Str(slot), Single_Blank) << "slot " << slot;
}

TEST_F(LanguageTextsTest, LangStrReadsTheSlotOfTheLanguageList) {
    State.Language_List[12] = "Informazioni";
    EXPECT_EQ(Lang_Str(12), "Informazioni");
    EXPECT_EQ(Lang_Str(13), "Options");
}

TEST_F(LanguageTextsTest, LangStrOfAnIndexOutsideTheListIsEmpty) {
    for (int index : {-1, Language_Slot_Count, 100000})
        EXPECT_EQ(Lang_Str(index), "") << index;
}

TEST_F(LanguageTextsTest, AListNeverFilledGetsTheBuiltInTexts) {
    State.Language_List.Clear();
    EXPECT_EQ(Lang_Str(10), "Use Step1 to open or create new configuration");
    EXPECT_EQ(State.Language_List.Count(), Language_Slot_Count);
}

TEST_F(LanguageTextsTest, LoadingTheDefaultsReplacesEverythingAndResetsTheCount) {
    State.Language_List.Clear();
    State.Language_List.Add("left over");
    State.Language_Count = 1;
    Load_Default_Language();
    EXPECT_EQ(State.Language_Count, Language_Slot_Count);
    EXPECT_EQ(State.Language_List.Count(), Language_Slot_Count);
    EXPECT_EQ(Lang_Str(0), "Begin");
}

} // namespace
