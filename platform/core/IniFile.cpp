#include "platform/core/IniFile.h"

#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"
#include "platform/core/TextFile.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

bool HoldsLineBreak(std::string_view Text) {
    return Text.find_first_of("\r\n") != std::string_view::npos;
}

// Names are stored trimmed, so a name with blanks at its ends would not read back either.
void RefuseUnreadable(std::string_view Section, std::string_view Ident, std::string_view Value) {
    if (Trim(Section).empty() || Trim(Section) != Section || HoldsLineBreak(Section) ||
        Section.find(']') != std::string_view::npos)
        throw Exception("Invalid INI section name \"" + std::string(Section) + "\"");
    if (Trim(Ident).empty() || Trim(Ident) != Ident || HoldsLineBreak(Ident) ||
        Ident.find('=') != std::string_view::npos || Ident.front() == '[' || Ident.front() == ';' ||
        Ident.front() == '#')
        throw Exception("Invalid INI value name \"" + std::string(Ident) + "\"");
    if (HoldsLineBreak(Value))
        throw Exception("The INI value of \"" + std::string(Ident) + "\" holds a line break");
}

std::vector<std::string_view> SplitLines(std::string_view Text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < Text.size()) {
        const size_t end = Text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(Text.substr(start));
            break;
        }
        lines.push_back(Text.substr(start, end - start));
        start = end + 1;
        if (Text[end] == '\r' && start < Text.size() && Text[start] == '\n')
            ++start;
    }
    return lines;
}

} // namespace

TIniFile::TIniFile(std::string FileName) : FFileName(std::move(FileName)) {
    FSections.push_back({});
    if (FileExists(FFileName))
        SetText(ReadFileBytes(FFileName));
}

void TIniFile::SetText(std::string_view Bytes) {
    FSections.assign(1, TSection{});
    // Decoding drops one leading byte-order mark.
    const std::string Text = DecodeText(Bytes);
    TSection* current = &FSections.front();
    for (std::string_view raw : SplitLines(Text)) {
        const std::string line = Trim(raw);
        const size_t close = line.find(']');
        if (!line.empty() && line.front() == '[' && close != std::string::npos) {
            const std::string name = Trim(std::string_view(line).substr(1, close - 1));
            // A repeated header continues its section, so every name has one place.
            current = FindSection(name);
            if (!current) {
                FSections.push_back(TSection{name, {}});
                current = &FSections.back();
            }
            continue;
        }
        const size_t equals = line.find('=');
        const bool comment = !line.empty() && (line.front() == ';' || line.front() == '#');
        std::string name =
            equals == std::string::npos ? std::string() : Trim(line.substr(0, equals));
        if (comment || name.empty()) {
            current->Lines.push_back(TLine{{}, {}, std::string(raw)});
            continue;
        }
        current->Lines.push_back(TLine{std::move(name), Trim(line.substr(equals + 1)), {}});
    }
}

std::string TIniFile::Text() const {
    std::string text;
    for (const TSection& section : FSections) {
        if (&section != &FSections.front())
            text += "[" + section.Name + "]\n";
        for (const TLine& line : section.Lines)
            text += line.Name.empty() ? line.Raw + "\n" : line.Name + "=" + line.Value + "\n";
    }
    // Reading drops one leading byte-order mark; text that starts with one of its own keeps it
    // behind a mark written for the reader to drop.
    if (text.substr(0, Utf8ByteOrderMark.size()) == Utf8ByteOrderMark)
        text.insert(0, Utf8ByteOrderMark);
    return text;
}

void TIniFile::UpdateFile() const {
    // Settings under a fresh configuration folder have no folder yet.
    const std::string folder = ExtractFilePath(FFileName);
    if (!folder.empty() && !ForceDirectories(folder))
        throw EFileError("Cannot create the folder of " + FFileName);
    WriteFileAtomic(FFileName, Text());
}

const TIniFile::TSection* TIniFile::FindSection(std::string_view Section) const {
    for (size_t i = 1; i < FSections.size(); ++i)
        if (SameText(FSections[i].Name, Section))
            return &FSections[i];
    return nullptr;
}

TIniFile::TSection* TIniFile::FindSection(std::string_view Section) {
    return const_cast<TSection*>(std::as_const(*this).FindSection(Section));
}

const TIniFile::TLine* TIniFile::FindLine(const TSection& Section, std::string_view Ident) {
    for (const TLine& line : Section.Lines)
        if (!line.Name.empty() && SameText(line.Name, Ident))
            return &line;
    return nullptr;
}

std::string TIniFile::ReadString(std::string_view Section, std::string_view Ident,
                                 std::string_view Default) const {
    const TSection* section = FindSection(Section);
    const TLine* line = section ? FindLine(*section, Ident) : nullptr;
    return line ? line->Value : std::string(Default);
}

int TIniFile::ReadInteger(std::string_view Section, std::string_view Ident, int Default) const {
    int32_t value = 0;
    return TryStrToInt(ReadString(Section, Ident, ""), value) ? value : Default;
}

bool TIniFile::ReadBool(std::string_view Section, std::string_view Ident, bool Default) const {
    const std::string value = ReadString(Section, Ident, "");
    return value == "1" ? true : value == "0" ? false : Default;
}

void TIniFile::WriteString(std::string_view Section, std::string_view Ident,
                           std::string_view Value) {
    RefuseUnreadable(Section, Ident, Value);
    TSection* section = FindSection(Section);
    if (!section) {
        FSections.push_back(TSection{std::string(Section), {}});
        section = &FSections.back();
    }
    // The stored value is what a reader gets back: trimmed like every value read from a file.
    if (auto* line = const_cast<TLine*>(FindLine(*section, Ident)))
        line->Value = Trim(Value);
    else
        section->Lines.push_back(TLine{std::string(Ident), Trim(Value), {}});
}

void TIniFile::WriteInteger(std::string_view Section, std::string_view Ident, int Value) {
    WriteString(Section, Ident, IntToStr(Value));
}

void TIniFile::WriteBool(std::string_view Section, std::string_view Ident, bool Value) {
    WriteString(Section, Ident, Value ? "1" : "0");
}

bool TIniFile::SectionExists(std::string_view Section) const {
    return FindSection(Section) != nullptr;
}

bool TIniFile::ValueExists(std::string_view Section, std::string_view Ident) const {
    const TSection* section = FindSection(Section);
    return section && FindLine(*section, Ident);
}

std::vector<std::string> TIniFile::ReadSections() const {
    std::vector<std::string> names;
    for (size_t i = 1; i < FSections.size(); ++i)
        names.push_back(FSections[i].Name);
    return names;
}

std::vector<std::string> TIniFile::ReadSection(std::string_view Section) const {
    std::vector<std::string> names;
    if (const TSection* section = FindSection(Section))
        for (const TLine& line : section->Lines)
            if (!line.Name.empty())
                names.push_back(line.Name);
    return names;
}

void TIniFile::EraseSection(std::string_view Section) {
    if (const TSection* section = FindSection(Section))
        FSections.erase(FSections.begin() + (section - FSections.data()));
}

void TIniFile::DeleteKey(std::string_view Section, std::string_view Ident) {
    TSection* section = FindSection(Section);
    if (!section)
        return;
    std::erase_if(section->Lines, [&](const TLine& line) {
        return !line.Name.empty() && SameText(line.Name, Ident);
    });
}

std::string RegistryIniFileName(std::string_view Key) {
    std::string folder;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        folder = config;
    else if (const char* home = std::getenv("HOME"); home && *home)
        folder = JoinPath(home, ".config");
    else
        throw Exception("No folder for settings: neither XDG_CONFIG_HOME nor HOME is set");
    std::vector<std::string> parts;
    std::string part;
    for (size_t i = 0; i <= Key.size(); ++i) {
        if (i == Key.size() || Key[i] == '\\' || Key[i] == '/') {
            if (part == "..")
                throw Exception("Invalid settings key \"" + std::string(Key) + "\"");
            if (!part.empty() && part != ".")
                parts.push_back(part);
            part.clear();
        } else {
            part += Key[i];
        }
    }
    if (parts.empty())
        throw Exception("Invalid settings key \"" + std::string(Key) + "\"");
    for (const std::string& p : parts)
        folder = JoinPath(folder, p);
    return folder + ".ini";
}
