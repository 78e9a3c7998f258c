#pragma once

#include "grid/stringgrid/GridColumnCollection.h"

#include <cstddef>
#include <string>
#include <string_view>

class TComponent;

// The carrier of the column settings stream: one component image of class "TExColumnGridIO"
// whose one property, Items, holds every column item's settings in order.
class TExColumnGridIO {
public:
    TExColumnGridIO() : FItems(nullptr) {}

    TGridColumnCollection& Items() { return FItems; }

    // Assign, and also the popup type and the print-custom flags, which Assign leaves alone:
    // the stream carries them, or a saved popup type would come back as the default.
    static void CopyItems(const TGridColumnCollection& Source, TGridColumnCollection& Target);

    // Appends the image to Stream.
    void Write(std::string& Stream) const;
    // Reads one image at Position and moves Position past it; throws EReadError for a stream
    // that is no such image. Popup menu and editor references are looked up by name among the
    // components of Lookup (nullptr: none are found).
    void Read(std::string_view Stream, size_t& Position, const TComponent* Lookup);

private:
    TGridColumnCollection FItems;
};
