// The clipboard's and the drops' link to the binary cell stream.
#include "grid/stringgrid/ComponentImage.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridStreamRecords.h"

std::optional<std::string> TExStringGrid::CellStreamOfRange(const TGridRect& Rect) {
    // The stream holds at most 65535 rows or columns; larger ranges go as text only.
    if (Rect.Right - Rect.Left >= 65535 || Rect.Bottom - Rect.Top >= 65535)
        return std::nullopt;
    std::string stream;
    SaveRectToBinStream(TRect{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom}, stream);
    return stream;
}

bool TExStringGrid::CellStreamSize(const std::string& Stream, int& Cols, int& Rows, intptr_t& ID) {
    Cols = 0;
    Rows = 0;
    ID = 0;
    TGridPropRecord header;
    try {
        TComponentImageReader reader(Stream, 0);
        ReadGridPropRecord(reader, header);
    } catch (const std::exception&) {
        return false;
    }
    if (header.ColCount <= 0 || header.RowCount <= 0)
        return false;
    Cols = header.ColCount;
    Rows = header.RowCount;
    ID = header.ID;
    return true;
}

void TExStringGrid::LoadCellStreamAt(int ACol, int ARow, const std::string& Stream) {
    LoadAtPointFromBinStream(TPoint{ACol, ARow}, Stream);
}

// The ID a cell stream of this grid carries in its header.
intptr_t TExStringGrid::CellStreamID() const {
    return static_cast<int32_t>(reinterpret_cast<uintptr_t>(this) & 0x7FFFFFFF);
}
