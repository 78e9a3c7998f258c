// Loads any bytes as an XML document. Loading either succeeds or throws Exception; a loaded
// document has one root, reads without surprises, and its saved text loads again and saves the
// same.
#include "platform/core/Exception.h"
#include "platform/xml/XmlDocument.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

// Reads every element as the configurator's readers do, to a bounded depth.
void Walk(const TXmlNode& node, int depth) {
    Check(!node.IsNull());
    Check(!node.NodeName().empty());
    (void)node.Text();
    (void)node.Attribute("Device_Address", "default");
    const std::vector<TXmlNode> children = node.ChildElements();
    Check(node.HasChildElements() == !children.empty());
    if (depth == 0)
        return;
    for (const TXmlNode& child : children)
        Walk(child, depth - 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TXMLDocument xml;
    try {
        xml.LoadFromString(bytes);
    } catch (const Exception&) {
        Check(xml.DocumentElement().IsNull());
        return 0;
    }
    Walk(xml.DocumentElement(), 32);

    const std::string saved = xml.SaveToString();
    TXMLDocument again;
    try {
        again.LoadFromString(saved);
    } catch (const Exception&) {
        std::abort(); // what the document object writes, it reads
    }
    Check(again.SaveToString() == saved);
    Check(again.DocumentElement().NodeName() == xml.DocumentElement().NodeName());
    return 0;
}
