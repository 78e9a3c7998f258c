#include "app/core/HartBank.h"

#include "app/core/ByteWriter.h"
#include "app/core/HartVariablesFile.h"
#include "platform/core/CodePage.h"
#include "platform/core/Files.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"

namespace {

bool Is_Enabled(const TXmlNode& row) {
    return row.Attribute("Enable") == "Y";
}

// A missing attribute or a text that is not a 32-bit integer gives the fallback.
uint32_t Attribute_U32(const TXmlNode& row, std::string_view name, int32_t fallback) {
    return static_cast<uint32_t>(StrToIntDef(row.Attribute(name), fallback));
}

// Time-outs are unsigned: the whole range up to 0xFFFFFFFF is accepted, and a negative 32-bit
// number keeps its bit pattern as before.
uint32_t Attribute_TimeOut(const TXmlNode& row) {
    int64_t value = 0;
    if (!TryStrToInt64(row.Attribute("TimeOut"), value) || value < INT32_MIN || value > UINT32_MAX)
        return 0;
    return static_cast<uint32_t>(value);
}

uint32_t Operation_Word(const TXmlNode& row) {
    uint32_t operation = 0;
    if (row.Attribute("ConvInt") == "Y")
        operation |= 2;
    if (row.Attribute("Swap") == "Y")
        operation |= (operation & 2) ? 4 : 1;
    return operation | Get_Operation_Code(row.Attribute("Var_Operation"));
}

THart_Var_Place Read_Var_Place(const TXmlNode& row) {
    THart_Var_Place place;
    place.device_address = static_cast<uint64_t>(StrToInt64Def(row.Attribute("Device_Address"), 0));
    place.preamble_count = Attribute_U32(row, "Preamble_Count", 5);
    place.Var_Type = Get_Var_Type_Code(row.Attribute("Var_Cmd_Type"));
    place.variable_number = Attribute_U32(row, "Var_Cmd_Number", 0);
    place.params = Hex_To_Bytes(row.Attribute("Cmd_Params"));
    place.params_length = static_cast<uint32_t>(place.params.size());
    place.position = Attribute_U32(row, "Position", 0);
    place.operation = Operation_Word(row);
    place.TimeOut = Attribute_TimeOut(row);
    return place;
}

int Hex_Digit(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

} // namespace

void Init_Hart_Bank(THart_Bank& bank) {
    bank = THart_Bank();
}

int Count_Enabled_Variables(const TXmlNode& root) {
    int count = 0;
    for (const TXmlNode& row : root.ChildNode(Hart_Variables_Section).ChildElements())
        count += Is_Enabled(row) ? 1 : 0;
    return count;
}

void Fill_Hart_Bank(THart_Bank& bank, const std::string& path, uint32_t base) {
    if (!FileExists(path))
        return;
    TXMLDocument xml;
    xml.LoadFromFile(path);
    const TXmlNode root = xml.DocumentElement();
    if (root.IsNull() || root.NodeName() != Hart_Variables_Root ||
        root.ChildNode(Hart_Variables_Section).IsNull())
        return;
    const int count = Count_Enabled_Variables(root);
    bank.var_number = static_cast<uint32_t>(count);
    if (count == 0)
        return;
    bank.hart_var_place_add = base + static_cast<uint32_t>(Hart_Bank_Header_Size);
    uint32_t params_cursor =
        base + static_cast<uint32_t>(Hart_Bank_Header_Size + Hart_Var_Place_Size * count);
    bank.hart_var_place.clear();
    for (const TXmlNode& row : root.ChildNode(Hart_Variables_Section).ChildElements()) {
        if (!Is_Enabled(row))
            continue;
        THart_Var_Place place = Read_Var_Place(row);
        place.params_add = params_cursor;
        params_cursor += place.params_length;
        bank.hart_var_place.push_back(std::move(place));
    }
}

size_t Store_Hart_Bank(const THart_Bank& bank, size_t position, std::vector<uint8_t>& buffer) {
    TByteWriter out(buffer, position);
    out.U32(bank.var_number);
    out.U32(bank.hart_var_place_add);
    out.U32(bank.routing_rules_number);
    out.U32(bank.routing_rules_add);
    out.U32(bank.Hart_type);
    out.U64(bank.address);
    out.U32(bank.retry_limit);
    out.U32(bank.slave_info_address);
    for (const THart_Var_Place& place : bank.hart_var_place) {
        out.U64(place.device_address);
        out.U32(place.preamble_count);
        out.U32(place.Var_Type);
        out.U32(place.variable_number);
        out.Put(place.variable_transducer_serial_number, 3);
        out.U8(place.variable_limits);
        for (float value :
             {place.variable_upper_range, place.variable_lower_range,
              place.variable_upper_transducer_limit, place.variable_lower_transducer_limit,
              place.variable_damping_value, place.variable_minimum_span})
            out.F32(value);
        out.U32(place.TimeOut);
        for (uint8_t value :
             {place.variable_units, place.variable_classification, place.variable_family,
              place.variable_properties, place.variable_status})
            out.U8(value);
        out.Bytes(place.spare.data(), place.spare.size());
        out.U32(place.params_add);
        out.U32(place.params_length);
        out.U32(place.position);
        out.U32(place.operation);
    }
    for (const THart_Var_Place& place : bank.hart_var_place)
        out.Bytes(place.params.data(), place.params.size());
    return out.Position();
}

uint32_t Get_Var_Type_Code(std::string_view type) {
    if (type == "Var")
        return 0;
    if (type == "Var Burst")
        return 1;
    return 2;
}

uint32_t Get_Operation_Code(std::string_view operation) {
    static const std::string_view multipliers[] = {"x 10",    "x 100",    "x 1000",
                                                   "x 10000", "x 100000", "x 1000000"};
    for (size_t i = 0; i < std::size(multipliers); ++i) {
        if (operation == multipliers[i])
            return 8u << i;
    }
    return 0;
}

std::vector<uint8_t> Hex_To_Bytes(std::string_view text) {
    // Characters are counted as the table's cells count them, in UTF-16 units.
    const std::u16string units = Utf8ToUtf16(Trim(text));
    std::vector<uint8_t> bytes(units.size() / 2);
    for (size_t i = 0; i < bytes.size(); ++i) {
        const int high = Hex_Digit(units[2 * i]);
        const int low = Hex_Digit(units[2 * i + 1]);
        bytes[i] = (high < 0 || low < 0) ? 0 : static_cast<uint8_t>(high * 16 + low);
    }
    return bytes;
}
