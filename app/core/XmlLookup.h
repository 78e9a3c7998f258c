#pragma once

#include "platform/xml/XmlDocument.h"

#include <string>
#include <string_view>

// The text of the first child element of `parent` named `name`. False when there is no such
// element or it holds child elements instead of a single piece of text; the caller then takes its
// own default for that value alone. An element without content reads as empty text.
bool Read_Element_Text(const TXmlNode& parent, std::string_view name, std::string& text);
