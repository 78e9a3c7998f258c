#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct TXmlNodeData;

// A handle to an element of a TXMLDocument; valid while the document lives and the element is
// not removed. A null handle answers every question with nothing and ignores changes.
class TXmlNode {
public:
    TXmlNode();
    ~TXmlNode();
    TXmlNode(const TXmlNode& other);
    TXmlNode& operator=(const TXmlNode& other);

    bool IsNull() const;
    std::string NodeName() const;

    // First child element of that name, or a null node.
    TXmlNode ChildNode(std::string_view name) const;
    std::vector<TXmlNode> ChildElements() const;
    std::vector<TXmlNode> ChildElements(std::string_view name) const;
    TXmlNode AddChild(std::string_view name);

    // The element's text: its text and CDATA children joined; empty when it has none.
    std::string Text() const;
    // True when the element holds child elements, so its content is not a single text.
    bool HasChildElements() const;
    void SetText(std::string_view text);

    // The attributes in document order: name and value (references already decoded).
    std::vector<std::pair<std::string, std::string>> Attributes() const;
    bool HasAttribute(std::string_view name) const;
    std::string Attribute(std::string_view name, std::string_view fallback = "") const;
    void SetAttribute(std::string_view name, std::string_view value);

private:
    friend struct TXmlNodeData;
    explicit TXmlNode(std::unique_ptr<TXmlNodeData> data);
    std::unique_ptr<TXmlNodeData> FData;
};

// An XML document as the configurator's files use it: the first element is the root, a comment
// may follow the root at document level, files carry no XML declaration. Only well-formed
// documents load: one root element, and beside it at document level nothing but blanks,
// comments, processing instructions, a declaration and a document type.
class TXMLDocument {
public:
    TXMLDocument();
    ~TXMLDocument();
    TXMLDocument(const TXMLDocument&) = delete;
    TXMLDocument& operator=(const TXMLDocument&) = delete;

    // Throws Exception naming the file and the parse error; the document is left empty then.
    void LoadFromFile(const std::string& path);
    // Throws Exception with the parse error; the document is left empty then.
    void LoadFromString(std::string_view text);
    // UTF-8, no XML declaration; written atomically. Throws EFileError.
    void SaveToFile(const std::string& path) const;
    std::string SaveToString() const;
    void Clear();

    // Indentation of saved text; off by default (one line).
    void Indent(bool indent) { FIndent = indent; }

    // The first element of the document, or a null node when there is none.
    TXmlNode DocumentElement() const;
    // Replaces the whole document by a single root element.
    TXmlNode CreateRoot(std::string_view name);
    // A comment at document level after the root.
    void AddComment(std::string_view text);
    // True once a document was loaded or a root created.
    bool Active() const;
    // After a load that threw: a code of the parser's error (never 0) and its line (1 for an
    // error without a place); 0 and 0 after a successful load.
    int ParseErrorCode() const;
    int ParseErrorLine() const;

private:
    struct Impl;
    std::unique_ptr<Impl> FImpl;
    bool FIndent = false;
};
