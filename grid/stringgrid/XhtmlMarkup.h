#pragma once

#include <string>
#include <string_view>

// Cell mark-up written into an XHTML document. HTML readers forgive what XML readers refuse, so
// the mark-up is rewritten as XML: tag and attribute names in lower case, every attribute valued
// and quoted, empty elements closed, entities that XML lacks as numeric references, a '<' or '&'
// that starts no tag or reference escaped, end tags without a start dropped and elements left
// open closed at the end, characters XML cannot carry replaced.
std::string WellFormedXhtml(std::string_view Markup);

// An XHTML document around a part: the XML declaration, the document type and the html element.
std::string XhtmlDocument(std::string_view Part);
// What XhtmlDocument put inside the html element.
std::string XhtmlDocumentPart(std::string_view Document);
// The document with Part placed just before its closing html tag, so that it stays one document;
// a text without that tag gets Part at its end.
std::string AddToXhtmlDocument(std::string_view Document, std::string_view Part);
