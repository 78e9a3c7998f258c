#include "protocols/descriptionfiles/UBACnet_EDE_File.h"

#include "app/core/TableFile.h"
#include "app/core/XmlLookup.h"
#include "platform/core/CodePage.h"
#include "platform/core/Exception.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"

#include <limits>
#include <utility>

namespace {

constexpr std::pair<std::string_view, int> Object_Types[] = {
    {"ANALOG INPUT", 0},        {"ANALOG OUT", 1},
    {"ANALOG VALUE", 2},        {"BINARY INPUT", 3},
    {"BINARY OUT", 4},          {"BINARY VALUE", 5},
    {"MULTI STATE INPUT", 13},  {"MULTI STATE OUTPUT", 14},
    {"MULTI STATE VALUE", 19},  {"LIFE SAFETY POINT", 21},
    {"LIFE SAFETY ZONE", 22},   {"ACCUMULATOR", 23},
    {"ACCESS DOOR", 30},        {"CHARACTERSTRING VALUE", 40},
    {"DATETIME VALUE", 44},     {"INTEGER VALUE", 45},
    {"LARGE ANALOG VALUE", 46}, {"POSITIVE INTEGER VALUE", 48},
};

// A field never holds the separator or a line break, so every object stays on its own row with
// its seven fields.
std::string Field(std::string_view text) {
    return ReplaceAll(Table_File_Text(text), ";", ",");
}

// The first `count` characters, counted as the target tools count them, in UTF-16 units.
std::string First_Characters(const std::string& text, size_t count) {
    const std::u16string units = Utf8ToUtf16(text);
    return units.size() <= count ? text : Utf16ToUtf8(units.substr(0, count));
}

void Read_Section(const TXMLDocument& xml, std::string_view section, std::string_view tableName,
                  TEdeRun& run) {
    const auto rows = Read_Table_File_Rows(xml, section, {"Data_Type", "Eng_Unit", "Mnemonic"},
                                           std::numeric_limits<size_t>::max());
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string where =
            "BACnet object table \"" + std::string(tableName) + "\", row " + IntToStr(i + 1);
        const TTableFileRow& row = rows[i];
        if (!row[0] || !row[1] || !row[2])
            throw Exception(where + ": the row lacks Data_Type, Eng_Unit or Mnemonic");
        const int type = BACnet_Object_Type_Code(*row[0]);
        if (type < 0)
            throw Exception(where + ": unknown object type \"" + *row[0] + "\"");
        const std::string& mnemonic = *row[2];
        TBACnet_EDE_Obj object;
        object.DevObjInstance = run.Device_Instance;
        object.ObjectName = First_Characters(mnemonic, run.Long_Names ? 32 : 16);
        object.ObjectType = IntToStr(type);
        object.ObjectInstance = IntToStr(BACnet_Next_Instance(run, type));
        object.Keyname = run.Device_Instance + "_" + mnemonic + "_" + object.ObjectInstance;
        object.Description = object.ObjectName;
        object.UnitCode = *row[1];
        run.Objects.push_back(std::move(object));
    }
}

} // namespace

int BACnet_Object_Type_Code(std::string_view dataType) {
    const std::string key = UpperCase(Trim(dataType));
    for (const auto& [name, code] : Object_Types)
        if (key == name)
            return code;
    return -1;
}

int BACnet_Next_Instance(TEdeRun& run, int typeCode) {
    return run.Next_Instance[typeCode]++;
}

std::string EDE_Timestamp(const TFileStamp& stamp) {
    return Two_Digits(stamp.Hour) + ":" + Two_Digits(stamp.Minute) + ":" +
           Two_Digits(stamp.Second) + " " + Two_Digits(stamp.Day) + "/" + Two_Digits(stamp.Month) +
           "/" + IntToStr(stamp.Year);
}

void EDE_Read_ParGen(const std::string& parGenFile, TEdeRun& run) {
    TXMLDocument xml;
    if (!Load_Table_File(parGenFile, xml))
        return;
    const TXmlNode root = xml.DocumentElement();
    std::string text;
    const int type = Read_Element_Text(root, "BACnet_Type", text) ? StrToIntDef(text, 0) : 0;
    if (Read_Element_Text(root, type == 1 ? "BACnet_Ser_DEV_IDE" : "BACnet_DEV_IDE", text))
        run.Device_Instance = text;
    run.Long_Names = Read_Element_Text(root, "BACnet_Desc_Chars_Limit", text) && text == "1";
}

void EDE_Read_Objects(const std::string& bacnetSlaveFile, TEdeRun& run) {
    TXMLDocument xml;
    if (!Load_Table_File(bacnetSlaveFile, xml))
        return;
    Read_Section(xml, "BACnet_in_Read", "BACnet in Read", run);
    Read_Section(xml, "BACnet_in_Write", "BACnet in Write", run);
}

std::vector<std::string> EDE_Lines(const TEdeRun& run, std::string_view projectName,
                                   const TFileStamp& stamp) {
    std::vector<std::string> lines = {
        "PROJECT_NAME; QuorvelCo--" + Field(projectName) + ";;;;;;",
        "VERSION_OF_REFERENCEFILE;1.0;;;;;;",
        "TIMESTAMP_OF_LAST_CHANGE;" + EDE_Timestamp(stamp) + ";;;;;;",
        "AUTHOR_OF_LAST_CHANGE;QuorvelCo;;;;;;",
        "VERSION_OF_LAYOUT;2;;;;;;",
        "# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;",
        "# keyname;device obj.-instance;object-name;object-type;object-instance;description;"
        "unit-code;"};
    for (const TBACnet_EDE_Obj& o : run.Objects) {
        std::string line;
        for (const std::string* field :
             {&o.Keyname, &o.DevObjInstance, &o.ObjectName, &o.ObjectType, &o.ObjectInstance,
              &o.Description, &o.UnitCode})
            line += Field(*field) + ";";
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string EDE_File_Name(std::string_view chosen) {
    const bool hasCsv = chosen.size() >= 4 && UpperCase(chosen.substr(chosen.size() - 4)) == ".CSV";
    return hasCsv ? std::string(chosen) : std::string(chosen) + ".csv";
}

void EDE_Build_File(const std::string& path, const std::string& parGenFile,
                    const std::string& bacnetSlaveFile, std::string_view projectName,
                    const TFileStamp& stamp) {
    TEdeRun run;
    EDE_Read_ParGen(parGenFile, run);
    EDE_Read_Objects(bacnetSlaveFile, run);
    Write_Ansi_Lines(path, EDE_Lines(run, projectName, stamp));
}
