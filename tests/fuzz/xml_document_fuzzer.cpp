// The XML document every table file is read through.
#include "FuzzSupport.h"

#include "platform/core/Exception.h"
#include "platform/xml/XmlDocument.h"

namespace {

std::string Without_Blanks(std::string_view text) {
    std::string result;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            result += c;
    return result;
}

// The content the readers see, visiting every element the way they do: names, the texts of
// elements without children and the attributes the table files use. Depth is bounded by the input's
// size.
void Dump(const TXmlNode& node, std::string& out) {
    out += node.NodeName();
    // Text among child elements is layout, which the readers never take as a value. A text made
    // of pieces (CDATA sections, comments between) loses its blank-only pieces when read again,
    // so texts are compared without blanks; the table files' own round trips compare them whole.
    out += node.HasChildElements() ? "+[" : "[" + Without_Blanks(node.Text());
    for (const char* attribute : {"Enable", "x", "y"})
        if (node.HasAttribute(attribute))
            out += std::string(" ") + attribute + "=" + node.Attribute(attribute);
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
