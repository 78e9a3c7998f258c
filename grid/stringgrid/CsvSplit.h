#pragma once
// The CSV splitter's body, included by CsvText.h: a template, so that storing a field costs no
// call through a function object on the loading path.

#include "platform/core/Exception.h"

#include <array>
#include <cstring>
#include <string>

namespace CsvDetail {

constexpr char Quote = '"';
// A line break inside a field written by older versions of the grid.
constexpr char VerticalTab = '\x0b';

// Which bytes end an unquoted field: the delimiter and the line breaks.
struct TStopTable {
    explicit TStopTable(char delimiter) {
        Stops.fill(false);
        Stops[static_cast<unsigned char>('\r')] = true;
        Stops[static_cast<unsigned char>('\n')] = true;
        if (delimiter != '\0')
            Stops[static_cast<unsigned char>(delimiter)] = true;
    }
    bool operator()(char c) const { return Stops[static_cast<unsigned char>(c)]; }
    std::array<bool, 256> Stops;
};

// The field as stored. A quoted field is taken as it is; outside quotes Java's "^" is an empty
// cell and "~" a line break, and in plain mode a vertical tab is an older line break (files
// written before line breaks were quoted).
inline std::string_view FinishField(std::string_view field, bool quoted, bool java,
                                    std::string& buffer) {
    const char mark = java ? '~' : VerticalTab;
    if (java && !quoted && field == "^")
        return {};
    if (quoted || std::memchr(field.data(), mark, field.size()) == nullptr)
        return field;
    std::string out;
    out.reserve(field.size() + 8);
    for (char c : field) {
        if (c == mark)
            out += "\r\n";
        else
            out += c;
    }
    buffer = std::move(out);
    return buffer;
}

} // namespace CsvDetail

template <typename OnField, typename OnRecordEnd>
void SplitCsv(std::string_view text, const TCsvOptions& options, OnField&& onField,
              OnRecordEnd&& onRecordEnd) {
    using namespace CsvDetail;
    const char delimiter = options.Delimiter;
    const TStopTable isStop(delimiter);
    const char* const data = text.data();
    const size_t n = text.size();
    std::string quoted;
    std::string marks;
    size_t i = 0;
    while (i < n) {
        // One record: fields until a line break outside quotes.
        size_t fieldIndex = 0;
        for (;;) {
            size_t start = i;
            while (start < n && data[start] == ' ')
                ++start;
            std::string_view field;
            bool isQuoted = false;
            if (start < n && data[start] == Quote) {
                isQuoted = true;
                quoted.clear();
                i = start + 1;
                for (;;) {
                    const void* found = i < n ? std::memchr(data + i, Quote, n - i) : nullptr;
                    if (!found)
                        throw Exception("The CSV file is damaged: a quoted field is not closed");
                    const size_t q = static_cast<size_t>(static_cast<const char*>(found) - data);
                    quoted.append(data + i, q - i);
                    if (q + 1 < n && data[q + 1] == Quote) {
                        quoted += Quote;
                        i = q + 2;
                        continue;
                    }
                    i = q + 1;
                    break;
                }
                // Text after the closing quote never joins the quoted field.
                while (i < n && !isStop(data[i]))
                    ++i;
                field = quoted;
            } else {
                // Leading blanks are layout, not text; the writer quotes a text that starts
                // with one.
                i = start;
                while (i < n && !isStop(data[i]))
                    ++i;
                field = std::string_view(data + start, i - start);
            }
            const bool atDelimiter = i < n && delimiter != '\0' && data[i] == delimiter;
            if (atDelimiter) {
                onField(fieldIndex++, FinishField(field, isQuoted, options.JavaCSV, marks));
                ++i;
                continue;
            }
            // Last field of the record: an empty unquoted one after a delimiter stores nothing.
            if (isQuoted || !field.empty())
                onField(fieldIndex++, FinishField(field, isQuoted, options.JavaCSV, marks));
            if (i < n && data[i] == '\r')
                ++i;
            if (i < n && data[i] == '\n')
                ++i;
            break;
        }
        if (!onRecordEnd())
            return;
    }
}
