#pragma once

#include "grid/foundation/GridDate.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Types.h"

#include <cstdint>
#include <string>
#include <string_view>

class TStringList;

// Free functions on cell text shared by the grids and editors. Text is UTF-8; positions are
// 1-based byte positions, 0 meaning not found. Locale settings are read at every call.

// What a cell text holds (GetTextKind).
constexpr int tkPlain = 0;
constexpr int tkHTML = 1;
constexpr int tkRTF = 2;
constexpr int tkFormula = 3;
constexpr int tkPackedWide = 5;

// What number a text is (GetNumberKind).
constexpr int nkInteger = 0;
constexpr int nkFloat = 1;
constexpr int nkNone = 2;
constexpr int nkExponent = 5;

// Positions, counts and small helpers.
int IntMax(int a, int b);
int IntMin(int a, int b);
// Unchanged when Min equals Max; a positive Min or Max replaces a value beyond it.
int ClampToLimits(int Value, int Min, int Max);
// Left <= ACol <= Right and Top <= ARow <= Bottom.
bool InGridRect(const TRect& GridRect, int ACol, int ARow);
int CharPos(char Ch, std::string_view Text);
// Stores the position in Pos only when found.
int FindCharPos(char Ch, std::string_view Text, int& Pos);
// Always stores the position in Pos.
int FindPos(std::string_view Pattern, std::string_view Text, int& Pos);
// Searches the ASCII upper-cased text; the pattern is taken as given.
int UpperPos(std::string_view Pattern, std::string_view Text);
int WideTextPos(std::u16string_view Pattern, std::u16string_view Text);
// With the delimiter present: Token is the text before it and Source loses everything through
// it. Otherwise Token is empty and Source stays.
void CutToken(std::string& Source, std::string_view Delimiter, std::string& Token);
std::string ConcatLines(const TStringList& Lines);
void FillText(std::string& Text, char Ch);
int CountChar(char Ch, std::string_view Text);
int CountLines(std::string_view Text, bool MultiLine);
// Takes the text before the first CR (and the LF behind it) as Line; Source keeps the rest only
// when KeepRest. Without a CR the whole source is the line.
void ExtractFirstLine(std::string& Source, bool KeepRest, std::string& Line);
// "RRGGBB", upper-case, of the colour resolved to RGB (system colours included).
std::string ColorToHex(TColor Color);
// For writers that store text in the 8-bit code page: TextToOEM turns the text into the
// console's OEM code page and reads those bytes back as 8-bit code page characters, so the
// writer stores OEM bytes; OEMToText reverses it. Characters the OEM page lacks become '?'.
void TextToOEM(std::string& Text);
void OEMToText(std::string& Text);

// Classification and conversion.
int GetTextKind(std::string_view Text, bool AllowHTML);
// A character of a Unicode number category (decimal digits of any script, letter and other
// numbers).
bool IsDigitChar(char32_t Ch);
int GetNumberKind(std::string_view Text);
// Locale number text to the plain form of the float conversion: "1.234,5" with "." thousands and
// "," decimals gives "1234.5"; brackets or a leading minus make it negative.
std::string NormalizeNumber(std::string_view Text);
// "|\" and, per UTF-16 unit, its high and its low byte as characters U+0000..U+00FF.
std::string PackWideText(std::u16string_view Wide);
// Other texts come back unchanged.
std::u16string UnpackWideText(std::string_view Text);
// Capitals after blanks, commas, dots, hyphens and apostrophes, "Mc" and Roman "II"/"III" endings.
std::string NameCase(std::string_view Text);
bool IsURL(std::string_view Text);
void StripURLScheme(std::string& Text);
// Escapes '<' and '>' and wraps the first URL of the upper-case Scheme in an anchor.
bool LinkifyURL(std::string_view Text, std::string_view Scheme, std::string& Result);
// "R<row>C<column>" in any case; Cell.X is the column, Cell.Y the row.
bool ParseRCRef(std::string_view Text, TPoint& Cell);

// Line-break conventions. CR is character 13, LF character 10.
std::string EscapeNewLines(std::string_view Text);
std::string UnescapeNewLines(std::string_view Text);
std::string CRToBreakTags(std::string_view Text);
std::string QuoteMultiLineField(std::string_view Text);
std::string VTToCRLF(std::string_view Text);
std::string LineBreaksToTilde(std::string_view Text);
std::string TildeToLineBreaks(std::string_view Text);
std::string EncodeLineBreaks(std::string_view Text);
std::string DecodeLineBreaks(std::string_view Text, bool MultiLine);
std::string CRLFToLF(std::string_view Text);
std::string RemoveCR(std::string_view Text);
std::string CRToLF(std::string_view Text);

// CSV quoting.
std::string DoubleQuotes(std::string_view Text);
std::string UndoubleChar(char Ch, std::string_view Text);
// Position of the quote that closes a quoted text; escaped (doubled) quotes are skipped.
int FindClosingQuote(char Quote, std::string_view Text, int& Pos);
int CountClosingQuotes(char Quote, std::string_view Text);

// Dates. Two-digit years (at most two digits written) fall in 1926..2025; longer years are taken
// as written. 0 when a field is no number; a number that forms no date throws EConvertError.
TDateTime ParseDateMDY(std::string_view Text);
TDateTime ParseDateDMY(std::string_view Text);
// The year of a date field: written with one or two digits it lies in 1926..2025.
int WindowedYear(std::string_view Written, int Year);
bool HasTwoDateSeparators(std::string_view Text);
// Steps the date by the parts that are set (16-bit values, 65535 being one step back); a days
// value is a signed step. Other combinations add DefaultStep. An invalid date throws
// EConvertError.
TDateTime IncDateParts(uint16_t Years, uint16_t Months, uint16_t Days, double DefaultStep,
                       TDateTime Date);

// The walkers over characters use the platform's UTF-8 codec (platform/core/Utf8.h): each
// ill-formed part decodes as U+FFFD; surrogates and values above U+10FFFF encode as U+FFFD.
std::u32string Utf8ToCodePoints(std::string_view Text);
std::string CodePointsToUtf8(std::u32string_view Text);
// The first character of a locale separator (separators may be multi-byte).
char32_t SeparatorChar(std::string_view Separator);
// Full case mapping for the scripts the grid shows (Latin, Greek, Cyrillic).
char32_t UpperChar(char32_t Ch);
char32_t LowerChar(char32_t Ch);
std::string UpperCaseFull(std::string_view Text);
