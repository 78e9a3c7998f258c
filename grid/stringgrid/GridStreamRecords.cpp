// The records of the binary grid stream, property by property in stream order.
#include "grid/stringgrid/GridStreamRecords.h"

#include "grid/foundation/CellProperties.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/StreamNames.h"
#include "platform/ui/Component.h"
#include "platform/ui/Control.h"

#include <cstring>
#include <string_view>

namespace {

// Enumerations travel by name; a name the reader does not know fails the read.
template <typename E, size_t N>
void ReadEnumInto(TComponentImageReader& Reader, const std::array<const char*, N>& Names, E& To) {
    To = static_cast<E>(Reader.ReadEnum(Names));
}

template <typename E, size_t N>
void WriteEnum(TComponentImageWriter& Writer, std::string_view Name,
               const std::array<const char*, N>& Names, E Value) {
    Writer.WriteName(Name);
    Writer.WriteIdent(Names[static_cast<size_t>(Value)]);
}

void WriteInt(TComponentImageWriter& Writer, std::string_view Name, int32_t Value) {
    Writer.WriteName(Name);
    Writer.WriteInteger(Value);
}

void WriteBool(TComponentImageWriter& Writer, std::string_view Name, bool Value) {
    Writer.WriteName(Name);
    Writer.WriteBoolean(Value);
}

void WriteColorProperty(TComponentImageWriter& Writer, std::string_view Name, TColor Value) {
    Writer.WriteName(Name);
    Writer.WriteColor(Value);
}

// A text is written only when not empty.
void WriteTextProperty(TComponentImageWriter& Writer, std::string_view Name,
                       std::string_view Value) {
    if (Value.empty())
        return;
    Writer.WriteName(Name);
    Writer.WriteText(Value);
}

// Reads the end of an image after its property list: the empty child list.
void ReadImageEnd(TComponentImageReader& Reader) {
    Reader.ExpectValueType(vaNull);
}

constexpr std::string_view PropsPrefix = "CellProperties.";
constexpr std::string_view GraphicPrefix = "CellGraphic.";

struct TPayloadRecord {
    const char* ClassName;
    const char* Property;
};

TPayloadRecord PayloadRecordOf(TCellType Kind) {
    switch (Kind) {
    case ctBitmap:
    case ctBitButton:
        return {"TGridBMPIO", "Bitmap.Data"};
    case ctIcon:
        return {"TGridIconIO", "Icon.Data"};
    case ctRadio:
    case ctImages:
        return {"TGridSLIO", "Strings.Strings"};
    case ctPicture:
        return {"TGridPicIO", "Picture.Data"};
    case ctFilePicture:
        return {"TGridFilePicIO", "Picture.Filename"};
    default:
        return {nullptr, nullptr};
    }
}

} // namespace

// --- header ----------------------------------------------------------------------------------

void WriteGridPropRecord(TComponentImageWriter& Writer, const TGridPropRecord& Record) {
    Writer.BeginImage("TGridPropIO");
    WriteInt(Writer, "ColCount", Record.ColCount);
    WriteInt(Writer, "RowCount", Record.RowCount);
    WriteTextProperty(Writer, "ColWidths", Record.ColWidths);
    WriteTextProperty(Writer, "RowHeights", Record.RowHeights);
    WriteBool(Writer, "FullGrid", Record.FullGrid);
    WriteInt(Writer, "ID", Record.ID);
    Writer.EndImage();
}

void ReadGridPropRecord(TComponentImageReader& Reader, TGridPropRecord& Record) {
    Reader.ReadImageStart("TGridPropIO");
    for (std::string name = Reader.ReadName(); !name.empty(); name = Reader.ReadName()) {
        if (name == "ColCount")
            Record.ColCount = Reader.ReadInteger();
        else if (name == "RowCount")
            Record.RowCount = Reader.ReadInteger();
        else if (name == "ColWidths")
            Record.ColWidths = Reader.ReadText();
        else if (name == "RowHeights")
            Record.RowHeights = Reader.ReadText();
        else if (name == "FullGrid")
            Record.FullGrid = Reader.ReadBoolean();
        else if (name == "ID")
            Record.ID = Reader.ReadInteger();
        else
            TComponentImageReader::UnknownProperty(name);
    }
    ReadImageEnd(Reader);
}

// --- cells -----------------------------------------------------------------------------------

void WriteGridCellRecord(TComponentImageWriter& Writer, int Col, int Row, std::string_view Cell,
                         bool HasProp) {
    Writer.BeginImage("TGridCellIO");
    WriteInt(Writer, "Col", Col & 0xFFFF);
    WriteInt(Writer, "Row", Row & 0xFFFF);
    WriteTextProperty(Writer, "Cell", Cell);
    WriteBool(Writer, "HasProp", HasProp);
    Writer.EndImage();
}

void ReadGridCellRecord(TComponentImageReader& Reader, TGridCellRecord& Record) {
    Reader.ReadImageStart("TGridCellIO");
    // Read for every cell of a stream: names of a known length compare without a library call.
    const auto is = [](const std::string& name, const char(&known)[4]) {
        return name.size() == 3 && std::memcmp(name.data(), known, 3) == 0;
    };
    for (std::string name = Reader.ReadName(); !name.empty(); name = Reader.ReadName()) {
        if (name.size() == 4 && std::memcmp(name.data(), "Cell", 4) == 0) {
            Record.Cell = Reader.ReadText();
        } else if (is(name, "Col") || is(name, "Row")) {
            const int32_t value = Reader.ReadInteger();
            if (value < 0 || value > 0xFFFF)
                TComponentImageReader::InvalidValue();
            (is(name, "Col") ? Record.Col : Record.Row) = static_cast<uint16_t>(value);
        } else if (name == "HasProp") {
            Record.HasProp = Reader.ReadBoolean();
        } else {
            TComponentImageReader::UnknownProperty(name);
        }
    }
    ReadImageEnd(Reader);
}

// --- cell properties -------------------------------------------------------------------------

void WriteGridCellPropRecord(TComponentImageWriter& Writer, const TCellProperties& Props,
                             bool HasGraphic) {
    auto name = [](std::string_view field) { return std::string(PropsPrefix) + field.data(); };
    Writer.BeginImage("TGridCellPropIO");
    WriteBool(Writer, name("IsBaseCell"), Props.IsBaseCell());
    WriteInt(Writer, name("CellSpanX"), Props.CellSpanX());
    WriteInt(Writer, name("CellSpanY"), Props.CellSpanY());
    WriteEnum(Writer, name("Alignment"), AlignmentNames, Props.Alignment());
    WriteColorProperty(Writer, name("BorderColor"), Props.BorderColor());
    WriteInt(Writer, name("BorderWidth"), Props.BorderWidth());
    WriteColorProperty(Writer, name("BrushColor"), Props.BrushColor());
    // The copy of the properties carries neither gradient end nor direction: their defaults.
    WriteColorProperty(Writer, name("BrushColorTo"), clNone);
    WriteEnum(Writer, name("BrushStyle"), BrushStyleNames, Props.BrushStyle());
    WriteInt(Writer, name("CellObject"), static_cast<int32_t>(Props.CellObject() & 0xFFFFFFFFu));
    WriteColorProperty(Writer, name("FontColor"), Props.FontColor());
    WriteTextProperty(Writer, name("FontName"), Props.FontName());
    WriteInt(Writer, name("FontSize"), Props.FontSize());
    Writer.WriteName(name("FontStyle"));
    Writer.WriteSet(FontStyleNames, static_cast<uint32_t>(Props.FontStyle().ToBits()));
    WriteEnum(Writer, name("Editor"), EditorNames, Props.Editor());
    WriteEnum(Writer, name("GradientDirection"), GradientDirectionNames, GradientVertical);
    WriteBool(Writer, name("ReadOnly"), Props.ReadOnly());
    WriteEnum(Writer, name("VAlignment"), VAlignmentNames, Props.VAlignment());
    WriteBool(Writer, name("WordWrap"), Props.WordWrap());
    WriteInt(Writer, name("NodeLevel"), Props.NodeLevel());
    if (const TControl* control = Props.Control(); control && !control->Name().empty()) {
        const TComponent* owner = control->Owner();
        Writer.WriteName(name("Control"));
        Writer.WriteIdent(owner && !owner->Name().empty() ? owner->Name() + "." + control->Name()
                                                          : control->Name() + ".Owner");
    }
    WriteBool(Writer, "HasGraphic", HasGraphic);
    Writer.EndImage();
}

void ReadGridCellPropRecord(TComponentImageReader& Reader, TCellProperties& Props,
                            bool& HasGraphic) {
    Reader.ReadImageStart("TGridCellPropIO");
    for (std::string name = Reader.ReadName(); !name.empty(); name = Reader.ReadName()) {
        if (name == "HasGraphic") {
            HasGraphic = Reader.ReadBoolean();
            continue;
        }
        if (!name.starts_with(PropsPrefix))
            TComponentImageReader::UnknownProperty(name);
        const std::string_view field = std::string_view(name).substr(PropsPrefix.size());
        if (field == "IsBaseCell") {
            Props.SetIsBaseCell(Reader.ReadBoolean());
        } else if (field == "CellSpanX") {
            Props.SetCellSpanX(Reader.ReadInteger());
        } else if (field == "CellSpanY") {
            Props.SetCellSpanY(Reader.ReadInteger());
        } else if (field == "Alignment") {
            TAlignment value;
            ReadEnumInto(Reader, AlignmentNames, value);
            Props.SetAlignment(value);
        } else if (field == "BorderColor") {
            Props.SetBorderColor(Reader.ReadColor());
        } else if (field == "BorderWidth") {
            Props.SetBorderWidth(Reader.ReadInteger());
        } else if (field == "BrushColor") {
            Props.SetBrushColor(Reader.ReadColor());
        } else if (field == "BrushColorTo") {
            Reader.ReadColor(); // never carried by the copy
        } else if (field == "BrushStyle") {
            TBrushStyle value;
            ReadEnumInto(Reader, BrushStyleNames, value);
            Props.SetBrushStyle(value);
        } else if (field == "CellObject") {
            // A tag of the application's, kept as it is: never turned back into an object.
            Props.SetCellObject(static_cast<uint32_t>(Reader.ReadInteger()));
        } else if (field == "FontColor") {
            Props.SetFontColor(Reader.ReadColor());
        } else if (field == "FontName") {
            Props.SetFontName(Reader.ReadText());
        } else if (field == "FontSize") {
            Props.SetFontSize(Reader.ReadInteger());
        } else if (field == "FontStyle") {
            Props.SetFontStyle(TFontStyles::FromBits(Reader.ReadSet(FontStyleNames)));
        } else if (field == "Editor") {
            TEditorType value;
            ReadEnumInto(Reader, EditorNames, value);
            Props.SetEditor(value);
        } else if (field == "GradientDirection") {
            Reader.ReadEnum(GradientDirectionNames); // never carried by the copy
        } else if (field == "ReadOnly") {
            Props.SetReadOnly(Reader.ReadBoolean());
        } else if (field == "VAlignment") {
            TVAlignment value;
            ReadEnumInto(Reader, VAlignmentNames, value);
            Props.SetVAlignment(value);
        } else if (field == "WordWrap") {
            Props.SetWordWrap(Reader.ReadBoolean());
        } else if (field == "NodeLevel") {
            Props.SetNodeLevel(Reader.ReadInteger());
        } else if (field == "Control") {
            Reader.ReadIdent(); // a control of the writing program: not resolved here
        } else {
            TComponentImageReader::UnknownProperty(name);
        }
    }
    ReadImageEnd(Reader);
}

// --- cell graphics ---------------------------------------------------------------------------

void WriteGridGraphicRecord(TComponentImageWriter& Writer, const TCellGraphic& Graphic) {
    auto name = [](std::string_view field) { return std::string(GraphicPrefix) + field.data(); };
    Writer.BeginImage("TGridGraphicIO");
    WriteEnum(Writer, name("CellType"), CellTypeNames, Graphic.CellType);
    WriteEnum(Writer, name("CellVAlign"), CellVAlignNames, Graphic.CellVAlign);
    WriteEnum(Writer, name("CellHAlign"), CellHAlignNames, Graphic.CellHAlign);
    WriteInt(Writer, name("CellIndex"), Graphic.CellIndex);
    WriteBool(Writer, name("CellTransparent"), Graphic.CellTransparent);
    WriteBool(Writer, name("CellCreated"), Graphic.CellCreated);
    WriteBool(Writer, name("CellBoolean"), Graphic.CellBoolean);
    // The copy of a graphic does not carry the check-box state: always its default.
    WriteEnum(Writer, name("CellCheckBoxState"), CheckBoxStateNames, cbUnchecked);
    WriteInt(Writer, name("CellAngle"), Graphic.CellAngle);
    if (Graphic.CellValue != 0) {
        Writer.WriteName(name("CellValue"));
        Writer.WriteFloat(Graphic.CellValue);
    }
    WriteInt(Writer, name("CellErrFrom"), Graphic.CellErrFrom);
    WriteInt(Writer, name("CellErrLen"), Graphic.CellErrLen);
    WriteTextProperty(Writer, name("CellText"), Graphic.CellText);
    Writer.EndImage();
}

void ReadGridGraphicRecord(TComponentImageReader& Reader, TCellGraphic& Graphic) {
    Reader.ReadImageStart("TGridGraphicIO");
    for (std::string name = Reader.ReadName(); !name.empty(); name = Reader.ReadName()) {
        if (!name.starts_with(GraphicPrefix))
            TComponentImageReader::UnknownProperty(name);
        const std::string_view field = std::string_view(name).substr(GraphicPrefix.size());
        if (field == "CellType")
            ReadEnumInto(Reader, CellTypeNames, Graphic.CellType);
        else if (field == "CellVAlign")
            ReadEnumInto(Reader, CellVAlignNames, Graphic.CellVAlign);
        else if (field == "CellHAlign")
            ReadEnumInto(Reader, CellHAlignNames, Graphic.CellHAlign);
        else if (field == "CellIndex")
            Graphic.CellIndex = Reader.ReadInteger();
        else if (field == "CellTransparent")
            Graphic.CellTransparent = Reader.ReadBoolean();
        else if (field == "CellCreated")
            Graphic.CellCreated = Reader.ReadBoolean();
        else if (field == "CellBoolean")
            Graphic.CellBoolean = Reader.ReadBoolean();
        else if (field == "CellCheckBoxState")
            Reader.ReadEnum(CheckBoxStateNames); // not carried by the copy
        else if (field == "CellAngle")
            Graphic.CellAngle = Reader.ReadInteger();
        else if (field == "CellValue")
            Graphic.CellValue = Reader.ReadFloat();
        else if (field == "CellErrFrom")
            Graphic.CellErrFrom = Reader.ReadInteger();
        else if (field == "CellErrLen")
            Graphic.CellErrLen = Reader.ReadInteger();
        else if (field == "CellText")
            Graphic.CellText = Reader.ReadText();
        else
            TComponentImageReader::UnknownProperty(name);
    }
    ReadImageEnd(Reader);
}

// --- graphic payloads ------------------------------------------------------------------------

bool HasGraphicPayload(TCellType Kind) {
    return PayloadRecordOf(Kind).ClassName != nullptr;
}

void WriteGridPayloadRecord(TComponentImageWriter& Writer, TCellType Kind,
                            const TGridGraphicPayload& Payload) {
    const TPayloadRecord record = PayloadRecordOf(Kind);
    Writer.BeginImage(record.ClassName);
    if (Kind == ctRadio || Kind == ctImages) {
        if (Payload.Lines.Count() > 0) {
            Writer.WriteName(record.Property);
            Writer.WriteTextList(Payload.Lines);
        }
    } else if (Kind == ctFilePicture) {
        WriteTextProperty(Writer, record.Property, Payload.FileName);
    } else if (!Payload.Data.empty()) {
        Writer.WriteName(record.Property);
        Writer.WriteBinary(Payload.Data);
    }
    Writer.EndImage();
}

void ReadGridPayloadRecord(TComponentImageReader& Reader, TCellType Kind,
                           TGridGraphicPayload& Payload) {
    const TPayloadRecord record = PayloadRecordOf(Kind);
    Reader.ReadImageStart(record.ClassName);
    for (std::string name = Reader.ReadName(); !name.empty(); name = Reader.ReadName()) {
        if (name != record.Property)
            TComponentImageReader::UnknownProperty(name);
        if (Kind == ctRadio || Kind == ctImages)
            Reader.ReadTextList(Payload.Lines);
        else if (Kind == ctFilePicture)
            Payload.FileName = Reader.ReadText();
        else
            Payload.Data = Reader.ReadBinary();
    }
    ReadImageEnd(Reader);
}
