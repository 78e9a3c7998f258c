#include "grid/stringgrid/ClipboardText.h"

#include <algorithm>

namespace {

constexpr char ClipQuote = '"';
constexpr char ClipVerticalTab = '\x0B';

bool ClipNeedsQuotes(std::string_view text) {
    return text.find_first_of("\r\n\t") != std::string_view::npos ||
           (!text.empty() && text.front() == ClipQuote);
}

bool IsFieldEnd(char c) {
    return c == '\t' || c == '\r' || c == '\n';
}

// Reads a quoted field from `at` (on its opening quote); false, with `at` unchanged, when the
// quote is never closed.
bool ReadQuoted(std::string_view text, size_t& at, std::string& field, bool ExcelFormat) {
    std::string value;
    size_t i = at + 1;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ClipQuote) {
            if (i + 1 < text.size() && text[i + 1] == ClipQuote) {
                value += ClipQuote;
                i += 2;
                continue;
            }
            // Text between the closing quote and the field's end belongs to the field.
            size_t end = i + 1;
            while (end < text.size() && !IsFieldEnd(text[end]))
                ++end;
            value.append(text.substr(i + 1, end - i - 1));
            field = std::move(value);
            at = end;
            return true;
        }
        if (c == ClipVerticalTab && ExcelFormat)
            value += "\r\n";
        else
            value += c;
        ++i;
    }
    return false;
}

} // namespace

std::string ClipboardField(std::string_view text, bool ExcelFormat) {
    std::string value(text);
    if (ExcelFormat) {
        for (size_t at = value.find("\r\n"); at != std::string::npos; at = value.find("\r\n", at))
            value.replace(at, 2, 1, ClipVerticalTab);
    }
    if (!ClipNeedsQuotes(value) && !(ExcelFormat && value.find(ClipVerticalTab) != std::string::npos))
        return value;
    std::string field(1, ClipQuote);
    for (char c : value) {
        if (c == ClipQuote)
            field += ClipQuote;
        field += c;
    }
    field += ClipQuote;
    return field;
}

int TClipboardBlock::Width() const {
    size_t widest = 0;
    for (const auto& line : Lines)
        widest = std::max(widest, line.size());
    return static_cast<int>(widest);
}

TClipboardBlock ParseClipboardText(std::string_view text, bool ExcelFormat) {
    TClipboardBlock block;
    if (text.empty())
        return block;
    std::vector<std::string> line;
    size_t at = 0;
    while (true) {
        std::string field;
        if (at < text.size() && text[at] == ClipQuote && ReadQuoted(text, at, field, ExcelFormat)) {
            // at is on the field's end
        } else {
            const size_t end = std::min(text.find_first_of("\t\r\n", at), text.size());
            field.assign(text.substr(at, end - at));
            at = end;
        }
        line.push_back(std::move(field));
        if (at >= text.size()) {
            block.Lines.push_back(std::move(line));
            return block;
        }
        if (text[at] == '\t') {
            ++at;
            continue;
        }
        // A line break: CR LF, CR or LF.
        at += text.compare(at, 2, "\r\n") == 0 ? 2 : 1;
        block.Lines.push_back(std::move(line));
        line.clear();
        if (at >= text.size()) {
            block.EndsWithLineBreak = true;
            return block;
        }
    }
}
