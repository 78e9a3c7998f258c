#include "platform/xml/XmlText.h"

#include "platform/core/Utf8.h"

namespace {

bool XmlCarries(char32_t c) {
    if (c < 0x20)
        return c == '\t' || c == '\n' || c == '\r';
    return c != 0xFFFE && c != 0xFFFF;
}

} // namespace

std::string ValidXmlCharacters(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        char32_t c = 0;
        const size_t taken = DecodeUtf8Character(utf8, c);
        if (XmlCarries(c) && c != ReplacementCharacter)
            out.append(utf8.substr(0, taken));
        else
            AppendUtf8(out, ReplacementCharacter);
        utf8.remove_prefix(taken);
    }
    return out;
}
