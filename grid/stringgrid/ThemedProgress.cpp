#include "grid/stringgrid/ThemedProgress.h"

#include "grid/stringgrid/ControlLook.h"
#include "platform/ui/ThemeServices.h"

#include <algorithm>
#include <cmath>

bool DrawThemedProgress(TCanvas* Canvas, const TRect& R, const TControlLook& Look, double Value) {
    const TGridControlStyle style = Look.ControlStyle();
    if (!Look.ProgressXP() || (style != csWinXP && style != csTheme) || !ThemeServicesActive())
        return false;
    const TRect bar{R.Left + Look.ProgressMarginX(), R.Top + Look.ProgressMarginY(),
                    R.Right - Look.ProgressMarginX(), R.Bottom - Look.ProgressMarginY()};
    if (!DrawThemePart(Canvas, TThemePart::ProgressBar, tsfNormal, bar))
        return false;
    const TRect inside{bar.Left + 2, bar.Top + 2, bar.Right - 2, bar.Bottom - 2};
    const double percent = std::clamp(Value, 0.0, 100.0);
    const int filled =
        static_cast<int>(std::lround((inside.Right - inside.Left) * percent / 100.0));
    if (filled > 0)
        DrawThemePart(Canvas, TThemePart::ProgressChunk, tsfNormal,
                      TRect{inside.Left, inside.Top, inside.Left + filled, inside.Bottom});
    return true;
}
