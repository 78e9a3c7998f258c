#pragma once

#include "platform/ui/Component.h"

#include <string>

// The base of the cell checkers (spelling, value checks) the string grid runs on committed
// edits and on explicit checks of a range. This base accepts every text as it is.
class TExStringGridCheck : public TComponent {
public:
    explicit TExStringGridCheck(TComponent* AOwner) : TComponent(AOwner) {}

    virtual std::string MarkError(int ACol, int ARow, const std::string& s);
    virtual std::string Correct(int ACol, int ARow, const std::string& s);
    virtual void StartCheck() {}
    virtual void StopCheck() {}

    bool GotoCell = false;
    bool AutoCorrect = false;
    bool AutoMarkError = false;
    bool UseCorrect = false;
    bool UseMarkError = false;
};
