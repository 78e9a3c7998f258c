#pragma once

#include "app/controls/GlyphButtonTypes.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Types.h"

#include <string>
#include <string_view>

class TForm;
class TWinControl;
class TLabel;
class TGlyphButton;
class TPanel;

// The look that every window of the configurator shares: the light background, the Verdana
// fonts, the grey titles and the glyph buttons.

constexpr TColor Window_Color = 0x00EDF7F8;
constexpr TColor Button_Down_Color = 0x000080FF;
constexpr TColor Title_Text_Color = clGray;

// Background, Verdana 11 pixels, centred on the screen, a single border with the system menu
// only, and the client size.
void Apply_Window_Look(TForm* form, int clientWidth, int clientHeight);

// A label owned by the form, on `parent`.
TLabel* Make_Label(TForm* owner, TWinControl* parent, int left, int top,
                   const std::string& caption = "");

// A glyph button of the program's look, with the named picture of the glyph set.
TGlyphButton* Make_Glyph_Button(TForm* owner, TWinControl* parent, int left, int top, int width,
                                int height, std::string_view glyph,
                                TGlyphButtonStyle style = bsEncarta, TColor hotTrack = clYellow);

// A flat panel of the window's colour owned by the form, on it, aligned; a height of 0 or less
// keeps the panel's own.
TPanel* Make_Window_Panel(TForm* form, TAlign align, int height);

// Grey software-code and description labels as the title panel and the main window show them.
void Style_Title_Labels(TLabel* code, TLabel* description);
