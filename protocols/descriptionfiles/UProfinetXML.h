#pragma once

#include <string>
#include <string_view>
#include <vector>

// The PROFINET device description (GSDML, schema V2.25) of the PROFINET gateway: one IO device
// with one module whose input and output lengths are general parameters.

struct TProfinetParameters {
    int PROFINET_In_Length = 512;
    int PROFINET_Out_Length = 512;
    std::string PROFINET_Station_Name = "SERIAL";
};

// "PROFINET_NB_IN", "PROFINET_NB_OUT" and "PROFINET_NAME_STA" of the general parameters file;
// each one missing, not a number or blank takes its default. A file that is not well-formed XML
// throws Exception naming it.
TProfinetParameters ProfinetXML_Read_ParGen(const std::string& parGenFile);

// The station name as a DNS-compatible name: lower-case letters, digits and '-', blanks
// becoming '-', outer blanks dropped, any other character left out; "serial" when nothing is
// left.
std::string Profinet_DNS_Name(std::string_view stationName);

// The first part of every description's file name.
inline constexpr std::string_view Profinet_File_Fixed_Part = "GSDML-V2.25-Quorvel-";

// The last part of the file name: "-YYYYMMDD.xml".
std::string Profinet_Date_Part(int year, int month, int day);

// The composed file name: the fixed first part, the user part ('_' put before it unless it
// starts with one; a blank user part adds nothing) and the date part "-YYYYMMDD.xml".
std::string Profinet_File_Name(std::string_view userPart, int year, int month, int day);

std::vector<std::string> ProfinetXML_Lines(const TProfinetParameters& parameters);

// Reads the general parameters and writes the description to `path` in UTF-8 with a
// byte-order mark and CR LF, atomically. Throws EFileError when the file cannot be written.
void ProfinetXML_Write(const std::string& path, const std::string& parGenFile);
