#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/EsgHTMLELayout.h"
#include "grid/foundation/EsgHTMLETags.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/ThemeServices.h"

#include <algorithm>

using HTMLTags::UpperAscii;

namespace HTMLLayout {

namespace {

constexpr unsigned runFormat = DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | DT_EXTERNALLEADING;

std::string DecodeRunEntities(std::string_view Raw) {
    if (Raw.find('&') == std::string_view::npos)
        return std::string(Raw);
    std::string run = HTMLTags::ReplaceAll(Raw, "&nbsp;", " ");
    run = HTMLTags::ReplaceAll(run, "&lt;", "<");
    return HTMLTags::ReplaceAll(run, "&gt;", ">");
}

FontState ReadFont(const TFont& Font) {
    return {Font.Name(), Font.Height(), Font.Style(), Font.Color()};
}

TColor ColorValue(const std::string& Value) {
    return !Value.empty() && Value[0] == '#' ? HexToColor(Value) : HTMLColorByName(Value);
}

void SetStyle(FontState& Font, TFontStyle Style, bool On) {
    if (On)
        Font.Style << Style;
    else
        Font.Style >> Style;
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

void Layout::Run(std::string Text) {
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
            Text.erase(0, 1); // never happens by construction; guards against an endless loop
        int extra = line.SubRoom + line.SupRoom;
        if (!c.CheckHeight) {
            LineState placed;
            int left = line.R.Left;
            int free = line.R.Right - line.R.Left - line.Width;
            if (S.Align == 1 && line.R.Right - line.Width > left)
                left = line.R.Right - line.Width;
            else if (S.Align == 2 && free > 0)
                left += free / 2;
            left += S.Indent;
            placed.R = {left, top, line.R.Right, top + line.Height + extra};
            placed.X = left;
            placed.Height = line.Height;
            placed.GhHeight = line.GhHeight;
            placed.SubRoom = line.SubRoom;
            placed.SupRoom = line.SupRoom;
            placed.ImageOffset = line.ImageOffset;
            StyleState drawn = lineStart;
            SelectFont(drawn.Font);
            std::string own = line.Own;
            WalkLine(own, placed, drawn, Pass::Position);
            int bandBottom = placed.R.Bottom - placed.ImageOffset;
            if ((placed.FoundAnchor && c.YPos > bandBottom - line.GhHeight &&
                 c.YPos < bandBottom) ||
                placed.FoundElement)
                c.Result = true;
            S = drawn;
        }
        top += line.Height + extra;
        c.YSize += line.Height + extra;
        if (!c.CheckHeight && top + line.GhHeight > c.Area.Bottom)
            break;
    }
    c.HyperLinks = S.AnchorCount;
    if (c.YSize == 0) {
        SelectFont(c.BaseFont);
        c.YSize = GhHeight();
    }
}

void Layout::WalkLine(std::string& Text, LineState& Line, StyleState& S, Pass P) {
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
            if (close == std::string::npos) {
                Text.clear();
                break;
            }
            std::string tag = Text.substr(0, close + 1);
            TagEffect effect = ApplyTag(tag, Text.size() == tag.size(), Line, S, P);
            if (effect == TagEffect::EndLineBeforeTag)
                break;
            Line.Own += tag;
            Text.erase(0, close + 1);
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

bool Layout::PlaceRun(std::string& Text, LineState& Line, StyleState& S, Pass P) {
    size_t end = Text[0] == '<' ? Text.size() : std::min(Text.find('<'), Text.size());
    if (c.WordWrap) {
        size_t blank = Text.find(' ');
        if (blank < end)
            end = blank + 1;
    }
    std::string run = DecodeRunEntities(std::string_view(Text).substr(0, end));
    int height = c.Canvas->TextHeight(run);
    Line.Height = std::max(Line.Height, height);
    if (S.Subscript)
        Line.SubRoom = std::max(Line.SubRoom, height / 4);
    if (S.Superscript)
        Line.SupRoom = std::max(Line.SupRoom, height / 4);
    if (S.Hidden) {
        if (P == Pass::Measure)
            c.StripVal += run;
        Text.erase(0, end);
        return true;
    }
    TRect measure{Line.X, Line.R.Top, Line.R.Right, Line.R.Bottom};
    c.Canvas->DrawText(run, measure, runFormat | DT_CALCRECT);
    int width = measure.Width();
    int before = Line.Width;
    Line.Width += width;
    if (P == Pass::Position && c.CheckAnchor && S.InAnchor) {
        int x = c.XPos - Line.R.Left;
        if (before <= x && x <= Line.Width) {
            Line.FoundAnchor = true;
            if (c.YPos > Line.R.Top && c.YPos < Line.R.Bottom) {
                c.AnchorVal = S.HRef;
                c.AnchorTitle = S.Title;
                S.AnchorUnderPoint = true;
            }
        }
    }
    int available = Line.R.Right - Line.R.Left;
    bool roomy = Line.Width < available || before == 0;
    bool unbreakable = Line.HasContent && !Line.EndsWithBlank;
    if (P == Pass::Measure && c.WordWrap && !roomy && !unbreakable) {
        Line.Width = before;
        return false;
    }
    if (P == Pass::Measure)
        c.StripVal += run; // once, when the run is placed
    if (Drawing(P))
        DrawRun(run, width, Line, S);
    Line.X += width;
    Line.HasContent = true;
    Line.EndsWithBlank = !run.empty() && run.back() == ' ';
    Line.TrailingBlank = Line.EndsWithBlank ? c.Canvas->TextWidth(" ") : 0;
    Line.Own.append(Text, 0, end);
    Text.erase(0, end);
    if (P == Pass::Measure && !c.WordWrap && !roomy) {
        Text.clear(); // what would follow lies beyond the ellipsis
        return false;
    }
    return true;
}

void Layout::DrawRun(const std::string& Run, int RunWidth, LineState& Line, StyleState& S) {
    TCanvas* canvas = c.Canvas;
    int bottom = RunBottom(Line, S);
    unsigned format = runFormat | (c.WordWrap ? 0 : DT_END_ELLIPSIS);
    bool blinkedOut = S.Blink && !c.BlinkOn;
    if (S.Shadow && !blinkedOut) {
        TRect shadow{Line.X + c.ShadowOffset, Line.R.Top + c.ShadowOffset,
                     Line.R.Right + c.ShadowOffset, bottom + c.ShadowOffset};
        canvas->Brush()->SetColor(clNone);
        canvas->Font()->SetColor(c.ShadowColor);
        canvas->DrawText(Run, shadow, format);
        canvas->Font()->SetColor(S.Font.Color);
    }
    canvas->Brush()->SetColor(S.Background);
    if (blinkedOut) {
        // Blink text in its off phase shows only its background.
        if (S.Background != clNone)
            canvas->FillRect({Line.X, bottom - canvas->TextHeight(Run), Line.X + RunWidth, bottom});
    } else {
        TRect r{Line.X, Line.R.Top, Line.R.Right, bottom};
        canvas->DrawText(Run, r, format);
    }
    canvas->Brush()->SetColor(clNone);
    if (S.InAnchor && S.AnchorCount == c.FocusLink + 1)
        c.FocusAnchor = S.HRef;
    if (S.ErrorMark) {
        canvas->Pen()->SetColor(clRed);
        canvas->Pen()->SetWidth(1);
        for (int x = Line.X & ~1; x < Line.X + RunWidth; x += 2) {
            int y = (x % 4) < 2 ? bottom - 1 : bottom + 1;
            int next = ((x + 2) % 4) < 2 ? bottom - 1 : bottom + 1;
            canvas->MoveTo(x, y);
            canvas->LineTo(x + 2, next);
        }
    }
}

TagEffect Layout::ApplyTag(std::string_view Tag, bool EndOfText, LineState& Line, StyleState& S,
                           Pass P) {
    std::string upper = UpperAscii(Tag);
    if (upper[1] == '/')
        return upper.size() >= 4 ? ClosingTag(upper, Line, S, P) : TagEffect::Continue;
    return OpeningTag(Tag, upper, Line, S, P);
}

TagEffect Layout::OpeningTag(std::string_view Tag, const std::string& U, LineState& Line,
                             StyleState& S, Pass P) {
    char second = U.size() > 2 ? U[2] : '\0';
    switch (U[1]) {
    case 'A':
        AnchorStart(Tag, Line, S, P);
        break;
    case 'B':
        if (U == "<B>")
            SetStyle(S.Font, fsBold, true);
        else if (second == 'R') {
            if (P == Pass::Measure)
                c.StripVal += '\r';
            return TagEffect::EndLine;
        } else if (second == 'L')
            S.Blink = true;
        else if (second == 'O')
            Body(Tag, U, S, P);
        break;
    case 'C':
        return Control(Tag, Line, S, P);
    case 'E':
        S.ErrorMark = true;
        break;
    case 'F':
        FontTag(U, S, P);
        break;
    case 'H':
        if (second == 'I' && Drawing(P)) {
            S.SavedHighlightBackground = S.Background;
            S.SavedHighlightColor = S.Font.Color;
            S.Background = HighlightBackColor();
            S.Font.Color = HighlightTextColor();
        } else if (second == 'R') {
            if (Drawing(P)) {
                int y = RunBottom(Line, S) + 1;
                c.Canvas->Pen()->SetColor(clBlack);
                c.Canvas->MoveTo(Line.R.Left, y);
                c.Canvas->LineTo(Line.R.Right, y);
            }
            return TagEffect::EndLine;
        }
        break;
    case 'I':
        if (U == "<I>")
            SetStyle(S.Font, fsItalic, true);
        else if (second == 'N') {
            size_t x = U.find("X=", 2);
            int n = x == std::string::npos
                        ? -1
                        : HTMLTags::WholeNumber(HTMLTags::AttributeValue(U.substr(x), "X"), -1);
            if (n >= 0 && c.Area.Left + n > Line.R.Left + Line.Width) {
                Line.Width = c.Area.Left + n - Line.R.Left;
                Line.X = c.Area.Left + n;
            }
        } else if (second == 'M')
            return Image(Tag, U, Line, S, P);
        break;
    case 'L':
        if (Line.ListItemPlaced)
            return TagEffect::EndLineBeforeTag;
        ListItem(Line, S, P);
        break;
    case 'P':
        if (second == ' ' || second == '>')
            ParagraphTag(U, Line, S, P);
        break;
    case 'S':
        if (U == "<S>")
            SetStyle(S.Font, fsStrikeOut, true);
        else if (second == 'H')
            S.Shadow = true;
        else if (U == "<SUB>")
            S.Subscript = true;
        else if (U == "<SUP>")
            S.Superscript = true;
        break;
    case 'U':
        if (U == "<U>") {
            SetStyle(S.Font, fsUnderline, true);
            break;
        }
        ++S.ListLevel;
        return TagEffect::EndLine;
    case 'Z':
        S.Hidden = true;
        break;
    default:
        break;
    }
    SelectFont(S.Font);
    return TagEffect::Continue;
}

TagEffect Layout::ClosingTag(const std::string& U, LineState& Line, StyleState& S, Pass P) {
    TagEffect effect = TagEffect::Continue;
    switch (U[2]) {
    case 'A':
        AnchorEnd(Line, S, P);
        break;
    case 'B':
        if (U == "</B>")
            SetStyle(S.Font, fsBold, false);
        else {
            S.Blink = false;
            S.Font.Color = c.BaseFont.Color;
        }
        break;
    case 'E':
        S.ErrorMark = false;
        break;
    case 'F':
        S.Font.Name = c.BaseFont.Name;
        S.Font.Height = c.BaseFont.Height;
        if (Drawing(P) && !c.Selected) {
            S.Font.Color = c.BaseFont.Color;
            S.Background = S.SavedFontBackground;
        }
        break;
    case 'H':
        if (Drawing(P)) {
            S.Background = S.SavedHighlightBackground;
            S.Font.Color = S.SavedHighlightColor;
        }
        break;
    case 'I':
        SetStyle(S.Font, fsItalic, false);
        break;
    case 'L':
        effect = TagEffect::EndLine;
        break;
    case 'P':
        S.ParagraphBackground = false;
        effect = TagEffect::EndLine;
        break;
    case 'S':
        if (U.size() > 3 && U[3] == 'U')
            S.Subscript = S.Superscript = false;
        else if (U.size() > 3 && U[3] == 'H')
            S.Shadow = false;
        else
            SetStyle(S.Font, fsStrikeOut, false);
        break;
    case 'U':
        if (U == "</U>" || S.ListLevel == 0)
            SetStyle(S.Font, fsUnderline, false);
        else
            --S.ListLevel;
        break;
    case 'Z':
        S.Hidden = false;
        break;
    default:
        break;
    }
    SelectFont(S.Font);
    return effect;
}

void Layout::AnchorStart(std::string_view Tag, LineState& Line, StyleState& S, Pass P) {
    if (S.AnchorCount == c.FocusLink && Drawing(P)) {
        S.FocusOpen = true;
        S.FocusStartX = Line.X;
    }
    ++S.AnchorCount;
    bool hovered = S.AnchorCount == c.HoverLink;
    if ((!c.HoverUnderline || hovered) && Drawing(P)) {
        SetStyle(S.Font, fsUnderline, true);
        S.SavedHoverBackground = S.Background;
        S.SavedHoverColor = S.Font.Color;
        if (c.HoverColor != clNone)
            S.Background = c.HoverColor;
        if (c.HoverFontColor != clNone)
            S.Font.Color = c.HoverFontColor;
        S.HoverApplied = true;
    }
    if (!c.Selected && !(c.HoverUnderline && hovered && c.HoverFontColor != clNone))
        S.Font.Color = c.URLColor;
    if (HTMLTags::HasAttribute(Tag, "HREF")) {
        S.HRef = HTMLTags::AttributeValue(Tag, "HREF");
        S.InAnchor = true;
    }
    if (HTMLTags::HasAttribute(Tag, "TITLE"))
        S.Title = HTMLTags::AttributeValue(Tag, "TITLE");
    S.AnchorStartX = Line.R.Left + Line.Width;
    S.AnchorTop = Line.R.Top;
    S.AnchorUnderPoint = false;
}

void Layout::AnchorEnd(LineState& Line, StyleState& S, Pass P) {
    if (S.HoverApplied && Drawing(P)) {
        SetStyle(S.Font, fsUnderline, false);
        S.Background = S.SavedHoverBackground;
        S.Font.Color = S.SavedHoverColor;
        S.HoverApplied = false;
    }
    if (!c.Selected)
        S.Font.Color = c.BaseFont.Color;
    S.InAnchor = false;
    if (S.AnchorUnderPoint) {
        c.HoverRect = {S.AnchorStartX, S.AnchorTop, Line.R.Left + Line.Width, Line.R.Bottom};
        c.MouseLink = S.AnchorCount;
        S.AnchorUnderPoint = false;
    }
    if (S.FocusOpen && S.AnchorCount == c.FocusLink + 1 && Drawing(P)) {
        int bottom = Line.R.Bottom - Line.ImageOffset;
        c.Canvas->DrawFocusRect({S.FocusStartX - 1, bottom - Line.GhHeight, Line.X + 1, bottom});
        S.FocusOpen = false;
    }
}

void Layout::FontTag(const std::string& U, StyleState& S, Pass P) {
    std::string face = HTMLTags::AttributeValue(U, "FACE");
    if (!face.empty())
        S.Font.Name = face;
    std::string color = HTMLTags::AttributeValue(U, " COLOR");
    if (!color.empty() && !c.Selected)
        S.Font.Color = ColorValue(color);
    std::string background = HTMLTags::AttributeValue(U, "BGCOLOR");
    if (!background.empty() && Drawing(P) && !c.Selected) {
        S.SavedFontBackground = S.Background;
        S.Background = ColorValue(background);
    }
    size_t size = U.find("SIZE=");
    if (size != std::string::npos) {
        size_t at = size + 5;
        if (at < U.size() && U[at] == '"')
            ++at;
        int points = HTMLTags::LeadingInteger(std::string_view(U).substr(at), 0);
        static constexpr int htmlSizes[] = {8, 10, 12, 14, 16};
        if (points >= 1 && points <= 5)
            points = htmlSizes[points - 1];
        if (points > 0 && points <= 400)
            S.Font.Height = -(points * TFont::PixelsPerInch + 36) / 72;
    }
}

void Layout::ParagraphTag(const std::string& U, LineState& Line, StyleState& S, Pass P) {
    std::string align = HTMLTags::AttributeValue(U, "ALIGN");
    if (align.find("RIGHT") != std::string::npos)
        S.Align = 1;
    if (align.find("LEFT") != std::string::npos)
        S.Align = 0;
    if (align.find("CENTER") != std::string::npos)
        S.Align = 2;
    if (HTMLTags::HasAttribute(U, "INDENT"))
        S.Indent = HTMLTags::LeadingInteger(HTMLTags::AttributeValue(U, "INDENT"), 0);
    std::string background = HTMLTags::AttributeValue(U, "BGCOLOR");
    if (!background.empty() && Drawing(P)) {
        S.ParagraphBackground = true;
        S.ParagraphColor = ColorValue(background);
        c.Canvas->Brush()->SetColor(S.ParagraphColor);
        c.Canvas->FillRect({c.Area.Left, Line.R.Top, c.Area.Right, Line.R.Bottom});
        c.Canvas->Brush()->SetColor(clNone);
    }
}

void Layout::ListItem(LineState& Line, StyleState& S, Pass P) {
    constexpr int step = 12;
    Line.Width += S.ListLevel * step;
    Line.X += S.ListLevel * step - step;
    if (Drawing(P)) {
        TFont* font = c.Canvas->Font();
        std::string name = font->Name();
        font->SetName("Symbol");
        TRect r{Line.X, Line.R.Top, Line.X + step, RunBottom(Line, S)};
        c.Canvas->DrawText(S.ListLevel % 2 ? "\xC2\xB7" : "o", r, runFormat | DT_NOPREFIX);
        font->SetName(name);
    }
    Line.X += step;
    Line.ListItemPlaced = true;
    Line.HasContent = true;
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
                          Container,   OwnerWindow, {},           clNone,         false,
                          -1,          false};
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
