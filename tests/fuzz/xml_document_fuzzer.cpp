// The XML document every table file is read through.
#include "FuzzSupport.h"

#include "platform/core/Exception.h"
#include "platform/xml/XmlDocument.h"

namespace {

// Visits every element the way the readers do; depth is bounded by the input's size.
void Walk(const TXmlNode& node) {
    (void)node.NodeName();
    (void)node.Text();
    (void)node.HasChildElements();
    (void)node.Attribute("Enable", "Y");
    (void)node.ChildNode("row");
    for (const TXmlNode& child : node.ChildElements())
        Walk(child);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TXMLDocument xml;
    try {
        xml.LoadFromString(FuzzText(data, size));
    } catch (const Exception&) {
        FUZZ_CHECK(xml.DocumentElement().IsNull());
        return 0;
    }
    Walk(xml.DocumentElement());
    // What the document saves loads again and saves the same.
    const std::string saved = xml.SaveToString();
    TXMLDocument again;
    try {
        again.LoadFromString(saved);
    } catch (const Exception& error) {
        FUZZ_CHECK_MSG(false, "saved text does not load: " + error.Message);
    }
    FUZZ_CHECK_MSG(CrAsLf(again.SaveToString()) == CrAsLf(saved), "saving is not stable");
    return 0;
}
