// Reading XML records into the grid: elements and attributes fill the cells in document order.
#include "grid/stringgrid/EmptyCellQuotes.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/xml/XmlDocument.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Records nest this deep at most; deeper documents are refused before any cell changes.
constexpr int MaxRecordDepth = 64;

int Depth(const TXmlNode& root) {
    int deepest = 0;
    std::vector<std::pair<TXmlNode, int>> pending{{root, 0}};
    while (!pending.empty()) {
        auto [node, depth] = std::move(pending.back());
        pending.pop_back();
        deepest = std::max(deepest, depth);
        if (deepest > MaxRecordDepth)
            return deepest;
        for (TXmlNode& child : node.ChildElements())
            pending.emplace_back(std::move(child), depth + 1);
    }
    return deepest;
}

} // namespace

// The reading context of one import.
struct TXMLRecordReader {
    TExStringGrid& Grid;
    bool LevelToRow;
    bool LoadFieldDescr;
    int StartCol = 0;
    int StartRow = 0;
    int ColCounter = 0;
    int RowCounter = 0;
    int Level = 1;
    int LargestCol = 0;
    int LargestRow = 0;

    bool HeaderNamesWanted() const { return Grid.SaveFixedCells || Grid.SaveFixedRows; }

    void NameHeader(int col, const std::string& name) {
        if (HeaderNamesWanted() && Grid.GetGridCell(col, 0).empty())
            Grid.SetGridCell(col, 0, name);
    }

    // Writes the next cell; a place above the first row is skipped.
    void Write(const std::string& value, const std::string& headerName, bool nameHeader) {
        const int col = StartCol + ColCounter;
        const int row = StartRow + RowCounter;
        ++ColCounter;
        if (row < 0)
            return;
        if (col >= Grid.ColCount())
            Grid.SetColCount(col + 1);
        if (row >= Grid.RowCount())
            Grid.SetRowCount(row + 1);
        if (nameHeader)
            NameHeader(col, headerName);
        Grid.LoadCell(col, row, value);
        LargestCol = std::max(LargestCol, col);
        LargestRow = std::max(LargestRow, row);
    }

    void Read(const TXmlNode& node) {
        const auto attributes = node.Attributes();
        for (const auto& [name, value] : attributes)
            Write(value, name, true);
        const bool attributeRow = LevelToRow && !attributes.empty();
        if (attributeRow) {
            ++RowCounter;
            ColCounter = Level;
        }
        const std::vector<TXmlNode> children = node.ChildElements();
        if (!children.empty()) {
            if (LevelToRow && !attributeRow) {
                ++RowCounter;
                ColCounter = 0;
            }
            ++Level;
            for (const TXmlNode& child : children)
                Read(child);
            return;
        }
        // The parser's text is the value: references are decoded once, by the parser.
        std::string value = node.Text();
        if (Grid.QuoteEmptyCells)
            value = UnquotedEmptyCell(value);
        Write(value, node.NodeName(), LoadFieldDescr);
    }
};

void TExStringGrid::LoadFromXML(const std::string& FileName, bool LevelToRow, bool LoadFieldDescr) {
    if (!FileExists(FileName))
        throw Exception("XML file not found");
    LoadFromXMLText(ReadFileBytes(FileName), LevelToRow, LoadFieldDescr);
}

void TExStringGrid::LoadFromXMLText(std::string_view Text, bool LevelToRow, bool LoadFieldDescr) {
    TXMLDocument document;
    try {
        document.LoadFromString(Text);
    } catch (const Exception&) {
        throw Exception("XMLDOM Parsing error " + std::to_string(document.ParseErrorCode()) +
                        " on line " + std::to_string(document.ParseErrorLine()));
    }
    const TXmlNode root = document.DocumentElement();
    if (Depth(root) > MaxRecordDepth)
        throw Exception("XML records nest deeper than " + std::to_string(MaxRecordDepth) +
                        " levels");

    TXMLRecordReader reader{*this, LevelToRow, LoadFieldDescr};
    reader.StartCol = SaveStartCol();
    reader.StartRow = (SaveFixedCells || SaveFixedRows) && !LoadFieldDescr ? 0 : FixedRows();
    reader.LargestCol = reader.StartCol;
    reader.LargestRow = reader.StartRow;
    const std::vector<TXmlNode> records = root.ChildElements();
    BeginUpdate();
    try {
        for (size_t k = 0; k < records.size(); ++k) {
            reader.ColCounter = 0;
            reader.Level = 1;
            if (LevelToRow && k == 0 && records[k].Attributes().empty())
                reader.RowCounter = -1;
            reader.Read(records[k]);
            if (!LevelToRow)
                ++reader.RowCounter;
        }
    } catch (...) {
        EndUpdate();
        BulkCellsChanged();
        throw;
    }
    SetColCount(reader.LargestCol + 1);
    SetRowCount(reader.LargestRow + 1);
    EndUpdate();
    BulkCellsChanged();
}
