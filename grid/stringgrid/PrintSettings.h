#pragma once

#include "platform/ui/Object.h"

// Settings of printing and the print preview.
class TPrintSettings : public TObject {
public:
    void Assign(const TObject* Source) {}
};
