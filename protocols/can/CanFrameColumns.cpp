#include "protocols/can/CanFrameColumns.h"

#include "platform/core/IntegerConversion.h"

namespace {

constexpr TColor Frame_Color = 0x00FEFAE0;
constexpr TColor Byte_Color = 0x00F4D6FC;

} // namespace

std::vector<std::string> Can_Byte_Positions(int Max_Byte) {
    std::vector<std::string> items{"None"};
    items.reserve(static_cast<size_t>(Max_Byte) + 1);
    for (int position = 0; position < Max_Byte; ++position)
        items.push_back(IntToStr(position));
    return items;
}

TTableColumn Can_CobID_Column(int Header_Slot, int Hint_Slot) {
    return {"COBID", Header_Slot, Hint_Slot, 90, Frame_Color};
}

TTableColumn Can_Type_Column(int Header_Slot, int Hint_Slot) {
    return {"CAN_Type",  Header_Slot, Hint_Slot,     90,
            Frame_Color, tcComboList, taLeftJustify, {Can_Type_11_Bits, Can_Type_29_Bits}};
}

TTableColumn Can_Dimension_Column(int Header_Slot, int Hint_Slot) {
    return {"Dim", Header_Slot, Hint_Slot, 70, Frame_Color};
}

std::vector<TTableColumn> Can_Byte_Columns(int First_Header_Slot, int First_Hint_Slot) {
    const std::vector<std::string> positions = Can_Byte_Positions();
    std::vector<TTableColumn> columns;
    for (int k = 0; k < 8; ++k)
        columns.push_back({"Byte" + IntToStr(k + 1), First_Header_Slot + k, First_Hint_Slot + k, 48,
                           Byte_Color, tcComboList, taLeftJustify, positions});
    return columns;
}

TTableColumn Enable_Column(int Header_Slot, int Hint_Slot) {
    TTableColumn enable{"Enable", Header_Slot, Hint_Slot, 50, 0x00B0D8FF, tcCheckBox, taCenter};
    enable.Has_Missing = true;
    enable.Missing = "Y";
    return enable;
}
