#include "app/core/ParGenValidation.h"

#include "app/core/ULanguage.h"
#include "platform/core/IntegerConversion.h"

#include <vector>

namespace {

struct TRangeCheck {
    std::string Element;
    const std::string* Text;
    int32_t Low;
    int32_t High;
    int Lang_Index;
};

bool In_Range(const std::string& text, int32_t low, int32_t high) {
    int32_t value = 0;
    return TryStrToInt(text, value) && value >= low && value <= high;
}

void Add_Octet_Checks(std::vector<TRangeCheck>& checks, const std::string& prefix,
                      const std::array<std::string, 4>& octets, int first_lang_index) {
    for (int i = 0; i < 4; ++i)
        checks.push_back(
            {prefix + std::to_string(i + 1), &octets[i], 0, 255, first_lang_index + i});
}

} // namespace

TParGenCheck Check_ParGen_Values(const TParGenValues& values) {
    std::vector<TRangeCheck> checks;
    Add_Octet_Checks(checks, "Ethernet_IP", values.Ethernet_IP, 801);
    Add_Octet_Checks(checks, "Ethernet_SM", values.Ethernet_SM, 805);
    // The gateway octets matter only while the gateway is in use.
    if (values.Ethernet_EN_GAT)
        Add_Octet_Checks(checks, "Ethernet_GAT", values.Ethernet_GAT, 809);
    checks.push_back({"PROFIBUS_ID_Device", &values.PROFIBUS_ID_Device, 1, 125, 880});
    checks.push_back({"PROFINET_NB_IN", &values.PROFINET_NB_IN, 0, 244, 881});
    checks.push_back({"PROFINET_NB_OUT", &values.PROFINET_NB_OUT, 0, 244, 882});

    for (const TRangeCheck& check : checks) {
        if (!In_Range(*check.Text, check.Low, check.High))
            return {false, check.Element, check.Lang_Index, Lang_Str(check.Lang_Index)};
    }
    return {};
}
