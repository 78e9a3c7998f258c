// Whatever a user writes as a trap description, the module passes smilint: descriptions that
// spell a name SMI itself defines, or that hold characters beyond ASCII.
#include "protocols/descriptionfiles/USNMP_MIB.h"

#include "support/TempFolder.h"

#include "platform/core/Files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

const std::string StandInMibs =
    std::string(VELMARO_FIXTURES) + "/protocols/descriptionfiles/mibs";

bool HaveSmilint() {
    return std::system("command -v smilint >/dev/null 2>&1") == 0;
}

// smilint's report on the module at the given level, with the severity of each line.
std::string SmilintReport(const std::string& mib, int level) {
    TTempFolder temp;
    const std::string report = temp.File("report.txt");
    const std::string command = "SMIPATH='" + StandInMibs + "' smilint -s -l " +
                                std::to_string(level) + " '" + mib + "' >'" + report + "' 2>&1";
    std::system(command.c_str());
    return ReadFileBytes(report);
}

// The lines of a report that say a name is defined twice.
std::string Redefinitions(const std::string& report) {
    std::string found;
    size_t start = 0;
    while (start < report.size()) {
        size_t end = report.find('\n', start);
        if (end == std::string::npos)
            end = report.size();
        const std::string line = report.substr(start, end - start);
        if (line.find("redefinition") != std::string::npos ||
            line.find("only in case") != std::string::npos)
            found += line + "\n";
        start = end + 1;
    }
    return found;
}

TEST(MibDescriptionsSmilint, NamesSmiDefinesItselfAreNotTakenAgain) {
    if (!HaveSmilint())
        GTEST_SKIP() << "smilint is not installed";
    TTempFolder temp;
    // Each description spells an identifier that SMI or its base module already defines.
    const std::string traps = temp.Write(
        "SNMP_Trap.xml", "<SNMP_Trap><SNMP_Trap_Read>"
                         "<row Enable=\"Y\" Type=\"Int\" Description=\"iso\"/>"
                         "<row Enable=\"Y\" Type=\"Int\" Description=\"ccitt\"/>"
                         "<row Enable=\"Y\" Type=\"Int\" Description=\"joint-iso-ccitt\"/>"
                         "<row Enable=\"Y\" Type=\"Int\" Description=\"internet\"/>"
                         "</SNMP_Trap_Read><SNMP_Trap_Write>"
                         "<row Enable=\"Y\" Type=\"Int\" Description=\"Integer32\"/>"
                         "<row Enable=\"Y\" Type=\"Int\" Description=\"Counter32\"/>"
                         "</SNMP_Trap_Write></SNMP_Trap>");
    const std::string mib = temp.File("GATEWAY");
    MIB_Write(mib, MIB_Read_Traps(traps));
    EXPECT_EQ(Redefinitions(SmilintReport(mib, 6)), "");
}

TEST(MibDescriptionsSmilint, DescriptionsBeyondAsciiKeepTheModuleValid) {
    if (!HaveSmilint())
        GTEST_SKIP() << "smilint is not installed";
    TTempFolder temp;
    const std::string traps = temp.Write(
        "SNMP_Trap.xml", "<SNMP_Trap><SNMP_Trap_Read>"
                         "<row Enable=\"Y\" Type=\"Int\" Description=\"Tank \xC3\x9C level\"/>"
                         "<row Enable=\"Y\" Type=\"Str\" Description=\"Temperatur \xC2\xB0" "C\"/>"
                         "</SNMP_Trap_Read><SNMP_Trap_Write>"
                         "<row Enable=\"Y\" Type=\"Int\" Description=\"Dr\xC3\xBC" "cke\"/>"
                         "</SNMP_Trap_Write></SNMP_Trap>");
    const std::string mib = temp.File("GATEWAY");
    MIB_Write(mib, MIB_Read_Traps(traps));
    EXPECT_EQ(SmilintReport(mib, 3), "");
}

} // namespace
