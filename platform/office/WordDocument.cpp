#include "platform/office/WordDocument.h"

#include "platform/core/Files.h"
#include "platform/office/OfficeError.h"
#include "platform/office/OfficeXml.h"
#include "platform/office/WordDocumentData.h"

#include <algorithm>

TZipEntries BlankDocxEntries();

namespace {

// Deeper mark-up is not a paragraph's text but a damaged file; recursion stops there.
constexpr int MaxNesting = 200;

// Settings that precede the spelling switch, in the order the file format fixes.
constexpr std::string_view SettingsBeforeSpelling[] = {"writeProtection",
                                                       "view",
                                                       "zoom",
                                                       "removePersonalInformation",
                                                       "removeDateAndTime",
                                                       "doNotDisplayPageBoundaries",
                                                       "displayBackgroundShape",
                                                       "printPostScriptOverText",
                                                       "printFractionalCharacterWidth",
                                                       "printFormsData",
                                                       "embedTrueTypeFonts",
                                                       "embedSystemFonts",
                                                       "saveSubsetFonts",
                                                       "saveFormsData",
                                                       "mirrorMargins",
                                                       "alignBordersAndEdges",
                                                       "bordersDoNotSurroundHeader",
                                                       "bordersDoNotSurroundFooter",
                                                       "gutterAtTop"};

std::string PrefixOf(const pugi::xml_node& node) {
    const std::string_view name = node.name();
    return std::string(name.substr(0, name.size() - LocalName(node).size()));
}

// Whether the target comes before any text of the node: 1 it does, 0 text comes first, -1 the
// target is not inside.
int TargetBeforeText(const pugi::xml_node& node, const pugi::xml_node& target, int depth = 0) {
    if (depth > MaxNesting)
        return -1;
    for (pugi::xml_node child : node.children()) {
        if (child == target)
            return 1;
        const std::string_view local = LocalName(child);
        if (local == "t" || local == "tab" || local == "br")
            return 0;
        const int inner = TargetBeforeText(child, target, depth + 1);
        if (inner >= 0)
            return inner;
    }
    return -1;
}

void AppendText(const pugi::xml_node& node, std::string& text, int depth = 0) {
    if (depth > MaxNesting)
        return;
    for (pugi::xml_node child : node.children()) {
        const std::string_view local = LocalName(child);
        if (local == "t")
            text += child.text().get();
        else if (local == "tab")
            text += '\t';
        else
            AppendText(child, text, depth + 1);
    }
}

pugi::xml_node FindBookmark(const pugi::xml_node& body, std::string_view name) {
    return body.find_node([&](const pugi::xml_node& node) {
        return LocalName(node) == "bookmarkStart" &&
               std::string_view(LocalAttribute(node, "name").value()) == name;
    });
}

void AddRun(pugi::xml_node paragraph, const std::string& prefix, std::string_view text) {
    pugi::xml_node run = paragraph.append_child((prefix + "r").c_str());
    std::string piece;
    auto flush = [&] {
        if (piece.empty())
            return;
        pugi::xml_node t = run.append_child((prefix + "t").c_str());
        t.append_attribute("xml:space") = "preserve";
        t.text().set(piece.c_str());
        piece.clear();
    };
    for (char c : text) {
        if (c == '\t') {
            flush();
            run.append_child((prefix + "tab").c_str());
        } else if (static_cast<unsigned char>(c) >= 0x20) {
            piece += c; // other control characters cannot stand in XML
        }
    }
    flush();
}

} // namespace

pugi::xml_node TWordTableData::Cell(int row, int column) const {
    int r = 0;
    for (pugi::xml_node tr : Table.children()) {
        if (LocalName(tr) != "tr" || ++r != row)
            continue;
        int c = 0;
        for (pugi::xml_node tc : tr.children())
            if (LocalName(tc) == "tc" && ++c == column)
                return tc;
    }
    return {};
}

int TWordTable::Rows() const {
    int rows = 0;
    for (pugi::xml_node tr : FData->Table.children())
        rows += LocalName(tr) == "tr";
    return rows;
}

int TWordTable::Columns() const {
    int columns = 0;
    for (pugi::xml_node col : LocalChild(FData->Table, "tblGrid").children())
        columns += LocalName(col) == "gridCol";
    return columns;
}

void TWordTable::InsertAfter(int row, int column, std::string_view text) {
    pugi::xml_node cell = FData->Cell(row, column);
    if (!cell)
        return;
    pugi::xml_node paragraph = cell.last_child();
    size_t start = 0;
    while (true) {
        const size_t end = text.find_first_of("\r\n", start);
        AddRun(paragraph, FData->Prefix, text.substr(start, end - start));
        if (end == std::string_view::npos)
            break;
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        // A new paragraph keeps the cell's alignment.
        pugi::xml_node next = cell.append_child(FData->Name("p").c_str());
        if (const pugi::xml_node properties = LocalChild(paragraph, "pPr"))
            next.append_copy(properties);
        paragraph = next;
    }
}

void TWordTable::SetAlignment(int row, int column, TParagraphAlignment alignment) {
    static constexpr const char* Values[] = {"left", "center", "right"};
    pugi::xml_node cell = FData->Cell(row, column);
    for (pugi::xml_node paragraph : cell.children()) {
        if (LocalName(paragraph) != "p")
            continue;
        pugi::xml_node properties = LocalChild(paragraph, "pPr");
        if (!properties)
            properties = paragraph.prepend_child(FData->Name("pPr").c_str());
        pugi::xml_node justification = LocalChild(properties, "jc");
        if (!justification)
            justification = properties.append_child(FData->Name("jc").c_str());
        justification.remove_attributes();
        justification.append_attribute(FData->Name("val").c_str()) = Values[alignment];
    }
}

std::string TWordTable::CellText(int row, int column) const {
    std::string text;
    bool first = true;
    for (pugi::xml_node paragraph : FData->Cell(row, column).children()) {
        if (LocalName(paragraph) != "p")
            continue;
        if (!first)
            text += '\n';
        first = false;
        AppendText(paragraph, text);
    }
    return text;
}

TWordDocument::TWordDocument() : FData(std::make_unique<TWordDocumentData>()) {
    FData->Load(BlankDocxEntries());
}

TWordDocument::~TWordDocument() = default;

std::unique_ptr<TWordDocument> TWordDocument::Open(const std::string& fileName) {
    auto document = FromDocx(ReadFileBytes(fileName));
    document->FileName = fileName;
    return document;
}

std::unique_ptr<TWordDocument> TWordDocument::FromDocx(std::string_view bytes) {
    auto document = std::make_unique<TWordDocument>();
    document->FData = std::make_unique<TWordDocumentData>();
    document->FData->Load(ReadZipArchive(bytes));
    return document;
}

void TWordDocument::TypeText(std::string_view text) {
    TWordDocumentData& data = *FData;
    if (!data.Typed) {
        data.Typed = data.InsertBlock("p", data.Selection);
        ++data.Selection;
    }
    AddRun(data.Typed, data.Prefix, text);
}

void TWordDocument::TypeParagraph() {
    TWordDocumentData& data = *FData;
    if (!data.Typed) {
        data.InsertBlock("p", data.Selection);
        ++data.Selection;
    }
    data.Typed = {};
}

bool TWordDocument::BookmarkExists(std::string_view name) const {
    return static_cast<bool>(FindBookmark(FData->Body, name));
}

TDocumentRange TWordDocument::BookmarkRange(std::string_view name) const {
    const pugi::xml_node bookmark = FindBookmark(FData->Body, name);
    if (!bookmark)
        throw EOfficeError("The document has no bookmark " + std::string(name));
    pugi::xml_node block = bookmark;
    while (block.parent() != FData->Body)
        block = block.parent();
    const std::vector<pugi::xml_node> blocks = FData->Blocks();
    const int index =
        static_cast<int>(std::find(blocks.begin(), blocks.end(), block) - blocks.begin());
    return {block == bookmark || TargetBeforeText(block, bookmark) == 1 ? index : index + 1};
}

void TWordDocument::AddParagraph() {
    FData->InsertBlock("p", BlockCount());
}

TDocumentRange TWordDocument::EndRange() const {
    const std::vector<pugi::xml_node> blocks = FData->Blocks();
    if (!blocks.empty() && LocalName(blocks.back()) == "p" &&
        !blocks.back().find_node([](const pugi::xml_node& n) { return LocalName(n) == "t"; }))
        return {static_cast<int>(blocks.size()) - 1};
    return {static_cast<int>(blocks.size())};
}

int TWordDocument::BlockCount() const {
    return static_cast<int>(FData->Blocks().size());
}

TWordTable TWordDocument::AddTable(TDocumentRange range, int rows, int columns) {
    if (rows < 1 || columns < 1 || rows > 32767 || columns > 63)
        throw EOfficeError("A table has 1 to 32767 rows and 1 to 63 columns");
    TWordDocumentData& data = *FData;
    const int block = std::clamp(range.Block, 0, BlockCount());
    pugi::xml_node table = data.InsertBlock("tbl", block);
    if (block <= data.Selection && data.Selection > 0)
        ++data.Selection;
    auto name = [&](std::string_view local) { return data.Name(local); };
    auto set = [&](pugi::xml_node node, std::string_view attribute, std::string_view value) {
        node.append_attribute(name(attribute).c_str()) = std::string(value).c_str();
    };
    pugi::xml_node properties = table.append_child(name("tblPr").c_str());
    pugi::xml_node width = properties.append_child(name("tblW").c_str());
    set(width, "w", "0");
    set(width, "type", "auto");
    pugi::xml_node borders = properties.append_child(name("tblBorders").c_str());
    for (std::string_view side : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
        pugi::xml_node border = borders.append_child(name(side).c_str());
        set(border, "val", "single");
        set(border, "sz", "4");
        set(border, "space", "0");
        set(border, "color", "auto");
    }
    // The page's text width shared evenly, in twentieths of a point.
    const std::string columnWidth = std::to_string(9638 / columns);
    pugi::xml_node grid = table.append_child(name("tblGrid").c_str());
    for (int c = 0; c < columns; ++c)
        set(grid.append_child(name("gridCol").c_str()), "w", columnWidth);
    for (int r = 0; r < rows; ++r) {
        pugi::xml_node row = table.append_child(name("tr").c_str());
        for (int c = 0; c < columns; ++c) {
            pugi::xml_node cell = row.append_child(name("tc").c_str());
            pugi::xml_node cellWidth =
                cell.append_child(name("tcPr").c_str()).append_child(name("tcW").c_str());
            set(cellWidth, "w", columnWidth);
            set(cellWidth, "type", "dxa");
            cell.append_child(name("p").c_str());
        }
    }
    // A paragraph has to follow a table that would otherwise end the body.
    const std::vector<pugi::xml_node> blocks = data.Blocks();
    if (blocks.back() == table)
        data.InsertBlock("p", static_cast<int>(blocks.size()));
    auto tableData = std::make_shared<TWordTableData>();
    tableData->Prefix = data.Prefix;
    tableData->Table = table;
    return TWordTable(tableData);
}

int TWordDocument::TableCount() const {
    int count = 0;
    for (const pugi::xml_node& block : FData->Blocks())
        count += LocalName(block) == "tbl";
    return count;
}

TWordTable TWordDocument::Table(int index) {
    int count = 0;
    for (const pugi::xml_node& block : FData->Blocks())
        if (LocalName(block) == "tbl" && ++count == index) {
            auto tableData = std::make_shared<TWordTableData>();
            tableData->Prefix = FData->Prefix;
            tableData->Table = block;
            return TWordTable(tableData);
        }
    throw EOfficeError("Table index " + std::to_string(index) + " out of range");
}

bool TWordDocument::ShowSpellingErrors() const {
    return !LocalChild(FData->Settings.document_element(), "hideSpellingErrors");
}

void TWordDocument::SetShowSpellingErrors(bool show) {
    pugi::xml_node settings = FData->Settings.document_element();
    if (!settings)
        return; // a document without settings shows its own default
    const pugi::xml_node existing = LocalChild(settings, "hideSpellingErrors");
    if (show) {
        settings.remove_child(existing);
        return;
    }
    if (existing)
        return;
    pugi::xml_node before = settings.first_child();
    while (before && std::find(std::begin(SettingsBeforeSpelling), std::end(SettingsBeforeSpelling),
                               LocalName(before)) != std::end(SettingsBeforeSpelling))
        before = before.next_sibling();
    const std::string name = PrefixOf(settings) + "hideSpellingErrors";
    if (before)
        settings.insert_child_before(name.c_str(), before);
    else
        settings.append_child(name.c_str());
}

std::string TWordDocument::DocxBytes() const {
    TZipEntries entries = FData->Entries;
    entries[FData->MainPart] = XmlText(FData->Main);
    if (FData->Settings.document_element())
        entries[FData->SettingsPart] = XmlText(FData->Settings);
    return WriteZipArchive(entries);
}

void TWordDocument::SaveAs(const std::string& fileName) {
    if (fileName.empty())
        throw EOfficeError("The document has no file name");
    WriteFileAtomic(fileName, DocxBytes());
    FileName = fileName;
    if (OnSaved)
        OnSaved(fileName);
}
