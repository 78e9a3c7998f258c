#pragma once

#include "grid/foundation/GridDate.h"

#include <string_view>

// The condition language of the grid's filter and find: comparisons (>, <, >=, <=) by number,
// date or text, wildcards (* and ?), negation (!), and/or joiners (& and | ; ^) and groups in
// parentheses, evaluated left to right without precedence. Double quotes keep joiners and
// blanks inside a text. Locale settings are read at every call.

// A group whose "(" is never closed makes the whole condition fail to match.
bool MatchFilterCondition(std::string_view Condition, std::string_view Value, bool CaseSensitive);
// One condition without groups, on texts already in their final case.
bool MatchCondition(std::string_view Pattern, std::string_view Value);
// A date in the order of the short date format, optionally followed by a blank and a time.
bool ParseLocaleDateTime(std::string_view Text, TDateTime& DateTime);
