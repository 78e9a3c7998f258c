#include "platform/net/Ipv4Address.h"

std::optional<TIpv4Octets> ParseIPv4(std::string_view text) {
    TIpv4Octets octets{};
    size_t position = 0;
    for (size_t part = 0; part < octets.size(); ++part) {
        if (part > 0) {
            if (position >= text.size() || text[position] != '.')
                return std::nullopt;
            ++position;
        }
        int value = 0;
        size_t digits = 0;
        while (position < text.size() && text[position] >= '0' && text[position] <= '9') {
            value = value * 10 + (text[position] - '0');
            ++position;
            if (++digits > 3)
                return std::nullopt;
        }
        if (digits == 0 || value > 255)
            return std::nullopt;
        octets[part] = static_cast<uint8_t>(value);
    }
    if (position != text.size())
        return std::nullopt;
    return octets;
}

std::string FormatIPv4(const TIpv4Octets& octets) {
    std::string text;
    for (size_t part = 0; part < octets.size(); ++part) {
        if (part > 0)
            text += '.';
        text += std::to_string(octets[part]);
    }
    return text;
}
