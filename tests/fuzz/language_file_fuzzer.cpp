// The language file reader: decoding by byte-order mark and the "STRn = text" lines.
#include "FuzzSupport.h"

#include "app/core/LanguageTexts.h"
#include "app/core/ULanguage.h"
#include "platform/core/Exception.h"
#include "platform/core/StringList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = WriteFuzzFile("Fuzz.lng", FuzzText(data, size));
    TStringList list;
    Load_Default_Strings(list);
    // A limit below the list's size, as the program uses when a language counts fewer slots.
    const int slotLimit = size > 0 ? data[0] * 16 : Language_Slot_Count;
    TStringList unchanged = list;
    try {
        Load_Language_File(list, path, slotLimit);
    } catch (const EFileError&) {
        FUZZ_CHECK_MSG(false, "a written file must be readable");
    }
    // A file sets texts only: the list keeps its slots, and slots at or above the limit stay.
    FUZZ_CHECK(list.Count() == Language_Slot_Count);
    for (int slot = std::max(slotLimit, 0); slot < list.Count(); ++slot)
        FUZZ_CHECK(list[slot] == unchanged[slot]);
    // Whatever the encoding, the texts are valid UTF-8.
    for (int slot = 0; slot < list.Count(); ++slot)
        FUZZ_CHECK_MSG(IsValidUtf8(list[slot]), "slot " + std::to_string(slot));
    return 0;
}
