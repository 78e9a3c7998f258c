// Reads the cell values of every sheet of an .xlsx package (zip of XML parts).
#include "platform/core/FloatConversion.h"
#include "platform/office/CellAddress.h"
#include "platform/office/OfficeError.h"
#include "platform/office/OfficeXml.h"
#include "platform/office/WorkbookFormats.h"
#include "platform/office/ZipArchive.h"

#include <map>

namespace {

constexpr std::string_view RelationshipsFolder = "_rels/";

const std::string& Part(const TZipEntries& entries, const std::string& name) {
    const auto found = entries.find(name);
    if (found == entries.end())
        throw EOfficeError("The workbook lacks its part " + name);
    return found->second;
}


// The relationships of a part: id -> (type, resolved target).
struct TRelationship {
    std::string Type;
    std::string Target;
};
std::map<std::string, TRelationship> Relationships(const TZipEntries& entries,
                                                   const std::string& part) {
    std::map<std::string, TRelationship> relationships;
    const std::string folder = PartFolder(part);
    const std::string name =
        folder + std::string(RelationshipsFolder) + part.substr(folder.size()) + ".rels";
    const auto found = entries.find(name);
    if (found == entries.end())
        return relationships;
    pugi::xml_document document;
    ParseOfficeXml(document, found->second, name);
    for (pugi::xml_node node : document.document_element().children()) {
        if (LocalName(node) != "Relationship")
            continue;
        relationships[node.attribute("Id").value()] = {
            node.attribute("Type").value(),
            ResolvePartName(folder, node.attribute("Target").value())};
    }
    return relationships;
}


std::string WorkbookPartName(const TZipEntries& entries) {
    for (const auto& [id, relationship] : Relationships(entries, ""))
        if (EndsWith(relationship.Type, "/officeDocument"))
            return relationship.Target;
    return "xl/workbook.xml";
}

// A string item: its text, or the texts of its runs; phonetic hints are not part of it.
std::string StringItemText(const pugi::xml_node& item) {
    std::string text;
    for (pugi::xml_node child : item.children()) {
        if (LocalName(child) == "t")
            text += DecodeSheetEscapes(child.text().get());
        else if (LocalName(child) == "r")
            text += DecodeSheetEscapes(LocalChild(child, "t").text().get());
    }
    return text;
}

std::vector<std::string> SharedStrings(const TZipEntries& entries, const std::string& part) {
    std::vector<std::string> strings;
    const auto found = entries.find(part);
    if (found == entries.end())
        return strings;
    pugi::xml_document document;
    ParseOfficeXml(document, found->second, part);
    for (pugi::xml_node item : document.document_element().children())
        if (LocalName(item) == "si")
            strings.push_back(StringItemText(item));
    return strings;
}

// Whether a number format shows dates or times: the built-in ones that do, or a format code
// with date or time letters outside its quoted texts and bracketed colours.
bool IsDateFormat(int id, std::string_view code) {
    if ((id >= 14 && id <= 22) || (id >= 45 && id <= 47))
        return true;
    bool quoted = false, bracket = false;
    for (size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (c == '"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == '\\' || c == '_' || c == '*')
            ++i; // the next character is literal
        else if (c == '[')
            bracket = true;
        else if (c == ']')
            bracket = false;
        else if (!bracket && std::string_view("dDmMyYhHsS").find(c) != std::string_view::npos)
            return true;
    }
    return false;
}

// For each cell style, whether it shows its number as a date.
std::vector<bool> DateStyles(const TZipEntries& entries, const std::string& part) {
    std::vector<bool> dates;
    const auto found = entries.find(part);
    if (found == entries.end())
        return dates;
    pugi::xml_document document;
    ParseOfficeXml(document, found->second, part);
    const pugi::xml_node root = document.document_element();
    std::map<int, std::string> codes;
    for (pugi::xml_node format : LocalChild(root, "numFmts").children())
        if (LocalName(format) == "numFmt")
            codes[LocalAttribute(format, "numFmtId").as_int(-1)] =
                LocalAttribute(format, "formatCode").value();
    for (pugi::xml_node style : LocalChild(root, "cellXfs").children()) {
        if (LocalName(style) != "xf")
            continue;
        const int id = LocalAttribute(style, "numFmtId").as_int(0);
        const auto code = codes.find(id);
        dates.push_back(IsDateFormat(id, code == codes.end() ? "" : code->second));
    }
    return dates;
}

TSheetValue CellValue(const pugi::xml_node& cell, const std::vector<std::string>& shared,
                      const std::vector<bool>& dateStyles) {
    const std::string_view type = LocalAttribute(cell, "t").value();
    const std::string value = LocalChild(cell, "v").text().get();
    if (type == "inlineStr")
        return TSheetValue::FromString(StringItemText(LocalChild(cell, "is")));
    if (type == "str")
        return TSheetValue::FromString(value);
    if (value.empty())
        return {};
    if (type == "s") {
        double index = 0;
        if (!TryStrToFloat(value, index) || index < 0 || index >= shared.size() ||
            index != static_cast<double>(static_cast<size_t>(index)))
            throw EOfficeError("Damaged worksheet: shared string " + value + " does not exist");
        return TSheetValue::FromString(shared[static_cast<size_t>(index)]);
    }
    if (type == "b")
        return TSheetValue::FromBoolean(value == "1" || value == "true");
    if (type == "e")
        return TSheetValue::FromError(value);
    double number = 0;
    if (!TryStrToFloat(value, number))
        throw EOfficeError("Damaged worksheet: " + value + " is no number");
    const unsigned style = LocalAttribute(cell, "s").as_uint(0);
    if (style < dateStyles.size() && dateStyles[style])
        return TSheetValue::FromDate(number);
    return TSheetValue::FromNumber(number);
}

void ReadSheetCells(TWorksheet& sheet, const pugi::xml_node& root,
                    const std::vector<std::string>& shared, const std::vector<bool>& dateStyles) {
    int row = 0;
    for (pugi::xml_node rowNode : LocalChild(root, "sheetData").children()) {
        if (LocalName(rowNode) != "row")
            continue;
        const pugi::xml_attribute rowNumber = LocalAttribute(rowNode, "r");
        row = rowNumber ? rowNumber.as_int(-1) : row + 1;
        if (row < 1 || row > MaxSheetRows)
            throw EOfficeError("Damaged worksheet: row " + std::string(rowNumber.value()));
        int column = 0;
        for (pugi::xml_node cell : rowNode.children()) {
            if (LocalName(cell) != "c")
                continue;
            const pugi::xml_attribute reference = LocalAttribute(cell, "r");
            if (reference) {
                const TCellRange at = ParseRangeAddress(reference.value());
                if (!at.IsValid() || at.FirstRow != at.LastRow || at.FirstCol != at.LastCol ||
                    at.FirstRow != row)
                    throw EOfficeError("Damaged worksheet: cell " + std::string(reference.value()));
                column = at.FirstCol;
            } else {
                ++column;
            }
            if (column > MaxSheetColumns)
                throw EOfficeError("Damaged worksheet: column beyond the last");
            sheet.SetCell(row, column, CellValue(cell, shared, dateStyles));
        }
    }
    // Where the user left the cursor; a running application writes from its row.
    const pugi::xml_node view = LocalChild(LocalChild(root, "sheetViews"), "sheetView");
    const TCellRange active =
        ParseRangeAddress(LocalAttribute(LocalChild(view, "selection"), "activeCell").value());
    if (active.IsValid() && active.FirstRow <= MaxSheetRows)
        sheet.ActiveCellRow = active.FirstRow;
}

} // namespace

TSheetList ReadXlsxSheets(std::string_view bytes) {
    const TZipEntries entries = ReadZipArchive(bytes);
    const std::string workbookPart = WorkbookPartName(entries);
    pugi::xml_document workbook;
    ParseOfficeXml(workbook, Part(entries, workbookPart), workbookPart);
    const auto relationships = Relationships(entries, workbookPart);
    std::string sharedPart = PartFolder(workbookPart) + "sharedStrings.xml";
    for (const auto& [id, relationship] : relationships)
        if (EndsWith(relationship.Type, "/sharedStrings"))
            sharedPart = relationship.Target;
    const std::vector<std::string> shared = SharedStrings(entries, sharedPart);
    std::string stylesPart = PartFolder(workbookPart) + "styles.xml";
    for (const auto& [id, relationship] : relationships)
        if (EndsWith(relationship.Type, "/styles"))
            stylesPart = relationship.Target;
    const std::vector<bool> dateStyles = DateStyles(entries, stylesPart);

    TSheetList list;
    const pugi::xml_node root = workbook.document_element();
    list.ActiveSheet =
        LocalAttribute(LocalChild(LocalChild(root, "bookViews"), "workbookView"), "activeTab")
            .as_int(0);
    for (pugi::xml_node node : LocalChild(root, "sheets").children()) {
        if (LocalName(node) != "sheet")
            continue;
        const auto relationship = relationships.find(LocalAttribute(node, "id").value());
        if (relationship == relationships.end())
            throw EOfficeError("Damaged workbook: sheet " +
                               std::string(node.attribute("name").value()) + " has no part");
        auto sheet = std::make_unique<TWorksheet>(node.attribute("name").value());
        pugi::xml_document part;
        ParseOfficeXml(part, Part(entries, relationship->second.Target),
                       relationship->second.Target);
        ReadSheetCells(*sheet, part.document_element(), shared, dateStyles);
        list.Sheets.push_back(std::move(sheet));
    }
    if (list.Sheets.empty())
        throw EOfficeError("The workbook holds no worksheet");
    return list;
}
