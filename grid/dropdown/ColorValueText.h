#pragma once

#include "platform/ui/Colors.h"

#include <string>

// How a colour picker writes a colour that none of its entries names.
enum TColorValueText { cvtNone, cvtHex, cvtWebName, cvtRGB, cvtHTML };

// The colour as text: empty (cvtNone), its value as at least six upper-case hex digits in value
// order (cvtHex), the web colour name of its RGB value or else its HTML form (cvtWebName),
// "Red:r,Green:g,Blue:b" (cvtRGB), or "#RRGGBB" (cvtHTML).
std::string ColorValueText(TColor Color, TColorValueText Form);
