#pragma once

// The state of one print or preview pass of the string grid, kept until the next pass so the
// column layout can be read afterwards.
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/ExGridTypes.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

#include <cmath>
#include <vector>

struct TExStringGrid::TPrintPass {
    // 0.1 mm per screen pixel: canvases draw in screen pixels, the printer's too.
    static constexpr double ScreenFactor = 254.0 / TFont::PixelsPerInch;
    static int ToPaper(double Pixels) {
        return static_cast<int>(std::lrint(Pixels * ScreenFactor));
    }
    static int ToPixels(double Paper) { return static_cast<int>(std::lrint(Paper / ScreenFactor)); }

    TCanvas* Canvas = nullptr;
    TPrintPagesMode Mode = ppmCountPreview;
    bool SelectedOnly = false;
    bool Previewing = false;
    TGridRect Rect{};   // display columns and rows printed
    TRect PageRect{};   // the page on the canvas, in its pixels
    int PageWidth = 0;  // 0.1 mm
    int PageHeight = 0; // 0.1 mm, negative
    double Fit = 1.0;
    int ColumnSpacing = 0;
    int LineGap = 0;    // g: one eighth of the print font's line height
    int TextMargin = 0; // x0: half the width of "g"
    int HeaderLineHeight = 0;
    int FooterLineHeight = 0;
    int HeaderHeight = 0; // Th
    int FooterHeight = 0; // Tf, negative distance from the page bottom upwards
    int StripWidth = 0;
    int ColStart = 0;
    int ColEnd = 0;
    bool RepeatCols = false;
    bool MultipleStrips = false;
    bool Cancelled = false;
    int PageIndex = 0;
    int PageInStrip = 0;
    int StripNumber = 1;
    TGridExportState ExportState = esExportNewRow;
    int CachedRow = -1;
    int CachedRowHeight = 0;
    TPen Pen; // page borders; width in 0.1 mm
    std::vector<int> ColWidths;
    std::vector<int> ColPositions;

    bool Drawing() const { return Mode == ppmDrawPreview || Mode == ppmPrint; }
    int X(int PaperX) const { return PageRect.Left + ToPixels(PaperX); }
    int Y(int PaperY) const { return PageRect.Top + ToPixels(-PaperY); }
    // A rectangle on paper (top above bottom) on the canvas.
    TRect ToCanvas(int Left, int Top, int Right, int Bottom) const {
        return TRect{X(Left), Y(Top), X(Right), Y(Bottom)};
    }
    void EnsureColumns(int Count) {
        if (static_cast<int>(ColWidths.size()) < Count) {
            ColWidths.resize(Count, 0);
            ColPositions.resize(Count + 1, 0);
        }
    }
};
