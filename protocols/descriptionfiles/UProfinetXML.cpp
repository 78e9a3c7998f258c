#include "protocols/descriptionfiles/UProfinetXML.h"

#include "app/core/XmlLookup.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"
#include "platform/xml/XmlDocument.h"
#include "protocols/descriptionfiles/DescriptionFiles.h"
#include "protocols/descriptionfiles/XmlLines.h"

#include <utility>

namespace {

constexpr std::string_view Gsdml_Namespace = "http://www.profibus.com/GSDML/2003/11/DeviceProfile";

int Length_Or_Default(const TXmlNode& root, std::string_view name) {
    std::string text;
    return Read_Element_Text(root, name, text) ? StrToIntDef(text, 512) : 512;
}

using TTextPair = std::pair<std::string_view, std::string_view>;

constexpr TTextPair External_Texts[] = {
    {"IDT_INFO_Device", "Quorvel Gateways"},
    {"IDT_NAME_DAP1", "HARTDevice"},
    {"IDT_INFO_DAP1", "Profinet HART Adapter"},
    {"IDT_SUBSLOT_1", "Subslot 1"},
    {"IDT_SUBSLOT_Interface", "Interface"},
    {"IDT_SUBSLOT_Port1", "Port 1"},
    {"IDT_SUBSLOT_Port2", "Port 2"},
    {"IDT_RECORD_NAME_Head", "Parameters of head module"},
    {"IDT_REF_Power", "Percent power"},
    {"IDT_NAME_VS1", "Submodule V1"},
    {"IDT_INFO_VS1", "Description of submodule V1"},
    {"IDT_NAME_IS", "I"},
    {"IDT_NAME_PS1", "P1"},
    {"IDT_NAME_PS2", "P2"},
    {"IDT_NAME_M1", "Module"},
    {"IDT_INFO_M1", "device HART"},
    {"IDT_NAME_FAP", "FAP for HART"},
    {"IDT_INFO_FAP", "Description of FAP for HART"},
    {"IDT_RECORD_NAME_SlotCluster", "Parameters of the FAP"},
    {"IDT_REF_SlotClusterBegin", "Beginning of slot cluster"},
    {"IDT_NAME_M_PB1", "HART Device "},
    {"IDT_INFO_M_PB1", "Description of HART"},
    {"IDT_NAME_S_PB1", "Module of a HART"},
    {"IDT_INFO_S_PB1", "Description of module of a HART"},
    {"IDT_PB_Input", "Digital input HART"},
    {"IDT_PB_InputBit0", "Digital input bit HART"},
    {"IDT_NAME_S1", "Submodule 1"},
    {"IDT_INFO_S1", "Description of submodule 1"},
    {"IDT_Input_1", "Input byte"},
    {"IDT_Output_1", "Output word"},
    {"IDT_CATEGORY_DI", "Digital Input"},
    {"IDT_INFO_DI", "Description of digital input"},
    {"IDT_CATEGORY_DO", "Digital output"},
    {"IDT_INFO_DO", "Description of digital output"},
    {"IDT_NAME_M1_IDT_REF_channel", "Canale x"},
    {"IDT_REF_reaction_to_cpu_stop", "Reaction to CPU STOP"},
    {"IDT_NAME_M1_Base_Parameters", "Base Parameters"},
};

// These three carry their value before their id.
constexpr TTextPair Assignment_Texts[] = {
    {"IDT_ASSIGN_do_set_substitude_values", "Output substitute value"},
    {"IDT_ASSIGN_do_values_will_hold", "Keep last value"},
    {"IDT_ASSIGN_do_continue_counting", "Continue operation"},
};

void Write_Header(TXmlLines& xml) {
    xml.Open("ProfileHeader");
    xml.Text("ProfileIdentification", "PROFINET Device Profile");
    xml.Text("ProfileRevision", "1.00");
    xml.Text("ProfileName", "Device Profile for PROFINET Devices");
    xml.Text("ProfileSource", "PROFIBUS Nutzerorganisation e. V. (PNO)");
    xml.Text("ProfileClassID", "Device");
    xml.Open("ISO15745Reference");
    xml.Text("ISO15745Part", "4");
    xml.Text("ISO15745Edition", "1");
    xml.Text("ProfileTechnology", "GSDML");
    xml.Close();
    xml.Close();
}

void Write_Access_Point(TXmlLines& xml, const TProfinetParameters& p) {
    const std::string dnsName = Profinet_DNS_Name(p.PROFINET_Station_Name);
    xml.Open("DeviceAccessPointList");
    xml.Open("DeviceAccessPointItem", {{"PNIO_Version", "V2.3"},
                                       {"RequiredSchemaVersion", "V2.25"},
                                       {"ID", "IDD_1"},
                                       {"PhysicalSlots", "0..4"},
                                       {"ModuleIdentNumber", "0x00000001"},
                                       {"MinDeviceInterval", "64"},
                                       {"ImplementationType", p.PROFINET_Station_Name},
                                       {"DNS_CompatibleName", dnsName},
                                       {"FixedInSlots", "0"},
                                       {"ObjectUUID_LocalIndex", "1"},
                                       {"MultipleWriteSupported", "true"},
                                       {"MaxSupportedRecordSize", "8192"},
                                       {"ParameterizationSpeedupSupported", "true"},
                                       {"PowerOnToCommReady", "350"},
                                       {"DeviceAccessSupported", "true"},
                                       {"SharedDeviceSupported", "true"},
                                       {"CheckDeviceID_Allowed", "false"},
                                       {"NameOfStationNotTransferable", "true"}});
    xml.Open("ModuleInfo");
    xml.Empty("Name", {{"TextId", "IDT_NAME_DAP1"}});
    xml.Empty("InfoText", {{"TextId", "IDT_INFO_DAP1"}});
    xml.Empty("VendorName", {{"Value", "QuorvelCo"}});
    xml.Empty("OrderNumber", {{"Value", "GW40227"}});
    xml.Close();
    xml.Open("SubslotList");
    xml.Empty("SubslotItem", {{"SubslotNumber", "0"}, {"TextId", "IDT_SUBSLOT_1"}});
    xml.Empty("SubslotItem", {{"SubslotNumber", "32768"}, {"TextId", "IDT_SUBSLOT_Interface"}});
    xml.Empty("SubslotItem", {{"SubslotNumber", "32769"}, {"TextId", "IDT_SUBSLOT_Port1"}});
    xml.Empty("SubslotItem", {{"SubslotNumber", "32770"}, {"TextId", "IDT_SUBSLOT_Port2"}});
    xml.Close();
    xml.Empty("IOConfigData",
              {{"MaxInputLength", "1440"}, {"MaxOutputLength", "1440"}, {"MaxDataLength", "2880"}});
    xml.Open("UseableModules");
    xml.Empty("ModuleItemRef", {{"ModuleItemTarget", "IDM_1"}, {"FixedInSlots", "1"}});
    xml.Close();
    xml.Open("VirtualSubmoduleList");
    xml.Open("VirtualSubmoduleItem", {{"ID", "IDS_V1"}, {"SubmoduleIdentNumber", "0x00000000"}});
    xml.Empty("IOData", {{"IOPS_Length", "1"}, {"IOCS_Length", "1"}});
    xml.Open("ModuleInfo");
    xml.Empty("Name", {{"TextId", "IDT_NAME_VS1"}});
    xml.Empty("InfoText", {{"TextId", "IDT_INFO_VS1"}});
    xml.Close();
    xml.Close();
    xml.Close();
    xml.Open("SystemDefinedSubmoduleList");
    xml.Open("InterfaceSubmoduleItem", {{"ID", "IDS_I"},
                                        {"SubmoduleIdentNumber", "0x00000001"},
                                        {"SubslotNumber", "32768"},
                                        {"TextId", "IDT_NAME_IS"},
                                        {"SupportedRT_Classes", "RT_CLASS_1"},
                                        {"SupportedProtocols", "SNMP;LLDP"},
                                        {"SupportedMibs", "MIB2"}});
    xml.Open("ApplicationRelations");
    xml.Empty("TimingProperties",
              {{"SendClock", "32"}, {"ReductionRatio", "1 2 4 8 16 32 64 128 256 512"}});
    xml.Close();
    xml.Close();
    xml.Empty("PortSubmoduleItem", {{"ID", "IDS_P1"},
                                    {"SubmoduleIdentNumber", "0x00000002"},
                                    {"SubslotNumber", "32769"},
                                    {"TextId", "IDT_NAME_PS1"},
                                    {"MaxPortRxDelay", "350"},
                                    {"MaxPortTxDelay", "160"}});
    xml.Empty("PortSubmoduleItem", {{"ID", "IDS_P2"},
                                    {"SubmoduleIdentNumber", "0x00000002"},
                                    {"SubslotNumber", "32770"},
                                    {"TextId", "IDT_NAME_PS2"},
                                    {"MaxPortRxDelay", "350"},
                                    {"MaxPortTxDelay", "160"}});
    xml.Close();
    xml.Comment(" This element tells the engineering tool that the DAP supports fieldbus "
                "integration (slot clusters). ");
    xml.Comment(" FieldbusIntegrationSlots MaxSupported=\"127\" Range=\"100..9999\"/");
    xml.Close();
    xml.Close();
}

void Write_Module(TXmlLines& xml, const TProfinetParameters& p) {
    const std::string inputLength = IntToStr(p.PROFINET_Out_Length);
    const std::string outputLength = IntToStr(p.PROFINET_In_Length);
    xml.Open("ModuleList");
    xml.Comment(" The \"normal\" module carrying the FAP. ");
    xml.Open("ModuleItem", {{"ID", "IDM_1"}, {"ModuleIdentNumber", "0x00000001"}});
    xml.Open("ModuleInfo");
    xml.Empty("Name", {{"TextId", "IDT_NAME_M1"}});
    xml.Empty("InfoText", {{"TextId", "IDT_INFO_M1"}});
    xml.Empty("OrderNumber", {{"Value", "12345-0040-M"}});
    xml.Close();
    xml.Open("VirtualSubmoduleList");
    xml.Open("VirtualSubmoduleItem", {{"ID", "IDM_1"}, {"SubmoduleIdentNumber", "0x00000001"}});
    xml.Open("IOData", {{"IOPS_Length", "1"}, {"IOCS_Length", "1"}});
    xml.Wrapped("Input", "DataItem",
                {{"DataType", "OctetString"}, {"Length", inputLength}, {"TextId", "IDT_Input_1"}});
    xml.Wrapped(
        "Output", "DataItem",
        {{"DataType", "OctetString"}, {"Length", outputLength}, {"TextId", "IDT_Output_1"}});
    xml.Close();
    xml.Open("RecordDataList");
    xml.Open("ParameterRecordDataItem", {{"Index", "128"}, {"Length", "2"}});
    xml.Empty("Name", {{"TextId", "IDT_NAME_M1_IDT_REF_channel"}});
    xml.Empty("Const", {{"ByteOffset", "0"}, {"Data", "0x00,0x00"}});
    xml.Empty("Ref", {{"TextId", "IDT_REF_reaction_to_cpu_stop"},
                      {"Visible", "true"},
                      {"DataType", "BitArea"},
                      {"ByteOffset", "0"},
                      {"BitOffset", "0"},
                      {"BitLength", "2"},
                      {"DefaultValue", "2"},
                      {"AllowedValues", "0..2"},
                      {"ValueItemTarget", "IDV_reaction_to_cpu_stop"},
                      {"ID", "IDT_REF_reaction_to_cpu_stop"}});
    xml.Open("MenuList");
    xml.Open("MenuItem", {{"ID", "IDT_NAME_M1_IDT_REF_channel"}});
    xml.Empty("Name", {{"TextId", "IDT_NAME_M1_IDT_REF_channel"}});
    xml.Empty("MenuRef", {{"MenuTarget", "IDT_NAME_M1_Base_Parameters"}});
    xml.Close();
    xml.Open("MenuItem", {{"ID", "IDT_NAME_M1_Base_Parameters"}});
    xml.Empty("Name", {{"TextId", "IDT_NAME_M1_Base_Parameters"}});
    xml.Empty("ParameterRef", {{"ParameterTarget", "IDT_REF_reaction_to_cpu_stop"}});
    xml.Close();
    xml.Close();
    xml.Close();
    xml.Close();
    xml.Open("ModuleInfo");
    xml.Empty("Name", {{"TextId", "IDT_NAME_M1"}});
    xml.Empty("InfoText", {{"TextId", "IDT_INFO_M1"}});
    xml.Close();
    xml.Close();
    xml.Close();
    xml.Close();
    xml.Close();
}

void Write_Lists(TXmlLines& xml) {
    xml.Open("ValueList");
    xml.Open("ValueItem", {{"ID", "IDV_reaction_to_cpu_stop"}});
    xml.Open("Assignments");
    const char* contents[] = {"0", "1", "2"};
    for (size_t i = 0; i < std::size(Assignment_Texts); ++i)
        xml.Empty("Assign", {{"TextId", Assignment_Texts[i].first}, {"Content", contents[i]}});
    xml.Close();
    xml.Close();
    xml.Close();
    xml.Open("CategoryList");
    xml.Open("CategoryItem", {{"ID", "IDC_DI"}, {"TextId", "IDT_CATEGORY_DI"}});
    xml.Empty("InfoText", {{"TextId", "IDT_INFO_DI"}});
    xml.Close();
    xml.Open("CategoryItem", {{"ID", "IDC_DO"}, {"TextId", "IDT_CATEGORY_DO"}});
    xml.Empty("InfoText", {{"TextId", "IDT_INFO_DO"}});
    xml.Close();
    xml.Close();
    xml.Open("ExternalTextList");
    xml.Open("PrimaryLanguage");
    for (const auto& [id, value] : External_Texts)
        xml.Empty("Text", {{"TextId", id}, {"Value", value}});
    for (const auto& [id, value] : Assignment_Texts)
        xml.Empty("Text", {{"Value", value}, {"TextId", id}});
    xml.Close();
    xml.Close();
}

} // namespace

TProfinetParameters ProfinetXML_Read_ParGen(const std::string& parGenFile) {
    TProfinetParameters parameters;
    TXMLDocument xml;
    if (Load_Table_File(parGenFile, xml)) {
        const TXmlNode root = xml.DocumentElement();
        parameters.PROFINET_In_Length = Length_Or_Default(root, "PROFINET_NB_IN");
        parameters.PROFINET_Out_Length = Length_Or_Default(root, "PROFINET_NB_OUT");
        std::string name;
        if (Read_Element_Text(root, "PROFINET_NAME_STA", name) && !Trim(name).empty())
            parameters.PROFINET_Station_Name = name;
    }
    return parameters;
}

std::string Profinet_DNS_Name(std::string_view stationName) {
    std::string name;
    for (char c : Trim(stationName)) {
        if (c >= 'A' && c <= 'Z')
            name += static_cast<char>(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-')
            name += c;
        else if (c == ' ')
            name += '-';
    }
    return name.empty() ? "serial" : name;
}

std::string Profinet_File_Name(std::string_view userPart, int year, int month, int day) {
    std::string name(Profinet_File_Fixed_Part);
    if (!Trim(userPart).empty()) {
        if (userPart.front() != '_')
            name += "_";
        name += userPart;
    }
    return name + Profinet_Date_Part(year, month, day);
}

std::string Profinet_Date_Part(int year, int month, int day) {
    return "-" + IntToStr(year) + Two_Digits(month) + Two_Digits(day) + ".xml";
}

std::vector<std::string> ProfinetXML_Lines(const TProfinetParameters& parameters) {
    TXmlLines xml;
    xml.Line("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    xml.Comment(" A fieldbus integration example. ");
    const std::string schemaLocation =
        std::string(Gsdml_Namespace) + " ..\\xsd\\GSDML-DeviceProfile-v2.31.xsd";
    xml.Open("ISO15745Profile", {{"xmlns", Gsdml_Namespace},
                                 {"xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance"},
                                 {"xsi:schemaLocation", schemaLocation}});
    Write_Header(xml);
    xml.Open("ProfileBody");
    xml.Open("DeviceIdentity", {{"VendorID", "0x3A5C"}, {"DeviceID", "0x04D7"}});
    xml.Empty("InfoText", {{"TextId", "IDT_INFO_Device"}});
    xml.Empty("VendorName", {{"Value", "QuorvelCo"}});
    xml.Close();
    xml.Open("DeviceFunction");
    xml.Empty("Family", {{"MainFamily", "Gateway"}, {"ProductFamily", "GW40227"}});
    xml.Close();
    xml.Open("ApplicationProcess");
    Write_Access_Point(xml, parameters);
    Write_Module(xml, parameters);
    Write_Lists(xml);
    xml.Close();
    xml.Close();
    xml.Close();
    return xml.Lines();
}

void ProfinetXML_Write(const std::string& path, const std::string& parGenFile) {
    Write_Utf8_Bom_Lines(path, ProfinetXML_Lines(ProfinetXML_Read_ParGen(parGenFile)));
}
