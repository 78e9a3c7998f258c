#pragma once

#include <string_view>

class TBitmap;

// The program's own button pictures, drawn by code so that no picture file has to travel with
// the program. Each picture is a strip: the normal picture, then a greyed one for a disabled
// button, on the transparent colour 0xFF00FF (the strip's bottom-left pixel).
//
// Stock pictures of the button kinds: "LBOK", "LBCANCEL", "LBHELP", "LBYES", "LBNO", "LBCLOSE",
// "LBABORT", "LBRETRY", "LBIGNORE" (18 x 18 each), "LBALL" (18 x 19), and "LBARROW" (one 5 x 3
// picture, the drop-down mark).
//
// Pictures of the configurator's buttons, one size each: "NEW_CONF", "OPEN_CONF", "SET_COMM",
// "HART_VARS", "GSD_FILE", "UPDATE_DEVICE" (24 x 24, the steps), "INFO", "OPTIONS", "EXIT"
// (32 x 32, the main window's top buttons), "OK", "CANCEL", "CHECK_UPDATE", "PREVIOUS", "NEXT"
// (18 x 18, dialog buttons), and the product picture "GATEWAY" (one 81 x 81 picture).

// Fills the bitmap with the named strip and makes it transparent; false (bitmap untouched) for
// an unknown name.
bool Load_Stock_Glyph(TBitmap& bitmap, std::string_view name);

// Number of pictures in the named strip (2, or 1 for "LBARROW" and "GATEWAY"); 0 for an
// unknown name.
int Stock_Glyph_Count(std::string_view name);

constexpr unsigned Glyph_Transparent_Color = 0xFF00FF;
