#include "app/core/SettingsFile.h"

#include "app/core/AppState.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

struct TSettingsSnapshot {
    std::string Project_Name;
    std::string Last_IP_Address;
    std::string Language_Name;
    bool Enable_Internet;
    bool Enable_Update;
    bool Enable_Jump_Field_Tables;
    bool Double_Click_Auto_Size;

    bool operator==(const TSettingsSnapshot&) const = default;
};

TSettingsSnapshot Snapshot() {
    const TAppState& s = AppState();
    return {s.Project_Name,  s.Last_IP_Address,          s.Language_Name,         s.Enable_Internet,
            s.Enable_Update, s.Enable_Jump_Field_Tables, s.Double_Click_Auto_Size};
}

void PrintTo(const TSettingsSnapshot& s, std::ostream* os) {
    *os << "{" << s.Project_Name << ", " << s.Last_IP_Address << ", " << s.Language_Name << ", "
        << s.Enable_Internet << s.Enable_Update << s.Enable_Jump_Field_Tables
        << s.Double_Click_Auto_Size << "}";
}

const TSettingsSnapshot DefaultSettings = {"", "192.168.2.205", "English", false, false, false, false};

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        Set_Program_Folders(Temp.Path());
        // Values a previous run left behind must not survive a read.
        AppState().Project_Name = "stale";
        AppState().Language_Name = "Deutsch";
        AppState().Enable_Update = true;
    }
    void Write(std::string_view content) { WriteFileAtomic(Settings_File_Path(), content); }

    TTempFolder Temp;
};

} // namespace

TEST_F(SettingsFileTest, MissingFileGivesDefaults) {
    Load_Settings();
    EXPECT_EQ(Snapshot(), DefaultSettings);
}

TEST_F(SettingsFileTest, ReadsEachValueOnItsOwn) {
    struct Case {
        const char* Description;
        const char* Content;
        TSettingsSnapshot Expected;
    };
    const Case cases[] = {
        {"complete file",
         "<Conf_Settings><lastproj><projectname>Plant A</projectname></lastproj>"
         "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd>"
         "<lastlang><language>Italiano</language></lastlang>"
         "<lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update>"
         "<enable_jump_field_tables>1</enable_jump_field_tables>"
         "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet></Conf_Settings>",
         {"Plant A", "10.0.0.7", "Italiano", true, true, true, true}},
        {"internet on, update off, table options missing",
         "<Conf_Settings><lastinternet><enable_internet>1</enable_internet>"
         "<enable_update>0</enable_update></lastinternet></Conf_Settings>",
         {"", "192.168.2.205", "English", true, false, false, false}},
        {"a flag is on only for exactly 1",
         "<Conf_Settings><lastinternet><enable_internet>true</enable_internet>"
         "<enable_update> 1</enable_update><enable_jump_field_tables></enable_jump_field_tables>"
         "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet></Conf_Settings>",
         {"", "192.168.2.205", "English", false, false, false, true}},
        {"missing lastproj group, others read",
         "<Conf_Settings><lastipadd><ipaddress>10.1.1.1</ipaddress></lastipadd>"
         "<lastlang><language>Francais</language></lastlang></Conf_Settings>",
         {"", "10.1.1.1", "Francais", false, false, false, false}},
        {"groups in another order, extra elements, another root name",
         "<Other><extra>x</extra><lastlang><language>Espanol</language><more/></lastlang>"
         "<lastproj><projectname>P</projectname></lastproj></Other>",
         {"P", "192.168.2.205", "Espanol", false, false, false, false}},
        {"empty texts are taken as they are",
         "<Conf_Settings><lastipadd><ipaddress></ipaddress></lastipadd>"
         "<lastlang><language/></lastlang></Conf_Settings>",
         {"", "", "", false, false, false, false}},
        {"element holding elements instead of text counts as missing",
         "<Conf_Settings><lastlang><language><x>y</x></language></lastlang></Conf_Settings>",
         {"", "192.168.2.205", "English", false, false, false, false}},
        {"not well-formed", "<Conf_Settings><lastproj>", DefaultSettings},
        {"text before the root",
         "x<Conf_Settings><lastlang><language>Italiano</language></lastlang></Conf_Settings>",
         DefaultSettings},
        {"two roots",
         "<Conf_Settings><lastlang><language>Italiano</language></lastlang></Conf_Settings>"
         "<Conf_Settings/>",
         DefaultSettings},
        {"empty file", "", DefaultSettings},
    };
    for (const Case& c : cases) {
        SetUp();
        Write(c.Content);
        Load_Settings();
        EXPECT_EQ(Snapshot(), c.Expected) << c.Description;
    }
}

TEST_F(SettingsFileTest, ConfigurationNameLeadingOutOfProjectsIsNoConfiguration) {
    const char* const names[] = {"..", "../x", "a/../../b", "/etc", ".", "a\\b"};
    for (const char* name : names) {
        SetUp();
        Write(std::string("<Conf_Settings><lastproj><projectname>") + name +
              "</projectname></lastproj><lastlang><language>Italiano</language></lastlang>"
              "</Conf_Settings>");
        Load_Settings();
        EXPECT_EQ(AppState().Project_Name, "") << name;
        EXPECT_EQ(AppState().Language_Name, "Italiano") << name; // the other values still count
    }
}

TEST_F(SettingsFileTest, WritesTheFileInItsFixedForm) {
    TAppState& s = AppState();
    s.Project_Name = "Plant A";
    s.Last_IP_Address = "10.0.0.7";
    s.Language_Name = "English";
    s.Enable_Internet = true;
    s.Enable_Update = false;
    s.Enable_Jump_Field_Tables = false;
    s.Double_Click_Auto_Size = true;
    Save_Setting();
    EXPECT_EQ(ReadFileBytes(Settings_File_Path()),
              "<Conf_Settings><lastproj><projectname>Plant A</projectname></lastproj>"
              "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd>"
              "<lastlang><language>English</language></lastlang>"
              "<lastinternet><enable_internet>1</enable_internet>"
              "<enable_update>0</enable_update>"
              "<enable_jump_field_tables>0</enable_jump_field_tables>"
              "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet>"
              "</Conf_Settings>");
}

TEST_F(SettingsFileTest, WrittenValuesReadBackTheSame) {
    const TSettingsSnapshot cases[] = {
        {" Plant \xC3\xA8 <A&B> ", "192.168.2.1", "Italiano", false, true, true, false},
        // No configuration open: an empty name, read back as no configuration.
        {"", "192.168.2.205", "English", true, false, false, true},
    };
    for (const TSettingsSnapshot& written : cases) {
        TAppState& s = AppState();
        s.Project_Name = written.Project_Name;
        s.Last_IP_Address = written.Last_IP_Address;
        s.Language_Name = written.Language_Name;
        s.Enable_Internet = written.Enable_Internet;
        s.Enable_Update = written.Enable_Update;
        s.Enable_Jump_Field_Tables = written.Enable_Jump_Field_Tables;
        s.Double_Click_Auto_Size = written.Double_Click_Auto_Size;
        Save_Setting();
        SetUp();
        Load_Settings();
        EXPECT_EQ(Snapshot(), written);
    }
}

TEST_F(SettingsFileTest, FailedWriteIsReported) {
    // A missing program folder makes the write fail whatever the user's rights.
    AppState().Exe_Dir = Temp.File("missing-folder");
    EXPECT_THROW(Save_Setting(), EFileError);
}
