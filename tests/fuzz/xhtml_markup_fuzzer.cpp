// Cell mark-up rewritten for an XHTML export: whatever a cell holds, the result is XML that a
// strict reader takes, and rewriting it again changes nothing.
#include "FuzzSupport.h"

#include "grid/stringgrid/XhtmlMarkup.h"
#include "platform/core/Exception.h"
#include "platform/xml/XmlDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string xml = WellFormedXhtml(FuzzText(data, size));
    TXMLDocument document;
    try {
        document.LoadFromString("<td>" + xml + "</td>");
    } catch (const Exception& error) {
        FUZZ_CHECK_MSG(false, "not well-formed: " + error.Message + "\n" + xml);
    }
    FUZZ_CHECK_MSG(WellFormedXhtml(xml) == xml, "rewriting changes it again: " + xml);
    return 0;
}
