#pragma once

#include "platform/ui/Types.h"

class TBitmap;
class TForm;

// The screen: the application-wide cursor and the desktop size.
class TScreen {
public:
    TCursor Cursor() const { return FCursor; }
    // Anything but crDefault overrides every control's cursor until set back.
    void SetCursor(TCursor cursor);
    // A cursor of the program's own under a number of its choice: its picture (the bitmap's
    // transparent colour see-through when Transparent is on) with the point that aims. Controls
    // and the screen then show it for that number like a stock cursor.
    void SetCursorImage(TCursor cursor, const TBitmap& image, TPoint hotSpot);
    int Width() const;
    int Height() const;
    TRect WorkAreaRect() const;
    TForm* ActiveForm() const;

private:
    TCursor FCursor = crDefault;
};

extern TScreen* Screen;

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CYVSCROLL = 20;
constexpr int SM_CXHSCROLL = 21;
constexpr int SM_CXDOUBLECLK = 36;
constexpr int SM_CYDOUBLECLK = 37;
constexpr int SM_CXEDGE = 45;
constexpr int SM_CYEDGE = 46;
// Sizes of the running style (scroll bar widths, edges) and the screen.
int GetSystemMetrics(int index);
unsigned GetDoubleClickTime();
