#pragma once

#include <string_view>

class TBitmap;

// The check box and radio button glyphs of the ULK control style: "ESGCHK01" (checked),
// "ESGCHK02" (unchecked), "ESGCHK03" (checked, disabled), "ESGCHK04" (unchecked, disabled) and
// "ESGRAD01" .. "ESGRAD04" in the same order; the flat glyphs of the colour-tone look
// "metrocheckon", "metrocheckoff", "metroradioon" and "metroradiooff". False for any other name.
bool BuildControlGlyph(std::string_view Name, TBitmap& Glyph);
