#pragma once

#include <string>
#include <string_view>
#include <vector>

// How cell texts are put into CSV fields and read back from them.
struct TCsvOptions {
    char Delimiter = ',';
    bool AlwaysQuotes = false;
    bool QuoteEmptyCells = true;
    // Empty fields as "^", as Java tools write them. Line breaks are quoted as in any CSV;
    // "~" outside quotes, how older files held them, still reads as a line break.
    bool JavaCSV = false;
};

// One CSV record: its fields in order. A record that ends in the delimiter has no trailing
// empty field, so it never widens a grid for it.
using TCsvRecord = std::vector<std::string>;

// The field for one cell text: quotes doubled, and enclosed in quotes when it holds the
// delimiter, a quote or any line break, so every text reads back as it was written.
std::string CsvField(std::string_view text, const TCsvOptions& options);
// The same field appended to out, for writers of many fields.
void AppendCsvField(std::string& out, std::string_view text, const TCsvOptions& options);

// The delimiter the first two lines agree on, tried among , ; # TAB | @ * - + &; '\0' when
// none occurs (every line is then one field).
char DetectCsvDelimiter(std::string_view firstLine, std::string_view secondLine);

// The first two physical lines of a text, for the delimiter detection.
void FirstTwoLines(std::string_view text, std::string_view& first, std::string_view& second);

// Splits a whole CSV text into records. Quoted fields may span lines; records end at CR LF, LF
// or a bare CR. Throws Exception when a quoted field is never closed, so a damaged file is
// refused before anything is stored.
std::vector<TCsvRecord> ParseCsv(std::string_view text, const TCsvOptions& options);

// The size of what ParseCsv would read, found without storing a field; throws as ParseCsv does.
struct TCsvShape {
    size_t Records = 0;
    size_t WidestRecord = 0;
};
TCsvShape MeasureCsv(std::string_view text, const TCsvOptions& options);

// The one CSV splitter: calls onField(fieldIndex, text) for every field of a record and
// onRecordEnd() after each record, which returns false to stop there. The field text is valid
// during the call only.
template <typename OnField, typename OnRecordEnd>
void SplitCsv(std::string_view text, const TCsvOptions& options, OnField&& onField,
              OnRecordEnd&& onRecordEnd);

#include "grid/stringgrid/CsvSplit.h"
