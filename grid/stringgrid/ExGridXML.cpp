// XML records of the grid: one element per row, one element per cell.
#include "grid/stringgrid/EmptyCellQuotes.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/core/Files.h"
#include "platform/core/StringList.h"
#include "platform/xml/XmlText.h"

namespace {

// A CR is written as a reference: XML readers turn a raw CR (and CR LF) into LF. Characters
// XML cannot hold at all are replaced.
std::string EscapedXMLText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : ValidXmlCharacters(text)) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\r':
            out += "&#13;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

std::string TExStringGrid::SaveToXMLText(const std::string& ListDescr,
                                         const std::string& RecordDescr,
                                         const TStringList* FieldDescr, bool ExportEmptyCells) {
    std::string text = "<?xml version=\"1.0\" encoding=\"" + XMLEncoding + "\" ?>\r\n";
    text += "<" + ListDescr + ">\r\n";
    const int hidden = SaveHiddenCells ? NumHiddenColumns() : 0;
    const int startCol = SaveStartCol();
    const int startRow = SaveStartRow();
    const int endRow = SaveEndRow();
    int progress = -1;
    std::string value;
    ExportNotification(esExportStart, startRow);
    for (int r = startRow; r <= endRow; ++r) {
        ExportNotification(esExportNextRow, r);
        text += "<" + RecordDescr + ">\r\n";
        for (int b = startCol; b <= SaveEndCol() + hidden; ++b) {
            const int c = SaveHiddenCells ? b : RealColIndex(b);
            if (!IsBaseCell(c, r))
                continue;
            SaveCell(c, r, value);
            if (value.empty() && !ExportEmptyCells)
                continue;
            if (QuoteEmptyCells)
                value = QuotedEmptyCell(value);
            const int field = b - startCol;
            const std::string name = FieldDescr && field < FieldDescr->Count()
                                         ? (*FieldDescr)[field]
                                         : "FIELD" + std::to_string(field);
            text += "<" + name + ">" + EscapedXMLText(value) + "</" + name + ">\r\n";
        }
        text += "</" + RecordDescr + ">\r\n";
        FireFileProgress(r, endRow - startRow, progress);
    }
    text += "</" + ListDescr + ">\r\n";
    ExportNotification(esExportDone, -1);
    return XmlDocumentInEncoding(text, XMLEncoding);
}

void TExStringGrid::SaveToXML(const std::string& FileName, const std::string& ListDescr,
                              const std::string& RecordDescr, const TStringList* FieldDescr,
                              bool ExportEmptyCells) {
    const std::string text = SaveToXMLText(ListDescr, RecordDescr, FieldDescr, ExportEmptyCells);
    try {
        WriteFileAtomic(FileName, text);
    } catch (const Exception&) {
        throw ROvoVariRodev("Cannot Create file " + FileName);
    }
}
