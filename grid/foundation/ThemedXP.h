#pragma once

// Whether controls are drawn with the desktop's visual styles: a current platform, the styles
// active and the common controls that draw them.
bool IsThemedXP();
