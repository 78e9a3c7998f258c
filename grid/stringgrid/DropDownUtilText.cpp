#include "grid/stringgrid/DropDownUtil.h"

#include "grid/foundation/EsgHTMLE.h"
#include "platform/ui/Canvas.h"

TPoint MeasureTextExtent(TCanvas* Canvas, const std::string& Text) {
    if (Canvas == nullptr || Text.empty())
        return {0, 0};
    TRect r = Rect(0, 0, 1000, 500);
    Canvas->DrawText(Text, r, DT_CALCRECT | DT_SINGLELINE | DT_LEFT);
    return {r.Width(), r.Height()};
}

namespace {
// The byte length of Text without its last UTF-8 character.
size_t WithoutLastCharacter(const std::string& Text, size_t length) {
    if (length == 0)
        return 0;
    --length;
    while (length > 0 && (static_cast<unsigned char>(Text[length]) & 0xC0) == 0x80)
        --length;
    return length;
}
} // namespace

std::string ShortenText(TCanvas* Canvas, const std::string& Text, int MaxWidth, bool Ellipsis) {
    if (Canvas == nullptr || Canvas->TextWidth(Text) <= MaxWidth)
        return Text;
    for (size_t length = WithoutLastCharacter(Text, Text.size()); length > 0;
         length = WithoutLastCharacter(Text, length)) {
        std::string candidate = Text.substr(0, length);
        if (Ellipsis)
            candidate += "...";
        if (Canvas->TextWidth(candidate) < MaxWidth)
            return candidate;
    }
    return Text;
}

void DrawHTMLText(TCanvas* Canvas, const std::string& Text, const TRect& R,
                  const TImageList* Images, bool Draw, const TControl* Handle, TPoint& Extent) {
    const TSize size = RenderHTMLText(Canvas, Text, R, Images, nullptr, Draw, Handle);
    Extent = {size.cx, size.cy};
}

// Links in the mark-up take the URL colour and a grey shadow; nothing is hovered, focused,
// selected or blinking.
TSize RenderHTMLText(TCanvas* Canvas, const std::string& Text, const TRect& R,
                     const TImageList* Images, TPictureContainer* Container, bool Draw,
                     const TControl* Handle) {
    if (Canvas == nullptr || Text.empty())
        return {0, 0};
    std::string anchor, stripped, focusAnchor, anchorTitle, controlID, controlValue, controlType;
    int width = 0, height = 0, hyperLinks = 0, mouseLink = 0;
    TRect hoverRect, controlRect;
    RenderHTML(Canvas, Text, R, Images, -1, -1, -1, -1, 1, false, !Draw, false, false, false, false,
               true, false, 1.0, clBlue, clNone, clNone, 0x808080, anchor, stripped, focusAnchor,
               anchorTitle, width, height, hyperLinks, mouseLink, hoverRect, controlRect, controlID,
               controlValue, controlType, nullptr, Container, Handle, 0);
    return {width, height};
}
