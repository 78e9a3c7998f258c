// The record of a HART device as the gateway's read reply carries it.
#include "FuzzSupport.h"

#include "devicelink/HART_Device_Record.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    THART_Device_Record record{};
    std::copy_n(data, std::min(size, record.size()), record.begin());

    const std::string address = HART_Device_Address(record);
    FUZZ_CHECK(address.size() == 12 && address.compare(0, 2, "0x") == 0);
    FUZZ_CHECK(address.find_first_not_of("0123456789ABCDEF", 2) == std::string::npos);

    const int preamble = HART_Device_Preamble(record);
    FUZZ_CHECK(preamble >= 0 && preamble <= 255);

    // The name goes into XML table files: valid UTF-8 without control characters.
    const std::string name = HART_Device_Name(record);
    FUZZ_CHECK(IsValidUtf8(name));
    FUZZ_CHECK(std::none_of(name.begin(), name.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x20; }));

    FUZZ_CHECK(HART_Device_Variables(record).size() <= 293);
    return 0;
}
