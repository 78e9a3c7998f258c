#pragma once

#include "platform/ui/Types.h"

class TCanvas;
class TControl;

// The framework's bidirectional modes: the reading order of a control's text and whether its
// layout runs from the right.
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

// A control laid out from the right: it paints mirrored on its width, its child controls stand
// mirrored, the mouse reaches it mirrored and the Left and Right keys change places. Its code
// keeps working in the coordinates of a left-to-right layout.
void SetMirroredLayout(TControl* Control, bool Value);
bool MirroredLayout(const TControl* Control);

// The canvas of such a control while it paints draws shapes mirrored; text and pictures keep
// their reading direction and land mirrored as a whole.
bool CanvasMirrored(const TCanvas* Canvas);
// Where R of the mirrored drawing lands on the control (R itself on a canvas not mirrored).
TRect CanvasScreenRect(const TCanvas* Canvas, const TRect& R);
// Switches the mirroring off (Suspend) and on again, around drawing that lays itself out from
// the left in the control's own coordinates, such as runs of mark-up text.
void SuspendCanvasMirror(TCanvas* Canvas, bool Suspend);

// Whether the system's locale is a bidirectional one (Hebrew, Arabic, Persian, ...): text of
// controls that read right to left then takes the right-to-left reading order. Read from the
// desktop's locale until set, so a program or a test can choose it.
bool SysLocaleMiddleEast();
void SetSysLocaleMiddleEast(bool Value);
