#include "grid/stringgrid/CellAnchor.h"

#include "grid/foundation/ExUtil.h"

#include <array>
#include <cctype>

namespace {

constexpr std::string_view CellPrefix = "CELL://";

bool StartsWithNoCase(std::string_view Text, std::string_view Prefix) {
    if (Text.size() < Prefix.size())
        return false;
    for (size_t i = 0; i < Prefix.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(Text[i])) !=
            std::toupper(static_cast<unsigned char>(Prefix[i])))
            return false;
    return true;
}

bool IsWebLink(std::string_view Anchor) {
    // A web address needs something after its scheme; blanks and control characters never
    // belong in one, and a leading '-' could pass for an option of the opener.
    constexpr std::array<std::string_view, 3> schemes{"http://", "https://", "mailto:"};
    for (unsigned char ch : Anchor)
        if (ch <= ' ' || ch == 0x7F)
            return false;
    for (std::string_view scheme : schemes)
        if (StartsWithNoCase(Anchor, scheme) && Anchor.size() > scheme.size())
            return true;
    return false;
}

} // namespace

TCellAnchorTarget ClassifyCellAnchor(std::string_view Anchor, TPoint& Cell) {
    if (StartsWithNoCase(Anchor, CellPrefix)) {
        TPoint ref;
        if (!ParseRCRef(Anchor.substr(CellPrefix.size()), ref) || ref.X < 0 || ref.Y < 0)
            return TCellAnchorTarget::None;
        Cell = ref;
        return TCellAnchorTarget::Cell;
    }
    return IsWebLink(Anchor) ? TCellAnchorTarget::WebLink : TCellAnchorTarget::None;
}
