#include "protocols/descriptionfiles/DescriptionFiles.h"

#include "platform/core/Files.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/StringList.h"
#include "platform/core/Text.h"

#include <ctime>

TFileStamp File_Stamp_Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string Two_Digits(int value) {
    return value >= 0 && value < 10 ? "0" + IntToStr(value) : IntToStr(value);
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
