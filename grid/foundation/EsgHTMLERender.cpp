#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/EsgHTMLELayout.h"
#include "grid/foundation/EsgHTMLETags.h"

#include "platform/ui/BiDiMode.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ThemeServices.h"

#include <algorithm>

namespace HTMLLayout {

namespace {

// "&nbsp;", "&lt;" and "&gt;" in a run. An "&&" (a written "&amp;") stays whole, so that
// "&amp;lt;" shows "&lt;" and not an underlined '<'.
std::string DecodeRunEntities(std::string_view Raw) {
    if (Raw.find('&') == std::string_view::npos)
        return std::string(Raw);
    static constexpr std::pair<std::string_view, char> entities[] = {
        {"&nbsp;", ' '}, {"&lt;", '<'}, {"&gt;", '>'}};
    std::string run;
    run.reserve(Raw.size());
    for (size_t i = 0; i < Raw.size(); ++i) {
        if (Raw[i] != '&') {
            run += Raw[i];
            continue;
        }
        if (Raw.compare(i, 2, "&&") == 0) {
            run += "&&";
            ++i;
            continue;
        }
        bool decoded = false;
        for (const auto& [entity, character] : entities)
            if (Raw.compare(i, entity.size(), entity) == 0) {
                run += character;
                i += entity.size() - 1;
                decoded = true;
                break;
            }
        if (!decoded)
            run += '&';
    }
    return run;
}

// Turned text is drawn without prefix processing, so it is done here: "&&" shows one
// ampersand, a single '&' shows nothing.
std::string WithoutPrefixes(std::string_view Run) {
    std::string shown;
    shown.reserve(Run.size());
    for (size_t i = 0; i < Run.size(); ++i) {
        if (Run[i] == '&' && ++i == Run.size())
            break;
        shown += Run[i];
    }
    return shown;
}

FontState ReadFont(const TFont& Font) {
    return {Font.Name(), Font.Height(), Font.Style(), Font.Color()};
}

} // namespace

void Layout::SelectFont(const FontState& Font) const {
    TFont* font = c.Canvas->Font();
    if (font->Name() != Font.Name)
        font->SetName(Font.Name);
    if (font->Height() != Font.Height)
        font->SetHeight(Font.Height);
    if (!(font->Style() == Font.Style))
        font->SetStyle(Font.Style);
    if (font->Color() != Font.Color)
        font->SetColor(Font.Color);
}

int Layout::GhHeight() const {
    return c.Canvas->TextHeight("gh");
}

int Layout::RunBottom(const LineState& Line, const StyleState& S) const {
    int bottom = Line.R.Bottom - Line.SubRoom;
    if (S.Superscript)
        bottom -= Line.SupRoom;
    if (S.Subscript)
        bottom += Line.SubRoom;
    return bottom - Line.ImageOffset;
}

int AddExtents(int A, int B) {
    constexpr long long limit = 1LL << 29;
    return static_cast<int>(std::clamp(static_cast<long long>(A) + B, -limit, limit));
}

void Layout::Run(const std::string& Prepared) {
    std::string_view Text = Prepared;
    StyleState S;
    S.Font = c.BaseFont;
    int top = c.Area.Top;
    while (!Text.empty()) {
        S.Subscript = S.Superscript = false;
        StyleState lineStart = S;
        LineState line;
        line.R = {c.Area.Left + 1, top, c.Area.Right, c.Area.Bottom};
        line.X = line.R.Left;
        SelectFont(S.Font);
        line.GhHeight = GhHeight();
        line.Height = line.GhHeight;
        size_t before = Text.size();
        WalkLine(Text, line, S, Pass::Measure);
        if (Text.size() == before && !Text.empty())
            Text.remove_prefix(1); // never happens by construction; guards against an endless loop
        int extra = line.SubRoom + line.SupRoom;
        if (!c.CheckHeight) {
            LineState placed;
            int left = line.R.Left;
            int free = line.R.Right - line.R.Left - line.Width;
            const int align = c.MirrorAlignment && S.Align != 2 ? 1 - S.Align : S.Align;
            if (align == 1 && line.R.Right - line.Width > left)
                left = line.R.Right - line.Width;
            else if (align == 2 && free > 0)
                left += free / 2;
            left = AddExtents(left, S.Indent);
            placed.R = {left, top, line.R.Right, AddExtents(top, line.Height + extra)};
            placed.X = left;
            placed.Mirrored = c.RightToLeftReading;
            placed.MirrorSum = AddExtents(AddExtents(left, left), line.Width);
            placed.Height = line.Height;
            placed.GhHeight = line.GhHeight;
            placed.SubRoom = line.SubRoom;
            placed.SupRoom = line.SupRoom;
            placed.ImageOffset = line.ImageOffset;
            StyleState drawn = lineStart;
            SelectFont(drawn.Font);
            std::string_view own = line.Own;
            WalkLine(own, placed, drawn, Pass::Position);
            if (LineHoldsPoint(placed))
                c.Result = true;
            S = drawn;
        }
        top = AddExtents(top, line.Height + extra);
        c.YSize = AddExtents(c.YSize, line.Height + extra);
        if (!c.CheckHeight && top + line.GhHeight > c.Area.Bottom)
            break;
    }
    c.HyperLinks = S.AnchorCount;
    if (c.YSize == 0) {
        SelectFont(c.BaseFont);
        c.YSize = GhHeight();
    }
}

void Layout::WalkLine(std::string_view& Text, LineState& Line, StyleState& S, Pass P) {
    if (S.ParagraphBackground && Drawing(P)) {
        c.Canvas->Brush()->SetColor(S.ParagraphColor);
        c.Canvas->FillRect({c.Area.Left, Line.R.Top, c.Area.Right, Line.R.Top + Line.Height});
    }
    if (S.InAnchor) {
        S.AnchorStartX = Line.R.Left;
        S.AnchorTop = Line.R.Top;
    }
    if (S.FocusOpen)
        S.FocusStartX = Line.R.Left + 1;
    while (!Text.empty()) {
        if (Text[0] == '<' && Text.size() >= 3) {
            size_t close = Text.find('>');
            if (close == std::string_view::npos) {
                Text = {};
                break;
            }
            std::string_view tag = Text.substr(0, close + 1);
            TagEffect effect = ApplyTag(tag, Line, S, P);
            if (effect == TagEffect::EndLineBeforeTag)
                break;
            Line.Own += tag;
            Text.remove_prefix(close + 1);
            if (effect == TagEffect::EndLine)
                break;
            continue;
        }
        if (!PlaceRun(Text, Line, S, P))
            break;
    }
    Line.Width -= Line.TrailingBlank;
    Line.TrailingBlank = 0;
    if (P == Pass::Measure)
        c.XSize = std::max(c.XSize, Line.Width);
    if (S.FocusOpen && Drawing(P)) {
        int bottom = Line.R.Bottom - Line.ImageOffset;
        c.Canvas->DrawFocusRect({S.FocusStartX - 1, bottom - Line.GhHeight, Line.X + 1, bottom});
    }
}

int Layout::RunWidth(const std::string& Run, const LineState& Line) const {
    // Accelerator marks and tabs change the width; plain text is measured directly.
    if (Run.find_first_of("&\t") == std::string::npos)
        return c.Canvas->TextWidth(Run);
    TRect measure{Line.X, Line.R.Top, Line.R.Right, Line.R.Bottom};
    c.Canvas->DrawText(Run, measure, RunFormat | DT_CALCRECT);
    return measure.Width();
}

bool Layout::PlaceRun(std::string_view& Text, LineState& Line, StyleState& S, Pass P) {
    // Only as far as the run's own end is searched, so long texts are walked once.
    size_t end = Text.size();
    if (Text[0] != '<') {
        size_t stop = Text.find_first_of(c.WordWrap ? "< " : "<");
        if (stop != std::string_view::npos)
            end = Text[stop] == ' ' ? stop + 1 : stop;
    } else if (c.WordWrap) {
        size_t blank = Text.find(' ');
        if (blank != std::string_view::npos)
            end = blank + 1;
    }
    std::string run = DecodeRunEntities(Text.substr(0, end));
    int height = c.Canvas->TextHeight(run);
    Line.Height = std::max(Line.Height, height);
    if (S.Subscript)
        Line.SubRoom = std::max(Line.SubRoom, height / 4);
    if (S.Superscript)
        Line.SupRoom = std::max(Line.SupRoom, height / 4);
    if (S.Hidden) {
        if (P == Pass::Measure)
            c.StripVal += run;
        Text.remove_prefix(end);
        return true;
    }
    int width = RunWidth(run, Line);
    int before = Line.Width;
    Line.Width = AddExtents(Line.Width, width);
    HitTestRun(before, Line, S, P);
    int available = Line.R.Right - Line.R.Left;
    // The first text of a line always stays on it, also behind an indent.
    bool roomy = Line.Width < available || !Line.HasContent;
    bool unbreakable = Line.HasContent && !Line.EndsWithBlank;
    if (P == Pass::Measure && c.WordWrap && !roomy && !unbreakable) {
        Line.Width = before;
        return false;
    }
    if (P == Pass::Measure)
        c.StripVal += run; // once, when the run is placed
    if (Drawing(P))
        DrawRun(run, width, Line, S);
    Line.X = AddExtents(Line.X, width);
    Line.HasContent = true;
    Line.EndsWithBlank = !run.empty() && run.back() == ' ';
    Line.TrailingBlank = Line.EndsWithBlank ? c.Canvas->TextWidth(" ") : 0;
    Line.Own.append(Text.substr(0, end));
    Text.remove_prefix(end);
    if (P == Pass::Measure && !c.WordWrap && !roomy) {
        Text = {}; // what would follow lies beyond the ellipsis
        return false;
    }
    return true;
}

void Layout::DrawRun(const std::string& Run, int RunWidth, LineState& Line, StyleState& S) {
    TCanvas* canvas = c.Canvas;
    int bottom = RunBottom(Line, S);
    const int x = VisualX(Line, Line.X, RunWidth);
    int textX = x;
    // The blank after a word separates it from the next run, which lies to its left here.
    std::string_view shown = Run;
    if (Line.Mirrored && !shown.empty() && shown.back() == ' ' && S.Rotation == 0) {
        shown.remove_suffix(shown.size() - (shown.find_last_not_of(' ') + 1));
        const std::string trimmed(shown);
        textX += RunWidth - canvas->TextWidth(trimmed);
    }
    unsigned format =
        RunFormat | (c.WordWrap ? 0 : DT_END_ELLIPSIS) | (c.RightToLeftReading ? DT_RTLREADING : 0);
    bool blinkedOut = S.Blink && !c.BlinkOn;
    // Turned text keeps the place it has unturned and turns about its top-left corner.
    auto draw = [&](TRect r) {
        if (S.Rotation == 0)
            canvas->DrawText(std::string(shown), r, format);
        else
            canvas->TextOutRotated(r.Left, r.Bottom - canvas->TextHeight(Run), S.Rotation,
                                   WithoutPrefixes(Run));
    };
    if (S.Shadow && !blinkedOut) {
        canvas->Brush()->SetColor(clNone);
        canvas->Font()->SetColor(c.ShadowColor);
        draw({textX + c.ShadowOffset, Line.R.Top + c.ShadowOffset, Line.R.Right + c.ShadowOffset,
              bottom + c.ShadowOffset});
        canvas->Font()->SetColor(S.Font.Color);
    }
    canvas->Brush()->SetColor(S.Background);
    if (blinkedOut) {
        // Blink text in its off phase shows only its background.
        if (S.Background != clNone)
            canvas->FillRect({x, bottom - canvas->TextHeight(Run), x + RunWidth, bottom});
    } else {
        draw({textX, Line.R.Top, std::max(Line.R.Right, x + RunWidth), bottom});
    }
    canvas->Brush()->SetColor(clNone);
    if (S.InAnchor && S.AnchorCount == c.FocusLink + 1)
        c.FocusAnchor = S.HRef;
    if (S.ErrorMark) {
        canvas->Pen()->SetColor(clRed);
        canvas->Pen()->SetWidth(1);
        // Only as far as the run is shown: a run cut with an ellipsis ends at the line's right.
        int right = std::min(x + RunWidth, Line.R.Right);
        auto above = [](int at) { return ((at % 4) + 4) % 4 < 2; };
        for (int dot = x & ~1; dot < right; dot += 2) {
            int y = above(dot) ? bottom - 1 : bottom + 1;
            int next = above(dot + 2) ? bottom - 1 : bottom + 1;
            canvas->MoveTo(dot, y);
            canvas->LineTo(dot + 2, next);
        }
    }
}

} // namespace HTMLLayout

bool RenderHTML(TCanvas* ACanvas, std::string_view AText, const TRect& ARect,
                const TImageList* AImages, int XPos, int YPos, int FocusLink, int HoverLink,
                int ShadowOffset, bool CheckAnchor, bool CheckHeight, bool PrintMode, bool Selected,
                bool BlinkOn, bool HoverUnderline, bool WordWrap, bool ControlDown,
                double ResFactor, TColor URLColor, TColor HoverColor, TColor HoverFontColor,
                TColor ShadowColor, std::string& AnchorVal, std::string& StripVal,
                std::string& FocusAnchor, std::string& AnchorTitle, int& XSize, int& YSize,
                int& HyperLinks, int& MouseLink, TRect& HoverRect, TRect& ControlRect,
                std::string& ControlID, std::string& ControlValue, std::string& ControlType,
                THTMLPictureCache* ImageCache, TPictureContainer* Container,
                const TControl* OwnerWindow, int BiDiMode) {
    StripVal.clear();
    FocusAnchor.clear();
    AnchorTitle.clear();
    ControlValue.clear();
    ControlType.clear();
    if (!CheckAnchor)
        ControlID.clear();
    XSize = YSize = HyperLinks = 0;
    MouseLink = -1;
    ControlRect = {};
    if (!ACanvas)
        return false;

    TFont savedFont;
    savedFont.Assign(*ACanvas->Font());
    TColor savedPenColor = ACanvas->Pen()->Color();
    int savedPenWidth = ACanvas->Pen()->Width();
    TColor savedBrushColor = ACanvas->Brush()->Color();
    TBrushStyle savedBrushStyle = ACanvas->Brush()->Style();

    HTMLLayout::Call call{ACanvas,     ARect,       AImages,      XPos,           YPos,
                          FocusLink,   HoverLink,   ShadowOffset, CheckAnchor,    CheckHeight,
                          PrintMode,   Selected,    BlinkOn,      HoverUnderline, WordWrap,
                          ControlDown, ResFactor,   URLColor,     HoverColor,     HoverFontColor,
                          ShadowColor, AnchorVal,   StripVal,     FocusAnchor,    AnchorTitle,
                          XSize,       YSize,       HyperLinks,   MouseLink,      HoverRect,
                          ControlRect, ControlID,   ControlValue, ControlType,    ImageCache,
                          Container,   OwnerWindow, false,        false,          {},
                          clNone,      false,       -1,           false};
    // Only a bidirectional system locale reads right to left; mode 1 also mirrors alignment.
    call.RightToLeftReading = BiDiMode != bdLeftToRight && SysLocaleMiddleEast();
    call.MirrorAlignment = call.RightToLeftReading && BiDiMode == bdRightToLeft;
    call.BaseFont = HTMLLayout::ReadFont(savedFont);
    call.StartBackground = savedBrushStyle == bsClear ? clNone : savedBrushColor;
    call.Themed = ThemeServicesActive();
    ACanvas->Brush()->SetColor(clNone);
    HTMLLayout::Layout(call).Run(PrepareHTMLForRendering(AText));

    ACanvas->Pen()->SetColor(savedPenColor);
    ACanvas->Pen()->SetWidth(savedPenWidth);
    ACanvas->Brush()->SetColor(savedBrushColor);
    ACanvas->Brush()->SetStyle(savedBrushStyle);
    ACanvas->Font()->Assign(savedFont);
    return call.Result;
}
