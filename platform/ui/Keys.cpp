#include "platform/ui/Keys.h"

#include "platform/ui/internal/InputState.h"

#include <atomic>

namespace {
std::atomic<uint64_t> LastShiftBits{0};
}

void InputState::Remember(TShiftState shift) {
    LastShiftBits.store(shift.ToBits());
}

TShiftState CurrentShiftState() {
    return TShiftState::FromBits(LastShiftBits.load());
}

TShiftState KeyDataToShiftState(intptr_t keyData) {
    TShiftState shift;
    if (GetKeyState(VK_SHIFT) < 0)
        shift << ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        shift << ssCtrl;
    if ((keyData & AltMask) != 0)
        shift << ssAlt;
    return shift;
}

int16_t GetKeyState(int virtualKey) {
    TShiftState shift = CurrentShiftState();
    bool down = false;
    switch (virtualKey) {
    case VK_SHIFT:
    case VK_LSHIFT:
    case VK_RSHIFT:
        down = shift.Contains(ssShift);
        break;
    case VK_CONTROL:
    case VK_LCONTROL:
    case VK_RCONTROL:
        down = shift.Contains(ssCtrl);
        break;
    case VK_MENU:
    case VK_LMENU:
    case VK_RMENU:
        down = shift.Contains(ssAlt);
        break;
    case VK_LBUTTON:
        down = shift.Contains(ssLeft);
        break;
    case VK_RBUTTON:
        down = shift.Contains(ssRight);
        break;
    case VK_MBUTTON:
        down = shift.Contains(ssMiddle);
        break;
    default:
        break;
    }
    return down ? static_cast<int16_t>(-128) : static_cast<int16_t>(0);
}
