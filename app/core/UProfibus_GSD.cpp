#include "app/core/UProfibus_GSD.h"

#include "app/core/AppState.h"
#include "app/core/ULanguage.h"
#include "app/core/XmlLookup.h"
#include "platform/core/CodePage.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"
#include "platform/xml/XmlDocument.h"

#include <string_view>
#include <vector>

namespace {

const int Module_Size = 64;
// PROFIBUS carries at most 244 bytes each way; the general parameters window keeps to it.
const int Max_Data_Length = 244;

const std::string_view Vendor_Name = "QuorvelCo";
const std::string_view Vendor_Contact[] = {
    "Industrial Park Road 7", "00100 Example Town",     "Example Province - Example Country",
    "Tel. : +00 000 0000000", "FAX. : +00 000 0000001", "eMail: support@quorvelco.example",
};

// ";*", the text, blanks up to the closing "*" in column 85.
std::string Box_Line(std::string_view text = "") {
    std::string line = ";*" + std::string(text);
    line.resize(84, ' ');
    return line + "*";
}

std::string Separator(int width) {
    return ";" + std::string(width, '=');
}

class TGSD_Lines {
public:
    void Add(std::string_view line) { FText.append(line).append("\r\n"); }
    void Add(std::initializer_list<std::string_view> lines) {
        for (std::string_view line : lines)
            Add(line);
    }
    void Empty(int count = 1) {
        for (int i = 0; i < count; ++i)
            Add("");
    }
    void Heading(int width, std::string_view title) {
        Add(Separator(width));
        Add(title);
        Add(Separator(width));
    }
    std::string Text() const { return FText; }

private:
    std::string FText;
};

int Module_Count(int length) {
    return length <= 0 ? 0 : length / Module_Size + (length % Module_Size != 0 ? 1 : 0);
}

// A length beyond the range would give module numbers that do not fit their byte and a description
// no master accepts, so it is refused before anything is written.
void Check_Length(int length, const std::string& what) {
    if (length < 0 || length > Max_Data_Length)
        throw Exception("Error! " + what + " is " + IntToStr(length) +
                        ": a PROFIBUS data length must be between 0 and " +
                        IntToStr(Max_Data_Length));
}

// The modules of one direction, numbered on from `first`; returns the next free number.
int Add_Modules(TGSD_Lines& out, std::string_view kind, std::string_view first_byte, int length,
                int first) {
    const int count = Module_Count(length);
    for (int k = 0; k < count; ++k) {
        const int number = first + k;
        const int size = k + 1 < count ? Module_Size : length - Module_Size * k;
        out.Add("Module=\"" + std::string(kind) + "  (PORT" + IntToStr(number) + ")    \" " +
                std::string(first_byte) + ",0x" + IntToHex(size - 1, 2) + ",0x00,0x" +
                IntToHex(number, 2));
        out.Add(IntToStr(number));
        out.Add("EndModule");
    }
    return first + count;
}

void Add_Header(TGSD_Lines& out) {
    const std::string_view rule =
        ";* ================================================================================ *";
    out.Add(
        {";",
         ";******************** PROFIBUS Slave / HART Master - Converter **********************",
         rule});
    out.Add(Box_Line());
    out.Add(Box_Line(" Vendor:   " + std::string(Vendor_Name)));
    for (std::string_view line : Vendor_Contact)
        out.Add(Box_Line("           " + std::string(line)));
    out.Add({Box_Line(), rule, Box_Line()});
    out.Add(Box_Line(" Function:       PROFIBUS Slave / HART Master - Converter"));
    out.Add({Box_Line(), Box_Line()});
    out.Add(Box_Line(" Order Number : GW40215"));
    out.Add({Box_Line(), Box_Line()});
    out.Add(";" + std::string(84, '*'));
    out.Empty(2);
    out.Add("#Profibus_DP");
    out.Empty(2);
}

void Add_Parameter_Texts(TGSD_Lines& out) {
    out.Heading(
        84,
        ";==== Prm-Text-Def-List =============================================================");
    out.Empty();
    out.Add({"PrmText=1", "Text(0)=\"disable\"", "Text(1)=\"enable\"", "EndPrmText"});
    out.Empty();
    out.Add({"PrmText  = 2", "Text(0)  = \"clock up\"", "Text(1)  = \"clock down\"", "EndPrmText"});
    out.Empty();
    out.Add({"PrmText  = 3", "Text(1)  = \"10\"", "Text(2)  = \"20\"", "Text(3)  = \"30\"",
             "Text(4)  = \"40\"", "Text(5)  = \"50\"", "EndPrmText"});
    out.Empty(2);
    out.Heading(
        85,
        ";==== Ext-User-Prm-Data-Def-List =====================================================");
    out.Empty();
    out.Add({"ExtUserPrmData=1 \"[SlotNumber]\"", "Unsigned8 0 0-32", "EndExtUserPrmData"});
    out.Empty();
    out.Add({"ExtUserPrmData=2 \"Diagnostic Alarm\"", "Bit(0) 0 0-1", "Prm_Text_Ref=1",
             "EndExtUserPrmData"});
    out.Empty();
    out.Add({"ExtUserPrmData=3 \"Process Alarm\"", "Bit(1) 0 0-1", "Prm_Text_Ref=1",
             "EndExtUserPrmData"});
    out.Empty();
    out.Add({"ExtUserPrmData=4 \"Counter mode\"", "Unsigned8 0 0-1", "Prm_Text_Ref=2",
             "EndExtUserPrmData"});
    out.Empty();
    out.Add({"ExtUserPrmData=5 \"Counter timebase (ms)\"", "Unsigned8 1 1-5", "Prm_Text_Ref=3",
             "EndExtUserPrmData"});
    out.Empty();
    out.Add({"ExtUserPrmData=6 \"Counter high-limit\"", "Unsigned16 65535 0-65535",
             "EndExtUserPrmData"});
    out.Empty();
    out.Add(
        {"ExtUserPrmData=7 \"Counter low-limit\"", "Unsigned16 0 0-65535", "EndExtUserPrmData"});
    out.Empty(2);
}

void Add_Keywords(TGSD_Lines& out, const TGSD_Lengths& lengths) {
    out.Heading(
        85,
        ";==== General DP Keywords ============================================================");
    out.Empty();
    out.Add({"GSD_Revision = 5", "Vendor_Name = \"QuorvelCo\"", "Model_Name = \"GW40215\"",
             "Revision = \"1.00\"", "Ident_Number = 0x6B3D", "Protocol_Ident = 0",
             "Station_Type = 0", "FMS_supp = 0", "Hardware_Release = \"V1.00\"",
             "Software_Release = \"V1.00\"", "Redundancy = 0", "Repeater_Ctrl_Sig = 2",
             "24V_Pins = 0"});
    out.Empty(2);
    out.Heading(78,
                ";==== Supported baudrates =====================================================");
    out.Empty();
    out.Add({"9.6_supp = 1", "19.2_supp = 1", "45.45_supp = 1", "93.75_supp = 1", "187.5_supp = 1",
             "500_supp = 1", "1.5M_supp = 1", "3M_supp = 1", "6M_supp = 1", "12M_supp = 1"});
    out.Empty();
    out.Add({"MaxTsdr_9.6=15", "MaxTsdr_19.2=15", "MaxTsdr_45.45=15", "MaxTsdr_93.75=15",
             "MaxTsdr_187.5=15", "MaxTsdr_500=15", "MaxTsdr_1.5M=20", "MaxTsdr_3M=35",
             "MaxTsdr_6M=50", "MaxTsdr_12M=95"});
    out.Empty(2);
    out.Heading(78,
                ";==== Slave specific values ===================================================");
    out.Empty();
    out.Add({"OrderNumber=\"GW40215\"", "Slave_Family = 9@QuorvelCo@GW40215",
             "Implementation_Type = \"VPC3+\"",
             "Info_Text=\"QuorvelCo: PROFIBUS Slave / HART Master - Converter\"",
             "Bitmap_Device = \"DPV0_1N\"", "Bitmap_SF=\"DPV0_1S\""});
    out.Empty();
    out.Add({"Freeze_Mode_supp=1", "Sync_Mode_supp=1", "Fail_Safe=1", "Auto_Baud_supp=1",
             "Set_Slave_Add_supp=0"});
    out.Empty();
    out.Add("Min_Slave_Intervall=6");
    out.Empty();
    out.Add("Modular_Station=1");
    out.Add("Max_Module=" +
            IntToStr(Module_Count(lengths.Input_Length) + Module_Count(lengths.Output_Length)));
    out.Add("Modul_Offset=1");
    out.Add("Max_Input_Len=" + IntToStr(lengths.Input_Length));
    out.Add("Max_Output_Len=" + IntToStr(lengths.Output_Length));
    out.Add("Max_Data_Len=" +
            IntToStr(int64_t{lengths.Input_Length} + int64_t{lengths.Output_Length}));
    out.Add("Max_Diag_Data_Len=15");
    out.Empty();
    out.Add({"WD_Base_1ms_supp = 1", "Publisher_supp = 1"});
    out.Empty();
}

void Add_Diagnostics(TGSD_Lines& out) {
    out.Heading(78,
                ";==== User-Prm-Data ===========================================================");
    out.Empty();
    out.Add({"Max_User_Prm_Data_Len = 12", "Ext_User_Prm_Data_Const(0)= 0x00,0x00,0x00"});
    out.Empty();
    out.Heading(78,
                ";==== Modulstatus =============================================================");
    out.Empty();
    out.Add({"Unit_Diag_Area = 24 - 25", "Value(1)= \"Slot 1: Module error\"",
             "Value(2)= \"Slot 1: Wrong module\"", "Value(3)= \"Slot 1: No module\"",
             "Unit_Diag_Area_End", "Unit_Diag_Area = 26 - 27", "Value(1)= \"Slot 2: Module error\"",
             "Value(2)= \"Slot 2: Wrong module\"", "Value(3)= \"Slot 2: No module\"",
             "Unit_Diag_Area_End"});
    out.Empty(2);
}

void Add_Modules_And_Slots(TGSD_Lines& out, const TGSD_Lengths& lengths) {
    out.Heading(78,
                ";==== Module-Definition-List ==================================================");
    out.Empty();
    const int after_inputs = Add_Modules(out, "DI", "0x42", lengths.Input_Length, 1);
    const int after_outputs = Add_Modules(out, "DO", "0x82", lengths.Output_Length, after_inputs);
    out.Empty(3);
    out.Add("SlotDefinition");
    for (int k = 1; k < after_outputs; ++k) {
        const std::string n = IntToStr(k);
        out.Add("Slot(" + n + ") = \"Slot " + n + "\" " + n + " " + n);
    }
    out.Add("EndSlotDefinition");
    out.Empty(4);
}

int Length_Element(const TXmlNode& root, std::string_view name, const std::string& file) {
    std::string text;
    const int length = Read_Element_Text(root, name, text) ? StrToIntDef(text, 0) : 0;
    Check_Length(length, std::string(name) + " in \"" + file + "\"");
    return length;
}

} // namespace

TGSD_Lengths GSD_Read_Lengths(const std::string& parGenFile) {
    TXMLDocument xml;
    xml.LoadFromFile(parGenFile);
    const TXmlNode root = xml.DocumentElement();
    return {Length_Element(root, "PROFINET_NB_OUT", parGenFile),
            Length_Element(root, "PROFINET_NB_IN", parGenFile)};
}

std::string GSD_File_Name(std::string_view chosen) {
    const std::string name(chosen);
    const std::string lower = LowerCase(name);
    const bool has_extension = lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".gsd") == 0;
    return has_extension ? name : name + ".gsd";
}

std::string GSD_Text(const TGSD_Lengths& lengths) {
    TGSD_Lines out;
    Add_Header(out);
    Add_Parameter_Texts(out);
    Add_Keywords(out, lengths);
    Add_Diagnostics(out);
    Add_Modules_And_Slots(out, lengths);
    return out.Text();
}

void GSD_Write(const std::string& fileName, const TGSD_Lengths& lengths) {
    Check_Length(lengths.Input_Length, "The input length");
    Check_Length(lengths.Output_Length, "The output length");
    WriteFileAtomic(fileName, Utf8ToAnsi(GSD_Text(lengths)));
}

void GSD_Write(const std::string& fileName) {
    const std::string& parGenFile = AppState().ParGen_File;
    if (parGenFile.empty() || !FileExists(parGenFile))
        throw Exception(Lang_Str(1104));
    GSD_Write(fileName, GSD_Read_Lengths(parGenFile));
}
