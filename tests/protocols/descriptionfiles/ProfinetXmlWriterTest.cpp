#include "protocols/descriptionfiles/UProfinetXML.h"

#include "support/TempFolder.h"

#include "platform/core/Exception.h"
#include "platform/core/Files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

const std::string GsdmlFixtures = std::string(VELMARO_FIXTURES) + "/protocols/descriptionfiles/";

bool AnyLineHas(const std::vector<std::string>& lines, const std::string& part) {
    for (const std::string& line : lines)
        if (line.find(part) != std::string::npos)
            return true;
    return false;
}

TEST(ProfinetXmlWriter, WritesTheGoldenDescriptionWithBomAndCrLf) {
    TTempFolder temp;
    const std::string out = temp.File("out.xml");
    ProfinetXML_Write(out, GsdmlFixtures + "ParGen_Profinet.xml");
    const std::string bytes = ReadFileBytes(out);
    EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(bytes, ReadFileBytes(GsdmlFixtures + "golden_profinet.xml"));
}

TEST(ProfinetXmlWriter, LengthsComeCrossedFromTheGeneralParameters) {
    const auto p = ProfinetXML_Read_ParGen(GsdmlFixtures + "ParGen_Profinet.xml");
    const auto lines = ProfinetXML_Lines(p);
    EXPECT_TRUE(AnyLineHas(lines, "<Input><DataItem DataType=\"OctetString\" Length=\"200\""));
    EXPECT_TRUE(AnyLineHas(lines, "<Output><DataItem DataType=\"OctetString\" Length=\"100\""));
    EXPECT_TRUE(AnyLineHas(lines, "MaxInputLength=\"1440\" MaxOutputLength=\"1440\""));
}

TEST(ProfinetXmlWriter, StationNameIsEscapedAndKeptWhileTheDnsNameIsCompatible) {
    const auto p = ProfinetXML_Read_ParGen(GsdmlFixtures + "ParGen_Profinet.xml");
    EXPECT_EQ(p.PROFINET_Station_Name, " Tank & \"Pump\" 1 ");
    const auto lines = ProfinetXML_Lines(p);
    EXPECT_TRUE(AnyLineHas(lines, "ImplementationType=\" Tank &amp; &quot;Pump&quot; 1 \""));
    EXPECT_TRUE(AnyLineHas(lines, "DNS_CompatibleName=\"tank--pump-1\""));
}

TEST(ProfinetXmlWriter, DnsNameCases) {
    struct Case {
        const char* station;
        const char* dns;
    };
    for (const Case& c :
         {Case{"SERIAL", "serial"}, Case{"Line 2 Pump", "line-2-pump"}, Case{"  a-b  ", "a-b"},
          Case{"\xC3\x84<>&", "serial"}, Case{"io_dev.7", "iodev7"}})
        EXPECT_EQ(Profinet_DNS_Name(c.station), c.dns) << c.station;
}

TEST(ProfinetXmlWriter, DefaultsWithoutFileOrWithBlankAndNonNumericEntries) {
    TTempFolder temp;
    const auto none = ProfinetXML_Read_ParGen(temp.File("ParGen.xml"));
    EXPECT_EQ(none.PROFINET_In_Length, 512);
    EXPECT_EQ(none.PROFINET_Out_Length, 512);
    EXPECT_EQ(none.PROFINET_Station_Name, "SERIAL");
    const std::string file = temp.Write(
        "ParGen.xml", "<Par_Gen><PROFINET_NB_IN>x</PROFINET_NB_IN><PROFINET_NB_OUT>$20"
                      "</PROFINET_NB_OUT><PROFINET_NAME_STA>  </PROFINET_NAME_STA></Par_Gen>");
    const auto blank = ProfinetXML_Read_ParGen(file);
    EXPECT_EQ(blank.PROFINET_In_Length, 512);
    EXPECT_EQ(blank.PROFINET_Out_Length, 32);
    EXPECT_EQ(blank.PROFINET_Station_Name, "SERIAL");
}

TEST(ProfinetXmlWriter, FileNameJoinsFixedUserAndDateParts) {
    struct Case {
        const char* user;
        const char* name;
    };
    for (const Case& c : {Case{"", "GSDML-V2.25-Quorvel--20260108.xml"},
                          Case{"   ", "GSDML-V2.25-Quorvel--20260108.xml"},
                          Case{"Gateway1", "GSDML-V2.25-Quorvel-_Gateway1-20260108.xml"},
                          Case{"_Gateway", "GSDML-V2.25-Quorvel-_Gateway-20260108.xml"},
                          Case{" G ", "GSDML-V2.25-Quorvel-_ G -20260108.xml"}})
        EXPECT_EQ(Profinet_File_Name(c.user, 2026, 1, 8), c.name) << c.user;
}

TEST(ProfinetXmlWriter, PassesXmllint) {
    if (std::system("command -v xmllint >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "xmllint is not installed";
    TTempFolder temp;
    const std::string out = temp.File("out.xml");
    ProfinetXML_Write(out, GsdmlFixtures + "ParGen_Profinet.xml");
    EXPECT_EQ(std::system(("xmllint --noout '" + out + "'").c_str()), 0);
}

TEST(ProfinetXmlWriter, AFileThatCannotBeWrittenIsReported) {
    TTempFolder temp;
    EXPECT_THROW(ProfinetXML_Write(temp.File("missing/out.xml"), temp.File("ParGen.xml")),
                 Exception);
}

} // namespace
