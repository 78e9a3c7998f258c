#include "protocols/descriptionfiles/USNMP_MIB.h"

#include "app/core/TableFile.h"
#include "platform/core/Exception.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"
#include "platform/core/Utf8.h"
#include "protocols/descriptionfiles/DescriptionFiles.h"

#include <set>

namespace {

constexpr size_t Smi_Identifier_Limit = 64;

std::vector<TMibEntry> Read_Section(const TXMLDocument& xml, std::string_view section,
                                    const std::string& file) {
    if (Table_File_Rows(xml, section).IsNull())
        throw Exception("The SNMP trap table \"" + file + "\" has no section \"" +
                        std::string(section) + "\"");
    std::vector<TMibEntry> entries;
    for (const TTableFileRow& row :
         Read_Table_File_Rows(xml, section, {"Enable", "Description", "Type"}, SIZE_MAX)) {
        if (!Is_Ticked_Text(row[0].value_or("")))
            continue;
        if (entries.size() == MIB_Max_Entries)
            break;
        entries.push_back({row[1].value_or(""), UpperCase(row[2].value_or("")) == "INT"});
    }
    return entries;
}

// Latin letters as their usual ASCII spelling; other characters beyond ASCII as '?'.
std::string Ascii_Transliteration(std::string_view utf8) {
    // U+00C0 .. U+00FF in order.
    static const char* const Latin1Letters[64] = {
        "A", "A", "A", "A", "Ae", "A", "AE", "C", "E", "E", "E", "E", "I",  "I", "I",  "I",
        "D", "N", "O", "O", "O",  "O", "Oe", "x", "O", "U", "U", "U", "Ue", "Y", "Th", "ss",
        "a", "a", "a", "a", "ae", "a", "ae", "c", "e", "e", "e", "e", "i",  "i", "i",  "i",
        "d", "n", "o", "o", "o",  "o", "oe", "/", "o", "u", "u", "u", "ue", "y", "th", "y"};
    std::string ascii;
    for (char32_t c : Utf8ToUtf32(utf8)) {
        if (c < 0x80)
            ascii += static_cast<char>(c);
        else if (c >= 0xC0 && c <= 0xFF)
            ascii += Latin1Letters[c - 0xC0];
        else
            ascii += '?';
    }
    return ascii;
}

// A description stands between double quotes, which hold ASCII only and none of their own.
std::string Quoted(std::string_view text) {
    return "\"" + ReplaceAll(Ascii_Transliteration(text), "\"", "'") + "\"";
}

// Names SMI and its base modules define themselves: a module may not define them again, nor a
// name that differs from one of them only in case.
constexpr const char* Smi_Defined_Names[] = {"iso",
                                             "ccitt",
                                             "joint-iso-ccitt",
                                             "org",
                                             "dod",
                                             "internet",
                                             "directory",
                                             "mgmt",
                                             "mib-2",
                                             "transmission",
                                             "experimental",
                                             "private",
                                             "enterprises",
                                             "security",
                                             "snmpV2",
                                             "snmpDomains",
                                             "snmpProxys",
                                             "snmpModules",
                                             "zeroDotZero",
                                             "Integer32",
                                             "Unsigned32",
                                             "Counter32",
                                             "Counter64",
                                             "Gauge32",
                                             "TimeTicks",
                                             "IpAddress",
                                             "Opaque",
                                             "ObjectName",
                                             "NotificationName",
                                             "ObjectSyntax",
                                             "SimpleSyntax",
                                             "ApplicationSyntax",
                                             "ExtUTCTime",
                                             "MODULE-IDENTITY",
                                             "OBJECT-IDENTITY",
                                             "OBJECT-TYPE",
                                             "NOTIFICATION-TYPE",
                                             "TEXTUAL-CONVENTION",
                                             "OBJECT-GROUP",
                                             "NOTIFICATION-GROUP",
                                             "MODULE-COMPLIANCE",
                                             "AGENT-CAPABILITIES",
                                             "DisplayString",
                                             "PhysAddress",
                                             "MacAddress",
                                             "TruthValue",
                                             "TestAndIncr",
                                             "AutonomousType",
                                             "InstancePointer",
                                             "VariablePointer",
                                             "RowPointer",
                                             "RowStatus",
                                             "TimeStamp",
                                             "TimeInterval",
                                             "DateAndTime",
                                             "StorageType",
                                             "TDomain",
                                             "TAddress"};

// Object names must be unique within the module and must not redefine an imported name; MIB
// checkers also refuse two names that differ only in case. A description that gives no usable
// name, or one already taken, falls back to the entry's numbered name.
class TMibNames {
public:
    TMibNames() {
        for (const char* fixed : {"identity", "quorvel", "gateway", "application", "data",
                                  "hellostring", "countin", "countout", "bufferin", "bufferinval",
                                  "bufferout", "bufferoutval", "traps", "trapsval"})
            Reserve(fixed);
        for (const char* defined : Smi_Defined_Names)
            Reserve(defined);
        for (int k = 1; k <= 8; ++k) {
            Reserve("bufferinblk" + IntToStr(k));
            Reserve("bufferoutblk" + IntToStr(k));
        }
    }

    // A name given by the writer whatever the descriptions say.
    void Reserve(const std::string& name) { FTaken.insert(LowerCase(name)); }

    std::string Name(const std::string& description, const std::string& numbered) {
        std::string name = MIB_Identifier(Ascii_Transliteration(description));
        if (name.empty() || Taken(name))
            name = numbered;
        while (Taken(name))
            name += "x";
        Reserve(name);
        return name;
    }

private:
    bool Taken(const std::string& name) const { return FTaken.count(LowerCase(name)) != 0; }

    std::set<std::string> FTaken; // lower case
};

// Returns the names given to the entries.
std::vector<std::string> Add_Entries(std::vector<std::string>& lines,
                                     const std::vector<TMibEntry>& entries, TMibNames& names,
                                     std::string_view parent, std::string_view access) {
    std::vector<std::string> given;
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::string n = IntToStr(i + 1);
        const TMibEntry& e = entries[i];
        given.push_back(names.Name(e.Description, std::string(parent) + n));
        lines.push_back(given.back() + " OBJECT-TYPE SYNTAX " +
                        (e.Is_Int ? "INTEGER" : "OCTET STRING") + " MAX-ACCESS " +
                        std::string(access) + " STATUS current DESCRIPTION " +
                        Quoted(e.Description) + " ::= { " + std::string(parent) + " " + n + " }");
    }
    return given;
}

void Add_Blocks(std::vector<std::string>& lines, std::string_view node, std::string_view access) {
    for (int k = 1; k <= 8; ++k)
        lines.push_back(std::string(node) + "blk" + IntToStr(k) +
                        " OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS " + std::string(access) +
                        " STATUS current DESCRIPTION \"data block n." + IntToStr(k) + "\" ::= { " +
                        std::string(node) + " " + IntToStr(k) + " }");
}

} // namespace

TMibEntries MIB_Read_Traps(const std::string& snmpTrapFile) {
    TMibEntries entries;
    TXMLDocument xml;
    if (!Load_Table_File(snmpTrapFile, xml))
        return entries;
    entries.Read = Read_Section(xml, "SNMP_Trap_Read", snmpTrapFile);
    entries.Write = Read_Section(xml, "SNMP_Trap_Write", snmpTrapFile);
    return entries;
}

std::string MIB_Identifier(std::string_view text) {
    std::string name;
    for (char c : text) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool digit = c >= '0' && c <= '9';
        if (name.empty()) {
            if (letter)
                name += static_cast<char>(c >= 'a' ? c : c - 'A' + 'a');
        } else if (letter || digit) {
            name += c;
        } else if (name.back() != '-') {
            name += '-';
        }
    }
    if (name.size() > Smi_Identifier_Limit)
        name.resize(Smi_Identifier_Limit);
    while (!name.empty() && name.back() == '-')
        name.pop_back();
    return name;
}

std::vector<std::string> MIB_Lines(const TMibEntries& entries) {
    std::vector<std::string> lines = {
        "GATEWAY DEFINITIONS ::= BEGIN",
        "IMPORTS",
        "       MODULE-IDENTITY,OBJECT-TYPE,NOTIFICATION-TYPE,enterprises",
        "         FROM SNMPv2-SMI",
        "         DisplayString, TimeStamp",
        "         FROM SNMPv2-TC;",
        "",
        "identity MODULE-IDENTITY",
        "    LAST-UPDATED \"201701310000Z\"",
        "    ORGANIZATION \"QuorvelCo\"",
        "    CONTACT-INFO",
        "\t \"QuorvelCo, Industrial Street 1",
        "    00100 Velmaro",
        "    Europe",
        "    support@quorvel.example\"",
        "    DESCRIPTION",
        "\t\"MIB objects for agent module \"",
        "    REVISION     \"201701310000Z\"",
        "    DESCRIPTION",
        "\t\"Corrected notification \"",
        "    REVISION     \"200202060000Z\"",
        "    DESCRIPTION",
        "\t\"First draft\"",
        "    ::= { quorvel 2 }",
        "quorvel          OBJECT IDENTIFIER ::= { enterprises 57281 }",
        "gateway OBJECT IDENTIFIER::= { quorvel 1 }",
        "application OBJECT IDENTIFIER::= { gateway 1 }",
        "data OBJECT IDENTIFIER::= { application 1 }",
        "hellostring OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only  STATUS current  "
        "DESCRIPTION \"\" ::= { data 1}",
        "countin  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-only  STATUS current  "
        "DESCRIPTION \"\" ::= { data 2}",
        "countout  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-write STATUS current  "
        "DESCRIPTION \"\" ::= { data 3}",
        "bufferin OBJECT IDENTIFIER::= { data 4 }"};
    TMibNames names;
    // Every notification is named trapvalN: no object may take one of those names.
    for (size_t i = 0; i < entries.Read.size(); ++i)
        names.Reserve("trapval" + IntToStr(i + 1));
    Add_Blocks(lines, "bufferin", "read-only");
    lines.push_back(" bufferinval OBJECT IDENTIFIER::= { bufferin 9 }");
    const std::vector<std::string> readNames =
        Add_Entries(lines, entries.Read, names, "bufferinval", "read-only");
    lines.push_back("bufferout OBJECT IDENTIFIER::= { data 5 }");
    Add_Blocks(lines, "bufferout", "read-write");
    lines.push_back(" bufferoutval OBJECT IDENTIFIER::= { bufferout 9 }");
    Add_Entries(lines, entries.Write, names, "bufferoutval", "read-write");
    lines.push_back("traps OBJECT IDENTIFIER::= { application 2 }");
    lines.push_back(" trapsval OBJECT IDENTIFIER::= { traps 1 }");
    // A notification names the object it reports; SMIv2 gives it no syntax of its own.
    for (size_t i = 0; i < readNames.size(); ++i) {
        const std::string n = IntToStr(i + 1);
        lines.push_back("trapval" + n + " NOTIFICATION-TYPE OBJECTS { " + readNames[i] +
                        " } STATUS current DESCRIPTION " + Quoted(entries.Read[i].Description) +
                        " ::= { trapsval " + n + " }");
    }
    lines.push_back("END");
    return lines;
}

void MIB_Write(const std::string& path, const TMibEntries& entries) {
    Write_Ansi_Lines(path, MIB_Lines(entries));
}
