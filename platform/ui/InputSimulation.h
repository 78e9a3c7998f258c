#pragma once

#include "platform/ui/Keys.h"
#include "platform/ui/Types.h"

#include <string_view>

class TControl;

// Synthesised user input for tests: each call builds the platform's own input event and sends it
// to the control's widget, so it takes the same road as a real key or click (translation,
// dialog keys, key preview, handlers). Coordinates are in the control's client area.
namespace InputSimulation {
// Key down, the characters it types (if any), key up. ch 0: no character. Keys that only the
// numeric keypad has (VK_NUMPAD0..VK_DIVIDE) come from the keypad here and in KeyDown and KeyUp.
void KeyPress(TControl* control, WORD key, TChar ch = 0, TShiftState shift = {});
// As KeyPress, with the key typed on the numeric keypad: VK_RETURN is its Enter key, VK_HOME its
// 7 with Num Lock off.
void KeypadPress(TControl* control, WORD key, TChar ch = 0, TShiftState shift = {});
void KeyDown(TControl* control, WORD key, TShiftState shift = {});
void KeyUp(TControl* control, WORD key, TShiftState shift = {});
// The control that holds the keyboard focus (the active window itself when none of its controls
// does), as the window system reports it after the pending activation and focus changes ran;
// nullptr when no window of the program is active.
TControl* FocusedControl();
// KeyPress to the control that holds the focus, where a key typed by a person goes (nothing when
// none holds it).
void KeyPressFocused(WORD key, TChar ch = 0, TShiftState shift = {});
// One typed character (key down, character, key up), the key taken from the character.
void TypeChar(TControl* control, TChar ch);
// Each character of an ASCII text typed as TypeChar types it, to whatever holds the focus at that
// moment, as a person's typing goes on into an editor the first key opened.
void TypeTextFocused(std::string_view text);
void MouseDown(TControl* control, TMouseButton button, TPoint p, TShiftState shift = {});
void MouseUp(TControl* control, TMouseButton button, TPoint p, TShiftState shift = {});
void MouseMove(TControl* control, TPoint p, TShiftState shift = {});
// Down and up at the same point.
void Click(TControl* control, TPoint p, TMouseButton button = mbLeft);
void DoubleClick(TControl* control, TPoint p);
void Wheel(TControl* control, TPoint p, int delta, TShiftState shift = {});
// The mouse moved onto item `index` of a combo box's open list, pressed and released there.
// Nothing when the control is no combo box or its list is closed.
void ClickListItem(TControl* combo, int index);
void MouseEnter(TControl* control);
// The cursor the mouse shows over the control: the screen's when set, else the control's
// widget's (crDefault for the arrow).
TCursor CursorShown(TControl* control);
void MouseLeave(TControl* control);
} // namespace InputSimulation
