#include "app/controls/GlyphButtonGeometry.h"

#include "platform/core/CodePage.h"
#include "platform/core/Utf8.h"

#include <algorithm>

namespace {

int BlendChannel(int face, int hot, int step) {
    const double s = static_cast<double>(step) / HotTrackSteps;
    return static_cast<int>(face * (1.0 - s) + hot * s);
}

int GradientChannel(int from, int to, int band) {
    const double perBand = static_cast<double>(to - from) / 31.0;
    double value = from;
    for (int i = 0; i < band; ++i)
        value += perBand;
    return static_cast<int>(value);
}

// Horizontal glyph position for the given alignment.
int AlignedGlyphLeft(TAlignment alignment, int left, int right, int centre) {
    switch (alignment) {
    case taRightJustify:
        return right;
    case taCenter:
        return centre;
    default:
        return left;
    }
}

} // namespace

TColor BlendHotTrack(TColor face, TColor hot, int step) {
    return RGB(BlendChannel(GetRValue(face), GetRValue(hot), step),
               BlendChannel(GetGValue(face), GetGValue(hot), step),
               BlendChannel(GetBValue(face), GetBValue(hot), step));
}

TColor GradientBandColor(TColor from, TColor to, int band) {
    return RGB(GradientChannel(GetRValue(from), GetRValue(to), band),
               GradientChannel(GetGValue(from), GetGValue(to), band),
               GradientChannel(GetBValue(from), GetBValue(to), band));
}

bool IsTransparentStyle(TGlyphButtonStyle style) {
    return style == bsModern || style == bsShape || style == bsQuicken;
}

int CaptionAvailableWidth(TGlyphButtonStyle style, TGlyphButtonLayout layout, int W,
                          int glyphWidth) {
    int available = W - 8;
    const bool sideBySide = layout == blGlyphLeft || layout == blGlyphRight;
    if (style != bsShape && sideBySide && glyphWidth > 0)
        available -= glyphWidth + 4;
    return std::max(available, 0);
}

TGlyphFacePlacement PlaceGlyphAndCaption(TGlyphButtonStyle style, TGlyphButtonLayout layout,
                                         TAlignment alignment, bool wordWrap,
                                         const TGlyphFaceMetrics& m) {
    const int o = m.Offset;
    const int w = m.GlyphWidth;
    const int gh = m.GlyphHeight;
    const int tw4 = m.HasCaption ? m.TextWidth + 4 : 0;
    const int a = CaptionAvailableWidth(style, layout, m.W, w);
    TGlyphFacePlacement p;

    if (style == bsShape) {
        p.Glyph = {(m.W - w) / 2, (m.H - gh) / 2};
        p.Text = Rect(o, (m.H - m.TextHeight) / 2 + o, m.W, m.H);
        p.CentreText = true;
        return p;
    }

    auto textAt = [&](int left, int top) {
        p.Text = Rect(left, top, left + a, top + m.TextHeight);
    };
    switch (layout) {
    case blGlyphLeft:
        textAt(o + 4 + (w > 0 ? w + 4 : 0), (m.H - m.TextHeight) / 2 + o);
        p.Glyph.Y = (m.H - gh) / 2 + o;
        p.Glyph.X = wordWrap ? o + 4
                             : AlignedGlyphLeft(alignment, o + 4, m.W - 4 - w - tw4 + o,
                                                (m.W - w) / 2 + o - tw4 / 2);
        break;
    case blGlyphRight:
        textAt(o + 4, (m.H - m.TextHeight) / 2 + o);
        p.Glyph.Y = (m.H - gh) / 2 + o;
        p.Glyph.X = wordWrap ? o + 4 + tw4
                             : AlignedGlyphLeft(alignment, o + 4 + tw4, m.W - 4 + o - w,
                                                (m.W - w) / 2 + o + tw4 / 2);
        break;
    case blGlyphTop:
    case blGlyphBottom: {
        const int t = m.TextHeight + (gh > 0 ? gh + 4 : 0);
        p.Glyph.X = AlignedGlyphLeft(alignment, o + 4, m.W - w - 4 + o, (m.W - w) / 2 + o);
        if (layout == blGlyphTop) {
            p.Glyph.Y = (m.H - t) / 2 + o;
            textAt(o + 4, (m.H - t) / 2 + gh + o);
        } else {
            textAt(o + 4, (m.H - t) / 2 + o);
            p.Glyph.Y = (m.H - t) / 2 + m.TextHeight + o;
        }
        break;
    }
    }
    return p;
}

char16_t CaptionAccelerator(const std::string& caption) {
    const std::u16string text = Utf8ToUtf16(caption);
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i; // "&&" is a plain ampersand
            continue;
        }
        const char16_t c = text[i + 1];
        return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
    }
    return 0;
}

void DropLastCharacter(std::string& text) {
    if (text.empty())
        return;
    // Walk forward: stepping back over continuation bytes would swallow stray ones whole.
    size_t last = 0;
    char32_t character = 0;
    for (size_t at = 0; at < text.size();) {
        last = at;
        at += DecodeUtf8Character(std::string_view(text).substr(at), character);
    }
    text.erase(last);
}
