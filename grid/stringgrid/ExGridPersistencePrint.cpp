// The grid's print settings kept in a section of an INI file, or of the INI file that stands in
// for a registry key.
#include "grid/stringgrid/ExGrid.h"

#include "grid/stringgrid/PrintSettings.h"
#include "grid/stringgrid/PrintSettingsIni.h"
#include "platform/core/Exception.h"
#include "platform/core/IniFile.h"

namespace {

std::string PrintSettingsFileName(const std::string& Key, TColumnSizeLocation Location) {
    return Location == clIniFile ? Key : RegistryIniFileName(Key);
}

} // namespace

void TExStringGrid::SavePrintSettings(const std::string& Key, const std::string& Section,
                                      TColumnSizeLocation Location) {
    TIniFile ini(PrintSettingsFileName(Key, Location));
    WritePrintSettings(*FPrintSettings, ini, Section);
    ini.UpdateFile();
}

void TExStringGrid::LoadPrintSettings(const std::string& Key, const std::string& Section,
                                      TColumnSizeLocation Location) {
    const TIniFile ini(PrintSettingsFileName(Key, Location));
    std::string why;
    if (!ReadPrintSettings(ini, Section, *FPrintSettings, why))
        throw Exception("Invalid print settings in " + ini.FileName() + ": " + why);
}
