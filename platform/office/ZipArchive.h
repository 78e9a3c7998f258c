#pragma once

#include <map>
#include <string>
#include <string_view>

// The entries of a zip archive by name. Office files are zip packages of XML parts; reading
// refuses archives whose entries claim more than the limits, so a small damaged or hostile
// file cannot make us allocate gigabytes. Throws EOfficeError.
using TZipEntries = std::map<std::string, std::string>;

TZipEntries ReadZipArchive(std::string_view bytes);
std::string WriteZipArchive(const TZipEntries& entries);
