// The station name is the user's text: the description stays well-formed XML whatever it holds,
// also characters that XML cannot carry.
#include "protocols/descriptionfiles/UProfinetXML.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

TEST(GsdmlStationNameCharacters, TheDescriptionStaysWellFormed) {
    if (std::system("command -v xmllint >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "xmllint is not installed";
    struct Case {
        const char* Name;
        std::string StationName;
    };
    const Case cases[] = {
        {"noncharacter U+FFFE", "Tank\xEF\xBF\xBE" "1"},
        {"noncharacter U+FFFF", "Tank\xEF\xBF\xBF" "1"},
        {"ill-formed UTF-8", "Tank\xC3" "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TTempFolder temp;
        const std::string out = temp.File("station.xml");
        // The name as the general parameters window stores it.
        const std::string parGen =
            temp.Write("ParGen.xml", "<Par_Gen><PROFINET_NAME_STA>" + c.StationName +
                                         "</PROFINET_NAME_STA></Par_Gen>");
        ProfinetXML_Write(out, parGen);
        EXPECT_EQ(std::system(("xmllint --noout '" + out + "' 2>/dev/null").c_str()), 0);
    }
}

} // namespace
