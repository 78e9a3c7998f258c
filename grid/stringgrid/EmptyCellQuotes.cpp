#include "grid/stringgrid/EmptyCellQuotes.h"

namespace {

bool EvenRunOfQuotes(std::string_view text) {
    return text.size() % 2 == 0 && text.find_first_not_of('"') == std::string_view::npos;
}

} // namespace

std::string QuotedEmptyCell(std::string_view text) {
    if (EvenRunOfQuotes(text))
        return std::string(text) + "\"\"";
    return std::string(text);
}

std::string UnquotedEmptyCell(std::string_view text) {
    if (!text.empty() && EvenRunOfQuotes(text))
        return std::string(text.substr(2));
    return std::string(text);
}
