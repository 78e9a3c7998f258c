#pragma once

// For the .cpp files of platform/ui only: the window-manager hints of top-level windows.

#include "platform/ui/Form.h"

#include <QFlags>
#include <Qt>

// The hints a window gets from its frame and the buttons it offers on it: a frame that cannot
// change size never offers maximise, a dialog frame offers only the system menu and the close
// box, and without a system menu there are no buttons at all.
Qt::WindowFlags WindowFlagsFor(TFormBorderStyle borderStyle, TBorderIcons borderIcons,
                               TFormStyle formStyle);
