#pragma once

#include <string>

// Hands a link (a web address or a path) to the desktop's opener and returns at once; the opener
// runs on its own. False when the opener could not be started or the link is empty or starts with
// '-' (it would be taken for an option).
bool OpenLink(const std::string& url);
