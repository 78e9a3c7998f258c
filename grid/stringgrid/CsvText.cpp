#include "grid/stringgrid/CsvText.h"

#include "platform/core/Exception.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

namespace {

using CsvDetail::Quote;
using CsvDetail::VerticalTab;

// Eight bytes that hold every byte of a short text (some twice): enough to ask whether any of
// them is a given byte. Overlapping loads instead of a loop whose length changes from cell to
// cell, which would mispredict its end once per cell.
std::uint64_t ShortTextWord(const char* text, std::size_t size) {
    if (size >= 4) {
        std::uint32_t head, tail;
        std::memcpy(&head, text, 4);
        std::memcpy(&tail, text + size - 4, 4);
        return head | std::uint64_t(tail) << 32;
    }
    const auto byte = [text](std::size_t i) {
        return std::uint64_t(static_cast<unsigned char>(text[i]));
    };
    // The first byte fills the bytes the others leave.
    const std::uint64_t fill = byte(0) * CsvDetail::EveryByte & ~std::uint64_t(0xFFFF00);
    return fill | byte(size / 2) << 8 | byte(size - 1) << 16;
}

// Whether any of the bytes of a word is one that only a quoted field can hold.
bool HoldsQuotedBytes(std::uint64_t word, unsigned char delimiter, unsigned char javaMark) {
    using CsvDetail::BytesEqual;
    return (BytesEqual(word, Quote) | BytesEqual(word, '\r') | BytesEqual(word, '\n') |
            BytesEqual(word, VerticalTab) | BytesEqual(word, javaMark) |
            BytesEqual(word, delimiter)) != 0;
}

// A text is enclosed in quotes when it holds the delimiter, a quote, any line break (the
// vertical tab of older files too) or starts with a blank; in Java mode also when it would read
// as a mark ("^" an empty cell, "~" a line break). Eight bytes at a time: cells are short and a
// save writes millions of them.
bool NeedsQuotes(std::string_view text, const TCsvOptions& options) {
    if (options.AlwaysQuotes || text.front() == ' ' || (options.JavaCSV && text == "^"))
        return true;
    // Without a delimiter the quote stands in for it, as for the Java mark outside Java mode.
    const auto delimiter =
        static_cast<unsigned char>(options.Delimiter == '\0' ? Quote : options.Delimiter);
    const auto javaMark = static_cast<unsigned char>(options.JavaCSV ? '~' : Quote);
    const char* const data = text.data();
    const std::size_t size = text.size();
    if (size < 8)
        return HoldsQuotedBytes(ShortTextWord(data, size), delimiter, javaMark);
    for (std::size_t i = 0; i + 8 <= size; i += 8)
        if (HoldsQuotedBytes(CsvDetail::LoadWord(data + i), delimiter, javaMark))
            return true;
    return HoldsQuotedBytes(CsvDetail::LoadWord(data + size - 8), delimiter, javaMark);
}

// Unpaired occurrences: the end of each run of odd length, so the doubled delimiters around
// empty fields do not outweigh a delimiter that separates every field.
int UnpairedCount(char c, std::string_view line) {
    int count = 0;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] != c) {
            ++i;
            continue;
        }
        std::size_t run = 0;
        while (i < line.size() && line[i] == c) {
            ++run;
            ++i;
        }
        if (run % 2 == 1 || i == line.size())
            ++count;
    }
    return count;
}

int PlainCount(char c, std::string_view line) {
    int count = 0;
    for (char x : line)
        count += x == c ? 1 : 0;
    return count;
}

// The shape of a text without quotes. The last field of a line counts unless it is empty; CR LF is
// one line break, a bare CR or LF one each. Lines are found and their delimiters counted a word at
// a time.
TCsvShape MeasureUnquotedCsv(std::string_view text, char delimiter) {
    using namespace CsvDetail;
    const char* const data = text.data();
    const std::size_t n = text.size();
    const auto isDelimiter = [delimiter](char c) { return delimiter != '\0' && c == delimiter; };
    const auto isLineBreak = [](char c) { return c == '\r' || c == '\n'; };
    TCsvShape shape;
    for (std::size_t start = 0; start < n;) {
        std::size_t delimiters = 0;
        std::size_t end = start;
        for (; end + 8 <= n; end += 8) {
            const std::uint64_t word = LoadWord(data + end);
            const std::uint64_t delimiterBytes =
                delimiter == '\0' ? 0 : BytesEqual(word, static_cast<unsigned char>(delimiter));
            if (const std::uint64_t breaks = LineBreaks(word)) {
                const std::uint64_t beforeBreak = (breaks & (~breaks + 1)) - 1;
                delimiters += CountMarked(delimiterBytes & beforeBreak);
                end += FirstMarked(breaks);
                break;
            }
            delimiters += CountMarked(delimiterBytes);
        }
        if (end + 8 > n) {
            for (; end < n && !isLineBreak(data[end]); ++end)
                delimiters += isDelimiter(data[end]);
        }
        // The last field: the bytes after the line's last delimiter.
        const bool lastFieldHasText = end > start && !isDelimiter(data[end - 1]);
        shape.WidestRecord = std::max(shape.WidestRecord, delimiters + lastFieldHasText);
        ++shape.Records;
        start = end;
        if (start < n && data[start] == '\r')
            ++start;
        if (start < n && data[start] == '\n')
            ++start;
    }
    return shape;
}

} // namespace

std::string_view CsvDetail::ReplaceLineBreakMarks(std::string_view field, char mark,
                                                  std::string& buffer) {
    if (std::memchr(field.data(), mark, field.size()) == nullptr)
        return field;
    buffer.clear();
    buffer.reserve(field.size() + 8);
    for (char c : field) {
        if (c == mark)
            buffer += "\r\n";
        else
            buffer += c;
    }
    return buffer;
}

std::string CsvField(std::string_view text, const TCsvOptions& options) {
    std::string out;
    AppendCsvField(out, text, options);
    return out;
}

void AppendCsvField(std::string& out, std::string_view text, const TCsvOptions& options) {
    if (text.empty()) {
        if (options.JavaCSV && !options.AlwaysQuotes)
            out += '^';
        else if (options.AlwaysQuotes || options.QuoteEmptyCells)
            out += "\"\"";
        return;
    }
    if (!NeedsQuotes(text, options)) {
        out += text;
        return;
    }
    out += Quote;
    for (char c : text) {
        if (c == Quote)
            out += Quote;
        out += c;
    }
    out += Quote;
}

char DetectCsvDelimiter(std::string_view firstLine, std::string_view secondLine) {
    static constexpr std::array<char, 10> candidates = {',', ';', '#', '\t', '|',
                                                        '@', '*', '-', '+',  '&'};
    for (auto count : {UnpairedCount, PlainCount}) {
        char found = '\0';
        int best = 0;
        for (char c : candidates) {
            const int first = count(c, firstLine);
            if (first == count(c, secondLine) && first > best) {
                best = first;
                found = c;
            }
        }
        if (found != '\0')
            return found;
    }
    char found = '\0';
    int best = 0;
    for (char c : candidates) {
        const int first = PlainCount(c, firstLine);
        const int second = PlainCount(c, secondLine);
        if (first > best || second > best) {
            best = std::max(first, second);
            found = c;
        }
    }
    return found;
}

void FirstTwoLines(std::string_view text, std::string_view& first, std::string_view& second) {
    auto cut = [](std::string_view& rest) {
        const std::size_t end = rest.find_first_of("\r\n");
        std::string_view line = rest.substr(0, end);
        if (end == std::string_view::npos) {
            rest = {};
        } else {
            std::size_t next = end + 1;
            if (rest[end] == '\r' && next < rest.size() && rest[next] == '\n')
                ++next;
            rest.remove_prefix(next);
        }
        return line;
    };
    std::string_view rest = text;
    first = cut(rest);
    second = cut(rest);
}

std::vector<TCsvRecord> ParseCsv(std::string_view text, const TCsvOptions& options) {
    std::vector<TCsvRecord> records;
    TCsvRecord record;
    SplitCsv(
        text, options, [&record](size_t, std::string_view field) { record.emplace_back(field); },
        [&] {
            records.push_back(std::move(record));
            record.clear();
            return true;
        });
    return records;
}

TCsvShape MeasureCsv(std::string_view text, const TCsvOptions& options) {
    // Without quotes a record is one line and its fields lie between delimiters: counting
    // them in one pass over the bytes is much faster than splitting.
    if (text.find(CsvDetail::Quote) == std::string_view::npos)
        return MeasureUnquotedCsv(text, options.Delimiter);
    TCsvShape shape;
    SplitCsv(
        text, options,
        [&shape](size_t index, std::string_view) {
            shape.WidestRecord = std::max(shape.WidestRecord, index + 1);
        },
        [&shape] {
            ++shape.Records;
            return true;
        });
    return shape;
}
