#pragma once

#include <string>
#include <string_view>

// XML 1.0 cannot carry the control characters other than TAB, LF and CR, nor U+FFFE and U+FFFF,
// not even as character references. Each of them, and each ill-formed part of the UTF-8 text,
// becomes U+FFFD, so that a writer's output stays well-formed whatever the text holds.
std::string ValidXmlCharacters(std::string_view utf8);
