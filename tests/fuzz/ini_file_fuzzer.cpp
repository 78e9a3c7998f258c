// Arbitrary bytes as an INI file: every value found reads back, and the text written back parses
// to the same sections and values (so a load and save never changes settings).
#include "FuzzSupport.h"

#include "platform/core/Exception.h"
#include "platform/core/IniFile.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    TIniFile ini("unused.ini");
    ini.SetText(FuzzText(Data, Size));
    const std::string text = ini.Text();

    TIniFile again("unused.ini");
    again.SetText(text);
    FUZZ_CHECK(again.Text() == text);
    FUZZ_CHECK(again.ReadSections() == ini.ReadSections());
    for (const std::string& section : ini.ReadSections()) {
        FUZZ_CHECK(again.ReadSection(section) == ini.ReadSection(section));
        for (const std::string& name : ini.ReadSection(section)) {
            FUZZ_CHECK(ini.ValueExists(section, name));
            FUZZ_CHECK(again.ReadString(section, name, "") == ini.ReadString(section, name, ""));
            (void)ini.ReadInteger(section, name, 0);
            // A value rewritten under its own names reads back as written.
            try {
                const std::string value = ini.ReadString(section, name, "");
                again.WriteString(section, name, value);
                FUZZ_CHECK(again.ReadString(section, name, "x") == value);
            } catch (const Exception&) {
                // Names that a writer refuses (blank section, "]" kept in a header) may still
                // come from a file; refusing them is the sound answer.
            }
        }
    }
    return 0;
}
