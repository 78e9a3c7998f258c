// The .docx package of a word-processor document: a new blank one, or the parts of a file.
#include "platform/office/OfficeError.h"
#include "platform/office/OfficeXml.h"
#include "platform/office/WordDocumentData.h"

namespace {

constexpr std::string_view ContentTypes =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>)"
    R"(<Override PartName="/word/settings.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml"/>)"
    R"(</Types>)";

constexpr std::string_view PackageRelationships =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>)"
    R"(</Relationships>)";

constexpr std::string_view DocumentRelationships =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings" Target="settings.xml"/>)"
    R"(</Relationships>)";

constexpr std::string_view BlankDocument =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
    R"(<w:body><w:p/><w:sectPr><w:pgSz w:w="11906" w:h="16838"/>)"
    R"(<w:pgMar w:top="1417" w:right="1134" w:bottom="1134" w:left="1134" w:header="708" w:footer="708" w:gutter="0"/>)"
    R"(</w:sectPr></w:body></w:document>)";

constexpr std::string_view BlankSettings =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<w:settings xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"/>)";



// The target of the first relationship of that type in a relationships part, or empty.
std::string RelationshipTarget(const TZipEntries& entries, const std::string& relsPart,
                               std::string_view sourceFolder, std::string_view type) {
    const auto found = entries.find(relsPart);
    if (found == entries.end())
        return {};
    pugi::xml_document document;
    ParseOfficeXml(document, found->second, relsPart);
    for (pugi::xml_node node : document.document_element().children())
        if (LocalName(node) == "Relationship" && EndsWith(node.attribute("Type").value(), type))
            return ResolvePartName(sourceFolder, node.attribute("Target").value());
    return {};
}

} // namespace

TZipEntries BlankDocxEntries() {
    return {{"[Content_Types].xml", std::string(ContentTypes)},
            {"_rels/.rels", std::string(PackageRelationships)},
            {"word/_rels/document.xml.rels", std::string(DocumentRelationships)},
            {"word/document.xml", std::string(BlankDocument)},
            {"word/settings.xml", std::string(BlankSettings)}};
}

std::vector<pugi::xml_node> TWordDocumentData::Blocks() const {
    std::vector<pugi::xml_node> blocks;
    for (pugi::xml_node child : Body.children())
        if (child.type() == pugi::node_element && LocalName(child) != "sectPr")
            blocks.push_back(child);
    return blocks;
}

pugi::xml_node TWordDocumentData::InsertBlock(std::string_view local, int block) {
    const std::vector<pugi::xml_node> blocks = Blocks();
    const std::string name = Name(local);
    if (block >= 0 && block < static_cast<int>(blocks.size()))
        return Body.insert_child_before(name.c_str(), blocks[block]);
    const pugi::xml_node sectionProperties = LocalChild(Body, "sectPr");
    return sectionProperties ? Body.insert_child_before(name.c_str(), sectionProperties)
                             : Body.append_child(name.c_str());
}

void TWordDocumentData::Load(TZipEntries entries) {
    Entries = std::move(entries);
    MainPart = RelationshipTarget(Entries, "_rels/.rels", "", "/officeDocument");
    if (MainPart.empty())
        MainPart = "word/document.xml";
    const auto main = Entries.find(MainPart);
    if (main == Entries.end())
        throw EOfficeError("The document lacks its part " + MainPart);
    ParseOfficeXml(Main, main->second, MainPart);
    const pugi::xml_node root = Main.document_element();
    Body = LocalChild(root, "body");
    if (LocalName(root) != "document" || !Body)
        throw EOfficeError("The document has no body");
    const std::string_view rootName = root.name();
    Prefix = std::string(rootName.substr(0, rootName.size() - LocalName(root).size()));

    const std::string folder = PartFolder(MainPart);
    const std::string relsPart = folder + "_rels/" + MainPart.substr(folder.size()) + ".rels";
    SettingsPart = RelationshipTarget(Entries, relsPart, folder, "/settings");
    const auto settings = Entries.find(SettingsPart);
    if (settings != Entries.end())
        ParseOfficeXml(Settings, settings->second, SettingsPart);
}
