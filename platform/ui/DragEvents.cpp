#include "platform/ui/internal/DragEvents.h"

namespace {

struct EffectAction {
    TDropEffect Effect;
    Qt::DropAction Action;
};
constexpr EffectAction EffectActions[] = {
    {DROPEFFECT_COPY, Qt::CopyAction},
    {DROPEFFECT_MOVE, Qt::MoveAction},
    {DROPEFFECT_LINK, Qt::LinkAction},
};

struct KeyBit {
    TDragKeyState Bit;
    Qt::MouseButton Button;
    Qt::KeyboardModifier Modifier;
};
constexpr KeyBit KeyBits[] = {
    {MK_LBUTTON, Qt::LeftButton, Qt::NoModifier},    {MK_RBUTTON, Qt::RightButton, Qt::NoModifier},
    {MK_MBUTTON, Qt::MiddleButton, Qt::NoModifier},  {MK_SHIFT, Qt::NoButton, Qt::ShiftModifier},
    {MK_CONTROL, Qt::NoButton, Qt::ControlModifier}, {MK_ALT, Qt::NoButton, Qt::AltModifier},
};

} // namespace

namespace DragEvents {

Qt::DropActions ToActions(TDropEffect effects) {
    Qt::DropActions actions;
    for (const EffectAction& pair : EffectActions)
        if (effects & pair.Effect)
            actions |= pair.Action;
    return actions;
}

Qt::DropAction ToAction(TDropEffect effect) {
    for (const EffectAction& pair : EffectActions)
        if (effect & pair.Effect)
            return pair.Action;
    return Qt::IgnoreAction;
}

TDropEffect FromActions(Qt::DropActions actions) {
    TDropEffect effects = DROPEFFECT_NONE;
    for (const EffectAction& pair : EffectActions)
        if (actions & pair.Action)
            effects |= pair.Effect;
    return effects;
}

TDragKeyState KeyState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    TDragKeyState state = 0;
    for (const KeyBit& key : KeyBits)
        if ((key.Button != Qt::NoButton && buttons.testFlag(key.Button)) ||
            (key.Modifier != Qt::NoModifier && modifiers.testFlag(key.Modifier)))
            state |= key.Bit;
    return state;
}

Qt::MouseButtons Buttons(TDragKeyState keyState) {
    Qt::MouseButtons buttons;
    for (const KeyBit& key : KeyBits)
        if (keyState & key.Bit)
            buttons |= key.Button;
    return buttons;
}

Qt::KeyboardModifiers Modifiers(TDragKeyState keyState) {
    Qt::KeyboardModifiers modifiers;
    for (const KeyBit& key : KeyBits)
        if (keyState & key.Bit)
            modifiers |= key.Modifier;
    return modifiers;
}

} // namespace DragEvents
