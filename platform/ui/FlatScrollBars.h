#pragma once

#include "platform/ui/Types.h"

class TWinControl;

// Properties of flat scroll bars (TFlatScrollBars::SetScrollProp), with the common controls
// library's numbers.
constexpr int WSB_PROP_CYVSCROLL = 0x1;  // length of the vertical bar's arrow buttons
constexpr int WSB_PROP_CXHSCROLL = 0x2;  // length of the horizontal bar's arrow buttons
constexpr int WSB_PROP_CYHSCROLL = 0x4;  // height of the horizontal bar
constexpr int WSB_PROP_CXVSCROLL = 0x8;  // width of the vertical bar
constexpr int WSB_PROP_VBKGCOLOR = 0x40; // track colour of the vertical bar
constexpr int WSB_PROP_HBKGCOLOR = 0x80; // track colour of the horizontal bar
constexpr int WSB_PROP_VSTYLE = 0x100;   // look of the vertical bar, an FSB_ mode
constexpr int WSB_PROP_HSTYLE = 0x200;   // look of the horizontal bar, an FSB_ mode

// The looks: the regular bar; flat parts that rise when the mouse is over them; flat parts
// shown inverted when the mouse is over them.
constexpr int FSB_REGULAR_MODE = 0;
constexpr int FSB_ENCARTA_MODE = 1;
constexpr int FSB_FLAT_MODE = 2;

// A bar's range Min..Max with a page of Page and the thumb at Pos (TrackPos is where a dragged
// thumb stands; a thumb held by the mouse keeps its place).
struct TScrollInfo {
    int Min = 0;
    int Max = 0;
    int Page = 0;
    int Pos = 0;
    int TrackPos = 0;
};

// Flat scroll bars for a control's own scroll bars: once initialised for a control, its bars take
// the look, track colour and thickness set through the properties, until uninitialised, when
// they are regular bars again. A control without scroll bars of its own cannot be initialised,
// and every call for a control not initialised does nothing and answers false (0).
class TFlatScrollBars {
public:
    static bool Initialize(TWinControl* Control);
    static bool Uninitialize(TWinControl* Control);
    static bool Initialized(const TWinControl* Control);
    // A colour property takes a TColor (clNone: the track's regular colour), a thickness
    // property pixels (at least 1), a style property an FSB_ mode; an unknown index or value
    // is refused. Redraw is always done.
    static bool SetScrollProp(TWinControl* Control, int Index, int Value, bool Redraw);
    static bool GetScrollProp(const TWinControl* Control, int Index, int& Value);
    // Bar SB_HORZ, SB_VERT or SB_BOTH; shown or hidden until the control next lays its bars out.
    static bool ShowScrollBar(TWinControl* Control, int Bar, bool Show);
    // The thumb position the bar takes, 0 when nothing was set.
    static int SetScrollInfo(TWinControl* Control, int Bar, const TScrollInfo& Info, bool Redraw);
};
