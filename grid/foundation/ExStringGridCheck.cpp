#include "grid/foundation/ExStringGridCheck.h"

std::string TExStringGridCheck::MarkError(int, int, const std::string& s) {
    return s;
}

std::string TExStringGridCheck::Correct(int, int, const std::string& s) {
    return s;
}
