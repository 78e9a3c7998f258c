#pragma once

#include "platform/ui/Object.h"

// Settings of drag and drop between grids and other programs.
class TDragDropSettings : public TObject {
public:
    void Assign(const TObject* Source) {
        if (const auto* source = dynamic_cast<const TDragDropSettings*>(Source)) {
            OleAcceptText = source->OleAcceptText;
            OleAcceptFiles = source->OleAcceptFiles;
            OleAcceptURLs = source->OleAcceptURLs;
        }
    }

    bool OleAcceptText = true;
    bool OleAcceptFiles = true;
    bool OleAcceptURLs = true;
};
