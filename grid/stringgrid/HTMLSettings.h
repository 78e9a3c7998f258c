#pragma once

#include "platform/ui/Object.h"

// Settings of the HTML export.
class THTMLSettings : public TObject {
public:
    void Assign(const TObject* Source) {}
};
