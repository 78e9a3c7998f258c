#pragma once

#include "platform/ui/Object.h"

// Whether the cell being edited grows with the text typed into it, in height or in width.
class TSizeWhileTyping : public TObject {
public:
    void Assign(const TObject* Source) {
        if (const auto* source = dynamic_cast<const TSizeWhileTyping*>(Source)) {
            Height = source->Height;
            Width = source->Width;
        }
    }

    bool Height = false;
    bool Width = false;
};
