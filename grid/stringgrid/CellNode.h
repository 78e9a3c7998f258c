#pragma once

#include "platform/ui/Object.h"

// Appearance of the tree nodes of grouped rows; filled in with the grouping feature.
class TCellNode : public TObject {
public:
    void Assign(const TObject* Source) {}
};
