// What a cell shows instead of its stored text: the display hook, a link made of the first URL in
// the text, and a node row's count of rows.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/ExUtil.h"
#include "grid/stringgrid/GridFormat.h"
#include "grid/stringgrid/Grouping.h"
#include "platform/core/Exception.h"

#include <string_view>

namespace {

// Only the first scheme found becomes a link, so a cell carries one link at most.
void LinkFirstURL(std::string& Value) {
    static constexpr std::string_view Schemes[] = {"HTTP://", "WWW.",    "MAILTO:", "HTTPS://",
                                                   "NNTP://", "FILE://", "FTP://"};
    for (const std::string_view scheme : Schemes) {
        std::string linked;
        if (LinkifyURL(Value, scheme, linked) && linked != Value) {
            Value = std::move(linked);
            return;
        }
    }
}

} // namespace

void TExStringGrid::GetDisplText(int ACol, int ARow, std::string& Value) const {
    TBaseGrid::GetDisplText(ACol, ARow, Value);
    if (URLShowInText())
        LinkFirstURL(Value);
    if (FGrouping->ShowGroupCount && ACol == 1)
        AppendGroupCount(ARow, Value);
}

void TExStringGrid::AppendGroupCount(int ARow, std::string& Value) const {
    auto& grid = const_cast<TExStringGrid&>(*this);
    if (!grid.IsNode(ARow))
        return;
    const int rows = grid.GetNodeSpan(ARow) - 1 - grid.GetSubNodeCount(ARow);
    const std::string& format = FGrouping->GroupCountFormat;
    if (format.empty()) {
        Value += " (" + std::to_string(rows) + ")";
        return;
    }
    // A format that takes no whole number shows the plain count rather than failing the paint.
    try {
        Value += FormatValues(format, {rows});
    } catch (const Exception&) {
        Value += " (" + std::to_string(rows) + ")";
    }
}
