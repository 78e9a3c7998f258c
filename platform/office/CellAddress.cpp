#include "platform/office/CellAddress.h"

#include "platform/core/Utf8.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace {

// Far beyond any worksheet (16,384 columns, 1,048,576 rows), but safe from overflow.
constexpr int MaxAddressNumber = std::numeric_limits<int>::max() / 26 - 26;

bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int RowNumber(std::string_view digits) {
    if (digits.empty())
        return -1;
    long long row = 0;
    for (char c : digits) {
        if (!IsDigit(c))
            return -1;
        row = row * 10 + (c - '0');
        if (row > MaxAddressNumber)
            return -1;
    }
    return row > 0 ? static_cast<int>(row) : -1;
}

// One corner, "$B$3" or "B3": column and row, or -1 in both.
bool ParseCorner(std::string_view corner, int& column, int& row) {
    column = row = -1;
    if (!corner.empty() && corner.front() == '$')
        corner.remove_prefix(1);
    size_t letters = 0;
    while (letters < corner.size() && IsLetter(corner[letters]))
        ++letters;
    std::string_view digits = corner.substr(letters);
    if (!digits.empty() && digits.front() == '$')
        digits.remove_prefix(1);
    const int c = ColumnNumber(corner.substr(0, letters));
    const int r = RowNumber(digits);
    if (c < 0 || r < 0)
        return false;
    column = c;
    row = r;
    return true;
}

// The position of the next "_xHHHH_" from `from`, or npos.
size_t FindEscape(std::string_view text, size_t from) {
    for (size_t at = text.find("_x", from); at != std::string_view::npos;
         at = text.find("_x", at + 1)) {
        if (at + 7 > text.size() || text[at + 6] != '_')
            continue;
        if (std::all_of(text.begin() + at + 2, text.begin() + at + 6,
                        [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
            return at;
    }
    return std::string_view::npos;
}

} // namespace

std::string DecodeSheetEscapes(std::string_view text) {
    std::string decoded;
    size_t from = 0;
    for (size_t at = FindEscape(text, 0); at != std::string_view::npos;
         at = FindEscape(text, from)) {
        decoded.append(text.substr(from, at - from));
        const char32_t code =
            static_cast<char32_t>(std::stoul(std::string(text.substr(at + 2, 4)), nullptr, 16));
        // A lone half of a surrogate pair is no character.
        AppendUtf8(decoded, code >= 0xD800 && code <= 0xDFFF ? U'\uFFFD' : code);
        from = at + 7;
    }
    decoded.append(text.substr(from));
    return decoded;
}

std::string EscapeSheetEscapes(std::string_view text) {
    std::string escaped;
    size_t from = 0;
    for (size_t at = FindEscape(text, 0); at != std::string_view::npos;
         at = FindEscape(text, from)) {
        escaped.append(text.substr(from, at - from));
        escaped += "_x005F";
        from = at;
        escaped.append(text.substr(from, 1));
        ++from;
    }
    escaped.append(text.substr(from));
    return escaped;
}

std::string ColumnLetters(int column) {
    std::string letters;
    while (column > 0) {
        const int digit = (column - 1) % 26;
        letters.insert(letters.begin(), static_cast<char>('A' + digit));
        column = (column - 1) / 26;
    }
    return letters;
}

int ColumnNumber(std::string_view letters) {
    if (letters.empty())
        return -1;
    long long column = 0;
    for (char c : letters) {
        if (!IsLetter(c))
            return -1;
        column = column * 26 + (std::toupper(static_cast<unsigned char>(c)) - 'A' + 1);
        if (column > MaxAddressNumber)
            return -1;
    }
    return static_cast<int>(column);
}

TCellRange ParseRangeAddress(std::string_view address) {
    TCellRange range;
    const size_t colon = address.find(':');
    const std::string_view first = address.substr(0, colon);
    const std::string_view last =
        colon == std::string_view::npos ? first : address.substr(colon + 1);
    TCellRange parsed;
    if (!ParseCorner(first, parsed.FirstCol, parsed.FirstRow) ||
        !ParseCorner(last, parsed.LastCol, parsed.LastRow))
        return range;
    return parsed;
}

std::string RangeAddress(const TCellRange& range, bool absolute) {
    const std::string mark = absolute ? "$" : "";
    auto corner = [&](int column, int row) {
        return mark + ColumnLetters(column) + mark + std::to_string(row);
    };
    std::string text = corner(range.FirstCol, range.FirstRow);
    if (range.LastCol != range.FirstCol || range.LastRow != range.FirstRow)
        text += ":" + corner(range.LastCol, range.LastRow);
    return text;
}
