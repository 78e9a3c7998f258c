#include "grid/stringgrid/FooterPanel.h"

#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/FloatingFooter.h"
#include "platform/core/IntegerConversion.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/HintWindow.h"
#include "platform/ui/Messages.h"

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

int TFooterPanel::ColumnSpan(int X, int& Left, int& Right) const {
    TExStringGrid* grid = Grid();
    if (!grid || X < 0)
        return -1;
    Right = 0;
    const auto within = [&](int c) {
        Left = Right;
        Right += grid->ColWidths(c);
        return X < Right;
    };
    for (int c = 0; c < grid->FixedCols(); ++c)
        if (within(c))
            return c;
    for (int c = grid->LeftCol(); c < grid->ColCount(); ++c)
        if (within(c))
            return c;
    return -1;
}

int TFooterPanel::ColumnAt(int X) const {
    int left = 0;
    int right = 0;
    return ColumnSpan(X, left, right);
}

void TFooterPanel::WndProc(TMessage& Message) {
    TExStringGrid* grid = Grid();
    auto* info =
        Message.Msg == CM_HINTSHOW ? reinterpret_cast<THintInfo*>(Message.LParam) : nullptr;
    if (!info || !grid) {
        TPanel::WndProc(Message);
        return;
    }
    int left = 0;
    int right = 0;
    const int column = ColumnSpan(info->CursorPos.X, left, right);
    if (column >= 0) {
        FireEvent(grid->OnGridHint, grid, grid->RowCount() - 1, column, info->HintStr);
        info->CursorRect = TRect{left, 0, right, ClientHeight()};
    }
    Message.Result = ShowHint() ? 0 : 1;
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

void TFooterPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TPanel::MouseUp(Button, Shift, X, Y);
    TExStringGrid* grid = Grid();
    if (!grid)
        return;
    FireEvent(grid->OnClick, grid);
    FireEvent(grid->OnClickCell, grid, grid->RowCount() - 1, ColumnAt(X));
}

// --- painting ------------------------------------------------------------------------------------

void TFooterPanel::Fill(const TRect& R, TColor Color) {
    Canvas()->Brush()->SetColor(Color);
    Canvas()->Pen()->SetColor(Color);
    Canvas()->FillRect(R);
}

void TFooterPanel::Paint() {
    TExStringGrid* grid = Grid();
    if (!grid)
        return;
    const TFloatingFooter& footer = *grid->FloatingFooter();
    int right = 0;
    switch (footer.FooterStyle()) {
    case fsFixedLastRow:
        right = PaintColumnFooter();
        break;
    case fsColumnPreview:
        right = PaintColumnPreview();
        break;
    case fsCustomPreview:
        right = PaintCustomPreview();
        break;
    case fsCustomPaint:
        right = PaintCustomFooter();
        break;
    }
    if (footer.BorderColor() != clNone) {
        Canvas()->Pen()->SetColor(footer.BorderColor());
        Canvas()->MoveTo(0, 0);
        Canvas()->LineTo(right, 0);
    }
}

// The footer row painted as the grid paints a fixed cell, aligned with the columns on show.
int TFooterPanel::PaintColumnFooter() {
    TExStringGrid& grid = *Grid();
    const TRect client = ClientRect();
    const int width = FooterWidth();
    Fill(TRect{0, 0, width, client.Bottom}, grid.FloatingFooter()->Color());
    Fill(TRect{width, 0, client.Right, client.Bottom}, grid.Color());
    const int last = grid.RowCount() - 1;
    int left = 0;
    const auto paintCell = [&](int c, bool scrolling) {
        const TRect cell{left, client.Top, left + grid.ColWidths(c) - 1, client.Bottom};
        left = cell.Right + 1;
        if (scrolling) {
            const int real = grid.RealColIndex(c);
            if (grid.OnGetCellColor) {
                Canvas()->Brush()->SetColor(clNone);
                FireEvent(grid.OnGetCellColor, &grid, last, real, TGridDrawState{gdFixed},
                          Canvas()->Brush(), Canvas()->Font());
                if (Canvas()->Brush()->Color() != clNone)
                    Fill(cell, Canvas()->Brush()->Color());
            }
            if (grid.Colors(real, last) != clNone)
                Fill(cell, grid.Colors(real, last));
        }
        if (!grid.IsBaseCell(c, last))
            return;
        if (scrolling && grid.OnFooterPaint)
            FireEvent(grid.OnFooterPaint, this, c, Canvas(), cell);
        else
            grid.DrawCellContent(Canvas(), c, last, cell, TGridDrawState{gdFixed});
    };
    for (int c = 0; c < grid.FixedCols(); ++c)
        paintCell(c, false);
    for (int c = grid.LeftCol(); c < grid.ColCount(); ++c)
        paintCell(c, true);
    return left;
}

void TFooterPanel::PaintPreviewFrame() {
    TExStringGrid& grid = *Grid();
    const TRect client = ClientRect();
    const int width = FooterWidth();
    Fill(TRect{0, 0, width, client.Bottom}, grid.FloatingFooter()->Color());
    Fill(TRect{width, 0, client.Right, client.Bottom}, grid.Color());
    Canvas()->Pen()->SetColor(0x808080);
    Canvas()->MoveTo(0, client.Bottom - 1);
    Canvas()->LineTo(width - 1, client.Bottom - 1);
    Canvas()->LineTo(width - 1, -1);
    Canvas()->Pen()->SetColor(clWhite);
    Canvas()->MoveTo(width - 1, 0);
    Canvas()->LineTo(0, 0);
    Canvas()->LineTo(0, client.Bottom);
}

// The cell of the footer's column in the current row, shown as the current row changes.
int TFooterPanel::PaintColumnPreview() {
    TExStringGrid& grid = *Grid();
    PaintPreviewFrame();
    const TRect area{0, 0, FooterWidth(), ClientHeight()};
    const int column = grid.FloatingFooter()->Column();
    if (grid.OnFooterPaint) {
        FireEvent(grid.OnFooterPaint, this, column, Canvas(), area);
    } else {
        const TColor selectionText = grid.SelectionTextColor();
        grid.SetSelectionTextColor(clBlack);
        grid.DrawCellContent(Canvas(), column, grid.Row(), area, TGridDrawState{});
        grid.SetSelectionTextColor(selectionText);
    }
    return FooterWidth();
}

// The template filled from the current row, as plain text.
int TFooterPanel::PaintCustomPreview() {
    TExStringGrid& grid = *Grid();
    PaintPreviewFrame();
    const std::string text = grid.Designing()
                                 ? grid.FloatingFooter()->CustomTemplate()
                                 : ExpandTemplate(grid.FloatingFooter()->CustomTemplate());
    Canvas()->Brush()->SetStyle(bsClear);
    Canvas()->Font()->Assign(*grid.Font());
    Canvas()->TextOut(2, 2, text);
    return FooterWidth();
}

int TFooterPanel::PaintCustomFooter() {
    TExStringGrid& grid = *Grid();
    FireEvent(grid.OnFooterPaint, this, grid.FloatingFooter()->Column(), Canvas(), ClientRect());
    return ClientWidth();
}
