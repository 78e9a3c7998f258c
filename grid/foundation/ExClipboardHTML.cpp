#include "grid/foundation/ExDrawing.h"

#include <cstdio>

namespace {

std::string HeaderLine(const char* name, size_t offset) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%s%.8zu\r\n", name, offset);
    return buffer;
}

// The text is UTF-8, so the document says so: a reader that honours the declared charset then
// shows non-ASCII characters as they are.
constexpr std::string_view DocumentPrefix =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"
    "<html><head><META http-equiv=Content-Type content=\"text/html; charset=utf-8\">"
    "</head><body><!--StartFragment-->";
constexpr std::string_view DocumentSuffix = "<!--EndFragment--></body></html>";

} // namespace

void MakeCFHTML(std::string& Text) {
    const std::string version = "Version:1.0\r\n";
    // Every offset has eight digits, so the header's length does not depend on the offsets.
    const size_t headerLength =
        version.size() + HeaderLine("StartHTML:", 0).size() + HeaderLine("EndHTML:", 0).size() +
        HeaderLine("StartFragment:", 0).size() + HeaderLine("EndFragment:", 0).size();
    const size_t startFragment = headerLength + DocumentPrefix.size();
    const size_t endFragment = startFragment + Text.size();
    const size_t endHTML = endFragment + DocumentSuffix.size();
    Text = version + HeaderLine("StartHTML:", headerLength) + HeaderLine("EndHTML:", endHTML) +
           HeaderLine("StartFragment:", startFragment) + HeaderLine("EndFragment:", endFragment) +
           std::string(DocumentPrefix) + Text + std::string(DocumentSuffix);
}
