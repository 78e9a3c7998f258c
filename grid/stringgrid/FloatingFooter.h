#pragma once

#include "platform/ui/Object.h"

// Settings of the footer row that stays under the cells while they scroll.
class TFloatingFooter : public TObject {
public:
    void Assign(const TObject* Source) {
        if (const auto* source = dynamic_cast<const TFloatingFooter*>(Source)) {
            Visible = source->Visible;
            Height = source->Height;
        }
    }

    bool Visible = false;
    int Height = 22;
};
