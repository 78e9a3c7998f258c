#include "grid/stringgrid/CsvText.h"

#include "platform/core/Exception.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr char Quote = '"';
// A line break inside a field written by older versions of the grid.
constexpr char VerticalTab = '\x0b';

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// Every CR LF, CR or LF as one "~": the Java convention has a single line-break mark.
std::string LineBreaksToTilde(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '~';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (text[i] == '\n') {
            out += '~';
        } else {
            out += text[i];
        }
    }
    return out;
}

void ReplaceMarks(std::string& field, char mark) {
    std::string out;
    out.reserve(field.size() + 8);
    for (char c : field) {
        if (c == mark)
            out += "\r\n";
        else
            out += c;
    }
    field = std::move(out);
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
    std::string body = options.JavaCSV ? LineBreaksToTilde(text) : std::string(text);
    if (body.empty()) {
        if (options.JavaCSV && !options.AlwaysQuotes)
            return "^";
        return options.AlwaysQuotes || options.QuoteEmptyCells ? "\"\"" : "";
    }
    const bool needsQuotes =
        options.AlwaysQuotes || body.find(Quote) != std::string::npos ||
        (options.Delimiter != '\0' && body.find(options.Delimiter) != std::string::npos) ||
        HasLineBreak(body) || body.find(VerticalTab) != std::string::npos || body.front() == ' ' ||
        (options.JavaCSV && body == "^");
    if (!needsQuotes)
        return body;
    std::string out;
    out.reserve(body.size() + 2);
    out += Quote;
    for (char c : body) {
        if (c == Quote)
            out += Quote;
        out += c;
    }
    out += Quote;
    return out;
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
    const char delimiter = options.Delimiter;
    const std::size_t n = text.size();
    std::size_t i = 0;
    TCsvRecord record;
    // With no delimiter every line is one field, NUL characters included.
    auto isDelimiter = [delimiter](char c) { return delimiter != '\0' && c == delimiter; };
    auto finishField = [&](std::string field, bool quoted) {
        if (options.JavaCSV) {
            if (!quoted && field == "^")
                field.clear();
            ReplaceMarks(field, '~');
        } else if (!quoted) {
            ReplaceMarks(field, VerticalTab);
        }
        record.push_back(std::move(field));
    };
    while (i < n) {
        // One record: fields until a line break outside quotes.
        record.clear();
        bool endOfRecord = false;
        while (!endOfRecord) {
            std::size_t start = i;
            while (start < n && text[start] == ' ')
                ++start;
            std::string field;
            bool quoted = false;
            if (start < n && text[start] == Quote) {
                quoted = true;
                i = start + 1;
                for (;;) {
                    if (i >= n)
                        throw Exception("The CSV file is damaged: a quoted field is not closed");
                    if (text[i] == Quote) {
                        if (i + 1 < n && text[i + 1] == Quote) {
                            field += Quote;
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    field += text[i++];
                }
                // Text after the closing quote never joins the quoted field.
                while (i < n && !isDelimiter(text[i]) && text[i] != '\r' && text[i] != '\n')
                    ++i;
            } else {
                // Leading blanks are layout, not text; the writer quotes a text that starts
                // with one.
                i = start;
                while (i < n && !isDelimiter(text[i]) && text[i] != '\r' && text[i] != '\n')
                    ++i;
                field.assign(text.substr(start, i - start));
            }
            const bool atDelimiter = i < n && isDelimiter(text[i]);
            if (atDelimiter) {
                finishField(std::move(field), quoted);
                ++i;
                continue;
            }
            // Last field of the record: an empty unquoted one after a delimiter stores nothing.
            if (quoted || !field.empty())
                finishField(std::move(field), quoted);
            if (i < n && text[i] == '\r')
                ++i;
            if (i < n && text[i] == '\n')
                ++i;
            endOfRecord = true;
        }
        records.push_back(record);
    }
    return records;
}
