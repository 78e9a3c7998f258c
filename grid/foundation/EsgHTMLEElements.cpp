#include "grid/foundation/EsgHTMLELayout.h"
#include "grid/foundation/EsgHTMLETags.h"
#include "grid/foundation/ExDrawing.h"
#include "grid/foundation/HTMLPicture.h"
#include "grid/foundation/PictureContainer.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/ShellIcons.h"
#include "platform/ui/ThemeServices.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

using HTMLTags::AttributeValue;

namespace HTMLLayout {

namespace {

constexpr TColor themedBorder = 0x00B99D7F;
constexpr TColor classicBorder = 0x00808080;

size_t CharacterCount(std::string_view Text) {
    return static_cast<size_t>(std::count_if(Text.begin(), Text.end(), [](char ch) {
        return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    }));
}

void ClassicCheckMark(TCanvas* Canvas, const TRect& Box) {
    Canvas->Pen()->SetColor(clBlack);
    int x = Box.Left + 3, y = Box.Top + Box.Height() / 2;
    Canvas->Polyline({{x, y}, {x + 2, y + 2}, {x + 7, y - 3}});
}

} // namespace

THTMLPicture* Layout::FindPicture(const std::string& Source) const {
    if (Source.empty())
        return nullptr;
    if (Source.find(':') == std::string::npos)
        return c.Container ? c.Container->FindPicture(Source) : nullptr;
    if (Source.find("://") == std::string::npos || !c.ImageCache)
        return nullptr;
    if (THTMLPicture* cached = c.ImageCache->FindPicture(Source))
        return cached;
    THTMLPicture* added = c.ImageCache->AddPicture();
    added->LoadFromURL(Source);
    return added;
}

bool Layout::Fits(const LineState& Line, int Width, Pass P) const {
    if (P == Pass::Position || !c.WordWrap || !Line.HasContent)
        return true;
    return Line.Width + Width < Line.R.Right - Line.R.Left;
}

void Layout::Place(LineState& Line, int Width, int Height) {
    Line.Width = AddExtents(Line.Width, Width);
    Line.X = AddExtents(Line.X, Width);
    Line.Height = std::max(Line.Height, Height);
    Line.HasContent = true;
    Line.EndsWithBlank = false;
    Line.TrailingBlank = 0;
}

TagEffect Layout::Image(std::string_view Tag, const std::string& U, LineState& Line, StyleState& S,
                        Pass P) {
    // Picture names keep their case: a file path or URL may depend on it.
    std::string source = AttributeValue(Tag, "SRC");
    std::string upperSource = HTMLTags::UpperAscii(source);
    int width = 0, height = 0;
    int listIndex = -1;
    THTMLPicture* picture = nullptr;
    bool givenSize = false;
    std::optional<std::string> systemIcon;
    bool largeIcon = false;
    if (upperSource.rfind("IDX:", 0) == 0) {
        listIndex = HTMLTags::LeadingInteger(std::string_view(source).substr(4), -1);
        if (!c.Images || listIndex < 0 || listIndex >= c.Images->Count())
            return TagEffect::Continue;
        width = c.Images->Width();
        height = c.Images->Height();
    } else if (upperSource.rfind("SSYS:", 0) == 0 || upperSource.rfind("LSYS:", 0) == 0) {
        systemIcon = source.substr(5);
        largeIcon = upperSource[0] == 'L';
        width = height = ShellIcons::IconSize(largeIcon);
    } else {
        picture = FindPicture(source);
        if (!picture || picture->Empty())
            return TagEffect::Continue;
        int w = HTMLTags::ClampExtent(HTMLTags::WholeNumber(AttributeValue(U, "WIDTH"), 0));
        int h = HTMLTags::ClampExtent(HTMLTags::WholeNumber(AttributeValue(U, "HEIGHT"), 0));
        givenSize = w > 0 || h > 0;
        if (w > 0 && h <= 0)
            h = picture->Width() > 0 ? static_cast<int>(std::lround(double(w) * picture->Height() /
                                                                    picture->Width()))
                                     : 0;
        else if (h > 0 && w <= 0)
            w = picture->Height() > 0 ? static_cast<int>(std::lround(double(h) * picture->Width() /
                                                                     picture->Height()))
                                      : 0;
        width = HTMLTags::ClampExtent(givenSize ? w : picture->MaxWidth());
        height = HTMLTags::ClampExtent(givenSize ? h : picture->MaxHeight());
    }
    if (!Fits(Line, width, P))
        return TagEffect::EndLineBeforeTag;
    int number = ++S.ImageCount;
    int top = Line.R.Top;
    HitTestImage(number, width, height, Line, S, P);
    if (Drawing(P)) {
        if (picture && number == c.ImageUnderPoint && HTMLTags::HasAttribute(Tag, "ALT"))
            if (THTMLPicture* alternative = FindPicture(AttributeValue(Tag, "ALT")))
                picture = alternative;
        int x = VisualX(Line, Line.X, width);
        if (systemIcon) {
            if (c.PrintMode && c.ResFactor > 0) {
                TBitmap copy(width, height);
                copy.Canvas()->Brush()->SetColor(clWhite);
                copy.Canvas()->FillRect(TRect{0, 0, width, height});
                ShellIcons::Draw(copy.Canvas(), 0, 0, *systemIcon, largeIcon);
                const int w = static_cast<int>(std::lround(width * c.ResFactor));
                const int h = static_cast<int>(std::lround(height * c.ResFactor));
                c.Canvas->StretchDraw(Bounds(x, top, w, h), &copy);
            } else {
                ShellIcons::Draw(c.Canvas, x, top, *systemIcon, largeIcon);
            }
        } else if (listIndex >= 0) {
            if (c.PrintMode && c.ResFactor > 0) {
                TBitmap copy(width, height);
                c.Images->Draw(copy.Canvas(), 0, 0, listIndex);
                auto scaled = [&](int extent) {
                    return static_cast<int>(
                        std::min(extent * c.ResFactor, double(HTMLTags::MaxMarkupExtent)));
                };
                c.Canvas->StretchDraw(Bounds(x, top, scaled(width), scaled(height)), &copy);
            } else {
                c.Images->Draw(c.Canvas, x, top, listIndex);
            }
        } else if (givenSize) {
            picture->StretchDraw(c.Canvas, {x, top, x + width, top + height});
        } else {
            if (picture->FrameCount() > 1 && c.StartBackground != clNone) {
                c.Canvas->Brush()->SetColor(c.StartBackground);
                c.Canvas->FillRect(Bounds(x, top, picture->MaxWidth(), picture->MaxHeight()));
                c.Canvas->Brush()->SetColor(clNone);
            }
            // The decoder composes each frame over the animation's whole screen, so the frame
            // already lies at its own offset.
            picture->StretchDraw(c.Canvas,
                                 Bounds(x, top, picture->MaxWidth(), picture->MaxHeight()));
        }
    }
    Place(Line, width, height);
    if (P == Pass::Measure) {
        // Read from ALIGN alone: a picture named "top.png" is no alignment.
        std::string align = AttributeValue(U, "ALIGN");
        if (align.rfind("TOP", 0) == 0)
            Line.ImageOffset = Line.Height - Line.GhHeight;
        else if (align.rfind("MIDDLE", 0) == 0)
            Line.ImageOffset = (Line.Height - Line.GhHeight) / 2;
    }
    return TagEffect::Continue;
}

TagEffect Layout::Control(std::string_view Tag, LineState& Line, StyleState& S, Pass P) {
    std::string type, id, value, widthText, heightText, prop, maxLen;
    ParseControlTag(Tag.size() > 9 ? Tag.substr(9) : std::string_view(), type, id, value, widthText,
                    heightText, prop, maxLen);
    int width = HTMLTags::ClampExtent(HTMLTags::WholeNumber(widthText, -1));
    if (width <= 0)
        return TagEffect::Continue;
    bool box = type == "CHECK" || type == "RADIO";
    int h = HTMLTags::ClampExtent(HTMLTags::WholeNumber(heightText, 25));
    int s = h > 25 ? h - 2 : (box ? 16 : 23);
    int elementWidth = box ? 16 : width;
    int elementHeight = box ? 16 : (type == "BUTTON" || type == "COMBO" ? 25 : Line.GhHeight + 10);
    if (!Fits(Line, elementWidth, P))
        return TagEffect::EndLineBeforeTag;
    Line.Height = std::max(Line.Height, s);
    int x = VisualX(Line, Line.X, elementWidth);
    int b = RunBottom(Line, S);
    if (Drawing(P)) {
        TCanvas* canvas = c.Canvas;
        int drawHeight = type == "BUTTON" ? 24 : Line.GhHeight + 10;
        bool over = x - 2 < c.XPos && c.XPos < x - 2 + elementWidth &&
                    b - drawHeight - 2 < c.YPos && c.YPos < b - 2;
        bool checked = HTMLTags::UpperAscii(value) == "TRUE";
        canvas->Pen()->SetColor(c.Themed ? themedBorder : classicBorder);
        canvas->Font()->SetColor(clWindowText);
        if (type == "CHECK" || type == "RADIO") {
            bool check = type == "CHECK";
            TRect r = check ? TRect{x + 2, b - 15, x + 15, b} : TRect{x + 2, b - 14, x + 14, b};
            TThemePart part = check ? TThemePart::CheckBox : TThemePart::RadioButton;
            if (!c.Themed || !DrawThemePart(canvas, part, checked ? tsfChecked : tsfNormal, r)) {
                canvas->Brush()->SetColor(clWhite);
                if (check)
                    canvas->Rectangle(r);
                else
                    canvas->Ellipse(r);
                if (checked)
                    ClassicCheckMark(canvas, r);
            }
        } else if (type == "BUTTON") {
            TRect r{x + 2, b - h, x + width - 2, b};
            TThemeStates state = c.ControlDown ? tsfPressed : (over ? tsfHot : tsfNormal);
            if (!c.Themed || !DrawThemePart(canvas, TThemePart::PushButton, state, r)) {
                canvas->Brush()->SetColor(clBtnFace);
                canvas->Rectangle(r);
            }
            TRect text{r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2};
            canvas->Brush()->SetColor(clNone);
            canvas->DrawText(value, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        } else {
            canvas->Brush()->SetColor(clWhite);
            canvas->Rectangle(x, b - s + 4, x + width, b + 2);
            canvas->Brush()->SetColor(clNone);
            std::string shown =
                type == "PASSWORD" ? std::string(CharacterCount(value), '*') : value;
            bool combo = type == "COMBO";
            TRect text{x + (combo ? 4 : 2), b - s + 4, x + width - (combo ? 18 : 0), b};
            canvas->DrawText(shown, text, DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            if (combo) {
                TRect button{x + width - 18, b - s + 5, x + width - 1, b + 1};
                if (!c.Themed || !DrawThemePart(canvas, TThemePart::ComboDropDown,
                                                over ? tsfHot : tsfNormal, button)) {
                    canvas->Brush()->SetColor(clBtnFace);
                    canvas->Rectangle(button);
                    DrawDownTriangle(canvas, (button.Left + button.Right) / 2,
                                     (button.Top + button.Bottom) / 2 - 1, clBlack);
                }
            }
        }
        canvas->Brush()->SetColor(clNone);
        SelectFont(S.Font);
    }
    HitTestControl(id, value, type, elementWidth, elementHeight, Line, P);
    Place(Line, elementWidth, elementHeight);
    return TagEffect::Continue;
}

void Layout::Body(std::string_view Tag, const std::string& U, StyleState& S, Pass P) {
    if (!Drawing(P))
        return;
    if (HTMLTags::HasAttribute(Tag, "BACKGROUND")) {
        THTMLPicture* picture = FindPicture(AttributeValue(Tag, "BACKGROUND"));
        if (picture && !picture->Empty() && picture->Width() > 0 && picture->Height() > 0) {
            c.Canvas->SaveState();
            c.Canvas->IntersectClipRect(c.Area);
            for (int y = c.Area.Top; y < c.Area.Bottom; y += picture->Height())
                for (int x = c.Area.Left; x < c.Area.Right; x += picture->Width())
                    picture->StretchDraw(c.Canvas,
                                         Bounds(x, y, picture->Width(), picture->Height()));
            c.Canvas->RestoreState();
        }
    }
    std::string color = AttributeValue(U, "BGCOLOR");
    if (!color.empty()) {
        TColor value =
            color.find("CL") != std::string::npos ? HTMLColorByName(color) : HexToColor(color);
        c.Canvas->Pen()->SetColor(value);
        c.Canvas->Brush()->SetColor(value);
        c.Canvas->FillRect(c.Area);
        S.Background = value;
    }
}

} // namespace HTMLLayout
