// A page the grid appends to: its declared character set is found and the page decoded by it.
#include "FuzzSupport.h"

#include "grid/stringgrid/HtmlPageCharset.h"
#include "platform/core/CodePage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 8192)
        return 0;
    const std::string_view page = FuzzText(data, size);
    const auto charset = FindHtmlPageCharset(page);
    if (!charset) {
        FUZZ_CHECK(RedeclareHtmlPageCharset(page, "utf-8") == page);
        return 0;
    }
    FUZZ_CHECK(charset->Length > 0 && charset->Offset + charset->Length <= page.size());
    FUZZ_CHECK(page.substr(charset->Offset, charset->Length) == charset->Name);
    // The declaration says what it was told to, at the same place.
    const std::string redeclared = RedeclareHtmlPageCharset(page, "utf-8");
    const auto again = FindHtmlPageCharset(redeclared);
    FUZZ_CHECK(again && again->Offset == charset->Offset && again->Name == "utf-8");
    if (IsKnownEncoding(charset->Name))
        FUZZ_CHECK(IsValidUtf8(EncodingToUtf8(page, charset->Name)));
    return 0;
}
