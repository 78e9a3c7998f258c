// The XML document every table file is read through.
#include "FuzzSupport.h"

#include "platform/core/Exception.h"
#include "platform/xml/XmlDocument.h"

namespace {

// The content the readers see, visiting every element the way they do: names, texts and the
// attributes the table files use. Depth is bounded by the input's size.
void Dump(const TXmlNode& node, std::string& out) {
    out += node.NodeName();
    out += node.HasChildElements() ? "+[" : "[";
    out += CrAsLf(node.Text());
    for (const char* attribute : {"Enable", "x", "y"})
        if (node.HasAttribute(attribute))
            out += std::string(" ") + attribute + "=" + CrAsLf(node.Attribute(attribute));
    (void)node.ChildNode("row");
    for (const TXmlNode& child : node.ChildElements())
        Dump(child, out);
    out += "]";
}

std::string Content(const TXMLDocument& xml) {
    std::string out;
    Dump(xml.DocumentElement(), out);
    return out;
}

std::string Load_And_Save(const std::string& text, TXMLDocument& xml) {
    try {
        xml.LoadFromString(text);
    } catch (const Exception& error) {
        FUZZ_CHECK_MSG(false, "saved text does not load: " + error.Message);
    }
    return xml.SaveToString();
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
    // What the document saves loads again with the same content, and saving that once more
    // gives the same text.
    const std::string saved = xml.SaveToString();
    TXMLDocument again;
    const std::string saved_again = Load_And_Save(saved, again);
    FUZZ_CHECK_MSG(Content(again) == Content(xml), "saved content reads back differently");
    TXMLDocument third;
    FUZZ_CHECK_MSG(Load_And_Save(saved_again, third) == saved_again, "saving is not stable");
    return 0;
}
