#include "grid/foundation/FilterCondition.h"

#include "grid/foundation/ExUtil.h"
#include "platform/core/FloatConversion.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

// Blanks outside double quotes carry no meaning.
std::string RemoveUnquotedBlanks(std::string_view text) {
    std::string result;
    bool quoted = false;
    for (char ch : text) {
        if (ch == '"')
            quoted = !quoted;
        if (ch == ' ' && !quoted)
            continue;
        result += ch;
    }
    return result;
}

size_t FindUnquotedDelimiter(std::string_view text) {
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char ch = text[i];
        if (ch == '"')
            quoted = !quoted;
        else if (!quoted && std::string_view("(;^&|").find(ch) != std::string_view::npos)
            return i;
    }
    return std::string_view::npos;
}

// For every "(" the index of the ")" that balances it (counting every parenthesis from there
// on), npos when none does; other entries are unused.
std::vector<size_t> BalancingParentheses(std::string_view text) {
    std::vector<size_t> closes(text.size(), std::string_view::npos);
    std::vector<size_t> open;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(') {
            open.push_back(i);
        } else if (text[i] == ')' && !open.empty()) {
            closes[open.back()] = i;
            open.pop_back();
        }
    }
    return closes;
}

struct TCombiner {
    bool Result = false;
    bool First = true;
    char Operator = 0;

    void Add(bool outcome) {
        if (First) {
            Result = outcome;
            First = false;
        } else if (Operator == '&') {
            Result = Result && outcome;
        } else if (Operator != '(') {
            Result = Result || outcome;
        }
    }
};

// Groups are evaluated with a stack of their own rather than by recursion, so that however
// deeply a typed condition nests, it cannot exhaust the call stack.
std::optional<bool> Evaluate(std::string_view text, std::string_view value) {
    struct TGroup {
        TCombiner Combiner;
        size_t End; // the index just past the group's text
    };
    const std::vector<size_t> closes = BalancingParentheses(text);
    std::vector<TGroup> groups{{TCombiner{}, text.size()}};
    size_t pos = 0;
    for (;;) {
        TGroup& group = groups.back();
        if (pos < group.End && text[pos] == '(') {
            size_t close = closes[pos];
            if (close == std::string_view::npos)
                return std::nullopt;
            groups.push_back({TCombiner{}, close});
            ++pos;
            continue;
        }
        std::string_view rest = text.substr(pos, group.End - pos);
        size_t delimiter = FindUnquotedDelimiter(rest);
        if (delimiter != std::string_view::npos) {
            group.Combiner.Add(MatchCondition(rest.substr(0, delimiter), value));
            group.Combiner.Operator = rest[delimiter];
            pos += delimiter + 1;
            continue;
        }
        group.Combiner.Add(MatchCondition(rest, value));
        const bool outcome = group.Combiner.Result;
        const size_t end = group.End;
        groups.pop_back();
        if (groups.empty())
            return outcome;
        // After a group, the empty part up to the next joiner does not count.
        groups.back().Combiner.Add(outcome);
        groups.back().Combiner.Operator = '(';
        pos = end + 1;
    }
}

// The locale number as the plain float conversion reads it.
std::optional<double> LocaleNumber(std::string_view text) {
    TFormatSettings settings = CurrentFormatSettings();
    std::string plain;
    size_t i = 0;
    while (i < text.size()) {
        std::string_view rest = text.substr(i);
        if (!settings.DecimalSeparator.empty() && StartsWith(rest, settings.DecimalSeparator)) {
            plain += '.';
            i += settings.DecimalSeparator.size();
        } else if (!settings.ThousandSeparator.empty() &&
                   StartsWith(rest, settings.ThousandSeparator)) {
            i += settings.ThousandSeparator.size();
        } else {
            plain += text[i++];
        }
    }
    double number = 0;
    if (!TryStrToFloat(plain, number))
        return std::nullopt;
    return number;
}

// <0, 0 or >0 as the value is below, equal to or above the operand.
int CompareValues(std::string_view value, std::string_view operand) {
    TDateTime valueDate = 0;
    TDateTime operandDate = 0;
    bool valueIsDate = ParseLocaleDateTime(value, valueDate);
    bool operandIsDate = ParseLocaleDateTime(operand, operandDate);
    std::optional<double> valueNumber = LocaleNumber(value);
    std::optional<double> operandNumber = LocaleNumber(operand);
    if (valueNumber && operandNumber && !valueIsDate && !operandIsDate)
        return *valueNumber < *operandNumber ? -1 : *valueNumber > *operandNumber ? 1 : 0;
    if (valueIsDate && operandIsDate)
        return valueDate < operandDate ? -1 : valueDate > operandDate ? 1 : 0;
    return value.compare(operand);
}

struct TOperand {
    std::string Text;
    bool OrEqual = false;
};

// The operand behind the first `op`. For ">" a quoted operand keeps its blanks; for "<" a blank
// ends it even inside quotes.
TOperand ReadOperand(std::string_view pattern, char op) {
    TOperand operand;
    size_t i = pattern.find(op) + 1;
    if (i < pattern.size() && pattern[i] == '=') {
        operand.OrEqual = true;
        ++i;
    }
    while (i < pattern.size() && pattern[i] == ' ')
        ++i;
    bool quoted = false;
    if (i < pattern.size() && pattern[i] == '"') {
        quoted = true;
        ++i;
    }
    for (; i < pattern.size(); ++i) {
        char ch = pattern[i];
        if (ch == '"')
            quoted = !quoted;
        bool blankEnds = op == '<' || !quoted;
        if ((ch == ' ' && blankEnds) || ((ch == '&' || ch == '|') && !quoted))
            break;
        operand.Text += ch;
    }
    if (!operand.Text.empty() && operand.Text.back() == '"')
        operand.Text.pop_back();
    return operand;
}

bool MatchWildcard(std::string_view pattern, std::string_view value) {
    std::u32string p;
    bool negated = false;
    for (char32_t ch : Utf8ToCodePoints(pattern)) {
        if (ch == U'!')
            negated = true;
        else if (ch != U'"')
            p += ch;
    }
    std::u32string v = Utf8ToCodePoints(value);
    // Greedy match with backtracking to the last star: linear in practice.
    size_t pi = 0;
    size_t vi = 0;
    size_t starP = std::u32string::npos;
    size_t starV = 0;
    while (vi < v.size()) {
        if (pi < p.size() && (p[pi] == U'?' || (p[pi] != U'*' && p[pi] == v[vi]))) {
            ++pi;
            ++vi;
        } else if (pi < p.size() && p[pi] == U'*') {
            starP = pi++;
            starV = vi;
        } else if (starP != std::u32string::npos) {
            pi = starP + 1;
            vi = ++starV;
        } else {
            return negated;
        }
    }
    while (pi < p.size() && p[pi] == U'*')
        ++pi;
    return (pi == p.size()) != negated;
}

} // namespace

bool MatchCondition(std::string_view Pattern, std::string_view Value) {
    bool greater = true;
    bool less = true;
    bool greaterSeen = false;
    bool lessSeen = false;
    bool hasGreater = Pattern.find('>') != std::string_view::npos;
    bool hasLess = Pattern.find('<') != std::string_view::npos;
    if (hasGreater) {
        TOperand operand = ReadOperand(Pattern, '>');
        int order = CompareValues(Value, operand.Text);
        greater = operand.OrEqual ? order >= 0 : order > 0;
        greaterSeen = true;
    }
    if (hasLess) {
        TOperand operand = ReadOperand(Pattern, '<');
        int order = CompareValues(Value, operand.Text);
        less = operand.OrEqual ? order <= 0 : order < 0;
        lessSeen = true;
    }
    if (Pattern.find('!') != std::string_view::npos) {
        greaterSeen = greaterSeen || !hasGreater;
        lessSeen = lessSeen || !hasLess;
    }
    if (Pattern.find('^') != std::string_view::npos && (greaterSeen || lessSeen))
        return greater || less;
    if (Pattern.find('&') != std::string_view::npos && greaterSeen && lessSeen)
        return greater && less;
    if (hasGreater && greater)
        return true;
    if (hasLess && less)
        return true;
    return MatchWildcard(Pattern, Value);
}

bool MatchFilterCondition(std::string_view Condition, std::string_view Value, bool CaseSensitive) {
    std::string condition = RemoveUnquotedBlanks(Trim(Condition));
    if (!condition.empty() && condition[0] == '=')
        condition.erase(0, 1);
    std::string value(Value);
    if (!CaseSensitive) {
        condition = UpperCaseFull(condition);
        value = UpperCaseFull(value);
    }
    return Evaluate(condition, value).value_or(false);
}

bool ParseLocaleDateTime(std::string_view Text, TDateTime& DateTime) {
    TFormatSettings settings = CurrentFormatSettings();
    const std::string& dateSeparator = settings.DateSeparator;
    const std::string& timeSeparator = settings.TimeSeparator;
    if (dateSeparator.empty() || timeSeparator.empty())
        return false;

    size_t first = Text.find(dateSeparator);
    if (first == std::string_view::npos)
        return false;
    std::string_view fields[3];
    fields[0] = Text.substr(0, first);
    std::string_view rest = Text.substr(first + dateSeparator.size());
    size_t secondSeparator = rest.find(dateSeparator);
    if (secondSeparator == std::string_view::npos)
        return false;
    fields[1] = rest.substr(0, secondSeparator);
    std::string tail = Trim(rest.substr(secondSeparator + dateSeparator.size()));
    std::string timeText;
    size_t blank = tail.find(' ');
    if (blank != std::string::npos) {
        timeText = tail.substr(blank);
        tail.erase(blank);
    }
    fields[2] = tail;

    // The short date format's letters give the field order.
    std::string format = UpperCase(settings.ShortDateFormat);
    struct TFieldOrder {
        size_t Position;
        char Letter;
    } order[3] = {{format.find('D'), 'D'}, {format.find('M'), 'M'}, {format.find('Y'), 'Y'}};
    std::sort(std::begin(order), std::end(order),
              [](const TFieldOrder& a, const TFieldOrder& b) { return a.Position < b.Position; });
    int day = 0;
    int month = 0;
    int year = 0;
    for (int i = 0; i < 3; ++i) {
        int32_t number = 0;
        if (!TryStrToInt(fields[i], number))
            return false;
        if (order[i].Letter == 'D')
            day = number;
        else if (order[i].Letter == 'M')
            month = number;
        else
            year = WindowedYear(fields[i], number);
    }
    if (day > 31 || month > 12)
        return false;

    int hour = 0;
    int minute = 0;
    int32_t seconds = 0;
    if (!timeText.empty()) {
        size_t hourEnd = timeText.find(timeSeparator);
        if (hourEnd == std::string::npos)
            return false;
        int32_t number = 0;
        if (!TryStrToInt(timeText.substr(0, hourEnd), number) || number > 23)
            return false;
        hour = number;
        std::string minutes = timeText.substr(hourEnd + timeSeparator.size());
        size_t minuteEnd = minutes.find(timeSeparator);
        if (minuteEnd != std::string::npos) {
            if (!TryStrToInt(minutes.substr(minuteEnd + timeSeparator.size()), seconds) ||
                seconds > 60)
                return false;
            minutes.erase(minuteEnd);
        }
        if (!TryStrToInt(minutes, number) || number > 59)
            return false;
        minute = number;
    }
    TDateTime date = 0;
    TDateTime time = 0;
    if (!TGridDate::TryEncodeDate(year, month, day, date) ||
        !TGridDate::TryEncodeTime(hour, minute, seconds, 0, time))
        return false;
    DateTime = date + time;
    return true;
}
