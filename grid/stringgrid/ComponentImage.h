#pragma once

#include "platform/core/Exception.h"
#include "platform/core/StringList.h"
#include "platform/ui/Colors.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The 52 colours that have names ("clBlack", ...): the name of Value, nullptr for others; and
// the colour an exactly spelled name stands for.
const char* ColorIdent(TColor Value);
bool IdentToColor(std::string_view Ident, TColor& Value);

// A stream that is no component image, or ends inside one.
class EReadError : public Exception {
public:
    using Exception::Exception;
};

// The value tags of a component image.
enum TValueType : uint8_t {
    vaNull = 0,
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,
    vaString = 6,
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,
    vaSet = 11,
    vaLString = 12,
    vaCollection = 14,
    vaWString = 18,
    vaUTF8String = 20,
};

// Writes component images: "TPF0", class name, object name, properties (name, tagged value),
// the end of the properties and the end of the (always empty) child list.
class TComponentImageWriter {
public:
    explicit TComponentImageWriter(std::string& Output) : FOutput(Output) {}

    void BeginImage(std::string_view ClassName);
    void EndImage(); // ends the properties and the child list

    void WriteName(std::string_view Name) { WriteShortString(Name); }
    void WriteInteger(int32_t Value);
    void WriteBoolean(bool Value);
    void WriteIdent(std::string_view Ident);
    // The named colours by name, any other as an integer.
    void WriteColor(TColor Value);
    // Names of the members in ascending order; bit n of Members is member n of Names.
    void WriteSet(std::span<const char* const> Names, uint32_t Members);
    // The smallest of the text tags that holds the text (see TextValueType).
    void WriteText(std::string_view Utf8);
    // A list value: one text per line.
    void WriteTextList(const TStringList& Lines);
    // vaExtended: the 80-bit extended-precision form.
    void WriteFloat(double Value);
    // vaBinary: a 32-bit length, then the bytes.
    void WriteBinary(std::string_view Bytes);
    void WriteValueType(TValueType Type) { FOutput.push_back(static_cast<char>(Type)); }
    void WriteShortString(std::string_view Text);

    static TValueType TextValueType(std::string_view Utf8);

private:
    void WriteLittleEndian(uint32_t Value, int Bytes);

    std::string& FOutput;
};

// Reads component images from a byte range. Every length read is checked against the bytes
// left, so that no input makes it read outside the range or allocate more than it holds.
class TComponentImageReader {
public:
    TComponentImageReader(std::string_view Input, size_t Position)
        : FInput(Input), FPosition(Position) {}

    size_t Position() const { return FPosition; }
    // Reads the signature, the class name (which must be ExpectedClass) and the object name.
    void ReadImageStart(std::string_view ExpectedClass);
    // The next property name; empty at the end of a property list.
    std::string ReadName() { return ReadShortString(); }
    TValueType ReadValueType();
    TValueType PeekValueType();
    int32_t ReadInteger();
    bool ReadBoolean();
    std::string ReadIdent();
    TColor ReadColor();
    uint32_t ReadSet(std::span<const char* const> Names);
    std::string ReadText();
    void ReadTextList(TStringList& Lines);
    double ReadFloat();
    std::string ReadBinary();
    // The index of the identifier read in Names.
    int ReadEnum(std::span<const char* const> Names);
    std::string ReadShortString();
    // Fails when the next tag is not Expected.
    void ExpectValueType(TValueType Expected);

    [[noreturn]] static void InvalidValue();
    [[noreturn]] static void UnknownProperty(std::string_view Name);

private:
    std::string_view Take(size_t Count);
    uint32_t ReadLittleEndian(int Bytes);
    std::string ReadTextOfType(TValueType Type);

    std::string_view FInput;
    size_t FPosition;
};
