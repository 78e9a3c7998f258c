#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Character formatting of a run of rich text. An unset value (empty font name, size 0, no
// colour) leaves the font of whoever shows the text in place.
struct TRtfCharFormat {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    std::string FontName;
    int SizeHalfPoints = 0;
    // 0x00BBGGRR, as the platform's colours.
    std::optional<uint32_t> Color;
    // Raised (positive) or lowered (negative) from the base line, in half points.
    int OffsetHalfPoints = 0;

    bool operator==(const TRtfCharFormat&) const = default;
};

// Text of one format: UTF-8, "\n" ends a paragraph, "\t" is a tab. No other control character.
struct TRtfRun {
    std::string Text;
    TRtfCharFormat Format;

    bool operator==(const TRtfRun&) const = default;
};

// A document as its runs, in order; no run is empty and no two neighbours share a format.
using TRtfRuns = std::vector<TRtfRun>;

// The largest size and offset the reader passes on; bigger values are cut to these.
inline constexpr int RtfMaxSizeHalfPoints = 3276;
inline constexpr int RtfMaxOffsetHalfPoints = 3276;

// Whether the bytes start as an RTF document does.
bool IsRtf(std::string_view bytes);

// Reads an RTF document: plain text, paragraphs, tabs, bold, italic, underline, strike-out, font
// size, colour and font from their tables, vertical offset, \'hh and \uN escapes and groups.
// Unknown control words are passed over and destinations the reader does not show (\*\...,
// pictures, style sheets, document information, ...) are skipped. Malformed input never fails:
// what is readable is read, a missing closing brace ends the document, text after the document's
// closing brace is ignored. Bytes that are not RTF at all are read as Windows-1252 plain text.
TRtfRuns ReadRtf(std::string_view bytes);

// Writes the runs as RTF that ReadRtf reads back to the same runs. The bytes are 7-bit: every
// character beyond ASCII is a \uN escape with '?' for readers without Unicode. Semicolons in font
// names are dropped (the font table ends names with them).
std::string WriteRtf(const TRtfRuns& runs);

// The runs' text joined.
std::string RtfPlainText(const TRtfRuns& runs);

// Adds text of a format at the end of the runs, keeping them as TRtfRuns promises: no empty run,
// neighbours of one format joined.
void AppendRtfRun(TRtfRuns& runs, std::string_view text, const TRtfCharFormat& format);
