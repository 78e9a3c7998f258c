#include "grid/foundation/EsgHTMLELayout.h"

// What lies under the tested point: anchor runs, pictures inside anchors and in-text controls.

namespace HTMLLayout {

bool Layout::ElementUnderPoint(const LineState& Line, int Width, int Height) const {
    int x = PointOffset(Line);
    return x > Line.Width && x < Line.Width + Width && c.YPos > Line.R.Top &&
           c.YPos < Line.R.Top + Height;
}

void Layout::HitTestRun(int Before, LineState& Line, StyleState& S, Pass P) {
    if (P != Pass::Position || !c.CheckAnchor || !S.InAnchor)
        return;
    int x = PointOffset(Line);
    if (x < Before || x > Line.Width)
        return;
    Line.FoundAnchor = true;
    // Only the line the point lies in names the anchor, so a link above the point is not
    // taken for the one under it.
    if (c.YPos > Line.R.Top && c.YPos < Line.R.Bottom) {
        c.AnchorVal = S.HRef;
        c.AnchorTitle = S.Title;
        S.AnchorUnderPoint = true;
    }
}

void Layout::HitTestImage(int Number, int Width, int Height, LineState& Line, StyleState& S,
                          Pass P) {
    if (!HitTesting(P) || !S.InAnchor || !ElementUnderPoint(Line, Width, Height))
        return;
    Line.FoundElement = true;
    c.AnchorVal = S.HRef;
    c.AnchorTitle = S.Title;
    c.ImageUnderPoint = Number;
}

void Layout::HitTestControl(const std::string& ID, const std::string& Value,
                            const std::string& Type, int Width, int Height, LineState& Line,
                            Pass P) {
    if (!HitTesting(P))
        return;
    bool asked = c.CheckAnchor && !c.ControlID.empty() && ID == c.ControlID;
    if (!asked && !ElementUnderPoint(Line, Width, Height))
        return;
    Line.FoundElement = true;
    c.AnchorVal = "ctrl";
    int left = VisualX(Line, Line.R.Left + Line.Width, Width);
    c.ControlRect = {left, Line.R.Top, left + Width, Line.R.Top + Height};
    c.ControlID = ID;
    c.ControlValue = Value;
    c.ControlType = Type;
}

void Layout::ReportAnchorUnderPoint(const LineState& Line, StyleState& S) {
    if (!S.AnchorUnderPoint)
        return;
    const int right = Line.R.Left + Line.Width;
    c.HoverRect = {S.AnchorStartX, S.AnchorTop, right, Line.R.Bottom};
    if (Line.Mirrored)
        c.HoverRect = {Line.MirrorSum - right, S.AnchorTop, Line.MirrorSum - S.AnchorStartX,
                       Line.R.Bottom};
    c.MouseLink = S.AnchorCount;
    S.AnchorUnderPoint = false;
}

bool Layout::LineHoldsPoint(const LineState& Placed) const {
    int bandBottom = Placed.R.Bottom - Placed.ImageOffset;
    bool inTextBand = c.YPos > bandBottom - Placed.GhHeight && c.YPos < bandBottom;
    return (Placed.FoundAnchor && inTextBand) || Placed.FoundElement;
}

} // namespace HTMLLayout
