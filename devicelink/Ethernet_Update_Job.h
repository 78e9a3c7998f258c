#pragma once

#include <string>

class TXMLDocument;

// The choices of the update list: what the external updater loads into the device.
enum TUpdate_Option : int {
    Update_Firmware_And_Configuration = 0,
    Update_Firmware = 1,
    Update_Configuration = 2,
};

struct TEthernet_Update_Job {
    std::string IP_Address; // dotted, as it answered the ping
    int Update_Option_Index = Update_Firmware_And_Configuration;
    bool Read_Back = true;
    std::string Master_Dir;   // holds the firmware image and the web-page files
    std::string Project_Path; // holds bin/bank1.bin and bin/bank2.bin
};

// The name the external updater reads its job from, beside the program.
inline constexpr const char* Ethernet_Update_Job_File = "Ethernet_Update.xml";

// Replaces the whole document by the job file "Ethernet_Update".
void Compile_XML_Parameter_New_Boot(TXMLDocument& XML1, const TEthernet_Update_Job& job);

// Builds the job and writes it to `path`, replacing an existing file. Throws EFileError when it
// can not be written; a failed write leaves the previous file intact.
void Save_Ethernet_Update_Job(const TEthernet_Update_Job& job, const std::string& path);
