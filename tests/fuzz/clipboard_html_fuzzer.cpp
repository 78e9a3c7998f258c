// The "HTML Format" clipboard layout around copied cells: the offsets in its header must point
// at the document and the fragment as written.
#include "FuzzSupport.h"

#include "grid/foundation/ExDrawing.h"

#include <cstdlib>

namespace {

// The eight-digit offset after `name` in the header, or npos.
size_t Header_Offset(const std::string& text, std::string_view name) {
    const size_t at = text.find(name);
    if (at == std::string::npos || at + name.size() + 8 > text.size())
        return std::string::npos;
    const std::string digits = text.substr(at + name.size(), 8);
    if (digits.find_first_not_of("0123456789") != std::string::npos)
        return std::string::npos;
    return std::strtoull(digits.c_str(), nullptr, 10);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string fragment(FuzzText(data, size));
    std::string text = fragment;
    MakeCFHTML(text);

    // The header comes first, so its offsets are read before any fragment text.
    const size_t header_end = text.find("<!DOCTYPE");
    FUZZ_CHECK(header_end != std::string::npos);
    const std::string header = text.substr(0, header_end);
    const size_t start_html = Header_Offset(header, "StartHTML:");
    const size_t end_html = Header_Offset(header, "EndHTML:");
    const size_t start_fragment = Header_Offset(header, "StartFragment:");
    const size_t end_fragment = Header_Offset(header, "EndFragment:");
    FUZZ_CHECK(start_html == header_end);
    FUZZ_CHECK(end_html == text.size());
    FUZZ_CHECK(start_fragment <= end_fragment && end_fragment <= end_html);
    FUZZ_CHECK(text.compare(start_fragment, end_fragment - start_fragment, fragment) == 0);
    FUZZ_CHECK(text.compare(start_fragment - 20, 20, "<!--StartFragment-->") == 0);
    return 0;
}
