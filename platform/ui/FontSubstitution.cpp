#include "platform/ui/Font.h"

#include "platform/core/Text.h"

#include <array>

namespace {

struct Substitute {
    std::string_view DesignName;
    std::string_view Family;
};

// Windows fonts the designs name, and the family drawn for each on this system.
constexpr std::array<Substitute, 22> Substitutes{{
    {"MS Sans Serif", "DejaVu Sans"},    {"Microsoft Sans Serif", "DejaVu Sans"},
    {"MS Shell Dlg", "DejaVu Sans"},     {"MS Shell Dlg 2", "DejaVu Sans"},
    {"Tahoma", "DejaVu Sans"},           {"Verdana", "DejaVu Sans"},
    {"Segoe UI", "DejaVu Sans"},         {"Arial", "DejaVu Sans"},
    {"Arial Narrow", "DejaVu Sans"},     {"Calibri", "DejaVu Sans"},
    {"Trebuchet MS", "DejaVu Sans"},     {"Helvetica", "DejaVu Sans"},
    {"Small Fonts", "DejaVu Sans"},      {"System", "DejaVu Sans"},
    {"Courier New", "DejaVu Sans Mono"}, {"Courier", "DejaVu Sans Mono"},
    {"Consolas", "DejaVu Sans Mono"},    {"Lucida Console", "DejaVu Sans Mono"},
    {"Fixedsys", "DejaVu Sans Mono"},    {"Terminal", "DejaVu Sans Mono"},
    {"Times New Roman", "DejaVu Serif"}, {"Georgia", "DejaVu Serif"},
}};

} // namespace

std::string SubstituteFontName(std::string_view designName) {
    for (const Substitute& entry : Substitutes)
        if (SameText(entry.DesignName, designName))
            return std::string(entry.Family);
    return std::string(designName);
}
