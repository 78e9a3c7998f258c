#pragma once

#include "grid/stringgrid/ComponentImage.h"
#include "grid/stringgrid/ExGridTypes.h"
#include "platform/core/StringList.h"

#include <cstdint>
#include <string>

class TCellGraphic;
class TCellProperties;

// The records of the binary grid stream: each one a component image of its own class. The
// readers take a record's properties into the holder passed in, so a property missing from the
// stream keeps what the holder had; they check every tag and name and throw EReadError.

// The stream's header: the size of the saved rectangle and its column widths and row heights.
struct TGridPropRecord {
    int32_t ColCount = 0;
    int32_t RowCount = 0;
    std::string ColWidths;  // "64,64,80"
    std::string RowHeights; // "22,22"
    bool FullGrid = false;
    int32_t ID = 0;
};

// One cell of the rectangle: where it stood in its grid (low 16 bits), its text, whether a
// properties record follows.
struct TGridCellRecord {
    uint16_t Col = 0;
    uint16_t Row = 0;
    std::string Cell;
    bool HasProp = false;
};

// The payload of a cell graphic that carries data of its own: BMP or ICO bytes (bitmaps,
// pictures, icons), option or index lines (radio groups, image lists), a picture file name.
struct TGridGraphicPayload {
    std::string Data;
    TStringList Lines;
    std::string FileName;
    bool Empty() const { return Data.empty() && Lines.Count() == 0 && FileName.empty(); }
};

void WriteGridPropRecord(TComponentImageWriter& Writer, const TGridPropRecord& Record);
void ReadGridPropRecord(TComponentImageReader& Reader, TGridPropRecord& Record);

void WriteGridCellRecord(TComponentImageWriter& Writer, int Col, int Row, std::string_view Cell,
                         bool HasProp);
void ReadGridCellRecord(TComponentImageReader& Reader, TGridCellRecord& Record);

// The object reference of the properties (CellObject) travels as an opaque 32-bit tag.
void WriteGridCellPropRecord(TComponentImageWriter& Writer, const TCellProperties& Props,
                             bool HasGraphic);
void ReadGridCellPropRecord(TComponentImageReader& Reader, TCellProperties& Props,
                            bool& HasGraphic);

void WriteGridGraphicRecord(TComponentImageWriter& Writer, const TCellGraphic& Graphic);
void ReadGridGraphicRecord(TComponentImageReader& Reader, TCellGraphic& Graphic);

// Whether a graphic of this kind is followed by a payload record.
bool HasGraphicPayload(TCellType Kind);
void WriteGridPayloadRecord(TComponentImageWriter& Writer, TCellType Kind,
                            const TGridGraphicPayload& Payload);
void ReadGridPayloadRecord(TComponentImageReader& Reader, TCellType Kind,
                           TGridGraphicPayload& Payload);
