#include "grid/stringgrid/RtfCellLayout.h"

#include "grid/stringgrid/RtfCellText.h"
#include "platform/ui/Canvas.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

namespace {

// Half points at 96 pixels per inch, rounded.
int HalfPointsToPixels(int HalfPoints) {
    const int scaled = HalfPoints * 2; // 96 / 72 pixels a point, half of it a half point
    return scaled >= 0 ? (scaled + 1) / 3 : -((-scaled + 1) / 3);
}

} // namespace

TRtfCellLayout::TRtfCellLayout(TCanvas& Canvas, const TRtfRuns& Runs, TFontSizer SizeRunFont,
                               int WrapWidth)
    : FSizeRunFont(std::move(SizeRunFont)) {
    FBaseFont.Assign(*Canvas.Font());
    TFont measuring;
    const TRtfCharFormat* measuringFormat = nullptr;
    const auto textWidth = [&](const TRtfCharFormat& Format, std::string_view Text) {
        if (measuringFormat != &Format) {
            ApplyRunFont(measuring, Format);
            Canvas.Font()->Assign(measuring);
            measuringFormat = &Format;
        }
        return Canvas.TextWidth(std::string(Text));
    };
    for (const TRtfRuns& paragraph : RtfCellLines(Runs)) {
        if (WrapWidth <= 0) {
            AddLine(Canvas, paragraph);
            continue;
        }
        for (const TRtfRuns& line : WrapRtfCellLine(paragraph, WrapWidth, textWidth))
            AddLine(Canvas, line);
        measuringFormat = nullptr;
    }
    Canvas.Font()->Assign(FBaseFont);
}

void TRtfCellLayout::AddLine(TCanvas& Canvas, const TRtfRuns& Runs) {
    TFont measuring;
    TLine line;
    int above = 0; // room over the shared base line
    int below = 0; // room a lowered run needs under it
    int left = 0;
    for (const TRtfRun& run : Runs) {
        ApplyRunFont(measuring, run.Format);
        Canvas.Font()->Assign(measuring);
        const int raise = HalfPointsToPixels(run.Format.OffsetHalfPoints);
        const int height = Canvas.TextHeight(run.Text);
        above = std::max(above, height + raise);
        below = std::max(below, -raise);
        // The top is set once the line's base line is known.
        line.Pieces.push_back({run, left, height + raise});
        left += Canvas.TextWidth(run.Text);
    }
    if (line.Pieces.empty()) {
        Canvas.Font()->Assign(FBaseFont);
        above = Canvas.TextHeight("gh");
    }
    for (TPiece& piece : line.Pieces)
        piece.Top = above - piece.Top;
    line.Height = above + below;
    FExtent.X = std::max(FExtent.X, left);
    FExtent.Y += line.Height;
    FLines.push_back(std::move(line));
}

void TRtfCellLayout::ApplyRunFont(TFont& Font, const TRtfCharFormat& Format) const {
    Font.Assign(FBaseFont);
    if (!Format.FontName.empty())
        Font.SetName(Format.FontName);
    if (Format.SizeHalfPoints > 0) {
        Font.SetHeight(-std::max(1, HalfPointsToPixels(Format.SizeHalfPoints)));
        if (FSizeRunFont)
            FSizeRunFont(Font);
    }
    if (Format.Color)
        Font.SetColor(static_cast<TColor>(*Format.Color));
    TFontStyles style;
    if (Format.Bold)
        style = style + TFontStyles{fsBold};
    if (Format.Italic)
        style = style + TFontStyles{fsItalic};
    if (Format.Underline)
        style = style + TFontStyles{fsUnderline};
    if (Format.StrikeOut)
        style = style + TFontStyles{fsStrikeOut};
    Font.SetStyle(style);
}

void TRtfCellLayout::Draw(TCanvas& Canvas, const TRect& Rect, TColor TextColor) const {
    Canvas.SaveState();
    Canvas.IntersectClipRect(Rect);
    Canvas.Brush()->SetStyle(bsClear);
    TFont font;
    int top = Rect.Top;
    for (const TLine& line : FLines) {
        if (top >= Rect.Bottom)
            break;
        for (const TPiece& piece : line.Pieces) {
            ApplyRunFont(font, piece.Run.Format);
            if (TextColor != clNone)
                font.SetColor(TextColor);
            Canvas.Font()->Assign(font);
            Canvas.TextOut(Rect.Left + piece.Left, top + piece.Top, piece.Run.Text);
        }
        top += line.Height;
    }
    Canvas.RestoreState();
}
