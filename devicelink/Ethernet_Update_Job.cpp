#include "devicelink/Ethernet_Update_Job.h"

#include "platform/core/Files.h"
#include "platform/xml/XmlDocument.h"

#include <initializer_list>
#include <utility>

namespace {

// What differs between the four load operations; every other child is fixed.
struct TLoad_Operation {
    std::string FileName;
    const char* Start_Address;
    const char* Bank_Type;
    const char* Write_CSS;
    bool Last;
};

void Add_Texts(TXmlNode parent,
               std::initializer_list<std::pair<const char*, std::string_view>> elements) {
    for (const auto& [name, text] : elements)
        parent.AddChild(name).SetText(text);
}

void Add_Operation(TXmlNode operations, const TLoad_Operation& load, bool readBack) {
    Add_Texts(operations.AddChild("Operation"), {{"Ope_Protection_Enabled", ""},
                                                 {"Ope_GoToBoot_Before", "0"},
                                                 {"Ope_GoToApp_Before", "0"},
                                                 {"Ope_IP_Address", ""},
                                                 {"Ope_Port", "2008"},
                                                 {"Ope_Port_Sec", "2007"},
                                                 {"Ope_Erase_Memory", "0"},
                                                 {"Ope_FileName", load.FileName},
                                                 {"Ope_Start_Address", load.Start_Address},
                                                 {"Ope_Memory_Type", "0"},
                                                 {"Ope_Bank_Type", load.Bank_Type},
                                                 {"Ope_Read_Back", readBack ? "1" : "0"},
                                                 {"Ope_Write_CSS", load.Write_CSS},
                                                 {"Ope_Address_CSS", "0x07A00"},
                                                 {"Ope_Command_CSS", "0x02"},
                                                 {"Ope_Write_Internal_Data", "0"},
                                                 {"Ope_WID_Address", "0x07810"},
                                                 {"Ope_WID_Command", "0x02"},
                                                 {"Ope_WID_Data", "0x00, 0x00, 0x00, 0x01"},
                                                 {"Ope_GoToApp_After", load.Last ? "1" : "0"}});
}

} // namespace

void Compile_XML_Parameter_New_Boot(TXMLDocument& XML1, const TEthernet_Update_Job& job) {
    XML1.Clear();
    TXmlNode root = XML1.CreateRoot("Ethernet_Update");
    Add_Texts(root, {{"Version", "1000"},
                     {"Title", "QuorvelCo - CT40215 Ethernet Update"},
                     {"IP_Address_Dev", job.IP_Address},
                     {"Application_Port", "10000"},
                     {"Boot_Port", "2008"},
                     {"Boot_Port_Sec", "2007"},
                     {"Address_Protection", "0x07800"}});
    root.AddChild("Protections").AddChild("Protection").SetText("0x5D1");
    TXmlNode operations = root.AddChild("Operations");

    const int option = job.Update_Option_Index;
    const bool firmware = option == Update_Firmware_And_Configuration || option == Update_Firmware;
    const bool configuration =
        option == Update_Firmware_And_Configuration || option == Update_Configuration;
    if (firmware) {
        Add_Operation(operations,
                      {JoinPath(job.Master_Dir, "Sim40215.sim"), "0x8000", "1", "1", false},
                      job.Read_Back);
        Add_Operation(
            operations,
            {JoinPath(job.Master_Dir, "web_files_hart.bin"), "0xC0000", "1", "0", !configuration},
            job.Read_Back);
    }
    if (configuration) {
        const std::string bin = JoinPath(job.Project_Path, "bin");
        Add_Operation(operations, {JoinPath(bin, "bank1.bin"), "0x07000", "2", "0", false},
                      job.Read_Back);
        Add_Operation(operations, {JoinPath(bin, "bank2.bin"), "0x80000", "2", "0", true},
                      job.Read_Back);
    }
}

void Save_Ethernet_Update_Job(const TEthernet_Update_Job& job, const std::string& path) {
    TXMLDocument XML1;
    XML1.Indent(true);
    Compile_XML_Parameter_New_Boot(XML1, job);
    XML1.SaveToFile(path);
}
