#include "platform/ui/internal/KeyTranslation.h"

#include <array>
#include <utility>

namespace KeyTranslation {

namespace {

// Keys that map one to one. Shifted punctuation of a US keyboard maps to the key it is on.
constexpr std::array<std::pair<int, WORD>, 71> KeyTable{{
    {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Tab, VK_TAB},
    {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Backspace, VK_BACK},
    {Qt::Key_Return, VK_RETURN},
    {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE},
    {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_Print, VK_SNAPSHOT},
    {Qt::Key_Clear, VK_CLEAR},
    {Qt::Key_Home, VK_HOME},
    {Qt::Key_End, VK_END},
    {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN},
    {Qt::Key_PageUp, VK_PRIOR},
    {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL},
    {Qt::Key_Alt, VK_MENU},
    {Qt::Key_AltGr, VK_MENU},
    {Qt::Key_CapsLock, VK_CAPITAL},
    {Qt::Key_NumLock, VK_NUMLOCK},
    {Qt::Key_ScrollLock, VK_SCROLL},
    {Qt::Key_Space, VK_SPACE},
    {Qt::Key_Menu, VK_APPS},
    {Qt::Key_Help, VK_HELP},
    {Qt::Key_Super_L, VK_LWIN},
    {Qt::Key_Super_R, VK_RWIN},
    {Qt::Key_F1, VK_F1},
    {Qt::Key_F2, VK_F2},
    {Qt::Key_F3, VK_F3},
    {Qt::Key_F4, VK_F4},
    {Qt::Key_F5, VK_F5},
    {Qt::Key_F6, VK_F6},
    {Qt::Key_F7, VK_F7},
    {Qt::Key_F8, VK_F8},
    {Qt::Key_F9, VK_F9},
    {Qt::Key_F10, VK_F10},
    {Qt::Key_F11, VK_F11},
    {Qt::Key_F12, VK_F12},
    {Qt::Key_Equal, VK_OEM_PLUS},
    {Qt::Key_Plus, VK_OEM_PLUS},
    {Qt::Key_Minus, VK_OEM_MINUS},
    {Qt::Key_Underscore, VK_OEM_MINUS},
    {Qt::Key_Comma, VK_OEM_COMMA},
    {Qt::Key_Less, VK_OEM_COMMA},
    {Qt::Key_Period, VK_OEM_PERIOD},
    {Qt::Key_Greater, VK_OEM_PERIOD},
    {Qt::Key_Slash, VK_OEM_2},
    {Qt::Key_Question, VK_OEM_2},
    {Qt::Key_Semicolon, VK_OEM_1},
    {Qt::Key_Colon, VK_OEM_1},
    {Qt::Key_QuoteLeft, VK_OEM_3},
    {Qt::Key_AsciiTilde, VK_OEM_3},
    {Qt::Key_BracketLeft, VK_OEM_4},
    {Qt::Key_BraceLeft, VK_OEM_4},
    {Qt::Key_Backslash, VK_OEM_5},
    {Qt::Key_Bar, VK_OEM_5},
    {Qt::Key_BracketRight, VK_OEM_6},
    {Qt::Key_BraceRight, VK_OEM_6},
    {Qt::Key_Apostrophe, VK_OEM_7},
    {Qt::Key_QuoteDbl, VK_OEM_7},
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
}};

constexpr std::array<std::pair<int, WORD>, 5> KeypadTable{{
    {Qt::Key_Asterisk, VK_MULTIPLY},
    {Qt::Key_Plus, VK_ADD},
    {Qt::Key_Minus, VK_SUBTRACT},
    {Qt::Key_Period, VK_DECIMAL},
    {Qt::Key_Slash, VK_DIVIDE},
}};

constexpr LPARAM ExtendedKey = 0x01000000;

constexpr LPARAM ScanCode(LPARAM code) {
    return code << 16;
}

// The keypad's keys by scan code; with Num Lock off its digits are the cursor keys.
constexpr std::array<std::pair<WORD, LPARAM>, 27> KeypadKeyDataTable{{
    {VK_NUMPAD7, ScanCode(0x47)},
    {VK_HOME, ScanCode(0x47)},
    {VK_NUMPAD8, ScanCode(0x48)},
    {VK_UP, ScanCode(0x48)},
    {VK_NUMPAD9, ScanCode(0x49)},
    {VK_PRIOR, ScanCode(0x49)},
    {VK_SUBTRACT, ScanCode(0x4A)},
    {VK_NUMPAD4, ScanCode(0x4B)},
    {VK_LEFT, ScanCode(0x4B)},
    {VK_NUMPAD5, ScanCode(0x4C)},
    {VK_CLEAR, ScanCode(0x4C)},
    {VK_NUMPAD6, ScanCode(0x4D)},
    {VK_RIGHT, ScanCode(0x4D)},
    {VK_ADD, ScanCode(0x4E)},
    {VK_NUMPAD1, ScanCode(0x4F)},
    {VK_END, ScanCode(0x4F)},
    {VK_NUMPAD2, ScanCode(0x50)},
    {VK_DOWN, ScanCode(0x50)},
    {VK_NUMPAD3, ScanCode(0x51)},
    {VK_NEXT, ScanCode(0x51)},
    {VK_NUMPAD0, ScanCode(0x52)},
    {VK_INSERT, ScanCode(0x52)},
    {VK_DECIMAL, ScanCode(0x53)},
    {VK_DELETE, ScanCode(0x53)},
    {VK_MULTIPLY, ScanCode(0x37)},
    {VK_DIVIDE, ScanCode(0x35) | ExtendedKey},
    {VK_RETURN, ScanCode(0x1C) | ExtendedKey},
}};

} // namespace

bool IsKeypadOnlyKey(WORD virtualKey) {
    return virtualKey >= VK_NUMPAD0 && virtualKey <= VK_DIVIDE;
}

LPARAM KeypadKeyData(WORD virtualKey, Qt::KeyboardModifiers modifiers) {
    if (!modifiers.testFlag(Qt::KeypadModifier))
        return 0;
    for (const auto& [vk, keyData] : KeypadKeyDataTable)
        if (vk == virtualKey)
            return keyData;
    return 0;
}

WORD VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return static_cast<WORD>(keypad ? VK_NUMPAD0 + (qtKey - Qt::Key_0) : qtKey);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return static_cast<WORD>(qtKey);
    if (keypad)
        for (const auto& [key, vk] : KeypadTable)
            if (key == qtKey)
                return vk;
    switch (qtKey) {
    case Qt::Key_Ampersand:
        return '7';
    case Qt::Key_Asterisk:
        return '8';
    case Qt::Key_ParenLeft:
        return '9';
    case Qt::Key_ParenRight:
        return '0';
    default:
        break;
    }
    for (const auto& [key, vk] : KeyTable)
        if (key == qtKey)
            return vk;
    return 0;
}

int QtKey(WORD virtualKey) {
    if ((virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z'))
        return virtualKey;
    if (virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD9)
        return Qt::Key_0 + (virtualKey - VK_NUMPAD0);
    for (const auto& [key, vk] : KeypadTable)
        if (vk == virtualKey)
            return key;
    for (const auto& [key, vk] : KeyTable)
        if (vk == virtualKey)
            return key;
    return 0;
}

TShiftState ShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    TShiftState shift;
    if (modifiers.testFlag(Qt::ShiftModifier))
        shift << ssShift;
    if (modifiers.testFlag(Qt::ControlModifier))
        shift << ssCtrl;
    if (modifiers.testFlag(Qt::AltModifier))
        shift << ssAlt;
    if (buttons.testFlag(Qt::LeftButton))
        shift << ssLeft;
    if (buttons.testFlag(Qt::RightButton))
        shift << ssRight;
    if (buttons.testFlag(Qt::MiddleButton))
        shift << ssMiddle;
    return shift;
}

Qt::KeyboardModifiers Modifiers(TShiftState shift) {
    Qt::KeyboardModifiers modifiers;
    if (shift.Contains(ssShift))
        modifiers |= Qt::ShiftModifier;
    if (shift.Contains(ssCtrl))
        modifiers |= Qt::ControlModifier;
    if (shift.Contains(ssAlt))
        modifiers |= Qt::AltModifier;
    return modifiers;
}

Qt::MouseButton Button(TMouseButton button) {
    switch (button) {
    case mbRight:
        return Qt::RightButton;
    case mbMiddle:
        return Qt::MiddleButton;
    default:
        return Qt::LeftButton;
    }
}

} // namespace KeyTranslation
