#pragma once

#include "platform/shell/OpenLink.h"

#include <functional>
#include <string>

// How the string grids open the web links clicked in their cells: the desktop's opener unless
// replaced (tests put a recorder here so that no browser starts).
using TGridLinkOpener = std::function<TOpenLinkResult(const std::string& Url)>;
TGridLinkOpener& GridLinkOpener();
