// The binary grid stream: a rectangle of cells with their texts, properties and graphics, as a
// sequence of component images (header, then cell, properties, graphic and payload records).
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/FilePicture.h"
#include "grid/foundation/IntList.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridStreamRecords.h"
#include "grid/stringgrid/OutputSizing.h"
#include "platform/core/Files.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Icon.h"
#include "platform/ui/Image.h"
#include "platform/ui/PictureImage.h"

#include <algorithm>
#include <memory>

namespace {

// Row and column indexes travel in 16 bits: a larger grid would land in the wrong cells.
constexpr int MaxStreamCells = 65536;
constexpr std::string_view PictureClass = "TBitmap";
constexpr std::string_view IconPictureClass = "TIcon";

std::string JoinNumbers(int From, int To, const std::function<int(int)>& Size) {
    std::string out;
    for (int i = From; i <= To; ++i) {
        if (i > From)
            out += ',';
        out += std::to_string(Size(i));
    }
    return out;
}

// "64,64,80" into its numbers; anything else fails the read.
std::vector<int> SplitNumbers(std::string_view Text) {
    std::vector<int> numbers;
    while (!Text.empty()) {
        const size_t comma = std::min(Text.find(','), Text.size());
        const std::string_view item = Text.substr(0, comma);
        int value = 0;
        if (item.empty() || item.size() > 6 ||
            !std::all_of(item.begin(), item.end(), [](char c) { return c >= '0' && c <= '9'; }))
            throw EReadError("The column widths or row heights of the grid stream are damaged");
        for (char c : item)
            value = value * 10 + (c - '0');
        numbers.push_back(value);
        Text.remove_prefix(std::min(comma + 1, Text.size()));
    }
    return numbers;
}

// Bitmap payloads hold a 32-bit length and a BMP file image.
std::string FramedBmp(const TBitmap* Bitmap) {
    const std::string bmp = Bitmap ? Bitmap->SaveToBmpBytes() : std::string();
    if (bmp.empty())
        return {};
    std::string out(4, '\0');
    for (int i = 0; i < 4; ++i)
        out[static_cast<size_t>(i)] = static_cast<char>((bmp.size() >> (8 * i)) & 0xFF);
    return out + bmp;
}

std::string_view UnframedBmp(std::string_view Data) {
    if (Data.size() < 4)
        throw EReadError("A cell bitmap of the grid stream is damaged");
    uint32_t length = 0;
    for (int i = 3; i >= 0; --i)
        length = (length << 8) | static_cast<uint8_t>(Data[static_cast<size_t>(i)]);
    if (length != Data.size() - 4)
        throw EReadError("A cell bitmap of the grid stream is damaged");
    return Data.substr(4);
}

std::unique_ptr<TIcon> DecodeIcon(std::string_view Ico) {
    auto icon = std::make_unique<TIcon>();
    if (!Ico.empty() && !icon->LoadFromIcoBytes(Ico))
        throw EReadError("A cell icon of the grid stream is damaged");
    return icon;
}

// The picture payload: its format's class name, then that format's own form. Bitmaps are kept
// as they are and icons become bitmaps; a picture of another format reads as an empty picture.
struct TPictureContent {
    std::string_view ClassName;
    std::string_view Form;
};

TPictureContent PictureContent(std::string_view Data) {
    if (Data.empty() || static_cast<uint8_t>(Data[0]) + 1u > Data.size())
        throw EReadError("A cell picture of the grid stream is damaged");
    const std::string_view className = Data.substr(1, static_cast<uint8_t>(Data[0]));
    Data.remove_prefix(1 + className.size());
    if (className == PictureClass)
        return {className, UnframedBmp(Data)};
    return {className, className == IconPictureClass ? Data : std::string_view()};
}

std::unique_ptr<TBitmap> DecodeBmp(std::string_view Bmp) {
    auto bitmap = std::make_unique<TBitmap>();
    if (!Bmp.empty() && !bitmap->LoadFromBmpBytes(Bmp))
        throw EReadError("A cell bitmap of the grid stream is no BMP picture");
    return bitmap;
}

// The picture payload as the bitmap the cell's picture shows; empty for other formats.
std::unique_ptr<TBitmap> DecodePicture(std::string_view Data) {
    const TPictureContent content = PictureContent(Data);
    if (content.ClassName != IconPictureClass)
        return DecodeBmp(content.Form);
    const std::unique_ptr<TIcon> icon = DecodeIcon(content.Form);
    auto bitmap = std::make_unique<TBitmap>();
    TPictureImage image;
    if (!icon->Empty() && image.Load(icon->SaveToIcoBytes()))
        image.ToBitmap(bitmap.get());
    return bitmap;
}

// Whether the graphic goes into the stream: a payload the grid does not own is not saved.
bool SavesGraphic(const TCellGraphic* Graphic) {
    if (!Graphic || Graphic->CellType == ctEmpty)
        return false;
    switch (Graphic->CellType) {
    case ctBitmap:
    case ctIcon:
    case ctRadio:
    case ctImages:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
        return Graphic->CellCreated;
    default:
        return true;
    }
}

TGridGraphicPayload PayloadOf(const TCellGraphic& Graphic) {
    TGridGraphicPayload payload;
    switch (Graphic.CellType) {
    case ctBitmap:
    case ctBitButton:
        payload.Data = FramedBmp(dynamic_cast<const TBitmap*>(Graphic.CellBitmap));
        break;
    case ctRadio:
        if (Graphic.CellStrings)
            for (const std::string& line : *Graphic.CellStrings)
                payload.Lines.Add(line);
        break;
    case ctImages:
        if (const auto* list = dynamic_cast<const TIntList*>(Graphic.CellBitmap))
            for (int i = 0; i < list->Count(); ++i)
                payload.Lines.Add(std::to_string(list->Items(i)));
        break;
    case ctPicture:
        if (auto* picture = dynamic_cast<TPicture*>(Graphic.CellBitmap);
            picture && !picture->Empty())
            if (std::string bmp = FramedBmp(picture->Bitmap()); !bmp.empty())
                payload.Data =
                    static_cast<char>(PictureClass.size()) + std::string(PictureClass) + bmp;
        break;
    case ctFilePicture:
        if (const auto* picture = dynamic_cast<const TFilePicture*>(Graphic.CellBitmap))
            payload.FileName = picture->Filename();
        break;
    case ctIcon:
        if (const auto* icon = dynamic_cast<const TIcon*>(Graphic.CellIcon))
            payload.Data = icon->SaveToIcoBytes();
        break;
    default:
        break;
    }
    return payload;
}

std::string JoinedLines(const TStringList& Lines) {
    std::string out;
    for (const std::string& line : Lines)
        out += (out.empty() ? "" : ",") + line;
    return out;
}

// Checks a payload as the load will take it, so that a damaged one fails before any change.
void CheckPayload(TCellType Kind, const TGridGraphicPayload& Payload) {
    if (Kind == ctBitmap || Kind == ctBitButton)
        DecodeBmp(Payload.Data.empty() ? std::string_view() : UnframedBmp(Payload.Data));
    else if (Kind == ctIcon)
        DecodeIcon(Payload.Data);
    else if (Kind == ctPicture && !Payload.Data.empty())
        DecodePicture(Payload.Data);
    else if (Kind == ctImages) {
        TIntList list(0, 0);
        try {
            list.SetStrValue(JoinedLines(Payload.Lines));
        } catch (const Exception&) {
            throw EReadError("The image indexes of a cell in the grid stream are damaged");
        }
    }
}

void CheckSpans(const TCellProperties& Props, int Col, int Row) {
    auto fits = [](int span, int room) { return span >= 0 && span <= room; };
    const bool sound =
        Props.IsBaseCell()
            ? (Props.CellSpanX() == -1 || fits(Props.CellSpanX(), MaxStreamCells - 1 - Col)) &&
                  (Props.CellSpanY() == -1 || fits(Props.CellSpanY(), MaxStreamCells - 1 - Row))
            : fits(Props.CellSpanX(), Col) && fits(Props.CellSpanY(), Row);
    if (!sound)
        throw EReadError("The merged cells of the grid stream are damaged");
}

} // namespace

// What the checking pass found, for the pass that places the cells.
struct TBinStreamPlan {
    TGridPropRecord Header;
    std::vector<int> Widths;
    std::vector<int> Heights;
    int ColsNeeded = 0; // one past the last target column
    int RowsNeeded = 0;
};

// --- writing -------------------------------------------------------------------------------------

void TExStringGrid::SaveRectToBinStream(const TRect& Rect, std::string& Stream) {
    if (Rect.Left < 0 || Rect.Top < 0 || Rect.Right < Rect.Left || Rect.Bottom < Rect.Top)
        throw ROvoVariRodev("Invalid cell range for the binary grid stream");
    if (Rect.Right >= MaxStreamCells || Rect.Bottom >= MaxStreamCells ||
        Rect.Right - Rect.Left + 1 >= MaxStreamCells ||
        Rect.Bottom - Rect.Top + 1 >= MaxStreamCells)
        throw ROvoVariRodev("The binary grid stream holds at most 65535 rows and columns");
    TGridPropRecord header;
    header.RowCount = Rect.Bottom - Rect.Top + 1;
    header.ColCount = Rect.Right - Rect.Left + 1;
    const int fixedRows = SaveFixedCells ? 0 : FixedRows();
    const int fixedCols = SaveFixedCells ? 0 : FixedCols();
    header.FullGrid =
        RowCount() - fixedRows == header.RowCount && ColCount() - fixedCols == header.ColCount;
    // A stand-in for the window handle: tells a paste whether the cells came from this grid.
    header.ID = static_cast<int32_t>(CellStreamID());
    header.ColWidths = JoinNumbers(Rect.Left, Rect.Right, [this](int c) { return ColWidths(c); });
    header.RowHeights = JoinNumbers(Rect.Top, Rect.Bottom, [this](int r) { return RowHeights(r); });

    TComponentImageWriter writer(Stream);
    WriteGridPropRecord(writer, header);
    TOutputSizing sizing(Stream, header.RowCount);
    int lastProgress = -1;
    ExportNotification(esExportStart, Rect.Top);
    for (int r = Rect.Top; r <= Rect.Bottom; ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = Rect.Left; c <= Rect.Right; ++c) {
            const TCellProperties* props = ExistingProperties(c, r);
            WriteGridCellRecord(writer, c, r, GetCellEx(c, r), props != nullptr);
            if (!props)
                continue;
            const TCellGraphic* graphic =
                GetCellType(c, r) == ctEmpty ? nullptr : GetCellGraphic(c, r);
            const bool hasGraphic = SavesGraphic(graphic);
            WriteGridCellPropRecord(writer, *props, hasGraphic);
            if (!hasGraphic)
                continue;
            WriteGridGraphicRecord(writer, *graphic);
            if (HasGraphicPayload(graphic->CellType))
                WriteGridPayloadRecord(writer, graphic->CellType, PayloadOf(*graphic));
        }
        sizing.RowDone();
        FireFileProgress(r - Rect.Top, Rect.Bottom - Rect.Top, lastProgress);
    }
    ExportNotification(esExportDone, -1);
}

void TExStringGrid::SaveToBinStream(std::string& Stream) {
    SaveRectToBinStream(TRect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, Stream);
}

void TExStringGrid::SaveToBinFile(const std::string& FileName) {
    std::string stream;
    SaveToBinStream(stream);
    WriteFileAtomic(FileName, stream);
}

// --- reading -------------------------------------------------------------------------------------

// Reads the whole stream. Without Apply it only checks: counts, cell positions, merged spans and
// payloads, and works out how large the grid must be. With Apply it places the cells; by then
// nothing in the stream can fail.
void TExStringGrid::ReadBinStream(TPoint Point, std::string_view Stream, bool Apply,
                                  TBinStreamPlan& Plan) {
    TComponentImageReader reader(Stream, 0);
    TGridPropRecord& header = Plan.Header;
    if (!Apply) {
        ReadGridPropRecord(reader, header);
        if (header.ColCount < 0 || header.RowCount < 0)
            throw EReadError("The grid stream's row or column count is damaged");
        if (header.ColCount >= MaxStreamCells || header.RowCount >= MaxStreamCells)
            throw EReadError("The grid stream claims " + std::to_string(header.ColCount) +
                             " columns and " + std::to_string(header.RowCount) +
                             " rows; the binary grid stream holds at most 65535 of each");
        Plan.Widths = SplitNumbers(header.ColWidths);
        Plan.Heights = SplitNumbers(header.RowHeights);
        if (header.FullGrid && (static_cast<int>(Plan.Widths.size()) < header.ColCount ||
                                static_cast<int>(Plan.Heights.size()) < header.RowCount))
            throw EReadError("The grid stream lacks column widths or row heights");
        Plan.ColsNeeded = header.FullGrid ? header.ColCount : 0;
        Plan.RowsNeeded = header.FullGrid ? header.RowCount : 0;
    } else {
        TGridPropRecord ignored;
        ReadGridPropRecord(reader, ignored);
        if (header.FullGrid) {
            Clear();
            SetRowCount(Plan.RowsNeeded);
            SetColCount(Plan.ColsNeeded);
            for (int i = 0; i < header.ColCount; ++i)
                SetColWidths(i, Plan.Widths[static_cast<size_t>(i)]);
            for (int j = 0; j < header.RowCount; ++j)
                SetRowHeights(j, Plan.Heights[static_cast<size_t>(j)]);
        } else {
            SetRowCount(std::max(RowCount(), Plan.RowsNeeded));
            SetColCount(std::max(ColCount(), Plan.ColsNeeded));
        }
    }

    TGridCellRecord cell;
    TCellProperties props(nullptr, 0, 0);
    const TCellProperties defaultProps(nullptr, 0, 0);
    TCellGraphic graphic;
    const TCellGraphic defaultGraphic;
    TGridGraphicPayload payload;
    TPoint first{-1, -1};
    int lastRow = -1;
    int lastProgress = -1;
    while (reader.Position() + 1 < Stream.size()) {
        cell = TGridCellRecord{};
        ReadGridCellRecord(reader, cell);
        if (first.X < 0)
            first = {cell.Col, cell.Row};
        // Every cell lies in the header's rectangle, counted from the first cell.
        if (cell.Col < first.X || cell.Row < first.Y || cell.Col - first.X >= header.ColCount ||
            cell.Row - first.Y >= header.RowCount)
            throw EReadError("Cell " + std::to_string(cell.Col) + "," + std::to_string(cell.Row) +
                             " lies outside the rectangle of the grid stream");
        const TPoint origin = header.FullGrid ? TPoint{0, 0} : first;
        const int c = cell.Col + Point.X - origin.X;
        const int r = cell.Row + Point.Y - origin.Y;
        if (c >= MaxStreamCells || r >= MaxStreamCells)
            throw EReadError("The cells of the grid stream reach past row or column 65535");
        if (!Apply) {
            Plan.ColsNeeded = std::max(Plan.ColsNeeded, c + 1);
            Plan.RowsNeeded = std::max(Plan.RowsNeeded, r + 1);
        } else {
            SetCellEx(c, r, cell.Cell);
            if (r != lastRow)
                FireFileProgress(r, RowCount(), lastProgress);
            lastRow = r;
        }
        if (!cell.HasProp)
            continue;

        TCellProperties* target = Apply ? GetCellProperties(c, r) : nullptr;
        props.Assign(target ? *target : defaultProps);
        bool hasGraphic = false;
        ReadGridCellPropRecord(reader, props, hasGraphic);
        CheckSpans(props, c, r);
        if (target) {
            props.SetOwnerCol(c);
            props.SetOwnerRow(r);
            target->Assign(props);
        }
        if (!hasGraphic)
            continue;

        graphic.Assign(defaultGraphic);
        ReadGridGraphicRecord(reader, graphic);
        payload = TGridGraphicPayload{};
        if (HasGraphicPayload(graphic.CellType))
            ReadGridPayloadRecord(reader, graphic.CellType, payload);
        if (!Apply)
            CheckPayload(graphic.CellType, payload);
        else
            PlaceStreamGraphic(c, r, graphic, payload);
    }
}

// The cell gets a fresh graphic with its own copy of the payload.
void TExStringGrid::PlaceStreamGraphic(int ACol, int ARow, const TCellGraphic& Graphic,
                                       const TGridGraphicPayload& Payload) {
    TCellGraphic* target = CreateCellGraphic(ACol, ARow);
    if (!target)
        return;
    target->Assign(Graphic);
    target->CellCreated = HasGraphicPayload(Graphic.CellType) || Graphic.CellCreated;
    switch (Graphic.CellType) {
    case ctBitmap:
    case ctBitButton:
        target->CellBitmap =
            DecodeBmp(Payload.Data.empty() ? std::string_view() : UnframedBmp(Payload.Data))
                .release();
        break;
    case ctPicture: {
        auto* picture = new TPicture;
        target->CellBitmap = picture;
        if (!Payload.Data.empty())
            if (const std::unique_ptr<TBitmap> bitmap = DecodePicture(Payload.Data);
                !bitmap->Empty())
                picture->Assign(bitmap.get());
        break;
    }
    case ctIcon:
        target->CellIcon = DecodeIcon(Payload.Data).release();
        break;
    case ctFilePicture: {
        auto* picture = new TFilePicture;
        target->CellBitmap = picture;
        try {
            picture->SetFilename(Payload.FileName);
        } catch (const Exception&) {
            // The file is not here (yet): the name is kept and the cell draws nothing.
        }
        break;
    }
    case ctRadio: {
        target->CellStrings = new TStringList;
        for (const std::string& line : Payload.Lines)
            target->CellStrings->Add(line);
        break;
    }
    case ctImages: {
        auto* list = new TIntList(ACol, ARow);
        list->SetStrValue(JoinedLines(Payload.Lines));
        list->OnChange = [this](TObject*, int col, int row) { RepaintCell(col, row); };
        target->CellBitmap = list;
        break;
    }
    default: // a kind without a payload owns nothing
        target->CellCreated = false;
        break;
    }
}

void TExStringGrid::LoadAtPointFromBinStream(TPoint Point, std::string_view Stream) {
    if (Point.X < 0 || Point.Y < 0)
        throw ROvoVariRodev("Invalid cell for loading the binary grid stream");
    TBinStreamPlan plan;
    ReadBinStream(Point, Stream, false, plan);
    StoreLoadedCells([&] {
        const TRowReservation reservation(*this, Point.Y, plan.RowsNeeded - Point.Y,
                                          plan.ColsNeeded, Stream.size());
        ReadBinStream(Point, Stream, true, plan);
    });
}

void TExStringGrid::LoadFromBinStream(std::string_view Stream) {
    LoadAtPointFromBinStream(TPoint{0, 0}, Stream);
    int nodes = 0;
    for (int r = FixedRows(); r < RowCount(); ++r)
        nodes += GetCellType(0, r) == ctNode ? 1 : 0;
    FNumNodes = nodes;
    if (nodes > 0)
        RepaintCol(0);
}

void TExStringGrid::LoadFromBinFile(const std::string& FileName) {
    LoadFromBinStream(ReadFileBytes(FileName));
}
