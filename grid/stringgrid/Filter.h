#pragma once

#include "platform/ui/Object.h"

// The row filter: conditions per column.
class TFilter : public TObject {
public:
    void Assign(const TObject* Source) {}
    int Count() const { return 0; }
};
