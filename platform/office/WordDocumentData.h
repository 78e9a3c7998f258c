#pragma once

#include "platform/office/ZipArchive.h"

#include <pugixml.hpp>

#include <string>
#include <string_view>
#include <vector>

// The parts of a .docx package that documents change; every other part is kept as read.
struct TWordDocumentData {
    TZipEntries Entries;
    std::string MainPart;
    std::string SettingsPart;
    pugi::xml_document Main;
    pugi::xml_document Settings;
    std::string Prefix; // the wordprocessing namespace prefix with its colon ("w:")
    pugi::xml_node Body;
    pugi::xml_node Typed; // the paragraph being typed, if any
    int Selection = 0;

    std::string Name(std::string_view local) const { return Prefix + std::string(local); }
    // The body's blocks without the closing section properties.
    std::vector<pugi::xml_node> Blocks() const;
    // A new element of the given local name before the block, or at the end of the blocks.
    pugi::xml_node InsertBlock(std::string_view local, int block);
    void Load(TZipEntries entries);
};

struct TWordTableData {
    std::string Prefix;
    pugi::xml_node Table;
    pugi::xml_node Cell(int row, int column) const;
    std::string Name(std::string_view local) const { return Prefix + std::string(local); }
};
