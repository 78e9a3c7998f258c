#pragma once

#include <optional>
#include <string>
#include <string_view>

// XML 1.0 cannot carry the control characters other than TAB, LF and CR, nor U+FFFE and U+FFFF,
// not even as character references. Each of them, and each ill-formed part of the UTF-8 text,
// becomes U+FFFD, so that a writer's output stays well-formed whatever the text holds.
std::string ValidXmlCharacters(std::string_view utf8);

// The encoding an 8-bit document's XML declaration names; empty when it names none.
std::string DeclaredXmlEncoding(std::string_view document);

// A document written in UTF-8 turned into the bytes of the encoding its declaration names:
// characters that encoding lacks become character references, so every text reads back as it
// stood. Throws Exception naming an encoding that cannot be written.
std::string XmlDocumentInEncoding(std::string_view utf8Document, const std::string& encoding);

// A document's bytes as UTF-8 for the parser, decoded by the encoding its declaration names when
// that is an 8-bit one other than UTF-8; nothing when the parser reads the bytes as they are (a
// byte-order mark, UTF-16 or UTF-32 bytes, or no such declaration). Throws Exception naming an
// encoding that is not known.
std::optional<std::string> XmlDocumentAsUtf8(std::string_view document);
