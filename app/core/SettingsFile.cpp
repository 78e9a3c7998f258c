#include "app/core/SettingsFile.h"

#include "app/core/AppState.h"
#include "app/core/ConfigurationName.h"
#include "app/core/XmlLookup.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/xml/XmlDocument.h"

namespace {

struct TSettingText {
    const char* Group;
    const char* Element;
    std::string TAppState::*Value;
    const char* Default;
};

struct TSettingFlag {
    const char* Element;
    bool TAppState::*Value;
};

// In file order; the element names are the file's own vocabulary, capitals included.
const TSettingText Setting_Texts[] = {
    {"lastproj", "projectname", &TAppState::Project_Name, ""},
    {"lastipadd", "ipaddress", &TAppState::Last_IP_Address, "192.168.2.205"},
    {"lastlang", "language", &TAppState::Language_Name, "English"},
};

const char* const Flags_Group = "lastinternet";
const TSettingFlag Setting_Flags[] = {
    {"enable_internet", &TAppState::Enable_Internet},
    {"enable_update", &TAppState::Enable_Update},
    {"enable_jump_field_tables", &TAppState::Enable_Jump_Field_Tables},
    {"Double_Click_Auto_Size", &TAppState::Double_Click_Auto_Size},
};

void Set_Defaults(TAppState& state) {
    for (const TSettingText& setting : Setting_Texts)
        state.*setting.Value = setting.Default;
    for (const TSettingFlag& flag : Setting_Flags)
        state.*flag.Value = false;
}

} // namespace

std::string Settings_File_Path() {
    return JoinPath(AppState().Exe_Dir, "Velmaro.xml");
}

void Load_Settings() {
    TAppState& state = AppState();
    Set_Defaults(state);
    const std::string path = Settings_File_Path();
    if (!FileExists(path))
        return;
    TXMLDocument xml;
    try {
        xml.LoadFromFile(path);
    } catch (const Exception&) {
        // A damaged settings file is treated as a missing one; the next write replaces it.
        return;
    }
    const TXmlNode root = xml.DocumentElement();
    for (const TSettingText& setting : Setting_Texts)
        Read_Element_Text(root.ChildNode(setting.Group), setting.Element, state.*setting.Value);
    // The file is anyone's to edit: a name that would lead out of PROJECTS is no configuration.
    if (!Is_Valid_Configuration_Name(state.Project_Name))
        state.Project_Name.clear();
    const TXmlNode flags = root.ChildNode(Flags_Group);
    for (const TSettingFlag& flag : Setting_Flags) {
        std::string text;
        state.*flag.Value = Read_Element_Text(flags, flag.Element, text) && text == "1";
    }
}

void Save_Setting() {
    const TAppState& state = AppState();
    TXMLDocument xml;
    TXmlNode root = xml.CreateRoot("Conf_Settings");
    for (const TSettingText& setting : Setting_Texts)
        root.AddChild(setting.Group).AddChild(setting.Element).SetText(state.*setting.Value);
    TXmlNode flags = root.AddChild(Flags_Group);
    for (const TSettingFlag& flag : Setting_Flags)
        flags.AddChild(flag.Element).SetText(state.*flag.Value ? "1" : "0");
    xml.SaveToFile(Settings_File_Path());
}
