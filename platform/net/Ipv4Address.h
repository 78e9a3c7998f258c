#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using TIpv4Octets = std::array<uint8_t, 4>;

// Dotted decimal text such as "192.168.2.205": four parts of one to three decimal digits, each
// 0..255, nothing around them. Names are never looked up, so a typo can not leave the machine as
// a name query.
std::optional<TIpv4Octets> ParseIPv4(std::string_view text);

std::string FormatIPv4(const TIpv4Octets& octets);
