#pragma once

#include <string>
#include <string_view>

// The PROFIBUS device description of the gateway: a fixed template in which only the data
// lengths, the module list and the slot list follow the configuration.
struct TGSD_Lengths {
    // What the gateway sends to the master ("PROFINET_NB_OUT") and what it receives from it
    // ("PROFINET_NB_IN").
    int Input_Length = 0;
    int Output_Length = 0;
};

// The two byte counts of a general parameters file, each 0 when missing or not an integer. A
// count outside 0 .. 244 throws Exception naming the element and the file, as does a file that is
// not well-formed XML.
TGSD_Lengths GSD_Read_Lengths(const std::string& parGenFile);

// The chosen name, with ".gsd" appended unless it already ends so in any letter case.
std::string GSD_File_Name(std::string_view chosen);

// The text of the description in UTF-8, each line ended by CR LF.
std::string GSD_Text(const TGSD_Lengths& lengths);

// Writes the description in the ANSI code page, replacing the file atomically. A length outside
// 0 .. 244 throws Exception and nothing is written; a file that cannot be written throws EFileError
// naming it.
void GSD_Write(const std::string& fileName, const TGSD_Lengths& lengths);

// The same with the lengths of the open configuration's "ParGen.xml". Without that file it throws
// Exception with the message of language slot 1104 and writes nothing.
void GSD_Write(const std::string& fileName);
