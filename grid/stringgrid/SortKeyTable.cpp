#include "grid/stringgrid/SortKeyTable.h"

#include "grid/foundation/ExUtil.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridDateText.h"
#include "platform/core/Exception.h"
#include "platform/core/FloatConversion.h"
#include "platform/core/Utf8.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <locale>
#include <span>

namespace {

// Classes of the automatic style, in the order they sort in when two cells differ in class.
enum TAutoKind : int8_t { akCheckBox, akNumber, akDate, akTime, akText };
// Classes of the numeric styles: a text that is no number sorts after every number.
constexpr int8_t NumberRank = 0;
constexpr int8_t NoNumberRank = 1;

int Sign(double A, double B) {
    return A < B ? -1 : (A > B ? 1 : 0);
}

int Sign(std::string_view A, std::string_view B) {
    const int r = A.compare(B);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

bool IsSortDigit(char C) {
    return C >= '0' && C <= '9';
}

void EraseFirst(std::string& Text, const std::string& Part) {
    if (Part.empty())
        return;
    if (const size_t at = Text.find(Part); at != std::string::npos)
        Text.erase(at, Part.size());
}

void EraseAll(std::string& Text, const std::string& Part) {
    if (Part.empty())
        return;
    for (size_t at = Text.find(Part); at != std::string::npos; at = Text.find(Part, at))
        Text.erase(at, Part.size());
}

// Whether the text is a number in integer, floating or exponent form. Plain digits with an
// optional leading minus and one decimal separator, and texts holding an ASCII character that
// no number form has, are answered here: the full test reads the locale on every call, which a
// sort of a million rows cannot afford.
bool IsNumberText(std::string_view Text, const std::string& Decimal, const std::string& Thousand) {
    if (Text.empty())
        return false;
    const char decimal = Decimal.size() == 1 ? Decimal[0] : '\0';
    bool digits = false, plain = true, seenDecimal = false;
    for (size_t i = 0; i < Text.size() && plain; ++i) {
        const char c = Text[i];
        if (IsSortDigit(c))
            digits = true;
        else if (c == '-' && i == 0)
            continue;
        else if (c == decimal && decimal && !seenDecimal)
            seenDecimal = true;
        else
            plain = false;
    }
    if (plain && digits)
        return true;
    // Separators of several bytes are left to the full test.
    if (Decimal.size() <= 1 && Thousand.size() <= 1) {
        const char thousand = Thousand.size() == 1 ? Thousand[0] : '\0';
        for (char c : Text) {
            const bool ascii = static_cast<unsigned char>(c) < 0x80;
            const bool numberPart = IsSortDigit(c) || c == '-' || c == '+' || c == 'e' ||
                                    c == 'E' || (decimal && c == decimal) ||
                                    (thousand && c == thousand);
            if (ascii && !numberPart)
                return false;
        }
    }
    const int kind = GetNumberKind(Text);
    return kind == nkInteger || kind == nkFloat || kind == nkExponent;
}

// A date, optionally followed by a blank and a time of day.
bool TryTextToDateTime(std::string_view Text, const TFormatSettings& Format, double& Value) {
    try {
        Value = StrToDateText(Text, Format);
        return true;
    } catch (const Exception&) {
    }
    const size_t blank = Text.find(' ');
    if (blank == std::string_view::npos)
        return false;
    try {
        Value = StrToDateText(Text.substr(0, blank), Format) +
                StrToTimeText(Text.substr(blank + 1), Format);
        return true;
    } catch (const Exception&) {
        return false;
    }
}

double TextToTime(std::string_view Text, const TFormatSettings& Format) {
    if (Text.empty())
        return 0;
    try {
        return StrToTimeText(Text, Format);
    } catch (const Exception&) {
        return 0;
    }
}

template <typename TParse> double ParseOrZero(std::string_view Text, TParse Parse) {
    try {
        return Parse(Text);
    } catch (const Exception&) {
        return 0;
    }
}

// True when a separator stands between two digits early in the text: "1/2/2020", "10:30".
bool SeparatedByDigits(std::string_view Text, const std::string& Separator, bool& InRange) {
    InRange = false;
    if (Separator.empty())
        return false;
    const size_t at = Text.find(Separator);
    if (at == std::string_view::npos || at < 1 || at > 2 || at + 1 >= Text.size())
        return false;
    InRange = true;
    return IsSortDigit(Text[at - 1]) && IsSortDigit(Text[at + Separator.size()]);
}

const std::locale& UserLocale() {
    static const std::locale locale = [] {
        try {
            return std::locale("");
        } catch (const std::exception&) {
            return std::locale::classic();
        }
    }();
    return locale;
}

// A text whose byte order is the locale's collation order of the original.
std::string CollationKey(std::string_view Text, bool IgnoreCase) {
    const std::locale& locale = UserLocale();
    // Without case, texts are folded by the grid's one case rule (the find's and the filter's).
    const std::string text = IgnoreCase ? UpperCaseFull(Text) : std::string(Text);
    const auto& collate = std::use_facet<std::collate<char>>(locale);
    return collate.transform(text.data(), text.data() + text.size());
}

uint64_t NumberOrder(double Value) {
    if (std::isnan(Value) || Value == 0)
        Value = 0; // one key for +0 and -0
    const uint64_t bits = std::bit_cast<uint64_t>(Value);
    return (bits & 0x8000000000000000ull) ? ~bits : bits | 0x8000000000000000ull;
}

uint64_t TextOrder(std::string_view Text) {
    uint64_t key = 0;
    for (size_t i = 0; i < 8; ++i)
        key = (key << 8) | (i < Text.size() ? static_cast<unsigned char>(Text[i]) : 0u);
    return key;
}

} // namespace

TSortKeyTable::TSortKeyTable(TExStringGrid& Grid, std::vector<int> Rows)
    : FGrid(Grid), FSettings(*Grid.SortSettings()), FFormat(CurrentFormatSettings()),
      FRows(std::move(Rows)) {}

TSortKeyTable::~TSortKeyTable() = default;

TSortKeyTable::TColumnKeys& TSortKeyTable::Column(int ACol) {
    if (ACol >= static_cast<int>(FColumns.size()))
        FColumns.resize(ACol + 1);
    if (!FColumns[ACol]) {
        auto keys = std::make_unique<TColumnKeys>();
        TSortColumnRule& rule = keys->Rule;
        rule.Style = FSettings.AutoFormat ? ssAutomatic
                                          : (FSettings.IgnoreCase ? ssAlphaNoCase : ssAlphabetic);
        FGrid.GetFormat(ACol, rule.Style, rule.Prefix, rule.Suffix);
        FColumns[ACol] = std::move(keys);
    }
    return *FColumns[ACol];
}

const TSortCellKey& TSortKeyTable::Key(int ACol, TColumnKeys& Column, int Position) {
    if (Column.SomeIndex.empty())
        Column.SomeIndex.assign(FRows.size(), -1);
    int32_t& index = Column.SomeIndex[Position];
    if (index < 0) {
        index = static_cast<int32_t>(Column.Some.size());
        Column.Some.push_back(ReadKey(ACol, FRows[Position], Column.Rule));
    }
    return Column.Some[index];
}

void TSortKeyTable::ReadAhead(int ACol, const std::vector<int32_t>& Positions) {
    TColumnKeys& column = Column(ACol);
    for (const int32_t position : Positions)
        Key(ACol, column, position);
}

std::string_view TSortKeyTable::CellText(int ACol, int ARow) {
    if (!FSettings.SortOnVirtualCells || FGrid.ShowsStoredText(ACol, ARow))
        return FGrid.CellTextView(ACol, ARow);
    FCellCopy = FGrid.GetCellEx(ACol, ARow);
    return FCellCopy;
}

void TSortKeyTable::KeepText(TSortCellKey& Key, std::string_view Text, bool Upper) {
    Key.TextAt = FTexts.size();
    // Texts beyond ASCII take the grid's one case rule; ASCII, the bulk, the short road.
    const bool ascii = std::all_of(Text.begin(), Text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (Upper && !ascii) {
        const std::string upper = UpperCaseFull(Text);
        Key.TextSize = static_cast<uint32_t>(upper.size());
        FTexts.append(upper);
        return;
    }
    Key.TextSize = static_cast<uint32_t>(Text.size());
    FTexts.append(Text);
    if (Upper)
        for (char& c : std::span(FTexts).subspan(Key.TextAt))
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
}

// Calls that may reach user code (hooks, virtual cell kinds) come before the cell text is taken
// or after its last use: the text may lie in the cell store.
TSortCellKey TSortKeyTable::ReadKey(int ACol, int ARow, const TSortColumnRule& Rule) {
    TSortCellKey key;
    key.Row = ARow;
    switch (Rule.Style) {
    case ssAutomatic:
        ReadAutomatic(ACol, ARow, key);
        return key;
    case ssHTML: {
        const std::string stripped = FGrid.GetStrippedCell(ACol, ARow);
        KeepText(key, stripped);
        key.Blank = stripped.empty();
        return key;
    }
    case ssImages:
        key.Number = static_cast<double>(FGrid.GetCellImageKey(ACol, ARow));
        key.Blank = CellText(ACol, ARow).empty();
        return key;
    case ssCheckBox: {
        bool state = false;
        FGrid.GetCheckBoxState(ACol, FGrid.RealRowIndex(ARow), state);
        key.Number = state ? 1 : 0;
        key.Blank = CellText(ACol, ARow).empty();
        return key;
    }
    default:
        break;
    }
    const std::string_view text = CellText(ACol, ARow);
    key.Blank = text.empty();
    switch (Rule.Style) {
    case ssAlphabetic:
    case ssAlphaCase:
    case ssCustom:
        KeepText(key, text);
        break;
    case ssAlphaNoCase:
        KeepText(key, text, true);
        break;
    case ssAnsiAlphaCase:
    case ssAnsiAlphaNoCase:
        KeepText(key, CollationKey(text, Rule.Style == ssAnsiAlphaNoCase));
        break;
    case ssNumeric:
    case ssFinancial:
        ReadNumber(ACol, ARow, text, Rule, key);
        break;
    case ssDate:
    case ssDateTime:
        if (!TryTextToDateTime(text, FFormat, key.Number))
            key.Number = 0;
        break;
    case ssShortDateEU:
        key.Number = ParseOrZero(text, [](std::string_view t) { return ParseDateDMY(t); });
        break;
    case ssShortDateUS:
        key.Number = ParseOrZero(text, [](std::string_view t) { return ParseDateMDY(t); });
        break;
    case ssTime:
        key.Number = TextToTime(text, FFormat);
        break;
    case ssAlphaNumeric:
    case ssAlphaNumericNoCase:
        key.Rank = IsNumberText(text, FFormat.DecimalSeparator, FFormat.ThousandSeparator) &&
                           TryStrToFloat(text, key.Number, FFormat.DecimalSeparator)
                       ? NumberRank
                       : NoNumberRank;
        KeepText(key, text, Rule.Style == ssAlphaNumericNoCase);
        break;
    default: // ssRaw: the hook reads the rows itself
        break;
    }
    return key;
}

void TSortKeyTable::ReadAutomatic(int ACol, int ARow, TSortCellKey& Key) {
    switch (FGrid.GetCellType(ACol, ARow)) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox: {
        bool state = false;
        FGrid.GetCheckBoxState(ACol, FGrid.RealRowIndex(ARow), state);
        Key.Rank = akCheckBox;
        Key.Number = state ? 1 : 0;
        Key.Blank = CellText(ACol, ARow).empty();
        return;
    }
    default:
        break;
    }
    std::string_view text = CellText(ACol, ARow);
    Key.Blank = text.empty();
    if (IsNumberText(text, FFormat.DecimalSeparator, FFormat.ThousandSeparator)) {
        TSortColumnRule numeric;
        numeric.Style = ssNumeric;
        ReadNumber(ACol, ARow, text, numeric, Key);
        if (Key.Rank == NumberRank) {
            Key.Rank = akNumber;
            return;
        }
        // The reading may have asked the display hooks about the stored text: it is taken anew.
        if (!FSettings.SortOnVirtualCells)
            text = CellText(ACol, ARow);
    }
    bool inRange = false;
    if (SeparatedByDigits(text, FFormat.DateSeparator, inRange)) {
        Key.Rank = akDate;
        if (!TryTextToDateTime(text, FFormat, Key.Number))
            Key.Number = 0;
        return;
    }
    if (!inRange && SeparatedByDigits(text, FFormat.TimeSeparator, inRange)) {
        Key.Rank = akTime;
        Key.Number = TextToTime(text, FFormat);
        return;
    }
    Key.Rank = akText;
    Key.Number = 0;
    KeepText(Key, text, FSettings.IgnoreCase);
}

void TSortKeyTable::ReadNumber(int ACol, int ARow, std::string_view Text,
                               const TSortColumnRule& Rule, TSortCellKey& Key) {
    const bool emptyCell = Text.empty();
    // Most columns have no prefix, suffix or other separator: the text is read as it is.
    const bool rewrite = !Rule.Suffix.empty() || !Rule.Prefix.empty() ||
                         Rule.Style == ssFinancial || FFormat.DecimalSeparator != ".";
    if (rewrite) {
        FNumberCopy.assign(Text);
        EraseFirst(FNumberCopy, Rule.Suffix);
        EraseFirst(FNumberCopy, Rule.Prefix);
        if (Rule.Style == ssFinancial)
            EraseAll(FNumberCopy, FFormat.ThousandSeparator);
        if (FFormat.DecimalSeparator != ".")
            if (const size_t at = FNumberCopy.find(FFormat.DecimalSeparator);
                at != std::string::npos)
                FNumberCopy.replace(at, FFormat.DecimalSeparator.size(), ".");
        Text = FNumberCopy;
    }
    Key.Blank = Text.empty();
    if (TryStrToFloat(Text, Key.Number)) {
        Key.Rank = NumberRank;
        return;
    }
    // An empty cell counts as 0.
    const bool displayEmpty =
        FSettings.SortOnVirtualCells ? emptyCell : FGrid.GetCellEx(ACol, ARow).empty();
    Key.Rank = displayEmpty ? NumberRank : NoNumberRank;
    Key.Number = 0;
}

int TSortKeyTable::CompareKeys(int ACol, const TColumnKeys& Column, const TSortCellKey& A,
                               const TSortCellKey& B) {
    switch (Column.Rule.Style) {
    case ssAutomatic:
        if (A.Rank != B.Rank)
            return A.Rank < B.Rank ? -1 : 1;
        return A.Rank == akText ? Sign(TextOf(A), TextOf(B)) : Sign(A.Number, B.Number);
    case ssNumeric:
    case ssFinancial:
        if (A.Rank != B.Rank)
            return A.Rank < B.Rank ? -1 : 1;
        return A.Rank == NumberRank ? Sign(A.Number, B.Number) : 0;
    case ssAlphaNumeric:
    case ssAlphaNumericNoCase:
        if (A.Rank == NumberRank && B.Rank == NumberRank)
            return Sign(A.Number, B.Number);
        return Sign(TextOf(A), TextOf(B));
    case ssCustom: {
        int result = 0;
        if (FGrid.OnCustomCompare)
            FGrid.OnCustomCompare(&FGrid, std::string(TextOf(A)), std::string(TextOf(B)), result);
        return result;
    }
    case ssRaw: {
        int result = 0;
        if (FGrid.OnRawCompare)
            FGrid.OnRawCompare(&FGrid, ACol, A.Row, B.Row, result);
        return result;
    }
    case ssAlphabetic:
    case ssAlphaCase:
    case ssAlphaNoCase:
    case ssHTML:
    case ssAnsiAlphaCase:
    case ssAnsiAlphaNoCase:
        return Sign(TextOf(A), TextOf(B));
    default:
        return Sign(A.Number, B.Number);
    }
}

int TSortKeyTable::CompareAscending(int ACol, int A, int B) {
    ++FCompares;
    TColumnKeys& column = Column(ACol);
    return CompareKeys(ACol, column, Key(ACol, column, A), Key(ACol, column, B));
}

int TSortKeyTable::Compare(int ACol, int A, int B, TSortDirection Direction) {
    TColumnKeys& column = Column(ACol);
    const TSortCellKey& a = Key(ACol, column, A);
    const TSortCellKey& b = Key(ACol, column, B);
    if (FSettings.IgnoreBlanks && a.Blank != b.Blank) {
        ++FCompares;
        return a.Blank == (FSettings.BlankPos == blFirst) ? -1 : 1;
    }
    const int result = CompareAscending(ACol, A, B);
    return Direction == sdDescending ? -result : result;
}

std::vector<TSortEntry> TSortKeyTable::OrderPrefixes(int ACol, TSortDirection Direction) {
    TColumnKeys& column = Column(ACol);
    const size_t count = FRows.size();
    std::vector<TSortEntry> entries(count);
    for (size_t k = 0; k < count; ++k)
        entries[k].Pos = static_cast<int32_t>(k);
    const TSortStyle style = column.Rule.Style;
    const bool noOrderKey = style == ssCustom || style == ssRaw || style == ssAlphaNumeric ||
                            style == ssAlphaNumericNoCase;
    FPrefixesExact = false;
    if (noOrderKey)
        return entries;
    bool exact = true;
    const bool byText = style == ssAlphabetic || style == ssAlphaCase || style == ssAlphaNoCase ||
                        style == ssHTML || style == ssAnsiAlphaCase || style == ssAnsiAlphaNoCase;
    const size_t textsBefore = FTexts.size();
    for (size_t k = 0; k < count; ++k) {
        const TSortCellKey key = ReadKey(ACol, FRows[k], column.Rule);
        uint64_t prefix = 0;
        // Exact while every text fits the key whole (a NUL byte would read as its padding) and
        // no number loses the low bits the class takes.
        if (byText || (style == ssAutomatic && key.Rank == akText)) {
            const std::string_view text = TextOf(key);
            prefix = TextOrder(text);
            if (!byText)
                prefix = (uint64_t(key.Rank) << 61) | (prefix >> 3);
            exact = exact && text.size() <= (byText ? 8u : 7u) &&
                    text.find('\0') == std::string_view::npos;
        } else {
            const uint64_t order = NumberOrder(key.Number);
            prefix = (uint64_t(key.Rank) << 61) | (order >> 3);
            exact = exact && (order & 7) == 0;
        }
        if (Direction == sdDescending)
            prefix = ~prefix;
        if (FSettings.IgnoreBlanks && key.Blank) {
            prefix = FSettings.BlankPos == blFirst ? 0 : ~uint64_t(0);
            exact = false;
        }
        entries[k].Prefix = prefix;
        // The key itself is read again if a tie needs it.
        FTexts.resize(textsBefore);
    }
    FPrefixesExact = exact;
    return entries;
}
