#pragma once

#include "platform/ui/Types.h"

class TCanvas;
class TControlLook;

// A progress cell in the desktop style's own bar, when the look asks for it (ProgressXP with the
// XP or theme control style) and a style runs: the bar within the progress margins, its chunk
// filling Value percent (kept to 0..100) of the inside. False when the cell is drawn otherwise.
bool DrawThemedProgress(TCanvas* Canvas, const TRect& R, const TControlLook& Look, double Value);
