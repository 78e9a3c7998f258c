#pragma once

// The mini-HTML renderer's layout of one call, shared by its files: the line loop and text runs
// (EsgHTMLERender.cpp), tags (EsgHTMLERenderTags.cpp), pictures and in-text controls
// (EsgHTMLEElements.cpp) and hit testing (EsgHTMLEHitTest.cpp).

#include "grid/foundation/EsgHTMLE.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

class THTMLPicture;

#include <string>
#include <string_view>

namespace HTMLLayout {

struct FontState {
    std::string Name;
    int Height = 0;
    TFontStyles Style;
    TColor Color = clBlack;
};

// What tags switch on and off; carried from line to line.
struct StyleState {
    FontState Font;
    TColor Background = clNone;
    bool Subscript = false, Superscript = false, Shadow = false, Hidden = false;
    bool ErrorMark = false, Blink = false;
    bool ParagraphBackground = false;
    TColor ParagraphColor = clNone;
    TColor SavedFontBackground = clNone;
    bool Highlighted = false;
    TColor SavedHighlightBackground = clNone, SavedHighlightColor = clNone;
    TColor SavedHoverBackground = clNone, SavedHoverColor = clNone;
    bool HoverApplied = false;
    int AnchorCount = 0;
    std::string HRef, Title;
    bool InAnchor = false;
    bool AnchorUnderPoint = false;
    int AnchorStartX = 0, AnchorTop = 0;
    bool FocusOpen = false;
    int FocusStartX = 0;
    int ListLevel = 0;
    int ImageCount = 0;
    int Rotation = 0; // tenths of a degree, counter-clockwise
    int Align = 0;    // 0 left, 1 right, 2 centre
    int Indent = 0;
};

struct LineState {
    TRect R;
    int X = 0;
    int Width = 0;
    int Height = 0;
    int GhHeight = 0;
    int SubRoom = 0, SupRoom = 0;
    int ImageOffset = 0;
    int TrailingBlank = 0;
    bool HasContent = false;
    bool EndsWithBlank = true;
    bool ListItemPlaced = false;
    // A line read from the right keeps its layout from the left and lands mirrored within its
    // own extent: what lies at X with width W is drawn at MirrorSum - X - W.
    bool Mirrored = false;
    int MirrorSum = 0;
    bool FoundAnchor = false;
    bool FoundElement = false;
    std::string Own;
};

// Sums of widths and heights saturate far below integer overflow.
int AddExtents(int A, int B);

// How text runs are drawn and measured: on the run's bottom, one line, tabs expanded.
constexpr unsigned RunFormat = DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | DT_EXTERNALLEADING;

enum class Pass { Measure, Position };

// What a tag does to the line being laid out.
enum class TagEffect { Continue, EndLine, EndLineBeforeTag };

struct Call {
    TCanvas* Canvas;
    TRect Area;
    const TImageList* Images;
    int XPos, YPos, FocusLink, HoverLink, ShadowOffset;
    bool CheckAnchor, CheckHeight, PrintMode, Selected, BlinkOn, HoverUnderline, WordWrap;
    bool ControlDown;
    double ResFactor;
    TColor URLColor, HoverColor, HoverFontColor, ShadowColor;
    std::string &AnchorVal, &StripVal, &FocusAnchor, &AnchorTitle;
    int &XSize, &YSize, &HyperLinks, &MouseLink;
    TRect &HoverRect, &ControlRect;
    std::string &ControlID, &ControlValue, &ControlType;
    THTMLPictureCache* ImageCache;
    TPictureContainer* Container;
    const TControl* OwnerWindow;
    // Right-to-left reading (the runs of a line ordered from the right, DT_RTLREADING on each),
    // and whether left and right line alignments change places as well.
    bool RightToLeftReading;
    bool MirrorAlignment;

    FontState BaseFont;
    TColor StartBackground = clNone;
    bool Themed = false;
    int ImageUnderPoint = -1;
    bool Result = false;
};

class Layout {
public:
    explicit Layout(Call& C) : c(C) {}
    void Run(const std::string& Text);

private:
    // One line: consumes it from the front of Text and keeps its own text in Line.Own.
    void WalkLine(std::string_view& Text, LineState& Line, StyleState& S, Pass P);
    bool PlaceRun(std::string_view& Text, LineState& Line, StyleState& S, Pass P);
    TagEffect ApplyTag(std::string_view Tag, LineState& Line, StyleState& S, Pass P);
    TagEffect OpeningTag(std::string_view Tag, const std::string& Upper, LineState& Line,
                         StyleState& S, Pass P);
    TagEffect ClosingTag(const std::string& Upper, LineState& Line, StyleState& S, Pass P);
    void AnchorStart(std::string_view Tag, LineState& Line, StyleState& S, Pass P);
    void AnchorEnd(LineState& Line, StyleState& S, Pass P);
    void FontTag(const std::string& Upper, StyleState& S, Pass P);
    void ParagraphTag(const std::string& Upper, LineState& Line, StyleState& S, Pass P);
    void ListItem(LineState& Line, StyleState& S, Pass P);
    int RunWidth(const std::string& Run, const LineState& Line) const;
    void DrawRun(const std::string& Run, int RunWidth, LineState& Line, StyleState& S);

    // Pictures and controls (EsgHTMLEElements.cpp).
    TagEffect Image(std::string_view Tag, const std::string& Upper, LineState& Line, StyleState& S,
                    Pass P);
    TagEffect Control(std::string_view Tag, LineState& Line, StyleState& S, Pass P);
    void Body(std::string_view Tag, const std::string& Upper, StyleState& S, Pass P);
    // The picture a source names: in the container, or by URL in the cache.
    THTMLPicture* FindPicture(const std::string& Source) const;
    // Whether an element of Width fits the line; one on an empty line always does.
    bool Fits(const LineState& Line, int Width, Pass P) const;
    void Place(LineState& Line, int Width, int Height);

    // Hit testing (EsgHTMLEHitTest.cpp).
    bool ElementUnderPoint(const LineState& Line, int Width, int Height) const;
    void HitTestRun(int Before, LineState& Line, StyleState& S, Pass P);
    void HitTestImage(int Number, int Width, int Height, LineState& Line, StyleState& S, Pass P);
    void HitTestControl(const std::string& ID, const std::string& Value, const std::string& Type,
                        int Width, int Height, LineState& Line, Pass P);
    void ReportAnchorUnderPoint(const LineState& Line, StyleState& S);
    // Whether the placed line found an anchor run, picture or control under the point.
    bool LineHoldsPoint(const LineState& Placed) const;

    bool Drawing(Pass P) const { return P == Pass::Position && !c.CheckAnchor; }
    // Pictures and controls are hit-tested where the line finally lies.
    bool HitTesting(Pass P) const { return P == Pass::Position || c.CheckHeight; }
    int RunBottom(const LineState& Line, const StyleState& S) const;
    // Where an element laid out at X with Width is drawn, and how far the tested point lies
    // from the line's left edge in the line's own layout.
    static int VisualX(const LineState& Line, int X, int Width) {
        return Line.Mirrored ? Line.MirrorSum - X - Width : X;
    }
    int PointOffset(const LineState& Line) const {
        return (Line.Mirrored ? Line.MirrorSum - c.XPos : c.XPos) - Line.R.Left;
    }
    void SelectFont(const FontState& Font) const;
    int GhHeight() const;

    Call& c;
};

} // namespace HTMLLayout
