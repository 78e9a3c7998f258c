#pragma once

#include "grid/stringgrid/BalloonList.h"

#include <string>
#include <string_view>

class TBalloonSettings;
class TBalloonWindow;

// What a cell's balloon shows. A cell without a balloon of its own gets a blank title (the
// balloon needs one) and the info icon.
struct TBalloonTip {
    std::string Title = " ";
    std::string Text;
    TBalloonIcon Icon = biInfo;
};

// The balloon's widest text, in pixels.
constexpr int BalloonMaxTipWidth = 300;
// Longer texts and titles are cut to this many characters, the last three being "...".
constexpr size_t BalloonMaxTextLength = 2048;
constexpr size_t BalloonMaxTitleLength = 100;

// A cell text as its balloon shows it: tabs become blanks (a tab at the very end stays), leading
// line breaks and tabs go, and a text of more than 2048 characters is cut to 2045 and "...".
std::string BalloonCellText(std::string_view Text);
// A title of more than 100 characters is cut to 97 and "...".
std::string BalloonTitleText(std::string_view Title);
// Readies Window to show Tip: the width limit, the colours of Settings that are set, the title
// (cut) with its icon. Returns the text the window is to show.
std::string PrepareBalloon(TBalloonWindow* Window, const TBalloonSettings& Settings,
                           const TBalloonTip& Tip);
