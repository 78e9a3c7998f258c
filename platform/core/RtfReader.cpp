#include "platform/core/RtfText.h"

#include "platform/core/CodePage.h"
#include "platform/core/Utf8.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>

namespace {

enum class Destination { Text, FontTable, ColorTable, Skipped };

// What a group changes; a closing brace brings the enclosing group's state back.
struct GroupState {
    Destination Dest = Destination::Text;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    int Font = -1; // index in the font table; -1: the document's default font
    int Size = 0;
    int ColorIndex = -1;
    int Offset = 0;
    int UnicodeSkip = 1; // fallback characters that follow each \uN
};

// Deeper groups share the state of the deepest one kept, so nesting costs no memory.
constexpr size_t MaxGroupDepth = 256;
constexpr size_t MaxFontNameLength = 255;
constexpr int MaxUnicodeSkip = 16;
constexpr int64_t MaxParameter = 1'000'000'000;

// Groups whose content is not shown.
constexpr std::string_view SkippedDestinations[] = {"annotation",
                                                    "atnauthor",
                                                    "atnid",
                                                    "author",
                                                    "bkmkend",
                                                    "bkmkstart",
                                                    "colorschememapping",
                                                    "comment",
                                                    "company",
                                                    "datastore",
                                                    "do",
                                                    "doccomm",
                                                    "filetbl",
                                                    "fldinst",
                                                    "footer",
                                                    "footerf",
                                                    "footerl",
                                                    "footerr",
                                                    "footnote",
                                                    "generator",
                                                    "header",
                                                    "headerf",
                                                    "headerl",
                                                    "headerr",
                                                    "info",
                                                    "keywords",
                                                    "latentstyles",
                                                    "listoverridetable",
                                                    "listtable",
                                                    "nonshppict",
                                                    "object",
                                                    "operator",
                                                    "pgdsctbl",
                                                    "pict",
                                                    "pn",
                                                    "revtbl",
                                                    "rsidtbl",
                                                    "shpinst",
                                                    "stylesheet",
                                                    "subject",
                                                    "tc",
                                                    "template",
                                                    "themedata",
                                                    "title",
                                                    "xmlnstbl"};

bool IsSkippedDestination(std::string_view word) {
    return std::find(std::begin(SkippedDestinations), std::end(SkippedDestinations), word) !=
           std::end(SkippedDestinations);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

class RtfReader {
public:
    explicit RtfReader(std::string_view bytes) : FIn(bytes) { FStack.emplace_back(); }

    TRtfRuns Read() {
        while (FPos < FIn.size() && !FDone) {
            const char c = FIn[FPos];
            if (c == '{') {
                ++FPos;
                OpenGroup();
            } else if (c == '}') {
                ++FPos;
                CloseGroup();
            } else if (c == '\\') {
                ++FPos;
                ReadEscape();
            } else {
                ++FPos;
                if (c != '\r' && c != '\n')
                    AddAnsiByte(c);
            }
        }
        Flush();
        if (FHighSurrogate != 0)
            EmitText(Utf32ToUtf8(std::u32string(1, ReplacementCharacter)));
        return std::move(FRuns);
    }

private:
    GroupState& State() { return FStack.back(); }

    void OpenGroup() {
        Flush();
        FSkipChars = 0;
        if (FStack.size() > MaxGroupDepth) {
            if (FOverflow++ == 0)
                FBeforeOverflow = State();
            return;
        }
        FStack.push_back(State());
    }

    void CloseGroup() {
        Flush();
        FSkipChars = 0;
        if (FOverflow > 0) {
            if (--FOverflow == 0)
                State() = FBeforeOverflow;
            return;
        }
        if (State().Dest == Destination::FontTable)
            CommitFont();
        FStack.pop_back();
        // The document's own group is closed: what follows is not part of it.
        if (FStack.size() <= 1)
            FDone = true;
    }

    void ReadEscape() {
        if (FPos >= FIn.size())
            return;
        const char c = FIn[FPos];
        if (IsLetter(c)) {
            ReadControlWord();
            return;
        }
        ++FPos;
        switch (c) {
        case '\'':
            ReadHexEscape();
            break;
        case '\\':
        case '{':
        case '}':
            AddAnsiByte(c);
            break;
        case '~':
            EmitSymbol(0x00A0);
            break;
        case '_':
            EmitSymbol(0x2011);
            break;
        case '\r':
        case '\n':
            EmitSymbol('\n');
            break;
        case '*':
            Flush();
            State().Dest = Destination::Skipped;
            break;
        default: // \- (optional hyphen), \| and the like show nothing
            break;
        }
    }

    void ReadHexEscape() {
        int value = 0;
        int digits = 0;
        while (digits < 2 && FPos < FIn.size() && HexValue(FIn[FPos]) >= 0) {
            value = value * 16 + HexValue(FIn[FPos]);
            ++FPos;
            ++digits;
        }
        if (digits == 2)
            AddAnsiByte(static_cast<char>(value));
    }

    void ReadControlWord() {
        const size_t start = FPos;
        while (FPos < FIn.size() && IsLetter(FIn[FPos]))
            ++FPos;
        const std::string_view word = FIn.substr(start, FPos - start);
        bool negative = false;
        if (FPos + 1 < FIn.size() && FIn[FPos] == '-' && IsDigit(FIn[FPos + 1])) {
            negative = true;
            ++FPos;
        }
        bool hasParameter = false;
        int64_t parameter = 0;
        while (FPos < FIn.size() && IsDigit(FIn[FPos])) {
            hasParameter = true;
            parameter = std::min(parameter * 10 + (FIn[FPos] - '0'), MaxParameter);
            ++FPos;
        }
        if (FPos < FIn.size() && FIn[FPos] == ' ')
            ++FPos;
        ControlWord(word, hasParameter, static_cast<int>(negative ? -parameter : parameter));
    }

    void ControlWord(std::string_view word, bool hasParameter, int parameter) {
        Flush();
        if (word == "bin") {
            // Binary data is passed over whole, whatever the destination.
            FPos += std::min<size_t>(std::max(parameter, 0), FIn.size() - FPos);
            return;
        }
        GroupState& state = State();
        if (state.Dest == Destination::Skipped)
            return;
        if (FSkipChars > 0) {
            --FSkipChars;
            return;
        }
        // Unicode escapes reach every destination: font names hold them too.
        if (word == "u") {
            EmitUnicode(parameter);
            return;
        }
        if (word == "uc") {
            state.UnicodeSkip = std::clamp(parameter, 0, MaxUnicodeSkip);
            return;
        }
        if (word == "fonttbl") {
            state.Dest = Destination::FontTable;
            return;
        }
        if (word == "colortbl") {
            state.Dest = Destination::ColorTable;
            FRed = FGreen = FBlue = -1;
            return;
        }
        if (IsSkippedDestination(word)) {
            state.Dest = Destination::Skipped;
            return;
        }
        if (state.Dest == Destination::FontTable) {
            if (word == "f") {
                CommitFont();
                FDefiningFont = parameter;
            }
            return;
        }
        if (state.Dest == Destination::ColorTable) {
            const int component = std::clamp(parameter, 0, 255);
            if (word == "red")
                FRed = component;
            else if (word == "green")
                FGreen = component;
            else if (word == "blue")
                FBlue = component;
            return;
        }
        FormatWord(state, word, hasParameter, parameter);
    }

    // A control word of the text: a special character or a change of the character format.
    void FormatWord(GroupState& state, std::string_view word, bool hasParameter, int parameter) {
        const bool on = !hasParameter || parameter != 0;
        if (word == "par" || word == "line" || word == "sect" || word == "row")
            EmitSymbol('\n');
        else if (word == "tab" || word == "cell")
            EmitSymbol('\t');
        else if (word == "emdash")
            EmitSymbol(0x2014);
        else if (word == "endash")
            EmitSymbol(0x2013);
        else if (word == "lquote")
            EmitSymbol(0x2018);
        else if (word == "rquote")
            EmitSymbol(0x2019);
        else if (word == "ldblquote")
            EmitSymbol(0x201C);
        else if (word == "rdblquote")
            EmitSymbol(0x201D);
        else if (word == "bullet")
            EmitSymbol(0x2022);
        else if (word == "plain") {
            const GroupState fresh;
            state.Bold = state.Italic = state.Underline = state.StrikeOut = false;
            state.Font = fresh.Font;
            state.Size = fresh.Size;
            state.ColorIndex = fresh.ColorIndex;
            state.Offset = fresh.Offset;
        } else if (word == "b")
            state.Bold = on;
        else if (word == "i")
            state.Italic = on;
        else if (word == "strike" || word == "striked")
            state.StrikeOut = on;
        else if (word == "ulnone")
            state.Underline = false;
        else if (word.starts_with("ul") && word != "ulc")
            state.Underline = on;
        else if (word == "f" && hasParameter)
            state.Font = parameter;
        else if (word == "fs")
            state.Size = std::clamp(hasParameter ? parameter : 24, 0, RtfMaxSizeHalfPoints);
        else if (word == "cf")
            state.ColorIndex = parameter;
        else if (word == "up")
            state.Offset = std::clamp(hasParameter ? parameter : 6, 0, RtfMaxOffsetHalfPoints);
        else if (word == "dn")
            state.Offset = -std::clamp(hasParameter ? parameter : 6, 0, RtfMaxOffsetHalfPoints);
        else if (word == "deff" && hasParameter)
            FDefaultFont = parameter;
    }

    // The fallback characters after \uN are passed over: raw bytes, escapes and control words
    // count one each.
    bool SkippedAsFallback() {
        if (FSkipChars == 0)
            return false;
        --FSkipChars;
        return true;
    }

    void AddAnsiByte(char byte) {
        if (SkippedAsFallback() || State().Dest == Destination::Skipped)
            return;
        FAnsiBytes += byte;
    }

    void EmitSymbol(char32_t character) {
        Flush();
        if (SkippedAsFallback())
            return;
        std::string text;
        AppendUtf8(text, character);
        EmitText(text);
    }

    void EmitUnicode(int parameter) {
        // The parameter is a signed 16-bit number; negative ones stand for units above 0x7FFF.
        const char32_t unit = parameter < 0 ? static_cast<char32_t>(parameter + 65536)
                                            : static_cast<char32_t>(parameter);
        FSkipChars = State().UnicodeSkip;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (FHighSurrogate != 0)
                EmitText(Utf32ToUtf8(std::u32string(1, ReplacementCharacter)));
            FHighSurrogate = unit;
            return;
        }
        std::string text;
        if (unit >= 0xDC00 && unit <= 0xDFFF && FHighSurrogate != 0) {
            AppendUtf8(text, 0x10000 + ((FHighSurrogate - 0xD800) << 10) + (unit - 0xDC00));
            FHighSurrogate = 0;
        } else {
            AppendUtf8(text, unit);
        }
        EmitText(text);
    }

    void Flush() {
        if (FAnsiBytes.empty())
            return;
        // Most text is ASCII, which needs no conversion.
        const bool ascii = std::all_of(FAnsiBytes.begin(), FAnsiBytes.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        const std::string text = ascii ? FAnsiBytes : AnsiToUtf8(FAnsiBytes);
        FAnsiBytes.clear();
        EmitText(text);
    }

    // UTF-8 text reaching the current destination.
    void EmitText(const std::string& text) {
        if (FHighSurrogate != 0) {
            FHighSurrogate = 0;
            EmitText(Utf32ToUtf8(std::u32string(1, ReplacementCharacter)));
        }
        switch (State().Dest) {
        case Destination::Text: {
            std::string shown;
            shown.reserve(text.size());
            // UTF-8 keeps every control character a byte of its own.
            for (char c : text)
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\n' || c == '\t')
                    shown += c;
            AppendRtfRun(FRuns, shown, Resolved(State()));
            break;
        }
        case Destination::FontTable:
            for (std::string_view rest = text; !rest.empty();) {
                char32_t c = 0;
                const size_t length = DecodeUtf8Character(rest, c);
                if (c == ';')
                    CommitFont();
                else if (c >= 0x20 && FFontName.size() + length <= MaxFontNameLength)
                    FFontName += rest.substr(0, length);
                rest.remove_prefix(length);
            }
            break;
        case Destination::ColorTable:
            for (char c : text)
                if (c == ';')
                    CommitColor();
            break;
        case Destination::Skipped:
            break;
        }
    }

    void CommitFont() {
        if (FDefiningFont >= 0)
            FFonts[FDefiningFont] = Trimmed(FFontName);
        FDefiningFont = -1;
        FFontName.clear();
    }

    void CommitColor() {
        if (FRed < 0 && FGreen < 0 && FBlue < 0)
            FColors.emplace_back(std::nullopt);
        else
            FColors.emplace_back(static_cast<uint32_t>(std::max(FRed, 0)) |
                                 static_cast<uint32_t>(std::max(FGreen, 0)) << 8 |
                                 static_cast<uint32_t>(std::max(FBlue, 0)) << 16);
        FRed = FGreen = FBlue = -1;
    }

    TRtfCharFormat Resolved(const GroupState& state) const {
        TRtfCharFormat format;
        format.Bold = state.Bold;
        format.Italic = state.Italic;
        format.Underline = state.Underline;
        format.StrikeOut = state.StrikeOut;
        const auto font = FFonts.find(state.Font >= 0 ? state.Font : FDefaultFont);
        if (font != FFonts.end())
            format.FontName = font->second;
        format.SizeHalfPoints = state.Size;
        if (state.ColorIndex >= 0 && static_cast<size_t>(state.ColorIndex) < FColors.size())
            format.Color = FColors[state.ColorIndex];
        format.OffsetHalfPoints = state.Offset;
        return format;
    }

    std::string_view FIn;
    size_t FPos = 0;
    bool FDone = false;
    // The state outside every group first, then one per open group.
    std::vector<GroupState> FStack;
    size_t FOverflow = 0;
    GroupState FBeforeOverflow;
    // Bytes of Windows-1252 text waiting to be converted together.
    std::string FAnsiBytes;
    int FSkipChars = 0;
    char32_t FHighSurrogate = 0;
    std::map<int, std::string> FFonts;
    int FDefaultFont = -1;
    int FDefiningFont = -1;
    std::string FFontName;
    std::vector<std::optional<uint32_t>> FColors;
    int FRed = -1;
    int FGreen = -1;
    int FBlue = -1;
    TRtfRuns FRuns;
};

TRtfRuns ReadPlainText(std::string_view bytes) {
    std::string text;
    const std::string utf8 = AnsiToUtf8(bytes);
    for (size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c == '\r') {
            text += '\n';
            if (i + 1 < utf8.size() && utf8[i + 1] == '\n')
                ++i;
        } else if (static_cast<unsigned char>(c) >= 0x20 || c == '\n' || c == '\t') {
            text += c;
        }
    }
    TRtfRuns runs;
    AppendRtfRun(runs, text, {});
    return runs;
}

} // namespace

TRtfRuns ReadRtf(std::string_view bytes) {
    if (!IsRtf(bytes))
        return ReadPlainText(bytes);
    return RtfReader(bytes).Read();
}
