// Fixed-width text: one line per row, every column padded with blanks to its width or cut at it.
#include "grid/foundation/ExUtil.h"
#include "grid/foundation/IntList.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/core/CodePage.h"
#include "platform/core/Files.h"
#include "platform/core/Text.h"
#include "platform/core/TextFile.h"
#include "platform/core/Utf8.h"

#include <algorithm>
#include <vector>

namespace {

// A fixed-width line holds no line break: a cell shows its first line there.
std::u32string FirstLine(std::string_view Text) {
    return Utf8ToUtf32(Text.substr(0, std::min(Text.find_first_of("\r\n"), Text.size())));
}

// The widest line of a text, in characters.
size_t WidestLine(std::string_view Text, bool MultiLine) {
    size_t widest = 0;
    while (true) {
        const size_t end = std::min(Text.find_first_of("\r\n"), Text.size());
        widest = std::max(widest, Utf8ToUtf32(Text.substr(0, end)).size());
        if (!MultiLine || end == Text.size())
            return widest;
        Text.remove_prefix(end + (Text.substr(end, 2) == "\r\n" ? 2 : 1));
    }
}

} // namespace

void TExStringGrid::SaveToFixed(const std::string& FileName, TIntList* positions) {
    if (!positions)
        throw ROvoVariRodev("No column widths for the fixed-width file");
    const int hidden = SaveHiddenCells ? NumHiddenColumns() : 0;
    const int firstCol = SaveStartCol();
    const int lastCol = SaveEndCol() + hidden;
    auto sourceCol = [this](int d) { return SaveHiddenCells ? d : RealColIndex(d); };
    std::string cell;
    for (int d = firstCol; d <= lastCol; ++d) {
        if (d - firstCol < positions->Count())
            continue;
        size_t widest = 0;
        for (int r = 0; r < RowCount(); ++r) {
            SaveCell(sourceCol(d), r, cell);
            widest = std::max(widest, WidestLine(cell, Multilinecells));
        }
        positions->Add(static_cast<int32_t>(widest + 1));
    }

    std::string text;
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        std::u32string line;
        for (int d = firstCol; d <= lastCol; ++d) {
            SaveCell(sourceCol(d), r, cell);
            const size_t width = static_cast<size_t>(std::max(0, positions->Items(d - firstCol)));
            std::u32string field = FirstLine(cell);
            field.resize(width, U' ');
            line += field;
        }
        text += Utf32ToUtf8(line) + "\r\n";
    }
    ExportNotification(esExportDone, -1);
    try {
        WriteFileAtomic(FileName, EncodeTextWithoutLoss(text, TTextEncoding::Ansi));
    } catch (const Exception&) {
        throw ROvoVariRodev("Cannot Create file " + FileName);
    }
}

void TExStringGrid::LoadFromFixed(const std::string& FileName, TIntList* positions, bool DoTrim,
                                  int MaxRows) {
    if (!positions || positions->Count() < 2)
        throw ROvoVariRodev("The fixed-width file needs at least two column positions");
    std::string bytes;
    try {
        bytes = ReadFileBytes(FileName);
    } catch (const Exception&) {
        throw ROvoVariRodev("File " + FileName + " not found");
    }
    std::vector<int32_t> starts;
    for (int i = 0; i < positions->Count(); ++i)
        starts.push_back(positions->Items(i));
    std::sort(starts.begin(), starts.end());
    if (starts.front() < 1)
        throw ROvoVariRodev("Fixed-width column positions start at 1");
    for (size_t i = 0; i < starts.size(); ++i)
        positions->SetItems(static_cast<int>(i), starts[i]);

    const std::string text = DecodeText(bytes);
    std::vector<std::string_view> lines;
    for (std::string_view rest = text; !rest.empty();) {
        const size_t end = std::min(rest.find_first_of("\r\n"), rest.size());
        lines.push_back(rest.substr(0, end));
        rest.remove_prefix(std::min(rest.size(), end + (rest.substr(end, 2) == "\r\n" ? 2 : 1)));
    }
    // MaxRows 0 and 1 both read one line.
    if (MaxRows != -1)
        lines.resize(std::min(lines.size(), static_cast<size_t>(std::max(1, MaxRows))));

    StoreLoadedCells([&] {
        SetColCount(FixedCols() + static_cast<int>(starts.size()) - 1);
        int row = SaveStartRow();
        if (row + static_cast<int>(lines.size()) > RowCount())
            SetRowCount(row + static_cast<int>(lines.size()));
        for (std::string_view line : lines) {
            const std::u32string characters = Utf8ToUtf32(line);
            for (size_t k = 1; k < starts.size(); ++k) {
                const size_t from =
                    std::min(static_cast<size_t>(starts[k - 1] - 1), characters.size());
                const size_t to = std::min(static_cast<size_t>(starts[k] - 1), characters.size());
                std::string field = Utf32ToUtf8(characters.substr(from, to - from));
                if (DoTrim)
                    field = Trim(field);
                LoadCell(SaveStartCol() + static_cast<int>(k) - 1, row, field);
            }
            ++row;
        }
    });
}
