// The aligned plain-text report: one column of blanks between columns, each as wide as its
// longest line.
#include "grid/stringgrid/ExGrid.h"
#include "platform/core/CodePage.h"
#include "platform/core/Files.h"
#include "platform/core/TextFile.h"
#include "platform/core/Utf8.h"
#include "platform/ui/Screen.h"

#include <algorithm>

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

// Width in characters, so that non-ASCII text lines up.
int TextWidth(const std::string& text) {
    return static_cast<int>(Utf8ToUtf32(text).size());
}

std::string Aligned(std::string text, int width, TAlignment alignment) {
    if (alignment == taRightJustify) {
        const int missing = std::max(0, width - TextWidth(text));
        text.insert(0, static_cast<size_t>(missing), ' ');
    } else if (alignment == taCenter) {
        while (TextWidth(text) < width)
            text = " " + text + " ";
    }
    return text;
}

class TCursorKeeper {
public:
    TCursorKeeper() : FCursor(Screen->Cursor()) { Screen->SetCursor(crHourGlass); }
    ~TCursorKeeper() { Screen->SetCursor(FCursor); }

private:
    TCursor FCursor;
};

} // namespace

std::vector<std::string> TExStringGrid::ASCIILines() {
    const int hidden = SaveHiddenCells ? NumHiddenColumns() : 0;
    const int c0 = SaveStartCol();
    const int r0 = SaveStartRow();
    const int lastCol = ColCount() - 1 + hidden;
    auto realOf = [&](int c) { return SaveHiddenCells ? c : RealColIndex(c); };
    auto cellLines = [&](int real, int r) {
        std::string text;
        SaveCell(real, r, text);
        std::vector<std::string> lines = SplitLines(text);
        if (!Multilinecells)
            lines.resize(1);
        return lines;
    };

    std::vector<int> widths(static_cast<size_t>(std::max(0, lastCol - c0 + 1)), 0);
    for (int r = r0; r < RowCount(); ++r)
        for (int c = c0; c <= lastCol; ++c)
            for (const std::string& line : cellLines(realOf(c), r))
                widths[c - c0] = std::max(widths[c - c0], TextWidth(line));

    std::vector<std::string> report;
    ExportNotification(esExportStart, r0);
    for (int r = r0; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        std::string line;
        std::vector<std::string> continuation;
        int position = 0;
        for (int c = c0; c <= lastCol; ++c) {
            const int real = realOf(c);
            const int width = widths[c - c0];
            TAlignment ha = taLeftJustify;
            TVAlignment va = vtaTop;
            GetCellAlignment(real, r, ha, va);
            const std::vector<std::string> lines = cellLines(real, r);
            for (size_t k = 1; k < lines.size(); ++k) {
                if (continuation.size() < k)
                    continuation.emplace_back();
                std::string& more = continuation[k - 1];
                more.append(static_cast<size_t>(std::max(0, position - TextWidth(more))), ' ');
                more += Aligned(lines[k], width, ha);
            }
            const std::string text = Aligned(lines.front(), width, ha);
            line += text +
                    std::string(static_cast<size_t>(std::max(0, width - TextWidth(text)) + 1), ' ');
            position += width + 1;
        }
        report.push_back(line);
        report.insert(report.end(), continuation.begin(), continuation.end());
    }
    ExportNotification(esExportDone, -1);
    return report;
}

void TExStringGrid::WriteASCII(const std::string& FileName, bool Append, bool Unicode) {
    TCursorKeeper cursor;
    std::string text;
    // An appended report keeps the encoding of the file it extends.
    TTextEncoding encoding = TTextEncoding::Ansi;
    if (Append && FileExists(FileName)) {
        const std::string bytes = ReadFileBytes(FileName);
        encoding = TextEncodingOf(bytes);
        text = DecodeText(bytes);
        if (!text.empty() && text.back() != '\n')
            text += "\r\n";
    }
    for (const std::string& line : ASCIILines())
        text += line + "\r\n";
    WriteFileAtomic(FileName,
                    EncodeTextWithoutLoss(text, Unicode ? TTextEncoding::Utf16LE : encoding));
}

void TExStringGrid::SaveToASCII(const std::string& FileName, bool Unicode) {
    WriteASCII(FileName, false, Unicode);
}

void TExStringGrid::AppendToASCII(const std::string& FileName, bool Unicode) {
    WriteASCII(FileName, true, Unicode);
}
