// The main window's steps that write the description files of the family's other gateways.
#include "app/windows/UVelmaroFirmWare.h"

#include "app/core/AppState.h"
#include "app/core/ULanguage.h"
#include "app/core/XmlLookup.h"
#include "app/windows/UProfinetFileName.h"
#include "platform/core/Files.h"
#include "platform/core/IntegerConversion.h"
#include "platform/ui/Dialogs.h"
#include "platform/xml/XmlDocument.h"
#include "protocols/descriptionfiles/UBACnet_EDE_File.h"
#include "protocols/descriptionfiles/UEds.h"
#include "protocols/descriptionfiles/UProfinetXML.h"
#include "protocols/descriptionfiles/USNMP_MIB.h"

namespace {

constexpr int Question_Overwrite = 1105;
constexpr int Question_Overwrite_Profinet = 1708;

bool Choose_File(TSaveDialog* dialog) {
    dialog->SetInitialDir(AppState().Project_Path);
    return dialog->Execute();
}

// An existing file is replaced only when the user answers Yes.
bool May_Write(const std::string& path, int questionSlot, const TMsgDlgButtons& buttons) {
    return !FileExists(path) || MessageDlg(Lang_Str(questionSlot), mtConfirmation, buttons) == mrYes;
}

} // namespace

void TFVelmaroFirmWare::Build_EDS_File() {
    if (!Choose_File(SaveEDS))
        return;
    const TAppState& state = AppState();
    EDS_Write(SaveEDS->FileName(), state.PDO_CANopen_File, state.SDO_Server_CANopen_File);
}

void TFVelmaroFirmWare::BACnet_EDE_File() {
    if (!Choose_File(SD1))
        return;
    const std::string path = EDE_File_Name(SD1->FileName());
    if (!May_Write(path, Question_Overwrite, mbYesNoCancel))
        return;
    const TAppState& state = AppState();
    EDE_Build_File(path, state.ParGen_File, state.BACnet_Slave_File, state.Project_Name);
}

void TFVelmaroFirmWare::PROFINET_XML() {
    if (FProfinetFileName && FProfinetFileName->ShowModal() == mrOk)
        ProfinetXML_Build_File(FProfinetFileName->Name_File_XML);
}

void TFVelmaroFirmWare::ProfinetXML_Build_File(const std::string& Name) {
    TSaveDialog dialog(this);
    dialog.SetInitialDir(AppState().Project_Path);
    dialog.SetFilter("PROFINET XML (*.xml)|" + Name);
    dialog.SetFileName(Name);
    if (!dialog.Execute())
        return;
    // The user picks the folder; the name is always the composed one.
    const std::string path = JoinPath(ExtractFilePath(dialog.FileName()), Name);
    if (!May_Write(path, Question_Overwrite_Profinet, mbYesNo))
        return;
    ProfinetXML_Write(path, AppState().ParGen_File);
}

void TFVelmaroFirmWare::MIB_Build_File() {
    if (!Choose_File(SaveMIB))
        return;
    const std::string path = SaveMIB->FileName();
    if (FileExists(path) &&
        MessageDlg(Lang_Str(Question_Overwrite), mtConfirmation, mbYesNo) == mrNo)
        return;
    MIB_Write(path, MIB_Read_Traps(AppState().SNMP_Trap_File));
}

int TFVelmaroFirmWare::Get_Type_BACnet() {
    const std::string& path = AppState().ParGen_File;
    if (!FileExists(path))
        return 0;
    TXMLDocument xml;
    xml.LoadFromFile(path);
    std::string text;
    if (!Read_Element_Text(xml.DocumentElement(), "BACnet_Type", text))
        return 0;
    return StrToIntDef(text, 0);
}
