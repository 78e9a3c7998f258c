#include "app/windows/HART_Scan_Texts.h"

#include "app/core/AppState.h"
#include "app/core/ULanguage.h"

#include <gtest/gtest.h>

namespace {

TEST(HART_Scan_TextsTest, TheScanTextsAreTakenFromTheLanguageList) {
    struct Case {
        int Index;
        std::string THART_Scan_Texts::*Text;
    };
    const Case cases[] = {
        {1624, &THART_Scan_Texts::Init_Scan},          {1625, &THART_Scan_Texts::Search_Started},
        {1626, &THART_Scan_Texts::Error_Search_Start}, {1627, &THART_Scan_Texts::Search_Finished},
        {1636, &THART_Scan_Texts::Still_Searching},    {1637, &THART_Scan_Texts::Error_Status},
        {1638, &THART_Scan_Texts::Reading_Device},     {1639, &THART_Scan_Texts::Error_Read},
        {1640, &THART_Scan_Texts::Scan_Done},          {1641, &THART_Scan_Texts::Scan_Failed},
        {1644, &THART_Scan_Texts::Devices_Cut_Short},  {1645, &THART_Scan_Texts::Invalid_Address},
    };
    EXPECT_EQ(HART_Scan_Texts().Init_Scan, "Init Scan - Waiting...");
    for (const Case& c : cases)
        AppState().Language_List[c.Index] = "text " + std::to_string(c.Index);
    const THART_Scan_Texts texts = HART_Scan_Texts();
    Load_Default_Language();
    for (const Case& c : cases)
        EXPECT_EQ(texts.*c.Text, "text " + std::to_string(c.Index));
    EXPECT_EQ(HART_Scan_Texts().Devices_Cut_Short, " - only the first %d of %d devices were read");
}

} // namespace
