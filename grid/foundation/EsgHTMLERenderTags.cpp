#include "grid/foundation/EsgHTMLELayout.h"
#include "grid/foundation/EsgHTMLETags.h"

#include "platform/ui/Canvas.h"

using HTMLTags::UpperAscii;

namespace HTMLLayout {

namespace {

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

TagEffect Layout::ApplyTag(std::string_view Tag, LineState& Line, StyleState& S, Pass P) {
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
            if (!S.Highlighted) {
                S.SavedHighlightBackground = S.Background;
                S.SavedHighlightColor = S.Font.Color;
            }
            S.Highlighted = true;
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
            int n = x == std::string::npos ? -1
                                           : HTMLTags::ClampExtent(HTMLTags::WholeNumber(
                                                 HTMLTags::AttributeValue(U.substr(x), "X"), -1));
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
    case 'R':
        if (second == ' ') {
            size_t a = U.find("A=", 2);
            int degrees =
                a == std::string::npos
                    ? 0
                    : HTMLTags::WholeNumber(HTMLTags::AttributeValue(U.substr(a), "A"), 0);
            S.Rotation = (degrees % 360) * 10;
        }
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
        if (S.ListLevel < HTMLTags::MaxMarkupExtent)
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
        // Only a highlight that was switched on has colours to give back.
        if (Drawing(P) && S.Highlighted) {
            S.Background = S.SavedHighlightBackground;
            S.Font.Color = S.SavedHighlightColor;
            S.Highlighted = false;
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
    case 'R':
        S.Rotation = 0;
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
    ReportAnchorUnderPoint(Line, S);
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
        S.Indent = HTMLTags::ClampExtent(
            HTMLTags::LeadingInteger(HTMLTags::AttributeValue(U, "INDENT"), 0));
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
    int indent = HTMLTags::ClampExtent(S.ListLevel * step);
    Line.Width = AddExtents(Line.Width, indent);
    Line.X = AddExtents(Line.X, indent - step);
    if (Drawing(P)) {
        // The bullet of a symbol font is the Unicode bullet; the middle dot U+00B7 of a text
        // font would be a speck. The text font has it, in the size of the item's text.
        const int x = VisualX(Line, Line.X, step);
        TRect r{x, Line.R.Top, x + step, RunBottom(Line, S)};
        c.Canvas->DrawText(S.ListLevel % 2 ? "\xE2\x80\xA2" : "o", r, RunFormat | DT_NOPREFIX);
    }
    Line.X += step;
    Line.ListItemPlaced = true;
    Line.HasContent = true;
    // The item's text belongs behind its bullet: no break between them.
    Line.EndsWithBlank = false;
    Line.TrailingBlank = 0;
}

} // namespace HTMLLayout
