// The grid's text utilities that run on cell text, pasted text and file contents. Input: a
// pattern, a line break, then the text.
#include "FuzzSupport.h"

#include "grid/foundation/ExUtil.h"
#include "platform/core/Exception.h"

namespace {

int Length(std::string_view text) {
    return static_cast<int>(text.size());
}

void Check_Positions(std::string_view pattern, std::string_view text) {
    int pos = -1;
    FUZZ_CHECK(FindPos(pattern, text, pos) == pos && pos >= 0 && pos <= Length(text));
    const int upper = UpperPos(pattern, text);
    FUZZ_CHECK(upper >= 0 && upper <= Length(text));
    if (!pattern.empty()) {
        const int at = CharPos(pattern[0], text);
        FUZZ_CHECK(at >= 0 && at <= Length(text));
        FUZZ_CHECK(at == 0 || text[at - 1] == pattern[0]);
        FUZZ_CHECK(CountChar(pattern[0], text) <= Length(text));
        int quote = -1;
        FUZZ_CHECK(FindClosingQuote(pattern[0], text, quote) == quote);
        FUZZ_CHECK(quote >= 0 && quote <= Length(text));
        FUZZ_CHECK(CountClosingQuotes(pattern[0], text) <= Length(text));
    }
    std::string source(text);
    std::string token;
    CutToken(source, pattern, token);
    FUZZ_CHECK(source.size() + token.size() <= text.size());
}

void Check_Line_Breaks(std::string_view text) {
    FUZZ_CHECK(UndoubleChar('"', DoubleQuotes(text)) == text);
    FUZZ_CHECK(CountLines(text, true) >= 0);
    const std::string encoded = EncodeLineBreaks(text);
    const bool plain =
        text.find_first_of(std::string_view("\t\b\x01", 3)) == std::string_view::npos;
    if (plain && text.find('\r') != std::string_view::npos &&
        text.find('\n') != std::string_view::npos)
        FUZZ_CHECK(DecodeLineBreaks(encoded, true) == text);
    (void)DecodeLineBreaks(text, false);
    (void)EscapeNewLines(text);
    (void)UnescapeNewLines(text);
    (void)CRToBreakTags(text);
    (void)VTToCRLF(QuoteMultiLineField(text));
    (void)TildeToLineBreaks(LineBreaksToTilde(text));
    FUZZ_CHECK(CRLFToLF(text).size() <= text.size());
    FUZZ_CHECK(RemoveCR(text).find('\r') == std::string::npos);
    FUZZ_CHECK(CRToLF(text).size() == text.size());
    std::string source(text);
    std::string line;
    ExtractFirstLine(source, true, line);
    FUZZ_CHECK(line.size() + source.size() <= text.size());
}

void Check_Characters(std::string_view text) {
    if (IsValidUtf8(text))
        FUZZ_CHECK(CodePointsToUtf8(Utf8ToCodePoints(text)) == text);
    FUZZ_CHECK(IsValidUtf8(CodePointsToUtf8(Utf8ToCodePoints(text))));
    FUZZ_CHECK(IsValidUtf8(UpperCaseFull(text)) || !IsValidUtf8(text));
    std::u16string wide;
    for (size_t i = 0; i + 1 < text.size(); i += 2)
        wide.push_back(static_cast<char16_t>(static_cast<unsigned char>(text[i]) |
                                             static_cast<unsigned char>(text[i + 1]) << 8));
    FUZZ_CHECK(UnpackWideText(PackWideText(wide)) == wide);
    (void)UnpackWideText(text);
    (void)SeparatorChar(text);
    (void)WideTextPos(wide.substr(0, wide.size() / 3), wide);
    std::string oem(text);
    TextToOEM(oem);
    OEMToText(oem);
}

void Check_Classification(std::string_view text) {
    const int kind = GetTextKind(text, true);
    FUZZ_CHECK(kind >= tkPlain && kind <= tkPackedWide);
    const int number = GetNumberKind(text);
    FUZZ_CHECK(number == nkInteger || number == nkFloat || number == nkNone ||
               number == nkExponent);
    (void)NormalizeNumber(text);
    (void)NameCase(text);
    std::string url(text);
    if (IsURL(url))
        StripURLScheme(url);
    std::string linked;
    (void)LinkifyURL(text, "HTTP://", linked);
    TPoint cell{};
    (void)ParseRCRef(text, cell);
}

void Check_Dates(std::string_view text) {
    (void)HasTwoDateSeparators(text);
    for (auto parse : {ParseDateMDY, ParseDateDMY}) {
        try {
            (void)parse(text);
        } catch (const EConvertError&) {
            // A number that forms no date.
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input = FuzzText(data, size);
    const size_t split = std::min(input.find('\n'), input.size());
    const std::string_view pattern = input.substr(0, split);
    const std::string_view text = input.substr(std::min(split + 1, input.size()));

    Check_Positions(pattern, text);
    Check_Line_Breaks(input);
    Check_Characters(input);
    Check_Classification(text);
    Check_Dates(text);
    return 0;
}
