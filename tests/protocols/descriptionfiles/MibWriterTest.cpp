#include "protocols/descriptionfiles/USNMP_MIB.h"

#include "support/TempFolder.h"

#include "platform/core/Exception.h"
#include "platform/core/Files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

const std::string MibFixtures = std::string(VELMARO_FIXTURES) + "/protocols/descriptionfiles/";

bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(MibWriter, WritesTheGoldenModule) {
    TTempFolder temp;
    const std::string out = temp.File("gateway.mib");
    MIB_Write(out, MIB_Read_Traps(MibFixtures + "SNMP_Trap.xml"));
    EXPECT_EQ(ReadFileBytes(out), ReadFileBytes(MibFixtures + "golden.mib"));
}

TEST(MibWriter, EnabledRowsBecomeObjectsAndNotifications) {
    const TMibEntries entries = MIB_Read_Traps(MibFixtures + "SNMP_Trap.xml");
    ASSERT_EQ(entries.Read.size(), 4u);
    ASSERT_EQ(entries.Write.size(), 1u);
    const auto lines = MIB_Lines(entries);
    EXPECT_TRUE(HasLine(lines, "temp1 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS "
                               "current DESCRIPTION \"temp1\" ::= { bufferinval 1 }"));
    EXPECT_TRUE(HasLine(lines, "bufferinval2 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS "
                               "read-only STATUS current DESCRIPTION \"\" ::= { bufferinval 2 }"));
    EXPECT_TRUE(HasLine(lines, "setpoint OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-write "
                               "STATUS current DESCRIPTION \"9setpoint\" ::= { bufferoutval 1 }"));
    EXPECT_TRUE(HasLine(lines, "trapval2 NOTIFICATION-TYPE OBJECTS { bufferinval2 } STATUS "
                               "current DESCRIPTION \"\" ::= { trapsval 2 }"));
}

TEST(MibWriter, NamesAreValidUniqueSmiIdentifiers) {
    struct Case {
        const char* text;
        const char* name;
    };
    for (const Case& c :
         {Case{"temp1", "temp1"}, Case{"Tank \"2\" level", "tank-2-level"},
          Case{"9setpoint", "setpoint"}, Case{"a__b-", "a-b"}, Case{"12", ""}, Case{"x", "x"}})
        EXPECT_EQ(MIB_Identifier(c.text), c.name) << c.text;
    EXPECT_EQ(MIB_Identifier(std::string(80, 'a')).size(), 64u);
    const auto lines = MIB_Lines(MIB_Read_Traps(MibFixtures + "SNMP_Trap.xml"));
    EXPECT_TRUE(HasLine(lines,
                        "bufferinval4 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS "
                        "read-only STATUS current DESCRIPTION \"temp1\" ::= { bufferinval 4 }"))
        << "a repeated name falls back to the numbered one";
}

TEST(MibWriter, WithoutTrapFileOnlyTheFixedTreeIsWritten) {
    TTempFolder temp;
    const auto lines = MIB_Lines(MIB_Read_Traps(temp.File("SNMP_Trap.xml")));
    EXPECT_EQ(lines.size(), 41u + 1u + 8u + 1u + 2u + 1u);
    EXPECT_EQ(lines.back(), "END");
}

TEST(MibWriter, AFileWithoutASectionIsRefused) {
    TTempFolder temp;
    const std::string file =
        temp.Write("SNMP_Trap.xml", "<SNMP_Trap><SNMP_Trap_Read/></SNMP_Trap>");
    EXPECT_THROW(MIB_Read_Traps(file), Exception);
}

TEST(MibWriter, AFileThatCannotBeWrittenIsReported) {
    TTempFolder temp;
    EXPECT_THROW(MIB_Write(temp.File("missing/gateway.mib"), {}), EFileError);
}

// smilint reports on the module alone; the SNMPv2 base modules it imports come from small
// stand-ins in the fixtures, since the real ones are not packaged freely.
std::string Smilint(const std::string& mib) {
    TTempFolder temp;
    const std::string report = temp.File("report.txt");
    const std::string command =
        "SMIPATH='" + MibFixtures + "mibs' smilint -l 3 '" + mib + "' >'" + report + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return ReadFileBytes(report);
}

TEST(MibWriter, PassesSmilint) {
    if (std::system("command -v smilint >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "smilint is not installed";
    TTempFolder temp;
    const std::string out = temp.File("GATEWAY");
    MIB_Write(out, MIB_Read_Traps(MibFixtures + "SNMP_Trap.xml"));
    EXPECT_EQ(Smilint(out), "");
}

// A description may spell the name of a notification: the notifications keep their names, and
// the object falls back to its numbered one. The Enable cell is read as the window reads it.
TEST(MibWriter, ADescriptionNamedLikeANotificationDefinesNothingTwice) {
    TTempFolder temp;
    const std::string traps =
        temp.Write("SNMP_Trap.xml", "<SNMP_Trap><SNMP_Trap_Read>"
                                    "<row Enable=\" Y \" Type=\"Int\" Description=\"trapval2\"/>"
                                    "<row Enable=\"Y\" Type=\"Int\" Description=\"trapval1\"/>"
                                    "<row Enable=\"Y\" Type=\"Int\" Description=\"enterprises\"/>"
                                    "<row Enable=\"Y\" Type=\"Int\" Description=\"TrapVal1\"/>"
                                    "</SNMP_Trap_Read><SNMP_Trap_Write>"
                                    "<row Enable=\"Y\" Type=\"Int\" Description=\"trapval1\"/>"
                                    "</SNMP_Trap_Write></SNMP_Trap>");
    const TMibEntries entries = MIB_Read_Traps(traps);
    ASSERT_EQ(entries.Read.size(), 4u);
    const auto lines = MIB_Lines(entries);
    // An imported name, and a name that differs from a notification's only in case, are taken.
    EXPECT_TRUE(HasLine(lines, "bufferinval3 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only "
                               "STATUS current DESCRIPTION \"enterprises\" ::= { bufferinval 3 }"));
    EXPECT_TRUE(HasLine(lines, "bufferinval4 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only "
                               "STATUS current DESCRIPTION \"TrapVal1\" ::= { bufferinval 4 }"));
    EXPECT_TRUE(HasLine(lines, "bufferinval1 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only "
                               "STATUS current DESCRIPTION \"trapval2\" ::= { bufferinval 1 }"));
    EXPECT_TRUE(HasLine(lines, "trapval1 NOTIFICATION-TYPE OBJECTS { bufferinval1 } STATUS "
                               "current DESCRIPTION \"trapval2\" ::= { trapsval 1 }"));
    EXPECT_TRUE(HasLine(lines, "bufferoutval1 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-write "
                               "STATUS current DESCRIPTION \"trapval1\" ::= { bufferoutval 1 }"));
    if (std::system("command -v smilint >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "smilint is not installed";
    const std::string out = temp.File("GATEWAY");
    MIB_Write(out, entries);
    EXPECT_EQ(Smilint(out), "");
}

// Letters beyond ASCII keep their usual ASCII spelling in names and descriptions; other
// characters beyond ASCII become '?' in a description and separate the words of a name.
TEST(MibWriter, DescriptionsBeyondAsciiAreSpelledInAscii) {
    TTempFolder temp;
    const std::string traps =
        temp.Write("SNMP_Trap.xml",
                   "<SNMP_Trap><SNMP_Trap_Read>"
                   "<row Enable=\"Y\" Type=\"Int\" Description=\"Dr\xC3\xBC"
                   "cke\"/>"
                   "<row Enable=\"Y\" Type=\"Str\" Description=\"Temperatur \xC2\xB0"
                   "C\"/>"
                   "<row Enable=\"Y\" Type=\"Int\" Description=\"\xC3\x86quator \xE2\x82\xAC\"/>"
                   "</SNMP_Trap_Read><SNMP_Trap_Write/></SNMP_Trap>");
    const auto lines = MIB_Lines(MIB_Read_Traps(traps));
    EXPECT_TRUE(HasLine(lines, "druecke OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS "
                               "current DESCRIPTION \"Druecke\" ::= { bufferinval 1 }"));
    EXPECT_TRUE(HasLine(lines,
                        "temperatur-C OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only "
                        "STATUS current DESCRIPTION \"Temperatur ?C\" ::= { bufferinval 2 }"));
    EXPECT_TRUE(HasLine(lines, "aEquator OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS "
                               "current DESCRIPTION \"AEquator ?\" ::= { bufferinval 3 }"));
    EXPECT_TRUE(HasLine(lines, "trapval2 NOTIFICATION-TYPE OBJECTS { temperatur-C } STATUS "
                               "current DESCRIPTION \"Temperatur ?C\" ::= { trapsval 2 }"));
}

} // namespace
