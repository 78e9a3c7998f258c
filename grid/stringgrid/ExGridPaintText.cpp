// The text of one cell: selection colours, margins, room for the graphic, then mini-HTML through
// the HTML renderer, or plain text with the grid's alignment, word wrap and link look.
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/RtfCellText.h"

#include "grid/foundation/CellGraphics.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExUtil.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/RtfCellLayout.h"
#include "platform/core/RtfText.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace {
// Every kind but plain text starts with '=', '|' or '{' or holds a tag; most cells are plain.
int TextKindOf(std::string_view Text, bool AllowHTML) {
    if (Text.empty() || (Text[0] != '=' && Text[0] != '|' && Text[0] != '{' &&
                         Text.find('<') == std::string_view::npos))
        return tkPlain;
    return GetTextKind(Text, AllowHTML);
}

// True when the text surely fits Width on one line without shaping it: the sum of the ASCII
// characters' own advances with a pixel to spare for every four of them (kerning only moves
// glyphs by fractions of that), and each byte of a character beyond ASCII as wide as the widest
// ASCII character. Kept per font, on the UI thread that paints.
bool SurelyFits(const TCanvas& Canvas, std::string_view Text, int Width) {
    struct FontAdvances {
        std::string Name;
        int Size = 0;
        TFontStyles Style;
        bool Valid = false;
        std::array<int, 128> Advance{};
        int Widest = 0;
    };
    static FontAdvances cached;
    const TFont& font = *Canvas.Font();
    if (!cached.Valid || cached.Size != font.Size() || cached.Style != font.Style() ||
        cached.Name != font.Name()) {
        cached.Name = font.Name();
        cached.Size = font.Size();
        cached.Style = font.Style();
        cached.Widest = 0;
        for (int ch = 0; ch < 128; ++ch) {
            cached.Advance[ch] = ch < ' ' ? 0 : Canvas.TextWidth(std::string(1, char(ch)));
            cached.Widest = std::max(cached.Widest, cached.Advance[ch]);
        }
        cached.Valid = true;
    }
    int64_t width = static_cast<int64_t>(Text.size() + 3) / 4;
    for (const char ch : Text) {
        const auto byte = static_cast<unsigned char>(ch);
        width += byte < 128 ? cached.Advance[byte] : cached.Widest;
    }
    return width <= Width;
}

// The line a single-line cell shows.
std::string FirstLineOf(const std::string& Text) {
    return Text.substr(0, Text.find_first_of("\r\n"));
}
} // namespace

void TExStringGrid::DrawCellText(TCellDrawContext& Ctx) {
    TCanvas* canvas = Ctx.Canvas;
    TColor linkColor = URLColor();
    if (Ctx.State.Contains(gdSelected) && !IsFixed(Ctx.DisplCol, Ctx.Row)) {
        if (FShowSelection) {
            if (FSelectionColor != clNone)
                canvas->Brush()->SetColor(FSelectionColor);
            if (FSelectionTextColor != clNone && Enabled())
                canvas->Font()->SetColor(FSelectionTextColor);
            linkColor = FSelectionTextColor;
        }
    }

    std::string text = GetFormattedCell(Ctx.RealCol, Ctx.Row);
    Ctx.TextKind = TextKindOf(text, EnableHTML);
    if (Ctx.TextKind == tkFormula) {
        GetCalculatedCell(Ctx.RealCol, Ctx.Row, text);
        Ctx.TextKind = TextKindOf(text, EnableHTML);
    }
    // A rich-text cell shows its runs in their own formats; a password cell hides them as any
    // other text.
    TRtfRuns richRuns;
    if (Ctx.TextKind == tkRTF) {
        richRuns = RtfCellRuns(text);
        text = RtfPlainText(richRuns);
        Ctx.TextKind = tkPlain;
    }
    bool password = false;
    CheckPasswordCell(Ctx.RealCol, Ctx.Row, password);
    if (password) {
        FillText(text, PasswordChar);
        richRuns.clear();
    }

    TRect r = Ctx.Rect;
    if (IsFixed(Ctx.DisplCol, Ctx.Row)) {
        r.Left += GridLineWidth();
        r.Top += GridLineWidth();
    }
    DrawFilterButton(Ctx, r);
    DrawCellBackGround(Ctx, r);
    DrawSelectionRectangle(Ctx, r);
    if (!Ctx.DrawText)
        return;

    r.Left += FXYOffset.X;
    r.Top += FXYOffset.Y;
    if (!XYOffsetTopLeftOnly)
        r.Right -= FXYOffset.X;
    if (Ctx.Graphic) {
        if (Ctx.GraphicHAlign == haBeforeText)
            r.Left += Ctx.GraphicWidth;
        else if (Ctx.GraphicHAlign == haAfterText)
            r.Right -= Ctx.GraphicWidth;
        if (Ctx.GraphicVAlign == vaAboveText)
            r.Top += Ctx.GraphicHeight;
        else if (Ctx.GraphicVAlign == vaUnderText)
            r.Bottom -= Ctx.GraphicHeight;
    }
    if (Ctx.RealCol == 0 && HasNodes() && !IsNode(Ctx.Row))
        r.Left += GetRowIndent(Ctx.Row);

    // The sort indicator stands beside the text; a graphic on the left moves it further right.
    const bool sortIndicator = ShowsSortIndicator(Ctx.RealCol, Ctx.Row);
    const int indicatorY = Ctx.VAlign == vtaTop      ? Ctx.Rect.Top + 8
                           : Ctx.VAlign == vtaBottom ? Ctx.Rect.Bottom - 8
                                                     : (Ctx.Rect.Top + Ctx.Rect.Bottom) / 2;
    const int indicatorOffset = Ctx.Graphic && Ctx.GraphicHAlign == haLeft ? Ctx.GraphicWidth : 0;

    if (!richRuns.empty()) {
        // Wrapped as plain text wraps: with word wrap or lines of their own.
        const bool wrap = Ctx.WordWrap || Multilinecells;
        const TRtfCellLayout layout(
            *canvas, richRuns, [this](TFont& Font) { SizeCellFont(&Font); },
            wrap ? std::max(1, r.Right - r.Left) : 0);
        const bool selectedLook = Ctx.State.Contains(gdSelected) &&
                                  !IsFixed(Ctx.DisplCol, Ctx.Row) && FShowSelection && Enabled();
        layout.Draw(*canvas, r, selectedLook ? FSelectionTextColor : clNone);
        Ctx.TextWidth = layout.Extent().X + 2;
        Ctx.TextHeight = layout.Extent().Y;
        if (sortIndicator)
            DrawSortIndicator(canvas, Ctx.RealCol,
                              std::min(r.Right - 6, r.Left + layout.Extent().X + 10), indicatorY);
    } else if (Ctx.TextKind == tkHTML) {
        r.Left -= 1;
        if (sortIndicator)
            r.Right -= 10;
        std::string anchor, stripped, focusAnchor, anchorTitle, controlID, controlValue,
            controlType;
        int xSize = 0, ySize = 0, hyperLinks = 0, mouseLink = 0;
        TRect hoverRect, controlRect;
        // Mark-up lays its runs out from the left itself: it draws unmirrored where the cell
        // shows.
        const bool mirrored = CanvasMirrored(canvas);
        const TRect html = CanvasScreenRect(canvas, r);
        SuspendCanvasMirror(canvas, true);
        RenderHTML(canvas, text, html, nullptr, html.Left, html.Top, -1, -1, 1, false, false, false,
                   Ctx.State.Contains(gdSelected), false, URLUnderlineOnHover, !EnhTextSize, false,
                   1.0, linkColor, clNone, clNone, clGray, anchor, stripped, focusAnchor,
                   anchorTitle, xSize, ySize, hyperLinks, mouseLink, hoverRect, controlRect,
                   controlID, controlValue, controlType, ImageCache(), PictureContainer, this,
                   BiDiMode());
        if (mirrored)
            SuspendCanvasMirror(canvas, false);
        Ctx.TextWidth = xSize + 2;
        if (sortIndicator)
            DrawSortIndicator(canvas, Ctx.RealCol, r.Right + 2, indicatorY);
    } else {
        const bool link = URLShow() && IsURL(Cells(Ctx.RealCol, Ctx.Row));
        if (link) {
            if (!URLFull)
                StripURLScheme(text);
            canvas->Font()->SetStyle(canvas->Font()->Style() + TFontStyles{fsUnderline});
            canvas->Font()->SetColor(linkColor);
        }
        int indicatorX = 0;
        if (sortIndicator) {
            if (Ctx.HAlign == taCenter) {
                r.Left += 10;
                indicatorX = r.Left - 2;
            } else {
                const int q = std::max(
                    0, std::min(r.Right - r.Left - 16, canvas->TextWidth(FirstLineOf(text))));
                indicatorX = Ctx.HAlign == taRightJustify ? r.Right - q - 10
                                                          : r.Left + q + indicatorOffset + 10;
            }
        }
        DrawPlainCellText(Ctx, std::move(text), r);
        if (sortIndicator)
            DrawSortIndicator(canvas, Ctx.RealCol, indicatorX, indicatorY);
        if (link)
            canvas->Font()->SetStyle(canvas->Font()->Style() - TFontStyles{fsUnderline});
    }
}

void TExStringGrid::DrawPlainCellText(TCellDrawContext& Ctx, std::string Text, TRect R) {
    TCanvas* canvas = Ctx.Canvas;
    unsigned format = DT_EDITCONTROL;
    if (CountLines(Text, Multilinecells) == 1 && !Ctx.WordWrap) {
        std::string line;
        ExtractFirstLine(Text, false, line);
        Text = std::move(line);
        format = DT_SINGLELINE;
        if (EnhTextSize)
            format |= DT_END_ELLIPSIS;
    }
    if (Ctx.WordWrap && !Multilinecells && EnhTextSize)
        format |= DT_END_ELLIPSIS;
    format |= DT_EXPANDTABS | DT_NOPREFIX;
    switch (Ctx.HAlign) {
    case taRightJustify:
        format |= DT_RIGHT;
        break;
    case taCenter:
        format |= DT_CENTER;
        break;
    default:
        break;
    }
    switch (Ctx.VAlign) {
    case vtaCenter:
        format |= DT_VCENTER;
        break;
    case vtaBottom:
        format |= DT_BOTTOM;
        break;
    default:
        break;
    }
    if (Ctx.WordWrap || Multilinecells)
        format |= DT_WORDBREAK | DT_EDITCONTROL;
    else
        format |= DT_SINGLELINE;

    // Wrapping measures word by word; a line that fits the rectangle wraps to itself, so it is
    // drawn as the single line it is, at the top as wrapped text stands.
    if ((format & DT_WORDBREAK) && !(format & DT_END_ELLIPSIS) &&
        Text.find_first_of("\r\n\t") == std::string::npos &&
        (SurelyFits(*canvas, Text, R.Right - R.Left) ||
         canvas->TextWidth(Text) <= R.Right - R.Left))
        format = (format & ~(DT_WORDBREAK | DT_VCENTER | DT_BOTTOM)) | DT_SINGLELINE;

    canvas->Brush()->SetStyle(bsClear);
    if (Ctx.FilterButton)
        R.Right -= 16;
    if (Ctx.Graphic && !Text.empty()) {
        TRect measured = R;
        canvas->DrawText(Text, measured, format | DT_CALCRECT);
        Ctx.TextWidth = measured.Right - measured.Left + 2;
    }
    if (!Text.empty())
        canvas->DrawText(Text, R, format);
    Ctx.TextHeight = canvas->TextHeight("hg");
    int errPos = 0, errLen = 0;
    GetMarker(Ctx.RealCol, Ctx.Row, errPos, errLen);
    if (errLen > 0 && Ctx.Graphic &&
        (Ctx.Graphic->CellType == ctEmpty || Ctx.Graphic->CellType == ctValue))
        DrawErrorUnderline(this, canvas, Text, R, Ctx.TextHeight, errPos, errLen);
    canvas->Brush()->SetStyle(bsSolid);
}

// The frame around the selected range, drawn on the cells at its edges, with the resizer square
// in its bottom-right cell.
void TExStringGrid::DrawSelectionRectangle(TCellDrawContext& Ctx, const TRect& R) {
    const int col = Ctx.DisplCol;
    const int row = Ctx.Row;
    TGridRect s = Selection();
    if (!FSelectionRectangle || !s.Contains(col, row) || IsFixed(col, row))
        return;
    if (IsMergedCell(col, row)) {
        const TPoint base = BaseCell(s.Left, s.Top);
        s = TGridRect{base.X, base.Y, base.X, base.Y};
    }
    TCanvas* canvas = Ctx.Canvas;
    const int w = GridLineWidth();
    const int right = s.Right == col ? R.Right - 1 : R.Right;
    canvas->Pen()->SetColor(SelectionRectangleColor);
    canvas->Pen()->SetWidth(2);
    auto line = [canvas](int x1, int y1, int x2, int y2) {
        canvas->MoveTo(x1, y1);
        canvas->LineTo(x2, y2);
    };
    if (s.Left == col)
        line(R.Left - w + 1, R.Bottom, R.Left - w + 1, R.Top - w);
    if (s.Right == col)
        line(R.Right - 1, R.Bottom, R.Right - 1, R.Top - w);
    if (s.Top == row)
        line(R.Left - w, R.Top - w + 1, right, R.Top - w + 1);
    if (s.Bottom == row)
        line(R.Left - w, R.Bottom, right, R.Bottom);
    if (FSelectionResizer && s.Right == col && s.Bottom == row) {
        const TColor brush = canvas->Brush()->Color();
        const TRect cell = CellRect(col, row);
        canvas->Brush()->SetColor(SelectionRectangleColor);
        canvas->FillRect(TRect{R.Right - 4, R.Bottom - 4, cell.Right, cell.Bottom});
        canvas->Brush()->SetColor(brush);
    }
    canvas->Pen()->SetWidth(1);
}
