#pragma once

#include <string>
#include <string_view>
#include <vector>

// The SNMP MIB module of the SNMP gateway: a fixed tree under the vendor's enterprise node, one
// object per enabled read and write value of the SNMP trap tables and one notification per
// enabled read value.

struct TMibEntry {
    std::string Description;
    bool Is_Int = false; // INTEGER, else OCTET STRING
};

struct TMibEntries {
    std::vector<TMibEntry> Read;  // at most MIB_Max_Entries
    std::vector<TMibEntry> Write; // at most MIB_Max_Entries
};

inline constexpr size_t MIB_Max_Entries = 256;

// The enabled rows of both sections of the SNMP trap table file; none when the file does not
// exist. A file without one of the sections throws Exception naming it.
TMibEntries MIB_Read_Traps(const std::string& snmpTrapFile);

// A text as an SMI identifier: a lower-case letter first, then letters, digits and single
// hyphens, at most 64 characters, not ending in a hyphen; empty when nothing of it is usable.
std::string MIB_Identifier(std::string_view text);

std::vector<std::string> MIB_Lines(const TMibEntries& entries);

// Writes the module to `path` in the ANSI code page with CR LF, atomically. Throws EFileError
// naming the file when it cannot be written.
void MIB_Write(const std::string& path, const TMibEntries& entries);
