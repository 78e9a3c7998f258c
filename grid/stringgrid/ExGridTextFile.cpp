// The text grid file and the text grid stream: a size line, column widths and one line per
// non-empty cell with its coordinates. Both are read whole and checked before a cell changes.
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/TextGridLines.h"
#include "platform/core/CodePage.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/TextFile.h"

#include <cmath>
#include <vector>

// What a text grid file or stream holds, read whole before the grid changes.
struct TTextGridCell {
    int Col;
    int Row;
    std::string Text;
};
struct TTextGridContent {
    int ColCount = 0;
    int RowCount = 0;
    std::vector<std::pair<int, int>> Widths; // column, width
    std::vector<TTextGridCell> Cells;
};

namespace {

// Far beyond any real grid; a size line claiming more is damage, not a grid to allocate.
constexpr int64_t MaxFileCols = 65536;
constexpr int64_t MaxFileRows = 1 << 24;
constexpr int MaxWidth = 65535;

std::string Utf16LEBytes(std::string_view Utf8) {
    const std::u16string units = Utf8ToUtf16(Utf8);
    std::string bytes(units.size() * 2, '\0');
    for (size_t i = 0; i < units.size(); ++i) {
        bytes[2 * i] = static_cast<char>(units[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(units[i] >> 8);
    }
    return bytes;
}

// The lines of a decoded text; cell lines hold no line breaks of their own.
std::vector<std::string_view> SplitLines(std::string_view Text) {
    std::vector<std::string_view> lines;
    while (!Text.empty()) {
        const size_t end = std::min(Text.find_first_of("\r\n"), Text.size());
        lines.push_back(Text.substr(0, end));
        size_t next = end;
        if (next < Text.size() && Text[next] == '\r')
            ++next;
        if (next < Text.size() && Text[next] == '\n')
            ++next;
        Text.remove_prefix(next);
    }
    return lines;
}

// "c,r,text": the text before the first comma, before the next, and the rest. A missing comma
// leaves its number empty and the line whole.
void CutCellLine(std::string_view Line, std::string_view& Col, std::string_view& Row,
                 std::string_view& Text) {
    Col = Row = {};
    Text = Line;
    if (const size_t comma = Text.find(','); comma != std::string_view::npos) {
        Col = Text.substr(0, comma);
        Text.remove_prefix(comma + 1);
    }
    if (const size_t comma = Text.find(','); comma != std::string_view::npos) {
        Row = Text.substr(0, comma);
        Text.remove_prefix(comma + 1);
    }
}

// One UTF-16 line of the stream: units up to a CR, then one more unit (the LF) is consumed.
std::string ReadStreamLine(std::string_view Stream, size_t& Position) {
    std::u16string units;
    while (Position + 1 < Stream.size()) {
        const char16_t unit =
            static_cast<char16_t>(static_cast<uint8_t>(Stream[Position]) |
                                  static_cast<uint8_t>(Stream[Position + 1]) << 8);
        Position += 2;
        if (unit == u'\r') {
            Position = std::min(Position + 2, Stream.size());
            break;
        }
        units += unit;
    }
    if (Position + 1 >= Stream.size())
        Position = Stream.size(); // a lone trailing byte is no unit
    return Utf16ToUtf8(units);
}

} // namespace

void TExStringGrid::FireFileProgress(int Done, int Total, int& LastFired) {
    if (!OnFileProgress)
        return;
    const int progress =
        static_cast<int>(std::nearbyint(static_cast<double>(Done) / std::max(1, Total) * 100.0));
    if (progress == LastFired)
        return;
    LastFired = progress;
    OnFileProgress(this, static_cast<int16_t>(progress));
}

void TExStringGrid::StoreLoadedCells(const std::function<void()>& Store) {
    BeginUpdate();
    try {
        Store();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    NotifyCellsChanged(TRect{0, 0, ColCount(), RowCount()});
    BulkCellsChanged();
}

void TExStringGrid::PlaceTextGrid(const TTextGridContent& Content, bool Progress) {
    StoreLoadedCells([&] {
        SetColCount(Content.ColCount);
        SetRowCount(Content.RowCount);
        for (const auto& [col, width] : Content.Widths)
            SetColWidths(col, width);
        int lastProgress = -1;
        for (const TTextGridCell& cell : Content.Cells) {
            LoadCell(cell.Col, cell.Row, cell.Text);
            if (Progress)
                FireFileProgress(cell.Row, RowCount() - 1, lastProgress);
        }
    });
}

// --- text grid file --------------------------------------------------------------------------

void TExStringGrid::SaveToFile(const std::string& FileName, bool Unicode) {
    const int hidden = SaveHiddenCells ? NumHiddenColumns() : 0;
    std::string text =
        std::to_string(SaveColCount() + hidden) + "," + std::to_string(SaveRowCount()) + "\r\n";
    for (int c = SaveStartCol(); c <= SaveEndCol() + hidden; ++c)
        text += "cw " + std::to_string(c) + "," +
                std::to_string(c < ColCount() ? ColWidths(c) : DefaultColWidth()) + "\r\n";
    std::string cell;
    int lastProgress = -1;
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = SaveStartCol(); c <= SaveEndCol() + hidden; ++c) {
            SaveCell(c, r, cell);
            if (!cell.empty())
                text += std::to_string(c) + "," + std::to_string(r) + "," + EncodeCellLine(cell) +
                        "\r\n";
        }
        FireFileProgress(r, SaveRowCount() - 1, lastProgress);
    }
    ExportNotification(esExportDone, -1);
    WriteFileAtomic(FileName, EncodeTextWithoutLoss(text, Unicode ? TTextEncoding::Utf16LE
                                                                  : TTextEncoding::Ansi));
}

void TExStringGrid::LoadFromFile(const std::string& FileName) {
    const std::string text = DecodeText(ReadFileBytes(FileName));
    const std::vector<std::string_view> lines = SplitLines(text);
    auto corrupt = [&FileName]() {
        return ROvoVariRodev("File contains no data or corrupt file " + FileName);
    };
    if (lines.empty())
        throw corrupt();
    const int leadCols = SaveFixedCells || SaveFixedCols ? 0 : FixedCols();
    const int leadRows = SaveFixedCells || SaveFixedRows ? 0 : FixedRows();
    int cols = ColCount();
    int rows = RowCount();
    if (!lines[0].empty()) {
        const size_t comma = lines[0].find(',');
        const int64_t c = LeadingInteger(lines[0].substr(0, comma));
        const int64_t r =
            comma == std::string_view::npos ? 0 : LeadingInteger(lines[0].substr(comma + 1));
        if (c + leadCols <= 0 || r + leadRows <= 0 || c > MaxFileCols || r > MaxFileRows)
            throw corrupt();
        cols = static_cast<int>(c) + leadCols;
        rows = static_cast<int>(r) + leadRows;
    }
    // Everything is read before the first change: a corrupt line leaves the grid as it was.
    TTextGridContent content{cols, rows, {}, {}};
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.starts_with("cw")) {
            const std::string_view rest = line.substr(std::min<size_t>(3, line.size()));
            const size_t comma = rest.find(',');
            const int64_t index = LeadingInteger(rest.substr(0, comma));
            const int64_t width =
                comma == std::string_view::npos ? 0 : LeadingInteger(rest.substr(comma + 1, 255));
            if (width < 0 || width > MaxWidth)
                throw corrupt();
            if (index >= 0 && index < cols)
                content.Widths.emplace_back(static_cast<int>(index), static_cast<int>(width));
            continue;
        }
        std::string_view col, row, cellText;
        CutCellLine(line, col, row, cellText);
        const int64_t c = LeadingInteger(col);
        const int64_t r = LeadingInteger(row);
        if (c >= 0 && c < cols && r >= 0 && r < rows)
            content.Cells.push_back(
                {static_cast<int>(c), static_cast<int>(r), DecodeCellLine(cellText)});
    }
    PlaceTextGrid(content, true);
}

// --- text grid stream ------------------------------------------------------------------------

void TExStringGrid::SaveToStream(std::string& Stream) {
    std::string text =
        std::to_string(SaveColCount()) + "," + std::to_string(SaveRowCount()) + "\r\n";
    for (int c = 0; c < ColCount(); ++c)
        text += "cw " + std::to_string(c) + "," + std::to_string(ColWidths(c)) + "\r\n";
    std::string cell;
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = SaveStartCol(); c <= SaveEndCol(); ++c) {
            SaveCell(c, r, cell);
            if (!cell.empty())
                text += std::to_string(c - SaveStartCol()) + "," +
                        std::to_string(r - SaveStartRow()) + "," + EncodeCellLine(cell) + "\r\n";
        }
    }
    ExportNotification(esExportDone, -1);
    Stream += Utf16LEBytes(text);
}

// Other data may follow the grid's lines: the load stops at the first line that is neither a
// width nor a cell line and leaves Position at its start.
void TExStringGrid::LoadFromStream(std::string_view Stream, size_t& Position) {
    size_t position = std::min(Position, Stream.size());
    int cols = ColCount();
    int rows = RowCount();
    if (position < Stream.size()) {
        const size_t start = position;
        const std::string size = ReadStreamLine(Stream, position);
        if (size.empty()) {
            position = start;
        } else {
            const size_t comma = size.find(',');
            if (comma == std::string::npos)
                throw ROvoVariRodev("The grid stream has no size line");
            const int64_t c =
                int64_t{StrToInt(std::string_view(size).substr(0, comma))} + SaveStartCol();
            const int64_t r =
                int64_t{StrToInt(std::string_view(size).substr(comma + 1))} + SaveStartRow();
            if (c <= 0 || r <= 0 || c > MaxFileCols || r > MaxFileRows)
                throw ROvoVariRodev("Grid index out of range");
            cols = static_cast<int>(c);
            rows = static_cast<int>(r);
        }
    }
    TTextGridContent content{cols, rows, {}, {}};
    while (position < Stream.size()) {
        const size_t start = position;
        const std::string line = ReadStreamLine(Stream, position);
        if (line.starts_with("cw")) {
            const std::string_view rest =
                std::string_view(line).substr(std::min<size_t>(3, line.size()));
            const size_t comma = std::min(rest.find(','), rest.size());
            const int index = StrToInt(rest.substr(0, comma));
            const int width = StrToInt(rest.substr(std::min(comma + 1, rest.size())));
            if (index < 0 || index >= cols || width < 0 || width > MaxWidth)
                throw ROvoVariRodev("Grid index out of range");
            content.Widths.emplace_back(index, width);
            continue;
        }
        std::string_view col, row, text;
        CutCellLine(line, col, row, text);
        if (col.empty() || row.empty()) {
            position = start;
            break;
        }
        const int64_t c = int64_t{StrToInt(col)} + SaveStartCol();
        const int64_t r = int64_t{StrToInt(row)} + SaveStartRow();
        if (c < 0 || c >= cols || r < 0 || r >= rows)
            throw ROvoVariRodev("Grid index out of range");
        content.Cells.push_back({static_cast<int>(c), static_cast<int>(r), DecodeCellLine(text)});
    }

    PlaceTextGrid(content, false);
    Position = position;
}
