#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Integer text as the framework reads it: optional leading blanks, an optional sign, then decimal
// digits, or hexadecimal digits after "$", "x" or "0x" (either case). Anything else, trailing
// blanks included, fails, and so does a value out of range. Hexadecimal digits up to the full
// width of the type are the two's-complement bit pattern: "$FFFFFFFF" is -1 for 32 bits.
bool TryStrToInt(std::string_view text, int32_t& value);
bool TryStrToInt64(std::string_view text, int64_t& value);

// Throw EConvertError "'<text>' is not a valid integer value".
int32_t StrToInt(std::string_view text);
int64_t StrToInt64(std::string_view text);

int32_t StrToIntDef(std::string_view text, int32_t fallback);
int64_t StrToInt64Def(std::string_view text, int64_t fallback);

std::string IntToStr(int64_t value);
// Upper-case digits, at least `digits` of them (zero-padded).
std::string IntToHex(uint64_t value, int digits);
