#pragma once

#include "platform/ui/Object.h"

// Settings of sorting and the sort indicator; filled in with the sorting feature.
class TSortSettings : public TObject {
public:
    void Assign(const TObject* Source) {}
};
