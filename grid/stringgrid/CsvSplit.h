#pragma once
// The CSV splitter's body, included by CsvText.h: a template, so that storing a field costs no
// call through a function object on the loading path.

#include "platform/core/Exception.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

namespace CsvDetail {

constexpr char Quote = '"';
// A line break inside a field written by older versions of the grid.
constexpr char VerticalTab = '\x0b';

// Eight bytes at a time: the masks below have the high bit of every byte that matches.
static_assert(std::endian::native == std::endian::little, "the first byte of a word is its lowest");
constexpr std::uint64_t EveryByte = 0x0101010101010101u;

inline std::uint64_t LoadWord(const char* bytes) {
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// Exact: no borrow runs from one byte into the next.
inline std::uint64_t ZeroBytes(std::uint64_t word) {
    constexpr std::uint64_t low7 = 0x7F * EveryByte;
    return ~(((word & low7) + low7) | word | low7);
}

inline std::uint64_t BytesEqual(std::uint64_t word, unsigned char byte) {
    return ZeroBytes(word ^ (byte * EveryByte));
}

// The index in its word of the first byte a mask marks (the mask is not 0).
inline std::size_t FirstMarked(std::uint64_t mask) {
    return static_cast<std::size_t>(std::countr_zero(mask)) / 8;
}

// How many bytes a mask marks; a multiply adds the eight flags (without a library call where
// the processor may lack a population count).
inline std::size_t CountMarked(std::uint64_t mask) {
    return static_cast<std::size_t>(((mask >> 7) * EveryByte) >> 56);
}

inline std::uint64_t LineBreaks(std::uint64_t word) {
    return BytesEqual(word, '\r') | BytesEqual(word, '\n');
}

// Finds the byte that ends an unquoted field: the delimiter or a line break. Fields are a few
// bytes long, and a byte loop would mispredict its exit once per field; a word at a time finds
// the end of a short field without a jump.
class TStopFinder {
public:
    explicit TStopFinder(char delimiter)
        // Without a delimiter the line break stands in, so a NUL byte stays text.
        : FDelimiter(static_cast<unsigned char>(delimiter == '\0' ? '\r' : delimiter)) {}

    // The first stop in [i, n), or n.
    std::size_t Next(const char* data, std::size_t i, std::size_t n) const {
        for (; i + 8 <= n; i += 8) {
            const std::uint64_t word = LoadWord(data + i);
            if (const std::uint64_t stops = LineBreaks(word) | BytesEqual(word, FDelimiter))
                return i + FirstMarked(stops);
        }
        while (i < n && !IsStop(static_cast<unsigned char>(data[i])))
            ++i;
        return i;
    }

private:
    bool IsStop(unsigned char c) const { return c == FDelimiter || c == '\r' || c == '\n'; }

    unsigned char FDelimiter;
};

// An unquoted field with its older line-break marks (Java's "~", or a vertical tab) made
// CR LF, in `buffer`; kept apart so that the common case below stays inline.
std::string_view ReplaceLineBreakMarks(std::string_view field, char mark, std::string& buffer);

// The field as stored. A quoted field is taken as it is; outside quotes Java's "^" is an empty
// cell and "~" a line break, and in plain mode a vertical tab is an older line break (files
// written before line breaks were quoted). `marksInText` says whether the mark occurs anywhere
// in the text: most texts hold none, and their fields are then taken without a look.
inline std::string_view FinishField(std::string_view field, bool quoted, bool java,
                                    bool marksInText, std::string& buffer) {
    if (java && !quoted && field.size() == 1 && field[0] == '^')
        return {};
    if (quoted || !marksInText)
        return field;
    return ReplaceLineBreakMarks(field, java ? '~' : VerticalTab, buffer);
}

} // namespace CsvDetail

template <typename OnField, typename OnRecordEnd>
void SplitCsv(std::string_view text, const TCsvOptions& options, OnField&& onField,
              OnRecordEnd&& onRecordEnd) {
    using namespace CsvDetail;
    const char delimiter = options.Delimiter;
    const TStopFinder stops(delimiter);
    const bool marksInText = text.find(options.JavaCSV ? '~' : VerticalTab) != text.npos;
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
                i = stops.Next(data, i, n);
                field = quoted;
            } else {
                // Blanks before a quote are layout; an unquoted field keeps its blanks.
                start = i;
                i = stops.Next(data, start, n);
                field = std::string_view(data + start, i - start);
            }
            const bool atDelimiter = i < n && delimiter != '\0' && data[i] == delimiter;
            if (atDelimiter) {
                onField(fieldIndex++,
                        FinishField(field, isQuoted, options.JavaCSV, marksInText, marks));
                ++i;
                continue;
            }
            // Last field of the record: an empty unquoted one after a delimiter stores nothing.
            if (isQuoted || !field.empty())
                onField(fieldIndex++,
                        FinishField(field, isQuoted, options.JavaCSV, marksInText, marks));
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
