#pragma once

#include <string>
#include <string_view>

// A filter condition typed as a search text is read by a forgiving evaluator that quietly
// matches nothing where the condition is malformed. The search refuses such a condition up
// front instead, so that the user learns why nothing was found.

// Empty when Expression can be evaluated; otherwise what is wrong with it, in words for the user.
std::string FindExpressionError(std::string_view Expression);
// Throws ROvoVariRodev ("Invalid search expression: ...") when FindExpressionError finds a fault.
void RefuseInvalidFindExpression(std::string_view Expression);
