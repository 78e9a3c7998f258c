#include "platform/core/RtfText.h"

#include "platform/core/Utf8.h"

#include <algorithm>
#include <string>

namespace {

// The font table ends each name with a semicolon, so a name cannot hold one; nor does it hold
// control characters.
std::string TableFontName(const std::string& name) {
    std::string kept;
    std::copy_if(name.begin(), name.end(), std::back_inserter(kept),
                 [](char c) { return c != ';' && static_cast<unsigned char>(c) >= 0x20; });
    return kept;
}

class RtfWriter {
public:
    explicit RtfWriter(const TRtfRuns& runs) : FRuns(runs) {
        for (const TRtfRun& run : FRuns) {
            const std::string font = TableFontName(run.Format.FontName);
            if (!font.empty() && std::find(FFonts.begin(), FFonts.end(), font) == FFonts.end())
                FFonts.push_back(font);
            if (run.Format.Color &&
                std::find(FColors.begin(), FColors.end(), *run.Format.Color) == FColors.end())
                FColors.push_back(*run.Format.Color);
        }
    }

    std::string Write() {
        FOut = "{\\rtf1\\ansi\\ansicpg1252";
        WriteTables();
        FOut += "\r\n";
        Word("viewkind4");
        Word("uc1");
        Word("pard");
        for (const TRtfRun& run : FRuns) {
            TRtfCharFormat format = run.Format;
            format.FontName = TableFontName(format.FontName);
            ChangeFormat(format);
            WriteText(run.Text);
        }
        FOut += "}\r\n";
        return std::move(FOut);
    }

private:
    void WriteTables() {
        if (!FFonts.empty()) {
            FOut += "{\\fonttbl";
            for (size_t i = 0; i < FFonts.size(); ++i) {
                FOut += "{";
                Word("f", static_cast<int>(i));
                Word("fnil");
                WriteText(FFonts[i]);
                FOut += ";}";
                FAfterWord = false;
            }
            FOut += "}";
        }
        if (!FColors.empty()) {
            FOut += "{\\colortbl ;";
            for (uint32_t color : FColors) {
                Word("red", static_cast<int>(color & 0xFF));
                Word("green", static_cast<int>((color >> 8) & 0xFF));
                Word("blue", static_cast<int>((color >> 16) & 0xFF));
                FOut += ";";
                FAfterWord = false;
            }
            FOut += "}";
        }
    }

    // Control words that take the reader from the format written last to this one.
    void ChangeFormat(const TRtfCharFormat& format) {
        // Only \plain takes a font, a size or a colour back to unset.
        if ((FCurrent.FontName != format.FontName && format.FontName.empty()) ||
            (FCurrent.SizeHalfPoints != format.SizeHalfPoints && format.SizeHalfPoints == 0) ||
            (FCurrent.Color != format.Color && !format.Color)) {
            Word("plain");
            FCurrent = {};
        }
        Switch("b", FCurrent.Bold, format.Bold);
        Switch("i", FCurrent.Italic, format.Italic);
        if (FCurrent.Underline != format.Underline)
            Word(format.Underline ? "ul" : "ulnone");
        Switch("strike", FCurrent.StrikeOut, format.StrikeOut);
        if (FCurrent.FontName != format.FontName)
            Word("f", static_cast<int>(std::find(FFonts.begin(), FFonts.end(), format.FontName) -
                                       FFonts.begin()));
        if (FCurrent.SizeHalfPoints != format.SizeHalfPoints)
            Word("fs", format.SizeHalfPoints);
        if (FCurrent.Color != format.Color)
            Word("cf", static_cast<int>(std::find(FColors.begin(), FColors.end(), *format.Color) -
                                        FColors.begin()) +
                           1);
        if (FCurrent.OffsetHalfPoints != format.OffsetHalfPoints) {
            if (format.OffsetHalfPoints < 0)
                Word("dn", -format.OffsetHalfPoints);
            else
                Word("up", format.OffsetHalfPoints);
        }
        FCurrent = format;
    }

    void Switch(const char* word, bool was, bool now) {
        if (was == now)
            return;
        if (now)
            Word(word);
        else
            Word(word, 0);
    }

    void Word(const char* word) {
        FOut += '\\';
        FOut += word;
        FAfterWord = true;
    }

    void Word(const char* word, int parameter) {
        Word(word);
        FOut += std::to_string(parameter);
    }

    void Literal(char c) {
        // A control word ends at the first character that cannot continue it; a space is taken
        // as that end and dropped, so it keeps the next character what it is.
        if (FAfterWord)
            FOut += ' ';
        FAfterWord = false;
        FOut += c;
    }

    void UnicodeEscape(char32_t unit) {
        Word("u", unit > 0x7FFF ? static_cast<int>(unit) - 65536 : static_cast<int>(unit));
        FOut += '?';
        FAfterWord = false;
    }

    void WriteText(std::string_view text) {
        while (!text.empty()) {
            char32_t c = 0;
            text.remove_prefix(DecodeUtf8Character(text, c));
            if (c == '\n') {
                Word("par");
                FOut += "\r\n";
                FAfterWord = false;
            } else if (c == '\t') {
                Word("tab");
            } else if (c == '\\' || c == '{' || c == '}') {
                Literal('\\');
                FOut += static_cast<char>(c);
            } else if (c >= 0x20 && c < 0x7F) {
                Literal(static_cast<char>(c));
            } else if (c >= 0x10000) {
                UnicodeEscape(0xD800 + ((c - 0x10000) >> 10));
                UnicodeEscape(0xDC00 + ((c - 0x10000) & 0x3FF));
            } else if (c >= 0x7F) {
                UnicodeEscape(c);
            }
            // Other control characters have no place in the text.
        }
    }

    const TRtfRuns& FRuns;
    std::vector<std::string> FFonts;
    std::vector<uint32_t> FColors;
    std::string FOut;
    TRtfCharFormat FCurrent;
    bool FAfterWord = false;
};

} // namespace

std::string WriteRtf(const TRtfRuns& runs) {
    return RtfWriter(runs).Write();
}
