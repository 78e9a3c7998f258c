#include "app/core/HartVariablesFile.h"

#include "app/core/TableFile.h"
#include "platform/core/Files.h"
#include "platform/core/Text.h"

namespace {

struct TColumn {
    const char* Attribute;
    std::string THartVariableRow::*Text; // null for a check box
    bool THartVariableRow::*Check;
};

// The attributes in file order.
const TColumn Columns[] = {
    {"Enable", nullptr, &THartVariableRow::Enable},
    {"Device_Address", &THartVariableRow::Device_Address, nullptr},
    {"Preamble_Count", &THartVariableRow::Preamble_Count, nullptr},
    {"Var_Cmd_Type", &THartVariableRow::Var_Cmd_Type, nullptr},
    {"Var_Cmd_Number", &THartVariableRow::Var_Cmd_Number, nullptr},
    {"Cmd_Params", &THartVariableRow::Cmd_Params, nullptr},
    {"Position", &THartVariableRow::Position, nullptr},
    {"Swap", nullptr, &THartVariableRow::Swap},
    {"ConvInt", nullptr, &THartVariableRow::ConvInt},
    {"Var_Operation", &THartVariableRow::Var_Operation, nullptr},
    {"TimeOut", &THartVariableRow::TimeOut, nullptr},
    {"Mnemonic", &THartVariableRow::Mnemonic, nullptr},
};

} // namespace

std::vector<THartVariableRow> Read_Hart_Variables_File(const std::string& path, size_t Max_Rows) {
    std::vector<THartVariableRow> rows;
    if (!FileExists(path))
        return rows;
    TXMLDocument xml;
    xml.LoadFromFile(path);
    for (const TXmlNode& element : Table_File_Rows(xml, Hart_Variables_Section).ChildElements()) {
        if (rows.size() == Max_Rows)
            break;
        THartVariableRow& row = rows.emplace_back();
        for (const TColumn& column : Columns) {
            if (!element.HasAttribute(column.Attribute))
                continue;
            const std::string text = element.Attribute(column.Attribute);
            if (column.Text)
                row.*column.Text = text;
            else
                row.*column.Check = text != "N";
        }
    }
    return rows;
}

void Write_Hart_Variables_File(const std::string& path, const std::vector<THartVariableRow>& rows) {
    TXMLDocument xml;
    TXmlNode section = Begin_Table_File(xml, Hart_Variables_Root, Hart_Variables_Section);
    for (const THartVariableRow& row : rows) {
        if (Trim(row.Device_Address).empty())
            continue;
        TXmlNode element = section.AddChild("row");
        for (const TColumn& column : Columns)
            element.SetAttribute(column.Attribute, column.Text ? std::string_view(row.*column.Text)
                                                               : Check_Text(row.*column.Check));
    }
    xml.SaveToFile(path);
}
