// Integer and float conversion of typed and stored text.
#include "FuzzSupport.h"

#include "platform/core/Exception.h"
#include "platform/core/FloatConversion.h"
#include "platform/core/IntegerConversion.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = FuzzText(data, size);

    int32_t i32 = 0;
    if (TryStrToInt(text, i32)) {
        int32_t back = 0;
        FUZZ_CHECK(TryStrToInt(IntToStr(i32), back) && back == i32);
        FUZZ_CHECK(StrToInt(text) == i32);
    } else {
        FUZZ_CHECK(StrToIntDef(text, 7) == 7);
    }
    int64_t i64 = 0;
    if (TryStrToInt64(text, i64)) {
        int64_t back = 0;
        FUZZ_CHECK(TryStrToInt64(IntToStr(i64), back) && back == i64);
        FUZZ_CHECK(TryStrToInt64("$" + IntToHex(static_cast<uint64_t>(i64), 16), back) &&
                   back == i64);
    } else {
        FUZZ_CHECK(StrToInt64Def(text, 7) == 7);
    }

    for (const std::string_view separator : {".", ","}) {
        double value = 0;
        if (!TryStrToFloat(text, value, separator)) {
            FUZZ_CHECK(StrToFloatDef(text, 0.5, separator) == 0.5);
            continue;
        }
        FUZZ_CHECK(std::isfinite(value));
        // The general format keeps 15 significant digits.
        const std::string shown = FloatToStr(value, separator);
        double back = 0;
        FUZZ_CHECK_MSG(TryStrToFloat(shown, back, separator), shown);
        FUZZ_CHECK_MSG(std::fabs(back - value) <= std::fabs(value) * 1e-14, shown);
        FUZZ_CHECK(FloatToStr(back, separator) == shown);
    }
    return 0;
}
