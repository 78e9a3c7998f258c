#pragma once

#include <string>
#include <string_view>
#include <vector>

// An INI file held in memory: "[Section]" headers followed by "Name=Value" lines. The whole file
// is read when the object is made and written back whole, atomically, by UpdateFile. Section and
// value names compare without regard to ASCII case; names and values are trimmed of blanks.
// Lines that are neither (comments, blank lines, text without "=") are kept where they stand,
// so writing back changes only what was written. Text is UTF-8; a UTF-8 byte-order mark is
// dropped on reading.
class TIniFile {
public:
    // A file that does not exist gives an empty INI; one that cannot be read throws EFileError.
    explicit TIniFile(std::string FileName);

    const std::string& FileName() const { return FFileName; }

    std::string ReadString(std::string_view Section, std::string_view Ident,
                           std::string_view Default) const;
    // Default when the value is absent or no integer (decimal, or hexadecimal after "$").
    int ReadInteger(std::string_view Section, std::string_view Ident, int Default) const;
    // "1" is true, "0" false; anything else gives Default.
    bool ReadBool(std::string_view Section, std::string_view Ident, bool Default) const;

    // A section or name that would not read back as written (empty, a line break, "=" in a
    // name, "]" in a section) or a value holding a line break throws Exception and changes
    // nothing: such text would otherwise inject lines into the file.
    void WriteString(std::string_view Section, std::string_view Ident, std::string_view Value);
    void WriteInteger(std::string_view Section, std::string_view Ident, int Value);
    void WriteBool(std::string_view Section, std::string_view Ident, bool Value);

    bool SectionExists(std::string_view Section) const;
    bool ValueExists(std::string_view Section, std::string_view Ident) const;
    // Names of the sections, and of the values of one section, in file order.
    std::vector<std::string> ReadSections() const;
    std::vector<std::string> ReadSection(std::string_view Section) const;
    void EraseSection(std::string_view Section);
    void DeleteKey(std::string_view Section, std::string_view Ident);

    // The file's text as it would be written (UTF-8), and the same parse as the constructor's
    // (the file's bytes, decoded as every text file is: see TextFile.h).
    std::string Text() const;
    void SetText(std::string_view Bytes);

    // Writes the text atomically (the previous file survives a failed write), creating missing
    // folders; throws EFileError.
    void UpdateFile() const;

private:
    struct TLine {
        std::string Name; // empty for a line that holds no value
        std::string Value;
        std::string Raw; // the line as read, for lines that hold no value
    };
    struct TSection {
        std::string Name;
        std::vector<TLine> Lines;
    };

    const TSection* FindSection(std::string_view Section) const;
    TSection* FindSection(std::string_view Section);
    static const TLine* FindLine(const TSection& Section, std::string_view Ident);

    std::string FFileName;
    // The lines before the first section header sit in a section with an empty name.
    std::vector<TSection> FSections;
};

// The INI file that stands in for a key under the current user's registry root:
// $XDG_CONFIG_HOME (else ~/.config) followed by the key's parts ("\" or "/" separated) as folders
// and file name, with ".ini". A key that is empty or would leave that folder ("..") throws
// Exception.
std::string RegistryIniFileName(std::string_view Key);
