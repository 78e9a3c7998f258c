// How much room a cell's text takes, in the font and with the margins it is drawn with: the
// measure behind automatic sizing and the auto-range cell scroll bars.
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/RtfCellText.h"

#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExUtil.h"
#include "grid/stringgrid/CanvasStateKeeper.h"
#include "grid/stringgrid/LayoutRounding.h"
#include "grid/stringgrid/RtfCellLayout.h"
#include "platform/core/RtfText.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The box a text of Size takes when turned by Angle degrees, with the room the rotated text is
// placed with.
TPoint RotatedExtent(TPoint Size, int Angle) {
    const double a = Angle * std::numbers::pi / 180.0;
    const auto product = [](double v) { return RoundHalfEven(v); };
    return TPoint{
        std::abs(product(Size.X * std::cos(a))) + std::abs(product(Size.Y * std::sin(a))) + 12,
        std::abs(product(Size.X * std::sin(a))) + std::abs(product(Size.Y * std::cos(a))) + 12};
}

} // namespace

TPoint TExStringGrid::GetCellTextSize(int ACol, int ARow) {
    return MeasureCellText(ACol, RealToDisplCol(ACol), ARow, false, false);
}

TPoint TExStringGrid::MeasureCellText(int ACol, int DCol, int ARow, bool VS, bool SB) {
    TCanvas* canvas = Canvas();
    if (!canvas || ACol < 0 || ARow < 0 || ARow >= RowCount())
        return TPoint{0, 0};
    TCanvasStateKeeper keeper(canvas);

    std::string text = GetFormattedCell(ACol, ARow);
    int kind = GetTextKind(text, EnableHTML);
    TGridDrawState state;
    TColor colorTo = clNone, mirrorColor = clNone, mirrorColorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool wordWrap = FWordWrapEx;
    TCellGradientDirection gradient{};
    if (DCol >= 0 && DCol < ColCount())
        GetVisualProperties(DCol, ARow, state, FPrintingCells, false, true, canvas->Brush(),
                            colorTo, mirrorColor, mirrorColorTo, canvas->Font(), ha, va, wordWrap,
                            gradient);
    const bool fixed = DCol < FixedCols() || ARow < FixedRows();
    if (fixed && !FPrintingCells && FActiveCellShow && FActiveCellFont &&
        FActiveCellFont->Style().Contains(fsBold))
        canvas->Font()->SetStyle(canvas->Font()->Style() + TFontStyles{fsBold});
    SizeCellFont(canvas->Font());
    if (kind == tkFormula) {
        GetCalculatedCell(ACol, ARow, text);
        kind = GetTextKind(text, EnableHTML);
    }

    // The cell's own size, not its place on screen: a cell scrolled out of view measures the
    // same as one on show.
    const int width = DCol >= 0 && DCol < ColCount() ? ColWidths(DCol) : DefaultColWidth();
    TRect r{0, 0, width, RowHeights(ARow)};
    if (XYOffsetTopLeftOnly) {
        r.Left += FXYOffset.X;
        r.Top += FXYOffset.Y;
    } else
        InflateRect(r, -FXYOffset.X, -FXYOffset.Y);
    if (SB)
        r.Right -= 17;

    if (kind == tkHTML) {
        if (!VS) {
            r.Right = 65535;
            r.Bottom = 65535;
        }
        std::string anchor, stripped, focusAnchor, anchorTitle, controlID, controlValue,
            controlType;
        int xSize = 0, ySize = 0, hyperLinks = 0, mouseLink = 0;
        TRect hoverRect, controlRect;
        RenderHTML(canvas, text, r, nullptr, 0, 0, -1, -1, 1, false, true, false, false, false,
                   false, VS, false, 1.0, URLColor(), clNone, clNone, clGray, anchor, stripped,
                   focusAnchor, anchorTitle, xSize, ySize, hyperLinks, mouseLink, hoverRect,
                   controlRect, controlID, controlValue, controlType, ImageCache(),
                   PictureContainer, this, 0);
        return TPoint{xSize + 2, ySize + 2};
    }

    // Rich text measures as its runs show, in their own fonts; like its editor, it takes 4 pixels
    // more than its lines when the height is asked for. Asked for the height of a cell that
    // wraps, it wraps as the drawing does: at the text's width inside the cell's grid lines
    // (a fixed cell loses one pixel at the right and its line width at the left).
    if (kind == tkRTF) {
        const int lines = fixed ? 1 + GridLineWidth() : 2 * GridLineWidth();
        const int wrapWidth =
            VS && (wordWrap || Multilinecells) ? std::max(1, r.Right - r.Left - lines) : 0;
        const TPoint extent =
            TRtfCellLayout(
                *canvas, RtfCellRuns(text), [this](TFont& Font) { SizeCellFont(&Font); }, wrapWidth)
                .Extent();
        return VS ? TPoint{extent.X, extent.Y + 4} : extent;
    }
    int angle = 0;
    const bool rotated = IsRotated(ACol, ARow, angle);

    TPoint size{0, 0};
    if (VS) {
        InflateRect(r, -2, -2);
        if (EditMode && ACol == RealColIndex(Col()) && ARow == Row() && !text.empty() &&
            text.back() == '\n')
            text += "w";
        unsigned format = DT_CALCRECT | DT_NOPREFIX | DT_EDITCONTROL | DT_EXPANDTABS;
        format |= rotated ? DT_SINGLELINE : DT_WORDBREAK;
        TRect measured = r;
        measured.Right = std::max(measured.Right, measured.Left);
        size.Y = text.empty() ? 0 : canvas->DrawText(text, measured, format);
        size.X = measured.Right - measured.Left;
    } else {
        const bool stripScheme = URLShow() && !URLFull && IsURL(text);
        const int lines = CountLines(text, Multilinecells);
        std::string rest = text;
        for (int i = 0; i < lines; ++i) {
            std::string line;
            if (Multilinecells)
                ExtractFirstLine(rest, true, line);
            else
                line = rest;
            if (stripScheme)
                StripURLScheme(line);
            size.X = std::max(size.X, canvas->TextWidth(line));
        }
        size.Y = canvas->TextHeight("gh") * lines;
    }
    if (rotated)
        size = RotatedExtent(size, angle);
    return size;
}
