#pragma once

#include "platform/ui/Object.h"

// Settings of the filter drop-down in the header cells; filled in with filtering.
class TFilterDropDown : public TObject {
public:
    void Assign(const TObject* Source) {}

    TNotifyEvent OnChange;
};
