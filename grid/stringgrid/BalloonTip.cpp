#include "grid/stringgrid/BalloonTip.h"

#include "grid/foundation/ExUtil.h"
#include "grid/stringgrid/BalloonSettings.h"
#include "platform/ui/BalloonWindow.h"

namespace {
// Characters (not bytes) beyond Limit are cut to Limit - 3 and "...".
std::u32string CutWithEllipsis(std::u32string Text, size_t Limit) {
    if (Text.size() > Limit) {
        Text.resize(Limit - 3);
        Text += U"...";
    }
    return Text;
}
} // namespace

std::string BalloonCellText(std::string_view Text) {
    std::u32string chars = Utf8ToCodePoints(Text);
    for (size_t i = 0; i + 1 < chars.size(); ++i)
        if (chars[i] == U'\t')
            chars[i] = U' ';
    size_t first = 0;
    while (first < chars.size() &&
           (chars[first] == U'\r' || chars[first] == U'\n' || chars[first] == U'\t'))
        ++first;
    return CodePointsToUtf8(CutWithEllipsis(chars.substr(first), BalloonMaxTextLength));
}

std::string BalloonTitleText(std::string_view Title) {
    return CodePointsToUtf8(CutWithEllipsis(Utf8ToCodePoints(Title), BalloonMaxTitleLength));
}

std::string PrepareBalloon(TBalloonWindow* Window, const TBalloonSettings& Settings,
                           const TBalloonTip& Tip) {
    if (Window == nullptr)
        return Tip.Text;
    Window->SetMaxTipWidth(BalloonMaxTipWidth);
    if (Settings.TextColor != clNone)
        Window->SetTipTextColor(ColorToRGB(Settings.TextColor));
    if (Settings.BackgroundColor != clNone)
        Window->SetTipBkColor(ColorToRGB(Settings.BackgroundColor));
    Window->SetTitle(static_cast<int>(Tip.Icon), BalloonTitleText(Tip.Title));
    return Tip.Text;
}
