#pragma once

#include "platform/ui/Panel.h"

#include <string>

class TExStringGrid;

// The panel under the cells that shows the floating footer: a bottom-aligned strip, sized by
// the footer settings, whose columns line up with the grid's columns on show.
class TFooterPanel : public TPanel {
public:
    using TPanel::TPanel;

    // The template with every "<#n>" replaced by the text of column n in the current row; a
    // tag whose n is no integer is dropped, and a "<#" without ">" is kept as plain text.
    std::string ExpandTemplate(const std::string& Template) const;
    // The column under panel coordinate X: the fixed columns, then those from LeftCol on;
    // -1 beyond the last.
    int ColumnAt(int X) const;
    // Width of the columns on show: the fixed ones and those from LeftCol on.
    int FooterWidth() const;
    // Asked for a hint, the panel lets the grid's OnGridHint word it for the footer row's cell
    // under the mouse; the hint belongs to that cell, so moving to another asks again.
    void WndProc(TMessage& Message) override;

protected:
    // The painter of the footer style, then the border line across the top.
    void Paint() override;
    // A click on the footer is a click on the grid's footer row, in the column under it.
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    TExStringGrid* Grid() const;
    // The column under X with its left and right edges; -1 beyond the last column.
    int ColumnSpan(int X, int& Left, int& Right) const;
    // Each painter answers the x at which its painted area ends.
    int PaintColumnFooter();
    int PaintColumnPreview();
    int PaintCustomPreview();
    int PaintCustomFooter();
    // The footer area in the footer colour with a raised frame, the rest in the grid's colour.
    void PaintPreviewFrame();
    void Fill(const TRect& R, TColor Color);
};
