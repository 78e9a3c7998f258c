#pragma once

#include "grid/stringgrid/GridColumnItem.h"

#include <functional>
#include <string>
#include <vector>

class TComponentImageReader;
class TComponentImageWriter;

// The published properties of a column item as the column settings stream holds them, in their
// order: each with its writer (which leaves the property out when the stream's rules say so)
// and its reader.

// Names of the components an item refers to, resolved once the item is read.
struct TReferenceNames {
    std::string ColumnPopup;
    std::string EditLink;
};

struct TItemProperty {
    std::string Name;
    // Writes name and value, or nothing when the property is left out.
    std::function<void(TComponentImageWriter&, const TGridColumnItem&)> Write;
    std::function<void(TComponentImageReader&, TGridColumnItem&, TReferenceNames&)> Read;
};

const std::vector<TItemProperty>& ItemProperties();
// Throws EReadError for a name no item property has.
const TItemProperty& FindItemProperty(const std::string& Name);
