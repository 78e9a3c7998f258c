#include "platform/xml/XmlDocument.h"

#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/xml/XmlText.h"

#include <algorithm>
#include <optional>
#include <pugixml.hpp>
#include <sstream>

struct TXmlNodeData {
    pugi::xml_node Node;

    static TXmlNode Wrap(pugi::xml_node node) {
        return TXmlNode(std::make_unique<TXmlNodeData>(TXmlNodeData{node}));
    }
};

struct TXMLDocument::Impl {
    pugi::xml_document Document;
    bool Active = false;
    int ErrorCode = 0;
    int ErrorLine = 0;
};

namespace {

// Whitespace-only text is kept when it is an element's only content (a value of blanks), and
// dropped between elements, where it is indentation. Documents are parsed as fragments only so
// that text beside the root stays visible to the well-formedness check below; pugixml drops it
// silently otherwise.
constexpr unsigned ParseOptions = pugi::parse_default | pugi::parse_comments |
                                  pugi::parse_ws_pcdata_single | pugi::parse_fragment;

bool IsText(const pugi::xml_node& node) {
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

// " at line L, column C" of a byte offset into the loaded text.
std::string DescribePosition(std::string_view text, ptrdiff_t offset) {
    size_t line = 1;
    size_t column = 1;
    const auto end = static_cast<size_t>(std::max<ptrdiff_t>(offset, 0));
    for (size_t i = 0; i < end && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return " at line " + std::to_string(line) + ", column " + std::to_string(column);
}

int LineOf(std::string_view text, ptrdiff_t offset) {
    const auto end = std::min(static_cast<size_t>(std::max<ptrdiff_t>(offset, 0)), text.size());
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + end, '\n'));
}

std::string DescribeParseError(std::string_view text, const pugi::xml_parse_result& result) {
    std::string message = result.description();
    if (result.status != pugi::status_no_document_element)
        message += DescribePosition(text, result.offset);
    return message;
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// Where the node's content starts in the parsed text, blanks skipped; empty when the offset is
// not known.
std::string NodePosition(std::string_view text, const pugi::xml_node& node) {
    const ptrdiff_t offset = node.offset_debug();
    if (offset < 0 || static_cast<size_t>(offset) >= text.size())
        return {};
    const size_t start = text.find_first_not_of(" \t\r\n", static_cast<size_t>(offset));
    return DescribePosition(text, static_cast<ptrdiff_t>(std::min(start, text.size())));
}

// A well-formed document has one element at its top level and nothing else there but blanks,
// comments, processing instructions, a declaration and a document type. Returns the error, or an
// empty text for a well-formed document.
std::string DocumentLevelError(std::string_view text, const pugi::xml_document& document) {
    bool rootSeen = false;
    for (const pugi::xml_node node : document.children()) {
        switch (node.type()) {
        case pugi::node_element:
            if (rootSeen)
                return "Second root element <" + std::string(node.name()) + ">" +
                       NodePosition(text, node);
            rootSeen = true;
            break;
        case pugi::node_pcdata:
            if (!IsBlank(node.value()))
                return "Text outside the root element" + NodePosition(text, node);
            break;
        case pugi::node_cdata:
            return "CDATA section outside the root element" + NodePosition(text, node);
        default:
            break;
        }
    }
    return rootSeen ? std::string() : "No document element found";
}

// A CR written as it stands in element text reads back as LF (XML readers normalise line ends),
// so a value holding one would change on the next load. The writer itself ends lines with LF and
// escapes CRs in attributes, so every raw CR in its output is content: write it as a reference.
class CarriageReturnEscapingWriter : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override {
        const std::string_view bytes(static_cast<const char*>(data), size);
        for (char c : bytes) {
            if (c == '\r')
                Text += "&#13;";
            else
                Text += c;
        }
    }
    std::string Text;
};

// A document whose declared encoding cannot be read; the parser's own codes stay below it.
constexpr int UnknownEncodingError = 101;

// A reference to character 0 is not well-formed, and the parser would cut the text at it.
bool HasNulCharacterReference(std::string_view text) {
    for (size_t at = text.find("&#"); at != std::string_view::npos; at = text.find("&#", at + 2)) {
        size_t digit = at + 2;
        if (digit < text.size() && (text[digit] == 'x' || text[digit] == 'X'))
            ++digit;
        size_t end = digit;
        while (end < text.size() && text[end] == '0')
            ++end;
        if (end > digit && end < text.size() && text[end] == ';')
            return true;
    }
    return false;
}

} // namespace

TXmlNode::TXmlNode() = default;
TXmlNode::~TXmlNode() = default;

TXmlNode::TXmlNode(std::unique_ptr<TXmlNodeData> data) : FData(std::move(data)) {}

TXmlNode::TXmlNode(const TXmlNode& other)
    : FData(other.FData ? std::make_unique<TXmlNodeData>(*other.FData) : nullptr) {}

TXmlNode& TXmlNode::operator=(const TXmlNode& other) {
    if (this != &other)
        FData = other.FData ? std::make_unique<TXmlNodeData>(*other.FData) : nullptr;
    return *this;
}

bool TXmlNode::IsNull() const {
    return !FData || !FData->Node;
}

std::string TXmlNode::NodeName() const {
    return IsNull() ? std::string() : std::string(FData->Node.name());
}

TXmlNode TXmlNode::ChildNode(std::string_view name) const {
    if (IsNull())
        return {};
    return TXmlNodeData::Wrap(FData->Node.child(std::string(name).c_str()));
}

std::vector<TXmlNode> TXmlNode::ChildElements() const {
    std::vector<TXmlNode> children;
    if (IsNull())
        return children;
    for (pugi::xml_node child : FData->Node.children())
        if (child.type() == pugi::node_element)
            children.push_back(TXmlNodeData::Wrap(child));
    return children;
}

std::vector<TXmlNode> TXmlNode::ChildElements(std::string_view name) const {
    std::vector<TXmlNode> children;
    if (IsNull())
        return children;
    for (pugi::xml_node child : FData->Node.children())
        if (child.type() == pugi::node_element && name == child.name())
            children.push_back(TXmlNodeData::Wrap(child));
    return children;
}

TXmlNode TXmlNode::AddChild(std::string_view name) {
    if (IsNull())
        return {};
    return TXmlNodeData::Wrap(FData->Node.append_child(std::string(name).c_str()));
}

std::string TXmlNode::Text() const {
    std::string text;
    if (IsNull())
        return text;
    for (pugi::xml_node child : FData->Node.children())
        if (IsText(child))
            text += child.value();
    return text;
}

bool TXmlNode::HasChildElements() const {
    if (IsNull())
        return false;
    for (pugi::xml_node child : FData->Node.children())
        if (child.type() == pugi::node_element)
            return true;
    return false;
}

void TXmlNode::SetText(std::string_view text) {
    if (IsNull())
        return;
    pugi::xml_node& node = FData->Node;
    for (pugi::xml_node child = node.first_child(); child;) {
        const pugi::xml_node next = child.next_sibling();
        if (IsText(child))
            node.remove_child(child);
        child = next;
    }
    if (!text.empty())
        node.prepend_child(pugi::node_pcdata).set_value(std::string(text).c_str());
}

std::vector<std::pair<std::string, std::string>> TXmlNode::Attributes() const {
    std::vector<std::pair<std::string, std::string>> attributes;
    if (IsNull())
        return attributes;
    for (const pugi::xml_attribute attribute : FData->Node.attributes())
        attributes.emplace_back(attribute.name(), attribute.value());
    return attributes;
}

bool TXmlNode::HasAttribute(std::string_view name) const {
    return !IsNull() && FData->Node.attribute(std::string(name).c_str());
}

std::string TXmlNode::Attribute(std::string_view name, std::string_view fallback) const {
    if (IsNull())
        return std::string(fallback);
    const pugi::xml_attribute attribute = FData->Node.attribute(std::string(name).c_str());
    return attribute ? std::string(attribute.value()) : std::string(fallback);
}

void TXmlNode::SetAttribute(std::string_view name, std::string_view value) {
    if (IsNull())
        return;
    const std::string key(name);
    pugi::xml_attribute attribute = FData->Node.attribute(key.c_str());
    if (!attribute)
        attribute = FData->Node.append_attribute(key.c_str());
    attribute.set_value(std::string(value).c_str());
}

TXMLDocument::TXMLDocument() : FImpl(std::make_unique<Impl>()) {}
TXMLDocument::~TXMLDocument() = default;

void TXMLDocument::LoadFromFile(const std::string& path) {
    const std::string bytes = ReadFileBytes(path);
    try {
        LoadFromString(bytes);
    } catch (const Exception& error) {
        throw Exception("The XML file \"" + path + "\" cannot be read: " + error.Message);
    }
}

void TXMLDocument::LoadFromString(std::string_view bytes) {
    std::optional<std::string> decoded;
    try {
        decoded = XmlDocumentAsUtf8(bytes);
    } catch (const Exception&) {
        FImpl->Document.reset();
        FImpl->ErrorCode = UnknownEncodingError;
        FImpl->ErrorLine = 1;
        throw;
    }
    const std::string_view text = decoded ? std::string_view(*decoded) : bytes;
    // Text decoded here is UTF-8 whatever its declaration still says.
    const pugi::xml_encoding encoding = decoded ? pugi::encoding_utf8 : pugi::encoding_auto;
    const pugi::xml_parse_result result =
        FImpl->Document.load_buffer(text.data(), text.size(), ParseOptions, encoding);
    // Offsets count in the text pugixml parsed, which is the given text only for UTF-8.
    const std::string_view parsedText = result.encoding == pugi::encoding_utf8 ? text : "";
    std::string error =
        result ? DocumentLevelError(parsedText, FImpl->Document) : DescribeParseError(text, result);
    if (error.empty() && HasNulCharacterReference(text))
        error = "Reference to character 0, which XML does not allow";
    FImpl->ErrorCode = 0;
    FImpl->ErrorLine = 0;
    if (!error.empty()) {
        FImpl->Document.reset();
        // Errors found after parsing (document level, character 0) get a code of their own.
        FImpl->ErrorCode = result ? 100 : static_cast<int>(result.status);
        FImpl->ErrorLine = result ? 1 : LineOf(text, result.offset);
        throw Exception(error);
    }
    FImpl->Active = true;
}

std::string TXMLDocument::SaveToString() const {
    CarriageReturnEscapingWriter writer;
    const unsigned flags =
        pugi::format_no_declaration | (FIndent ? pugi::format_indent : pugi::format_raw);
    FImpl->Document.save(writer, "  ", flags, pugi::encoding_utf8);
    return std::move(writer.Text);
}

void TXMLDocument::SaveToFile(const std::string& path) const {
    WriteFileAtomic(path, SaveToString());
}

void TXMLDocument::Clear() {
    FImpl->Document.reset();
}

int TXMLDocument::ParseErrorCode() const {
    return FImpl->ErrorCode;
}

int TXMLDocument::ParseErrorLine() const {
    return FImpl->ErrorLine;
}

TXmlNode TXMLDocument::DocumentElement() const {
    return TXmlNodeData::Wrap(FImpl->Document.document_element());
}

TXmlNode TXMLDocument::CreateRoot(std::string_view name) {
    FImpl->Document.reset();
    FImpl->Active = true;
    return TXmlNodeData::Wrap(FImpl->Document.append_child(std::string(name).c_str()));
}

void TXMLDocument::AddComment(std::string_view text) {
    FImpl->Document.append_child(pugi::node_comment).set_value(std::string(text).c_str());
    FImpl->Active = true;
}

bool TXMLDocument::Active() const {
    return FImpl->Active;
}
