#include "grid/stringgrid/FindExpression.h"

#include "grid/stringgrid/ExGridTypes.h"

std::string FindExpressionError(std::string_view Expression) {
    // Parentheses are paired the way the evaluator pairs them: every one counts, quoted or not.
    int open = 0;
    bool quoted = false;
    for (char ch : Expression) {
        if (ch == '"') {
            quoted = !quoted;
        } else if (ch == '(') {
            ++open;
        } else if (ch == ')') {
            if (open == 0)
                return "a \")\" has no \"(\" to close";
            --open;
        }
    }
    if (quoted)
        return "a double quote is never closed";
    if (open > 0)
        return "a \"(\" is never closed";
    return {};
}

void RefuseInvalidFindExpression(std::string_view Expression) {
    const std::string error = FindExpressionError(Expression);
    if (!error.empty())
        throw ROvoVariRodev("Invalid search expression: " + error);
}
