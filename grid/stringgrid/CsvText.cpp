#include "grid/stringgrid/CsvText.h"

#include "platform/core/Exception.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

using CsvDetail::Quote;
using CsvDetail::VerticalTab;

// A text is enclosed in quotes when it holds the delimiter, a quote, any line break (the
// vertical tab of older files too) or starts with a blank; in Java mode also when it would read
// as a mark ("^" an empty cell, "~" a line break). One pass without a library call: cells are
// short and a save writes millions of them.
bool NeedsQuotes(std::string_view text, const TCsvOptions& options) {
    if (options.AlwaysQuotes || text.front() == ' ' || (options.JavaCSV && text == "^"))
        return true;
    const char delimiter = options.Delimiter;
    const char javaMark = options.JavaCSV ? '~' : Quote;
    for (const char c : text)
        if (c == Quote || c == '\r' || c == '\n' || c == VerticalTab || c == javaMark ||
            (c == delimiter && delimiter != '\0'))
            return true;
    return false;
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

} // namespace

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
    TCsvShape shape;
    // Without quotes a record is one line and its fields lie between delimiters: counting
    // them is much faster than splitting.
    if (text.find(CsvDetail::Quote) == std::string_view::npos) {
        while (!text.empty()) {
            const size_t end = std::min(text.find_first_of("\r\n"), text.size());
            std::string_view line = text.substr(0, end);
            size_t fields = 0;
            if (options.Delimiter != '\0') {
                fields =
                    static_cast<size_t>(std::count(line.begin(), line.end(), options.Delimiter));
                // npos + 1 is 0: a line without a delimiter is all last field.
                line.remove_prefix(line.rfind(options.Delimiter) + 1);
            }
            // The last field counts unless it is empty once its leading blanks are gone.
            if (line.find_first_not_of(' ') != std::string_view::npos)
                ++fields;
            shape.WidestRecord = std::max(shape.WidestRecord, fields);
            ++shape.Records;
            size_t next = end;
            if (next < text.size() && text[next] == '\r')
                ++next;
            if (next < text.size() && text[next] == '\n')
                ++next;
            text.remove_prefix(next);
        }
        return shape;
    }
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
