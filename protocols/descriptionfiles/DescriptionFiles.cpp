#include "protocols/descriptionfiles/DescriptionFiles.h"

#include "platform/core/Files.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/StringList.h"
#include "platform/core/Text.h"

int Whole_Number_Or(std::string_view text, int fallback) {
    int32_t value = 0;
    return TryStrToInt(Trim(text), value) ? value : fallback;
}

bool Load_Table_File(const std::string& path, TXMLDocument& xml) {
    if (!FileExists(path))
        return false;
    xml.LoadFromFile(path);
    return true;
}

static void Write_Lines(const std::string& path, const std::vector<std::string>& lines,
                        TTextEncoding encoding) {
    TStringList list;
    for (const std::string& line : lines)
        list.Add(line);
    list.SaveToFile(path, encoding);
}

void Write_Ansi_Lines(const std::string& path, const std::vector<std::string>& lines) {
    Write_Lines(path, lines, TTextEncoding::Ansi);
}

void Write_Utf8_Bom_Lines(const std::string& path, const std::vector<std::string>& lines) {
    Write_Lines(path, lines, TTextEncoding::Utf8Bom);
}
