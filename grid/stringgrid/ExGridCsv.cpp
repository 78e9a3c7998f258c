// CSV exchange of the string grid: one line per row, fields through the save and load hooks.
#include "grid/foundation/ExUtil.h"
#include "grid/stringgrid/CsvText.h"
#include "grid/stringgrid/ExGrid.h"

#include "grid/stringgrid/FloatingFooter.h"
#include "grid/stringgrid/OutputSizing.h"
#include "platform/core/CodePage.h"
#include "platform/core/Exception.h"
#include "platform/core/FileBytes.h"
#include "platform/core/Files.h"
#include "platform/core/TextFile.h"
#include "platform/core/Utf8.h"

#include <algorithm>

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

bool StartsWithUtf8Mark(std::string_view bytes) {
    return bytes.substr(0, Utf8Mark.size()) == Utf8Mark;
}

std::string Encoded(const std::string& text, bool unicode, TTextEncoding otherwise) {
    return EncodeTextWithoutLoss(text, unicode ? TTextEncoding::Utf8Bom : otherwise);
}

} // namespace

std::string TExStringGrid::SaveToCSVText() {
    TCsvOptions options;
    options.Delimiter = Delimiter == '\0' ? ',' : Delimiter;
    options.AlwaysQuotes = AlwaysQuotes;
    options.QuoteEmptyCells = QuoteEmptyCells;
    options.JavaCSV = JavaCSV;
    const int hidden = SaveHiddenCells ? NumHiddenColumns() : 0;
    // The storage column of each column saved, found once for all rows.
    std::vector<int> columns;
    for (int d = SaveStartCol(); d <= SaveEndCol() + hidden; ++d)
        columns.push_back(SaveHiddenCells ? d : RealColIndex(d));
    std::string out;
    TOutputSizing sizing(out, SaveEndRow() - SaveStartRow() + 1);
    std::string text;
    int lastProgress = -1;
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        for (std::size_t k = 0; k < columns.size(); ++k) {
            if (k > 0)
                out += options.Delimiter;
            SaveCell(columns[k], r, text);
            if (OemConvert)
                TextToOEM(text);
            AppendCsvField(out, text, options);
        }
        out += "\r\n";
        sizing.RowDone();
        FireFileProgress(r, RowCount() - 1, lastProgress);
    }
    ExportNotification(esExportDone, -1);
    return out;
}

void TExStringGrid::SaveToCSV(const std::string& FileName, bool Unicode) {
    WriteFileAtomic(FileName, Encoded(SaveToCSVText(), Unicode, TTextEncoding::Ansi));
}

void TExStringGrid::AppendToCSV(const std::string& FileName, bool Unicode) {
    std::string existing;
    // Appended lines keep the encoding the existing text was read in.
    TTextEncoding encoding = TTextEncoding::Ansi;
    if (FileExists(FileName)) {
        const std::string bytes = ReadFileBytes(FileName);
        encoding = TextEncodingOf(bytes);
        existing = DecodeText(bytes);
        // The new rows start on a line of their own.
        if (!existing.empty() && existing.back() != '\n' && existing.back() != '\r')
            existing += "\r\n";
    }
    WriteFileAtomic(FileName, Encoded(existing + SaveToCSVText(), Unicode, encoding));
}

void TExStringGrid::LoadFromCSV(const std::string& FileName, int MaxRows) {
    const TFileBytes file = TFileBytes::Read(FileName);
    const std::string_view bytes = file.View();
    if (bytes.empty())
        return;
    // Well-formed UTF-8, with or without a mark, is read where it lies: no copy of a large file.
    const std::string_view afterMark =
        StartsWithUtf8Mark(bytes) ? bytes.substr(Utf8Mark.size()) : bytes;
    if (FirstIllFormedUtf8(afterMark) == std::string_view::npos) {
        LoadFromCSVText(afterMark, MaxRows);
        return;
    }
    LoadFromCSVText(DecodeText(bytes), MaxRows);
}

void TExStringGrid::InsertFromCSV(const std::string& FileName, int MaxRows) {
    const std::string bytes = ReadFileBytes(FileName);
    if (bytes.empty())
        return;
    // The rows come in front of a floating footer row.
    ReadCSV(DecodeText(bytes), RowCount() - (FFloatingFooter->Visible ? 1 : 0), MaxRows);
}

void TExStringGrid::LoadFromCSVText(std::string_view Text, int MaxRows) {
    ReadCSV(Text, SaveStartRow(), MaxRows);
}

void TExStringGrid::LoadFromCSVStream(std::string_view Stream, int MaxRows) {
    if (Stream.empty())
        return;
    ReadCSV(DecodeText(Stream), SaveStartRow(), MaxRows);
}

void TExStringGrid::ReadCSV(std::string_view Text, int FirstRow, int MaxRows) {
    std::string fromOem;
    if (OemConvert) {
        fromOem = Text;
        OEMToText(fromOem);
        Text = fromOem;
    }
    TCsvOptions options;
    options.JavaCSV = JavaCSV;
    options.Delimiter = Delimiter;
    if (options.Delimiter == '\0') {
        std::string_view first, second;
        FirstTwoLines(Text, first, second);
        options.Delimiter = DetectCsvDelimiter(first, second);
    }
    // The whole text is checked before the first cell changes: a damaged file leaves the grid
    // as it was.
    const TCsvShape shape = MeasureCsv(Text, options);
    if (shape.Records == 0)
        throw Exception("File is empty");
    std::size_t from = LoadFirstRow ? 0 : 1;
    std::size_t to = shape.Records;
    if (MaxRows > 0)
        to = std::min(to, from + static_cast<std::size_t>(MaxRows));
    from = std::min(from, to);
    const int hidden = SaveHiddenCells ? NumHiddenColumns() : 0;
    const int startCol = SaveStartCol();
    if (shape.WidestRecord + startCol > static_cast<std::size_t>(TGridCellStore::MaxCols) ||
        FirstRow + (to - from) + FixedFooters() > static_cast<std::size_t>(TGridCellStore::MaxRows))
        throw Exception("The CSV file holds more rows or columns than a grid can");

    StoreLoadedCells([&] {
        const int rows = static_cast<int>(to - from);
        SetRowCount(FirstRow + rows + FixedFooters());
        const TRowReservation reservation(
            *this, FirstRow, rows, startCol + static_cast<int>(shape.WidestRecord), Text.size());
        std::size_t record = 0;
        std::size_t widest = 0;
        int row = FirstRow;
        int lastProgress = -1;
        SplitCsv(
            Text, options,
            [&](std::size_t index, std::string_view field) {
                if (record < from)
                    return;
                LoadCell(startCol + static_cast<int>(index), row, field);
                widest = std::max(widest, index + 1);
            },
            [&] {
                if (record++ >= from) {
                    ++row;
                    FireFileProgress(row - FirstRow, rows, lastProgress);
                }
                return record < to;
            });
        // Cells past the column count are kept by the store, so the count follows once.
        if (startCol + static_cast<int>(widest) > ColCount() + hidden)
            SetColCount(startCol + static_cast<int>(widest) - hidden);
        FMaxRowCount = RowCount();
    });
}
