#pragma once

#include "platform/core/RtfText.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Font.h"
#include "platform/ui/Types.h"

#include <functional>
#include <vector>

class TCanvas;

// A rich-text cell laid out as its editor shows it: line by line from the top left, each run in
// the font, size, style, colour and raise it carries. What a run leaves unset (font name, size,
// colour) comes from the font the cell would be drawn in, which is already sized for the screen
// or paper; a size the run sets is sized the same way by SizeRunFont (zoom, print scale).
class TRtfCellLayout {
public:
    using TFontSizer = std::function<void(TFont& Font)>;

    // A WrapWidth above 0 breaks the lines between words to that width, as a cell with word wrap
    // shows them; 0 keeps each paragraph on one line.
    TRtfCellLayout(TCanvas& Canvas, const TRtfRuns& Runs, TFontSizer SizeRunFont,
                   int WrapWidth = 0);

    // Width of the widest line and height of all lines.
    TPoint Extent() const { return FExtent; }

    // Draws the lines from the top left of Rect, clipped to it. A TextColor other than clNone
    // colours every run, as a selected cell shows its text.
    void Draw(TCanvas& Canvas, const TRect& Rect, TColor TextColor) const;

private:
    struct TPiece {
        TRtfRun Run;
        int Left = 0; // from the line's left
        int Top = 0;  // from the line's top
    };
    struct TLine {
        std::vector<TPiece> Pieces;
        int Height = 0;
    };

    void AddLine(TCanvas& Canvas, const TRtfRuns& Runs);
    void ApplyRunFont(TFont& Font, const TRtfCharFormat& Format) const;

    TFont FBaseFont;
    TFontSizer FSizeRunFont;
    std::vector<TLine> FLines;
    TPoint FExtent{0, 0};
};
