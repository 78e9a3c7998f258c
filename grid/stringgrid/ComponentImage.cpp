#include "grid/stringgrid/ComponentImage.h"

#include "platform/core/CodePage.h"
#include "platform/core/Utf8.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace {

constexpr std::string_view Signature = "TPF0";

constexpr std::array<std::pair<const char*, TColor>, 52> NamedColors{{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen},
    {"clSkyBlue", clSkyBlue},
    {"clCream", clCream},
    {"clMedGray", clMedGray},
    {"clActiveBorder", clActiveBorder},
    {"clActiveCaption", clActiveCaption},
    {"clAppWorkSpace", clAppWorkSpace},
    {"clBackground", clBackground},
    {"clBtnFace", clBtnFace},
    {"clBtnHighlight", clBtnHighlight},
    {"clBtnShadow", clBtnShadow},
    {"clBtnText", clBtnText},
    {"clCaptionText", clCaptionText},
    {"clDefault", clDefault},
    {"clGradientActiveCaption", clGradientActiveCaption},
    {"clGradientInactiveCaption", clGradientInactiveCaption},
    {"clGrayText", clGrayText},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clHotLight", clHotLight},
    {"clInactiveBorder", clInactiveBorder},
    {"clInactiveCaption", clInactiveCaption},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clInfoBk", clInfoBk},
    {"clInfoText", clInfoText},
    {"clMenu", clMenu},
    {"clMenuBar", clMenuBar},
    {"clMenuHighlight", clMenuHighlight},
    {"clMenuText", clMenuText},
    {"clNone", clNone},
    {"clScrollBar", clScrollBar},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clWindowText", clWindowText},
}};

using TExtended80 = std::array<uint8_t, 10>;

// Little-endian 80-bit extended precision: 64-bit mantissa with its integer bit, 15-bit biased
// exponent, sign. Built by hand so that the form does not depend on the compiler's long double.
TExtended80 ToExtended80(double value) {
    TExtended80 out{};
    uint16_t signExponent = std::signbit(value) ? 0x8000 : 0;
    uint64_t mantissa = 0;
    if (std::isnan(value)) {
        signExponent |= 0x7FFF;
        mantissa = 0xC000000000000000ull;
    } else if (std::isinf(value)) {
        signExponent |= 0x7FFF;
        mantissa = 0x8000000000000000ull;
    } else if (value != 0) {
        int exponent = 0;
        const double fraction = std::frexp(std::fabs(value), &exponent); // [0.5, 1)
        mantissa = static_cast<uint64_t>(std::ldexp(fraction, 64));
        signExponent |= static_cast<uint16_t>(exponent - 1 + 16383);
    }
    for (int i = 0; i < 8; ++i)
        out[static_cast<size_t>(i)] = static_cast<uint8_t>(mantissa >> (8 * i));
    out[8] = static_cast<uint8_t>(signExponent);
    out[9] = static_cast<uint8_t>(signExponent >> 8);
    return out;
}

double FromExtended80(const TExtended80& bytes) {
    uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | bytes[static_cast<size_t>(i)];
    const int signExponent = bytes[8] | (bytes[9] << 8);
    const bool negative = (signExponent & 0x8000) != 0;
    const int exponent = signExponent & 0x7FFF;
    double value;
    if (exponent == 0x7FFF)
        value = (mantissa << 1) == 0 ? HUGE_VAL : std::nan("");
    else
        value = std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
    return negative ? -value : value;
}

} // namespace

const char* ColorIdent(TColor Value) {
    for (const auto& [name, color] : NamedColors)
        if (color == Value)
            return name;
    return nullptr;
}

bool IdentToColor(std::string_view Ident, TColor& Value) {
    for (const auto& [name, color] : NamedColors)
        if (Ident == name) {
            Value = color;
            return true;
        }
    return false;
}

// --- writer ------------------------------------------------------------------------------------

void TComponentImageWriter::BeginImage(std::string_view ClassName) {
    FOutput.append(Signature);
    WriteShortString(ClassName);
    WriteShortString("");
}

void TComponentImageWriter::EndImage() {
    WriteValueType(vaNull);
    WriteValueType(vaNull);
}

void TComponentImageWriter::WriteLittleEndian(uint32_t Value, int Bytes) {
    for (int i = 0; i < Bytes; ++i)
        FOutput.push_back(static_cast<char>((Value >> (8 * i)) & 0xFF));
}

void TComponentImageWriter::WriteShortString(std::string_view Text) {
    Text = Text.substr(0, 255);
    FOutput.push_back(static_cast<char>(Text.size()));
    FOutput.append(Text);
}

void TComponentImageWriter::WriteInteger(int32_t Value) {
    if (Value >= -128 && Value <= 127) {
        WriteValueType(vaInt8);
        WriteLittleEndian(static_cast<uint32_t>(Value), 1);
    } else if (Value >= -32768 && Value <= 32767) {
        WriteValueType(vaInt16);
        WriteLittleEndian(static_cast<uint32_t>(Value), 2);
    } else {
        WriteValueType(vaInt32);
        WriteLittleEndian(static_cast<uint32_t>(Value), 4);
    }
}

void TComponentImageWriter::WriteBoolean(bool Value) {
    WriteValueType(Value ? vaTrue : vaFalse);
}

void TComponentImageWriter::WriteIdent(std::string_view Ident) {
    WriteValueType(vaIdent);
    WriteShortString(Ident);
}

void TComponentImageWriter::WriteColor(TColor Value) {
    if (const char* name = ColorIdent(Value)) {
        WriteIdent(name);
        return;
    }
    WriteInteger(static_cast<int32_t>(Value));
}

void TComponentImageWriter::WriteSet(std::span<const char* const> Names, uint32_t Members) {
    WriteValueType(vaSet);
    for (size_t i = 0; i < Names.size() && i < 32; ++i)
        if (Members & (1u << i))
            WriteShortString(Names[i]);
    WriteShortString("");
}

TValueType TComponentImageWriter::TextValueType(std::string_view Utf8) {
    // Most texts are ASCII: one UTF-16 unit per byte, no conversion needed to tell.
    if (std::none_of(Utf8.begin(), Utf8.end(), [](char c) { return (c & 0x80) != 0; }))
        return Utf8.size() <= 255 ? vaString : vaLString;
    const size_t units = Utf8ToUtf16(Utf8).size();
    if (units > 0 && Utf8.size() >= 2 * units)
        return vaWString;
    if (std::any_of(Utf8.begin(), Utf8.end(), [](char c) { return (c & 0x80) != 0; }))
        return vaUTF8String;
    return Utf8.size() <= 255 ? vaString : vaLString;
}

void TComponentImageWriter::WriteText(std::string_view Utf8) {
    const TValueType type = TextValueType(Utf8);
    WriteValueType(type);
    switch (type) {
    case vaWString: {
        const std::u16string units = Utf8ToUtf16(Utf8);
        WriteLittleEndian(static_cast<uint32_t>(units.size()), 4);
        for (char16_t unit : units)
            WriteLittleEndian(unit, 2);
        break;
    }
    case vaString:
        WriteShortString(Utf8);
        break;
    default:
        WriteLittleEndian(static_cast<uint32_t>(Utf8.size()), 4);
        FOutput.append(Utf8);
        break;
    }
}

void TComponentImageWriter::WriteTextList(const TStringList& Lines) {
    WriteValueType(vaList);
    for (const std::string& line : Lines)
        WriteText(line);
    WriteValueType(vaNull);
}

void TComponentImageWriter::WriteFloat(double Value) {
    WriteValueType(vaExtended);
    const TExtended80 bytes = ToExtended80(Value);
    FOutput.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

void TComponentImageWriter::WriteBinary(std::string_view Bytes) {
    WriteValueType(vaBinary);
    WriteLittleEndian(static_cast<uint32_t>(Bytes.size()), 4);
    FOutput.append(Bytes);
}

// --- reader ------------------------------------------------------------------------------------

void TComponentImageReader::InvalidValue() {
    throw EReadError("Invalid property value");
}

void TComponentImageReader::UnknownProperty(std::string_view Name) {
    throw EReadError("Property " + std::string(Name) + " does not exist");
}

std::string_view TComponentImageReader::Take(size_t Count) {
    if (FPosition > FInput.size() || Count > FInput.size() - FPosition)
        throw EReadError("Stream read error");
    const std::string_view bytes = FInput.substr(FPosition, Count);
    FPosition += Count;
    return bytes;
}

uint32_t TComponentImageReader::ReadLittleEndian(int Bytes) {
    const std::string_view bytes = Take(static_cast<size_t>(Bytes));
    uint32_t value = 0;
    for (int i = Bytes - 1; i >= 0; --i)
        value = (value << 8) | static_cast<uint8_t>(bytes[static_cast<size_t>(i)]);
    return value;
}

// Every cell of a grid stream starts an image: the names are compared where they lie.
void TComponentImageReader::ReadImageStart(std::string_view ExpectedClass) {
    if (Take(Signature.size()) != Signature)
        throw EReadError("Invalid stream format");
    if (Take(ReadLittleEndian(1)) != ExpectedClass)
        throw EReadError("Invalid stream format");
    Take(ReadLittleEndian(1)); // the object name
}

std::string TComponentImageReader::ReadShortString() {
    const uint32_t length = ReadLittleEndian(1);
    return std::string(Take(length));
}

TValueType TComponentImageReader::ReadValueType() {
    return static_cast<TValueType>(ReadLittleEndian(1));
}

TValueType TComponentImageReader::PeekValueType() {
    const TValueType type = ReadValueType();
    --FPosition;
    return type;
}

void TComponentImageReader::ExpectValueType(TValueType Expected) {
    if (ReadValueType() != Expected)
        InvalidValue();
}

int32_t TComponentImageReader::ReadInteger() {
    switch (ReadValueType()) {
    case vaInt8:
        return static_cast<int8_t>(ReadLittleEndian(1));
    case vaInt16:
        return static_cast<int16_t>(ReadLittleEndian(2));
    case vaInt32:
        return static_cast<int32_t>(ReadLittleEndian(4));
    default:
        InvalidValue();
    }
}

bool TComponentImageReader::ReadBoolean() {
    switch (ReadValueType()) {
    case vaFalse:
        return false;
    case vaTrue:
        return true;
    default:
        InvalidValue();
    }
}

std::string TComponentImageReader::ReadIdent() {
    ExpectValueType(vaIdent);
    return ReadShortString();
}

int TComponentImageReader::ReadEnum(std::span<const char* const> Names) {
    const std::string ident = ReadIdent();
    for (size_t i = 0; i < Names.size(); ++i)
        if (ident == Names[i])
            return static_cast<int>(i);
    InvalidValue();
}

TColor TComponentImageReader::ReadColor() {
    if (PeekValueType() != vaIdent)
        return static_cast<TColor>(ReadInteger());
    TColor color = clNone;
    if (!IdentToColor(ReadIdent(), color))
        InvalidValue();
    return color;
}

uint32_t TComponentImageReader::ReadSet(std::span<const char* const> Names) {
    ExpectValueType(vaSet);
    uint32_t members = 0;
    for (std::string name = ReadShortString(); !name.empty(); name = ReadShortString()) {
        const auto found = std::find(Names.begin(), Names.end(), name);
        if (found == Names.end())
            InvalidValue();
        members |= 1u << (found - Names.begin());
    }
    return members;
}

std::string TComponentImageReader::ReadTextOfType(TValueType Type) {
    switch (Type) {
    // The 8-bit forms hold 7-bit text; other bytes are read as the ANSI code page, and broken
    // UTF-8 is mended, so that no stream puts ill-formed text into the grid.
    case vaString:
        return AnsiToUtf8(Take(ReadLittleEndian(1)));
    case vaLString:
        return AnsiToUtf8(Take(ReadLittleEndian(4)));
    case vaUTF8String:
        return ReplaceInvalidUtf8(Take(ReadLittleEndian(4)));
    case vaWString: {
        const uint32_t units = ReadLittleEndian(4);
        if (units > (FInput.size() - FPosition) / 2)
            throw EReadError("Stream read error");
        std::u16string text(units, u'\0');
        for (char16_t& unit : text)
            unit = static_cast<char16_t>(ReadLittleEndian(2));
        return Utf16ToUtf8(text);
    }
    default:
        InvalidValue();
    }
}

std::string TComponentImageReader::ReadText() {
    return ReadTextOfType(ReadValueType());
}

double TComponentImageReader::ReadFloat() {
    ExpectValueType(vaExtended);
    TExtended80 bytes;
    const std::string_view taken = Take(bytes.size());
    std::copy(taken.begin(), taken.end(), reinterpret_cast<char*>(bytes.data()));
    return FromExtended80(bytes);
}

std::string TComponentImageReader::ReadBinary() {
    ExpectValueType(vaBinary);
    return std::string(Take(ReadLittleEndian(4)));
}

void TComponentImageReader::ReadTextList(TStringList& Lines) {
    ExpectValueType(vaList);
    Lines.Clear();
    for (TValueType type = ReadValueType(); type != vaNull; type = ReadValueType())
        Lines.Add(ReadTextOfType(type));
}
