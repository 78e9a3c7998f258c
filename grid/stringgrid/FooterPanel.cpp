#include "grid/stringgrid/FooterPanel.h"

#include "grid/stringgrid/ExGrid.h"
#include "platform/core/IntegerConversion.h"

TExStringGrid* TFooterPanel::Grid() const {
    return dynamic_cast<TExStringGrid*>(Owner());
}

std::string TFooterPanel::ExpandTemplate(const std::string& Template) const {
    TExStringGrid* grid = Grid();
    std::string output;
    size_t at = 0;
    while (true) {
        const size_t tag = Template.find("<#", at);
        const size_t close = tag == std::string::npos ? tag : Template.find('>', tag + 2);
        if (close == std::string::npos)
            break;
        output.append(Template, at, tag - at);
        int column = 0;
        if (grid &&
            TryStrToInt(std::string_view(Template).substr(tag + 2, close - tag - 2), column))
            output += grid->Cells(column, grid->Row());
        at = close + 1;
    }
    output.append(Template, at, std::string::npos);
    return output;
}

int TFooterPanel::ColumnAt(int X) const {
    TExStringGrid* grid = Grid();
    if (!grid || X < 0)
        return -1;
    int right = 0;
    const auto within = [&](int c) {
        right += grid->ColWidths(c);
        return X < right;
    };
    for (int c = 0; c < grid->FixedCols(); ++c)
        if (within(c))
            return c;
    for (int c = grid->LeftCol(); c < grid->ColCount(); ++c)
        if (within(c))
            return c;
    return -1;
}

int TFooterPanel::FooterWidth() const {
    TExStringGrid* grid = Grid();
    if (!grid)
        return 0;
    int width = 0;
    for (int c = 0; c < grid->FixedCols(); ++c)
        width += grid->ColWidths(c);
    for (int c = grid->LeftCol(); c < grid->ColCount(); ++c)
        width += grid->ColWidths(c);
    return width;
}
